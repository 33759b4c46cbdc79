#ifndef FCLINK_LINKOUTCOME_H
#define FCLINK_LINKOUTCOME_H

#include "fclink/fclink_global.h"
#include "replydecoder.h"

#include <QMetaType>

namespace fclink {

// What the controller reported of an upload, or of a command that reports its result
// (Commrt::outcomeReported). Each outcome is the status code of the same number
// (Commrt::statusChangedText), whose text LinkMessages gives.
enum class LinkOutcome : quint16
{
    Uploaded = status::ParametersUploaded,
    Uploading = status::Uploading,
    FlashSaved = status::FlashSaved,
    FlashFailed = status::FlashFailed,
    AccelerometersCalibrated = status::AccCalibrated,
    AccelerometersFailed = status::AccFailed,
    GyrosCalibrated = status::GyroCalibrated,
    GyrosFailed = status::GyroFailed,
    VoltageCalibrated = status::VoltageCalibrated,
    VoltageFailed = status::VoltageFailed
};

inline quint16 statusCode(LinkOutcome outcome)
{
    return static_cast<quint16>(outcome);
}

} // namespace fclink

Q_DECLARE_METATYPE(fclink::LinkOutcome)

#endif // FCLINK_LINKOUTCOME_H
