#include "historycommands.h"

#include "console.h"
#include "fclink/link/commrt.h"
#include "fclink/link/parameterslices.h"
#include "fclink/model/parameterblock.h"
#include "fclink/model/parameterfields.h"
#include "fclink/storage/parameterfile.h"
#include "fclink/storage/snapshotstore.h"
#include "fctooloptions.h"
#include "linksession.h"
#include "versiontext.h"

#include <QFileInfo>

namespace {

// A complete, valid parameter file; the message names the file.
bool loadBlock(const QString &path, fclink::BlockImage *block)
{
    if (!QFileInfo(path).isFile()) {
        printError(QStringLiteral("cannot read %1").arg(path));
        return false;
    }
    QString error;
    if (!fclink::loadParameterFileStrict(path, block, &error)) {
        printError(QStringLiteral("%1 is not a valid parameter file: %2").arg(path, error));
        return false;
    }
    return true;
}

ExitCode printDifferences(const fclink::BlockImage &a, const fclink::BlockImage &b)
{
    bool different = false;
    for (const fclink::ParameterField &field : fclink::parameterFields()) {
        // Read as the model reads them, as read and get print them (a gain of 200 is 200).
        const qint32 first = a.value(field);
        const qint32 second = b.value(field);
        if (first == second)
            continue;
        different = true;
        printLine(
            QStringLiteral("%1: %2 -> %3").arg(QLatin1String(field.name)).arg(first).arg(second));
    }
    return different ? ExitControllerFailure : ExitSuccess;
}

// A note as one line: line breaks, tabs, quotes and backslashes escaped as in C, other control
// characters as \xHH.
QString escapedNote(const QString &note)
{
    QString escaped;
    for (const QChar c : note) {
        switch (c.unicode()) {
        case '\n':
            escaped += QLatin1String("\\n");
            break;
        case '\r':
            escaped += QLatin1String("\\r");
            break;
        case '\t':
            escaped += QLatin1String("\\t");
            break;
        case '"':
            escaped += QLatin1String("\\\"");
            break;
        case '\\':
            escaped += QLatin1String("\\\\");
            break;
        default:
            if (c.category() == QChar::Other_Control)
                escaped += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
            else
                escaped += c;
        }
    }
    return escaped;
}

QString historyLine(const fclink::Snapshot &snapshot)
{
    QString line = QStringLiteral("%1  device 0x%2  firmware %3  %4  %5")
                       .arg(localTimeText(snapshot.time))
                       .arg(snapshot.deviceId, 2, 16, QLatin1Char('0'))
                       .arg(firmwareText(snapshot.firmwareVersion))
                       .arg(fclink::snapshotReasonKey(snapshot.reason), -13)
                       .arg(snapshot.path);
    if (!snapshot.note.isEmpty())
        line += QStringLiteral("  \"%1\"").arg(escapedNote(snapshot.note));
    return line;
}

} // namespace

ExitCode runDiffCommand(const FctoolOptions &options)
{
    const QStringList files = options.positional();
    fclink::BlockImage a;
    fclink::BlockImage b;
    if (options.port().isEmpty())
        return loadBlock(files.at(0), &a) && loadBlock(files.at(1), &b) ? printDifferences(a, b)
                                                                        : ExitUsage;
    if (!loadBlock(files.at(0), &b))
        return ExitUsage;
    return LinkSession::run(options.port(), options.timeoutMs(), [&](LinkSession &) {
        return printDifferences(fclink::ParameterBlock::copy(), b);
    });
}

ExitCode runSnapshotCommand(const FctoolOptions &options)
{
    return LinkSession::run(options.port(), options.timeoutMs(), [&](LinkSession &session) {
        fclink::SnapshotDetails details;
        details.reason = fclink::SnapshotReason::OnDemand;
        details.note = options.note();
        details.deviceId = session.link()->getDeviceId();
        details.firmwareVersion = session.firmwareVersion();
        fclink::Snapshot snapshot;
        QString error;
        fclink::SnapshotStore::TakeOutcome outcome = fclink::SnapshotStore::TakeOutcome::Stored;
        fclink::SnapshotStore store;
        if (!store.take(fclink::ParameterBlock::copy(), details, &snapshot, &error, &outcome)) {
            printError(error);
            return ExitUsage;
        }
        printLine(snapshot.path);
        if (outcome == fclink::SnapshotStore::TakeOutcome::NoteAdded)
            printLine(QStringLiteral("The parameters equal the newest snapshot: the note was "
                                     "added to it"));
        else if (outcome == fclink::SnapshotStore::TakeOutcome::StoredForItsNote)
            printLine(QStringLiteral("The parameters equal the newest snapshot, which has a note "
                                     "of its own: stored as a new snapshot"));
        return ExitSuccess;
    });
}

ExitCode runHistoryCommand(const FctoolOptions &options)
{
    bool rebuilt = false;
    const QVector<fclink::Snapshot> snapshots = fclink::SnapshotStore().list(&rebuilt);
    if (rebuilt)
        printError(QStringLiteral("the history's index was missing or damaged: rebuilt it from "
                                  "%1 snapshot files")
                       .arg(snapshots.size()));
    const int shown =
        options.limit() > 0 ? qMin(options.limit(), snapshots.size()) : snapshots.size();
    for (int i = 0; i < shown; ++i)
        printLine(historyLine(snapshots.at(i)));
    return ExitSuccess;
}
