#ifndef FCSIM_BOOTLOADER_H
#define FCSIM_BOOTLOADER_H

#include "firmwareupgrade/bootpacket.h"
#include "firmwareupgrade/bootpacketassembler.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The flight controller's bootloader, without any I/O: it takes the bytes received while the
// controller is in its bootloader and returns the bytes to send back. It keeps a simulated
// flash that must be erased, then written block after block from address 0, then verified
// against the image's CRC-32; a RUN after a good verify hands over to the new firmware. The
// flash starts out holding an intact application; an erase leaves it with none until a RUN has
// started a new one, so an unfinished run leaves nothing to go back to. LEAVE starts the
// application the flash holds, and is refused while there is none.
//
// A request whose CRC fails is ignored (the host sends it again after its time-out); a request
// with the sequence number and type of the one before is answered with the same reply again,
// without doing the work twice.
class Bootloader
{
public:
    static constexpr quint8 kVersion = 2;
    static constexpr quint16 kMaxBlock = 256;
    static constexpr quint32 kDefaultFlashSize = 256 * 1024;
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
        Timeout,    // silence after a few blocks
        SyncDevice  // SYNC names another device
    };

    // The names accepted by --flash-fail, in FailStep order from SyncSilent.
    static QStringList failStepNames();
    static bool parseFailStep(const QString &name, FailStep *step);

    // installedVersion: the firmware the flash holds, intact or (applicationIntact false) not.
    explicit Bootloader(FailStep failStep = FailStep::None, quint32 flashSize = kDefaultFlashSize,
                        quint16 installedVersion = 0, bool applicationIntact = true);

    // Starts afresh, as after a restart into the bootloader; the flash keeps its contents.
    void restart();

    // Bytes received; returns the bytes to send in answer (possibly none).
    QByteArray feed(const QByteArray &bytes);

    // Set once a RUN or a LEAVE has been accepted: the application should take over.
    bool applicationStarted() const { return m_applicationStarted; }
    // Whether that was a newly flashed firmware (RUN) rather than the one it had (LEAVE).
    bool newFirmwareStarted() const { return m_newFirmwareStarted; }
    // The firmware the flash holds and whether it can run (not erased, not half-written).
    quint16 firmwareVersion() const { return m_firmwareVersion; }
    bool applicationIntact() const { return m_applicationIntact; }
    quint32 flashSize() const { return m_flashSize; }
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
    quint8 leave(const QByteArray &payload);
    static QByteArray statusPayload(quint8 status);

    const FailStep m_failStep;
    const quint32 m_flashSize;
    fwupgrade::BootPacketAssembler m_assembler;
    QByteArray m_flash;
    State m_state = State::Started;
    quint32 m_erasedLength = 0;
    quint32 m_nextAddress = 0;
    int m_blocksWritten = 0;
    bool m_silent = false;
    bool m_applicationStarted = false;
    bool m_newFirmwareStarted = false;
    quint16 m_firmwareVersion = 0;
    bool m_applicationIntact = true;

    bool m_haveLast = false;
    quint8 m_lastType = 0;
    quint8 m_lastSequence = 0;
    QByteArray m_lastReply;
};

#endif // FCSIM_BOOTLOADER_H
