#include "appsettings.h"

#include "logcategories.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {
const char *const kLanguageKey = "System/lang";
const char *const kPortKey = "System/Port";
} // namespace

QString AppSettings::filePath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/sys.ini");
}

quint8 AppSettings::languageCode()
{
    const QSettings settings(filePath(), QSettings::IniFormat);
    return static_cast<quint8>(settings.value(QLatin1String(kLanguageKey), 0).toInt());
}

bool AppSettings::setLanguageCode(quint8 code)
{
    return write(kLanguageKey, QString::number(code));
}

QString AppSettings::savedPort()
{
    const QSettings settings(filePath(), QSettings::IniFormat);
    return settings.value(QLatin1String(kPortKey), QString()).toString();
}

bool AppSettings::setSavedPort(const QString &portName)
{
    return write(kPortKey, portName);
}

namespace {

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

// Bytes QSettings never writes into an INI file: NUL, control characters other than tabs and
// line ends, and bytes that are not UTF-8.
bool holdsForeignBytes(const QByteArray &bytes)
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

// QSettings parses a group only when it is first asked for a key in it and reports only its
// first error, so a file is judged by its bytes and by reading every key.
bool isDamaged(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false; // missing or unreadable: the defaults hold, nothing to replace
    if (holdsForeignBytes(file.readAll()))
        return true;
    const QSettings settings(path, QSettings::IniFormat);
    settings.allKeys();
    return settings.status() == QSettings::FormatError;
}

// The program's own values as far as they can be read; whatever else the file holds is left out.
QVariantMap readOwnValues(const QString &path)
{
    QVariantMap values;
    const QSettings reader(path, QSettings::IniFormat);
    const QVariant language = reader.value(QLatin1String(kLanguageKey));
    bool isNumber = false;
    language.toString().toInt(&isNumber);
    if (isNumber)
        values.insert(QLatin1String(kLanguageKey), language);
    const QVariant port = reader.value(QLatin1String(kPortKey));
    if (port.isValid() && !holdsForeignBytes(port.toString().toUtf8()))
        values.insert(QLatin1String(kPortKey), port);
    return values;
}

void replaceAllWith(QSettings &settings, const QVariantMap &values)
{
    settings.clear();
    for (auto entry = values.cbegin(); entry != values.cend(); ++entry)
        settings.setValue(entry.key(), entry.value());
}

// Writes exactly these values; on failure puts back what the file held before, because
// QSettings keeps a change it could not write and goes on reading it back in this process.
bool store(const QString &path, const QVariantMap &values, const QVariantMap &before)
{
    QSettings settings(path, QSettings::IniFormat);
    replaceAllWith(settings, values);
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return true;
    replaceAllWith(settings, before);
    return false;
}

// A damaged file is removed so that QSettings writes a fresh one; a file the user made
// read-only is left as it is.
bool removeDamaged(const QString &path)
{
    if (!QFileInfo(path).isWritable() || !QFile::remove(path)) {
        qCWarning(lcShell) << "cannot replace the damaged" << path;
        return false;
    }
    return true;
}

} // namespace

bool AppSettings::write(const char *key, const QString &value)
{
    const QString path = filePath();
    const QVariantMap before = readOwnValues(path);
    const bool damaged = isDamaged(path);
    const QVariant stored = before.value(QLatin1String(key));
    // What is stored already is not written again: a read-only file then warns only for a real
    // change, and a file the user keeps by hand keeps its comments.
    if (!damaged && stored.isValid() && stored.toString() == value)
        return true;
    if (damaged && !removeDamaged(path))
        return false;
    QVariantMap values = before;
    values.insert(QLatin1String(key), value);
    if (store(path, values, damaged ? QVariantMap() : before))
        return true;
    qCWarning(lcShell) << "cannot write" << key << "to" << path;
    return false;
}

bool AppSettings::replaceIfDamaged()
{
    const QString path = filePath();
    if (!isDamaged(path))
        return false;
    const QVariantMap kept = readOwnValues(path);
    if (!removeDamaged(path))
        return false;
    if (!store(path, kept, QVariantMap())) {
        qCWarning(lcShell) << "cannot write the replaced" << path;
        return false;
    }
    qCInfo(lcShell) << "replaced the damaged" << path << "keeping" << kept.keys();
    return true;
}

QString AppSettings::translationFile(quint8 code)
{
    static const char *const suffixes[] = {"en", "zh", "ge"};
    if (code > German)
        return QString();
    return QCoreApplication::applicationDirPath() +
           QStringLiteral("/language/KestoAssistant_%1.qm").arg(QLatin1String(suffixes[code]));
}
