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

#include <algorithm>
#include <memory>

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
bool checkLayout(const QByteArray &contents, QString *error,
                 QHash<QByteArray, int> *keyLines = nullptr)
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
    if (keyLines)
        *keyLines = firstLineOfKey;
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

// The file's bytes, refused when they cannot be read or are too many for a parameter file.
bool readContents(const QString &path, QByteArray *contents, QString *error)
{
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
    *contents = file.read(kMaximumFileSize + 1);
    if (contents->size() > kMaximumFileSize) {
        setError(error,
                 QCoreApplication::translate("ParameterFile", "the file is larger than 64 KiB"));
        return false;
    }
    return true;
}

// The values of a checked file as the settings store reads them, read from a private copy of
// the very bytes that were checked. The settings store keeps what it read of a path and takes it
// again while the file's size and time stamp stay the same, so a file saved twice within the
// stamp's resolution would be read as it was before; and the file may change after the check.
// The copy also leaves out a byte-order mark, which QSettings skips only before a section
// header: before a key it keeps the mark as part of the key (var0 would go missing).
class SettingsReader
{
public:
    bool open(const QString &path, const QByteArray &contents, QString *error)
    {
        const QByteArray text = contents.startsWith(kByteOrderMark)
                                    ? contents.mid(int(sizeof kByteOrderMark) - 1)
                                    : contents;
        if (!m_copy.open() || m_copy.write(text) != text.size() || !m_copy.flush()) {
            setError(error,
                     QCoreApplication::translate("ParameterFile", "cannot read %1").arg(path));
            return false;
        }
        m_settings = std::make_unique<QSettings>(m_copy.fileName(), QSettings::IniFormat);
        if (m_settings->status() != QSettings::NoError) {
            setError(error,
                     QCoreApplication::translate("ParameterFile", "%1 is not a parameter file")
                         .arg(path));
            return false;
        }
        return true;
    }

    QVariant value(const ParameterField &field) const
    {
        return m_settings->value(field.fileKeyName());
    }

private:
    QTemporaryFile m_copy;
    std::unique_ptr<QSettings> m_settings;
};

// A line of contents with its own line end, so that it can be put back as it was.
struct RawLine
{
    QByteArray text;
    QByteArray end;
};

QVector<RawLine> rawLines(const QByteArray &contents)
{
    QVector<RawLine> lines;
    int start = 0;
    while (start < contents.size()) {
        int end = start;
        while (end < contents.size() && contents.at(end) != '\n' && contents.at(end) != '\r')
            ++end;
        RawLine line{contents.mid(start, end - start), {}};
        if (end < contents.size()) {
            const bool crlf = contents.at(end) == '\r' && end + 1 < contents.size() &&
                              contents.at(end + 1) == '\n';
            line.end = contents.mid(end, crlf ? 2 : 1);
        }
        lines.append(line);
        start = end + line.end.size();
    }
    return lines;
}

} // namespace

bool loadParameterFileStrict(const QString &path, BlockImage *block, QString *error)
{
    qCDebug(lcFile) << "reading" << path;
    QByteArray contents;
    if (!readContents(path, &contents, error) || !checkLayout(contents, error))
        return false;
    SettingsReader reader;
    if (!reader.open(path, contents, error))
        return false;
    BlockImage loaded;
    for (const ParameterField &field : parameterFields()) {
        qint32 value = 0;
        if (!checkValue(field, reader.value(field), &value, error))
            return false;
        loaded.setValue(field, value);
    }
    *block = loaded;
    return true;
}

bool loadPresetFile(const QString &path, QVector<FieldValue> *values, QString *error)
{
    qCDebug(lcFile) << "reading preset" << path;
    const QString shown = QDir::toNativeSeparators(path);
    QByteArray contents;
    QString problem;
    QHash<QByteArray, int> keyLines;
    if (!readContents(path, &contents, &problem) || !checkLayout(contents, &problem, &keyLines)) {
        setError(error, QStringLiteral("%1: %2").arg(shown, problem));
        return false;
    }
    keyLines.remove(QByteArrayLiteral("var181")); // no field's, ignored as a whole file's is
    if (keyLines.isEmpty()) {
        setError(error,
                 QCoreApplication::translate("ParameterFile", "%1: holds no parameter").arg(shown));
        return false;
    }
    SettingsReader reader;
    if (!reader.open(path, contents, &problem)) {
        setError(error, QStringLiteral("%1: %2").arg(shown, problem));
        return false;
    }
    QVector<FieldValue> read;
    for (const ParameterField &field : parameterFields()) {
        const int line = keyLines.value(field.fileKeyName().toLatin1());
        if (line == 0)
            continue;
        qint32 value = 0;
        if (!checkValue(field, reader.value(field), &value, &problem)) {
            setError(error, QCoreApplication::translate("ParameterFile", "%1, line %2: %3")
                                .arg(shown)
                                .arg(line)
                                .arg(problem));
            return false;
        }
        read.append({&field, value});
    }
    *values = read;
    return true;
}

