#ifndef FCSIM_FAULTINJECTOR_H
#define FCSIM_FAULTINJECTOR_H

#include <QtGlobal>

#include <cstdint>
#include <random>

// Spoils replies on purpose: drops a fraction of them and flips one bit in a fraction of the
// others. The same seed gives the same faults for the same sequence of replies.
class FaultInjector
{
public:
    enum class Fault
    {
        None,
        Dropped,
        Corrupted
    };

    // Bytes that a corruption may hit: everything after the start bytes, checksum included.
    static constexpr int kFirstCorruptibleByte = 2;
    static constexpr int kLastCorruptibleByte = 63;

    FaultInjector(double dropProbability, double corruptProbability, std::uint32_t seed);

    // Decides the fate of one 64-byte reply; a corrupted frame is changed in place.
    Fault apply(quint8 *frame);

    // Where the last corruption struck (byte offset and bit), for diagnostics.
    int lastCorruptedByte() const { return m_lastByte; }
    int lastCorruptedBit() const { return m_lastBit; }

private:
    bool happens(double probability);

    const double m_dropProbability;
    const double m_corruptProbability;
    std::mt19937 m_generator;
    int m_lastByte = -1;
    int m_lastBit = -1;
};

#endif // FCSIM_FAULTINJECTOR_H
