#include "firmwareupgradedialog.h"

#include "downloadedfirmware.h"
#include "fclink/link/commrt.h"
#include "fclink/link/portnaming.h"
#include "firmwareupgrade/firmwareimage.h"
#include "firmwareupgrade/firmwareupgradelib.h"
#include "firmwareupgrade/upgradeevent.h"
#include "product/fontscale.h"
#include "skydesk/common/logcategories.h"
#include "skydesk/common/messagestyle.h"
#include "skydesk/common/stylesheet.h"
#include "skydesk/common/textroom.h"
#include "skydesk/common/windowfit.h"
#include "ui_firmwareupgradedialog.h"
#include "updateconfig.h"
#include "updatehelpers.h"
#include "updateserver.h"
#include "upgradeguard.h"
#include "upgradequestion.h"

#include <QBitmap>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPainter>
#include <QSaveFile>

namespace {

const char *const kConfigPath = "/QM_TAVERNIA/FirmwareUpdate/QMTV_updateConfig.xml";
const char *const kDownloadBase = "/QM_TAVERNIA/FirmwareUpdate/";
const char *const kProductName = "QM-TV";
// An update-config document is a few hundred bytes; anything this large is not one.
constexpr int kMaxConfigBytes = 1024 * 1024;
constexpr int kCornerRadius = 8;
// The largest valid firmware file: its header and the largest image.
constexpr qint64 kMaxFirmwareFileBytes =
    fwupgrade::FirmwareImage::kHeaderSize + qint64(fwupgrade::FirmwareImage::kMaxImageLength);

} // namespace

FirmwareUpgradeDialog::FirmwareUpgradeDialog(QWidget *parent)
    : QDialog(parent), m_ui(new Ui::FirmwareUpgradeDialogUi)
{
    m_ui->setupUi(this);
    FontScale::scaleForm(this);
    TextRoom::makeRoomWhenShown(this);
    WindowFit::keepOnScreenWhenShown(this);
    setWindowFlags(Qt::FramelessWindowHint);
    setStyleSheet(StyleSheet::chrome());

    connect(m_ui->pushButtonClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->pushButtonRefresh, &QPushButton::clicked, this,
            &FirmwareUpgradeDialog::refreshXml);
    connect(m_ui->pushButtonDownloadFirmware, &QPushButton::clicked, this,
            &FirmwareUpgradeDialog::downloadFirmware);
    m_ui->progressBar->hide();
    m_upgrader = FirmwareUpgradeLib::createClass();
    m_network = new QNetworkAccessManager(this);
    m_watch = new TransferWatch(this);
    m_ui->pushButtonDownloadFirmware->setEnabled(false);
}

FirmwareUpgradeDialog::~FirmwareUpgradeDialog()
{
    dropReply();
    FirmwareUpgradeLib::destroyClass(m_upgrader);
    m_link = nullptr;
    delete m_ui;
}

void FirmwareUpgradeDialog::setLink(Commrt *link)
{
    m_link = link;
}

void FirmwareUpgradeDialog::setUpgradeGuard(UpgradeGuard *guard)
{
    if (m_guard)
        m_guard->disconnect(this);
    m_guard = guard;
    if (!m_guard)
        return;
    connect(m_guard, &UpgradeGuard::waitingForFirmwareChanged, this, [this](bool waiting) {
        if (waiting)
            noteFirmware(-1);
    });
    if (m_guard->isWaitingForFirmware())
        noteFirmware(-1);
}

void FirmwareUpgradeDialog::reject()
{
    if (m_phase == StopUpgradePhase)
        return;
    QDialog::reject();
}

void FirmwareUpgradeDialog::closeEvent(QCloseEvent *event)
{
    if (m_phase != StopUpgradePhase) {
        QDialog::closeEvent(event);
        return;
    }
    event->ignore();
    if (!m_closeWhenEnded && UpgradeQuestion::confirmStop(this, m_guard && m_guard->hasErased())) {
        m_closeWhenEnded = true;
        m_upgrader->stop();
    }
}

