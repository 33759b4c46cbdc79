#ifndef FCSIM_BOOTLOADER_H
#define FCSIM_BOOTLOADER_H

#include "bootpacket.h"
#include "bootpacketassembler.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The flight controller's bootloader, without any I/O: it takes the bytes received while the
// controller is in its bootloader and returns the bytes to send back. It keeps a simulated
// flash that must be erased, then written block after block from address 0, then verified
// against the image's CRC-32; a RUN after a good verify hands over to the new firmware.
//
// A request whose CRC fails is ignored (the host sends it again after its time-out); a request
// with the sequence number and type of the one before is answered with the same reply again,
// without doing the work twice.
class Bootloader
{
public:
    static constexpr quint8 kVersion = 1;
    static constexpr quint16 kMaxBlock = 256;
    static constexpr quint32 kFlashSize = 256 * 1024;
    // With FailStep::Timeout the bootloader falls silent after this many written blocks.
    static constexpr int kBlocksBeforeSilence = 2;

    // The step made to fail for tests of the host's error handling.
    enum class FailStep
    {
        None,
        SyncSilent, // SYNC is never answered
        Erase,      // ERASE reports an erase failure
        Write,      // the first WRITE reports a flash failure
        Address,    // the first WRITE reports a bad address
        Length,     // the first WRITE reports a bad length
        Head,       // ERASE reports a bad head
        Checksum,   // the first WRITE reports that it arrived damaged
        Verify,     // VERIFY reports a mismatch
        Run,        // RUN reports that the application cannot be started
        CrcReply,   // every WRITE reply goes out with a broken CRC
        State,      // the first WRITE is answered with a reply of the wrong type
        Timeout     // silence after a few blocks
    };

    // The names accepted by --flash-fail, in FailStep order from SyncSilent.
    static QStringList failStepNames();
    static bool parseFailStep(const QString &name, FailStep *step);

    explicit Bootloader(FailStep failStep = FailStep::None);

    // Starts afresh, as after a restart into the bootloader; the flash keeps its contents.
    void restart();

    // Bytes received; returns the bytes to send in answer (possibly none).
    QByteArray feed(const QByteArray &bytes);

    // Set once a RUN has been accepted: the new firmware should take over.
    bool runAccepted() const { return m_runAccepted; }
    quint16 firmwareVersion() const { return m_firmwareVersion; }
    const QByteArray &flash() const { return m_flash; }

private:
    enum class State
    {
        Started,
        Synced,
        Erased,
        Verified
    };

    QByteArray handle(const fwupgrade::BootPacket &request);
    quint8 erase(const QByteArray &payload);
    quint8 write(const QByteArray &payload);
    quint8 verify(const QByteArray &payload);
    quint8 run(const QByteArray &payload);
    static QByteArray statusPayload(quint8 status);

    const FailStep m_failStep;
    fwupgrade::BootPacketAssembler m_assembler;
    QByteArray m_flash;
    State m_state = State::Started;
    quint32 m_erasedLength = 0;
    quint32 m_nextAddress = 0;
    int m_blocksWritten = 0;
    bool m_silent = false;
    bool m_runAccepted = false;
    quint16 m_firmwareVersion = 0;

    bool m_haveLast = false;
    quint8 m_lastType = 0;
    quint8 m_lastSequence = 0;
    QByteArray m_lastReply;
};

#endif // FCSIM_BOOTLOADER_H
