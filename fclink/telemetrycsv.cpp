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
        // QByteArray::number ignores the locale: always a dot, never a thousands separator.
        QByteArray value =
            QByteArray::number(telemetryValue(snapshot, which), 'f', telemetryDecimals(which));
        // A value that rounds to zero from below prints as 0.0, not -0.0.
        if (isNegativeZero(value))
            value.remove(0, 1);
        row += ',' + value;
    }
    return row + '\n';
}

} // namespace fclink
