#include "simoptions.h"

#include "fclink/link/parameterslices.h"
#include "fclink/link/replydecoder.h"
#include "flightcontroller.h"
#include "product/programinformation.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <limits>

namespace {

const char *const kDescription =
    "Simulated KESTO Tarvel 2 flight controller: answers the link's 64-byte request frames on a\n"
    "pseudo-terminal or a serial device, keeps a 210-byte parameter block, produces moving\n"
    "telemetry and reports calibration and flash results after a delay.\n"
    "\n"
    "A request with command 176 (0xB0) is answered with the upgrade info (flash size, full\n"
    "firmware version). A request with command 177 (0xB1) is answered once with that command as\n"
    "its result; the controller then restarts into its bootloader, which takes a firmware image\n"
    "into its simulated flash (--flash-size) and, once it has been verified and run, returns to\n"
    "the link protocol with the new firmware version. Until the erase the bootloader can return\n"
    "to the firmware it had; after it the controller stays in its bootloader (also across a\n"
    "restart with --firmware-state) until a run completes.\n"
    "\n"
    "With --pty the slave device path is printed as the only line on stdout once the\n"
    "simulator is ready; with --port the device path is printed once it is open.\n"
    "\n"
    "Signals: SIGUSR1 stops replying (requests are still read, logged with a trailing\n"
    "\"silent\" and otherwise ignored), SIGUSR2 resumes; SIGINT, SIGTERM and SIGHUP end\n"
    "cleanly.\n"
    "\n"
    "Exit status: 0 when ended by a signal, 1 when the device, pseudo-terminal or an output\n"
    "file cannot be set up, 2 for bad usage or an invalid --state file, 3 when the --port\n"
    "device disappears.";

// Largest delay or time accepted on the command line: one day in milliseconds.
constexpr qint64 kMaxMilliseconds = 24LL * 3600 * 1000;

bool parseMilliseconds(const QString &name, const QString &text, int *value, QString *error)
{
    bool ok = false;
    const qint64 number = text.toLongLong(&ok, 10);
    if (!ok || number < 0 || number > kMaxMilliseconds) {
        *error = QStringLiteral("--%1 expects milliseconds from 0 to %2, not '%3'")
                     .arg(name)
                     .arg(kMaxMilliseconds)
                     .arg(text);
        return false;
    }
    *value = static_cast<int>(number);
    return true;
}

bool parseFraction(const QString &name, const QString &text, double *value, QString *error)
{
    bool ok = false;
    const double number = text.toDouble(&ok);
    if (!ok || !(number >= 0.0 && number <= 1.0)) {
        *error = QStringLiteral("--%1 expects a fraction from 0 to 1, not '%2'").arg(name, text);
        return false;
    }
    *value = number;
    return true;
}

bool parseOffsetList(const QString &text, QSet<int> *offsets, QString *error)
{
    for (const QString &item : text.split(QLatin1Char(','), Qt::KeepEmptyParts)) {
        bool ok = false;
        const int offset = item.trimmed().toInt(&ok, 10);
        if (!ok || offset < 0 || offset >= fclink::kParameterBlockSize) {
            *error = QStringLiteral("--ignore-writes expects a comma-separated list of block "
                                    "offsets from 0 to %1, not '%2'")
                         .arg(fclink::kParameterBlockSize - 1)
                         .arg(text);
            return false;
        }
        offsets->insert(offset);
    }
    return true;
}

bool parseFailList(const QString &text, QSet<quint8> *commands, QString *error)
{
    const QStringList items = text.split(QLatin1Char(','), Qt::KeepEmptyParts);
    for (const QString &item : items) {
        bool ok = false;
        const int code = item.trimmed().toInt(&ok, 10);
        if (!ok || code < 0 || code > 255 ||
            !FlightController::reportsResult(static_cast<quint8>(code))) {
            *error = QStringLiteral("--fail expects a comma-separated list of the commands that "
                                    "report a result (2, 6, 12, 13), not '%1'")
                         .arg(text);
            return false;
        }
        commands->insert(static_cast<quint8>(code));
    }
    return true;
}

} // namespace

