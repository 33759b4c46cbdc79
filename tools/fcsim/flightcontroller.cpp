#include "flightcontroller.h"

#include "frame.h"
#include "parameterslices.h"
#include "replydecoder.h"
#include "telemetrymodel.h"

#include <cstring>

FlightController::FlightController(const UavParam &block, quint16 firmwareVersion,
                                   int commandDelayMs, const QSet<quint8> &failingCommands)
    : m_block(block), m_firmwareVersion(firmwareVersion), m_commandDelayMs(commandDelayMs),
      m_failingCommands(failingCommands)
{
}

UavParam FlightController::defaultBlock()
{
    UavParam p = {};

    // Servo trims and reversals all neutral (zero-initialised above).
    p.MotorIdel = 2;
    p.SwashServoType = 1;
    p.TailLimitA = 80;
    p.TailLimitB = 80;
    p.AilLimit = 80;
    p.EleLimit = 80;
    p.CollRatio = 60;

    p.BatteryCell = 3;
    p.SafeGard1 = 1;
    p.SafeGard2 = 2;
    p.VoltProtectSwitch = 1;
    p.LossVolt = 1110;
    p.ProtectVolt1 = 1050;
    p.ProtectVolt2 = 1000;

    p.ChannelMapA = 1;
    p.ChannelMapE = 2;
    p.ChannelMapT = 3;
    p.ChannelMapR = 4;
    p.ChannelMapU = 5;
    p.ChannelMapC = 6;
    p.ChannelMap7 = 5; // go-home switch
    p.ChannelMap8 = 6; // IOC switch

    // Rate loops.
    p.PKtotal = 40;
    p.PKp = 20;
    p.PKi = 10;
    p.PKd = 5;
    p.QKtotal = 40;
    p.QKp = 20;
    p.QKi = 10;
    p.QKd = 5;
    p.RKtotal = 35;
    p.RKp = 18;
    p.RKi = 8;
    p.RKd = 4;
    // Attitude loops.
    p.PhiKtotal = 40;
    p.PhiKp = 25;
    p.PhiKi = 5;
    p.PhiKd = 10;
    p.ThetaKtotal = 40;
    p.ThetaKp = 25;
    p.ThetaKi = 5;
    p.ThetaKd = 10;
    p.PsiKtotal = 30;
    p.PsiKp = 20;
    p.PsiKi = 5;
    p.PsiKd = 8;
    // Height, vertical speed, position.
    p.HKtotal = 30;
    p.HKp = 20;
    p.HKi = 10;
    p.HKd = 5;
    p.VKtotal = 30;
    p.VKp = 20;
    p.VKi = 10;
    p.VKd = 5;
    p.PositionKtotal = 25;
    p.PositionKp = 15;
    p.PositionKi = 5;
    p.PositionKd = 5;
    p.VUKtotal = 30;
    p.VUKp = 20;
    p.VUKi = 10;
    p.VUKd = 5;
    p.SideDistKtotal = 20;
    p.SideDistKp = 10;
    p.SideDistKi = 5;
    p.SideDistKd = 2;

    p.IocFunctionMiddle = 1;
    p.IocFunctionRight = 3;

    p.FailType = 1;
    p.TurnbackHeight = 30;
    p.GoHomeEnable = 1;
    p.GoHomeHeading = 1;
    p.ReachDistAlt = 5;
    p.MaxAutoSpin = 30;
    p.MaxPhi = 35;
    p.MaxTheta = 35;
    p.MaxVcruise = 10;
    p.MinVcruise = 2;
    p.MaxClimbrate = 3;
    p.MaxDeclinerate = 2;
    p.MaxThetaByhand = 30;
    p.MaxPhiByhand = 30;

    p.LimitRadius = 500;
    p.LimitAlt = 120;
    p.ForbidAreaEnable = 0;
    return p;
}

