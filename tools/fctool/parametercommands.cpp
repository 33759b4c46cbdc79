#include "parametercommands.h"

#include "console.h"
#include "fclink/link/parameterslices.h"
#include "fclink/model/parameterblock.h"
#include "fclink/model/parameterfields.h"
#include "fclink/model/parameterformat.h"
#include "fclink/storage/parameterfile.h"
#include "fctooloptions.h"
#include "linksession.h"

#include <QDir>
#include <QFileInfo>
#include <QVector>

#include <functional>

namespace {

using fclink::ParameterField;

using Assignment = fclink::FieldValue;

using Block = fclink::BlockImage;

// A copy of the block as the link holds it now.
Block snapshotBlock()
{
    return fclink::ParameterBlock::copy();
}

// A field's value as the model reads it (the gains up to 255 unsigned), as get and diff print
// it and set takes it.
QString fieldLine(const Block &block, const ParameterField &field)
{
    return QStringLiteral("%1=%2").arg(QLatin1String(field.name)).arg(block.value(field));
}

// What a value means, after it: " m", " (11.10 V)", " (Alt Go-Home)", or nothing.
QString meaningOf(const ParameterField &field, qint32 value)
{
    if (const fclink::FieldChoice *choice = field.choice(value))
        return QStringLiteral(" (%1)").arg(fclink::choiceLabel(*choice));
    if (!*field.unit)
        return QString();
    if (field.scale == 1)
        return QLatin1Char(' ') + QLatin1String(field.unit);
    return QStringLiteral(" (%1)").arg(fclink::formatValue(field, value));
}

// A field's value as its meaning reads it (the gains up to 255 unsigned), with its unit.
QString valueLine(const Block &block, const ParameterField &field)
{
    const qint32 value = block.value(field);
    return QStringLiteral("%1=%2%3")
        .arg(QLatin1String(field.name))
        .arg(value)
        .arg(meaningOf(field, value));
}

// The values set accepts without --raw, in the words of its refusal.
QString meaningfulValues(const ParameterField &field)
{
    if (field.isChoice()) {
        QStringList codes;
        for (const fclink::FieldChoice &choice : field.choices)
            codes.append(
                QStringLiteral("%1 (%2)").arg(choice.code).arg(fclink::choiceLabel(choice)));
        return QStringLiteral("none of ") + codes.join(QStringLiteral(", "));
    }
    QString range = QStringLiteral("outside %1..%2").arg(field.minimum).arg(field.maximum);
    if (field.scale != 1)
        range +=
            QStringLiteral(" (%1)").arg(fclink::formatRange(field, field.minimum, field.maximum));
    else if (*field.unit)
        range += QLatin1Char(' ') + QLatin1String(field.unit);
    return range;
}

QString describeLine(const ParameterField &field)
{
    QStringList parts{QLatin1String(field.name), QStringLiteral("offset=%1").arg(field.offset),
                      QStringLiteral("type=%1").arg(fclink::fieldTypeName(field.type))};
    if (*field.unit)
        parts.append(QStringLiteral("unit=%1").arg(QLatin1String(field.unit)));
    if (field.scale != 1)
        parts.append(QStringLiteral("scale=%1").arg(field.scale));
    parts.append(QStringLiteral("range=%1..%2").arg(field.minimum).arg(field.maximum));
    parts.append(QStringLiteral("default=%1").arg(field.defaultValue));
    if (field.isChoice()) {
        QStringList choices;
        for (const fclink::FieldChoice &choice : field.choices)
            choices.append(
                QStringLiteral("%1=\"%2\"").arg(choice.code).arg(fclink::choiceLabel(choice)));
        parts.append(QStringLiteral("choices=") + choices.join(QLatin1Char(',')));
    }
    parts.append(QStringLiteral("caption=\"%1\"").arg(fclink::fieldCaption(field)));
    return parts.join(QLatin1Char(' '));
}

// Connects, waits for the parameter read, runs the action and disconnects.
ExitCode withSession(const FctoolOptions &options,
                     const std::function<ExitCode(LinkSession &)> &action)
{
    LinkSession session(options.port(), options.timeoutMs());
    ExitCode code = session.open();
    if (code == ExitSuccess)
        code = action(session);
    session.close();
    return code;
}

bool lookUpFields(const QStringList &names, QVector<const ParameterField *> *fields)
{
    for (const QString &name : names) {
        const ParameterField *field = fclink::findParameterField(name);
        if (!field) {
            printError(QStringLiteral("unknown parameter '%1'").arg(name));
            return false;
        }
        fields->append(field);
    }
    return true;
}

// For a field stored in hundredths (or another scale): how to give the value meant.
QString scaleHint(const ParameterField &field, const QString &text)
{
    bool ok = false;
    const double shown = text.trimmed().toDouble(&ok);
    if (field.scale == 1 || !ok)
        return QString();
    const QString units = field.scale == 100 ? QStringLiteral("hundredths")
                                             : QStringLiteral("units of 1/%1").arg(field.scale);
    const QString unit = *field.unit ? QLatin1Char(' ') + QLatin1String(field.unit) : QString();
    return QStringLiteral(": the field is stored in %1 (%2%3 is %4=%5)")
        .arg(units, text.trimmed(), unit, QLatin1String(field.name))
        .arg(qRound64(shown * field.scale));
}

// Without raw, a value must make sense for the field (its range or one of its choices); with
// raw, any value its type holds will do.
bool parseValue(const ParameterField &field, const QString &text, bool raw, qint32 *value)
{
    bool ok = false;
    const qint64 number = text.trimmed().toLongLong(&ok, 10);
    if (!ok) {
        printError(QStringLiteral("%1: '%2' is not a whole number%3")
                       .arg(QLatin1String(field.name), text, scaleHint(field, text)));
        return false;
    }
    if (!raw && !field.isMeaningful(number)) {
        printError(QStringLiteral("%1: %2 is %3; --raw sets any %4 value")
                       .arg(QLatin1String(field.name))
                       .arg(number)
                       .arg(meaningfulValues(field), fclink::fieldTypeName(field.type)));
        return false;
    }
    if (!fclink::valueFitsField(field.type, number) && !field.isMeaningful(number)) {
        printError(QStringLiteral("%1: %2 is outside %3 (%4..%5)")
                       .arg(QLatin1String(field.name))
                       .arg(number)
                       .arg(fclink::fieldTypeName(field.type))
                       .arg(fclink::fieldMinimum(field.type))
                       .arg(fclink::fieldMaximum(field.type)));
        return false;
    }
    *value = static_cast<qint32>(number);
    return true;
}

bool parseAssignment(const QString &text, bool raw, Assignment *assignment)
{
    const int equals = text.indexOf(QLatin1Char('='));
    if (equals <= 0) {
        printError(QStringLiteral("'%1' is not NAME=VALUE").arg(text));
        return false;
    }
    const QString name = text.left(equals);
    assignment->field = fclink::findParameterField(name);
    if (!assignment->field) {
        printError(QStringLiteral("unknown parameter '%1'").arg(name));
        return false;
    }
    return parseValue(*assignment->field, text.mid(equals + 1), raw, &assignment->value);
}

// A name given twice leaves it open which value was meant: refused.
bool parseAssignments(const QStringList &texts, bool raw, QVector<Assignment> *assignments)
{
    for (const QString &text : texts) {
        Assignment assignment{nullptr, 0};
        if (!parseAssignment(text, raw, &assignment))
            return false;
        for (const Assignment &earlier : qAsConst(*assignments)) {
            if (earlier.field == assignment.field) {
                printError(
                    QStringLiteral("%1 is given twice").arg(QLatin1String(earlier.field->name)));
                return false;
            }
        }
        assignments->append(assignment);
    }
    return true;
}

bool outputFolderExists(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir() || !info.absoluteDir().exists()) {
        printError(QStringLiteral("cannot write %1").arg(path));
        return false;
    }
    return true;
}

