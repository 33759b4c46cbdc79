#ifndef SKYDESK_UPGRADEGUARD_H
#define SKYDESK_UPGRADEGUARD_H

#include "installedfirmware.h"
#include "parameterbackup.h"

#include <QObject>

class BootloaderWatch;
class Commrt;
class FirmwareUpgradeLib;
class ParameterRestore;
class QWidget;

// Guards every flash of the update page and the download dialog: before the upgrade library
// takes the port it saves the parameters of a connected controller; while the library holds the
// port it says so (the shell shows "Upgrading firmware..." and locks the connection bar); when
// the run has ended it gives the port back to the link, which shows "Connected" only once the
// controller answers, offers the saved parameters back, and watches for a controller left
// waiting in its bootloader. It also keeps what is known of the installed firmware beyond the
// link's version byte.
class UpgradeGuard : public QObject
{
    Q_OBJECT

public:
    // dialogParent: the widget the restore question belongs to.
    UpgradeGuard(Commrt *link, QWidget *dialogParent, QObject *parent = nullptr);

    // Takes the port from the link for a flash by runner. The parameters of a connected
    // controller are saved first; *logLine says where, or why not. Returns false, with the
    // reason in *logLine and the port left to the link, when they are read but cannot be saved.
    bool beginFlash(FirmwareUpgradeLib *runner, QString *logLine);
    // Every report of the flash's run; the run's end gives the port back.
    void takeReport(quint32 code, qint32 firmwareVersion);
    bool isFlashing() const { return m_runner != nullptr; }
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

signals:
    void flashStarted();
    void flashEnded(bool completed);
    void waitingForFirmwareChanged(bool waiting);
    // A text for the status bar (the restore's outcome).
    void notice(const QString &text);

public slots:
    // The user pressed Connect or Disconnect on the connection bar.
    void onConnectRequested();
    void onDisconnectRequested();

private slots:
    void onConnectState(quint16 state);
    void onWaitingChanged(bool waiting);

private:
    bool saveParameters(QString *logLine);
    void endFlash();

    Commrt *m_link;
    FirmwareUpgradeLib *m_runner = nullptr;
    BootloaderWatch *m_watch;
    ParameterRestore *m_restore;
    InstalledFirmware m_installed;
    // The backup of the last flash, until the controller's parameters are read again after it.
    fclink::ParameterBackup m_backup;
    bool m_blockRead = false; // a whole parameter read since the link connected
    bool m_awaitingReply = false;
    bool m_completed = false;
    int m_reportedVersion = -1;
};

#endif // SKYDESK_UPGRADEGUARD_H
