#ifndef FIRMWAREUPGRADE_APPLICATIONINFO_H
#define FIRMWAREUPGRADE_APPLICATIONINFO_H

#include "fclink/link/replydecoder.h"
#include "firmwareupgrade_global.h"

#include <QtGlobal>

namespace fwupgrade {

// What the flight controller's application says about itself when asked on the link, before
// an upgrade: a link request frame with command kInfoCommand (head 0) is answered with a reply
// frame whose command result is kInfoCommand and whose 16-byte payload holds
//
//   offset size  field
//        0    4  flash size in bytes (the largest image the controller takes)
//        4    2  firmware version in hundredths (the reply's version byte holds only its low
//                8 bits)
//        6    1  bootloader version
//        7    9  reserved, 0
//
// little-endian; the device id is the reply's own (offset 11). The application restarts into
// its bootloader on a request with command kEnterBootloaderCommand, which it answers once with
// that command as its result. The link library asks the same question to learn the whole
// version (fclink::command::FirmwareInfo, fclink::firmwareInfoVersion).
struct FIRMWAREUPGRADE_EXPORT ApplicationInfo
{
    static constexpr quint8 kInfoCommand = fclink::command::FirmwareInfo;
    static constexpr quint8 kEnterBootloaderCommand = 0xB1;

    quint8 deviceId = 0;
    quint16 firmwareVersion = 0;
    quint32 flashSize = 0;
    quint8 bootloaderVersion = 0;

    // Fills a 16-byte reply payload.
    void encodePayload(quint8 *payload) const;
    // Reads a checksum-valid 64-byte reply frame; false unless it answers kInfoCommand.
    bool decodeReply(const quint8 *frame);
};

} // namespace fwupgrade

#endif // FIRMWAREUPGRADE_APPLICATIONINFO_H