bool printBlock(const Block &block)
{
    for (const ParameterField &field : fclink::parameterFields()) {
        if (!printLine(fieldLine(block, field)))
            return false; // the end of the run says why
    }
    return true;
}

ExitCode saveBlock(const Block &block, const QString &path)
{
    QString error;
    if (!fclink::saveParameterFile(path, block, &error)) {
        printError(error);
        return ExitUsage;
    }
    return ExitSuccess;
}

bool loadFile(const QString &path, Block *block)
{
    if (!QFileInfo(path).isFile()) {
        printError(QStringLiteral("cannot read %1").arg(path));
        return false;
    }
    QString error;
    if (!fclink::loadParameterFileStrict(path, block, &error)) {
        printError(QStringLiteral("%1: %2").arg(path, error));
        return false;
    }
    return true;
}

} // namespace

ExitCode runReadCommand(const FctoolOptions &options)
{
    const QString out = options.outFile();
    if (!out.isEmpty() && !outputFolderExists(out))
        return ExitUsage;
    return withSession(options, [&](LinkSession &) {
        const Block block = snapshotBlock();
        if (!out.isEmpty())
            return saveBlock(block, out);
        return printBlock(block) ? ExitSuccess : ExitUsage;
    });
}

ExitCode runWriteCommand(const FctoolOptions &options)
{
    Block loaded;
    if (!loadFile(options.positional().first(), &loaded))
        return ExitUsage;
    return withSession(options, [&](LinkSession &session) {
        return session.uploadBlock(loaded, options.verify());
    });
}

ExitCode runGetCommand(const FctoolOptions &options)
{
    QVector<const ParameterField *> fields;
    if (!lookUpFields(options.positional(), &fields))
        return ExitUsage;
    return withSession(options, [&](LinkSession &) {
        const Block block = snapshotBlock();
        for (const ParameterField *field : fields)
            printLine(valueLine(block, *field));
        return ExitSuccess;
    });
}

ExitCode runSetCommand(const FctoolOptions &options)
{
    QVector<Assignment> assignments;
    if (!parseAssignments(options.positional(), options.raw(), &assignments))
        return ExitUsage;
    return withSession(options, [&](LinkSession &session) {
        return session.uploadFields(assignments, options.verify());
    });
}

ExitCode runDescribeCommand(const FctoolOptions &options)
{
    QVector<const ParameterField *> fields;
    if (options.positional().isEmpty()) {
        for (const ParameterField &field : fclink::parameterFields())
            fields.append(&field);
    } else if (!lookUpFields(options.positional(), &fields)) {
        return ExitUsage;
    }
    for (const ParameterField *field : fields)
        printLine(describeLine(*field));
    return ExitSuccess;
}