bool FlightController::reportsResult(quint8 command)
{
    return command == fclink::command::WriteFlash || command == fclink::command::CalibrateVoltage ||
           command == fclink::command::CalibrateAccelerometers ||
           command == fclink::command::CalibrateGyros;
}

FlightController::Outcome FlightController::handleRequest(const quint8 *request, qint64 ms,
                                                          quint8 *reply)
{
    Outcome outcome;

    const quint8 command = request[fclink::offset::Command];
    if (command != m_lastCommand) {
        // A new command ends the report of the previous result and abandons any command that
        // is still running; only the commands with a result start work.
        m_lastCommand = command;
        m_resultCode = 0;
        m_runningCommand = 0;
        m_commandDueAt = -1;
        if (reportsResult(command)) {
            m_runningCommand = command;
            m_commandDueAt = ms + m_commandDelayMs;
            outcome.commandStarted = true;
        }
    }
    finishDueCommand(ms);

    quint8 replyHead = fclink::head::None;
    quint8 payload[fclink::kSlicePayloadSize] = {};
    buildPayload(request[fclink::offset::Head], request + fclink::offset::Payload, ms, &replyHead,
                 payload, &outcome);

    fclink::buildReplyFrame(m_resultCode, kDeviceId, firmwareVersionByte(), replyHead, payload,
                            reply);
    return outcome;
}

bool FlightController::finishDueCommand(qint64 ms)
{
    if (m_runningCommand == 0 || ms < m_commandDueAt)
        return false;

    bool failed = m_failingCommands.contains(m_runningCommand);
    if (!failed && m_runningCommand == fclink::command::WriteFlash && m_flashWriter)
        failed = !m_flashWriter(m_block);

    m_resultCode = failed ? static_cast<quint8>(m_runningCommand | fclink::command::FailedBit)
                          : m_runningCommand;
    m_runningCommand = 0;
    m_commandDueAt = -1;
    return true;
}

void FlightController::buildPayload(quint8 requestHead, const quint8 *requestPayload, qint64 ms,
                                    quint8 *replyHead, quint8 *payload, Outcome *outcome)
{
    quint8 *block = fclink::parameterBlockBytes(m_block);

    if (requestHead >= fclink::head::FirstWrite && requestHead <= fclink::head::LastWrite) {
        const int slice = requestHead;
        quint8 kept[fclink::kParameterBlockSize];
        std::memcpy(kept, block, sizeof kept);
        fclink::copySliceToBlock(slice, requestPayload, block);
        for (const int offset : qAsConst(m_ignoredWriteOffsets))
            block[offset] = kept[offset];
        outcome->blockChanged = true;
        // The acknowledgement echoes the slice as stored.
        fclink::copyBlockToSlice(slice, block, payload);
        *replyHead = requestHead;
        return;
    }
    if (requestHead >= fclink::head::FirstRead && requestHead <= fclink::head::LastRead) {
        fclink::copyBlockToSlice(requestHead - 128, block, payload);
        *replyHead = requestHead;
        return;
    }

    switch (requestHead) {
    case fclink::head::RcChannels:
        TelemetryModel::fillRcChannels(ms, switchChannel(m_block.ChannelMap7),
                                       switchChannel(m_block.ChannelMap8), payload);
        break;
    case fclink::head::Attitude:
        TelemetryModel::fillAttitude(ms, payload);
        break;
    case fclink::head::Voltage:
        TelemetryModel::fillVoltage(ms, payload);
        break;
    case fclink::head::Sensors:
        TelemetryModel::fillSensors(ms, payload);
        break;
    default:
        // No subframe, or one this controller does not know: an empty reply with head 0.
        std::memset(payload, 0, fclink::kSlicePayloadSize);
        *replyHead = fclink::head::None;
        return;
    }
    *replyHead = requestHead;
}

int FlightController::switchChannel(quint8 mapping) const
{
    return (mapping >= 1 && mapping <= TelemetryModel::kChannelCount) ? mapping : 0;
}
