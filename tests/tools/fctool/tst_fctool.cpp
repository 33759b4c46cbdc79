// End-to-end tests of fctool: each case runs the real program against the simulated flight
// controller on a pseudo-terminal and checks its output, its exit code and what the simulator
// received and holds afterwards.

#include "fclink/link/frame.h"
#include "fclink/link/frameassembler.h"
#include "fclink/link/linkmessages.h"
#include "fclink/link/parameterslices.h"
#include "fclink/model/parameterfields.h"
#include "fclink/storage/parameterfile.h"
#include "firmwareupgrade/firmwareimage.h"
#include "tests/support/fcsimprocess.h"
#include "tests/support/linkprobe.h"
#include "tests/support/testfolders.h"
#include "toolrun.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QSerialPort>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>
#include <unistd.h>

namespace {

using Block = fclink::BlockImage;

const fclink::ParameterField &field(const char *name)
{
    const fclink::ParameterField *found = fclink::findParameterField(QLatin1String(name));
    Q_ASSERT(found);
    return *found;
}

qint32 valueIn(const Block &block, const char *name)
{
    return block.fileValue(field(name));
}

// A value of the field that differs from current and fits the field.
qint32 otherValue(const fclink::ParameterField &f, qint32 current)
{
    return current < fclink::fieldMaximum(f.type) ? current + 1 : current - 1;
}

Block loadFile(const QString &path)
{
    Block block;
    QString error;
    if (!fclink::loadParameterFileStrict(path, &block, &error))
        return {};
    return block;
}

// The lines read prints: each value as the model reads it (a gain up to 255 unsigned).
QStringList fieldLines(const Block &block)
{
    QStringList lines;
    for (const fclink::ParameterField &f : fclink::parameterFields())
        lines.append(QStringLiteral("%1=%2").arg(QLatin1String(f.name)).arg(block.value(f)));
    return lines;
}

bool isErrorLine(const QString &err)
{
    return err.startsWith(QLatin1String("fctool: ")) && err.count(QLatin1Char('\n')) == 1;
}

const QRegularExpression &telemetryPattern()
{
    static const QRegularExpression pattern(QStringLiteral(
        R"(^rc=(-?\d+,){7}-?\d+ voltage=(-?\d+\.\d\d) roll=-?\d+\.\d pitch=-?\d+\.\d )"
        R"(heading=-?\d+\.\d gyro=-?\d+\.\d,-?\d+\.\d,-?\d+\.\d )"
        R"(acc=-?\d+\.\d\d,-?\d+\.\d\d,-?\d+\.\d\d alt=-?\d+\.\d compass=\d+$)"));
    return pattern;
}

void verifyTelemetryLine(const QString &line)
{
    const QRegularExpressionMatch match = telemetryPattern().match(line);
    QVERIFY2(match.hasMatch(), qPrintable(line));
    const double voltage = match.captured(2).toDouble();
    QVERIFY2(voltage > 11.0 && voltage < 13.0, qPrintable(line));
}

const char *const kCsvHeader =
    "time_ms,rc1,rc2,rc3,rc4,rc5,rc6,rc7,rc8,roll,pitch,heading,gyro_x,gyro_y,gyro_z,acc_x,acc_y,"
    "acc_z,altitude,voltage,compass";

// The rows after the header: 21 numbers each, times rising from zero, a battery near 12 V.
void verifyCsvRows(const QStringList &rows)
{
    const QRegularExpression number(QStringLiteral(R"(^-?\d+(\.\d+)?$)"));
    qint64 previous = -1;
    for (const QString &row : rows) {
        const QStringList fields = row.split(QLatin1Char(','));
        QCOMPARE(fields.size(), 21);
        for (const QString &value : fields)
            QVERIFY2(number.match(value).hasMatch(), qPrintable(row));
        const qint64 time = fields.first().toLongLong();
        QVERIFY2(time > previous, qPrintable(row));
        previous = time;
        const double voltage = fields.at(19).toDouble();
        QVERIFY2(voltage > 11.0 && voltage < 13.0, qPrintable(row));
        QVERIFY2(fields.at(16).contains(QLatin1Char('.')), qPrintable(row)); // acc_y, 2 decimals
    }
}

QStringList fileLines(const QString &path, bool *endsWithNewline = nullptr)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.readAll());
    if (endsWithNewline)
        *endsWithNewline = text.endsWith(QLatin1Char('\n'));
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// A firmware file for the given version with a small repeatable image.
QByteArray firmwareFile(quint16 version)
{
    QByteArray image(8192, '\0');
    quint32 state = version;
    for (char &byte : image) {
        state = state * 1664525U + 1013904223U;
        byte = static_cast<char>(state >> 24);
    }
    return fwupgrade::buildFirmwareFile(version, image);
}

bool writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

// Time-outs given to fctool where a case waits for one on purpose.
const QString kShortTimeout = QStringLiteral("2");
// Upper bound for such a case: well below the default time-out of 10 s.
constexpr qint64 kShortTimeoutBoundMs = 8000;

} // namespace

class TestFctool : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void helpPrintsUsage();
    void usageErrorsExit2_data();
    void usageErrorsExit2();
    void portsListsExtraPortsSorted();

    void readPrintsEveryField();
    void readFileRoundTripsThroughWrite();
    void getPrintsRequestedFieldsInOrder();
    void getRejectsUnknownNameBeforeConnecting();
    void setChangesTheSimulatorsBlock();
    void setRejectsBadInput_data();
    void setRejectsBadInput();
    void setRefusesValuesOutsideTheRange_data();
    void setRefusesValuesOutsideTheRange();
    void setRawAllowsAnyValueOfTheType();
    void describePrintsWhatTheTableSays();
    void writeRejectsBadFile_data();
    void writeRejectsBadFile();
    void writeRejectsMissingFile();
    void readRejectsMissingOutputFolder();
    void slowLineKeepsEveryWrittenValue();
    void uploadsTheControllerRefusesFail();

    void telemetryPrintsCountLines();
    void telemetryRunsUntilInterrupted();
    void telemetryOutlastsLostConnection();
    void telemetryTimesOutWhenControllerFallsSilent();
    void telemetryEndsWhenDeviceGoesAway();
    void telemetryCsvCountRows();
    void telemetryCsvIsWholeWhileRunning();
    void telemetryCsvToStandardOutput();
    void telemetryCsvUnwritableFileExits2();

    void commandReportsResult_data();
    void commandReportsResult();
    void commandFlashWritesStateFile();
    void commandWithoutResultIsSent_data();
    void commandWithoutResultIsSent();

    void badPortNameExits3();
    void missingDeviceExits3();
    void terminatedSimulatorExits3();
    void silentSimulatorTimesOut();
    void stoppedSimulatorTimesOut();
    void lossyLinkStillCompletes();
    void portHeldByAnotherProgramSaysSo();
    void portWithoutPermissionSaysSo();

    void diffListsTheFieldsThatDiffer();
    void diffComparesTheControllerWithAFile();
    void snapshotAndHistoryShareOneFolder();

    void flashGoodFileUpgrades();
    void flashDamagedFileLeavesPortAlone();
    void flashReportsEraseError();
    void flashBadPortExits3();
    void flashTimesOutWhenControllerIsStopped();
    void flashRefusesAnOversizedImageAndTheLinkStillAnswers();
    void flashRestoresTheParametersAfterAResettingUpgrade();
    void flashRepairsAControllerWaitingInItsBootloader();

private:
    bool startSimulator(const QStringList &extra = {});
    QString path(const QString &name) const { return m_folder->filePath(name); }
    QString port() const { return m_sim->linkPath(); }

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<FcsimProcess> m_sim;
};

void TestFctool::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    // The configuration history lives in the user's data location: here, the test's folder.
    useTestFolders(m_folder->path());
    m_sim = std::make_unique<FcsimProcess>(m_folder->path());
}

void TestFctool::cleanup()
{
    m_sim.reset();
    m_folder.reset();
}

bool TestFctool::startSimulator(const QStringList &extra)
{
    return m_sim->start(extra);
}

