#ifndef SKYDESK_UPDATESETTINGPAGE_H
#define SKYDESK_UPDATESETTINGPAGE_H

#include "transferwatch.h"

#include <QByteArray>
#include <QString>
#include <QWidget>

class Commrt;
class FirmwareUpgradeLib;
class UpgradeGuard;
class QNetworkAccessManager;
class QNetworkReply;

namespace Ui {
class UpdateSettingPageUi;
}

// The information and update page ("Info"): device type and firmware version of the connected
// controller, the installed software version, flashing a local firmware file with a log of the
// upgrade library's reports, the online check for newer firmware (its label opens the download
// dialog) and the start of the outside software updater.
class updatesettingpage : public QWidget
{
    Q_OBJECT

public:
    updatesettingpage(QWidget *parent, Commrt *link);
    ~updatesettingpage() override;

    Ui::UpdateSettingPageUi *form() const { return m_ui; }
    // Guards this page's and its download dialog's flashes; the shell follows its signals.
    UpgradeGuard *upgradeGuard() const { return m_guard; }
    QString firmwareFile() const { return m_firmwareFile; }
    bool isUpgrading() const { return m_upgrading; }
    bool isDeviceRecognised() const { return m_deviceRecognised; }
    quint16 latestVersion() const { return m_latestVersion; }
    QString latestFileName() const { return m_latestFileName; }
    QString updateContent() const { return m_updateContent; }
    // Whether an online check is waiting for its reply.
    bool isChecking() const { return m_reply != nullptr; }
    // How long the online check (and the download dialog's requests) may stall or take.
    void setNetworkTimeouts(const NetworkTimeouts &timeouts) { m_timeouts = timeouts; }
    // The address of the note document in the page's help panel.
    QString noteAddress() const;

    // The updater program: "Updater" (".exe" on Windows) beside the running program, never
    // from the working folder; empty when there is none.
    static QString updaterProgram();

signals:
    void displayCloseCOMPort();
    // An online check has ended (its reply finished or failed), after the labels were set.
    void onlineCheckFinished();

public slots:
    void refreshPage();

protected:
    bool event(QEvent *event) override;

private slots:
    void startUpgrade();
    void cancelUpgrade();
    void openFirmwareFile();
    void httpFinished();
    void httpReadyRead();
    void updateFirmware();
    void updateSoftware();

private:
    void showSoftwareVersion();
    void startOnlineCheck();
    void parseUpdateConfig(const QByteArray &document);
    void handleUpgradeReport(quint32 code, qint32 portNumber, qint32 progress);
    void appendLog(const QString &text);
    void showControllerFacts();
    // The online check's answer on its label, compared with the installed version.
    void showCheckResult();
    bool controllerReachable() const;
    void requestStop();
    void onFlashRequestDone(bool started);
    void onWaitingForFirmware(bool waiting);

    Commrt *m_link;
    Ui::UpdateSettingPageUi *m_ui;
    FirmwareUpgradeLib *m_upgrader = nullptr;
    UpgradeGuard *m_guard = nullptr;
    QString m_firmwareFile;
    QNetworkAccessManager *m_network = nullptr;
    QNetworkReply *m_reply = nullptr;
    TransferWatch *m_watch = nullptr;
    NetworkTimeouts m_timeouts;
    // The update-config document as it arrives; kept in memory, never in a shared file.
    QByteArray m_configData;
    quint16 m_currentVersion = 0;
    QString m_latestFileName;
    quint16 m_latestVersion = 0;
    bool m_checkAnswered = false; // a check has given this product's newest version
    QString m_updateContent;
    bool m_deviceRecognised = false;
    bool m_progressShown = false;
    bool m_upgrading = false;
    QString m_savedLog;
};

#endif // SKYDESK_UPDATESETTINGPAGE_H
