#include "toolcommands.h"

#include "fclink/link/commrt.h"
#include "fclink/link/replydecoder.h"

namespace {

using namespace fclink;

const ToolCommand kCommands[] = {
    {"flash", [](Commrt &link) { link.writeFlash(); }, true, status::FlashSaved,
     status::FlashFailed},
    {"calib-acc", [](Commrt &link) { link.calibrate(Sensor::Accelerometers); }, true,
     status::AccCalibrated, status::AccFailed},
    {"calib-gyro", [](Commrt &link) { link.calibrate(Sensor::Gyros); }, true,
     status::GyroCalibrated, status::GyroFailed},
    {"calib-volt", [](Commrt &link) { link.calibrate(Sensor::Voltage); }, true,
     status::VoltageCalibrated, status::VoltageFailed},
    {"test-bec", [](Commrt &link) { link.testBec(); }, false, 0, 0},
    {"calib-rc-neutral", [](Commrt &link) { link.calibrateRcNeutral(); }, false, 0, 0},
    {"rc-scale-start", [](Commrt &link) { link.startRcScaleCalibration(); }, false, 0, 0},
    {"rc-scale-stop", [](Commrt &link) { link.stopRcScaleCalibration(); }, false, 0, 0},
    {"bind-dsm", [](Commrt &link) { link.bindDsm(); }, false, 0, 0},
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
