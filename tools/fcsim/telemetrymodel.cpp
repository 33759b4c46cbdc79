#include "telemetrymodel.h"

#include "fclink/link/frame.h"

#include <cmath>
#include <cstring>

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kDegree = kTwoPi / 360.0;
constexpr double kGravity = 9.81;

// Roll: a slow rock plus a small fast wobble; pitch: a slower rock; heading: a steady turn.
constexpr double kRollAmplitude = 8.0; // degrees
constexpr double kRollPeriod = 4.0;    // seconds
constexpr double kWobbleAmplitude = 0.5;
constexpr double kWobblePeriod = 0.37;
constexpr double kPitchAmplitude = 5.0;
constexpr double kPitchPeriod = 5.3;
constexpr double kPitchPhase = 1.0;
constexpr double kTurnRate = 6.0; // degrees per second

double seconds(qint64 ms)
{
    return static_cast<double>(ms) / 1000.0;
}

qint16 rounded(double value)
{
    return static_cast<qint16>(std::lround(value));
}

// Rates in degrees per second: the time derivatives of the attitude functions.
double rollRate(double t)
{
    return kRollAmplitude * (kTwoPi / kRollPeriod) * std::cos(kTwoPi * t / kRollPeriod) +
           kWobbleAmplitude * (kTwoPi / kWobblePeriod) * std::cos(kTwoPi * t / kWobblePeriod);
}

double pitchRate(double t)
{
    return kPitchAmplitude * (kTwoPi / kPitchPeriod) *
           std::cos(kTwoPi * t / kPitchPeriod + kPitchPhase);
}

} // namespace

qint16 TelemetryModel::rcChannel(qint64 ms, int channel, int goHomeChannel, int iocChannel)
{
    // Both switches move one position every step; the IOC switch runs one position ahead so
    // the two are rarely in the same place.
    const qint64 step = ms / kSwitchStepMs;
    if (channel == goHomeChannel)
        return kSwitchPositions[step % 3];
    if (channel == iocChannel)
        return kSwitchPositions[(step + 1) % 3];

    // Sticks and knobs: each channel its own period and phase.
    const double t = seconds(ms);
    const double period = 3.0 + 0.7 * (channel - 1);
    const double phase = 0.9 * (channel - 1);
    return rounded(kSweepAmplitude * std::sin(kTwoPi * t / period + phase));
}

double TelemetryModel::rollDegrees(qint64 ms)
{
    const double t = seconds(ms);
    return kRollAmplitude * std::sin(kTwoPi * t / kRollPeriod) +
           kWobbleAmplitude * std::sin(kTwoPi * t / kWobblePeriod);
}

double TelemetryModel::pitchDegrees(qint64 ms)
{
    return kPitchAmplitude * std::sin(kTwoPi * seconds(ms) / kPitchPeriod + kPitchPhase);
}

double TelemetryModel::headingDegrees(qint64 ms)
{
    return std::fmod(kTurnRate * seconds(ms), 360.0);
}

qint16 TelemetryModel::voltageHundredths(qint64 ms)
{
    // A three-cell pack resting near 12.15 V, drifting by ±0.15 V over twenty seconds.
    return rounded(1215.0 + 15.0 * std::sin(kTwoPi * seconds(ms) / 20.0));
}

void TelemetryModel::fillRcChannels(qint64 ms, int goHomeChannel, int iocChannel, quint8 *payload)
{
    std::memset(payload, 0, 16);
    for (int channel = 1; channel <= kChannelCount; ++channel)
        fclink::writeInt16(payload + 2 * (channel - 1),
                           rcChannel(ms, channel, goHomeChannel, iocChannel));
}

void TelemetryModel::fillAttitude(qint64 ms, quint8 *payload)
{
    std::memset(payload, 0, 16);
    fclink::writeInt16(payload + 0, rounded(10.0 * rollDegrees(ms)));
    fclink::writeInt16(payload + 2, rounded(10.0 * pitchDegrees(ms)));
    // Heading 0.0..359.9: rounding may reach 3600, which wraps to north.
    qint16 heading = rounded(10.0 * headingDegrees(ms));
    if (heading >= 3600)
        heading = 0;
    fclink::writeInt16(payload + 4, heading);
}

void TelemetryModel::fillVoltage(qint64 ms, quint8 *payload)
{
    std::memset(payload, 0, 16);
    const auto uptime = static_cast<quint32>(ms);
    payload[0] = static_cast<quint8>(uptime & 0xFF);
    payload[1] = static_cast<quint8>((uptime >> 8) & 0xFF);
    payload[2] = static_cast<quint8>((uptime >> 16) & 0xFF);
    payload[3] = static_cast<quint8>((uptime >> 24) & 0xFF);
    fclink::writeInt16(payload + 4, voltageHundredths(ms));
}

void TelemetryModel::fillSensors(qint64 ms, quint8 *payload)
{
    std::memset(payload, 0, 16);
    const double t = seconds(ms);
    const double roll = rollDegrees(ms) * kDegree;
    const double pitch = pitchDegrees(ms) * kDegree;

    fclink::writeInt16(payload + 0, rounded(10.0 * rollRate(t)));
    fclink::writeInt16(payload + 2, rounded(10.0 * pitchRate(t)));
    fclink::writeInt16(payload + 4, rounded(10.0 * kTurnRate));

    // Gravity in the body frame of an aircraft at this roll and pitch.
    const double accX = -kGravity * std::sin(pitch);
    const double accY = kGravity * std::sin(roll) * std::cos(pitch);
    const double accZ = kGravity * std::cos(roll) * std::cos(pitch);
    fclink::writeInt16(payload + 6, rounded(100.0 * accX));
    fclink::writeInt16(payload + 8, rounded(100.0 * accY));
    fclink::writeInt16(payload + 10, rounded(100.0 * accZ));

    // Hovering at about 12 m, slowly rising and sinking by 3 m.
    fclink::writeInt16(payload + 12, rounded(10.0 * (12.0 + 3.0 * std::sin(kTwoPi * t / 25.0))));

    // A compass error that wanders between 0 and 4.
    payload[14] = static_cast<quint8>(std::lround(2.0 + 2.0 * std::sin(kTwoPi * t / 30.0)));
}
