#include "telemetryline.h"

#include "fclink/model/telemetrysnapshot.h"

#include <QStringList>

namespace {

using fclink::TelemetryChannel;

// The channels from first to last, as the model writes them, separated by commas.
QString channels(const fclink::TelemetrySnapshot &now, TelemetryChannel first,
                 TelemetryChannel last)
{
    QStringList values;
    for (int channel = int(first); channel <= int(last); ++channel)
        values.append(fclink::telemetryText(now, TelemetryChannel(channel)));
    return values.join(QLatin1Char(','));
}

} // namespace

QString telemetryLine()
{
    const fclink::TelemetrySnapshot now = fclink::telemetryNow();
    const auto one = [&now](TelemetryChannel channel) { return channels(now, channel, channel); };
    return QStringLiteral("rc=%1 voltage=%2 roll=%3 pitch=%4 heading=%5 gyro=%6 acc=%7 alt=%8 "
                          "compass=%9")
        .arg(channels(now, TelemetryChannel::Rc1, TelemetryChannel::Rc8),
             one(TelemetryChannel::Voltage), one(TelemetryChannel::Roll),
             one(TelemetryChannel::Pitch), one(TelemetryChannel::Heading),
             channels(now, TelemetryChannel::GyroX, TelemetryChannel::GyroZ),
             channels(now, TelemetryChannel::AccX, TelemetryChannel::AccZ),
             one(TelemetryChannel::Altitude), one(TelemetryChannel::Compass));
}
