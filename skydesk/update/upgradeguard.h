#ifndef SKYDESK_UPGRADEGUARD_H
#define SKYDESK_UPGRADEGUARD_H

#include "fclink/storage/parameterbackup.h"
#include "installedfirmware.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

class BootloaderWatch;
class Commrt;
class FirmwareUpgradeLib;
class ParameterRestore;
class QWidget;

// Guards every flash of the update page and the download dialog. Before the upgrade library
// takes the port it saves the parameters of a controller whose application answers, opening
// the link for that when the pilot had disconnected, and asks before firmware that is not newer
// than the installed one is flashed. A controller that does not answer (one waiting in its
// bootloader) is flashed with the newest backup of the same port and device from the history
// in hand. While the library holds the port the guard says so (the shell shows "Upgrading
// firmware..." and locks the connection bar); when the run has ended it gives the port back to
// the link only if the link had it before, offers the saved parameters back to the flashed
// controller alone, and watches for a controller left waiting in its bootloader. It also keeps
// what is known of the installed firmware beyond the link's version byte.
class UpgradeGuard : public QObject
{
    Q_OBJECT

public:
    // How long a controller gets to answer on the link before it counts as not answering, and
    // how long its parameter read may take then.
    static constexpr int kAnswerWaitMs = 3000;
    static constexpr int kReadWaitMs = 10000;
    static constexpr int kFirmwareInfoWaitMs = 1500;

    // One view's wish to flash a file.
    struct FlashRequest
    {
        FirmwareUpgradeLib *runner = nullptr;
        QObject *receiver = nullptr; // gets the run's reports
        QString file;
        QWidget *questionParent = nullptr;
        // A line for the view's log, already in the log's markup.
        std::function<void(const QString &line)> log;
        // The run has started, or (false) nothing was flashed and the link is as it was.
        std::function<void(bool started)> done;
    };

    // dialogParent: the widget the restore question belongs to.
    UpgradeGuard(Commrt *link, QWidget *dialogParent, QObject *parent = nullptr);
    ~UpgradeGuard() override;

    // Starts the flash request asks for, on the link's port, once the parameters are saved;
    // refused at once (done(false)) while another is being prepared or runs.
    void requestFlash(const FlashRequest &request);
    // Every report of the flash's run; the run's end gives the port back.
    void takeReport(quint32 code, qint32 firmwareVersion);
    bool isFlashing() const { return m_runner != nullptr; }
    // Preparing a flash (saving the parameters, asking) or flashing.
    bool isBusy() const { return m_stage != Stage::Idle; }
    // The running flash has begun to erase: from now on the controller has no firmware until
    // the run completes.
    bool hasErased() const { return m_erased; }
    // Asks the running flash to stop; flashEnded follows when it has.
    void stopFlash();

    // The controller waits in its bootloader with no firmware to run.
    bool isWaitingForFirmware() const;
    // Between the start of a flash and the link's first reply after it: nothing is known of
    // the controller then.
    bool awaitsLinkReply() const { return m_awaitingReply; }
    // The installed firmware version for the link's version byte.
    quint16 installedVersion(quint8 linkByte) const { return m_installed.versionFor(linkByte); }

    BootloaderWatch *bootloaderWatch() const { return m_watch; }
    ParameterRestore *restore() const { return m_restore; }

signals:
    // A flash is being prepared or runs (true), or neither (false).
    void busyChanged(bool busy);
    void flashStarted();
    void flashEnded(bool completed);
    void waitingForFirmwareChanged(bool waiting);
    // The whole installed version became known (from the firmware info or an upgrade).
    void installedVersionChanged();
    // A text for the status bar (the restore's outcome).
    void notice(const QString &text);

public slots:
    // The user pressed Connect or Disconnect on the connection bar.
    void onConnectRequested();
    void onDisconnectRequested();

private slots:
    void onConnectionChanged(bool connected);
    void onWaitingChanged(bool waiting);

private:
    enum class Stage
    {
        Idle,
        Reading,   // the link reads the controller's parameters for the backup
        Launching, // the parameters are in: deciding, asking, saving
        Flashing
    };

    void setStage(Stage stage);
    void onPreparationStep();
    void launch(bool answered);
    bool confirmVersion(bool answered, bool *allowDowngrade);
    bool saveParameters(bool answered);
    void refuse(const QString &line);
    void endFlash();
    void log(const QString &text, bool error = false);

    Commrt *m_link;
    FirmwareUpgradeLib *m_runner = nullptr;
    BootloaderWatch *m_watch;
    ParameterRestore *m_restore;
    InstalledFirmware m_installed;
    Stage m_stage = Stage::Idle;
    FlashRequest m_request;
    QTimer m_stepTimer;
    bool m_answered = false;  // the application answered while preparing
    bool m_infoAsked = false; // the firmware info was asked for while preparing
    bool m_openedForBackup = false;
    bool m_linkWasOpen = false; // the pilot had the port open before the flash
    QString m_flashPort;
    // The backup of this flash: taken now, or the newest of the port and device in the history.
    fclink::ParameterBackup m_backup;
    bool m_backupTakenNow = false;
    bool m_awaitingReply = false;
    bool m_completed = false;
    bool m_erased = false;
    int m_reportedVersion = -1;
};

#endif // SKYDESK_UPGRADEGUARD_H
