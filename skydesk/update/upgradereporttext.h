#ifndef SKYDESK_UPGRADEREPORTTEXT_H
#define SKYDESK_UPGRADEREPORTTEXT_H

#include <QCoreApplication>
#include <QString>

// The log line both upgrade views show for an upgrade library report: black for progress,
// red for errors. Codes whose handling differs between the views (run ended, progress) and
// unknown codes have no line here.
class UpgradeReportText
{
    Q_DECLARE_TR_FUNCTIONS(UpgradeReportText)

public:
    // portLabel names the port in the port reports.
    static QString line(quint32 code, const QString &portLabel);
};

#endif // SKYDESK_UPGRADEREPORTTEXT_H