bool savePresetFile(const QString &path, const BlockImage &block, const QStringList &fieldNames,
                    QString *error)
{
    QVector<const ParameterField *> fields;
    for (const QString &name : fieldNames) {
        const ParameterField *field = findParameterField(name);
        Q_ASSERT(field);
        if (field && !fields.contains(field))
            fields.append(field);
    }
    std::sort(fields.begin(), fields.end(), [](const ParameterField *a, const ParameterField *b) {
        return a->fileKey < b->fileKey;
    });
    QByteArray contents = "[General]\n";
    for (const ParameterField *field : fields)
        contents += field->fileKeyName().toLatin1() + '=' +
                    QByteArray::number(block.fileValue(*field)) + '\n';
    return saveFileContents(path, contents, error);
}

QByteArray changedParameterFile(const QByteArray &contents, const BlockImage &before,
                                const BlockImage &after)
{
    QHash<QByteArray, QByteArray> changed;
    for (const QString &name : after.differingFields(before)) {
        const ParameterField &field = *findParameterField(name);
        changed.insert(field.fileKeyName().toLatin1(), QByteArray::number(after.fileValue(field)));
    }
    QByteArray section = "General";
    QByteArray result;
    QByteArray lineEnd = "\n";
    const bool marked = contents.startsWith(kByteOrderMark);
    if (marked)
        result += kByteOrderMark;
    for (const RawLine &raw :
         rawLines(marked ? contents.mid(int(sizeof kByteOrderMark) - 1) : contents)) {
        if (!raw.end.isEmpty())
            lineEnd = raw.end;
        const QByteArray line = raw.text.trimmed();
        QByteArray text = raw.text;
        const int equals = text.indexOf('=');
        if (isSectionLine(line)) {
            section = line.mid(1, line.size() - 2).trimmed();
        } else if (!isCommentLine(line) && equals > 0 && section == "General") {
            const QByteArray key = text.left(equals).trimmed();
            if (changed.contains(key)) {
                // What stood before the value (spaces after '=') stays as the file had it.
                int valueStart = equals + 1;
                while (valueStart < text.size() &&
                       (text.at(valueStart) == ' ' || text.at(valueStart) == '\t'))
                    ++valueStart;
                text = text.left(valueStart) + changed.take(key);
            }
        }
        result += text + raw.end;
    }
    if (!changed.isEmpty()) {
        if (!result.isEmpty() && !result.endsWith('\n') && !result.endsWith('\r'))
            result += lineEnd;
        if (section != "General")
            result += "[General]" + lineEnd;
        for (const ParameterField &field : parameterFields()) {
            const QByteArray key = field.fileKeyName().toLatin1();
            if (changed.contains(key))
                result += key + '=' + changed.value(key) + lineEnd;
        }
    }
    return result;
}

// A file is written only into a folder that exists: a mistyped path fails instead of
// creating folders.
static bool folderExistsFor(const QString &path, QString *error)
{
    if (QFileInfo(path).absoluteDir().exists())
        return true;
    setError(
        error,
        QCoreApplication::translate("ParameterFile", "cannot write %1: no such folder").arg(path));
    return false;
}

bool saveFileContents(const QString &path, const QByteArray &contents, QString *error)
{
    qCDebug(lcFile) << "writing" << path;
    if (!folderExistsFor(path, error))
        return false;
    const QString partial = path + QStringLiteral(".part");
    QFile file(partial);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(contents) != contents.size() || !file.flush()) {
        file.close();
        QFile::remove(partial);
        setError(error, QCoreApplication::translate("ParameterFile", "cannot write %1").arg(path));
        return false;
    }
    file.close();
    if (!replaceFile(partial, path)) {
        QFile::remove(partial);
        setError(error,
                 QCoreApplication::translate("ParameterFile", "cannot replace %1").arg(path));
        return false;
    }
    return true;
}

bool saveParameterFile(const QString &path, const BlockImage &block, QString *error)
{
    qCDebug(lcFile) << "writing" << path;
    if (!folderExistsFor(path, error))
        return false;
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

} // namespace fclink
