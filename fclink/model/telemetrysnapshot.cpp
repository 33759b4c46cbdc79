#include "telemetrysnapshot.h"

#include "units.h"

#include <algorithm>
#include <cstring>

namespace fclink {

namespace {

bool isNegativeZero(const QString &number)
{
    return number.startsWith(QLatin1Char('-')) &&
           std::all_of(number.cbegin() + 1, number.cend(),
                       [](QChar c) { return c == QLatin1Char('0') || c == QLatin1Char('.'); });
}

} // namespace

TelemetrySnapshot telemetryNow()
{
    TelemetrySnapshot snapshot;
    std::memcpy(snapshot.rcChannels, g_rc_channel, sizeof snapshot.rcChannels);
    snapshot.roll = g_attitude_roll;
    snapshot.pitch = g_attitude_pitch;
    snapshot.heading = g_attitude_heading;
    snapshot.sensors = g_diagnosisInfo;
    snapshot.voltage = g_voltage;
    return snapshot;
}

double telemetryValue(const TelemetrySnapshot &snapshot, TelemetryChannel channel)
{
    const DiagnosisInfo &sensors = snapshot.sensors;
    switch (channel) {
    case TelemetryChannel::Roll:
        return snapshot.roll;
    case TelemetryChannel::Pitch:
        return snapshot.pitch;
    case TelemetryChannel::Heading:
        return snapshot.heading;
    case TelemetryChannel::GyroX:
        return sensors.gyroX;
    case TelemetryChannel::GyroY:
        return sensors.gyroY;
    case TelemetryChannel::GyroZ:
        return sensors.gyroZ;
    case TelemetryChannel::AccX:
        return sensors.accX;
    case TelemetryChannel::AccY:
        return sensors.accY;
    case TelemetryChannel::AccZ:
        return sensors.accZ;
    case TelemetryChannel::Altitude:
        return sensors.altitude;
    case TelemetryChannel::Voltage:
        return double(snapshot.voltage) / kHundredthsPerVolt;
    case TelemetryChannel::Compass:
        return sensors.compassError;
    default:
        return snapshot.rcChannels[int(channel) - int(TelemetryChannel::Rc1)];
    }
}

QString telemetryChannelName(TelemetryChannel channel)
{
    static const char *const names[kTelemetryChannelCount] = {
        "rc1",   "rc2",   "rc3",   "rc4",      "rc5",     "rc6",    "rc7",
        "rc8",   "roll",  "pitch", "heading",  "gyro_x",  "gyro_y", "gyro_z",
        "acc_x", "acc_y", "acc_z", "altitude", "voltage", "compass"};
    return QLatin1String(names[int(channel)]);
}

int telemetryDecimals(TelemetryChannel channel)
{
    switch (channel) {
    case TelemetryChannel::AccX:
    case TelemetryChannel::AccY:
    case TelemetryChannel::AccZ:
    case TelemetryChannel::Voltage:
        return 2; // hundredths
    case TelemetryChannel::Roll:
    case TelemetryChannel::Pitch:
    case TelemetryChannel::Heading:
    case TelemetryChannel::GyroX:
    case TelemetryChannel::GyroY:
    case TelemetryChannel::GyroZ:
    case TelemetryChannel::Altitude:
        return 1; // tenths
    default:
        return 0;
    }
}

QString telemetryText(TelemetryChannel channel, double value)
{
    // QString::number ignores the locale: always a dot, never a thousands separator.
    QString text = QString::number(value, 'f', telemetryDecimals(channel));
    if (isNegativeZero(text))
        text.remove(0, 1);
    return text;
}

QString telemetryText(const TelemetrySnapshot &snapshot, TelemetryChannel channel)
{
    return telemetryText(channel, telemetryValue(snapshot, channel));
}

} // namespace fclink
