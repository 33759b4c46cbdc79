#ifndef TESTS_RECORDINGFILES_H
#define TESTS_RECORDINGFILES_H

#include "fclink/model/telemetrysnapshot.h"

#include <QByteArray>
#include <QString>

// Telemetry recordings as the recorder writes them, for the tests of what reads them: one row
// every 208 ms in which every channel moves, the heading turning through north now and then.
namespace recordingfiles {

constexpr qint64 kRowMs = 208;

fclink::TelemetrySnapshot cycle(int row);
// The rows from..to-1, without the header.
QByteArray rows(int from, int to);
// The header and rows rows.
QByteArray recording(int rows);
bool write(const QString &path, const QByteArray &bytes);
bool append(const QString &path, const QByteArray &bytes);

} // namespace recordingfiles

#endif // TESTS_RECORDINGFILES_H
