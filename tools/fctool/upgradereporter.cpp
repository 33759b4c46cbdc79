#include "upgradereporter.h"

#include "console.h"
#include "firmwareupgrade/upgradeevent.h"
#include "firmwareupgrade/upgrademessages.h"

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

} // namespace

UpgradeReporter::UpgradeReporter(const QString &port, QObject *parent)
    : QObject(parent), m_port(port)
{
}

bool UpgradeReporter::event(QEvent *event)
{
    if (event->type() != QEvent::User)
        return QObject::event(event);
    const auto *upgradeEvent = static_cast<UpgradeEvent *>(event);
    report(upgradeEvent->code, upgradeEvent->progress);
    return true;
}

void UpgradeReporter::report(quint32 code, qint32 progress)
{
    if (m_ended)
        return;
    emit reported();
    if (code == UpgradeEvent::FlashingBegins)
        m_erased = true;
    if (code == UpgradeEvent::Progress) {
        printLine(progressText(progress));
        return;
    }
    const QString text = UpgradeMessages::text(code, m_port);
    if (!text.isEmpty())
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
