#include "startoptions.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {
const char *const kInternalOption = "internal";
} // namespace

void StartOptions::describe(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QStringLiteral("KESTO Tarvel 2 Assistant: reads, changes and uploads the parameters of the "
                       "KESTO Tarvel 2 flight controller on a serial port, shows its telemetry, "
                       "runs its calibrations and upgrades its firmware."));
    parser.addOption(QCommandLineOption(
        QLatin1String(kInternalOption),
        QStringLiteral("Add the internal parameter page for service technicians.")));
    parser.addPositionalArgument(
        QStringLiteral("files"),
        QStringLiteral("Telemetry recordings (.csv) to open, each in a viewer of its own, or a "
                       "parameter file (.conf) to open offline."),
        QStringLiteral("[FILE...]"));
}

StartOptions StartOptions::fromArguments(const QStringList &arguments)
{
    QCommandLineParser parser;
    describe(parser);
    // parse() rather than process(): an unknown argument must not end the program.
    parser.parse(arguments);

    StartOptions options;
    options.m_internalPage = parser.isSet(QLatin1String(kInternalOption));
    for (const QString &file : parser.positionalArguments())
        options.m_files.append(QFileInfo(file).absoluteFilePath());
    return options;
}

StartOptions::FileKind StartOptions::kindOf(const QString &path)
{
    if (QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0)
        return FileKind::Recording;
    if (QFileInfo(path).suffix().compare(QLatin1String("conf"), Qt::CaseInsensitive) == 0)
        return FileKind::Configuration;
    return FileKind::Unknown;
}