void FirmwareUpgradeDialog::setFlashing(bool flashing)
{
    m_ui->pushButtonClose->setEnabled(!flashing);
    m_ui->pushButtonRefresh->setEnabled(!flashing);
}

void FirmwareUpgradeDialog::setCurrentVersion(quint16 version)
{
    m_currentVersion = version;
    showCurrentVersion();
}

void FirmwareUpgradeDialog::showCurrentVersion()
{
    m_ui->label_3->setText(m_noFirmware ? QStringLiteral("--------")
                                        : update::versionText(m_currentVersion));
}

void FirmwareUpgradeDialog::noteFirmware(qint32 version)
{
    // Without firmware (waiting in its bootloader, or erased by a flash that has not completed)
    // the controller has no version to show, and any firmware is newer.
    m_noFirmware = version < 0;
    m_currentVersion = m_noFirmware ? 0 : static_cast<quint16>(version);
    showCurrentVersion();
}

void FirmwareUpgradeDialog::setUpdateInfo(const UpdateInfo &info)
{
    m_latestVersion = info.version;
    m_fileName = info.fileName;
    m_content = info.content;
    if (m_latestVersion <= 99) {
        m_ui->textEdit->clear();
        m_ui->pushButtonDownloadFirmware->setEnabled(false);
        return;
    }
    // What the page found is compared with the installed firmware here too: an older or the
    // same version is no update.
    if (m_latestVersion <= m_currentVersion) {
        m_ui->textEdit->setText(tr("No updates available!"));
        m_ui->pushButtonDownloadFirmware->setEnabled(false);
        return;
    }
    m_ui->pushButtonDownloadFirmware->setEnabled(true);
    m_ui->textEdit->setText(tr("The latest firmware version: ") +
                            update::versionText(m_latestVersion));
    appendText(tr("Update:\r\n") + m_content);
}

QString FirmwareUpgradeDialog::downloadedFile() const
{
    return QDir(DownloadedFirmware::folder()).filePath(m_fileName);
}

QString FirmwareUpgradeDialog::localFileName(const QString &serverName)
{
    const QString name = QFileInfo(serverName).fileName();
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return QString();
    return name;
}

void FirmwareUpgradeDialog::paintEvent(QPaintEvent *event)
{
    QBitmap mask(size());
    mask.fill(Qt::white);
    {
        QPainter painter(&mask);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QBrush(Qt::black, Qt::SolidPattern));
        painter.drawRoundedRect(rect(), kCornerRadius, kCornerRadius);
    }
    setMask(mask);
    QDialog::paintEvent(event);
}

