#include "telemetrycommand.h"

#include "console.h"
#include "csvoutput.h"
#include "fclink/link/commrt.h"
#include "fclink/storage/telemetrycsv.h"
#include "fctooloptions.h"
#include "interruptwatcher.h"
#include "linksession.h"
#include "telemetryline.h"

#include <QElapsedTimer>

namespace {

// Prints lines until enough have come; each one has to come within the session's time-out.
ExitCode streamTelemetry(LinkSession &session, int wanted, CsvOutput *csv)
{
    int printed = 0;
    bool writeFailed = false;
    QElapsedTimer sinceStart;
    sinceStart.start();
    QObject::connect(session.link(), &Commrt::telemetryChanged, &session, [&] {
        if ((wanted != 0 && printed >= wanted) || writeFailed)
            return;
        if (!csv)
            writeFailed = !printLine(telemetryLine());
        else
            writeFailed =
                !csv->write(fclink::telemetryCsvRow(sinceStart.elapsed(), fclink::telemetryNow()));
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
    CsvOutput csv(options.csvFile());
    const bool toCsv = !options.csvFile().isEmpty();
    if (toCsv && (!csv.open() || !csv.write(fclink::telemetryCsvHeader())))
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
