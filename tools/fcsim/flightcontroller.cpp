#include "flightcontroller.h"

#include "fclink/link/frame.h"
#include "fclink/link/parameterslices.h"
#include "fclink/link/replydecoder.h"
#include "fclink/model/blockimage.h"
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
    return fclink::BlockImage::defaults().toStruct();
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
