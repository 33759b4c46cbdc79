#include "replydecoder.h"

#include "frame.h"
#include "parameterslices.h"

namespace fclink {

int statusForCommandResult(quint8 result)
{
    switch (result) {
    case command::WriteFlash:
        return status::FlashSaved;
    case command::WriteFlash | command::FailedBit:
        return status::FlashFailed;
    case command::CalibrateAccelerometers:
        return status::AccCalibrated;
    case command::CalibrateAccelerometers | command::FailedBit:
        return status::AccFailed;
    case command::CalibrateGyros:
        return status::GyroCalibrated;
    case command::CalibrateGyros | command::FailedBit:
        return status::GyroFailed;
    case command::CalibrateVoltage:
        return status::VoltageCalibrated;
    case command::CalibrateVoltage | command::FailedBit:
        return status::VoltageFailed;
    default:
        return -1;
    }
}

void RequestState::chooseHead(quint8 chosen)
{
    head = chosen;
    headRequested = true;
    framesSinceHeadChosen = 0;
}

void RequestState::startParameterRead()
{
    command = command::ReadParameters;
    connected = false;
    chooseHead(head::FirstRead);
}

namespace {

bool isWriteAck(quint8 h)
{
    return h >= head::FirstWrite && h <= head::LastWrite;
}

bool isReadSlice(quint8 h)
{
    return h >= head::FirstRead && h <= head::LastRead;
}

// The first reply of a sequence answers the chosen head only if a frame carrying that head
// went out after it was chosen; anything else is a late answer to an earlier request.
bool answersChosenHead(const RequestState &state, quint8 replyHead)
{
    return !state.headRequested || (state.head == replyHead && state.framesSinceHeadChosen > 0);
}

void advanceUnlessHeadChosen(RequestState &state, quint8 next)
{
    if (!state.headRequested)
        state.head = next;
}

void decodeWriteAck(quint8 replyHead, RequestState &state, ReplyEffects &effects)
{
    if (replyHead == head::FirstWrite) {
        if (!answersChosenHead(state, replyHead))
            return;
        state.headRequested = false;
        state.head = replyHead + 1;
        effects.uploadStatus = status::Uploading;
        return;
    }
    // Acknowledgements of slices 2..14 move the upload on only while no new head is chosen,
    // so a new upload asked for in the middle of one always starts again at slice 1.
    if (state.headRequested)
        return;
    if (replyHead == head::LastWrite) {
        effects.uploadStatus = status::ParametersUploaded;
        state.head = head::RcChannels;
    } else {
        state.head = replyHead + 1;
    }
}

void decodeReadSlice(quint8 replyHead, const quint8 *payload, RequestState &state, quint8 *block,
                     ReplyEffects &effects)
{
    copySliceToBlock(replyHead - 128, payload, block);
    if (replyHead == head::FirstRead) {
        if (answersChosenHead(state, replyHead)) {
            state.headRequested = false;
            state.head = replyHead + 1;
        }
        return;
    }
    if (replyHead == head::LastRead) {
        effects.parametersChanged = true;
        advanceUnlessHeadChosen(state, head::RcChannels);
    } else {
        advanceUnlessHeadChosen(state, replyHead + 1);
    }
}

void decodeTelemetry(quint8 replyHead, const quint8 *payload, RequestState &state,
                     const TelemetryTargets &telemetry, ReplyEffects &effects)
{
    switch (replyHead) {
    case head::RcChannels:
        decodeRcChannels(payload, telemetry.rcChannels);
        advanceUnlessHeadChosen(state, head::Attitude);
        break;
    case head::Attitude:
        decodeAttitude(payload, telemetry.roll, telemetry.pitch, telemetry.heading);
        advanceUnlessHeadChosen(state, head::Sensors);
        break;
    case head::Sensors:
        decodeSensors(payload, telemetry.diagnosis);
        advanceUnlessHeadChosen(state, head::Voltage);
        break;
    case head::Voltage:
        *telemetry.voltage = decodeVoltage(payload);
        effects.telemetryChanged = true;
        advanceUnlessHeadChosen(state, head::RcChannels);
        break;
    default:
        break;
    }
}

} // namespace

ReplyEffects decodeReply(const quint8 *frame, RequestState &state, quint8 *block,
                         const TelemetryTargets &telemetry)
{
    ReplyEffects effects;
    if (!state.connected) {
        state.connected = true;
        effects.becameConnected = true;
    }
    state.missedReplies = 0;

    effects.commandStatus = statusForCommandResult(frame[offset::Command]);
    if (effects.commandStatus >= 0)
        state.command = command::None;

    state.deviceId = frame[offset::DeviceId];
    state.firmwareVersion = frame[offset::FirmwareVersion];

    const quint8 replyHead = frame[offset::Head];
    const quint8 *payload = frame + offset::Payload;
    if (isWriteAck(replyHead))
        decodeWriteAck(replyHead, state, effects);
    else if (isReadSlice(replyHead))
        decodeReadSlice(replyHead, payload, state, block, effects);
    else
        decodeTelemetry(replyHead, payload, state, telemetry, effects);
    return effects;
}

} // namespace fclink
