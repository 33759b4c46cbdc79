#include "upgradetexts.h"

#include <upgradeevent.h>

namespace {

struct ReportText
{
    quint32 code;
    const char *text;
    bool error;
};

// Every report that has a text, in code order.
constexpr ReportText kReportTexts[] = {
    {UpgradeEvent::RunEnded, "Exit", false},
    {UpgradeEvent::PortOpened, "%1 open OK", false},
    {UpgradeEvent::PortOpenFailed, "%1 open error", true},
    {UpgradeEvent::VersionError, "Version Error", true},
    {UpgradeEvent::SendCheckError, "Send Check Error", true},
    {UpgradeEvent::ReceiveCheckError, "Recv Check Error", true},
    {UpgradeEvent::TimeOut, "Timeout Error", true},
    {UpgradeEvent::FileError, "File Error", true},
    {UpgradeEvent::FileOpened, "File open OK", false},
    {UpgradeEvent::FileOpenError, "File Open Error", true},
    {UpgradeEvent::EraseError, "Erase Error", true},
    {UpgradeEvent::FileSizeError, "File Size Error", true},
    {UpgradeEvent::LengthError, "Length Error", true},
    {UpgradeEvent::FlashingBegins, "Upgrading now, please wait...", false},
    {UpgradeEvent::UpgradeCompleted, "Upgraded OK", false},
    {UpgradeEvent::AddressError, "Address Error", true},
    {UpgradeEvent::FlashError, "Flash Error", true},
    {UpgradeEvent::HeadError, "Head Error", true},
    {UpgradeEvent::GoToApplicationError, "Go to App Error", true},
    {UpgradeEvent::DeviceError, "Device Error, please check module connection", true},
    {UpgradeEvent::StateError, "State Error", true},
    {UpgradeEvent::ApplicationResumed, "The flight controller keeps its firmware", false},
};

const ReportText *findReport(quint32 code)
{
    for (const ReportText &report : kReportTexts) {
        if (report.code == code)
            return &report;
    }
    return nullptr;
}

} // namespace

QString upgradeReportText(quint32 code, const QString &port)
{
    const ReportText *report = findReport(code);
    if (!report)
        return QString();
    const QString text = QString::fromLatin1(report->text);
    if (code == UpgradeEvent::PortOpened || code == UpgradeEvent::PortOpenFailed)
        return text.arg(port);
    return text;
}

bool isUpgradeError(quint32 code)
{
    const ReportText *report = findReport(code);
    return report && report->error;
}

QString upgradeProgressText(qint32 percent)
{
    return QStringLiteral("Progress: %1%").arg(percent);
}
