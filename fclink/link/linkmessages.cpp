#include "linkmessages.h"

#include "replydecoder.h"

#include <cstddef>

using fclink::MessageSeverity;
using namespace fclink::status;

namespace {

struct LinkMessage
{
    quint16 code;
    const char *text;
    MessageSeverity severity;
};

// Code 0 blanks the status instead of naming anything; it is no text to translate.
constexpr int kBlankStatusWidth = 14;
constexpr int kUnknownStateWidth = 6;
constexpr quint16 kUnconnected = 0;
constexpr quint16 kConnected = 1;

constexpr LinkMessage kStatusMessages[] = {
    {OpenSucceeded, QT_TRANSLATE_NOOP("LinkMessages", "COMPort open successfully"),
     MessageSeverity::Success},
    {OpenFailed, QT_TRANSLATE_NOOP("LinkMessages", "COMPort open failed"), MessageSeverity::Error},
    {ConnectionClosed, QT_TRANSLATE_NOOP("LinkMessages", "Connection closed"),
     MessageSeverity::Info},
    {ParametersUploaded, QT_TRANSLATE_NOOP("LinkMessages", "Parameters uploaded"),
     MessageSeverity::Success},
    {Uploading, QT_TRANSLATE_NOOP("LinkMessages", "Uploading..."), MessageSeverity::Info},
    {FlashSaved, QT_TRANSLATE_NOOP("LinkMessages", "Parameters saved OK"),
     MessageSeverity::Success},
    {FlashFailed, QT_TRANSLATE_NOOP("LinkMessages", "Parameters saved error"),
     MessageSeverity::Error},
    {AccCalibrated, QT_TRANSLATE_NOOP("LinkMessages", "Accelerometers calibrated OK"),
     MessageSeverity::Success},
    {AccFailed, QT_TRANSLATE_NOOP("LinkMessages", "Accelerometers calibrated error"),
     MessageSeverity::Error},
    {GyroCalibrated, QT_TRANSLATE_NOOP("LinkMessages", "Gyros calibrated OK"),
     MessageSeverity::Success},
    {GyroFailed, QT_TRANSLATE_NOOP("LinkMessages", "Gyros calibrated error"),
     MessageSeverity::Error},
    {VoltageCalibrated, QT_TRANSLATE_NOOP("LinkMessages", "Voltage calibrated OK"),
     MessageSeverity::Success},
    {VoltageFailed, QT_TRANSLATE_NOOP("LinkMessages", "Voltage calibrated error"),
     MessageSeverity::Error},
};

constexpr LinkMessage kConnectStateMessages[] = {
    {kUnconnected, QT_TRANSLATE_NOOP("LinkMessages", "Unconnected"), MessageSeverity::Info},
    {kConnected, QT_TRANSLATE_NOOP("LinkMessages", "Connected"), MessageSeverity::Success},
};

template <std::size_t N> const LinkMessage *find(const LinkMessage (&messages)[N], quint16 code)
{
    for (const LinkMessage &message : messages) {
        if (message.code == code)
            return &message;
    }
    return nullptr;
}

} // namespace

QVector<quint16> LinkMessages::statusCodes()
{
    QVector<quint16> codes{Cleared};
    for (const LinkMessage &message : kStatusMessages)
        codes.append(message.code);
    return codes;
}

QString LinkMessages::statusText(quint16 code)
{
    if (code == Cleared)
        return QString(kBlankStatusWidth, QLatin1Char(' '));
    const LinkMessage *message = find(kStatusMessages, code);
    return message ? tr(message->text) : QString();
}

fclink::MessageSeverity LinkMessages::statusSeverity(quint16 code)
{
    const LinkMessage *message = find(kStatusMessages, code);
    return message ? message->severity : MessageSeverity::Info;
}

QString LinkMessages::connectStateText(quint16 code)
{
    const LinkMessage *message = find(kConnectStateMessages, code);
    return message ? tr(message->text) : QString(kUnknownStateWidth, QLatin1Char(' '));
}

fclink::MessageSeverity LinkMessages::connectStateSeverity(quint16 code)
{
    const LinkMessage *message = find(kConnectStateMessages, code);
    return message ? message->severity : MessageSeverity::Info;
}
