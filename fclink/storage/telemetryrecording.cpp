#include "telemetryrecording.h"

#include "telemetrycsv.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace fclink {

namespace {

constexpr int kColumnCount = kTelemetryChannelCount + 1; // the time first
// Up to this many digits a decimal number is exact as a double integer divided by a power of ten.
constexpr int kExactDigits = 15;
const double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                               1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

QString lineError(const QString &name, qint64 line, const QString &reason)
{
    return QCoreApplication::translate("TelemetryRecording", "%1, line %2: %3")
        .arg(name)
        .arg(line)
        .arg(reason);
}

// A number as the recorder writes it: an optional minus, digits, and a dot with digits after it.
bool parseNumber(const char *begin, const char *end, bool wholeOnly, double *value)
{
    const char *p = begin;
    const bool negative = p != end && *p == '-';
    if (negative)
        ++p;
    qint64 mantissa = 0;
    int digits = 0;
    int decimals = 0;
    bool dot = false;
    bool digitBeforeDot = false;
    for (; p != end; ++p) {
        if (*p == '.' && !dot && !wholeOnly) {
            dot = true;
            continue;
        }
        if (*p < '0' || *p > '9')
            return false;
        if (dot)
            ++decimals;
        else
            digitBeforeDot = true;
        if (digits < kExactDigits + 1)
            mantissa = mantissa * 10 + (*p - '0');
        if (mantissa != 0 || digits > 0)
            ++digits;
    }
    if (!digitBeforeDot || (dot && decimals == 0))
        return false;
    if (digits <= kExactDigits && decimals <= kExactDigits) {
        *value = double(mantissa) / kPowersOfTen[decimals];
    } else {
        bool ok = false;
        *value = QByteArray(begin, int(end - begin)).toDouble(&ok);
        if (!ok)
            return false;
    }
    if (negative)
        *value = -*value;
    return std::isfinite(*value);
}

QString cellText(const char *begin, const char *end)
{
    constexpr int kShown = 24; // enough to recognise, never a whole binary line
    const QString text = QString::fromLatin1(begin, int(std::min<qint64>(end - begin, kShown)));
    return end - begin > kShown ? text + QStringLiteral("...") : text;
}

bool isHeader(const char *begin, const char *end)
{
    static const QByteArray header = telemetryCsvHeader().chopped(1);
    return end - begin == header.size() &&
           std::memcmp(begin, header.constData(), header.size()) == 0;
}

class RowReader
{
public:
    RowReader(const QString &name, TelemetryRecording *into) : m_name(name), m_into(into) {}

    bool read(const char *begin, const char *end, qint64 line, QString *error)
    {
        const char *cell = begin;
        int column = 0;
        for (const char *p = begin;; ++p) {
            if (p != end && *p != ',')
                continue;
            if (column < kColumnCount && !take(column, cell, p, line, error))
                return false;
            ++column;
            if (p == end)
                break;
            cell = p + 1;
        }
        if (column != kColumnCount) {
            *error = lineError(
                m_name, line,
                QCoreApplication::translate("TelemetryRecording", "%1 values where %2 are expected")
                    .arg(column)
                    .arg(kColumnCount));
            return false;
        }
        m_into->timeMs.append(m_time);
        for (int channel = 0; channel < kTelemetryChannelCount; ++channel)
            m_into->channels[channel].append(m_values[channel]);
        return true;
    }

private:
    bool take(int column, const char *begin, const char *end, qint64 line, QString *error)
    {
        double value = 0.0;
        const bool time = column == 0;
        if (!parseNumber(begin, end, time, &value) ||
            (time ? std::fabs(value) > 1e15 : !std::isfinite(float(value)))) {
            const QString name = time ? QStringLiteral("time_ms")
                                      : telemetryChannelName(TelemetryChannel(column - 1));
            *error = lineError(
                m_name, line,
                QCoreApplication::translate("TelemetryRecording", "%1 is not a number: '%2'")
                    .arg(name, cellText(begin, end)));
            return false;
        }
        if (!time) {
            m_values[column - 1] = float(value);
            return true;
        }
        // Times are whole milliseconds that never go back: what is drawn and searched relies on it.
        const qint64 ms = qint64(value);
        if (!m_into->timeMs.isEmpty() && ms < m_into->timeMs.last()) {
            *error = lineError(
                m_name, line,
                QCoreApplication::translate("TelemetryRecording",
                                            "the time %1 ms comes before the line above (%2 ms)")
                    .arg(ms)
                    .arg(m_into->timeMs.last()));
            return false;
        }
        m_time = ms;
        return true;
    }

    QString m_name;
    TelemetryRecording *m_into;
    qint64 m_time = 0;
    float m_values[kTelemetryChannelCount] = {};
};

} // namespace

