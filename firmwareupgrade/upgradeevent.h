#ifndef FIRMWAREUPGRADE_UPGRADEEVENT_H
#define FIRMWAREUPGRADE_UPGRADEEVENT_H

#include "firmwareupgrade_global.h"

#include <QEvent>

// One report of an upgrade run, posted to the receiver given to FirmwareUpgradeLib::init. Its
// type is QEvent::User; the fields after the QEvent part are 32-bit, in this order.
class FIRMWAREUPGRADE_EXPORT UpgradeEvent : public QEvent
{
public:
    enum Code : quint32
    {
        RunEnded = 1,
        PortOpened = 3,
        PortOpenFailed = 4,
        VersionError = 7,
        SendCheckError = 8,
        ReceiveCheckError = 9,
        TimeOut = 10,
        Progress = 11,
        FileError = 12,
        FileOpened = 13,
        FileOpenError = 14,
        EraseError = 18,
        FileSizeError = 19,
        LengthError = 20,
        FlashingBegins = 21,
        UpgradeCompleted = 22,
        AddressError = 23,
        FlashError = 24,
        HeadError = 26,
        GoToApplicationError = 28,
        DeviceError = 31,
        StateError = 32,
        // Only from a probe (FirmwareUpgradeLib::probe): the bootloader answers and the flash
        // holds no firmware that can run.
        WaitingForFirmware = 33,
        // Only from a probe: nothing on the port speaks the bootloader protocol.
        NoBootloader = 34,
        // The controller was sent back to the intact firmware it had (firmwareVersion).
        ApplicationResumed = 35,
        // The image is not newer than the installed firmware (firmwareVersion) and the client
        // did not allow that: nothing was flashed.
        DowngradeRefused = 36,
        // Only from a probe that leaves the controller where it is: the bootloader answers and
        // its flash holds intact firmware (firmwareVersion).
        FirmwareIntact = 37
    };

    UpgradeEvent(quint32 code, qint32 portNumber, qint32 progress = 0);

    quint32 code;
    qint32 portNumber; // the number at the end of the opened port's name, -1 when there is none
    // The firmware version in hundredths with UpgradeCompleted (the image's), ApplicationResumed
    // (the one running again), DowngradeRefused (the installed one) and FirmwareIntact; -1
    // otherwise.
    qint32 firmwareVersion = -1;
    // With a probe's reports: the device id and bootloader version the bootloader gave; 0
    // otherwise.
    qint32 deviceId = 0;
    qint32 bootloaderVersion = 0;
    qint32 reserved4 = 0;
    qint32 progress; // percent of the image written, with code 11
};

#endif // FIRMWAREUPGRADE_UPGRADEEVENT_H
