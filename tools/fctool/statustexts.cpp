#include "statustexts.h"

#include <replydecoder.h>

QString statusText(quint16 code)
{
    using namespace fclink::status;
    switch (code) {
    case OpenFailed:
        return QStringLiteral("COMPort open failed");
    case ParametersUploaded:
        return QStringLiteral("Parameters uploaded");
    case Uploading:
        return QStringLiteral("Uploading...");
    case FlashSaved:
        return QStringLiteral("Parameters saved OK");
    case FlashFailed:
        return QStringLiteral("Parameters saved error");
    case AccCalibrated:
        return QStringLiteral("Accelerometers calibrated OK");
    case AccFailed:
        return QStringLiteral("Accelerometers calibrated error");
    case GyroCalibrated:
        return QStringLiteral("Gyros calibrated OK");
    case GyroFailed:
        return QStringLiteral("Gyros calibrated error");
    case VoltageCalibrated:
        return QStringLiteral("Voltage calibrated OK");
    case VoltageFailed:
        return QStringLiteral("Voltage calibrated error");
    default:
        return QString();
    }
}
