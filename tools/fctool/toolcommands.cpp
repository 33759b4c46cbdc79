#include "toolcommands.h"

#include "fclink/link/commrt.h"

namespace {

using fclink::LinkOutcome;
using fclink::Sensor;

ToolCommand withResult(const char *name, void (*send)(Commrt &), LinkOutcome succeeded,
                       LinkOutcome failed)
{
    return {name, send, true, succeeded, failed};
}

// Its outcomes are never looked at: nothing is reported for it.
ToolCommand withoutResult(const char *name, void (*send)(Commrt &))
{
    return {name, send, false, LinkOutcome::Uploaded, LinkOutcome::Uploaded};
}

const ToolCommand kCommands[] = {
    withResult(
        "flash", [](Commrt &link) { link.writeFlash(); }, LinkOutcome::FlashSaved,
        LinkOutcome::FlashFailed),
    withResult(
        "calib-acc", [](Commrt &link) { link.calibrate(Sensor::Accelerometers); },
        LinkOutcome::AccelerometersCalibrated, LinkOutcome::AccelerometersFailed),
    withResult(
        "calib-gyro", [](Commrt &link) { link.calibrate(Sensor::Gyros); },
        LinkOutcome::GyrosCalibrated, LinkOutcome::GyrosFailed),
    withResult(
        "calib-volt", [](Commrt &link) { link.calibrate(Sensor::Voltage); },
        LinkOutcome::VoltageCalibrated, LinkOutcome::VoltageFailed),
    withoutResult("test-bec", [](Commrt &link) { link.testBec(); }),
    withoutResult("calib-rc-neutral", [](Commrt &link) { link.calibrateRcNeutral(); }),
    withoutResult("rc-scale-start", [](Commrt &link) { link.startRcScaleCalibration(); }),
    withoutResult("rc-scale-stop", [](Commrt &link) { link.stopRcScaleCalibration(); }),
    withoutResult("bind-dsm", [](Commrt &link) { link.bindDsm(); }),
};

} // namespace

const ToolCommand *findToolCommand(const QString &name)
{
    for (const ToolCommand &command : kCommands) {
        if (name == QLatin1String(command.name))
            return &command;
    }
    return nullptr;
}

QStringList toolCommandNames()
{
    QStringList names;
    for (const ToolCommand &command : kCommands)
        names.append(QLatin1String(command.name));
    return names;
}
