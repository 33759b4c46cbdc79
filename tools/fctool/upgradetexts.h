#ifndef FCTOOL_UPGRADETEXTS_H
#define FCTOOL_UPGRADETEXTS_H

#include <QString>

// The text of an upgrade report code (UpgradeEvent::code), as the update page's log shows it
// but without its colour markup. The page names the port "COM<n>" in the port reports; here it
// is named as the user gave it (ttyUSB0, /dev/pts/7, COM3). Progress (11) has its own line, and
// codes without a text give an empty string.
QString upgradeReportText(quint32 code, const QString &port);

// Whether the code tells of a failed upgrade (a file, port or device error).
bool isUpgradeError(quint32 code);

// The line printed for a progress report.
QString upgradeProgressText(qint32 percent);

#endif // FCTOOL_UPGRADETEXTS_H
