#ifndef FCSIM_FLIGHTCONTROLLER_H
#define FCSIM_FLIGHTCONTROLLER_H

#include "fclink/model/uavparam.h"

#include <QSet>

#include <functional>

// The flight controller's side of the protocol, without any I/O: it keeps the parameter block,
// answers each request frame with one reply frame and runs the commands that report a result
// after a while (flash write and calibrations). Time is passed in as milliseconds since start.
class FlightController
{
public:
    static constexpr quint8 kDeviceId = 0x26;

    // Called when a flash write finishes without an injected failure; returns whether the
    // block could be stored. A false return turns the result into a failure.
    using FlashWriter = std::function<bool(const UavParam &block)>;

    struct Outcome
    {
        bool blockChanged = false; // a write slice was stored
        bool commandStarted = false;
    };

    // firmwareVersion in hundredths; replies carry its low 8 bits.
    FlightController(const UavParam &block, quint16 firmwareVersion, int commandDelayMs,
                     const QSet<quint8> &failingCommands);

    // Written bytes at these block offsets are not stored (a controller that refuses them).
    void setIgnoredWriteOffsets(const QSet<int> &offsets) { m_ignoredWriteOffsets = offsets; }

    // A plausible factory configuration: every field at the default of the field table
    // (three-cell battery, channels 1..6 mapped in order, go-home switch on channel 5, IOC
    // switch on channel 6, go-home enabled at 30 m).
    static UavParam defaultBlock();

    // The commands whose outcome is reported after a delay: flash write (2), voltage (6),
    // accelerometer (12) and gyro (13) calibration.
    static bool reportsResult(quint8 command);

    void setFlashWriter(FlashWriter writer) { m_flashWriter = std::move(writer); }

    // Handles one checksum-valid 64-byte request and builds the 64-byte reply into reply.
    Outcome handleRequest(const quint8 *request, qint64 ms, quint8 *reply);

    // When the running command finishes, or -1 when none is running.
    qint64 commandDueAt() const { return m_commandDueAt; }

    // Finishes the running command if its time has come. Returns true if it finished now.
    bool finishDueCommand(qint64 ms);

    // The command result replies carry at offset 4 now (0 when nothing is reported).
    quint8 resultCode() const { return m_resultCode; }
    quint8 lastCommand() const { return m_lastCommand; }
    const UavParam &block() const { return m_block; }
    quint16 firmwareVersion() const { return m_firmwareVersion; }
    // The version byte of every reply: the low 8 bits of the version.
    quint8 firmwareVersionByte() const { return static_cast<quint8>(m_firmwareVersion & 0xFF); }
    // A new firmware has been flashed and started.
    void setFirmwareVersion(quint16 version) { m_firmwareVersion = version; }
    // The firmware starts with the factory configuration (after an upgrade that resets it).
    void resetBlock() { m_block = defaultBlock(); }

private:
    void buildPayload(quint8 requestHead, const quint8 *requestPayload, qint64 ms,
                      quint8 *replyHead, quint8 *payload, Outcome *outcome);
    int switchChannel(quint8 mapping) const;

    UavParam m_block;
    quint16 m_firmwareVersion;
    const int m_commandDelayMs;
    const QSet<quint8> m_failingCommands;
    QSet<int> m_ignoredWriteOffsets;
    FlashWriter m_flashWriter;

    // Commands act on a change of the request's command byte: the link repeats its command in
    // every frame, and a repeat must not start the work again.
    quint8 m_lastCommand = 0;
    quint8 m_runningCommand = 0;
    qint64 m_commandDueAt = -1;
    quint8 m_resultCode = 0;
};

#endif // FCSIM_FLIGHTCONTROLLER_H
