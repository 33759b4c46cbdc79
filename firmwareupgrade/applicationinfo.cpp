#include "applicationinfo.h"

#include "fclink/link/frame.h"
#include "fclink/link/parameterslices.h"

#include <cstring>

namespace fwupgrade {

void ApplicationInfo::encodePayload(quint8 *payload) const
{
    std::memset(payload, 0, fclink::kSlicePayloadSize);
    for (int i = 0; i < 4; ++i)
        payload[i] = static_cast<quint8>(flashSize >> (8 * i));
    payload[4] = static_cast<quint8>(firmwareVersion & 0xFF);
    payload[5] = static_cast<quint8>(firmwareVersion >> 8);
    payload[6] = bootloaderVersion;
}

bool ApplicationInfo::decodeReply(const quint8 *frame)
{
    if (frame[fclink::offset::Command] != kInfoCommand)
        return false;
    const quint8 *payload = frame + fclink::offset::Payload;
    deviceId = frame[fclink::offset::DeviceId];
    flashSize = 0;
    for (int i = 0; i < 4; ++i)
        flashSize |= static_cast<quint32>(payload[i]) << (8 * i);
    firmwareVersion = fclink::firmwareInfoVersion(payload);
    bootloaderVersion = payload[6];
    return true;
}

} // namespace fwupgrade