void FirmwareUpgradeDialog::dropReply()
{
    m_watch->stop();
    if (m_reply) {
        QNetworkReply *reply = m_reply;
        m_reply = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    if (m_downloadFile) {
        m_downloadFile->cancelWriting();
        delete m_downloadFile; // removes the unfinished copy
        m_downloadFile = nullptr;
    }
    m_downloadData.clear();
    m_configData.clear();
}

void FirmwareUpgradeDialog::issueRequest(const QUrl &url, int totalMs)
{
    m_reply = m_network->get(QNetworkRequest(url));
    m_watch->watch(m_reply, m_timeouts.inactivityMs, totalMs);
    connect(m_reply, &QNetworkReply::finished, this, &FirmwareUpgradeDialog::httpFinished);
    connect(m_reply, &QNetworkReply::readyRead, this, &FirmwareUpgradeDialog::httpReadyRead);
    connect(m_reply, &QNetworkReply::downloadProgress, this,
            &FirmwareUpgradeDialog::updateDataReadProgress);
    connect(m_reply, &QNetworkReply::metaDataChanged, this,
            &FirmwareUpgradeDialog::checkAnnouncedLength);
}

void FirmwareUpgradeDialog::refreshXml()
{
    // Only one request at a time: a running one is dropped with whatever it had written.
    dropReply();
    m_ui->progressBar->hide();
    m_netStage = ConfigRequest;
    m_ui->pushButtonDownloadFirmware->setText(tr("Download"));
    m_phase = DownloadPhase;
    m_ui->textEdit->setText(tr("Checking for firmware updates..."));
    const QUrl url = updateServerUrl(QLatin1String(kConfigPath));
    if (url.fileName().isEmpty()) {
        m_ui->textEdit->setText(tr("State error:#001!"));
        return;
    }
    issueRequest(url, m_timeouts.configTotalMs);
}

void FirmwareUpgradeDialog::httpReadyRead()
{
    if (!m_reply || sender() != m_reply)
        return;
    if (m_netStage == ConfigRequest) {
        m_configData += m_reply->readAll();
        if (m_configData.size() > kMaxConfigBytes)
            m_reply->abort(); // finishes with an error, so nothing is parsed
    } else if (m_netStage == FirmwareRequest && m_downloadFile) {
        if (!takeFirmwareBytes(m_reply, m_reply->readAll()))
            m_reply->abort(); // the download fails and nothing is saved
    }
}

bool FirmwareUpgradeDialog::takeFirmwareBytes(const QNetworkReply *reply, const QByteArray &chunk)
{
    if (m_downloadRefused)
        return false;
    // No firmware file is larger than its header and the largest image; a body that grows
    // beyond that, or beyond the length the server announced, is not one.
    bool ok = false;
    const qint64 announced = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&ok);
    const qint64 total = m_downloadFile->size() + chunk.size();
    if (total > kMaxFirmwareFileBytes || (ok && total > announced) ||
        m_downloadFile->write(chunk) != chunk.size()) {
        m_downloadRefused = true;
        return false;
    }
    m_downloadData += chunk;
    return true;
}

bool FirmwareUpgradeDialog::downloadIsWhole(const QNetworkReply *reply)
{
    if (bodyIsWhole(reply, m_downloadData.size()))
        return true;
    appendText(MessageStyle::logText(
        tr("The download ended after %1 of the %2 bytes the update server announced.")
            .arg(m_downloadData.size())
            .arg(reply->header(QNetworkRequest::ContentLengthHeader).toLongLong()),
        fclink::MessageSeverity::Error));
    return false;
}

bool FirmwareUpgradeDialog::keepDownload()
{
    const QByteArray file = m_downloadData;
    m_downloadData.clear();
    const QString problem = DownloadedFirmware::problem(file, m_latestVersion);
    if (!problem.isEmpty()) {
        appendText(MessageStyle::logText(problem + QLatin1Char(' ') + tr("The file was deleted."),
                                         fclink::MessageSeverity::Error));
        return false;
    }
    return m_downloadFile->commit();
}

void FirmwareUpgradeDialog::checkAnnouncedLength()
{
    if (!m_reply || sender() != m_reply || m_netStage != FirmwareRequest)
        return;
    bool ok = false;
    const qint64 announced = m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&ok);
    if (ok && announced > kMaxFirmwareFileBytes) {
        m_downloadRefused = true;
        m_reply->abort();
    }
}

void FirmwareUpgradeDialog::updateDataReadProgress(qint64 bytesRead, qint64 totalBytes)
{
    if (m_netStage != FirmwareRequest)
        return;
    // Without an announced length the bar only shows that something is arriving.
    m_ui->progressBar->setMaximum(totalBytes > 0 ? static_cast<int>(totalBytes) : 0);
    m_ui->progressBar->setValue(static_cast<int>(bytesRead));
}

