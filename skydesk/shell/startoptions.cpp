#include "startoptions.h"

#include <QCommandLineParser>
#include <QFileInfo>

StartOptions StartOptions::fromArguments(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption internalPage(QStringLiteral("internal"));
    parser.addOption(internalPage);
    // parse() rather than process(): an unknown argument must not end the program.
    parser.parse(arguments);

    StartOptions options;
    options.m_internalPage = parser.isSet(internalPage);
    for (const QString &file : parser.positionalArguments())
        options.m_files.append(QFileInfo(file).absoluteFilePath());
    return options;
}

StartOptions::FileKind StartOptions::kindOf(const QString &path)
{
    if (QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0)
        return FileKind::Recording;
    return FileKind::Unknown;
}
