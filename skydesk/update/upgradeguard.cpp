#include "upgradeguard.h"

#include "bootloaderwatch.h"
#include "fclink/link/commrt.h"
#include "fclink/link/portnaming.h"
#include "fclink/model/parameterblock.h"
#include "firmwareupgrade/firmwareimage.h"
#include "firmwareupgrade/firmwareupgradelib.h"
#include "firmwareupgrade/upgradeevent.h"
#include "parameterrestore.h"
#include "skydesk/common/messagestyle.h"
#include "updatehelpers.h"
#include "updateserver.h"
#include "upgradequestion.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QWidget>

namespace {

constexpr quint8 kKestoTarvel2DeviceId = 0x26;

} // namespace

UpgradeGuard::UpgradeGuard(Commrt *link, QWidget *dialogParent, QObject *parent)
    : QObject(parent), m_link(link), m_watch(new BootloaderWatch(link, this)),
      m_restore(new ParameterRestore(link, dialogParent, this))
{
    m_stepTimer.setSingleShot(true);
    connect(&m_stepTimer, &QTimer::timeout, this, [this] { onPreparationStep(); });
    connect(m_watch, &BootloaderWatch::waitingChanged, this, &UpgradeGuard::onWaitingChanged);
    connect(m_watch, &BootloaderWatch::firmwareResumed, this, [this](quint16 version) {
        m_installed.noteVersion(version);
        emit installedVersionChanged();
    });
    connect(m_restore, &ParameterRestore::finished, this, &UpgradeGuard::notice);
    if (!m_link)
        return;
    connect(m_link, &Commrt::connectionChanged, this, &UpgradeGuard::onConnectionChanged);
    connect(m_link, &Commrt::parametersChanged, this, [this] { onPreparationStep(); });
    // The replies carry only the low byte of the version; the firmware info has all of it.
    connect(m_link, &Commrt::blockReadAfterOpen, m_link, &Commrt::requestFirmwareInfo);
    connect(m_link, &Commrt::firmwareInfoReceived, this, [this](quint16 version) {
        m_installed.noteVersion(version);
        emit installedVersionChanged();
        if (m_stage == Stage::Reading && m_infoAsked)
            launch(true);
    });
    connect(m_link, &Commrt::portLost, this, [this] { m_restore->makeUnsure(); });
}

UpgradeGuard::~UpgradeGuard() = default;

bool UpgradeGuard::isWaitingForFirmware() const
{
    return m_watch->isWaiting();
}

void UpgradeGuard::setStage(Stage stage)
{
    const bool wasBusy = isBusy();
    m_stage = stage;
    if (wasBusy != isBusy())
        emit busyChanged(isBusy());
}

void UpgradeGuard::log(const QString &text, bool error)
{
    if (m_request.log)
        m_request.log(MessageStyle::logText(text, error ? fclink::MessageSeverity::Error
                                                        : fclink::MessageSeverity::Info));
}

void UpgradeGuard::requestFlash(const FlashRequest &request)
{
    if (isBusy() || !request.runner || !m_link) {
        if (request.done)
            request.done(false);
        return;
    }
    m_request = request;
    m_flashPort = m_link->getPortName();
    // A probe of the watch holds the port for a moment: the pilot had it open all the same.
    m_linkWasOpen = m_link->isPortOpen() || m_watch->isProbing();
    m_openedForBackup = false;
    m_answered = false;
    m_infoAsked = false;
    m_watch->cancel();
    setStage(Stage::Reading);
    if (isWaitingForFirmware()) {
        launch(false); // its bootloader speaks no link protocol
        return;
    }
    if (!m_link->isPortOpen()) {
        // The pilot disconnected: the link is opened only to save the parameters.
        m_openedForBackup = true;
        m_link->connectCom();
    }
    m_stepTimer.start(m_link->isConnected() ? kReadWaitMs : kAnswerWaitMs);
    onPreparationStep();
}

// Follows the link while it reads the controller for the backup: connection, parameter read,
// firmware info, each with its time-out.
void UpgradeGuard::onPreparationStep()
{
    if (m_stage != Stage::Reading)
        return;
    const bool timedOut = !m_stepTimer.isActive();
    const bool connected = m_link->isConnected() || m_answered;
    if (connected && !m_answered) {
        m_answered = true;
        m_stepTimer.start(kReadWaitMs); // it answers: now the read may take its time
    }
    if (connected && m_link->hasReadBlock()) {
        if (!m_infoAsked) {
            m_infoAsked = true;
            m_link->requestFirmwareInfo();
            m_stepTimer.start(kFirmwareInfoWaitMs);
        } else if (timedOut) {
            launch(true); // no firmware info: the version byte must do
        }
        return;
    }
    if (!timedOut)
        return;
    if (connected)
        refuse(tr("The flight controller answers, but its parameters could not be read: nothing "
                  "was flashed."));
    else
        launch(false);
}

void UpgradeGuard::launch(bool answered)
{
    m_stepTimer.stop();
    setStage(Stage::Launching);
    bool allowDowngrade = false;
    if (!confirmVersion(answered, &allowDowngrade)) {
        refuse(tr("Nothing was flashed."));
        return;
    }
    if (!saveParameters(answered)) {
        refuse(QString());
        return;
    }
    m_watch->cancel();
    m_watch->clearWaiting();
    m_link->closePortForUpgrade();
    m_runner = m_request.runner;
    m_awaitingReply = true;
    m_completed = false;
    m_erased = false;
    m_reportedVersion = -1;
    m_runner->init(m_request.receiver);
    m_runner->allowDowngrade(allowDowngrade);
    startFirmwareUpgrade(m_runner, m_flashPort, m_request.file);
    setStage(Stage::Flashing);
    emit flashStarted();
    if (m_request.done)
        m_request.done(true);
}

