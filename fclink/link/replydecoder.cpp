#include "replydecoder.h"

#include "fclink/model/fieldbytes.h"
#include "frame.h"
#include "parameterslices.h"
#include "telemetrydecoding.h"

#include <cstring>

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
    ++headGeneration;
}

void RequestState::startFreshRead(bool keepCutUpload)
{
    firmwareInfoKnown = false; // another controller may answer on this port now
    blockRead = false;
    uploadDeferred = false;
    resumeUpload = resumeUpload && keepCutUpload;
    confirmedKnown = false;
    startParameterRead();
}

void RequestState::startParameterRead()
{
    command = command::ReadParameters;
    connected = false;
    verifying = false;
    chooseHead(head::FirstRead);
}

void RequestState::keepAskingForParameters()
{
    command = command::ReadParameters;
    connected = false;
    verifying = false;
    if (head != head::FirstRead)
        chooseHead(head::FirstRead);
    headRequested = true;
}

bool RequestState::isUploadUnderWay() const
{
    const bool sending = head >= head::FirstWrite && head <= head::LastWrite;
    return sending || verifying || uploadDeferred || resumeUpload;
}

void RequestState::keepUploadForResume(const quint8 *block)
{
    if (resumeUpload || !blockRead || !isUploadUnderWay())
        return; // already kept, or the first read's deferred upload, which the read carries
    resumeUpload = true;
    std::memcpy(resumeBlock, block, kParameterBlockSize);
    std::memcpy(resumeBase, confirmedKnown ? confirmed : block, kParameterBlockSize);
}

void RequestState::requestUpload()
{
    verifying = false;
    uploadAttempt = 1;
    // Until the block has been read it holds nothing of this controller's; the upload follows
    // the read, and carries the edits made to slices that were read before them.
    const bool reading = head >= head::FirstRead && head <= head::LastRead;
    if (!blockRead && (reading || !connected)) {
        uploadDeferred = true;
        return;
    }
    chooseHead(head::FirstWrite);
}

void RequestState::requestFirmwareInfo()
{
    if (command != command::None && command != command::ReadParameters)
        return;
    commandBeforeInfo = command;
    command = command::FirmwareInfo;
    repliesWithoutInfo = 0;
}

quint16 firmwareInfoVersion(const quint8 *payload)
{
    return static_cast<quint16>(payload[4] | (payload[5] << 8));
}

