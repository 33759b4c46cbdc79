#include "toolcommands.h"

#include <replydecoder.h>

namespace {

using namespace fclink;

const ToolCommand kCommands[] = {
    {"flash", command::WriteFlash, true, status::FlashSaved, status::FlashFailed},
    {"calib-acc", command::CalibrateAccelerometers, true, status::AccCalibrated, status::AccFailed},
    {"calib-gyro", command::CalibrateGyros, true, status::GyroCalibrated, status::GyroFailed},
    {"calib-volt", command::CalibrateVoltage, true, status::VoltageCalibrated,
     status::VoltageFailed},
    {"test-bec", command::TestBec, false, 0, 0},
    {"calib-rc-neutral", command::CalibrateRcNeutral, false, 0, 0},
    {"rc-scale-start", command::StartRcScale, false, 0, 0},
    {"rc-scale-stop", command::StopRcScale, false, 0, 0},
    {"bind-dsm", command::BindDsm, false, 0, 0},
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
