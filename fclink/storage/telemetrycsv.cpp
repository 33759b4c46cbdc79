#include "telemetrycsv.h"

namespace fclink {

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
    return telemetryText(channel, value).toLatin1();
}

} // namespace fclink
