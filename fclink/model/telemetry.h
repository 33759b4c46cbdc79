#ifndef FCLINK_TELEMETRY_H
#define FCLINK_TELEMETRY_H

#include "fclink/fclink_global.h"

// Sensor diagnosis values from the sensor reply, in the order the pages read them.
struct DiagnosisInfo
{
    float gyroX; // degrees per second
    float gyroY;
    float gyroZ;
    float accX; // m/s²
    float accY;
    float accZ;
    float altitude; // metres
    quint8 compassError;
};

constexpr int kRcChannelCount = 8;

// The process-wide telemetry store: overwritten by the link whenever a telemetry reply arrives,
// read by the pages. Values survive a lost or closed connection.
extern FCLINK_EXPORT qint16 g_rc_channel[kRcChannelCount]; // raw RC inputs, channel 1 first
extern FCLINK_EXPORT qint16 g_voltage;                     // hundredths of a volt
extern FCLINK_EXPORT double g_attitude_roll;               // degrees
extern FCLINK_EXPORT double g_attitude_pitch;
extern FCLINK_EXPORT double g_attitude_heading;
extern FCLINK_EXPORT DiagnosisInfo g_diagnosisInfo;

namespace fclink {

// Where decoded telemetry goes; storeTargets() names the exported store above, tests use their own.
struct FCLINK_EXPORT TelemetryTargets
{
    qint16 *rcChannels;
    qint16 *voltage;
    double *roll;
    double *pitch;
    double *heading;
    DiagnosisInfo *diagnosis;

    static TelemetryTargets exportedStore();
};

} // namespace fclink

#endif // FCLINK_TELEMETRY_H