void TestFctool::helpPrintsUsage()
{
    ToolRun tool({QStringLiteral("--help")});
    QVERIFY(tool.runToEnd());
    QCOMPARE(tool.exitCode(), 0);
    QVERIFY(tool.out().contains(QLatin1String("fctool telemetry --port PORT [--count N]")));
    QVERIFY(tool.out().contains(
        QLatin1String("fctool flash --port PORT FILE [--restore] [--allow-downgrade]\n")));
    QVERIFY(tool.out().contains(QLatin1String("with --port also takes --timeout SEC")));
    // One synopsis a line, as help2man reads it for the manual page, within 79 columns.
    QVERIFY(tool.out().startsWith(QLatin1String("Usage: fctool ports\n  or:  fctool read")));
    for (const QString &line : tool.out().split(QLatin1Char('\n')))
        QVERIFY2(line.size() <= 79, qPrintable(line));
    QVERIFY(tool.out().contains(QLatin1String("5 interrupted (Ctrl+C)")));
    QVERIFY(tool.err().isEmpty());

    ToolRun subcommandHelp({QStringLiteral("set"), QStringLiteral("--help")});
    QVERIFY(subcommandHelp.runToEnd());
    QCOMPARE(subcommandHelp.exitCode(), 0);
    QCOMPARE(subcommandHelp.out(), tool.out());
}

void TestFctool::usageErrorsExit2_data()
{
    QTest::addColumn<QStringList>("arguments");
    // The port does not exist, so reaching for it would end with 3, not 2.
    const QString p = QStringLiteral("/nonexistent/fc");
    QTest::newRow("no arguments") << QStringList{};
    QTest::newRow("unknown subcommand") << QStringList{"frobnicate"};
    QTest::newRow("missing --port") << QStringList{"read"};
    QTest::newRow("unknown option") << QStringList{"read", "--port", p, "--bogus"};
    QTest::newRow("option without value") << QStringList{"read", "--port"};
    QTest::newRow("--out on get") << QStringList{"get", "--port", p, "--out", "f", "MotorIdel"};
    QTest::newRow("--count on read") << QStringList{"read", "--port", p, "--count", "3"};
    QTest::newRow("write without file") << QStringList{"write", "--port", p};
    QTest::newRow("write with two files") << QStringList{"write", "--port", p, "a", "b"};
    QTest::newRow("get without names") << QStringList{"get", "--port", p};
    QTest::newRow("set without assignments") << QStringList{"set", "--port", p};
    QTest::newRow("set without value") << QStringList{"set", "--port", p, "MotorIdel"};
    QTest::newRow("command without name") << QStringList{"command", "--port", p};
    QTest::newRow("unknown command") << QStringList{"command", "--port", p, "launch"};
    QTest::newRow("count zero") << QStringList{"telemetry", "--port", p, "--count", "0"};
    QTest::newRow("count not a number") << QStringList{"telemetry", "--port", p, "--count", "x"};
    QTest::newRow("--csv on read") << QStringList{"read", "--port", p, "--csv", "t.csv"};
    QTest::newRow("negative timeout") << QStringList{"read", "--port", p, "--timeout", "-1"};
    QTest::newRow("timeout not a number") << QStringList{"read", "--port=" + p, "--timeout=soon"};
    QTest::newRow("ports with --port") << QStringList{"ports", "--port", p};
    QTest::newRow("read with argument") << QStringList{"read", "--port", p, "extra"};
    QTest::newRow("flash without file") << QStringList{"flash", "--port", p};
    QTest::newRow("flash with two files") << QStringList{"flash", "--port", p, "a", "b"};
    QTest::newRow("flash without --port") << QStringList{"flash", "fw.qmtvf"};
    QTest::newRow("flash with --out") << QStringList{"flash", "--port", p, "--out", "f", "a"};
}

void TestFctool::usageErrorsExit2()
{
    QFETCH(QStringList, arguments);
    ToolRun tool(arguments);
    QVERIFY(tool.runToEnd());
    QVERIFY2(tool.exitCode() == 2, qPrintable(tool.describe()));
    QVERIFY(tool.out().isEmpty());
    QVERIFY2(isErrorLine(tool.err()), qPrintable(tool.err()));
}

void TestFctool::portsListsExtraPortsSorted()
{
    QVERIFY(startSimulator());
    const QString zeta = path(QStringLiteral("zeta"));
    const QString alpha = path(QStringLiteral("alpha"));
    for (const QString &device : {zeta, alpha})
        QVERIFY(writeFile(device, QByteArray()));
    const QString extra = QStringList{zeta, port(), alpha}.join(QLatin1Char(':'));
    ToolRun tool({QStringLiteral("ports")}, {QStringLiteral("FCLINK_EXTRA_PORTS=") + extra});
    QVERIFY(tool.runToEnd());
    QCOMPARE(tool.exitCode(), 0);
    QVERIFY(tool.err().isEmpty());

    const QStringList names = tool.outLines();
    QStringList sorted = names;
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(names, sorted);
    QCOMPARE(names.filter(m_folder->path()), (QStringList{alpha, port(), zeta}));
}

void TestFctool::readPrintsEveryField()
{
    QVERIFY(startSimulator());
    ToolRun tool({QStringLiteral("read"), QStringLiteral("--port"), port()});
    QVERIFY(tool.runToEnd());
    QVERIFY2(tool.exitCode() == 0, qPrintable(tool.describe()));
    QVERIFY(tool.err().isEmpty());
    QCOMPARE(tool.outLines().size(), 198);
    QCOMPARE(tool.outLines(), fieldLines(m_sim->block()));
}

void TestFctool::readFileRoundTripsThroughWrite()
{
    QVERIFY(startSimulator());
    QVERIFY(m_sim->dumpedBlock());
    const Block original = m_sim->block();

    const QString saved = path(QStringLiteral("saved.conf"));
    ToolRun read(
        {QStringLiteral("read"), QStringLiteral("--port"), port(), QStringLiteral("--out"), saved});
    QVERIFY(read.runToEnd());
    QVERIFY2(read.exitCode() == 0, qPrintable(read.describe()));
    QVERIFY(read.out().isEmpty());
    QCOMPARE(loadFile(saved), original);

    // Writing back the file just read changes nothing.
    ToolRun same({QStringLiteral("write"), QStringLiteral("--port"), port(), saved});
    QVERIFY(same.runToEnd());
    QVERIFY2(same.exitCode() == 0, qPrintable(same.describe()));
    QCOMPARE(m_sim->block(), original);

    // An edited file reaches the controller, and reading it back gives the file again.
    const fclink::ParameterField &idle = field("MotorIdel");
    const qint32 newIdle = otherValue(idle, valueIn(original, "MotorIdel"));
    {
        QSettings settings(saved, QSettings::IniFormat);
        settings.setValue(idle.fileKeyName(), QString::number(newIdle));
    }
    ToolRun edited({QStringLiteral("write"), QStringLiteral("--port"), port(), saved});
    QVERIFY(edited.runToEnd());
    QVERIFY2(edited.exitCode() == 0, qPrintable(edited.describe()));
    QCOMPARE(valueIn(m_sim->block(), "MotorIdel"), newIdle);
    QCOMPARE(m_sim->block(), loadFile(saved));

    const QString again = path(QStringLiteral("again.conf"));
    ToolRun reread(
        {QStringLiteral("read"), QStringLiteral("--port"), port(), QStringLiteral("--out"), again});
    QVERIFY(reread.runToEnd());
    QCOMPARE(reread.exitCode(), 0);
    QCOMPARE(loadFile(again), loadFile(saved));
}

void TestFctool::getPrintsRequestedFieldsInOrder()
{
    QVERIFY(startSimulator());
    const Block block = m_sim->block();
    const QStringList names{"LossVolt",     "ServoTrim0",  "IMUDistX", "MotorIdel",
                            "MaxPhiByhand", "BatteryCell", "LimitAlt"};
    ToolRun tool(QStringList{QStringLiteral("get"), QStringLiteral("--port"), port()} + names);
    QVERIFY(tool.runToEnd());
    QVERIFY2(tool.exitCode() == 0, qPrintable(tool.describe()));
    // Each value with its unit; the shown unit of a scaled field beside the stored number.
    const QStringList units{" (%1 V)", "", "", "", "", "", " m"};
    QStringList expected;
    for (int i = 0; i < names.size(); ++i) {
        const qint32 value = valueIn(block, qPrintable(names.at(i)));
        const QString unit = units.at(i).contains("%1")
                                 ? units.at(i).arg(QString::number(value / 100.0, 'f', 2))
                                 : units.at(i);
        expected.append(QStringLiteral("%1=%2").arg(names.at(i)).arg(value) + unit);
    }
    QCOMPARE(tool.outLines(), expected);

    // A choice shows its label, a gain up to 255 its unsigned byte.
    ToolRun choices(
        {QStringLiteral("get"), QStringLiteral("--port"), port(), "FailType", "GoHomeHeading"});
    QVERIFY(choices.runToEnd());
    QCOMPARE(choices.outLines(),
             (QStringList{"FailType=1 (Alt Go-Home)", "GoHomeHeading=1 (Towards)"}));
}

