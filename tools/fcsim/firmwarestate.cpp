#include "firmwarestate.h"

#include <QSaveFile>
#include <QSettings>

namespace {
const char *const kVersionKey = "firmware/version";
const char *const kIntactKey = "firmware/intact";
} // namespace

bool FirmwareState::load(const QString &path, QString *error)
{
    QSettings file(path, QSettings::IniFormat);
    if (file.status() != QSettings::NoError) {
        *error = QStringLiteral("%1 cannot be read").arg(path);
        return false;
    }
    bool ok = false;
    const int number = file.value(QLatin1String(kVersionKey)).toString().toInt(&ok, 10);
    if (!ok || number < 0 || number > 65535) {
        *error = QStringLiteral("%1: firmware/version must be a number from 0 to 65535").arg(path);
        return false;
    }
    const QString intactText = file.value(QLatin1String(kIntactKey)).toString();
    if (intactText != QLatin1String("true") && intactText != QLatin1String("false")) {
        *error = QStringLiteral("%1: firmware/intact must be true or false").arg(path);
        return false;
    }
    version = static_cast<quint16>(number);
    intact = intactText == QLatin1String("true");
    return true;
}

bool FirmwareState::save(const QString &path, QString *error) const
{
    QSaveFile file(path);
    const QByteArray text = "[firmware]\nversion=" + QByteArray::number(version) +
                            "\nintact=" + (intact ? "true" : "false") + "\n";
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}
