#include "fctooloptions.h"

#include "toolcommands.h"

#include <QHash>

#include <cmath>

namespace {

using Subcommand = FctoolOptions::Subcommand;

const QHash<QString, Subcommand> &subcommandsByName()
{
    static const QHash<QString, Subcommand> names = {
        {QStringLiteral("ports"), Subcommand::Ports},
        {QStringLiteral("read"), Subcommand::Read},
        {QStringLiteral("write"), Subcommand::Write},
        {QStringLiteral("get"), Subcommand::Get},
        {QStringLiteral("set"), Subcommand::Set},
        {QStringLiteral("telemetry"), Subcommand::Telemetry},
        {QStringLiteral("command"), Subcommand::Command},
        {QStringLiteral("flash"), Subcommand::Flash},
        {QStringLiteral("bootloader"), Subcommand::Bootloader},
        {QStringLiteral("diff"), Subcommand::Diff},
        {QStringLiteral("snapshot"), Subcommand::Snapshot},
        {QStringLiteral("history"), Subcommand::History},
        {QStringLiteral("describe"), Subcommand::Describe},
        {QStringLiteral("apply"), Subcommand::Apply},
        {QStringLiteral("preset"), Subcommand::Preset},
    };
    return names;
}

bool isHelpWord(const QString &word)
{
    return word == QLatin1String("--help") || word == QLatin1String("-h") ||
           word == QLatin1String("help");
}

// Longer waits than a day are a typing error rather than a wish.
constexpr double kMaxTimeoutSeconds = 86400.0;

bool parseTimeout(const QString &text, int *timeoutMs)
{
    bool ok = false;
    const double seconds = text.toDouble(&ok);
    if (!ok || !std::isfinite(seconds) || seconds <= 0.0 || seconds > kMaxTimeoutSeconds)
        return false;
    *timeoutMs = qMax(1, static_cast<int>(std::lround(seconds * 1000.0)));
    return true;
}

bool parseCount(const QString &text, int *count)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || value <= 0)
        return false;
    *count = value;
    return true;
}

