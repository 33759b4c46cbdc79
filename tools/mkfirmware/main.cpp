// mkfirmware: writes a well-formed firmware file (.qmtvf) whose image is a repeatable run of
// pseudo-random bytes, for the demo's update server and for trying the upgrade by hand.
//
//   mkfirmware --firmware-version 120 --size 65536 [--seed N] OUT.qmtvf
//   mkfirmware --version      (the program's own version)

#include "firmwareupgrade/firmwareimage.h"
#include "firmwareupgrade/sampleimage.h"
#include "product/programinformation.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace {

constexpr int kExitUsage = 2;
constexpr int kExitWriteFailed = 1;

struct Settings
{
    quint16 version = 0;
    int size = 0;
    quint32 seed = 1;
    QString outPath;
};

void fail(const QString &message)
{
    const QByteArray text = QByteArrayLiteral("mkfirmware: ") + message.toLocal8Bit() + '\n';
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stderr);
}

bool parseNumber(const QString &text, qint64 minimum, qint64 maximum, qint64 *value)
{
    bool ok = false;
    *value = text.toLongLong(&ok, 10);
    return ok && *value >= minimum && *value <= maximum;
}

bool parseSettings(const QCoreApplication &app, Settings *settings)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes a firmware file with a pseudo-random image of the given size."));
    parser.addHelpOption();
    const QCommandLineOption programVersionOption = parser.addVersionOption();
    const QCommandLineOption versionOption(
        QStringLiteral("firmware-version"),
        QStringLiteral("Firmware version in hundredths (120 is 1.20)."), QStringLiteral("N"));
    const QCommandLineOption sizeOption(
        QStringLiteral("size"), QStringLiteral("Image size in bytes."), QStringLiteral("BYTES"));
    const QCommandLineOption seedOption(QStringLiteral("seed"),
                                        QStringLiteral("Seed of the image bytes (default 1)."),
                                        QStringLiteral("N"), QStringLiteral("1"));
    parser.addOptions({versionOption, sizeOption, seedOption});
    parser.addPositionalArgument(QStringLiteral("OUT"), QStringLiteral("The file to write."));
    // Earlier versions took the firmware version as "--version N": such a call must not be
    // taken for a question about the program's version and end without writing the file.
    if (!parser.parse(app.arguments()) ||
        (parser.isSet(programVersionOption) && app.arguments().size() > 2)) {
        fail(parser.errorText().isEmpty()
                 ? QStringLiteral("--version takes nothing more; the firmware's version is "
                                  "--firmware-version N")
                 : parser.errorText());
        return false;
    }
    parser.process(app); // answers --help and --version

    qint64 number = 0;
    if (!parser.isSet(versionOption) ||
        !parseNumber(parser.value(versionOption), 0, 65535, &number)) {
        fail(QStringLiteral("--firmware-version needs a number from 0 to 65535"));
        return false;
    }
    settings->version = static_cast<quint16>(number);
    if (!parser.isSet(sizeOption) ||
        !parseNumber(parser.value(sizeOption), 1, fwupgrade::FirmwareImage::kMaxImageLength,
                     &number)) {
        fail(QStringLiteral("--size needs a number from 1 to %1")
                 .arg(fwupgrade::FirmwareImage::kMaxImageLength));
        return false;
    }
    settings->size = static_cast<int>(number);
    if (!parseNumber(parser.value(seedOption), 0, 0xFFFFFFFFLL, &number)) {
        fail(QStringLiteral("--seed needs a number from 0 to 4294967295"));
        return false;
    }
    settings->seed = static_cast<quint32>(number);
    if (parser.positionalArguments().size() != 1) {
        fail(QStringLiteral("exactly one output file is needed"));
        return false;
    }
    settings->outPath = parser.positionalArguments().first();
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    ProgramInformation::identify();
    Settings settings;
    if (!parseSettings(app, &settings))
        return kExitUsage;

    const QByteArray contents = fwupgrade::buildFirmwareFile(
        settings.version, fwupgrade::sampleFirmwareImage(settings.size, settings.seed));
    QFile out(settings.outPath);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        out.write(contents) != contents.size() || !out.flush()) {
        fail(QStringLiteral("cannot write '%1': %2").arg(settings.outPath, out.errorString()));
        return kExitWriteFailed;
    }
    return 0;
}
