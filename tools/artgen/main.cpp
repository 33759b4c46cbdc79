// artgen paints the compiled-in pictures of the main program (Skydesk) or, with
// "--catalogue saybox", of the feedback program, and writes them as PNG, ICO and GIF files.
// It runs during the build, so it needs no display: it uses Qt's offscreen platform, which
// still gives it the system's fonts for the lettering.
#include "artgenerator.h"

#include <QCommandLineParser>
#include <QFile>
#include <QGuiApplication>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

namespace {

bool catalogueNamed(const QString &name, ArtGenerator::Catalogue *catalogue)
{
    if (name == QLatin1String("skydesk"))
        *catalogue = ArtGenerator::Catalogue::Skydesk;
    else if (name == QLatin1String("saybox"))
        *catalogue = ArtGenerator::Catalogue::Saybox;
    else
        return false;
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The platform wants a private runtime folder; a build machine often has none.
    QTemporaryDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeDir.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("artgen"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Paints the pictures of the assistant into a folder."));
    parser.addHelpOption();
    const QCommandLineOption versionOption(QStringLiteral("product-version"),
                                           QStringLiteral("Version shown on the splash picture."),
                                           QStringLiteral("version"));
    const QCommandLineOption catalogueOption(
        QStringLiteral("catalogue"),
        QStringLiteral("Which program's pictures: skydesk (the default) or saybox."),
        QStringLiteral("name"), QStringLiteral("skydesk"));
    const QCommandLineOption listOption(QStringLiteral("list"),
                                        QStringLiteral("Print the files it writes and stop."));
    parser.addOption(versionOption);
    parser.addOption(catalogueOption);
    parser.addOption(listOption);
    parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("Output folder."));
    parser.addPositionalArgument(
        QStringLiteral("expected"),
        QStringLiteral("Files the build expects; artgen fails when its own list differs."),
        QStringLiteral("[expected...]"));
    parser.process(app);

    QTextStream err(stderr);
    ArtGenerator::Catalogue catalogue = ArtGenerator::Catalogue::Skydesk;
    if (!catalogueNamed(parser.value(catalogueOption), &catalogue)) {
        err << "artgen: unknown catalogue " << parser.value(catalogueOption)
            << " (skydesk or saybox)\n";
        return 2;
    }
    const ArtGenerator generator(catalogue, parser.value(versionOption));
    const QStringList files = generator.fileNames();
    if (parser.isSet(listOption)) {
        QTextStream out(stdout);
        for (const QString &file : files)
            out << file << '\n';
        return 0;
    }

    QStringList arguments = parser.positionalArguments();
    if (arguments.isEmpty()) {
        err << "artgen: no output folder given\n";
        return 2;
    }
    const QString outputDir = arguments.takeFirst();
    if (!arguments.isEmpty()) {
        const QSet<QString> expected(arguments.cbegin(), arguments.cend());
        const QSet<QString> own(files.cbegin(), files.cend());
        if (expected != own) {
            for (const QString &file : expected - own)
                err << "artgen: the build expects " << file << ", which artgen does not paint\n";
            for (const QString &file : own - expected)
                err << "artgen: artgen paints " << file << ", which the build does not list\n";
            return 2;
        }
    }

    QString error;
    if (!generator.writeAll(outputDir, &error)) {
        err << "artgen: " << error << '\n';
        return 1;
    }
    return 0;
}
