#ifndef FIRMWAREUPGRADE_UPGRADERUN_H
#define FIRMWAREUPGRADE_UPGRADERUN_H

#include "bootpacket.h"
#include "bootpacketassembler.h"
#include "firmwareupgrade_global.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <deque>
#include <functional>

class QSerialPort;

namespace fwupgrade {

class FirmwareImage;

// One upgrade from start to end, run synchronously on the calling thread: it reads the file,
// opens the port itself (so the port lives on this thread only), takes the controller into its
// bootloader and flashes the image, reporting through the callback. exec() always reports
// RunEnded last.
class FIRMWAREUPGRADE_EXPORT UpgradeRun
{
public:
    using Reporter = std::function<void(quint32 code, qint32 progress)>;

    // Time a reply may take; erasing gets longer, and so does the verify, which reads back
    // the whole flash.
    static constexpr int kReplyTimeoutMs = 500;
    static constexpr int kEraseTimeoutMs = 5000;
    static constexpr int kVerifyTimeoutMs = 2000;
    static constexpr int kAttempts = 4; // the first send and three retries
    static constexpr int kEnterAttempts = 5;
    static constexpr int kEnterReplyTimeoutMs = 300;
    static constexpr quint8 kEnterBootloaderCommand = 0xB1;

    UpgradeRun(const QString &device, const QString &file, const std::atomic<bool> *stopRequested,
               Reporter reporter);

    void exec();

    // The event code for a device status other than Ok.
    static quint32 codeForStatus(quint8 status);

private:
    enum class Wait
    {
        Reply,
        DamagedReply,
        WrongReply,
        Silence,
        Stopped
    };

    bool stopped() const { return m_stopRequested->load(); }
    void report(quint32 code, qint32 progress = 0) { m_reporter(code, progress); }

    void flash();
    bool loadFile(FirmwareImage *image);
    bool enterBootloader();
    bool transact(quint8 type, const QByteArray &payload, int timeoutMs, quint32 silenceCode,
                  BootPacket *reply);
    bool statusTransact(quint8 type, const QByteArray &payload, int timeoutMs);
    Wait awaitReply(quint8 type, quint8 sequence, int timeoutMs, BootPacket *reply);
    bool send(const QByteArray &bytes);

    const QString m_device;
    const QString m_file;
    const std::atomic<bool> *m_stopRequested;
    Reporter m_reporter;

    QSerialPort *m_port = nullptr;
    BootPacketAssembler m_assembler;
    std::deque<std::pair<BootPacket, bool>> m_received;
    quint8 m_sequence = 0;
    bool m_haveAnswered = false; // a previous exchange got its reply
    quint8 m_answeredType = 0;
    quint8 m_answeredSequence = 0;
};

} // namespace fwupgrade

#endif // FIRMWAREUPGRADE_UPGRADERUN_H
