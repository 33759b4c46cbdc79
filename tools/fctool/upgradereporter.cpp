#include "upgradereporter.h"

#include "console.h"
#include "firmwareupgrade/upgradeevent.h"
#include "firmwareupgrade/upgrademessages.h"

#include <QEventLoop>
#include <QTimer>

namespace {

// The run's progress; the report texts come from the upgrade library. The tool, unlike the
// program, installs no translator, so every text is printed in English.
QString progressText(qint32 percent)
{
    return QStringLiteral("Progress: %1%").arg(percent);
}

bool isError(quint32 code)
{
    return UpgradeMessages::severity(code) == fclink::MessageSeverity::Error;
}

// The reports that say what a probe found on the port.
bool isFinding(quint32 code)
{
    switch (code) {
    case UpgradeEvent::WaitingForFirmware:
    case UpgradeEvent::NoBootloader:
    case UpgradeEvent::ApplicationResumed:
    case UpgradeEvent::FirmwareIntact:
    case UpgradeEvent::DeviceError:
        return true;
    default:
        return false;
    }
}

} // namespace

UpgradeReporter::UpgradeReporter(const QString &port, bool printReports, QObject *parent)
    : QObject(parent), m_port(port), m_print(printReports)
{
}

void UpgradeReporter::waitForEnd(int idleTimeoutMs)
{
    if (m_ended)
        return;
    QEventLoop loop;
    QTimer idle;
    idle.setSingleShot(true);
    connect(this, &UpgradeReporter::runEnded, &loop, &QEventLoop::quit);
    connect(this, &UpgradeReporter::reported, &idle,
            [&idle, idleTimeoutMs] { idle.start(idleTimeoutMs); });
    connect(&idle, &QTimer::timeout, &loop, &QEventLoop::quit);
    idle.start(idleTimeoutMs);
    loop.exec();
}

bool UpgradeReporter::event(QEvent *event)
{
    if (event->type() != QEvent::User)
        return QObject::event(event);
    const auto *upgradeEvent = static_cast<UpgradeEvent *>(event);
    if (!m_ended && isFinding(upgradeEvent->code))
        noteFinding(*upgradeEvent);
    report(upgradeEvent->code, upgradeEvent->progress);
    return true;
}

void UpgradeReporter::noteFinding(const UpgradeEvent &report)
{
    m_finding.code = report.code;
    m_finding.deviceId = report.deviceId;
    m_finding.bootloaderVersion = report.bootloaderVersion;
    m_finding.firmwareVersion = report.firmwareVersion;
}

void UpgradeReporter::report(quint32 code, qint32 progress)
{
    if (m_ended)
        return;
    emit reported();
    if (code == UpgradeEvent::FlashingBegins)
        m_erased = true;
    if (code == UpgradeEvent::Progress) {
        if (m_print)
            printLine(progressText(progress));
        return;
    }
    const QString text = UpgradeMessages::text(code, m_port);
    if (m_print && !text.isEmpty())
        printLine(text);
    if (isError(code) && m_firstError.isEmpty())
        m_firstError = text;
    if (code == UpgradeEvent::PortOpenFailed)
        m_portFailed = true;
    if (code == UpgradeEvent::UpgradeCompleted)
        m_completed = true;
    if (code == UpgradeEvent::RunEnded) {
        m_ended = true;
        emit runEnded();
    }
}