void FirmwareUpgradeDialog::httpFinished()
{
    if (!m_reply || sender() != m_reply)
        return;
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    reply->deleteLater();
    const bool failed = !replySucceeded(reply);

    if (m_netStage == ConfigRequest) {
        if (!failed)
            m_configData += reply->readAll();
        const QByteArray document = m_configData;
        m_configData.clear();
        if (failed)
            showConfigProblem(m_watch->reason());
        else if (!bodyIsWhole(reply, document.size()))
            showConfigProblem(QString());
        else
            parseUpdateConfig(document);
    } else if (m_netStage == FirmwareRequest) {
        m_ui->progressBar->hide();
        bool saved = false;
        if (m_downloadFile) {
            if (!failed)
                saved = takeFirmwareBytes(reply, reply->readAll()) && downloadIsWhole(reply) &&
                        keepDownload();
            else if (!m_watch->reason().isEmpty())
                appendText(
                    MessageStyle::logText(m_watch->reason(), fclink::MessageSeverity::Error));
            if (!saved)
                m_downloadFile->cancelWriting();
            // Without a commit the unfinished copy is removed here; the final name is only
            // ever given to a whole file.
            delete m_downloadFile;
            m_downloadFile = nullptr;
        }
        m_ui->pushButtonDownloadFirmware->setEnabled(true);
        if (saved) {
            appendText(tr("Download firmware file OK!"));
            m_ui->pushButtonDownloadFirmware->setText(tr("Start Upgrade"));
            m_phase = StartUpgradePhase;
        } else {
            appendText(tr("Download failed!"));
        }
    }
    emit requestFinished();
}

void FirmwareUpgradeDialog::showConfigProblem(const QString &reason)
{
    m_ui->textEdit->setText(tr("Server error: Can Not Check Update Information!"));
    if (!reason.isEmpty())
        appendText(reason);
}

void FirmwareUpgradeDialog::parseUpdateConfig(const QByteArray &document)
{
    m_content.clear();
    UpdateConfig config;
    // Malformed XML, an HTML page that a proxy or a portal sent with status 200, or another
    // product's document: no answer about this controller's firmware. The action button stays
    // as it was.
    if (!config.parse(document) || !config.hasName() ||
        config.productName() != QLatin1String(kProductName)) {
        showConfigProblem(tr("The server's answer is no update information for this flight "
                             "controller."));
        return;
    }
    if (!config.hasValidVersion()) {
        showConfigProblem(QString());
        return;
    }
    if (config.version() > m_currentVersion) {
        m_latestVersion = config.version();
        m_ui->textEdit->setText(tr("The latest firmware version: ") +
                                update::versionText(config.version()));
        if (config.hasFileEntry())
            m_fileName = config.fileName();
        m_content = config.content();
        appendText(tr("Update:\r\n") + m_content);
    } else {
        m_ui->textEdit->setText(tr("No updates available!"));
    }
    m_ui->pushButtonDownloadFirmware->setEnabled(true);
}

void FirmwareUpgradeDialog::downloadFirmware()
{
    switch (m_phase) {
    case DownloadPhase:
        beginDownload();
        break;
    case StartUpgradePhase:
        beginUpgrade();
        break;
    case StopUpgradePhase:
        requestStop();
        break;
    default:
        break;
    }
}

void FirmwareUpgradeDialog::beginDownload()
{
    dropReply();
    m_netStage = FirmwareRequest;
    const QUrl url = updateServerUrl(QLatin1String(kDownloadBase) + m_fileName);
    // The local copy always lands directly in the firmware folder, whatever the server named.
    const QString localName = localFileName(url.fileName());
    if (localName.isEmpty()) {
        appendText(tr("Download firmware file name error!"));
        return;
    }
    const QString folder = DownloadedFirmware::folder();
    if (!QDir().mkpath(folder)) {
        qCWarning(lcUpdate) << "cannot create the firmware folder" << folder;
        appendText(tr("Do not exsit right file folder!"));
        return;
    }
    m_downloadFile = new QSaveFile(QDir(folder).filePath(localName));
    if (!m_downloadFile->open(QIODevice::WriteOnly)) {
        appendText(tr("Firmware file open failed!"));
        delete m_downloadFile;
        m_downloadFile = nullptr;
        return;
    }
    m_fileName = localName;
    appendText(tr("Downloading into %1").arg(QDir::toNativeSeparators(downloadedFile())));
    m_downloadRefused = false;
    m_downloadData.clear();
    m_ui->pushButtonDownloadFirmware->setEnabled(false);
    issueRequest(url, 0); // a firmware file may take long on a slow line, as long as it moves
    m_ui->progressBar->setValue(0);
    m_ui->progressBar->show();
}

