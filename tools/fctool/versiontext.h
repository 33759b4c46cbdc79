#ifndef FCTOOL_VERSIONTEXT_H
#define FCTOOL_VERSIONTEXT_H

#include <QDateTime>
#include <QString>

// How fctool prints a firmware version in hundredths (300 as "3.00") and a time of the history
// ("2026-05-04 13:02:11", local time).
QString firmwareText(int version);
QString localTimeText(const QDateTime &time);

#endif // FCTOOL_VERSIONTEXT_H
