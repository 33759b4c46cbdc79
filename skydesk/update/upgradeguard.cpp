#include "upgradeguard.h"

#include "bootloaderwatch.h"
#include "commrt.h"
#include "firmwareupgradelib.h"
#include "parameterblock.h"
#include "parameterrestore.h"
#include "upgradeevent.h"

#include <QDir>
#include <QWidget>

UpgradeGuard::UpgradeGuard(Commrt *link, QWidget *dialogParent, QObject *parent)
    : QObject(parent), m_link(link), m_watch(new BootloaderWatch(link, this)),
      m_restore(new ParameterRestore(link, dialogParent, this))
{
    connect(m_watch, &BootloaderWatch::waitingChanged, this, &UpgradeGuard::onWaitingChanged);
    connect(m_watch, &BootloaderWatch::firmwareResumed, this,
            [this](quint16 version) { m_installed.noteVersion(version); });
    connect(m_restore, &ParameterRestore::finished, this, &UpgradeGuard::notice);
    if (m_link) {
        connect(m_link, &Commrt::connectStateText, this, &UpgradeGuard::onConnectState);
        connect(m_link, &Commrt::parametersChanged, this, [this] { m_blockRead = true; });
    }
}

bool UpgradeGuard::isWaitingForFirmware() const
{
    return m_watch->isWaiting();
}

bool UpgradeGuard::saveParameters(QString *logLine)
{
    if (!m_link || !m_link->isConnected() || !m_blockRead) {
        // A controller waiting in its bootloader has no parameters to give; a backup of an
        // earlier attempt stays the one to offer back.
        *logLine = tr("The flight controller does not answer on the link: its parameters were "
                      "not saved.");
        return true;
    }
    const QByteArray block = fclink::ParameterBlock::copy();
    QString error;
    const quint8 linkByte = m_link->getFirmwareVersion();
    const fclink::ParameterBackup backup =
        fclink::ParameterBackup::save(reinterpret_cast<const quint8 *>(block.constData()),
                                      m_link->getDeviceId(), installedVersion(linkByte),
                                      m_link->getPortName(), &error);
    if (!backup.isValid()) {
        *logLine = tr("The parameters could not be saved before the upgrade (%1): nothing was "
                      "flashed.")
                       .arg(error);
        return false;
    }
    m_backup = backup;
    *logLine =
        tr("Parameters saved before the upgrade: %1").arg(QDir::toNativeSeparators(backup.path()));
    return true;
}

bool UpgradeGuard::beginFlash(FirmwareUpgradeLib *runner, QString *logLine)
{
    if (m_runner || !runner)
        return false;
    if (!saveParameters(logLine))
        return false;
    m_watch->cancel();
    m_watch->clearWaiting();
    if (m_link)
        m_link->closePortForUpgrade();
    m_runner = runner;
    m_blockRead = false;
    m_awaitingReply = true;
    m_completed = false;
    m_reportedVersion = -1;
    emit flashStarted();
    return true;
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
    if (m_reportedVersion >= 0)
        m_installed.noteVersion(static_cast<quint16>(m_reportedVersion));
    if (m_link)
        m_link->openPortForCommunication();
    // The restore keeps the backup until the parameters are read again; a later flash of a
    // controller that does not answer leaves it armed.
    m_restore->arm(m_backup);
    m_backup = fclink::ParameterBackup();
    m_watch->watch();
    emit flashEnded(m_completed);
}

void UpgradeGuard::stopFlash()
{
    if (m_runner)
        m_runner->stop();
}

void UpgradeGuard::onConnectRequested()
{
    m_watch->watch();
}

void UpgradeGuard::onDisconnectRequested()
{
    if (m_runner)
        return; // the port is the upgrade's; the bar is locked meanwhile
    m_watch->cancel();
    m_watch->clearWaiting();
}

void UpgradeGuard::onConnectState(quint16 state)
{
    if (state == 1) {
        m_awaitingReply = false;
        m_watch->clearWaiting();
    } else {
        m_blockRead = false;
    }
}

void UpgradeGuard::onWaitingChanged(bool waiting)
{
    if (waiting)
        m_installed.noteNoFirmware();
    emit waitingForFirmwareChanged(waiting);
}
