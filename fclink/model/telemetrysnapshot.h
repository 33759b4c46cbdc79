#ifndef FCLINK_TELEMETRYSNAPSHOT_H
#define FCLINK_TELEMETRYSNAPSHOT_H

#include "fclink/fclink_global.h"
#include "telemetry.h"

#include <QString>

namespace fclink {

// The telemetry store as it stood after one telemetry cycle, copied so that it can be kept.
struct TelemetrySnapshot
{
    qint16 rcChannels[kRcChannelCount];
    double roll; // degrees
    double pitch;
    double heading;
    DiagnosisInfo sensors;
    qint16 voltage; // hundredths of a volt
};

// The telemetry values one by one, in the order of the recording's columns. Each is read in the
// unit the pages show: RC channels raw, angles in degrees, rates in degrees per second,
// accelerations in m/s², altitude in metres, voltage in volts, the compass error as a number.
enum class TelemetryChannel
{
    Rc1,
    Rc2,
    Rc3,
    Rc4,
    Rc5,
    Rc6,
    Rc7,
    Rc8,
    Roll,
    Pitch,
    Heading,
    GyroX,
    GyroY,
    GyroZ,
    AccX,
    AccY,
    AccZ,
    Altitude,
    Voltage,
    Compass
};
constexpr int kTelemetryChannelCount = int(TelemetryChannel::Compass) + 1;

FCLINK_EXPORT TelemetrySnapshot telemetryNow();
FCLINK_EXPORT double telemetryValue(const TelemetrySnapshot &snapshot, TelemetryChannel channel);
// The column name: rc1 ... rc8, roll, pitch, heading, gyro_x ... acc_z, altitude, voltage, compass.
FCLINK_EXPORT QString telemetryChannelName(TelemetryChannel channel);
// The decimals that carry the whole resolution of the controller's value (0 for whole numbers).
FCLINK_EXPORT int telemetryDecimals(TelemetryChannel channel);
// A value of the channel as the program shows and records it: with telemetryDecimals decimals,
// a dot as decimal separator whatever the user's language, and "0.0" for a value that rounds to
// zero from below ("12.12" for a voltage of 1212 hundredths).
FCLINK_EXPORT QString telemetryText(TelemetryChannel channel, double value);
FCLINK_EXPORT QString telemetryText(const TelemetrySnapshot &snapshot, TelemetryChannel channel);

} // namespace fclink

#endif // FCLINK_TELEMETRYSNAPSHOT_H
