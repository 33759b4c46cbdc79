#include "faultinjector.h"

FaultInjector::FaultInjector(double dropProbability, double corruptProbability, std::uint32_t seed)
    : m_dropProbability(dropProbability), m_corruptProbability(corruptProbability),
      m_generator(seed)
{
}

bool FaultInjector::happens(double probability)
{
    if (probability <= 0.0)
        return false;
    if (probability >= 1.0)
        return true;
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    return uniform(m_generator) < probability;
}

FaultInjector::Fault FaultInjector::apply(quint8 *frame)
{
    if (happens(m_dropProbability))
        return Fault::Dropped;
    if (!happens(m_corruptProbability))
        return Fault::None;

    std::uniform_int_distribution<int> byteChoice(kFirstCorruptibleByte, kLastCorruptibleByte);
    std::uniform_int_distribution<int> bitChoice(0, 7);
    m_lastByte = byteChoice(m_generator);
    m_lastBit = bitChoice(m_generator);
    frame[m_lastByte] = static_cast<quint8>(frame[m_lastByte] ^ (1u << m_lastBit));
    return Fault::Corrupted;
}
