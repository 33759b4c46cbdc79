#ifndef FCLINK_TELEMETRYCSV_H
#define FCLINK_TELEMETRYCSV_H

#include "fclink/fclink_global.h"
#include "fclink/model/telemetrysnapshot.h"

#include <QByteArray>

// A telemetry recording as comma-separated values: a header row, then one row per telemetry
// cycle, each ending in a line feed. The first column is the time in milliseconds since the
// recording started, the others follow TelemetryChannel. Numbers use a dot as decimal separator
// whatever the user's language, so that every program reads the file the same way.
namespace fclink {

FCLINK_EXPORT QByteArray telemetryCsvHeader();
FCLINK_EXPORT QByteArray telemetryCsvRow(qint64 timeMs, const TelemetrySnapshot &snapshot);
// One channel's value as a row writes it.
FCLINK_EXPORT QByteArray telemetryCsvCell(TelemetryChannel channel, double value);

} // namespace fclink

#endif // FCLINK_TELEMETRYCSV_H