bool UpgradeGuard::confirmVersion(bool answered, bool *allowDowngrade)
{
    // Without an answer the installed version is not known here; the upgrade library compares
    // with what the bootloader says, and refuses an older image without permission.
    if (!answered)
        return true;
    fwupgrade::FirmwareImage image;
    if (fwupgrade::FirmwareImage::parseFile(m_request.file, &image) !=
        fwupgrade::FirmwareImage::ParseResult::Ok)
        return true; // the run reports what is wrong with the file
    const int installed = m_link->firmwareVersion();
    if (image.firmwareVersion() > installed)
        return true;
    if (!UpgradeQuestion::confirmDowngrade(m_request.questionParent, image.firmwareVersion(),
                                           installed))
        return false;
    *allowDowngrade = true;
    return true;
}

bool UpgradeGuard::saveParameters(bool answered)
{
    m_backupTakenNow = answered;
    if (!answered) {
        m_backup = fclink::ParameterBackup::newestFor(m_flashPort, kKestoTarvel2DeviceId);
        const QString why =
            isWaitingForFirmware()
                ? tr("The flight controller waits in its bootloader: its parameters cannot be "
                     "read now.")
                : tr("The flight controller does not answer on the link: its parameters were "
                     "not saved.");
        if (!m_backup.isValid()) {
            log(why);
            return true;
        }
        log(why + QLatin1Char(' ') +
            tr("The parameters saved from it at %1 (firmware %2) are offered after the upgrade.")
                .arg(QLocale().toString(m_backup.time().toLocalTime(), QLocale::ShortFormat),
                     update::versionText(static_cast<quint16>(m_backup.firmwareVersion()))));
        return true;
    }
    QString error;
    const fclink::ParameterBackup backup =
        fclink::ParameterBackup::save(fclink::ParameterBlock::copy(), m_link->getDeviceId(),
                                      m_link->firmwareVersion(), m_flashPort, &error);
    if (!backup.isValid()) {
        log(tr("The parameters could not be saved before the upgrade (%1): nothing was flashed.")
                .arg(error),
            true);
        return false;
    }
    m_backup = backup;
    log(tr("Parameters saved before the upgrade: %1").arg(QDir::toNativeSeparators(backup.path())));
    return true;
}

void UpgradeGuard::refuse(const QString &line)
{
    m_stepTimer.stop();
    if (!line.isEmpty())
        log(line, true);
    if (m_openedForBackup)
        m_link->disconnectCom(); // as the pilot left it
    else if (m_linkWasOpen)
        m_watch->watch();
    const FlashRequest request = m_request;
    m_request = FlashRequest();
    setStage(Stage::Idle);
    if (request.done)
        request.done(false);
}

void UpgradeGuard::takeReport(quint32 code, qint32 firmwareVersion)
{
    if (!m_runner)
        return;
    switch (code) {
    case UpgradeEvent::UpgradeCompleted:
        m_completed = true;
        m_reportedVersion = firmwareVersion;
        break;
    case UpgradeEvent::ApplicationResumed:
        m_reportedVersion = firmwareVersion;
        break;
    case UpgradeEvent::FlashingBegins:
        m_erased = true;
        m_installed.noteNoFirmware(); // erased: until the run completes nothing can run
        break;
    case UpgradeEvent::RunEnded:
        endFlash();
        break;
    default:
        break;
    }
}

void UpgradeGuard::endFlash()
{
    m_runner = nullptr;
    m_request = FlashRequest();
    if (m_reportedVersion >= 0) {
        m_installed.noteVersion(static_cast<quint16>(m_reportedVersion));
        emit installedVersionChanged();
    }
    // The link gets the port back only if the pilot had it: after a Disconnect nothing opens.
    if (m_linkWasOpen) {
        m_link->setPortName(m_flashPort);
        m_link->resumeAfterUpgrade(); // a device unplugged meanwhile is reported lost
    }
    if (m_completed && m_backup.isValid()) {
        ParameterRestore::Offer offer;
        offer.backup = m_backup;
        offer.port = m_flashPort;
        offer.flashedVersion = m_reportedVersion;
        offer.sure = m_backupTakenNow && m_linkWasOpen && m_link->isPortOpen();
        m_restore->arm(offer);
    } else if (!m_completed) {
        // A cut flash wrote no firmware: whatever answers on the port now was not flashed. A
        // repair flash finds the backup in the history again.
        m_restore->disarm();
    }
    m_backup = fclink::ParameterBackup();
    const bool devicePresent = QFileInfo::exists(fclink::deviceForPortName(m_flashPort));
    if (m_erased && !m_completed && devicePresent)
        m_watch->noteWaiting(); // erased and not written whole: nothing else can run
    else if (m_linkWasOpen)
        m_watch->watch();
    setStage(Stage::Idle);
    emit flashEnded(m_completed);
}

void UpgradeGuard::stopFlash()
{
    if (m_runner)
        m_runner->stop();
}

void UpgradeGuard::onConnectRequested()
{
    m_restore->makeUnsure();
    m_watch->watch();
}

void UpgradeGuard::onDisconnectRequested()
{
    m_restore->makeUnsure();
    if (isBusy())
        return; // the port is the upgrade's; the bar is locked meanwhile
    m_watch->cancel();
    m_watch->clearWaiting();
}

void UpgradeGuard::onConnectionChanged(bool connected)
{
    if (connected) {
        m_awaitingReply = false;
        m_watch->clearWaiting();
    }
    onPreparationStep();
}

void UpgradeGuard::onWaitingChanged(bool waiting)
{
    if (waiting)
        m_installed.noteNoFirmware();
    emit waitingForFirmwareChanged(waiting);
}
