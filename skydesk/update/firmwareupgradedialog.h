#ifndef SKYDESK_FIRMWAREUPGRADEDIALOG_H
#define SKYDESK_FIRMWAREUPGRADEDIALOG_H

#include "transferwatch.h"
#include "updateinfo.h"

#include <QByteArray>
#include <QDialog>
#include <QString>

class Commrt;
class FirmwareUpgradeLib;
class QNetworkAccessManager;
class QNetworkReply;
class QSaveFile;
class UpgradeGuard;

namespace Ui {
class FirmwareUpgradeDialogUi;
}

// The frameless dialog that shows the newest firmware on the update server, downloads it into
// the working directory's "firmware" folder and flashes it, all with one action button:
// "Download", then "Start Upgrade", then "Stop Upgrade". When a flashing run ends the serial
// port goes back to the link.
class FirmwareUpgradeDialog : public QDialog
{
    Q_OBJECT

public:
    enum Phase : quint8
    {
        DownloadPhase = 0,
        StartUpgradePhase = 1,
        StopUpgradePhase = 2
    };
    enum NetStage : quint8
    {
        NoRequest = 0,
        ConfigRequest = 1,
        FirmwareRequest = 2
    };

    explicit FirmwareUpgradeDialog(QWidget *parent = nullptr);
    ~FirmwareUpgradeDialog() override;

    void setLink(Commrt *link);
    // The guard of the page that opens the dialog; without one the dialog guards its flashes
    // itself.
    void setUpgradeGuard(UpgradeGuard *guard);
    void setCurrentVersion(quint16 version);
    void setUpdateInfo(const UpdateInfo &info);
    // How long the requests to the update server may stall or take.
    void setNetworkTimeouts(const NetworkTimeouts &timeouts) { m_timeouts = timeouts; }

    // The local copy's name for a file name from the server: its last path component, or empty
    // when nothing usable is left ("", ".", "..").
    static QString localFileName(const QString &serverName);

    Ui::FirmwareUpgradeDialogUi *form() const { return m_ui; }
    quint8 phase() const { return m_phase; }
    quint8 netStage() const { return m_netStage; }
    QString fileName() const { return m_fileName; }
    // Where the downloaded file is kept (DownloadedFirmware::folder()) and flashed from.
    QString downloadedFile() const;
    QString content() const { return m_content; }
    bool isBusy() const { return m_reply != nullptr; }

public slots:
    // While a flash runs the dialog stays: Escape does nothing, a close asks first.
    void reject() override;

signals:
    // A request (update-config or firmware file) has ended and its outcome is shown.
    void requestFinished();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private slots:
    void refreshXml();
    void httpFinished();
    void httpReadyRead();
    void updateDataReadProgress(qint64 bytesRead, qint64 totalBytes);
    void downloadFirmware();
    void checkAnnouncedLength();

private:
    void parseUpdateConfig(const QByteArray &document);
    // Writes a piece of the firmware body; false once the body is more than a firmware file.
    bool takeFirmwareBytes(const QNetworkReply *reply, const QByteArray &chunk);
    // Whether the whole body the server announced has arrived; says so when not.
    bool downloadIsWhole(const QNetworkReply *reply);
    // Keeps the downloaded file if it is a whole firmware image of the announced version.
    bool keepDownload();
    void beginDownload();
    void beginUpgrade();
    void requestStop();
    void onFlashRequestDone(bool started);
    void setFlashing(bool flashing);
    void dropReply();
    void issueRequest(const QUrl &url, int totalMs);
    void showConfigProblem(const QString &reason);
    void handleUpgradeReport(quint32 code, qint32 portNumber, qint32 progress,
                             qint32 firmwareVersion);
    void showCurrentVersion();
    // What the controller runs now: a version, or (-1) no firmware.
    void noteFirmware(qint32 version);
    void appendText(const QString &text);

    Ui::FirmwareUpgradeDialogUi *m_ui;
    // The update-config document as it arrives; kept in memory, never in a shared file.
    QByteArray m_configData;
    // The firmware file being written: it gets its final name only when the download is whole.
    QSaveFile *m_downloadFile = nullptr;
    // The same bytes, checked as a whole before the file is kept.
    QByteArray m_downloadData;
    bool m_downloadRefused = false;
    QNetworkAccessManager *m_network = nullptr;
    QNetworkReply *m_reply = nullptr;
    TransferWatch *m_watch = nullptr;
    NetworkTimeouts m_timeouts;
    quint16 m_currentVersion = 100;
    bool m_noFirmware = false;
    QString m_fileName;
    QString m_content;
    quint16 m_latestVersion = 0;
    quint8 m_netStage = NoRequest;
    quint8 m_phase = DownloadPhase;
    FirmwareUpgradeLib *m_upgrader = nullptr;
    Commrt *m_link = nullptr;
    UpgradeGuard *m_guard = nullptr;
    bool m_completed = false;
    bool m_closeWhenEnded = false;
};

#endif // SKYDESK_FIRMWAREUPGRADEDIALOG_H