void FirmwareUpgradeDialog::beginUpgrade()
{
    const QString portName = m_link ? m_link->getPortName() : QString();
    // The host's port naming rule decides which names reach a device ("COM<n>" on Windows).
    if (portName.isEmpty() || fclink::deviceForPortName(portName).isEmpty()) {
        appendText(tr("Port name error!"));
        return;
    }
    if (!m_guard)
        setUpgradeGuard(new UpgradeGuard(m_link, this, this));
    UpgradeGuard::FlashRequest request;
    request.runner = m_upgrader;
    request.receiver = this;
    request.file = downloadedFile();
    request.questionParent = this;
    request.log = [this](const QString &line) { appendText(line); };
    request.done = [this](bool started) { onFlashRequestDone(started); };
    m_ui->pushButtonDownloadFirmware->setEnabled(false);
    setFlashing(true);
    m_guard->requestFlash(request);
}

void FirmwareUpgradeDialog::onFlashRequestDone(bool started)
{
    m_ui->pushButtonDownloadFirmware->setEnabled(true);
    if (!started) {
        setFlashing(false);
        return;
    }
    m_completed = false;
    m_phase = StopUpgradePhase;
    m_ui->pushButtonDownloadFirmware->setText(tr("Stop Upgrade"));
}

void FirmwareUpgradeDialog::requestStop()
{
    if (!UpgradeQuestion::confirmStop(this, m_guard && m_guard->hasErased()))
        return;
    // Everything else waits for the run's end.
    m_upgrader->stop();
    m_ui->pushButtonDownloadFirmware->setEnabled(false);
}

bool FirmwareUpgradeDialog::event(QEvent *event)
{
    if (event->type() != QEvent::User)
        return QDialog::event(event);
    const auto *report = static_cast<UpgradeEvent *>(event);
    handleUpgradeReport(report->code, report->portNumber, report->progress,
                        report->firmwareVersion);
    if (m_guard)
        m_guard->takeReport(report->code, report->firmwareVersion);
    if (report->code == UpgradeEvent::RunEnded && m_closeWhenEnded)
        accept();
    return true;
}

void FirmwareUpgradeDialog::handleUpgradeReport(quint32 code, qint32 portNumber, qint32 progress,
                                                qint32 firmwareVersion)
{
    switch (code) {
    case UpgradeEvent::RunEnded:
        // The guard gives the port back to the link.
        appendText(QStringLiteral("EXIT"));
        m_phase = DownloadPhase;
        m_ui->pushButtonDownloadFirmware->setText(tr("Download"));
        m_ui->pushButtonDownloadFirmware->setEnabled(true);
        setFlashing(false);
        if (!m_completed) {
            // The bar must not suggest a finished upgrade.
            m_ui->progressBar->setValue(0);
            m_ui->progressBar->hide();
        }
        break;
    case UpgradeEvent::UpgradeCompleted:
        m_completed = true;
        appendText(update::reportLine(code, QString()));
        if (firmwareVersion >= 0)
            noteFirmware(firmwareVersion);
        break;
    case UpgradeEvent::ApplicationResumed:
        appendText(update::reportLine(code, QString()));
        if (firmwareVersion >= 0)
            noteFirmware(firmwareVersion);
        break;
    case UpgradeEvent::Progress:
        m_ui->progressBar->setValue(progress);
        break;
    case UpgradeEvent::FlashingBegins:
        noteFirmware(-1);
        appendText(update::reportLine(code, QString()));
        m_ui->progressBar->show();
        m_ui->progressBar->setRange(0, 100);
        m_ui->progressBar->setValue(0);
        break;
    default: {
        const QString line = update::reportLine(code, portLabel(portNumber, m_link));
        if (!line.isNull())
            appendText(line);
        break;
    }
    }
}

void FirmwareUpgradeDialog::appendText(const QString &text)
{
    m_ui->textEdit->append(text);
}