namespace {

// A controller that has not answered the question within this many replies does not know it.
constexpr int kRepliesBeforeInfoIsGivenUp = 4;

void decodeFirmwareInfo(const quint8 *frame, RequestState &state, ReplyEffects &effects)
{
    if (frame[offset::Command] == command::FirmwareInfo) {
        state.firmwareInfoVersion = firmwareInfoVersion(frame + offset::Payload);
        state.firmwareInfoKnown = true;
        effects.firmwareInfo = true;
    } else if (state.command != command::FirmwareInfo ||
               ++state.repliesWithoutInfo < kRepliesBeforeInfoIsGivenUp) {
        return;
    }
    if (state.command == command::FirmwareInfo)
        state.command = state.commandBeforeInfo;
}

bool isWriteAck(quint8 h)
{
    return h >= head::FirstWrite && h <= head::LastWrite;
}

bool isReadSlice(quint8 h)
{
    return h >= head::FirstRead && h <= head::LastRead;
}

// Whether a reply answers the request the link is making now (see RequestState).
bool answersCurrentRequest(const RequestState &state, quint8 replyHead)
{
    if (replyHead != state.head)
        return false;
    return !state.headRequested || state.framesSinceHeadChosen > 0;
}

void moveTo(RequestState &state, quint8 next)
{
    state.head = next;
    state.headRequested = false;
}

void startVerification(RequestState &state)
{
    state.verifying = true;
    state.chooseHead(head::FirstRead);
}

void decodeWriteAck(quint8 replyHead, RequestState &state, ReplyEffects &effects)
{
    if (replyHead == head::FirstWrite)
        effects.uploadStatus = status::Uploading;
    if (replyHead == head::LastWrite) {
        effects.uploadStatus = status::ParametersUploaded;
        startVerification(state);
        return;
    }
    moveTo(state, replyHead + 1);
}

void finishVerification(RequestState &state, quint8 *block, ReplyEffects &effects)
{
    state.verifying = false;
    effects.rejectedFields = differingFields(block, state.readBack);
    std::memcpy(state.confirmed, state.readBack, kParameterBlockSize);
    state.confirmedKnown = true;
    if (effects.rejectedFields.isEmpty()) {
        effects.verification = Verification::Equal;
        moveTo(state, head::RcChannels);
        return;
    }
    if (state.uploadAttempt < 2) {
        // Once more: a slice may have been stored before a late edit reached it.
        ++state.uploadAttempt;
        effects.rejectedFields.clear();
        state.chooseHead(head::FirstWrite);
        return;
    }
    // The pages show what the controller holds, not what it refused.
    effects.verification = Verification::Different;
    std::memcpy(block, state.readBack, kParameterBlockSize);
    effects.parametersChanged = true;
    moveTo(state, head::RcChannels);
}

// Whether every byte read is either what the controller held or what was being uploaded to it:
// the controller an upload was cut off on, with some of its slices written.
bool isHalfWayBetween(const quint8 *read, const quint8 *before, const quint8 *after)
{
    for (int i = 0; i < kParameterBlockSize; ++i) {
        if (read[i] != before[i] && read[i] != after[i])
            return false;
    }
    return true;
}

void finishRead(RequestState &state, quint8 *block, ReplyEffects &effects)
{
    effects.firstReadAfterOpen = !state.blockRead;
    state.blockRead = true;
    effects.parametersChanged = true;
    std::memcpy(state.confirmed, block, kParameterBlockSize);
    state.confirmedKnown = true;
    if (state.resumeUpload && !isHalfWayBetween(block, state.resumeBase, state.resumeBlock)) {
        state.resumeUpload = false;
        effects.cutUploadDropped = true;
        // What the upload changed that the controller does not hold.
        const QStringList notHeld = differingFields(state.resumeBlock, block);
        for (const QString &name : differingFields(state.resumeBlock, state.resumeBase)) {
            if (notHeld.contains(name))
                effects.droppedFields << name;
        }
    }
    if (state.resumeUpload) {
        // The block holds the controller's values again; what was being uploaded goes back.
        state.resumeUpload = false;
        std::memcpy(block, state.resumeBlock, kParameterBlockSize);
        state.uploadAttempt = 1;
        state.uploadDeferred = false;
        effects.uploadResumed = true;
        state.chooseHead(head::FirstWrite);
        return;
    }
    if (state.uploadDeferred) {
        state.uploadDeferred = false;
        state.chooseHead(head::FirstWrite);
        return;
    }
    moveTo(state, head::RcChannels);
}

void decodeReadSlice(quint8 replyHead, const quint8 *payload, RequestState &state, quint8 *block,
                     ReplyEffects &effects)
{
    copySliceToBlock(replyHead - 128, payload, state.verifying ? state.readBack : block);
    if (replyHead != head::LastRead)
        moveTo(state, replyHead + 1);
    else if (state.verifying)
        finishVerification(state, block, effects);
    else
        finishRead(state, block, effects);
}

quint8 nextTelemetryHead(quint8 replyHead)
{
    switch (replyHead) {
    case head::RcChannels:
        return head::Attitude;
    case head::Attitude:
        return head::Sensors;
    case head::Sensors:
        return head::Voltage;
    default:
        return head::RcChannels;
    }
}

// Telemetry values are stored whatever request they answer (they are measurements, and a late
// one is only a little old); only an answer to the current request moves the loop on, and only
// the voltage reply that ends the current cycle announces it, so a repeated reply does not.
void decodeTelemetry(quint8 replyHead, const quint8 *payload, bool current, RequestState &state,
                     const TelemetryTargets &telemetry, ReplyEffects &effects)
{
    switch (replyHead) {
    case head::RcChannels:
        decodeRcChannels(payload, telemetry.rcChannels);
        break;
    case head::Attitude:
        decodeAttitude(payload, telemetry.roll, telemetry.pitch, telemetry.heading);
        break;
    case head::Sensors:
        decodeSensors(payload, telemetry.diagnosis);
        break;
    case head::Voltage:
        *telemetry.voltage = decodeVoltage(payload);
        effects.telemetryChanged = current || state.headRequested;
        break;
    default:
        return;
    }
    if (current)
        moveTo(state, nextTelemetryHead(replyHead));
}

// A result ends the command it belongs to. A result of another command (a late one, or one
// repeated while the controller still reports it) is still reported, but must not wipe out a
// command set since.
void decodeCommandResult(quint8 result, RequestState &state, ReplyEffects &effects)
{
    effects.commandStatus = statusForCommandResult(result);
    if (effects.commandStatus < 0)
        return;
    if ((result & ~command::FailedBit) == state.command)
        state.command = command::None;
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

    decodeCommandResult(frame[offset::Command], state, effects);
    decodeFirmwareInfo(frame, state, effects);
    state.deviceId = frame[offset::DeviceId];
    state.firmwareVersion = frame[offset::FirmwareVersion];

    const quint8 replyHead = frame[offset::Head];
    const quint8 *payload = frame + offset::Payload;
    const bool current = answersCurrentRequest(state, replyHead);
    if (isWriteAck(replyHead)) {
        if (current)
            decodeWriteAck(replyHead, state, effects);
    } else if (isReadSlice(replyHead)) {
        if (current)
            decodeReadSlice(replyHead, payload, state, block, effects);
    } else {
        decodeTelemetry(replyHead, payload, current, state, telemetry, effects);
    }
    return effects;
}

} // namespace fclink
