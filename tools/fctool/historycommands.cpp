#include "historycommands.h"

#include "console.h"
#include "fctooloptions.h"
#include "linksession.h"

#include <commrt.h>
#include <parameterfields.h>
#include <parameterfile.h>
#include <parameterslices.h>
#include <snapshotstore.h>

#include <QFileInfo>

namespace {

// A complete, valid parameter file; the message names the file.
bool loadBlock(const QString &path, QByteArray *block)
{
    if (!QFileInfo(path).isFile()) {
        printError(QStringLiteral("cannot read %1").arg(path));
        return false;
    }
    block->resize(fclink::kParameterBlockSize);
    QString error;
    if (!fclink::loadParameterFileStrict(path, reinterpret_cast<quint8 *>(block->data()), &error)) {
        printError(QStringLiteral("%1 is not a valid parameter file: %2").arg(path, error));
        return false;
    }
    return true;
}

const quint8 *bytes(const QByteArray &block)
{
    return reinterpret_cast<const quint8 *>(block.constData());
}

ExitCode printDifferences(const QByteArray &a, const QByteArray &b)
{
    bool different = false;
    for (const fclink::ParameterField &field : fclink::parameterFields()) {
        // Read as the model reads them, as read and get print them (a gain of 200 is 200).
        const qint32 first = fclink::readValue(bytes(a), field);
        const qint32 second = fclink::readValue(bytes(b), field);
        if (first == second)
            continue;
        different = true;
        printLine(
            QStringLiteral("%1: %2 -> %3").arg(QLatin1String(field.name)).arg(first).arg(second));
    }
    return different ? ExitControllerFailure : ExitSuccess;
}

QString firmwareText(int version)
{
    return QStringLiteral("%1.%2").arg(version / 100).arg(version % 100, 2, 10, QLatin1Char('0'));
}

QString historyLine(const fclink::Snapshot &snapshot)
{
    QString line =
        QStringLiteral("%1  device 0x%2  firmware %3  %4  %5")
            .arg(snapshot.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")))
            .arg(snapshot.deviceId, 2, 16, QLatin1Char('0'))
            .arg(firmwareText(snapshot.firmwareVersion))
            .arg(fclink::snapshotReasonKey(snapshot.reason), -13)
            .arg(snapshot.path);
    if (!snapshot.note.isEmpty())
        line += QStringLiteral("  \"%1\"").arg(snapshot.note);
    return line;
}

} // namespace

ExitCode runDiffCommand(const FctoolOptions &options)
{
    const QStringList files = options.positional();
    QByteArray a;
    QByteArray b;
    if (options.port().isEmpty())
        return loadBlock(files.at(0), &a) && loadBlock(files.at(1), &b) ? printDifferences(a, b)
                                                                        : ExitUsage;
    if (!loadBlock(files.at(0), &b))
        return ExitUsage;
    return LinkSession::run(options.port(), options.timeoutMs(), [&](LinkSession &) {
        return printDifferences(LinkSession::blockNow(), b);
    });
}

ExitCode runSnapshotCommand(const FctoolOptions &options)
{
    return LinkSession::run(options.port(), options.timeoutMs(), [&](LinkSession &session) {
        const QByteArray block = LinkSession::blockNow();
        fclink::Snapshot snapshot;
        QString error;
        fclink::SnapshotStore store;
        if (!store.take(bytes(block), fclink::SnapshotReason::OnDemand, options.note(),
                        session.link()->getDeviceId(), session.link()->getFirmwareVersion(),
                        &snapshot, &error)) {
            printError(error);
            return ExitUsage;
        }
        printLine(snapshot.path);
        return ExitSuccess;
    });
}

ExitCode runHistoryCommand(const FctoolOptions &options)
{
    const QVector<fclink::Snapshot> snapshots = fclink::SnapshotStore().list();
    const int shown =
        options.limit() > 0 ? qMin(options.limit(), snapshots.size()) : snapshots.size();
    for (int i = 0; i < shown; ++i)
        printLine(historyLine(snapshots.at(i)));
    return ExitSuccess;
}