void TestFctool::setRefusesValuesOutsideTheRange_data()
{
    QTest::addColumn<QString>("assignment");
    QTest::addColumn<QString>("range");
    const fclink::ParameterField &alt = field("LimitAlt");
    QTest::newRow("below the altitude range")
        << QStringLiteral("LimitAlt=%1").arg(alt.minimum - 1)
        << QStringLiteral("%1..%2 m").arg(alt.minimum).arg(alt.maximum);
    const fclink::ParameterField &height = field("TurnbackHeight");
    QTest::newRow("above the go-home range")
        << QStringLiteral("TurnbackHeight=%1").arg(height.maximum + 1)
        << QStringLiteral("%1..%2 m").arg(height.minimum).arg(height.maximum);
    QTest::newRow("no idle level")
        << "MotorIdel=44"
        << QStringLiteral("%1..%2").arg(field("MotorIdel").minimum).arg(field("MotorIdel").maximum);
    QTest::newRow("no choice") << "FailType=4"
                               << "0 (Hover), 1 (Alt Go-Home)";
    QTest::newRow("scaled") << "LossVolt=9000"
                            << "0..6000 (0.00–60.00 V)";
}

void TestFctool::setRefusesValuesOutsideTheRange()
{
    QFETCH(QString, assignment);
    QFETCH(QString, range);
    QVERIFY(startSimulator());
    const Block before = m_sim->block();
    ToolRun tool({QStringLiteral("set"), QStringLiteral("--port"), port(), assignment});
    QVERIFY(tool.runToEnd());
    QVERIFY2(tool.exitCode() == 2, qPrintable(tool.describe()));
    QVERIFY2(isErrorLine(tool.err()), qPrintable(tool.err()));
    QVERIFY2(tool.err().contains(range), qPrintable(tool.err()));
    QVERIFY2(tool.err().contains(QLatin1String("--raw")), qPrintable(tool.err()));
    QCOMPARE(m_sim->requestCount(), 0);
    QCOMPARE(m_sim->block(), before);
}

void TestFctool::setRawAllowsAnyValueOfTheType()
{
    QVERIFY(startSimulator());
    Block expected = m_sim->block();
    expected.setValue(field("LimitAlt"), 5);
    expected.setValue(field("MotorIdel"), 44);
    expected.setValue(field("PKp"), 200); // a gain: up to 255 without --raw
    ToolRun tool({QStringLiteral("set"), QStringLiteral("--port"), port(), "--raw", "LimitAlt=5",
                  "MotorIdel=44", "PKp=200"});
    QVERIFY(tool.runToEnd());
    QVERIFY2(tool.exitCode() == 0, qPrintable(tool.describe()));
    QCOMPARE(m_sim->block(), expected);

    // --raw still refuses what the field's type cannot hold.
    ToolRun tooBig(
        {QStringLiteral("set"), QStringLiteral("--port"), port(), "--raw", "LimitAlt=70000"});
    QVERIFY(tooBig.runToEnd());
    QCOMPARE(tooBig.exitCode(), 2);
    QVERIFY(tooBig.err().contains(QLatin1String("uint16")));
    QCOMPARE(m_sim->block(), expected);
}

void TestFctool::describePrintsWhatTheTableSays()
{
    ToolRun all({QStringLiteral("describe")});
    QVERIFY(all.runToEnd());
    QVERIFY2(all.exitCode() == 0, qPrintable(all.describe()));
    QCOMPARE(all.outLines().size(), fclink::parameterFields().size());
    for (int i = 0; i < all.outLines().size(); ++i) {
        const fclink::ParameterField &f = fclink::parameterFields().at(i);
        QVERIFY2(all.outLines().at(i).startsWith(QStringLiteral("%1 offset=%2 type=%3 ")
                                                     .arg(QLatin1String(f.name))
                                                     .arg(f.offset)
                                                     .arg(fclink::fieldTypeName(f.type))),
                 qPrintable(all.outLines().at(i)));
    }

    ToolRun some({QStringLiteral("describe"), "LimitAlt", "FailType", "LossVolt"});
    QVERIFY(some.runToEnd());
    QCOMPARE(some.outLines(),
             (QStringList{"LimitAlt offset=206 type=uint16 unit=m range=10..10000 default=120 "
                          "caption=\"Max Altitude\"",
                          "FailType offset=178 type=int8 range=0..1 default=1 "
                          "choices=0=\"Hover\",1=\"Alt Go-Home\" "
                          "caption=\"Enhanced Failsafe Methods\"",
                          "LossVolt offset=76 type=uint16 unit=V scale=100 range=0..6000 "
                          "default=1110 caption=\"Loss Volt\""}));

    ToolRun unknown({QStringLiteral("describe"), "LimitAltitude"});
    QVERIFY(unknown.runToEnd());
    QCOMPARE(unknown.exitCode(), 2);
    QVERIFY(isErrorLine(unknown.err()));
}

void TestFctool::getRejectsUnknownNameBeforeConnecting()
{
    QVERIFY(startSimulator());
    ToolRun tool({QStringLiteral("get"), QStringLiteral("--port"), port(),
                  QStringLiteral("MotorIdel"), QStringLiteral("MotorIdle")});
    QVERIFY(tool.runToEnd());
    QCOMPARE(tool.exitCode(), 2);
    QVERIFY(tool.out().isEmpty());
    QVERIFY(isErrorLine(tool.err()));
    QVERIFY(tool.err().contains(QLatin1String("MotorIdle")));
    QCOMPARE(m_sim->requestCount(), 0);
}

void TestFctool::setChangesTheSimulatorsBlock()
{
    QVERIFY(startSimulator());
    const Block before = m_sim->block();
    Block expected = before;
    QStringList assignments;
    for (const char *name : {"MotorIdel", "LossVolt", "IMUDistX", "BatteryCell", "spare98"}) {
        const qint32 value = otherValue(field(name), valueIn(before, name));
        expected.setValue(field(name), value);
        assignments.append(QStringLiteral("%1=%2").arg(QLatin1String(name)).arg(value));
    }
    // The extremes of a signed 16-bit field.
    expected.setValue(field("GPSDistY"), -32768);
    assignments.append(QStringLiteral("GPSDistY=-32768"));

    ToolRun tool(QStringList{QStringLiteral("set"), QStringLiteral("--port"), port()} +
                 assignments);
    QVERIFY(tool.runToEnd());
    QVERIFY2(tool.exitCode() == 0, qPrintable(tool.describe()));
    QVERIFY(tool.out().isEmpty());
    QVERIFY(tool.err().isEmpty());
    QCOMPARE(m_sim->block(), expected);
}

void TestFctool::setRejectsBadInput_data()
{
    QTest::addColumn<QStringList>("assignments");
    QTest::addColumn<QString>("named");
    QTest::newRow("int8 above") << QStringList{"ServoTrim0=128"} << "ServoTrim0";
    QTest::newRow("int8 below") << QStringList{"ServoTrim0=-129"} << "ServoTrim0";
    QTest::newRow("uint8 negative") << QStringList{"BatteryCell=-1"} << "BatteryCell";
    QTest::newRow("uint8 above") << QStringList{"BatteryCell=256"} << "BatteryCell";
    QTest::newRow("int16 above") << QStringList{"IMUDistX=32768"} << "IMUDistX";
    QTest::newRow("uint16 above") << QStringList{"LossVolt=65536"} << "LossVolt";
    QTest::newRow("not a number") << QStringList{"MotorIdel=three"} << "MotorIdel";
    QTest::newRow("fraction") << QStringList{"MotorIdel=1.5"} << "MotorIdel";
    QTest::newRow("empty value") << QStringList{"MotorIdel="} << "MotorIdel";
    QTest::newRow("unknown name") << QStringList{"NoSuchField=1"} << "NoSuchField";
    QTest::newRow("second of two") << QStringList{"MotorIdel=2", "LossVolt=70000"} << "LossVolt";
}

