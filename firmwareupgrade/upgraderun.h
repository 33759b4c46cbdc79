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

// One upgrade (or one probe for a waiting bootloader) from start to end, run synchronously on
// the calling thread: it reads the file, opens the port itself (so the port lives on this thread
// only), checks the image against what the controller's application says, takes the controller
// into its bootloader and flashes the image, reporting through the callback. exec() and
// execProbe() always report RunEnded last.
class FIRMWAREUPGRADE_EXPORT UpgradeRun
{
public:
    // One report: version is a firmware version in hundredths for the reports that carry one,
    // else -1; deviceId and bootloaderVersion come with a probe's reports.
    struct Report
    {
        quint32 code = 0;
        qint32 progress = 0;
        qint32 version = -1;
        qint32 deviceId = 0;
        qint32 bootloaderVersion = 0;
    };
    using Reporter = std::function<void(const Report &report)>;

    // What the client asked of the run besides the file.
    struct Options
    {
        // Flash an image that is not newer than the installed firmware.
        bool allowDowngrade = false;
        // A probe sends a bootloader whose firmware is whole back to it.
        bool leaveIfIntact = true;
        // Set by the client: stop unless the erase has begun; from then on the run finishes.
        const std::atomic<bool> *stopBeforeErase = nullptr;
    };

    // Time a reply may take; erasing gets longer, and so does the verify, which reads back
    // the whole flash.
    static constexpr int kReplyTimeoutMs = 500;
    static constexpr int kEraseTimeoutMs = 5000;
    static constexpr int kVerifyTimeoutMs = 2000;
    static constexpr int kAttempts = 4; // the first send and three retries
    static constexpr int kEnterAttempts = 5;
    static constexpr int kLinkReplyTimeoutMs = 300;
    static constexpr int kInfoAttempts = 3;
    static constexpr int kProbeAttempts = 3;
    static constexpr int kProbeTimeoutMs = 300;
    static constexpr int kLeaveAttempts = 2;

    UpgradeRun(const QString &device, const QString &file, const std::atomic<bool> *stopRequested,
               Reporter reporter, const Options &options);
    UpgradeRun(const QString &device, const QString &file, const std::atomic<bool> *stopRequested,
               Reporter reporter);

    void exec();
    // Asks the port whether a bootloader waits there; reports WaitingForFirmware, NoBootloader
    // or, for an intact application it found, ApplicationResumed once it has started it (or
    // FirmwareIntact when the options say to leave it).
    void execProbe();

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
    enum class Exchange
    {
        Reply,
        Damaged, // the attempts are used up and a reply came back damaged
        Wrong,
        Silence,
        Stopped,
        SendFailed
    };
    struct SyncInfo
    {
        quint8 deviceId = 0;
        int maxBlock = 0;
        quint32 flashSize = 0;
        bool applicationIntact = false;
        quint16 firmwareVersion = 0;
        quint8 bootloaderVersion = 0;
    };

    bool stopped() const;
    void report(quint32 code, qint32 progress = 0, qint32 version = -1);
    void reportFound(quint32 code, const SyncInfo &info);

    void flash();
    void probePort();
    // False (reported) for an image not newer than the installed version, unless allowed.
    bool newEnough(quint16 imageVersion, quint16 installed);
    // After a failed or stopped erase: whether anything was erased decides whether the
    // controller can be sent back to its firmware.
    void returnIfNothingErased();
    bool loadFile(FirmwareImage *image);
    bool openPort(QSerialPort *port);
    bool imageFits(quint8 deviceId, quint32 flashSize, quint32 length);
    bool sendLinkRequest(quint8 command);
    // Sends a link request frame with command up to attempts times, each time waiting for a
    // reply that accept() takes.
    Exchange linkExchange(quint8 command, int attempts,
                          const std::function<bool(const quint8 *)> &accept);
    bool queryApplication(quint8 *deviceId, quint32 *flashSize, quint16 *version);
    bool enterBootloader();
    bool sync(SyncInfo *info, int timeoutMs, int attempts, bool quiet, bool ignoreStop = false);
    // LEAVE: reports ApplicationResumed with version, and with what the bootloader said of
    // itself when a probe found it.
    bool returnToApplication(quint16 version, const SyncInfo *found = nullptr);
    bool writeImage(const FirmwareImage &image, int maxBlock);
    Exchange exchange(quint8 type, const QByteArray &payload, int timeoutMs, int attempts,
                      bool ignoreStop, BootPacket *reply);
    bool transact(quint8 type, const QByteArray &payload, int timeoutMs, quint32 silenceCode,
                  BootPacket *reply);
    bool statusTransact(quint8 type, const QByteArray &payload, int timeoutMs);
    Wait awaitReply(quint8 type, quint8 sequence, int timeoutMs, bool ignoreStop,
                    BootPacket *reply);
    void discardInput(int settleMs);
    bool send(const QByteArray &bytes);

    const QString m_device;
    const QString m_file;
    const std::atomic<bool> *m_stopRequested;
    Reporter m_reporter;
    const Options m_options;
    bool m_eraseSent = false;

    QSerialPort *m_port = nullptr;
    BootPacketAssembler m_assembler;
    std::deque<std::pair<BootPacket, bool>> m_received;
    quint8 m_sequence = 0;
    bool m_haveAnswered = false; // a previous exchange got its reply
    quint8 m_answeredType = 0;
    quint8 m_answeredSequence = 0;
    // The controller may be in its bootloader now: it was asked to restart into it, or its
    // application did not answer.
    bool m_bootloaderMayRun = false;
};

} // namespace fwupgrade

#endif // FIRMWAREUPGRADE_UPGRADERUN_H
