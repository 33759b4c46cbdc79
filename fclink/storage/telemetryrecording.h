#ifndef FCLINK_TELEMETRYRECORDING_H
#define FCLINK_TELEMETRYRECORDING_H

#include "fclink/fclink_global.h"
#include "fclink/model/telemetrysnapshot.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <atomic>

// A telemetry recording read back from its CSV file (the header and rows of telemetrycsv.h),
// held as one array per column: the times as whole milliseconds, each channel as 32-bit floats,
// which carry every value the controller sends exactly enough to print it again unchanged.
namespace fclink {

struct TelemetryRecording
{
    QVector<qint64> timeMs;
    QVector<float> channels[kTelemetryChannelCount];
    // Lines after the last whole one (a recording cut by a crash) that were not read.
    int leftOutLines = 0;

    int rowCount() const { return timeMs.size(); }
};

// The largest recording that is read: about 80 hours at 4.8 cycles a second.
constexpr qint64 kTelemetryRecordingMaxBytes = 256 * 1024 * 1024;

// Reads the file as it is at this moment. On a refusal (no plain file, an empty, binary or
// oversized file, a header that is not a recording's, a row with too few or too many values, a
// value that is no number, a time that goes back) returns false with a message naming the file,
// the line and the reason, translated where the program has a translation installed; recording
// is then unchanged. A reader on a thread of its own can be told to stop: stop is looked at every
// few thousand lines, and a stopped read returns false.
FCLINK_EXPORT bool readTelemetryRecording(const QString &path, TelemetryRecording *recording,
                                          QString *error, const std::atomic<bool> *stop = nullptr);
// The same for bytes already in memory; name is what the messages call the file.
FCLINK_EXPORT bool parseTelemetryRecording(const QByteArray &bytes, const QString &name,
                                           TelemetryRecording *recording, QString *error,
                                           const std::atomic<bool> *stop = nullptr);
// Rows first..end-1 as a recording file: the header, then the rows in the recorder's format.
FCLINK_EXPORT QByteArray telemetryRecordingCsv(const TelemetryRecording &recording, int first,
                                               int end);

} // namespace fclink

#endif // FCLINK_TELEMETRYRECORDING_H