void TestFctool::setRejectsBadInput()
{
    QFETCH(QStringList, assignments);
    QFETCH(QString, named);
    QVERIFY(startSimulator());
    const Block before = m_sim->block();
    ToolRun tool(QStringList{QStringLiteral("set"), QStringLiteral("--port"), port()} +
                 assignments);
    QVERIFY(tool.runToEnd());
    QVERIFY2(tool.exitCode() == 2, qPrintable(tool.describe()));
    QVERIFY(tool.out().isEmpty());
    QVERIFY2(isErrorLine(tool.err()), qPrintable(tool.err()));
    QVERIFY2(tool.err().contains(named), qPrintable(tool.err()));
    // Nothing was sent: the port was never opened.
    QCOMPARE(m_sim->requestCount(), 0);
    QCOMPARE(m_sim->block(), before);
}

void TestFctool::writeRejectsBadFile_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value"); // empty: the key is removed
    QTest::newRow("missing key") << "var43" << QString();
    QTest::newRow("int8 out of range") << "var43"
                                       << "200";
    QTest::newRow("uint16 out of range") << "var70"
                                         << "-5";
    QTest::newRow("not a number") << "var70"
                                  << "twelve";
    QTest::newRow("last key missing") << "var198" << QString();
}

void TestFctool::writeRejectsBadFile()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QVERIFY(startSimulator());
    const Block before = m_sim->block();
    const QString file = path(QStringLiteral("bad.conf"));
    QVERIFY(QFile::copy(m_sim->dumpPath(), file));
    {
        QSettings settings(file, QSettings::IniFormat);
        if (value.isEmpty())
            settings.remove(key);
        else
            settings.setValue(key, value);
    }
    ToolRun tool({QStringLiteral("write"), QStringLiteral("--port"), port(), file});
    QVERIFY(tool.runToEnd());
    QVERIFY2(tool.exitCode() == 2, qPrintable(tool.describe()));
    QVERIFY(tool.out().isEmpty());
    QVERIFY2(isErrorLine(tool.err()), qPrintable(tool.err()));
    QVERIFY2(tool.err().contains(key + QLatin1Char(' ')), qPrintable(tool.err()));
    QCOMPARE(m_sim->requestCount(), 0);
    QCOMPARE(m_sim->block(), before);
}

void TestFctool::writeRejectsMissingFile()
{
    QVERIFY(startSimulator());
    const QString missing = path(QStringLiteral("missing.conf"));
    ToolRun tool({QStringLiteral("write"), QStringLiteral("--port"), port(), missing});
    QVERIFY(tool.runToEnd());
    QCOMPARE(tool.exitCode(), 2);
    QVERIFY(isErrorLine(tool.err()));
    QVERIFY(tool.err().contains(missing));
    QCOMPARE(m_sim->requestCount(), 0);
}

void TestFctool::readRejectsMissingOutputFolder()
{
    QVERIFY(startSimulator());
    ToolRun tool({QStringLiteral("read"), QStringLiteral("--port"), port(), QStringLiteral("--out"),
                  path(QStringLiteral("no/such/folder/x.conf"))});
    QVERIFY(tool.runToEnd());
    QCOMPARE(tool.exitCode(), 2);
    QVERIFY(isErrorLine(tool.err()));
    QCOMPARE(m_sim->requestCount(), 0);
}

void TestFctool::telemetryPrintsCountLines()
{
    QVERIFY(startSimulator());
    ToolRun tool({QStringLiteral("telemetry"), QStringLiteral("--port"), port(),
                  QStringLiteral("--count"), QStringLiteral("3")});
    QVERIFY(tool.runToEnd());
    QVERIFY2(tool.exitCode() == 0, qPrintable(tool.describe()));
    QVERIFY(tool.err().isEmpty());
    const QStringList lines = tool.outLines();
    QCOMPARE(lines.size(), 3);
    for (const QString &line : lines)
        verifyTelemetryLine(line);
}

void TestFctool::telemetryRunsUntilInterrupted()
{
    QVERIFY(startSimulator());
    ToolRun tool({QStringLiteral("telemetry"), QStringLiteral("--port"), port()});
    QVERIFY(tool.start());
    QVERIFY2(tool.waitForLines(2, 10000), qPrintable(tool.describe()));
    tool.sendSignal(SIGINT);
    QVERIFY(tool.finish(5000));
    QVERIFY2(tool.exitCode() == 0, qPrintable(tool.describe()));
    QVERIFY(tool.err().isEmpty());
    for (const QString &line : tool.outLines())
        verifyTelemetryLine(line);

    // SIGTERM ends it the same way.
    ToolRun terminated({QStringLiteral("telemetry"), QStringLiteral("--port"), port()});
    QVERIFY(terminated.start());
    QVERIFY(terminated.waitForLines(1, 10000));
    terminated.sendSignal(SIGTERM);
    QVERIFY(terminated.finish(5000));
    QCOMPARE(terminated.exitCode(), 0);
}

void TestFctool::telemetryOutlastsLostConnection()
{
    QVERIFY(startSimulator());
    ToolRun tool({QStringLiteral("telemetry"), QStringLiteral("--port"), port(),
                  QStringLiteral("--count"), QStringLiteral("8")});
    QVERIFY(tool.start());
    QVERIFY(tool.waitForLines(1, 10000));
    // Long enough for the link to declare the connection lost (about 2.7 s without replies).
    m_sim->sendSignal(SIGUSR1);
    QTest::qWait(3500);
    m_sim->sendSignal(SIGUSR2);
    QVERIFY(tool.finish(15000));
    QVERIFY2(tool.exitCode() == 0, qPrintable(tool.describe()));
    QCOMPARE(tool.outLines().size(), 8);
}

void TestFctool::telemetryTimesOutWhenControllerFallsSilent()
{
    QVERIFY(startSimulator());
    ToolRun tool({QStringLiteral("telemetry"), QStringLiteral("--port"), port(),
                  QStringLiteral("--timeout"), kShortTimeout});
    QVERIFY(tool.start());
    QVERIFY(tool.waitForLines(1, 10000));
    m_sim->sendSignal(SIGUSR1);
    QVERIFY(tool.finish(15000));
    QVERIFY2(tool.exitCode() == 4, qPrintable(tool.describe()));
    QVERIFY2(isErrorLine(tool.err()), qPrintable(tool.err()));
}

void TestFctool::telemetryEndsWhenDeviceGoesAway()
{
    QVERIFY(startSimulator());
    ToolRun tool({QStringLiteral("telemetry"), QStringLiteral("--port"), port()});
    QVERIFY(tool.start());
    QVERIFY(tool.waitForLines(1, 10000));
    QElapsedTimer clock;
    clock.start();
    m_sim->stop();
    // The pseudo-terminal is gone for good: no point in waiting out the 10 s time-out.
    QVERIFY(tool.finish(15000));
    QVERIFY2(tool.exitCode() == 4, qPrintable(tool.describe()));
    QVERIFY2(isErrorLine(tool.err()), qPrintable(tool.err()));
    QVERIFY(clock.elapsed() < kShortTimeoutBoundMs);
}

void TestFctool::telemetryCsvCountRows()
{
    QVERIFY(startSimulator());
    const QString csv = path(QStringLiteral("telemetry.csv"));
    ToolRun tool({QStringLiteral("telemetry"), QStringLiteral("--port"), port(),
                  QStringLiteral("--count"), QStringLiteral("20"), QStringLiteral("--csv"), csv});
    QVERIFY(tool.runToEnd(30000));
    QVERIFY2(tool.exitCode() == 0, qPrintable(tool.describe()));
    QVERIFY(tool.out().isEmpty());
    bool whole = false;
    const QStringList lines = fileLines(csv, &whole);
    QCOMPARE(lines.size(), 21);
    QVERIFY(whole);
    QCOMPARE(lines.first(), QLatin1String(kCsvHeader));
    verifyCsvRows(lines.mid(1));
}

