#include "telemetry.h"

qint16 g_rc_channel[kRcChannelCount] = {};
qint16 g_voltage = 0;
double g_attitude_roll = 0.0;
double g_attitude_pitch = 0.0;
double g_attitude_heading = 0.0;
DiagnosisInfo g_diagnosisInfo = {};

namespace fclink {

TelemetryTargets TelemetryTargets::exportedStore()
{
    return {g_rc_channel,      &g_voltage,          &g_attitude_roll,
            &g_attitude_pitch, &g_attitude_heading, &g_diagnosisInfo};
}

} // namespace fclink
