#include "parameterfile.h"

#include "fclink/logcategories.h"
#include "fclink/model/parameterfields.h"
#include "fclink/model/uavparam.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSettings>
#include <QTemporaryFile>

#include <cstdio>
#include <cstring>

namespace fclink {

// The explanations are shown to the pilot, so they pass through QCoreApplication::translate:
// translated where the program has a translation installed, English otherwise.

namespace {

// A parameter file holds 198 short lines; anything near this size is something else.
constexpr qint64 kMaximumFileSize = 64 * 1024;

void setError(QString *error, const QString &message)
{
    qCWarning(lcFile).noquote() << message;
    if (error)
        *error = message;
}

bool isSectionLine(const QByteArray &line)
{
    return line.startsWith('[') && line.endsWith(']');
}

bool isCommentLine(const QByteArray &line)
{
    return line.isEmpty() || line.startsWith(';') || line.startsWith('#');
}

// Windows editors begin a UTF-8 file with a byte-order mark; it belongs to no line.
constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

// The lines as QSettings reads them: CR LF, LF and a lone CR each end one.
QList<QByteArray> splitLines(const QByteArray &contents)
{
    QByteArray text = contents;
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    return text.split('\n');
}

// The keys of a parameter file, as they stand in it (var181 is no field's, and ignored).
bool isParameterKey(const QByteArray &key)
{
    static const QSet<QByteArray> keys = [] {
        QSet<QByteArray> all{QByteArrayLiteral("var181")};
        for (const ParameterField &field : parameterFields())
            all.insert(field.fileKeyName().toLatin1());
        return all;
    }();
    return keys.contains(key);
}

// What QSettings would read past without a word: lines that are no key and value (junk before
// the first section, or anywhere), a key given twice, where the last one would win, and any key
// that is none of ours, which it might decode into one of ours (var%343 is var43).
bool checkLayout(const QByteArray &contents, QString *error)
{
    QHash<QByteArray, int> firstLineOfKey;
    QByteArray section = "General"; // keys before any section header belong to it
    const QList<QByteArray> lines = splitLines(contents.startsWith(kByteOrderMark)
                                                   ? contents.mid(int(sizeof kByteOrderMark) - 1)
                                                   : contents);
    for (int i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        const int number = i + 1;
        if (isCommentLine(line))
            continue;
        if (isSectionLine(line)) {
            section = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const int equals = line.indexOf('=');
        if (equals <= 0) {
            setError(error, QCoreApplication::translate("ParameterFile",
                                                        "line %1 is not a key with a value")
                                .arg(number));
            return false;
        }
        const QByteArray key = line.left(equals).trimmed();
        const QByteArray fullKey = section == "General" ? key : section + '/' + key;
        if (section != "General" || !isParameterKey(key)) {
            setError(error, QCoreApplication::translate(
                                "ParameterFile", "line %1: %2 is not a key of a parameter file")
                                .arg(number)
                                .arg(QString::fromLatin1(fullKey)));
            return false;
        }
        const int first = firstLineOfKey.value(fullKey);
        if (first > 0) {
            setError(error, QCoreApplication::translate("ParameterFile",
                                                        "key %1 appears twice (lines %2 and %3)")
                                .arg(QString::fromLatin1(fullKey))
                                .arg(first)
                                .arg(number));
            return false;
        }
        firstLineOfKey.insert(fullKey, number);
    }
    return true;
}

bool checkValue(const ParameterField &field, const QVariant &stored, qint32 *value, QString *error)
{
    const QString key = field.fileKeyName();
    if (!stored.isValid()) {
        setError(error, QCoreApplication::translate("ParameterFile", "missing key %1 (%2)")
                            .arg(key, QLatin1String(field.name)));
        return false;
    }
    bool ok = false;
    const qint64 number = stored.toString().trimmed().toLongLong(&ok, 10);
    if (!ok) {
        setError(error,
                 QCoreApplication::translate("ParameterFile", "%1 (%2): '%3' is not a whole number")
                     .arg(key, QLatin1String(field.name), stored.toString()));
        return false;
    }
    // A gain's byte may be given as the page shows it (0..255) or as the file writes it.
    if (!fieldCanHold(field, number)) {
        setError(error,
                 QCoreApplication::translate("ParameterFile", "%1 (%2): %3 is outside %4 (%5..%6)")
                     .arg(key, QLatin1String(field.name))
                     .arg(number)
                     .arg(fieldTypeName(field.type))
                     .arg(lowestHeld(field))
                     .arg(highestHeld(field)));
        return false;
    }
    *value = static_cast<qint32>(number);
    return true;
}

// Moves source over target. POSIX rename replaces the target in one step, so a reader never
// finds the file missing; where rename refuses an existing target, remove it first.
bool replaceFile(const QString &source, const QString &target)
{
    if (std::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) ==
        0)
        return true;
    return (!QFileInfo::exists(target) || QFile::remove(target)) && QFile::rename(source, target);
}

} // namespace

bool saveParameterFile(const QString &path, const BlockImage &block, QString *error)
{
    qCDebug(lcFile) << "writing" << path;
    // QSettings would create missing folders on its own; a mistyped path should fail instead.
    if (!QFileInfo(path).absoluteDir().exists()) {
        setError(error,
                 QCoreApplication::translate("ParameterFile", "cannot write %1: no such folder")
                     .arg(path));
        return false;
    }
    const QString partial = path + QStringLiteral(".part");
    QFile::remove(partial);
    {
        QSettings settings(partial, QSettings::IniFormat);
        for (const ParameterField &field : parameterFields())
            settings.setValue(field.fileKeyName(), QString::number(block.fileValue(field)));
        settings.sync();
        if (settings.status() != QSettings::NoError) {
            QFile::remove(partial);
            setError(error,
                     QCoreApplication::translate("ParameterFile", "cannot write %1").arg(path));
            return false;
        }
    }
    if (!replaceFile(partial, path)) {
        QFile::remove(partial);
        setError(error,
                 QCoreApplication::translate("ParameterFile", "cannot replace %1").arg(path));
        return false;
    }
    return true;
}

bool loadParameterFileStrict(const QString &path, BlockImage *block, QString *error)
{
    qCDebug(lcFile) << "reading" << path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, QCoreApplication::translate("ParameterFile", "cannot read %1").arg(path));
        return false;
    }
    if (file.size() > kMaximumFileSize) {
        setError(error,
                 QCoreApplication::translate("ParameterFile", "the file is larger than 64 KiB"));
        return false;
    }
    const QByteArray contents = file.read(kMaximumFileSize + 1);
    file.close();
    if (contents.size() > kMaximumFileSize) {
        setError(error,
                 QCoreApplication::translate("ParameterFile", "the file is larger than 64 KiB"));
        return false;
    }
    if (!checkLayout(contents, error))
        return false;

    // QSettings skips a byte-order mark only before a section header: before a key it keeps the
    // mark as part of the key (var0 would go missing). Such a file is read from a copy without.
    QTemporaryFile unmarked;
    QString readable = path;
    if (contents.startsWith(kByteOrderMark)) {
        const QByteArray text = contents.mid(int(sizeof kByteOrderMark) - 1);
        if (!unmarked.open() || unmarked.write(text) != text.size() || !unmarked.flush()) {
            setError(error,
                     QCoreApplication::translate("ParameterFile", "cannot read %1").arg(path));
            return false;
        }
        readable = unmarked.fileName();
    }
    QSettings settings(readable, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) {
        setError(
            error,
            QCoreApplication::translate("ParameterFile", "%1 is not a parameter file").arg(path));
        return false;
    }
    BlockImage loaded;
    for (const ParameterField &field : parameterFields()) {
        qint32 value = 0;
        if (!checkValue(field, settings.value(field.fileKeyName()), &value, error))
            return false;
        loaded.setValue(field, value);
    }
    *block = loaded;
    return true;
}

} // namespace fclink