void TestFctool::telemetryCsvIsWholeWhileRunning()
{
    QVERIFY(startSimulator());
    const QString csv = path(QStringLiteral("running.csv"));
    QVERIFY(writeFile(csv, "an older file that is replaced\n"));
    ToolRun tool({QStringLiteral("telemetry"), QStringLiteral("--port"), port(),
                  QStringLiteral("--csv"), csv});
    QVERIFY(tool.start());
    // Rows reach the file while the run goes on, never half a row.
    QTRY_VERIFY_WITH_TIMEOUT(fileLines(csv).size() >= 4, 15000);
    bool whole = false;
    const QStringList running = fileLines(csv, &whole);
    QVERIFY(whole);
    QCOMPARE(running.first(), QLatin1String(kCsvHeader));
    verifyCsvRows(running.mid(1));
    tool.sendSignal(SIGINT);
    QVERIFY(tool.finish(5000));
    QVERIFY2(tool.exitCode() == 0, qPrintable(tool.describe()));
    const QStringList done = fileLines(csv, &whole);
    QVERIFY(whole);
    QVERIFY(done.size() >= running.size());
    verifyCsvRows(done.mid(1));
}

void TestFctool::telemetryCsvToStandardOutput()
{
    QVERIFY(startSimulator());
    ToolRun tool({QStringLiteral("telemetry"), QStringLiteral("--port"), port(),
                  QStringLiteral("--count"), QStringLiteral("3"), QStringLiteral("--csv"),
                  QStringLiteral("-")});
    QVERIFY(tool.runToEnd());
    QVERIFY2(tool.exitCode() == 0, qPrintable(tool.describe()));
    const QStringList lines = tool.outLines();
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines.first(), QLatin1String(kCsvHeader));
    verifyCsvRows(lines.mid(1));
}

void TestFctool::telemetryCsvUnwritableFileExits2()
{
    QVERIFY(startSimulator());
    QVERIFY(QDir(m_folder->path()).mkpath(QStringLiteral("occupied.csv")));
    for (const QString &target :
         {path(QStringLiteral("occupied.csv")), path(QStringLiteral("no/such/folder/x.csv"))}) {
        ToolRun tool({QStringLiteral("telemetry"), QStringLiteral("--port"), port(),
                      QStringLiteral("--count"), QStringLiteral("2"), QStringLiteral("--csv"),
                      target});
        QVERIFY(tool.runToEnd());
        QCOMPARE(tool.exitCode(), 2);
        QVERIFY2(isErrorLine(tool.err()), qPrintable(tool.err()));
        QVERIFY(tool.err().contains(target));
    }
    QCOMPARE(m_sim->requestCount(), 0);
}

void TestFctool::commandReportsResult_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("failing");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<int>("status");
    QTest::newRow("calib-acc") << "calib-acc"
                               << ""
                               << "Accelerometers calibrated OK" << 0 << 8;
    QTest::newRow("calib-acc fails") << "calib-acc"
                                     << "12"
                                     << "Accelerometers calibrated error" << 1 << 9;
    QTest::newRow("calib-gyro") << "calib-gyro"
                                << ""
                                << "Gyros calibrated OK" << 0 << 10;
    QTest::newRow("calib-gyro fails") << "calib-gyro"
                                      << "13,2"
                                      << "Gyros calibrated error" << 1 << 11;
    QTest::newRow("calib-volt") << "calib-volt"
                                << ""
                                << "Voltage calibrated OK" << 0 << 12;
    QTest::newRow("calib-volt fails") << "calib-volt"
                                      << "6"
                                      << "Voltage calibrated error" << 1 << 13;
    QTest::newRow("flash fails") << "flash"
                                 << "2"
                                 << "Parameters saved error" << 1 << 7;
}

void TestFctool::commandReportsResult()
{
    QFETCH(QString, command);
    QFETCH(QString, failing);
    QFETCH(QString, text);
    QFETCH(int, exitCode);
    QFETCH(int, status);
    // The tool prints the link's own text for the result, the one the status bar shows.
    QCOMPARE(LinkMessages::statusText(quint16(status)), text);
    QStringList extra{QStringLiteral("--command-delay"), QStringLiteral("200")};
    if (!failing.isEmpty())
        extra << QStringLiteral("--fail") << failing;
    QVERIFY(startSimulator(extra));
    ToolRun tool({QStringLiteral("command"), QStringLiteral("--port"), port(), command});
    QVERIFY(tool.runToEnd());
    QVERIFY2(tool.exitCode() == exitCode, qPrintable(tool.describe()));
    if (exitCode == 0) {
        QCOMPARE(tool.out(), text + QLatin1Char('\n'));
        QVERIFY(tool.err().isEmpty());
    } else {
        // A failure the controller reports is an error like any other.
        QVERIFY(tool.out().isEmpty());
        QCOMPARE(tool.err(), QStringLiteral("fctool: ") + text + QLatin1Char('\n'));
    }
}

void TestFctool::commandFlashWritesStateFile()
{
    QVERIFY(startSimulator({QStringLiteral("--state"), m_sim->statePath(),
                            QStringLiteral("--command-delay"), QStringLiteral("200")}));
    QVERIFY(!QFile::exists(m_sim->statePath()));
    ToolRun set(
        {QStringLiteral("set"), QStringLiteral("--port"), port(), QStringLiteral("LimitAlt=321")});
    QVERIFY(set.runToEnd());
    QCOMPARE(set.exitCode(), 0);

    ToolRun tool(
        {QStringLiteral("command"), QStringLiteral("--port"), port(), QStringLiteral("flash")});
    QVERIFY(tool.runToEnd());
    QVERIFY2(tool.exitCode() == 0, qPrintable(tool.describe()));
    QCOMPARE(tool.out(), QStringLiteral("Parameters saved OK\n"));
    const Block state = loadFile(m_sim->statePath());
    QCOMPARE(state, m_sim->block());
    QCOMPARE(valueIn(state, "LimitAlt"), 321);
}

void TestFctool::commandWithoutResultIsSent_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("code");
    QTest::newRow("test-bec") << "test-bec" << 7;
    QTest::newRow("calib-rc-neutral") << "calib-rc-neutral" << 8;
    QTest::newRow("rc-scale-start") << "rc-scale-start" << 9;
    QTest::newRow("rc-scale-stop") << "rc-scale-stop" << 10;
    QTest::newRow("bind-dsm") << "bind-dsm" << 11;
}

void TestFctool::commandWithoutResultIsSent()
{
    QFETCH(QString, command);
    QFETCH(int, code);
    QVERIFY(startSimulator());
    ToolRun tool({QStringLiteral("command"), QStringLiteral("--port"), port(), command});
    QVERIFY(tool.runToEnd());
    QVERIFY2(tool.exitCode() == 0, qPrintable(tool.describe()));
    QVERIFY(tool.out().isEmpty());
    QVERIFY(tool.err().isEmpty());
    QVERIFY(m_sim->receivedCommand(code));
}

void TestFctool::badPortNameExits3()
{
    ToolRun tool({QStringLiteral("read"), QStringLiteral("--port"), QStringLiteral("nonsense")});
    QVERIFY(tool.runToEnd());
    QCOMPARE(tool.exitCode(), 3);
    QVERIFY(tool.out().isEmpty());
    QVERIFY2(isErrorLine(tool.err()), qPrintable(tool.err()));
    QVERIFY(tool.err().contains(QLatin1String("nonsense")));
}

void TestFctool::missingDeviceExits3()
{
    const QString missing = path(QStringLiteral("no-such-device"));
    ToolRun tool(
        {QStringLiteral("get"), QStringLiteral("--port"), missing, QStringLiteral("MotorIdel")});
    QVERIFY(tool.runToEnd());
    QCOMPARE(tool.exitCode(), 3);
    QVERIFY(tool.out().isEmpty());
    QVERIFY2(isErrorLine(tool.err()), qPrintable(tool.err()));
    QVERIFY(tool.err().contains(missing));
}

void TestFctool::terminatedSimulatorExits3()
{
    QVERIFY(startSimulator());
    m_sim->stop();
    ToolRun tool({QStringLiteral("read"), QStringLiteral("--port"), port(),
                  QStringLiteral("--timeout"), kShortTimeout});
    QVERIFY(tool.runToEnd());
    QVERIFY2(tool.exitCode() == 3, qPrintable(tool.describe()));
    QVERIFY(isErrorLine(tool.err()));
}

