#include "updatesettingpage.h"

#include "fclink/link/commrt.h"
#include "fclink/link/portnaming.h"
#include "firmwareupgrade/firmwareupgradelib.h"
#include "firmwareupgrade/upgradeevent.h"
#include "firmwareupgradedialog.h"
#include "product/fontscale.h"
#include "product/installlayout.h"
#include "skydesk/common/appsettings.h"
#include "skydesk/common/documentfolder.h"
#include "skydesk/common/helpbrowser.h"
#include "skydesk/common/logcategories.h"
#include "skydesk/common/messagestyle.h"
#include "skydesk/common/textroom.h"
#include "softwareversion.h"
#include "ui_updatesettingpage.h"
#include "updateconfig.h"
#include "updatehelpers.h"
#include "updateinfo.h"
#include "updateserver.h"
#include "upgradeguard.h"
#include "upgradequestion.h"
#include "upgradewarningdialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProcess>
#include <QPushButton>
#include <QTextEdit>

namespace {

constexpr quint8 kKestoTarvel2DeviceId = 0x26;
// What the labels show while nothing is known of the controller. The version's dashes are
// short: beside them the online check's result needs the room.
const char *const kNoDevice = "----------------------";
const char *const kNoVersion = "--------";
const char *const kConfigPath = "/KestoWanderer2/FirmwareUpdate/QMTV_updateConfig.xml";
const char *const kProductName = "QM-TV-S";
// An update-config document is a few hundred bytes; anything this large is not one.
constexpr int kMaxConfigBytes = 1024 * 1024;

} // namespace

updatesettingpage::updatesettingpage(QWidget *parent, Commrt *link)
    : QWidget(parent), m_link(link), m_ui(new Ui::UpdateSettingPageUi)
{
    m_ui->setupUi(this);
    FontScale::scaleForm(this);
    TextRoom::makeRoomWhenShown(this);
    setObjectName(QStringLiteral("updatesettingpage"));
    m_ui->webView->showDocument(documentFolder(AppSettings::languageCode()) +
                                QStringLiteral("info.html"));

    connect(m_ui->pushButtonOpenFile, &QPushButton::clicked, this,
            &updatesettingpage::openFirmwareFile);
    connect(m_ui->pushButtonStartUpgrade, &QPushButton::clicked, this,
            &updatesettingpage::startUpgrade);
    connect(m_ui->labelUpdateFirmware, &ClickedLabel::clicked, this,
            &updatesettingpage::updateFirmware);
    connect(m_ui->labelSoftwareUpdateOnline, &ClickedLabel::clicked, this,
            &updatesettingpage::updateSoftware);
    m_ui->labelUpdateFirmware->setCursor(Qt::PointingHandCursor);
    m_ui->labelSoftwareUpdateOnline->setCursor(Qt::PointingHandCursor);

    m_upgrader = FirmwareUpgradeLib::createClass();
    m_network = new QNetworkAccessManager(this);
    m_watch = new TransferWatch(this);
    m_guard = new UpgradeGuard(m_link, this, this);
    connect(m_guard, &UpgradeGuard::flashEnded, this, &updatesettingpage::showControllerFacts);
    connect(m_guard, &UpgradeGuard::waitingForFirmwareChanged, this,
            &updatesettingpage::onWaitingForFirmware);
    connect(m_guard, &UpgradeGuard::installedVersionChanged, this,
            &updatesettingpage::showControllerFacts);
}

updatesettingpage::~updatesettingpage()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
        m_reply = nullptr;
    }
    FirmwareUpgradeLib::destroyClass(m_upgrader);
    delete m_ui;
}

QString updatesettingpage::noteAddress() const
{
    return m_ui->webView->address();
}

void updatesettingpage::refreshPage()
{
    showControllerFacts();
    showSoftwareVersion();
    startOnlineCheck();
}

bool updatesettingpage::controllerReachable() const
{
    return (m_link && m_link->isConnected()) || m_guard->isWaitingForFirmware();
}

