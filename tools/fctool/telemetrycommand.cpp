#include "telemetrycommand.h"

#include "console.h"
#include "fctooloptions.h"
#include "interruptwatcher.h"
#include "linksession.h"
#include "telemetryline.h"

#include <commrt.h>

namespace {

// Prints lines until enough have come; each one has to come within the session's time-out.
ExitCode streamTelemetry(LinkSession &session, int wanted)
{
    int printed = 0;
    QObject::connect(session.link(), &Commrt::telemetryChanged, &session, [&] {
        if (wanted == 0 || printed < wanted) {
            printLine(telemetryLine());
            ++printed;
            session.checkWait();
        }
    });
    while (wanted == 0 || printed < wanted) {
        const int before = printed;
        switch (session.waitUntil([&] { return printed > before; })) {
        case LinkSession::WaitOutcome::Done:
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
    InterruptWatcher watcher;
    LinkSession session(options.port(), options.timeoutMs());
    QObject::connect(&watcher, &InterruptWatcher::interrupted, &session, &LinkSession::interrupt);
    ExitCode code = session.open();
    if (code == ExitSuccess && !session.isInterrupted())
        code = streamTelemetry(session, options.count());
    session.close();
    return code;
}