// Joins names with commas into indented lines that stay within a terminal's width.
QString wrappedList(const QStringList &names, const QString &indent)
{
    constexpr int kWidth = 79;
    QStringList lines;
    QString line = indent;
    for (int i = 0; i < names.size(); ++i) {
        const QString item = names.at(i) + (i + 1 < names.size() ? QStringLiteral(",") : QString());
        if (line.size() > indent.size() && line.size() + 1 + item.size() > kWidth) {
            lines.append(line);
            line = indent;
        }
        line += (line.size() > indent.size() ? QStringLiteral(" ") : QString()) + item;
    }
    lines.append(line);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

bool FctoolOptions::parse(const QStringList &arguments, QString *error)
{
    if (arguments.isEmpty()) {
        *error = QStringLiteral("no subcommand given (try fctool --help)");
        return false;
    }
    if (isHelpWord(arguments.first())) {
        m_subcommand = Subcommand::Help;
        return true;
    }
    if (arguments.first() == QLatin1String("--version")) {
        m_subcommand = Subcommand::Version;
        return true;
    }
    if (!parseSubcommand(arguments.first(), error) || !parseArguments(arguments.mid(1), error))
        return false;
    if (m_helpRequested) {
        m_subcommand = Subcommand::Help;
        return true;
    }
    return checkRequirements(error);
}

bool FctoolOptions::parseSubcommand(const QString &word, QString *error)
{
    const auto found = subcommandsByName().constFind(word);
    if (found == subcommandsByName().constEnd()) {
        *error = QStringLiteral("unknown subcommand '%1' (try fctool --help)").arg(word);
        return false;
    }
    m_subcommand = found.value();
    m_subcommandName = word;
    if (m_subcommand == Subcommand::Flash)
        m_timeoutMs = kDefaultFlashTimeoutMs;
    return true;
}

bool FctoolOptions::parseArguments(const QStringList &arguments, QString *error)
{
    bool optionsEnded = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (optionsEnded || argument == QLatin1String("-") ||
            !argument.startsWith(QLatin1Char('-'))) {
            m_positional.append(argument);
        } else if (argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (isHelpWord(argument)) {
            m_helpRequested = true;
        } else if (!takeOption(arguments, &i, error)) {
            return false;
        }
    }
    return true;
}

// Takes "--name value" or "--name=value" starting at *index and moves *index past it.
bool FctoolOptions::takeOption(const QStringList &arguments, int *index, QString *error)
{
    const QString argument = arguments.at(*index);
    const int equals = argument.indexOf(QLatin1Char('='));
    const QString name = equals < 0 ? argument : argument.left(equals);
    if (!optionAllowed(name)) {
        *error = QStringLiteral("%1: unknown option '%2'").arg(m_subcommandName, name);
        return false;
    }
    if (storeFlag(name)) {
        if (equals < 0)
            return true;
        *error = QStringLiteral("option %1 takes no value").arg(name);
        return false;
    }
    if (equals >= 0)
        return storeOption(name, argument.mid(equals + 1), error);
    if (*index + 1 >= arguments.size()) {
        *error = QStringLiteral("option %1 needs a value").arg(name);
        return false;
    }
    ++*index;
    return storeOption(name, arguments.at(*index), error);
}

bool FctoolOptions::storeOption(const QString &name, const QString &value, QString *error)
{
    if (value.isEmpty()) {
        *error = QStringLiteral("option %1 needs a value").arg(name);
        return false;
    }
    if (name == QLatin1String("--port")) {
        m_port = value;
    } else if (name == QLatin1String("--out")) {
        m_outFile = value;
    } else if (name == QLatin1String("--csv")) {
        m_csvFile = value;
    } else if (name == QLatin1String("--note")) {
        m_note = value;
    } else if (name == QLatin1String("--file")) {
        m_targetFile = value;
    } else if (name == QLatin1String("--from")) {
        m_fromFile = value;
    } else if (name == QLatin1String("--fields")) {
        m_fields = value.split(QLatin1Char(','));
        for (QString &field : m_fields)
            field = field.trimmed();
        if (m_fields.contains(QString())) {
            *error =
                QStringLiteral("--fields needs names separated by commas, not '%1'").arg(value);
            return false;
        }
    } else if (name == QLatin1String("--limit")) {
        if (!parseCount(value, &m_limit)) {
            *error = QStringLiteral("--limit needs a positive whole number, not '%1'").arg(value);
            return false;
        }
    } else if (name == QLatin1String("--timeout")) {
        if (!parseTimeout(value, &m_timeoutMs)) {
            *error =
                QStringLiteral("--timeout needs a positive number of seconds, not '%1'").arg(value);
            return false;
        }
    } else if (!parseCount(value, &m_count)) {
        *error = QStringLiteral("--count needs a positive whole number, not '%1'").arg(value);
        return false;
    }
    return true;
}

// Options without a value; true if name is one of them.
bool FctoolOptions::storeFlag(const QString &name)
{
    if (name == QLatin1String("--no-verify")) {
        m_verify = false;
        return true;
    }
    if (name == QLatin1String("--raw")) {
        m_raw = true;
        return true;
    }
    if (name == QLatin1String("--restore")) {
        m_restore = true;
        return true;
    }
    if (name == QLatin1String("--allow-downgrade")) {
        m_allowDowngrade = true;
        return true;
    }
    if (name == QLatin1String("--leave")) {
        m_leave = true;
        return true;
    }
    if (name == QLatin1String("--dry-run")) {
        m_dryRun = true;
        return true;
    }
    return false;
}

bool FctoolOptions::optionAllowed(const QString &name) const
{
    // ports and describe answer from this computer alone.
    if (m_subcommand == Subcommand::Ports || m_subcommand == Subcommand::Describe)
        return false;
    if (m_subcommand == Subcommand::History)
        return name == QLatin1String("--limit");
    if (m_subcommand == Subcommand::Preset)
        return name == QLatin1String("--from") || name == QLatin1String("--fields") ||
               name == QLatin1String("--out");
    if (m_subcommand == Subcommand::Apply &&
        (name == QLatin1String("--file") || name == QLatin1String("--dry-run")))
        return true;
    if (name == QLatin1String("--port") || name == QLatin1String("--timeout"))
        return true;
    if (name == QLatin1String("--note"))
        return m_subcommand == Subcommand::Snapshot;
    if (name == QLatin1String("--out"))
        return m_subcommand == Subcommand::Read;
    if (name == QLatin1String("--count") || name == QLatin1String("--csv"))
        return m_subcommand == Subcommand::Telemetry;
    if (name == QLatin1String("--no-verify"))
        return m_subcommand == Subcommand::Write || m_subcommand == Subcommand::Set;
    if (name == QLatin1String("--raw"))
        return m_subcommand == Subcommand::Set;
    if (name == QLatin1String("--restore") || name == QLatin1String("--allow-downgrade"))
        return m_subcommand == Subcommand::Flash;
    if (name == QLatin1String("--leave"))
        return m_subcommand == Subcommand::Bootloader;
    return false;
}

bool FctoolOptions::checkRequirements(QString *error) const
{
    const bool portOptional =
        m_subcommand == Subcommand::Ports || m_subcommand == Subcommand::History ||
        m_subcommand == Subcommand::Diff || m_subcommand == Subcommand::Describe ||
        m_subcommand == Subcommand::Preset;
    if (m_subcommand == Subcommand::Apply) {
        if (m_port.isEmpty() == m_targetFile.isEmpty()) {
            *error = QStringLiteral("apply: give either --port PORT or --file TARGET.conf");
            return false;
        }
    } else if (!portOptional && m_port.isEmpty()) {
        *error = QStringLiteral("%1: --port PORT is required").arg(m_subcommandName);
        return false;
    }
    if (m_subcommand == Subcommand::Preset &&
        (m_fromFile.isEmpty() || m_fields.isEmpty() || m_outFile.isEmpty())) {
        *error = QStringLiteral("preset: --from FILE, --fields NAME,NAME... and --out PRESET are "
                                "required");
        return false;
    }
    return checkPositionalCount(error);
}

bool FctoolOptions::checkPositionalCount(QString *error) const
{
    const int given = m_positional.size();
    switch (m_subcommand) {
    case Subcommand::Write:
        if (given != 1)
            *error = QStringLiteral("write: exactly one parameter file is needed");
        return given == 1;
    case Subcommand::Flash:
        if (given != 1)
            *error = QStringLiteral("flash: exactly one firmware file is needed");
        return given == 1;
    case Subcommand::Diff: {
        const int wanted = m_port.isEmpty() ? 2 : 1;
        if (given != wanted)
            *error = m_port.isEmpty()
                         ? QStringLiteral("diff: two parameter files are needed (or --port PORT "
                                          "and one file)")
                         : QStringLiteral("diff --port: exactly one parameter file is needed");
        return given == wanted;
    }
    case Subcommand::Describe:
        return true; // no names: every field
    case Subcommand::Apply:
        if (given != 1)
            *error = QStringLiteral("apply: exactly one preset is needed");
        return given == 1;
    case Subcommand::Get:
    case Subcommand::Set:
        if (given == 0)
            *error = QStringLiteral("%1: name at least one parameter").arg(m_subcommandName);
        return given > 0;
    case Subcommand::Command:
        if (given != 1)
            *error = QStringLiteral("command: exactly one command name is needed (%1)")
                         .arg(toolCommandNames().join(QLatin1String(", ")));
        return given == 1;
    default:
        if (given != 0)
            *error = QStringLiteral("%1: unexpected argument '%2'")
                         .arg(m_subcommandName, m_positional.first());
        return given == 0;
    }
}

QString FctoolOptions::usage()
{
    return QStringLiteral(
               "Usage: fctool ports\n"
               "  or:  fctool read --port PORT [--out FILE]\n"
               "  or:  fctool write --port PORT FILE [--no-verify]\n"
               "  or:  fctool get --port PORT NAME...\n"
               "  or:  fctool set --port PORT NAME=VALUE... [--raw] [--no-verify]\n"
               "  or:  fctool describe [NAME...]\n"
               "  or:  fctool telemetry --port PORT [--count N] [--csv FILE]\n"
               "  or:  fctool command --port PORT NAME\n"
               "  or:  fctool flash --port PORT FILE [--restore] [--allow-downgrade]\n"
               "  or:  fctool bootloader --port PORT [--leave]\n"
               "  or:  fctool diff FILE_A FILE_B\n"
               "  or:  fctool diff --port PORT FILE\n"
               "  or:  fctool snapshot --port PORT [--note TEXT]\n"
               "  or:  fctool history [--limit N]\n"
               "  or:  fctool apply --port PORT PRESET [--dry-run]\n"
               "  or:  fctool apply --file TARGET.conf PRESET [--dry-run]\n"
               "  or:  fctool preset --from FILE --fields NAME,NAME... --out PRESET\n"
               "  or:  fctool --version\n"
               "Every subcommand with --port also takes --timeout SEC.\n"
               "\n"
               "Talks to the flight controller over its serial link.\n"
               "\n"
               "  ports      list the serial ports, one per line\n"
               "  read       read the parameter block; print Name=value lines, or save it as a\n"
               "             parameter file with --out\n"
               "  write      check a parameter file, then upload it to the flight controller\n"
               "  get        print the named parameters as Name=value lines with their units\n"
               "  set        change parameters (checked first) and upload the block; a value\n"
               "             must lie in the parameter's range (see describe) unless --raw\n"
               "             allows any value of its type\n"
               "  describe   print what each named parameter (or every one) is: offset, type,\n"
               "             unit, range, default, choices and caption; needs no port\n"
               "  telemetry  print one line per telemetry cycle, N lines or until interrupted;\n"
               "             with --csv, write them to FILE (\"-\": standard output) as a\n"
               "             header row and one row per cycle, the columns Skydesk records\n"
               "  command    send a command, one of:\n"
               "%1\n"
               "  flash      flash a firmware file (.qmtvf) through the bootloader and print\n"
               "             each report of the upgrade as a line (\"Progress: N%\" while\n"
               "             writing). When the controller answers on the link, its parameters\n"
               "             are saved first as a parameter file (the line says where); with\n"
               "             --restore they are uploaded again after the upgrade and read back.\n"
               "             An image not newer than the installed firmware is refused unless\n"
               "             --allow-downgrade. Ctrl+C before the erase stops the run (the\n"
               "             controller keeps its firmware); after it the flash is finished\n"
               "             first, then restored if asked, and the exit status is 5. A\n"
               "             controller that does not answer on the link (one left waiting in\n"
               "             its bootloader) is flashed without a new backup; --restore then\n"
               "             uploads the newest backup taken before a flash on the same port,\n"
               "             and the first line names it (time, firmware, file)\n"
               "  bootloader ask whether the flight controller waits in its bootloader (a flash\n"
               "             that did not finish leaves it there) and print 'Bootloader:\n"
               "             waiting' or 'Bootloader: not answering', then what a waiting one\n"
               "             says: 'Device:', 'Bootloader version:' and 'Firmware:' (its\n"
               "             version when intact, 'none' when erased). With --leave one whose\n"
               "             firmware is intact is sent back to it; one without firmware that\n"
               "             can run stays (exit 1) until 'fctool flash' gives it some\n"
               "  diff       the fields that differ between two parameter files, or between the\n"
               "             flight controller and a file, as 'Name: A -> B' lines in block\n"
               "             order (exit 0 when equal, 1 when different)\n"
               "  snapshot   keep the flight controller's parameters in the configuration\n"
               "             history shared with Skydesk and print the snapshot's file\n"
               "  history    the snapshots of the history, newest first, one per line\n"
               "  apply      apply a preset (a parameter file of some keys): print the fields\n"
               "             it changes as 'Name: A -> B' lines, then upload them and read\n"
               "             them back (exit 1 naming the fields the controller refused);\n"
               "             with --file, change that parameter file instead, keeping every\n"
               "             byte outside the preset's keys; --dry-run changes nothing\n"
               "  preset     write the named fields of a parameter file as a preset\n"
               "\n"
               "  --port PORT    a name the system lists (ttyUSB0, ttyACM0, rfcomm0) or a\n"
               "                 device path such as /dev/pts/7\n"
               "  --no-verify    do not read the block back after write or set (by default the\n"
               "                 upload fails when the flight controller did not take a value)\n"
               "  --timeout SEC  give up when the flight controller gives no answer that moves\n"
               "                 the connection, the read, the upload or the telemetry on for\n"
               "                 SEC seconds, or a command's result takes longer (default 10);\n"
               "                 for flash, when the upgrade makes no progress for SEC seconds\n"
               "                 (default 120)\n"
               "\n"
               "Every subcommand except ports, describe, flash, bootloader, history and diff of\n"
               "two files connects, waits for the parameter read, acts and disconnects.\n"
               "Parameters reach the flight controller's flash only through 'command flash'.\n"
               "\n"
               "Exit status:\n"
               "  0 success\n"
               "  1 the flight controller reported a failure (for flash: a file or device\n"
               "    error; for bootloader: another device, or --leave without firmware to go\n"
               "    back to)\n"
               "  2 usage or bad input, or output that could not be written (standard output,\n"
               "    --out, --csv)\n"
               "  3 the port could not be opened or used: no such device, no permission, in use\n"
               "    or read by another program, not a serial port\n"
               "  4 no answer in time (--timeout), or the device went away during the run\n"
               "  5 interrupted (Ctrl+C)")
        .arg(wrappedList(toolCommandNames(), QStringLiteral("             ")));
}
