#include "upgradereporter.h"

#include "console.h"
#include "upgradetexts.h"

#include <upgradeevent.h>

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
    if (code == UpgradeEvent::Progress) {
        printLine(upgradeProgressText(progress));
        return;
    }
    const QString text = upgradeReportText(code, m_port);
    if (!text.isEmpty())
        printLine(text);
    if (isUpgradeError(code) && m_firstError.isEmpty())
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