SimOptions::ParseResult SimOptions::parse(const QStringList &arguments, QString *message)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(kDescription));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();

    const QCommandLineOption ptyOption(
        QStringLiteral("pty"),
        QStringLiteral("Create a pseudo-terminal and make LINK a symlink to its slave device "
                       "(an existing symlink is replaced, any other file is refused). The link "
                       "is removed on exit."),
        QStringLiteral("LINK"));
    const QCommandLineOption portOption(
        QStringLiteral("port"),
        QStringLiteral("Serve an existing serial device (raw, 115200 8N1) instead of a "
                       "pseudo-terminal."),
        QStringLiteral("DEVICE"));
    const QCommandLineOption stateOption(
        QStringLiteral("state"),
        QStringLiteral("Flash image in parameter-file format: loaded at start when it exists "
                       "(an invalid file is an error), written by the flash command (2)."),
        QStringLiteral("FILE"));
    const QCommandLineOption dumpOption(
        QStringLiteral("dump"),
        QStringLiteral("Write the parameter block in parameter-file format at start and after "
                       "every written slice."),
        QStringLiteral("FILE"));
    const QCommandLineOption logOption(
        QStringLiteral("log"),
        QStringLiteral("Append '<ms since start> cmd=<n> head=<n>' for every valid request "
                       "received (' silent' is added while not replying)."),
        QStringLiteral("FILE"));
    const QCommandLineOption firmwareOption(
        QStringLiteral("firmware"),
        QStringLiteral("Installed firmware version in hundredths, 0..65535 (default 105); every "
                       "reply carries its low 8 bits."),
        QStringLiteral("N"), QStringLiteral("105"));
    const QCommandLineOption flashSizeOption(
        QStringLiteral("flash-size"),
        QStringLiteral("Size of the firmware flash in bytes, 1024..16777216 (default 262144)."),
        QStringLiteral("BYTES"), QString::number(Bootloader::kDefaultFlashSize));
    const QCommandLineOption firmwareStateOption(
        QStringLiteral("firmware-state"),
        QStringLiteral("The installed firmware (version, intact or not): loaded at start when it "
                       "exists (it then replaces --firmware; firmware that is not intact starts "
                       "the simulator in its bootloader), written whenever an upgrade changes "
                       "it."),
        QStringLiteral("FILE"));
    const QCommandLineOption resetOnUpgradeOption(
        QStringLiteral("reset-on-upgrade"),
        QStringLiteral("A newly flashed firmware starts with the factory parameters."));
    const QCommandLineOption commandDelayOption(
        QStringLiteral("command-delay"),
        QStringLiteral("Time a flash write or calibration (commands 2, 6, 12, 13) takes before "
                       "its result is reported (default 800)."),
        QStringLiteral("MS"), QStringLiteral("800"));
    const QCommandLineOption failOption(
        QStringLiteral("fail"),
        QStringLiteral("Comma-separated commands (of 2, 6, 12, 13) that report failure "
                       "(code + 128); a failing flash write saves nothing."),
        QStringLiteral("LIST"));
    const QCommandLineOption flashFailOption(
        QStringLiteral("flash-fail"),
        QStringLiteral("Make one step of a firmware upgrade fail: %1.")
            .arg(Bootloader::failStepNames().join(QStringLiteral(", "))),
        QStringLiteral("STEP"));
    const QCommandLineOption replyDelayOption(
        QStringLiteral("reply-delay"),
        QStringLiteral("Delay between a request and its reply (default 2)."), QStringLiteral("MS"),
        QStringLiteral("2"));
    const QCommandLineOption dropOption(
        QStringLiteral("drop"), QStringLiteral("Fraction of replies not sent, 0..1 (default 0)."),
        QStringLiteral("P"), QStringLiteral("0"));
    const QCommandLineOption corruptOption(
        QStringLiteral("corrupt"),
        QStringLiteral("Fraction of replies sent with one bit flipped in a random byte among "
                       "2..63, 0..1 (default 0)."),
        QStringLiteral("P"), QStringLiteral("0"));
    const QCommandLineOption seedOption(
        QStringLiteral("seed"),
        QStringLiteral("Seed of the fault-injection random generator, 0..4294967295 (default: "
                       "from the clock)."),
        QStringLiteral("N"));
    const QCommandLineOption silentAfterOption(
        QStringLiteral("silent-after"),
        QStringLiteral("Stop replying this long after start (like SIGUSR1)."),
        QStringLiteral("MS"));
    const QCommandLineOption silentForOption(
        QStringLiteral("silent-for"),
        QStringLiteral("With --silent-after: resume replying after this long (default: stay "
                       "silent until SIGUSR2)."),
        QStringLiteral("MS"));
    const QCommandLineOption stallAfterOption(
        QStringLiteral("stall-after"),
        QStringLiteral("Stop taking bytes this long after start: requests are not read and, on "
                       "a pseudo-terminal, the line holds the client's writes back."),
        QStringLiteral("MS"));
    const QCommandLineOption stallForOption(
        QStringLiteral("stall-for"),
        QStringLiteral("With --stall-after: take bytes again after this long (default 3000)."),
        QStringLiteral("MS"), QStringLiteral("3000"));
    const QCommandLineOption ignoreWritesOption(
        QStringLiteral("ignore-writes"),
        QStringLiteral("Comma-separated block offsets whose written bytes are not stored, as "
                       "by a controller that refuses or clamps a value."),
        QStringLiteral("LIST"));
    const QCommandLineOption silentAtWriteOption(
        QStringLiteral("silent-at-write"),
        QStringLiteral("Stop replying when the write of slice HEAD (1-14) first arrives (like "
                       "SIGUSR1): that slice is not stored, the ones before it are."),
        QStringLiteral("HEAD"));
    const QCommandLineOption repeatRepliesOption(
        QStringLiteral("repeat-replies"),
        QStringLiteral("Send every reply twice, back to back, as a radio bridge that repeats "
                       "frames does."));
    const QCommandLineOption verboseOption(QStringLiteral("verbose"),
                                           QStringLiteral("Write diagnostics to stderr."));

    parser.addOptions({ptyOption,           portOption,          stateOption,
                       dumpOption,          logOption,           firmwareOption,
                       flashSizeOption,     firmwareStateOption, resetOnUpgradeOption,
                       commandDelayOption,  failOption,          flashFailOption,
                       replyDelayOption,    dropOption,          corruptOption,
                       seedOption,          silentAfterOption,   silentForOption,
                       stallAfterOption,    stallForOption,      ignoreWritesOption,
                       silentAtWriteOption, repeatRepliesOption, verboseOption});

    if (!parser.parse(arguments)) {
        *message = parser.errorText();
        return ParseResult::Error;
    }
    if (parser.isSet(versionOption)) {
        *message = QStringLiteral("fcsim %1\n").arg(ProgramInformation::version());
        return ParseResult::HelpRequested;
    }
    if (parser.isSet(helpOption)) {
        *message = parser.helpText();
        return ParseResult::HelpRequested;
    }
    if (!parser.positionalArguments().isEmpty()) {
        *message = QStringLiteral("unexpected argument '%1'")
                       .arg(parser.positionalArguments().constFirst());
        return ParseResult::Error;
    }

    // Options that take one value must not be given twice with different meanings.
    for (const QCommandLineOption &option :
         {ptyOption,          portOption,       stateOption,     dumpOption,
          logOption,          firmwareOption,   flashSizeOption, firmwareStateOption,
          commandDelayOption, failOption,       flashFailOption, replyDelayOption,
          dropOption,         corruptOption,    seedOption,      silentAfterOption,
          silentForOption,    stallAfterOption, stallForOption,  ignoreWritesOption,
          silentAtWriteOption}) {
        if (parser.values(option).size() > 1) {
            *message = QStringLiteral("--%1 given more than once").arg(option.names().constFirst());
            return ParseResult::Error;
        }
    }

    const bool pty = parser.isSet(ptyOption);
    const bool port = parser.isSet(portOption);
    if (pty == port) {
        *message = QStringLiteral("give exactly one of --pty LINK and --port DEVICE");
        return ParseResult::Error;
    }
    linkPath = parser.value(ptyOption);
    devicePath = parser.value(portOption);
    if ((pty && linkPath.isEmpty()) || (port && devicePath.isEmpty())) {
        *message = QStringLiteral("--%1 needs a path").arg(pty ? "pty" : "port");
        return ParseResult::Error;
    }

    statePath = parser.value(stateOption);
    dumpPath = parser.value(dumpOption);
    logPath = parser.value(logOption);
    firmwareStatePath = parser.value(firmwareStateOption);
    for (const QCommandLineOption &option :
         {stateOption, dumpOption, logOption, firmwareStateOption}) {
        if (parser.isSet(option) && parser.value(option).isEmpty()) {
            *message = QStringLiteral("--%1 needs a file name").arg(option.names().constFirst());
            return ParseResult::Error;
        }
    }

    {
        bool ok = false;
        const int firmware = parser.value(firmwareOption).toInt(&ok, 10);
        if (!ok || firmware < 0 || firmware > 65535) {
            *message = QStringLiteral("--firmware expects a number from 0 to 65535, not '%1'")
                           .arg(parser.value(firmwareOption));
            return ParseResult::Error;
        }
        firmwareVersion = static_cast<quint16>(firmware);
    }
    {
        bool ok = false;
        const qlonglong size = parser.value(flashSizeOption).toLongLong(&ok, 10);
        if (!ok || size < 1024 || size > 16 * 1024 * 1024) {
            *message = QStringLiteral("--flash-size expects bytes from 1024 to 16777216, not '%1'")
                           .arg(parser.value(flashSizeOption));
            return ParseResult::Error;
        }
        flashSize = static_cast<quint32>(size);
    }
    resetOnUpgrade = parser.isSet(resetOnUpgradeOption);

    if (!parseMilliseconds(QStringLiteral("command-delay"), parser.value(commandDelayOption),
                           &commandDelayMs, message) ||
        !parseMilliseconds(QStringLiteral("reply-delay"), parser.value(replyDelayOption),
                           &replyDelayMs, message))
        return ParseResult::Error;

    failingCommands.clear();
    if (parser.isSet(failOption) &&
        !parseFailList(parser.value(failOption), &failingCommands, message))
        return ParseResult::Error;

    flashFailStep = Bootloader::FailStep::None;
    if (parser.isSet(flashFailOption) &&
        !Bootloader::parseFailStep(parser.value(flashFailOption), &flashFailStep)) {
        *message = QStringLiteral("--flash-fail expects one of %1, not '%2'")
                       .arg(Bootloader::failStepNames().join(QStringLiteral(", ")),
                            parser.value(flashFailOption));
        return ParseResult::Error;
    }

    if (!parseFraction(QStringLiteral("drop"), parser.value(dropOption), &dropProbability,
                       message) ||
        !parseFraction(QStringLiteral("corrupt"), parser.value(corruptOption), &corruptProbability,
                       message))
        return ParseResult::Error;

    seedGiven = parser.isSet(seedOption);
    if (seedGiven) {
        bool ok = false;
        const qulonglong number = parser.value(seedOption).toULongLong(&ok, 10);
        if (!ok || number > std::numeric_limits<std::uint32_t>::max()) {
            *message = QStringLiteral("--seed expects a number from 0 to 4294967295, not '%1'")
                           .arg(parser.value(seedOption));
            return ParseResult::Error;
        }
        seed = static_cast<std::uint32_t>(number);
    }

    silentAfterMs = -1;
    silentForMs = 0;
    if (parser.isSet(silentForOption) && !parser.isSet(silentAfterOption)) {
        *message = QStringLiteral("--silent-for needs --silent-after");
        return ParseResult::Error;
    }
    if (parser.isSet(silentAfterOption)) {
        if (!parseMilliseconds(QStringLiteral("silent-after"), parser.value(silentAfterOption),
                               &silentAfterMs, message))
            return ParseResult::Error;
        if (parser.isSet(silentForOption) &&
            !parseMilliseconds(QStringLiteral("silent-for"), parser.value(silentForOption),
                               &silentForMs, message))
            return ParseResult::Error;
    }

    silentAtWriteHead = -1;
    if (parser.isSet(silentAtWriteOption)) {
        bool ok = false;
        const int head = parser.value(silentAtWriteOption).toInt(&ok, 10);
        if (!ok || head < fclink::head::FirstWrite || head > fclink::head::LastWrite) {
            *message = QStringLiteral("--silent-at-write expects a write head from %1 to %2, not "
                                      "'%3'")
                           .arg(fclink::head::FirstWrite)
                           .arg(fclink::head::LastWrite)
                           .arg(parser.value(silentAtWriteOption));
            return ParseResult::Error;
        }
        silentAtWriteHead = head;
    }

    stallAfterMs = -1;
    stallForMs = 0;
    if (parser.isSet(stallForOption) && !parser.isSet(stallAfterOption)) {
        *message = QStringLiteral("--stall-for needs --stall-after");
        return ParseResult::Error;
    }
    if (parser.isSet(stallAfterOption) &&
        (!parseMilliseconds(QStringLiteral("stall-after"), parser.value(stallAfterOption),
                            &stallAfterMs, message) ||
         !parseMilliseconds(QStringLiteral("stall-for"), parser.value(stallForOption), &stallForMs,
                            message)))
        return ParseResult::Error;

    ignoredWriteOffsets.clear();
    if (parser.isSet(ignoreWritesOption) &&
        !parseOffsetList(parser.value(ignoreWritesOption), &ignoredWriteOffsets, message))
        return ParseResult::Error;

    repeatReplies = parser.isSet(repeatRepliesOption);
    verbose = parser.isSet(verboseOption);
    return ParseResult::Ok;
}