void TestFctool::silentSimulatorTimesOut()
{
    QVERIFY(startSimulator());
    m_sim->sendSignal(SIGUSR1);
    ToolRun tool({QStringLiteral("read"), QStringLiteral("--port"), port(),
                  QStringLiteral("--timeout"), kShortTimeout});
    QVERIFY(tool.runToEnd());
    QVERIFY2(tool.exitCode() == 4, qPrintable(tool.describe()));
    QVERIFY(tool.out().isEmpty());
    QVERIFY2(isErrorLine(tool.err()), qPrintable(tool.err()));
    QVERIFY2(tool.elapsedMs() < kShortTimeoutBoundMs,
             qPrintable(QString::number(tool.elapsedMs())));
    // It did ask: the simulator logged requests it left unanswered.
    QVERIFY(m_sim->requestCount() > 0);
}

void TestFctool::stoppedSimulatorTimesOut()
{
    QVERIFY(startSimulator());
    m_sim->sendSignal(SIGSTOP);
    ToolRun tool({QStringLiteral("command"), QStringLiteral("--port"), port(),
                  QStringLiteral("calib-gyro"), QStringLiteral("--timeout"), kShortTimeout});
    QVERIFY(tool.runToEnd());
    m_sim->sendSignal(SIGCONT);
    QVERIFY2(tool.exitCode() == 4, qPrintable(tool.describe()));
    QVERIFY(tool.out().isEmpty());
    QVERIFY2(isErrorLine(tool.err()), qPrintable(tool.err()));
    QVERIFY(tool.elapsedMs() < kShortTimeoutBoundMs);
}

void TestFctool::lossyLinkStillCompletes()
{
    QVERIFY(startSimulator({QStringLiteral("--drop"), QStringLiteral("0.1"),
                            QStringLiteral("--corrupt"), QStringLiteral("0.2"),
                            QStringLiteral("--seed"), QStringLiteral("7")}));
    ToolRun read({QStringLiteral("read"), QStringLiteral("--port"), port()});
    QVERIFY(read.runToEnd());
    QVERIFY2(read.exitCode() == 0, qPrintable(read.describe()));
    QCOMPARE(read.outLines(), fieldLines(m_sim->block()));

    const Block before = m_sim->block();
    const qint32 limit = otherValue(field("LimitRadius"), valueIn(before, "LimitRadius"));
    ToolRun set({QStringLiteral("set"), QStringLiteral("--port"), port(),
                 QStringLiteral("LimitRadius=%1").arg(limit)});
    QVERIFY(set.runToEnd());
    QVERIFY2(set.exitCode() == 0, qPrintable(set.describe()));
    Block expected = before;
    expected.setValue(field("LimitRadius"), limit);
    QCOMPARE(m_sim->block(), expected);
}

void TestFctool::flashGoodFileUpgrades()
{
    QVERIFY(startSimulator({QStringLiteral("--firmware"), QStringLiteral("105")}));
    QCOMPARE(firmwareVersionOnLink(port()), 105);
    const QString file = path(QStringLiteral("new.qmtvf"));
    QVERIFY(writeFile(file, firmwareFile(121)));

    ToolRun flash({QStringLiteral("flash"), QStringLiteral("--port"), port(), file});
    QVERIFY(flash.runToEnd(60000));
    QVERIFY2(flash.exitCode() == 0, qPrintable(flash.describe()));
    QVERIFY2(flash.err().isEmpty(), qPrintable(flash.err()));
    const QStringList lines = flash.outLines();
    QVERIFY2(lines.size() > 5, qPrintable(flash.out()));
    // The parameters are saved first, where the line says.
    const QString savedTo = QStringLiteral("Parameters saved to ");
    QVERIFY2(lines.first().startsWith(savedTo), qPrintable(lines.first()));
    const QString backup = lines.first().mid(savedTo.size());
    QVERIFY2(backup.startsWith(path(QStringLiteral("data/"))), qPrintable(backup));
    QCOMPARE(loadFile(backup), m_sim->block());
    QCOMPARE(lines.at(1), QStringLiteral("File open OK"));
    QCOMPARE(lines.at(2), QStringLiteral("%1 open OK").arg(port()));
    QVERIFY(lines.contains(QStringLiteral("Upgrading now, please wait...")));
    QVERIFY(lines.contains(QStringLiteral("Progress: 100%")));
    QCOMPARE(lines.at(lines.size() - 2), QStringLiteral("Upgraded OK"));
    QCOMPARE(lines.last(), QStringLiteral("Exit"));
    // Progress lines count up.
    int lastPercent = -1;
    for (const QString &line : lines) {
        if (!line.startsWith(QLatin1String("Progress: ")))
            continue;
        QVERIFY2(line.endsWith(QLatin1Char('%')), qPrintable(line));
        const int percent = line.mid(10, line.size() - 11).toInt();
        QVERIFY2(percent > lastPercent && percent <= 100, qPrintable(line));
        lastPercent = percent;
    }

    // The controller runs the new firmware and still speaks the link protocol.
    ToolRun get(
        {QStringLiteral("get"), QStringLiteral("--port"), port(), QStringLiteral("MotorIdel")});
    QVERIFY(get.runToEnd());
    QVERIFY2(get.exitCode() == 0, qPrintable(get.describe()));
    QVERIFY(get.err().isEmpty());
    QCOMPARE(get.outLines().size(), 1);
    QCOMPARE(firmwareVersionOnLink(port()), 121);
}

void TestFctool::flashDamagedFileLeavesPortAlone()
{
    QVERIFY(startSimulator());
    QByteArray contents = firmwareFile(121);
    contents[contents.size() - 1] = static_cast<char>(contents.at(contents.size() - 1) ^ 0x01);
    const QString file = path(QStringLiteral("damaged.qmtvf"));
    QVERIFY(writeFile(file, contents));

    ToolRun flash({QStringLiteral("flash"), QStringLiteral("--port"), port(), file});
    QVERIFY(flash.runToEnd());
    QVERIFY2(flash.exitCode() == 1, qPrintable(flash.describe()));
    QCOMPARE(flash.outLines(), (QStringList{QStringLiteral("File open OK"),
                                            QStringLiteral("File Error"), QStringLiteral("Exit")}));
    QVERIFY2(isErrorLine(flash.err()), qPrintable(flash.err()));
    QVERIFY(flash.err().contains(QLatin1String("File Error")));
    // The port was never opened: the simulator got nothing.
    QCOMPARE(m_sim->requestCount(), 0);

    ToolRun missing({QStringLiteral("flash"), QStringLiteral("--port"), port(),
                     path(QStringLiteral("no-such.qmtvf"))});
    QVERIFY(missing.runToEnd());
    QVERIFY2(missing.exitCode() == 1, qPrintable(missing.describe()));
    QVERIFY(missing.outLines().contains(QStringLiteral("File Open Error")));
    QCOMPARE(m_sim->requestCount(), 0);
}

void TestFctool::flashReportsEraseError()
{
    QVERIFY(startSimulator({QStringLiteral("--flash-fail"), QStringLiteral("erase")}));
    const QString file = path(QStringLiteral("new.qmtvf"));
    QVERIFY(writeFile(file, firmwareFile(121)));

    ToolRun flash({QStringLiteral("flash"), QStringLiteral("--port"), port(), file});
    QVERIFY(flash.runToEnd(60000));
    QVERIFY2(flash.exitCode() == 1, qPrintable(flash.describe()));
    const QStringList lines = flash.outLines();
    QVERIFY2(lines.contains(QStringLiteral("Erase Error")), qPrintable(flash.out()));
    QVERIFY(!lines.contains(QStringLiteral("Upgraded OK")));
    QCOMPARE(lines.last(), QStringLiteral("Exit"));
    QVERIFY2(isErrorLine(flash.err()), qPrintable(flash.err()));
    QVERIFY(flash.err().contains(QLatin1String("Erase Error")));
}

