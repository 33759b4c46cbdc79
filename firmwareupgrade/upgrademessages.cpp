#include "upgrademessages.h"

#include "upgradeevent.h"

using fclink::MessageSeverity;

namespace {

struct UpgradeMessage
{
    quint32 code;
    const char *text;
    MessageSeverity severity;
};

constexpr UpgradeMessage kMessages[] = {
    {UpgradeEvent::RunEnded, QT_TRANSLATE_NOOP("UpgradeMessages", "Exit"), MessageSeverity::Info},
    {UpgradeEvent::PortOpened, QT_TRANSLATE_NOOP("UpgradeMessages", "%1 open OK"),
     MessageSeverity::Success},
    {UpgradeEvent::PortOpenFailed, QT_TRANSLATE_NOOP("UpgradeMessages", "%1 open error"),
     MessageSeverity::Error},
    {UpgradeEvent::VersionError, QT_TRANSLATE_NOOP("UpgradeMessages", "Version Error"),
     MessageSeverity::Error},
    {UpgradeEvent::SendCheckError, QT_TRANSLATE_NOOP("UpgradeMessages", "Send Check Error"),
     MessageSeverity::Error},
    {UpgradeEvent::ReceiveCheckError, QT_TRANSLATE_NOOP("UpgradeMessages", "Recv Check Error"),
     MessageSeverity::Error},
    {UpgradeEvent::TimeOut, QT_TRANSLATE_NOOP("UpgradeMessages", "Timeout Error"),
     MessageSeverity::Error},
    {UpgradeEvent::FileError, QT_TRANSLATE_NOOP("UpgradeMessages", "File Error"),
     MessageSeverity::Error},
    {UpgradeEvent::FileOpened, QT_TRANSLATE_NOOP("UpgradeMessages", "File open OK"),
     MessageSeverity::Success},
    {UpgradeEvent::FileOpenError, QT_TRANSLATE_NOOP("UpgradeMessages", "File Open Error"),
     MessageSeverity::Error},
    {UpgradeEvent::EraseError, QT_TRANSLATE_NOOP("UpgradeMessages", "Erase Error"),
     MessageSeverity::Error},
    {UpgradeEvent::FileSizeError, QT_TRANSLATE_NOOP("UpgradeMessages", "File Size Error"),
     MessageSeverity::Error},
    {UpgradeEvent::LengthError, QT_TRANSLATE_NOOP("UpgradeMessages", "Length Error"),
     MessageSeverity::Error},
    {UpgradeEvent::FlashingBegins,
     QT_TRANSLATE_NOOP("UpgradeMessages", "Upgrading now, please wait..."), MessageSeverity::Info},
    {UpgradeEvent::UpgradeCompleted, QT_TRANSLATE_NOOP("UpgradeMessages", "Upgraded OK"),
     MessageSeverity::Success},
    {UpgradeEvent::AddressError, QT_TRANSLATE_NOOP("UpgradeMessages", "Address Error"),
     MessageSeverity::Error},
    {UpgradeEvent::FlashError, QT_TRANSLATE_NOOP("UpgradeMessages", "Flash Error"),
     MessageSeverity::Error},
    {UpgradeEvent::HeadError, QT_TRANSLATE_NOOP("UpgradeMessages", "Head Error"),
     MessageSeverity::Error},
    {UpgradeEvent::GoToApplicationError, QT_TRANSLATE_NOOP("UpgradeMessages", "Go to App Error"),
     MessageSeverity::Error},
    {UpgradeEvent::DeviceError,
     QT_TRANSLATE_NOOP("UpgradeMessages", "Device Error, please check module connection"),
     MessageSeverity::Error},
    {UpgradeEvent::StateError, QT_TRANSLATE_NOOP("UpgradeMessages", "State Error"),
     MessageSeverity::Error},
    {UpgradeEvent::ApplicationResumed,
     QT_TRANSLATE_NOOP("UpgradeMessages", "The flight controller keeps its firmware"),
     MessageSeverity::Info},
    {UpgradeEvent::DowngradeRefused,
     QT_TRANSLATE_NOOP("UpgradeMessages",
                       "Not flashed: the firmware is not newer than the installed one"),
     MessageSeverity::Error},
    {UpgradeEvent::FirmwareIntact,
     QT_TRANSLATE_NOOP("UpgradeMessages",
                       "The flight controller waits in its bootloader; its firmware is whole"),
     MessageSeverity::Info},
};

const UpgradeMessage *find(quint32 code)
{
    for (const UpgradeMessage &message : kMessages) {
        if (message.code == code)
            return &message;
    }
    return nullptr;
}

bool namesThePort(quint32 code)
{
    return code == UpgradeEvent::PortOpened || code == UpgradeEvent::PortOpenFailed;
}

} // namespace

QVector<quint32> UpgradeMessages::codes()
{
    QVector<quint32> codes;
    for (const UpgradeMessage &message : kMessages)
        codes.append(message.code);
    return codes;
}

QString UpgradeMessages::text(quint32 code, const QString &port)
{
    const UpgradeMessage *message = find(code);
    if (!message)
        return QString();
    const QString text = tr(message->text);
    return namesThePort(code) ? text.arg(port) : text;
}

MessageSeverity UpgradeMessages::severity(quint32 code)
{
    const UpgradeMessage *message = find(code);
    return message ? message->severity : MessageSeverity::Info;
}
