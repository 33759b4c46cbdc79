#include "telemetrycsv.h"

#include <algorithm>

namespace fclink {

namespace {

bool isNegativeZero(const QByteArray &number)
{
    return number.startsWith('-') && std::all_of(number.cbegin() + 1, number.cend(),
                                                 [](char c) { return c == '0' || c == '.'; });
}

} // namespace

QByteArray telemetryCsvHeader()
{
    QByteArray header("time_ms");
    for (int channel = 0; channel < kTelemetryChannelCount; ++channel)
        header += ',' + telemetryChannelName(TelemetryChannel(channel)).toLatin1();
    return header + '\n';
}

QByteArray telemetryCsvRow(qint64 timeMs, const TelemetrySnapshot &snapshot)
{
    QByteArray row = QByteArray::number(timeMs);
    for (int channel = 0; channel < kTelemetryChannelCount; ++channel) {
        const auto which = TelemetryChannel(channel);
        row += ',' + telemetryCsvCell(which, telemetryValue(snapshot, which));
    }
    return row + '\n';
}

QByteArray telemetryCsvCell(TelemetryChannel channel, double value)
{
    // QByteArray::number ignores the locale: always a dot, never a thousands separator.
    QByteArray text = QByteArray::number(value, 'f', telemetryDecimals(channel));
    // A value that rounds to zero from below prints as 0.0, not -0.0.
    if (isNegativeZero(text))
        text.remove(0, 1);
    return text;
}

} // namespace fclink
