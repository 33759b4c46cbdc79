#include "frame.h"

#include "crc16.h"
#include "parameterslices.h"

#include <cstring>

namespace fclink {

namespace {
bool isWriteHead(quint8 head)
{
    return head >= 1 && head <= kSliceCount;
}
} // namespace

quint8 requestHeadByte(quint8 head)
{
    const bool readSlice = head >= 129 && head <= 128 + kSliceCount;
    const bool telemetry = head >= 192 && head <= 196;
    return (isWriteHead(head) || readSlice || telemetry) ? head : 0;
}

void buildRequestFrame(quint8 command, quint8 head, const quint8 *block, quint8 *frame)
{
    std::memset(frame, 0, kFrameSize);
    frame[0] = kRequestStart0;
    frame[1] = kRequestStart1;
    frame[offset::Command] = command;
    frame[offset::Head] = requestHeadByte(head);
    if (isWriteHead(head))
        copyBlockToSlice(head, block, frame + offset::Payload);
    storeChecksum(frame);
}

void buildReplyFrame(quint8 commandResult, quint8 deviceId, quint8 firmwareVersion, quint8 head,
                     const quint8 *payload, quint8 *frame)
{
    std::memset(frame, 0, kFrameSize);
    frame[0] = kReplyStart0;
    frame[1] = kReplyStart1;
    frame[offset::Command] = commandResult;
    frame[offset::DeviceId] = deviceId;
    frame[offset::FirmwareVersion] = firmwareVersion;
    frame[offset::Head] = head;
    if (payload)
        std::memcpy(frame + offset::Payload, payload, kSlicePayloadSize);
    storeChecksum(frame);
}

void storeChecksum(quint8 *frame)
{
    const quint16 crc = crc16(frame, kChecksummedLength);
    frame[offset::ChecksumHigh] = static_cast<quint8>(crc >> 8);
    frame[offset::ChecksumLow] = static_cast<quint8>(crc & 0xFF);
}

bool checksumValid(const quint8 *frame)
{
    const quint16 stored =
        static_cast<quint16>((frame[offset::ChecksumHigh] << 8) | frame[offset::ChecksumLow]);
    return crc16(frame, kChecksummedLength) == stored;
}

} // namespace fclink
