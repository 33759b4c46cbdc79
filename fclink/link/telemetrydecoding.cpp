#include "telemetrydecoding.h"

#include "frame.h"

namespace fclink {

void decodeRcChannels(const quint8 *payload, qint16 *channels)
{
    for (int i = 0; i < kRcChannelCount; ++i)
        channels[i] = readInt16(payload + 2 * i);
}

void decodeAttitude(const quint8 *payload, double *roll, double *pitch, double *heading)
{
    *roll = readInt16(payload) / 10.0;
    *pitch = readInt16(payload + 2) / 10.0;
    *heading = readInt16(payload + 4) / 10.0;
}

void decodeSensors(const quint8 *payload, DiagnosisInfo *info)
{
    info->gyroX = static_cast<float>(readInt16(payload) / 10.0);
    info->gyroY = static_cast<float>(readInt16(payload + 2) / 10.0);
    info->gyroZ = static_cast<float>(readInt16(payload + 4) / 10.0);
    info->accX = static_cast<float>(readInt16(payload + 6) / 100.0);
    info->accY = static_cast<float>(readInt16(payload + 8) / 100.0);
    info->accZ = static_cast<float>(readInt16(payload + 10) / 100.0);
    info->altitude = static_cast<float>(readInt16(payload + 12) / 10.0);
    info->compassError = payload[14];
}

qint16 decodeVoltage(const quint8 *payload)
{
    return readInt16(payload + 4);
}

} // namespace fclink
