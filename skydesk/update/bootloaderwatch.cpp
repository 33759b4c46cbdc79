#include "bootloaderwatch.h"

#include "fclink/link/commrt.h"
#include "firmwareupgrade/firmwareupgradelib.h"
#include "firmwareupgrade/upgradeevent.h"

#include <QCoreApplication>

BootloaderWatch::BootloaderWatch(Commrt *link, QObject *parent)
    : QObject(parent), m_link(link), m_probe(FirmwareUpgradeLib::createClass())
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &BootloaderWatch::probeNow);
}

BootloaderWatch::~BootloaderWatch()
{
    FirmwareUpgradeLib::destroyClass(m_probe);
}

void BootloaderWatch::watch()
{
    if (!m_link || m_probing)
        return;
    m_timer.start(kAnswerWaitMs);
}

void BootloaderWatch::cancel()
{
    m_timer.stop();
    if (!m_probing)
        return;
    // Ends the probe's run and waits for its thread; its reports are no longer wanted.
    m_probe->stop();
    FirmwareUpgradeLib::destroyClass(m_probe);
    QCoreApplication::removePostedEvents(this, QEvent::User);
    m_probe = FirmwareUpgradeLib::createClass();
    m_probing = false;
}

void BootloaderWatch::clearWaiting()
{
    setWaiting(false);
}

void BootloaderWatch::noteWaiting()
{
    setWaiting(true);
}

void BootloaderWatch::probeNow()
{
    // Only a port that is open and silent is worth asking.
    if (!m_link || m_link->isConnected() || !m_link->isPortOpen())
        return;
    m_probing = true;
    m_foundWaiting = false;
    m_link->closePortForUpgrade();
    m_probe->init(this);
    m_probe->probe(m_link->getPortName());
}

bool BootloaderWatch::event(QEvent *event)
{
    if (event->type() != QEvent::User)
        return QObject::event(event);
    const auto *report = static_cast<UpgradeEvent *>(event);
    switch (report->code) {
    case UpgradeEvent::WaitingForFirmware:
        m_foundWaiting = true;
        break;
    case UpgradeEvent::ApplicationResumed:
        emit firmwareResumed(static_cast<quint16>(report->firmwareVersion));
        break;
    case UpgradeEvent::RunEnded:
        probeEnded();
        break;
    default:
        break;
    }
    return true;
}

void BootloaderWatch::probeEnded()
{
    m_probing = false;
    // The link takes its port back in any case: a controller that went back to its firmware
    // answers it now, and a waiting one is flashed from the pages.
    m_link->resumeAfterUpgrade();
    if (m_foundWaiting)
        setWaiting(true);
    else
        m_timer.start(kRetryMs);
}

void BootloaderWatch::setWaiting(bool waiting)
{
    if (waiting == m_waiting)
        return;
    m_waiting = waiting;
    emit waitingChanged(waiting);
}
