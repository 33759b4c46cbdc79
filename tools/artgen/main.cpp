// artgen paints the main program's compiled-in pictures and writes them as PNG and ICO files.
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
    const QCommandLineOption listOption(QStringLiteral("list"),
                                        QStringLiteral("Print the files it writes and stop."));
    parser.addOption(versionOption);
    parser.addOption(listOption);
    parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("Output folder."));
    parser.addPositionalArgument(
        QStringLiteral("expected"),
        QStringLiteral("Files the build expects; artgen fails when its own list differs."),
        QStringLiteral("[expected...]"));
    parser.process(app);

    QTextStream err(stderr);
    const ArtGenerator generator(parser.value(versionOption));
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