void TestFctool::flashBadPortExits3()
{
    const QString file = path(QStringLiteral("new.qmtvf"));
    QVERIFY(writeFile(file, firmwareFile(121)));
    const QString missing = path(QStringLiteral("no-such-device"));

    ToolRun flash({QStringLiteral("flash"), QStringLiteral("--port"), missing, file});
    QVERIFY(flash.runToEnd());
    QVERIFY2(flash.exitCode() == 3, qPrintable(flash.describe()));
    QVERIFY(flash.outLines().contains(QStringLiteral("%1 open error").arg(missing)));
    QVERIFY2(isErrorLine(flash.err()), qPrintable(flash.err()));
    QVERIFY(flash.err().contains(missing));

    ToolRun nonsense(
        {QStringLiteral("flash"), QStringLiteral("--port"), QStringLiteral("nonsense"), file});
    QVERIFY(nonsense.runToEnd());
    QVERIFY2(nonsense.exitCode() == 3, qPrintable(nonsense.describe()));
}

void TestFctool::flashTimesOutWhenControllerIsStopped()
{
    QVERIFY(startSimulator());
    const QString file = path(QStringLiteral("new.qmtvf"));
    QVERIFY(writeFile(file, firmwareFile(121)));
    m_sim->sendSignal(SIGSTOP);
    ToolRun flash({QStringLiteral("flash"), QStringLiteral("--port"), port(), file,
                   QStringLiteral("--timeout"), QStringLiteral("1")});
    QVERIFY(flash.runToEnd());
    m_sim->sendSignal(SIGCONT);
    QVERIFY2(flash.exitCode() == 4, qPrintable(flash.describe()));
    QVERIFY2(isErrorLine(flash.err()), qPrintable(flash.err()));
    QVERIFY(!flash.outLines().contains(QStringLiteral("Exit")));
    QVERIFY(flash.elapsedMs() < kShortTimeoutBoundMs);
}

void TestFctool::flashRefusesAnOversizedImageAndTheLinkStillAnswers()
{
    // 300 kB for a flash of 256 KiB.
    QVERIFY(startSimulator());
    QByteArray image(300000, '\0');
    for (int i = 0; i < image.size(); ++i)
        image[i] = static_cast<char>(i * 31);
    const QString file = path(QStringLiteral("huge.qmtvf"));
    QVERIFY(writeFile(file, fwupgrade::buildFirmwareFile(130, image)));

    ToolRun flash({QStringLiteral("flash"), QStringLiteral("--port"), port(), file});
    QVERIFY(flash.runToEnd(60000));
    QVERIFY2(flash.exitCode() == 1, qPrintable(flash.describe()));
    QVERIFY2(flash.outLines().contains(QStringLiteral("File Size Error")), qPrintable(flash.out()));
    QVERIFY(!flash.outLines().contains(QStringLiteral("Upgrading now, please wait...")));

    ToolRun get(
        {QStringLiteral("get"), QStringLiteral("--port"), port(), QStringLiteral("MotorIdel")});
    QVERIFY(get.runToEnd());
    QVERIFY2(get.exitCode() == 0, qPrintable(get.describe()));
    QCOMPARE(get.outLines().size(), 1);
}

void TestFctool::flashRestoresTheParametersAfterAResettingUpgrade()
{
    // The new firmware starts with the factory parameters.
    QVERIFY(startSimulator({QStringLiteral("--reset-on-upgrade")}));
    ToolRun set({QStringLiteral("set"), QStringLiteral("--port"), port(),
                 QStringLiteral("LimitAlt=321"), QStringLiteral("MotorIdel=4"),
                 QStringLiteral("LimitRadius=777")});
    QVERIFY(set.runToEnd());
    QVERIFY2(set.exitCode() == 0, qPrintable(set.describe()));
    const Block pilots = m_sim->block();
    QCOMPARE(valueIn(pilots, "LimitAlt"), 321);

    const QString file = path(QStringLiteral("new.qmtvf"));
    QVERIFY(writeFile(file, firmwareFile(122)));
    ToolRun flash({QStringLiteral("flash"), QStringLiteral("--port"), port(), file,
                   QStringLiteral("--restore")});
    QVERIFY(flash.runToEnd(60000));
    QVERIFY2(flash.exitCode() == 0, qPrintable(flash.describe()));
    const QStringList lines = flash.outLines();
    QVERIFY(lines.contains(QStringLiteral("Upgraded OK")));
    const QString restored = lines.last();
    QVERIFY2(restored.startsWith(QStringLiteral("Parameters restored from ")),
             qPrintable(flash.out()));
    // The three changed fields came back; the simulator holds exactly the backup again.
    QVERIFY2(restored.endsWith(QStringLiteral("(3 changed by the upgrade)")), qPrintable(restored));
    QCOMPARE(m_sim->block(), pilots);
    QCOMPARE(firmwareVersionOnLink(port()), 122);
}

void TestFctool::flashRepairsAControllerWaitingInItsBootloader()
{
    // Its flash was left half-written: it starts in its bootloader and says nothing on the link.
    const QString state = path(QStringLiteral("firmware.ini"));
    QVERIFY(writeFile(state, "[firmware]\nversion=0\nintact=false\n"));
    QVERIFY(startSimulator({QStringLiteral("--firmware-state"), state}));
    QCOMPARE(firmwareVersionOnLink(port()), -1);

    const QString file = path(QStringLiteral("new.qmtvf"));
    QVERIFY(writeFile(file, firmwareFile(123)));
    ToolRun flash({QStringLiteral("flash"), QStringLiteral("--port"), port(), file,
                   QStringLiteral("--restore")});
    QVERIFY(flash.runToEnd(60000));
    // Repaired, but there was nothing to restore: that is a failure the script must see.
    QVERIFY2(flash.exitCode() == 1, qPrintable(flash.describe()));
    const QStringList lines = flash.outLines();
    QCOMPARE(lines.first(), QStringLiteral("No answer on the link: the parameters were not saved"));
    QVERIFY(lines.contains(QStringLiteral("Upgraded OK")));
    QVERIFY2(isErrorLine(flash.err()), qPrintable(flash.err()));
    QVERIFY(flash.err().contains(QLatin1String("nothing to restore")));
    QCOMPARE(firmwareVersionOnLink(port()), 123);
}

// On a line slower than one request period every request goes out twice and every reply comes
// twice; the second copy of a read reply must not undo what was written.
void TestFctool::slowLineKeepsEveryWrittenValue()
{
    QVERIFY(startSimulator({QStringLiteral("--reply-delay"), QStringLiteral("80")}));
    ToolRun set({QStringLiteral("set"), QStringLiteral("--port"), port(),
                 QStringLiteral("spare98=10"), QStringLiteral("spare99=10")});
    QVERIFY(set.runToEnd());
    QVERIFY2(set.exitCode() == 0, qPrintable(set.describe()));
    QCOMPARE(valueIn(m_sim->block(), "spare98"), 10);
    QCOMPARE(valueIn(m_sim->block(), "spare99"), 10);

    QRandomGenerator random(42);
    Block target;
    for (int i = 0; i < fclink::kParameterBlockSize; ++i)
        target.bytes()[i] = static_cast<quint8>(random.bounded(256));
    const QString file = path(QStringLiteral("random.conf"));
    QString error;
    QVERIFY2(fclink::saveParameterFile(file, target, &error), qPrintable(error));
    ToolRun write({QStringLiteral("write"), QStringLiteral("--port"), port(), file});
    QVERIFY(write.runToEnd());
    QVERIFY2(write.exitCode() == 0, qPrintable(write.describe()));
    QCOMPARE(m_sim->block(), target);

    ToolRun read({QStringLiteral("read"), QStringLiteral("--port"), port()});
    QVERIFY(read.runToEnd());
    QCOMPARE(read.outLines(), fieldLines(target));
}