bool parseTelemetryRecording(const QByteArray &bytes, const QString &name,
                             TelemetryRecording *recording, QString *error,
                             const std::atomic<bool> *stop)
{
    QString message;
    QString *why = error ? error : &message;
    if (bytes.isEmpty()) {
        *why = QCoreApplication::translate("TelemetryRecording", "%1: the file is empty").arg(name);
        return false;
    }
    if (bytes.size() > kTelemetryRecordingMaxBytes) {
        *why =
            QCoreApplication::translate("TelemetryRecording", "%1: the file is larger than 256 MiB")
                .arg(name);
        return false;
    }
    const char *begin = bytes.constData();
    if (bytes.startsWith("\xEF\xBB\xBF")) // a byte-order mark from an editor
        begin += 3;
    // What follows the last line feed is a line the recorder did not finish.
    const int lastFeed = bytes.lastIndexOf('\n');
    const char *wholeEnd = lastFeed < 0 ? begin : bytes.constData() + lastFeed + 1;
    const char *fileEnd = bytes.constData() + bytes.size();
    if (const void *nul = std::memchr(begin, 0, size_t(wholeEnd - begin))) {
        const qint64 line = std::count(begin, static_cast<const char *>(nul), '\n') + 1;
        *why = lineError(name, line,
                         QCoreApplication::translate("TelemetryRecording",
                                                     "binary data, not a telemetry recording"));
        return false;
    }
    const char *headerEnd =
        static_cast<const char *>(std::memchr(begin, '\n', size_t(wholeEnd - begin)));
    const char *headerStop = headerEnd;
    if (headerStop && headerStop > begin && headerStop[-1] == '\r')
        --headerStop;
    if (!headerEnd || !isHeader(begin, headerStop)) {
        const bool binary = std::memchr(begin, 0, size_t(fileEnd - begin)) != nullptr;
        *why = lineError(
            name, 1,
            binary ? QCoreApplication::translate("TelemetryRecording",
                                                 "binary data, not a telemetry recording")
                   : QCoreApplication::translate(
                         "TelemetryRecording", "this is not the header of a telemetry recording"));
        return false;
    }

    TelemetryRecording read;
    const qint64 rows = std::count(headerEnd + 1, wholeEnd, '\n');
    read.timeMs.reserve(int(rows));
    for (QVector<float> &channel : read.channels)
        channel.reserve(int(rows));
    RowReader reader(name, &read);
    qint64 line = 2;
    constexpr qint64 kLinesBetweenStopChecks = 4096;
    for (const char *p = headerEnd + 1; p < wholeEnd; ++line) {
        if (stop && line % kLinesBetweenStopChecks == 0 && stop->load(std::memory_order_relaxed)) {
            *why = QCoreApplication::translate("TelemetryRecording", "%1: reading was stopped")
                       .arg(name);
            return false;
        }
        const char *feed = static_cast<const char *>(std::memchr(p, '\n', size_t(wholeEnd - p)));
        const char *stop = feed > p && feed[-1] == '\r' ? feed - 1 : feed;
        if (!reader.read(p, stop, line, why))
            return false;
        p = feed + 1;
    }
    read.leftOutLines = wholeEnd < fileEnd ? 1 : 0;
    *recording = std::move(read);
    return true;
}

bool readTelemetryRecording(const QString &path, TelemetryRecording *recording, QString *error,
                            const std::atomic<bool> *stop)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    // Opening a FIFO waits for a writer, a device may never end: only plain files are opened.
    if (info.exists() && !info.isFile()) {
        if (error)
            *error =
                QCoreApplication::translate("TelemetryRecording", "%1 is not a file").arg(name);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QCoreApplication::translate("TelemetryRecording", "%1 cannot be read: %2")
                         .arg(name, file.errorString());
        return false;
    }
    // The size now: a recording still being written is read as far as it went.
    const qint64 size = file.size();
    if (size > kTelemetryRecordingMaxBytes) {
        if (error)
            *error = QCoreApplication::translate("TelemetryRecording",
                                                 "%1: the file is larger than 256 MiB")
                         .arg(name);
        return false;
    }
    const QByteArray bytes = file.read(size);
    if (bytes.size() != size && file.error() != QFileDevice::NoError) {
        if (error)
            *error = QCoreApplication::translate("TelemetryRecording", "%1 cannot be read: %2")
                         .arg(name, file.errorString());
        return false;
    }
    return parseTelemetryRecording(bytes, name, recording, error, stop);
}

QByteArray telemetryRecordingCsv(const TelemetryRecording &recording, int first, int end)
{
    first = std::max(first, 0);
    end = std::min(end, recording.rowCount());
    QByteArray csv = telemetryCsvHeader();
    for (int row = first; row < end; ++row) {
        csv += QByteArray::number(recording.timeMs.at(row));
        for (int channel = 0; channel < kTelemetryChannelCount; ++channel)
            csv += ',' + telemetryCsvCell(TelemetryChannel(channel),
                                          double(recording.channels[channel].at(row)));
        csv += '\n';
    }
    return csv;
}

} // namespace fclink
