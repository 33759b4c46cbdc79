#include "usersettingsfile.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSettings>
#include <QStandardPaths>

namespace {

Q_LOGGING_CATEGORY(lcSettings, "product.settings", QtInfoMsg)

// Whether bytes are well-formed UTF-8: no stray or missing continuation bytes, no overlong
// forms, no surrogates, nothing above U+10FFFF.
bool isUtf8(const QByteArray &bytes)
{
    const auto *byte = reinterpret_cast<const unsigned char *>(bytes.constData());
    const auto *const end = byte + bytes.size();
    while (byte < end) {
        const unsigned lead = *byte++;
        if (lead < 0x80)
            continue;
        int following = 0;
        // The range the second byte must fall in; it is narrower after some leads.
        unsigned low = 0x80;
        unsigned high = 0xbf;
        if (lead >= 0xc2 && lead <= 0xdf) {
            following = 1;
        } else if (lead >= 0xe0 && lead <= 0xef) {
            following = 2;
            if (lead == 0xe0)
                low = 0xa0; // overlong below U+0800
            else if (lead == 0xed)
                high = 0x9f; // surrogates
        } else if (lead >= 0xf0 && lead <= 0xf4) {
            following = 3;
            if (lead == 0xf0)
                low = 0x90; // overlong below U+10000
            else if (lead == 0xf4)
                high = 0x8f; // above U+10FFFF
        } else {
            return false;
        }
        if (end - byte < following || *byte < low || *byte > high)
            return false;
        for (int i = 0; i < following; ++i, ++byte) {
            if ((*byte & 0xc0) != 0x80)
                return false;
        }
    }
    return true;
}

bool sameFile(const QString &a, const QString &b)
{
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}

} // namespace

const char *const UserSettingsFile::LanguageKey = "System/lang";
const char *const UserSettingsFile::PortKey = "System/Port";

QString UserSettingsFile::path()
{
    // GenericConfigLocation joined with the product name is AppConfigLocation for an
    // application of that name (no organisation) on every platform; the programs keep their
    // own names.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/KestoTarvel2Assistant/sys.ini");
}

bool UserSettingsFile::holdsForeignBytes(const QByteArray &bytes)
{
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (code < 0x20 && byte != '\t' && byte != '\n' && byte != '\r')
            return true;
        if (code == 0x7f)
            return true;
    }
    return !isUtf8(bytes);
}

QVariantMap UserSettingsFile::readKnownValues(const QString &path)
{
    QVariantMap values;
    const QSettings reader(path, QSettings::IniFormat);
    const QVariant language = reader.value(QLatin1String(LanguageKey));
    bool isNumber = false;
    language.toString().toInt(&isNumber);
    if (isNumber)
        values.insert(QLatin1String(LanguageKey), language);
    // A byte that was not UTF-8 reads back as the replacement character.
    const QVariant port = reader.value(QLatin1String(PortKey));
    const QString portName = port.toString();
    if (port.isValid() && !holdsForeignBytes(portName.toUtf8()) &&
        !portName.contains(QChar::ReplacementCharacter))
        values.insert(QLatin1String(PortKey), port);
    return values;
}

QString UserSettingsFile::adoptOldFile(const QStringList &oldFolders)
{
    const QString own = path();
    if (QFileInfo::exists(own))
        return QString();
    for (const QString &folder : oldFolders) {
        const QString old = QDir(folder).filePath(QStringLiteral("sys.ini"));
        const QFileInfo info(old);
        if (!info.isFile() || !info.isReadable() || sameFile(old, own))
            continue;
        const QVariantMap values = readKnownValues(old);
        if (values.isEmpty())
            continue; // nothing of it can be used
        QSettings settings(own, QSettings::IniFormat);
        for (auto entry = values.cbegin(); entry != values.cend(); ++entry)
            settings.setValue(entry.key(), entry.value());
        settings.sync();
        if (settings.status() != QSettings::NoError || !QFileInfo::exists(own)) {
            qCWarning(lcSettings) << "cannot write" << own << "to take over" << old;
            return QString();
        }
        qCInfo(lcSettings) << "took over" << values.keys() << "from" << old << "into" << own;
        return old;
    }
    return QString();
}
