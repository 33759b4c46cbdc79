#ifndef FCTOOL_TELEMETRYLINE_H
#define FCTOOL_TELEMETRYLINE_H

#include <QString>

// One line describing the telemetry store as it is now:
// rc=c1,...,c8 voltage=12.12 roll=1.2 pitch=-0.5 heading=123.4 gyro=x,y,z acc=x,y,z alt=12.3
// compass=N (voltage and acceleration with two decimals, angles, rates and altitude with one).
QString telemetryLine();

#endif // FCTOOL_TELEMETRYLINE_H