void updatesettingpage::showControllerFacts()
{
    const bool connected = m_link && m_link->isConnected();
    if (m_guard->isWaitingForFirmware()) {
        // The bootloader answered: the controller is there, without firmware to run.
        m_currentVersion = 0;
        m_ui->labelDeviceId->setText(QStringLiteral("Kesto-Tarvel 2"));
        m_ui->label_11->setText(QLatin1String(kNoVersion));
        showCheckResult();
        return;
    }
    if (m_guard->awaitsLinkReply() && !connected) {
        // Flashing, or flashed and not yet answering: nothing of before holds any more.
        m_currentVersion = 0;
        m_ui->labelDeviceId->setText(QLatin1String(kNoDevice));
        m_ui->label_11->setText(QLatin1String(kNoVersion));
        m_ui->labelUpdateFirmware->setText(tr("Online Upgrade"));
        return;
    }
    if (m_link) {
        m_currentVersion = m_guard->installedVersion(m_link->getFirmwareVersion());
        if (m_link->getDeviceId() == kKestoTarvel2DeviceId) {
            m_ui->labelDeviceId->setText(QStringLiteral("Kesto-Tarvel 2"));
            m_deviceRecognised = true;
        }
    }
    m_ui->label_11->setText(update::versionText(m_currentVersion));
    if (!connected)
        m_ui->labelUpdateFirmware->setText(tr("Online Upgrade"));
    // The whole version often arrives after the check's answer: compare again.
    showCheckResult();
}

void updatesettingpage::showCheckResult()
{
    if (!m_checkAnswered || !controllerReachable())
        return;
    m_ui->labelUpdateFirmware->setText(
        m_latestVersion > m_currentVersion ? tr("New firmware available!") : tr("No Update"));
}

void updatesettingpage::onWaitingForFirmware(bool waiting)
{
    if (waiting)
        appendLog(MessageStyle::logText(
            tr("The flight controller is waiting for firmware: its last upgrade did not finish. "
               "Choose a firmware file and press Start Upgrade to repair it."),
            fclink::MessageSeverity::Warning));
    showControllerFacts();
}

void updatesettingpage::showSoftwareVersion()
{
    m_ui->labelSoftwareVersion->setText(SoftwareVersion::installed());
}

void updatesettingpage::startOnlineCheck()
{
    // A check still waiting for its reply is dropped: only the newest one fills the members.
    if (m_reply) {
        QNetworkReply *old = m_reply;
        m_reply = nullptr;
        m_watch->stop();
        old->disconnect(this);
        old->abort();
        old->deleteLater();
    }
    m_configData.clear();
    m_reply = m_network->get(QNetworkRequest(updateServerUrl(QLatin1String(kConfigPath))));
    // A stalled check ends, leaving the labels as they were.
    m_watch->watch(m_reply, m_timeouts.inactivityMs, m_timeouts.configTotalMs);
    connect(m_reply, &QNetworkReply::finished, this, &updatesettingpage::httpFinished);
    connect(m_reply, &QNetworkReply::readyRead, this, &updatesettingpage::httpReadyRead);
}

void updatesettingpage::httpReadyRead()
{
    if (!m_reply || sender() != m_reply)
        return;
    m_configData += m_reply->readAll();
    if (m_configData.size() > kMaxConfigBytes)
        m_reply->abort(); // finishes with an error, so nothing is parsed
}

void updatesettingpage::httpFinished()
{
    if (!m_reply || sender() != m_reply)
        return;
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    // Whatever is still buffered belongs to the document too.
    bool complete = replySucceeded(reply);
    if (complete) {
        m_configData += reply->readAll();
        complete = bodyIsWhole(reply, m_configData.size());
    }
    reply->deleteLater();
    const QByteArray document = m_configData;
    m_configData.clear();
    // A failed or redirected request may have delivered part of a document (or an error page):
    // never parse it as the server's answer.
    if (complete)
        parseUpdateConfig(document);
    emit onlineCheckFinished();
}

void updatesettingpage::parseUpdateConfig(const QByteArray &document)
{
    UpdateConfig config;
    if (!config.parse(document))
        return;
    // A version that is no plain number is the server's error: what an earlier check found
    // stays.
    if (!config.hasName() || config.productName() != QLatin1String(kProductName) ||
        !config.hasValidVersion())
        return;
    m_updateContent.clear();
    m_latestVersion = config.version();
    m_checkAnswered = true;
    if (m_latestVersion > m_currentVersion) {
        if (config.hasFileEntry())
            m_latestFileName = config.fileName();
        m_updateContent = config.content();
    }
    showCheckResult();
}

