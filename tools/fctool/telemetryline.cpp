#include "telemetryline.h"

#include "fclink/model/telemetry.h"

#include <QStringList>

namespace {

QString fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

QString rcChannels()
{
    QStringList values;
    for (int i = 0; i < kRcChannelCount; ++i)
        values.append(QString::number(g_rc_channel[i]));
    return values.join(QLatin1Char(','));
}

QString triple(float x, float y, float z, int decimals)
{
    return QStringLiteral("%1,%2,%3")
        .arg(fixed(x, decimals), fixed(y, decimals), fixed(z, decimals));
}

} // namespace

QString telemetryLine()
{
    const DiagnosisInfo &info = g_diagnosisInfo;
    return QStringLiteral("rc=%1 voltage=%2 roll=%3 pitch=%4 heading=%5 gyro=%6 acc=%7 alt=%8 "
                          "compass=%9")
        .arg(rcChannels(), fixed(g_voltage / 100.0, 2), fixed(g_attitude_roll, 1),
             fixed(g_attitude_pitch, 1), fixed(g_attitude_heading, 1),
             triple(info.gyroX, info.gyroY, info.gyroZ, 1),
             triple(info.accX, info.accY, info.accZ, 2), fixed(info.altitude, 1),
             QString::number(info.compassError));
}
