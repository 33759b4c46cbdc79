// fcsim: a simulated flight controller for developing and testing the link without hardware.

#include "simoptions.h"
#include "simulator.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    // The libraries' log lines would mix with the simulator's own messages; the
    // QT_LOGGING_RULES variable still turns them on.
    QLoggingCategory::setFilterRules(QStringLiteral("fclink.*=false\nupgrade=false"));
    QCoreApplication::setApplicationName(QStringLiteral("fcsim"));

    SimOptions options;
    QString message;
    switch (options.parse(QCoreApplication::arguments(), &message)) {
    case SimOptions::ParseResult::HelpRequested:
        std::fputs(message.toLocal8Bit().constData(), stdout);
        return 0;
    case SimOptions::ParseResult::Error:
        message.replace(QLatin1Char('\n'), QLatin1Char(' '));
        std::fprintf(stderr, "fcsim: %s\n", message.trimmed().toLocal8Bit().constData());
        return Simulator::BadUsage;
    case SimOptions::ParseResult::Ok:
        break;
    }

    Simulator simulator(options);
    return simulator.run();
}