void updatesettingpage::openFirmwareFile()
{
    QFileDialog dialog(this, tr("Open Firmware File"));
    dialog.setNameFilter(tr("Firmware(*.qmtvf)"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        m_firmwareFile = dialog.selectedFiles().first();
    appendLog(tr("Firmware File: ") + m_firmwareFile);
}

void updatesettingpage::startUpgrade()
{
    if (m_upgrading) {
        requestStop();
        return;
    }
    if (!m_deviceRecognised && !m_guard->isWaitingForFirmware()) {
        appendLog(tr("Notice: You should connect controller, firstly!"));
        return;
    }
    m_ui->textEdit->clear();
    m_progressShown = false;
    const QFileInfo file(m_firmwareFile);
    if (m_firmwareFile.isEmpty() || !file.exists() || !file.isFile()) {
        appendLog(tr("Firmware not exist!"));
        return;
    }
    const QString portName = m_link ? m_link->getPortName() : QString();
    // The host's port naming rule decides which names reach a device ("COM<n>" on Windows).
    if (portName.isEmpty() || fclink::deviceForPortName(portName).isEmpty()) {
        appendLog(tr("Port name error! Make sure you have select right port!"));
        return;
    }
    UpgradeGuard::FlashRequest request;
    request.runner = m_upgrader;
    request.receiver = this;
    request.file = m_firmwareFile;
    request.questionParent = window();
    request.log = [this](const QString &line) { appendLog(line); };
    request.done = [this](bool started) { onFlashRequestDone(started); };
    m_ui->pushButtonStartUpgrade->setEnabled(false);
    m_guard->requestFlash(request);
}

void updatesettingpage::onFlashRequestDone(bool started)
{
    m_ui->pushButtonStartUpgrade->setEnabled(true);
    if (!started)
        return;
    emit displayCloseCOMPort();
    m_upgrading = true;
    m_ui->pushButtonStartUpgrade->setText(tr("Cancel"));
    showControllerFacts();
}

void updatesettingpage::requestStop()
{
    if (!UpgradeQuestion::confirmStop(window(), m_guard->hasErased()))
        return;
    // The run reports its end shortly; the button waits for that.
    m_upgrader->stop();
    m_ui->pushButtonStartUpgrade->setEnabled(false);
}

void updatesettingpage::cancelUpgrade()
{
    m_upgrader->stop();
}

bool updatesettingpage::event(QEvent *event)
{
    if (event->type() != QEvent::User)
        return QWidget::event(event);
    const auto *report = static_cast<UpgradeEvent *>(event);
    handleUpgradeReport(report->code, report->portNumber, report->progress);
    m_guard->takeReport(report->code, report->firmwareVersion);
    return true;
}

void updatesettingpage::handleUpgradeReport(quint32 code, qint32 portNumber, qint32 progress)
{
    switch (code) {
    case UpgradeEvent::RunEnded:
        appendLog(update::reportLine(code, QString()));
        m_ui->pushButtonStartUpgrade->setText(tr("Start Upgrade"));
        m_ui->pushButtonStartUpgrade->setEnabled(true);
        m_progressShown = false;
        m_upgrading = false;
        break;
    case UpgradeEvent::Progress:
        if (!m_progressShown) {
            m_savedLog = m_ui->textEdit->toPlainText();
            m_progressShown = true;
        }
        m_ui->textEdit->setPlainText(m_savedLog + QStringLiteral("\n") +
                                     tr("Upgrade Progress: %1%").arg(progress));
        break;
    default: {
        const QString line = update::reportLine(code, portLabel(portNumber, m_link));
        if (!line.isNull())
            appendLog(line);
        break;
    }
    }
}

void updatesettingpage::appendLog(const QString &text)
{
    m_ui->textEdit->append(text);
}

void updatesettingpage::updateFirmware()
{
    if (!controllerReachable()) {
        UpgradeWarningDialog notice(this);
        notice.exec();
        return;
    }
    FirmwareUpgradeDialog dialog(nullptr);
    dialog.setLink(m_link);
    dialog.setUpgradeGuard(m_guard);
    dialog.setNetworkTimeouts(m_timeouts);
    dialog.setCurrentVersion(m_currentVersion);
    UpdateInfo info;
    info.version = m_latestVersion;
    info.fileName = m_latestFileName;
    info.content = m_updateContent;
    dialog.setUpdateInfo(info);
    dialog.exec();
}

QString updatesettingpage::updaterProgram()
{
    return InstallLayout::siblingProgram(QStringLiteral("Updater"));
}

void updatesettingpage::updateSoftware()
{
    const QString program = updaterProgram();
    if (program.isEmpty()) {
        // Installed without the maker's updater (a distribution's package, a copied folder):
        // the package manager updates the software.
        QMessageBox::information(
            this, tr("Notice"),
            tr("The software updater is not installed: update with your package manager"));
        return;
    }
    // Detached: the page neither waits for the updater nor looks at its outcome.
    if (!QProcess::startDetached(program, QStringList()))
        qCWarning(lcUpdate) << "cannot start the software updater" << program;
}
