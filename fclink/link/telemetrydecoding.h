#ifndef FCLINK_TELEMETRYDECODING_H
#define FCLINK_TELEMETRYDECODING_H

#include "fclink/fclink_global.h"
#include "fclink/model/telemetry.h"

namespace fclink {

// Decoders for the 16-byte payloads of the telemetry replies.
FCLINK_EXPORT void decodeRcChannels(const quint8 *payload, qint16 *channels);
FCLINK_EXPORT void decodeAttitude(const quint8 *payload, double *roll, double *pitch,
                                  double *heading);
FCLINK_EXPORT void decodeSensors(const quint8 *payload, DiagnosisInfo *info);
FCLINK_EXPORT qint16 decodeVoltage(const quint8 *payload);

} // namespace fclink

#endif // FCLINK_TELEMETRYDECODING_H
