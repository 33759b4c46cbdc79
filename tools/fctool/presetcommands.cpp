#include "presetcommands.h"

#include "console.h"
#include "fclink/model/parameterblock.h"
#include "fclink/model/parameterfields.h"
#include "fclink/storage/parameterfile.h"
#include "fctooloptions.h"
#include "linksession.h"

#include <QFile>
#include <QFileInfo>

namespace {

using Block = fclink::BlockImage;

bool loadPreset(const QString &path, QVector<fclink::FieldValue> *values)
{
    if (!QFileInfo(path).isFile()) {
        printError(QStringLiteral("cannot read %1").arg(path));
        return false;
    }
    QString error;
    if (!fclink::loadPresetFile(path, values, &error)) {
        printError(error);
        return false;
    }
    return true;
}

bool loadWhole(const QString &path, Block *block, QByteArray *contents)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        printError(QStringLiteral("cannot read %1").arg(path));
        return false;
    }
    *contents = file.readAll();
    QString error;
    if (!fclink::loadParameterFileStrict(path, block, &error)) {
        printError(QStringLiteral("%1 is not a valid parameter file: %2").arg(path, error));
        return false;
    }
    return true;
}

// The preset's values that change block, printed as diff prints them (values as the model
// reads them, in block order).
QVector<fclink::FieldValue> changesTo(const Block &block, const QVector<fclink::FieldValue> &preset)
{
    QVector<fclink::FieldValue> changes;
    for (const fclink::FieldValue &value : preset) {
        Block after = block;
        after.setValue(*value.field, value.value);
        const qint32 before = block.value(*value.field);
        const qint32 now = after.value(*value.field);
        if (before == now)
            continue;
        printLine(QStringLiteral("%1: %2 -> %3")
                      .arg(QLatin1String(value.field->name))
                      .arg(before)
                      .arg(now));
        changes.append(value);
    }
    return changes;
}

ExitCode applyToFile(const FctoolOptions &options, const QVector<fclink::FieldValue> &preset)
{
    const QString target = options.targetFile();
    Block before;
    QByteArray contents;
    if (!loadWhole(target, &before, &contents))
        return ExitUsage;
    const QVector<fclink::FieldValue> changes = changesTo(before, preset);
    if (options.dryRun() || changes.isEmpty())
        return ExitSuccess;
    Block after = before;
    for (const fclink::FieldValue &value : changes)
        after.setValue(*value.field, value.value);
    QString error;
    if (!fclink::saveFileContents(target, fclink::changedParameterFile(contents, before, after),
                                  &error)) {
        printError(error);
        return ExitUsage;
    }
    return ExitSuccess;
}

} // namespace

ExitCode runApplyCommand(const FctoolOptions &options)
{
    QVector<fclink::FieldValue> preset;
    if (!loadPreset(options.positional().first(), &preset))
        return ExitUsage;
    if (!options.targetFile().isEmpty())
        return applyToFile(options, preset);
    return LinkSession::run(options.port(), options.timeoutMs(), [&](LinkSession &session) {
        const QVector<fclink::FieldValue> changes =
            changesTo(fclink::ParameterBlock::copy(), preset);
        if (options.dryRun() || changes.isEmpty())
            return ExitSuccess;
        return session.uploadFields(changes, true);
    });
}

ExitCode runPresetCommand(const FctoolOptions &options)
{
    QStringList names;
    for (const QString &name : options.fields()) {
        if (!fclink::findParameterField(name)) {
            printError(QStringLiteral("unknown parameter '%1'").arg(name));
            return ExitUsage;
        }
        if (names.contains(name)) {
            printError(QStringLiteral("%1 is given twice").arg(name));
            return ExitUsage;
        }
        names.append(name);
    }
    Block block;
    QByteArray contents;
    if (!loadWhole(options.fromFile(), &block, &contents))
        return ExitUsage;
    QString error;
    if (!fclink::savePresetFile(options.outFile(), block, names, &error)) {
        printError(error);
        return ExitUsage;
    }
    return ExitSuccess;
}
