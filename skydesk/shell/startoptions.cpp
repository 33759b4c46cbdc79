#include "startoptions.h"

#include <QCommandLineParser>

StartOptions StartOptions::fromArguments(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption internalPage(QStringLiteral("internal"));
    parser.addOption(internalPage);
    // parse() rather than process(): an unknown argument must not end the program.
    parser.parse(arguments);

    StartOptions options;
    options.m_internalPage = parser.isSet(internalPage);
    return options;
}
