#include "programinformation.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstring>

QString ProgramInformation::version()
{
    return QStringLiteral(KESTO_VERSION);
}

void ProgramInformation::identify()
{
    QCoreApplication::setApplicationVersion(version());
}

bool ProgramInformation::isRequested(int argc, char **argv)
{
    static const char *const words[] = {"-h", "--help", "--help-all", "-v", "--version"};
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            return false;
        for (const char *word : words) {
            if (std::strcmp(argv[i], word) == 0)
                return true;
        }
    }
    return false;
}

int ProgramInformation::answer(int argc, char **argv,
                               const std::function<void(QCommandLineParser &)> &describe)
{
    // A core application only: it needs no display.
    QCoreApplication application(argc, argv);
    identify();
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    describe(parser);
    // parse() rather than process(): an argument the program does not know (a window-system
    // option such as -platform) does not keep the answer back.
    parser.parse(QCoreApplication::arguments());
    QString text;
    if (parser.isSet(versionOption))
        text =
            QCoreApplication::applicationName() + QLatin1Char(' ') + version() + QLatin1Char('\n');
    else
        text = parser.helpText();
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