void TestFctool::uploadsTheControllerRefusesFail()
{
    // The controller keeps its own LimitAlt (offsets 206 and 207).
    QVERIFY(startSimulator({QStringLiteral("--ignore-writes"), QStringLiteral("206,207")}));
    const qint32 held = valueIn(m_sim->block(), "LimitAlt");
    ToolRun set({QStringLiteral("set"), QStringLiteral("--port"), port(),
                 QStringLiteral("LimitAlt=%1").arg(held + 5), QStringLiteral("MotorIdel=4")});
    QVERIFY(set.runToEnd());
    QVERIFY2(set.exitCode() == 1, qPrintable(set.describe()));
    QCOMPARE(set.err(), QStringLiteral("fctool: the flight controller did not accept: LimitAlt\n"));
    QCOMPARE(valueIn(m_sim->block(), "LimitAlt"), held);
    QCOMPARE(valueIn(m_sim->block(), "MotorIdel"), 4);

    // Without the check the upload is taken as done.
    ToolRun unchecked({QStringLiteral("set"), QStringLiteral("--port"), port(),
                       QStringLiteral("--no-verify"), QStringLiteral("LimitAlt=%1").arg(held + 6)});
    QVERIFY(unchecked.runToEnd());
    QVERIFY2(unchecked.exitCode() == 0, qPrintable(unchecked.describe()));
    QVERIFY(unchecked.err().isEmpty());

    ToolRun misplaced({QStringLiteral("get"), QStringLiteral("--port"), port(),
                       QStringLiteral("--no-verify"), QStringLiteral("LimitAlt")});
    QVERIFY(misplaced.runToEnd());
    QCOMPARE(misplaced.exitCode(), 2);
}

void TestFctool::portHeldByAnotherProgramSaysSo()
{
    QVERIFY(startSimulator());
    QSerialPort holder(port());
    QVERIFY2(holder.open(QIODevice::ReadWrite), qPrintable(holder.errorString()));
    ToolRun tool(
        {QStringLiteral("get"), QStringLiteral("--port"), port(), QStringLiteral("MotorIdel")});
    QVERIFY(tool.runToEnd());
    QVERIFY2(tool.exitCode() == 3, qPrintable(tool.describe()));
    QVERIFY2(isErrorLine(tool.err()), qPrintable(tool.err()));
    QVERIFY2(tool.err().contains(QLatin1String("in use by another program")),
             qPrintable(tool.err()));
}

void TestFctool::portWithoutPermissionSaysSo()
{
    QVERIFY(startSimulator());
    // The pseudo-terminal itself (the link lies in a folder only its owner may enter), opened
    // by a user who may not: as root, fctool runs as nobody; otherwise the device is closed to
    // everybody.
    const QString device = QFileInfo(port()).symLinkTarget();
    QVERIFY(!device.isEmpty());
    QProcess tool;
    if (::geteuid() == 0) {
        if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
            QSKIP("setpriv is needed to run fctool as another user");
        tool.start(QStringLiteral("setpriv"),
                   {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                    QStringLiteral("--clear-groups"), QStringLiteral(FCTOOL_PATH),
                    QStringLiteral("get"), QStringLiteral("--port"), device,
                    QStringLiteral("MotorIdel")});
    } else {
        QVERIFY(QFile::setPermissions(device, QFileDevice::Permissions()));
        tool.start(QStringLiteral(FCTOOL_PATH), {QStringLiteral("get"), QStringLiteral("--port"),
                                                 device, QStringLiteral("MotorIdel")});
    }
    QVERIFY(tool.waitForFinished(ToolRun::kDefaultTimeoutMs));
    const QString err = QString::fromLocal8Bit(tool.readAllStandardError());
    QVERIFY2(tool.exitCode() == 3, qPrintable(err));
    QVERIFY2(isErrorLine(err), qPrintable(err));
    QVERIFY2(err.contains(QLatin1String("permission denied (on Linux: add your user to the "
                                        "dialout group and log in again)")),
             qPrintable(err));
}

void TestFctool::diffListsTheFieldsThatDiffer()
{
    Block a;
    a.setValue(field("MotorIdel"), 2);
    a.setValue(field("LimitAlt"), 120);
    Block b = a;
    b.setValue(field("MotorIdel"), 4);
    b.setValue(field("IMUDistX"), -1000);
    b.setValue(field("LimitAlt"), 500);
    const QString fileA = path(QStringLiteral("a.conf"));
    const QString fileB = path(QStringLiteral("b.conf"));
    QString error;
    QVERIFY(fclink::saveParameterFile(fileA, a, &error));
    QVERIFY(fclink::saveParameterFile(fileB, b, &error));

    ToolRun diff({QStringLiteral("diff"), fileA, fileB});
    QVERIFY(diff.runToEnd());
    QCOMPARE(diff.exitCode(), 1);
    QCOMPARE(diff.outLines(),
             (QStringList{"MotorIdel: 2 -> 4", "IMUDistX: 0 -> -1000", "LimitAlt: 120 -> 500"}));
    QVERIFY(diff.err().isEmpty());

    ToolRun same({QStringLiteral("diff"), fileA, fileA});
    QVERIFY(same.runToEnd());
    QCOMPARE(same.exitCode(), 0);
    QVERIFY(same.out().isEmpty());

    const QString broken = path(QStringLiteral("broken.conf"));
    QVERIFY(writeFile(broken, "[General]\nvar0=1\n"));
    ToolRun bad({QStringLiteral("diff"), fileA, broken});
    QVERIFY(bad.runToEnd());
    QCOMPARE(bad.exitCode(), 2);
    QVERIFY2(isErrorLine(bad.err()) && bad.err().contains(broken), qPrintable(bad.err()));

    ToolRun one({QStringLiteral("diff"), fileA});
    QVERIFY(one.runToEnd());
    QCOMPARE(one.exitCode(), 2);
}

void TestFctool::diffComparesTheControllerWithAFile()
{
    QVERIFY(startSimulator());
    Block file = m_sim->block();
    const qint32 held = valueIn(file, "TurnbackHeight");
    file.setValue(field("TurnbackHeight"), held + 10);
    const QString saved = path(QStringLiteral("plan.conf"));
    QString error;
    QVERIFY(fclink::saveParameterFile(saved, file, &error));
    ToolRun diff({QStringLiteral("diff"), QStringLiteral("--port"), port(), saved});
    QVERIFY(diff.runToEnd());
    QVERIFY2(diff.exitCode() == 1, qPrintable(diff.describe()));
    QCOMPARE(diff.outLines(),
             QStringList{QStringLiteral("TurnbackHeight: %1 -> %2").arg(held).arg(held + 10)});

    ToolRun missing({QStringLiteral("diff"), QStringLiteral("--port"),
                     path(QStringLiteral("no-such-port")), saved});
    QVERIFY(missing.runToEnd());
    QCOMPARE(missing.exitCode(), 3);
}

void TestFctool::snapshotAndHistoryShareOneFolder()
{
    QVERIFY(startSimulator());
    ToolRun first({QStringLiteral("snapshot"), QStringLiteral("--port"), port(),
                   QStringLiteral("--note"), QStringLiteral("before the field")});
    QVERIFY(first.runToEnd());
    QVERIFY2(first.exitCode() == 0, qPrintable(first.describe()));
    const QString firstPath = first.out().trimmed();
    QVERIFY2(firstPath.startsWith(path(QStringLiteral("data"))), qPrintable(firstPath));
    QCOMPARE(loadFile(firstPath), m_sim->block());

    // Nothing changed: the same snapshot.
    ToolRun again({QStringLiteral("snapshot"), QStringLiteral("--port"), port()});
    QVERIFY(again.runToEnd());
    QCOMPARE(again.out().trimmed(), firstPath);

    ToolRun set(
        {QStringLiteral("set"), QStringLiteral("--port"), port(), QStringLiteral("MotorIdel=5")});
    QVERIFY(set.runToEnd());
    ToolRun second({QStringLiteral("snapshot"), QStringLiteral("--port"), port()});
    QVERIFY(second.runToEnd());
    const QString secondPath = second.out().trimmed();
    QVERIFY(secondPath != firstPath);

    ToolRun history({QStringLiteral("history")});
    QVERIFY(history.runToEnd());
    QCOMPARE(history.exitCode(), 0);
    const QStringList lines = history.outLines();
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines.at(0).contains(secondPath), qPrintable(lines.at(0)));
    QVERIFY2(lines.at(1).contains(firstPath) && lines.at(1).contains("\"before the field\"") &&
                 lines.at(1).contains("firmware 1.05") && lines.at(1).contains("on-demand"),
             qPrintable(lines.at(1)));

    ToolRun limited({QStringLiteral("history"), QStringLiteral("--limit"), QStringLiteral("1")});
    QVERIFY(limited.runToEnd());
    QCOMPARE(limited.outLines().size(), 1);
}

QTEST_GUILESS_MAIN(TestFctool)
#include "tst_fctool.moc"
