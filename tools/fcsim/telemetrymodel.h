#ifndef FCSIM_TELEMETRYMODEL_H
#define FCSIM_TELEMETRYMODEL_H

#include <QtGlobal>

// A pretend flight: every value is a smooth function of the time since start, so telemetry
// moves and two runs look alike. Each fill function writes one 16-byte reply payload.
class TelemetryModel
{
public:
    static constexpr int kChannelCount = 8;
    static constexpr qint16 kSwitchPositions[3] = {-600, 0, 600};
    static constexpr qint64 kSwitchStepMs = 1500;
    static constexpr qint16 kSweepAmplitude = 700;

    // RC channels 1..8, int16 each. The go-home and IOC switch channels (1..8, 0 for none)
    // step through the three switch positions; every other channel sweeps within ±700.
    static void fillRcChannels(qint64 ms, int goHomeChannel, int iocChannel, quint8 *payload);

    // Roll, pitch and heading in tenths of a degree.
    static void fillAttitude(qint64 ms, quint8 *payload);

    // Bytes 0..3: milliseconds since start (unsigned 32-bit); bytes 4..5: battery voltage in
    // hundredths of a volt, drifting between 12.00 and 12.30 V.
    static void fillVoltage(qint64 ms, quint8 *payload);

    // Gyro X, Y, Z in tenths of a degree per second (the rates of the attitude above),
    // acceleration X, Y, Z in hundredths of m/s² (gravity seen through the attitude), altitude
    // in tenths of a metre, compass error byte.
    static void fillSensors(qint64 ms, quint8 *payload);

    // The single values behind the payloads, for callers that want them unpacked.
    static qint16 rcChannel(qint64 ms, int channel, int goHomeChannel, int iocChannel);
    static double rollDegrees(qint64 ms);
    static double pitchDegrees(qint64 ms);
    static double headingDegrees(qint64 ms);
    static qint16 voltageHundredths(qint64 ms);
};

#endif // FCSIM_TELEMETRYMODEL_H
