#include "telemetrycommand.h"

#include "console.h"
#include "fctooloptions.h"
#include "interruptwatcher.h"
#include "linksession.h"
#include "telemetryline.h"

#include <commrt.h>
#include <telemetrycsv.h>

#include <QElapsedTimer>
#include <QFile>

#include <cstdio>

namespace {

// The CSV output: the named file, or standard output for "-". The header is written at once and
// every row is flushed as it comes, so the file is whole whenever the run ends.
bool openCsv(const QString &name, QFile *csv)
{
    const bool opened = name == QLatin1String("-")
                            ? csv->open(stdout, QIODevice::WriteOnly)
                            : csv->open(QIODevice::WriteOnly | QIODevice::Truncate);
    if (!opened) {
        printError(QStringLiteral("%1: cannot be written: %2").arg(name, csv->errorString()));
        return false;
    }
    return true;
}

bool writeCsv(QFile *csv, const QByteArray &text)
{
    if (csv->write(text) == text.size() && csv->flush())
        return true;
    printError(
        QStringLiteral("%1: cannot be written: %2").arg(csv->fileName(), csv->errorString()));
    return false;
}

// Prints lines until enough have come; each one has to come within the session's time-out.
ExitCode streamTelemetry(LinkSession &session, int wanted, QFile *csv)
{
    int printed = 0;
    bool writeFailed = false;
    QElapsedTimer sinceStart;
    sinceStart.start();
    QObject::connect(session.link(), &Commrt::telemetryChanged, &session, [&] {
        if ((wanted != 0 && printed >= wanted) || writeFailed)
            return;
        if (!csv)
            printLine(telemetryLine());
        else if (!writeCsv(csv,
                           fclink::telemetryCsvRow(sinceStart.elapsed(), fclink::telemetryNow())))
            writeFailed = true;
        ++printed;
        session.checkWait();
    });
    while (wanted == 0 || printed < wanted) {
        const int before = printed;
        switch (session.waitUntil([&] { return printed > before; })) {
        case LinkSession::WaitOutcome::Done:
            if (writeFailed)
                return ExitUsage;
            break;
        case LinkSession::WaitOutcome::Interrupted:
            return ExitSuccess;
        default:
            return session.reportTimeout(QStringLiteral("telemetry"));
        }
    }
    return ExitSuccess;
}

} // namespace

ExitCode runTelemetryCommand(const FctoolOptions &options)
{
    QFile csv(options.csvFile());
    const bool toCsv = !options.csvFile().isEmpty();
    if (toCsv &&
        (!openCsv(options.csvFile(), &csv) || !writeCsv(&csv, fclink::telemetryCsvHeader())))
        return ExitUsage;
    InterruptWatcher watcher;
    LinkSession session(options.port(), options.timeoutMs());
    QObject::connect(&watcher, &InterruptWatcher::interrupted, &session, &LinkSession::interrupt);
    ExitCode code = session.open();
    if (code == ExitSuccess && !session.isInterrupted())
        code = streamTelemetry(session, options.count(), toCsv ? &csv : nullptr);
    session.close();
    return code;
}
