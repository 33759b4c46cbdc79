#include "parametercommands.h"

#include "console.h"
#include "fctooloptions.h"
#include "linksession.h"

#include <parameterfields.h>
#include <parameterfile.h>
#include <parameterslices.h>
#include <uavparam.h>

#include <QDir>
#include <QFileInfo>
#include <QVector>
#include <mutex>

#include <cstring>
#include <functional>

namespace {

using fclink::ParameterField;

struct Assignment
{
    const ParameterField *field;
    qint32 value;
};

using Block = QVector<quint8>;

// A copy of the block as the link holds it now.
Block snapshotBlock()
{
    std::lock_guard<std::mutex> lock(fclink::parameterBlockMutex());
    const quint8 *bytes = fclink::parameterBlockBytes(uavParam);
    return Block(bytes, bytes + fclink::kParameterBlockSize);
}

QString fieldLine(const Block &block, const ParameterField &field)
{
    return QStringLiteral("%1=%2")
        .arg(QLatin1String(field.name))
        .arg(fclink::readField(block.constData(), field));
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

bool parseValue(const ParameterField &field, const QString &text, qint32 *value)
{
    bool ok = false;
    const qint64 number = text.trimmed().toLongLong(&ok, 10);
    if (!ok) {
        printError(
            QStringLiteral("%1: '%2' is not a whole number").arg(QLatin1String(field.name), text));
        return false;
    }
    if (!fclink::valueFitsField(field.type, number)) {
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

bool parseAssignment(const QString &text, Assignment *assignment)
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
    return parseValue(*assignment->field, text.mid(equals + 1), &assignment->value);
}

bool parseAssignments(const QStringList &texts, QVector<Assignment> *assignments)
{
    for (const QString &text : texts) {
        Assignment assignment{nullptr, 0};
        if (!parseAssignment(text, &assignment))
            return false;
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

void printBlock(const Block &block)
{
    for (const ParameterField &field : fclink::parameterFields())
        printLine(fieldLine(block, field));
}

ExitCode saveBlock(const Block &block, const QString &path)
{
    QString error;
    if (!fclink::saveParameterFile(path, block.constData(), &error)) {
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
    block->resize(fclink::kParameterBlockSize);
    if (!fclink::loadParameterFileStrict(path, block->data(), &error)) {
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
        printBlock(block);
        return ExitSuccess;
    });
}

ExitCode runWriteCommand(const FctoolOptions &options)
{
    Block loaded;
    if (!loadFile(options.positional().first(), &loaded))
        return ExitUsage;
    return withSession(options, [&](LinkSession &session) {
        {
            std::lock_guard<std::mutex> lock(fclink::parameterBlockMutex());
            std::memcpy(fclink::parameterBlockBytes(uavParam), loaded.constData(),
                        fclink::kParameterBlockSize);
        }
        return session.upload(options.verify());
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
            printLine(fieldLine(block, *field));
        return ExitSuccess;
    });
}

ExitCode runSetCommand(const FctoolOptions &options)
{
    QVector<Assignment> assignments;
    if (!parseAssignments(options.positional(), &assignments))
        return ExitUsage;
    return withSession(options, [&](LinkSession &session) {
        {
            std::lock_guard<std::mutex> lock(fclink::parameterBlockMutex());
            for (const Assignment &assignment : assignments)
                fclink::writeField(fclink::parameterBlockBytes(uavParam), *assignment.field,
                                   assignment.value);
        }
        return session.upload(options.verify());
    });
}
