// fctool where things go wrong: a port opened under two names, a controller that falls silent
// or goes away in the middle of an upload, a slow line, an output that cannot be written, ports
// that are no serial ports, parameter files that try to slip past the checks, and values that
// must read the same in every subcommand.

#include "fclink/link/parameterslices.h"
#include "fclink/model/parameterfields.h"
#include "fclink/storage/parameterfile.h"
#include "tests/support/fcsimprocess.h"
#include "tests/support/testfolders.h"
#include "toolrun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/mount.h>

namespace {

using Block = fclink::BlockImage;

constexpr int kLongRunMs = 60000;
const char *const kFullOutput = "/dev/full";

const fclink::ParameterField &field(const char *name)
{
    return *fclink::findParameterField(QLatin1String(name));
}

qint32 valueIn(const Block &block, const char *name)
{
    return block.value(field(name));
}

bool isErrorLine(const QString &err)
{
    return err.startsWith(QLatin1String("fctool: ")) && err.count(QLatin1Char('\n')) == 1;
}

QStringList args(const char *first, std::initializer_list<QString> rest)
{
    QStringList list{QLatin1String(first)};
    for (const QString &item : rest)
        list << item;
    return list;
}

// The heads of the write requests the simulator has received since the given request.
bool writeHeadSeen(const FcsimProcess &sim, int since, int head)
{
    const QList<FcsimProcess::Request> requests = sim.requests();
    for (int i = since; i < requests.size(); ++i) {
        if (requests.at(i).head == head)
            return true;
    }
    return false;
}

} // namespace

class TestFctoolFaults : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void twoNamesForOnePortAreOneLock();
    void anUploadCutBySilenceIsRedone();
    void anUploadCutByAnUnplugSaysWhatMayBeMissing();
    void slowRepliesStillComplete();

    void aFullStandardOutputExits2_data();
    void aFullStandardOutputExits2();
    void aFullDiskDuringCsvKeepsAWholeFile();
    void aFullStandardOutputForCsvIsNamed();

    void portsThatAreNoSerialPortsSaySo_data();
    void portsThatAreNoSerialPortsSaySo();
    void anotherReaderOfThePortIsNamed();
    void helpDocumentsEveryExitStatus();

    void filesThatSlipPastTheKeyCheckAreRefused_data();
    void filesThatSlipPastTheKeyCheckAreRefused();

    void aGainReadsTheSameEverywhere();
    void setRefusesANameGivenTwice();
    void setExplainsAScaledField();

private:
    QString path(const QString &name) const { return m_folder->filePath(name); }
    QString port() const { return m_sim->linkPath(); }
    QString device() const { return QFileInfo(port()).canonicalFilePath(); }
    bool saveBlock(const QString &file, const Block &block) const;

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<FcsimProcess> m_sim;
    QString m_mounted;
};

void TestFctoolFaults::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    useTestFolders(m_folder->path());
    m_sim = std::make_unique<FcsimProcess>(m_folder->path());
}

void TestFctoolFaults::cleanup()
{
    m_sim.reset();
    if (!m_mounted.isEmpty()) {
        ::umount(QFile::encodeName(m_mounted).constData());
        m_mounted.clear();
    }
    m_folder.reset();
}

bool TestFctoolFaults::saveBlock(const QString &file, const Block &block) const
{
    QString error;
    return fclink::saveParameterFile(file, block, &error);
}

// The simulator's link and its /dev/pts name are one device; a second fctool under the other
// name must not get it while the first one holds it (root is not kept out by the terminal).
void TestFctoolFaults::twoNamesForOnePortAreOneLock()
{
    QVERIFY(m_sim->start());
    QVERIFY(device().startsWith(QLatin1String("/dev/pts/")));
    for (const auto &names : {qMakePair(port(), device()), qMakePair(device(), port())}) {
        ToolRun holder(args("telemetry", {QStringLiteral("--port"), names.first}));
        QVERIFY(holder.start());
        QVERIFY2(holder.waitForLines(1, 10000), qPrintable(holder.describe()));
        ToolRun second(
            args("set", {QStringLiteral("--port"), names.second, QStringLiteral("LimitAlt=222")}));
        QVERIFY(second.runToEnd());
        QVERIFY2(second.exitCode() == 3, qPrintable(second.describe()));
        QVERIFY2(second.err().contains(QLatin1String("in use by another program")),
                 qPrintable(second.err()));
        QVERIFY(isErrorLine(second.err()));
        QVERIFY(valueIn(m_sim->block(), "LimitAlt") != 222);
        holder.sendSignal(SIGINT);
        QVERIFY(holder.finish());
        QCOMPARE(holder.exitCode(), 0);
    }
}

void TestFctoolFaults::anUploadCutBySilenceIsRedone()
{
    QVERIFY(m_sim->start({QStringLiteral("--reply-delay"), QStringLiteral("40")}));
    Block wanted = m_sim->block();
    for (int i = 0; i < fclink::kParameterBlockSize; ++i)
        wanted.bytes()[i] = static_cast<quint8>(wanted.bytes()[i] + 3 + i);
    const QString file = path(QStringLiteral("wanted.conf"));
    QVERIFY(saveBlock(file, wanted));

    const int since = m_sim->requests().size();
    ToolRun tool(args("write", {QStringLiteral("--port"), port(), file}));
    QVERIFY(tool.start());
    QVERIFY(QTest::qWaitFor([&] { return writeHeadSeen(*m_sim, since, 6); }, 15000));
    m_sim->sendSignal(SIGUSR1);
    QTest::qWait(4000); // the link takes the controller for lost after about 2.7 s
    m_sim->sendSignal(SIGUSR2);
    QVERIFY(tool.finish(kLongRunMs));
    QVERIFY2(tool.exitCode() == 0, qPrintable(tool.describe()));
    QCOMPARE(m_sim->block(), wanted);
}

void TestFctoolFaults::anUploadCutByAnUnplugSaysWhatMayBeMissing()
{
    QVERIFY(m_sim->start({QStringLiteral("--reply-delay"), QStringLiteral("40")}));
    const int since = m_sim->requests().size();
    ToolRun tool(args("set", {QStringLiteral("--port"), port(), QStringLiteral("MotorIdel=4"),
                              QStringLiteral("LimitAlt=321")}));
    QVERIFY(tool.start());
    QVERIFY(QTest::qWaitFor([&] { return writeHeadSeen(*m_sim, since, 2); }, 15000));
    m_sim->kill();
    QVERIFY(tool.finish());
    QVERIFY2(tool.exitCode() == 4, qPrintable(tool.describe()));
    QVERIFY(isErrorLine(tool.err()));
    QVERIFY2(tool.err().contains(QLatin1String("went away")), qPrintable(tool.err()));
    QVERIFY2(tool.err().contains(QLatin1String("may not hold")), qPrintable(tool.err()));
    QVERIFY2(tool.err().contains(QLatin1String("MotorIdel")) &&
                 tool.err().contains(QLatin1String("LimitAlt")),
             qPrintable(tool.err()));
}

// At 400 ms a reply, upload and read-back together take longer than the time-out, which only
// counts the time without any reply.
void TestFctoolFaults::slowRepliesStillComplete()
{
    QVERIFY(m_sim->start({QStringLiteral("--reply-delay"), QStringLiteral("400")}));
    ToolRun tool(args("set", {QStringLiteral("--port"), port(), QStringLiteral("LimitAlt=150"),
                              QStringLiteral("MotorIdel=4")}));
    QVERIFY(tool.runToEnd(kLongRunMs));
    QVERIFY2(tool.exitCode() == 0, qPrintable(tool.describe()));
    QVERIFY2(tool.elapsedMs() > 10000, qPrintable(QString::number(tool.elapsedMs())));
    QCOMPARE(valueIn(m_sim->block(), "LimitAlt"), 150);
    QCOMPARE(valueIn(m_sim->block(), "MotorIdel"), 4);
}

void TestFctoolFaults::aFullStandardOutputExits2_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("needsController");
    QTest::newRow("read") << QStringList{"read"} << true;
    QTest::newRow("get") << QStringList{"get", "MotorIdel"} << true;
    QTest::newRow("telemetry") << QStringList{"telemetry", "--count", "2"} << true;
    QTest::newRow("describe") << QStringList{"describe"} << false;
    QTest::newRow("describe one") << QStringList{"describe", "LimitAlt"} << false;
    QTest::newRow("history") << QStringList{"history"} << false;
}

// Output that cannot be written is a failure: exit status 2 and a message, never success with
// an empty file.
void TestFctoolFaults::aFullStandardOutputExits2()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, needsController);
    QVERIFY(m_sim->start());
    {
        ToolRun snapshot(args("snapshot", {QStringLiteral("--port"), port()}));
        QVERIFY(snapshot.runToEnd());
        QVERIFY2(snapshot.exitCode() == 0, qPrintable(snapshot.describe()));
    }
    if (needsController)
        arguments << QStringLiteral("--port") << port();
    ToolRun tool(arguments);
    tool.sendOutputTo(QLatin1String(kFullOutput));
    QVERIFY(tool.runToEnd());
    QVERIFY2(tool.exitCode() == 2, qPrintable(tool.describe()));
    QVERIFY2(isErrorLine(tool.err()), qPrintable(tool.err()));
    QVERIFY2(tool.err().contains(QLatin1String("standard output")), qPrintable(tool.err()));
    QVERIFY2(tool.err().contains(QLatin1String("No space left on device")), qPrintable(tool.err()));
}

// On a full disk the recording ends with the last whole row and says why.
void TestFctoolFaults::aFullDiskDuringCsvKeepsAWholeFile()
{
    const QString small = path(QStringLiteral("small"));
    QVERIFY(QDir().mkpath(small));
    if (::mount("tmpfs", QFile::encodeName(small).constData(), "tmpfs", 0, "size=4k") != 0)
        QSKIP("a small tmpfs cannot be mounted here (it needs root and a mount namespace that "
              "allows it)");
    m_mounted = small;
    QVERIFY(m_sim->start());
    const QString csv = small + QStringLiteral("/t.csv");
    ToolRun tool(args("telemetry", {QStringLiteral("--port"), port(), QStringLiteral("--count"),
                                    QStringLiteral("1000"), QStringLiteral("--csv"), csv}));
    QVERIFY(tool.runToEnd(kLongRunMs));
    QVERIFY2(tool.exitCode() == 2, qPrintable(tool.describe()));
    QVERIFY2(isErrorLine(tool.err()), qPrintable(tool.err()));
    QVERIFY2(tool.err().contains(csv), qPrintable(tool.err()));
    QVERIFY2(tool.err().contains(QLatin1String("No space left on device")), qPrintable(tool.err()));
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.size() > 1000);
    QVERIFY(text.endsWith('\n'));
    const QList<QByteArray> rows = text.split('\n');
    for (int i = 0; i + 1 < rows.size(); ++i)
        QVERIFY2(rows.at(i).count(',') == 20, rows.at(i).constData());
}

void TestFctoolFaults::aFullStandardOutputForCsvIsNamed()
{
    QVERIFY(m_sim->start());
    ToolRun tool(
        args("telemetry", {QStringLiteral("--port"), port(), QStringLiteral("--count"),
                           QStringLiteral("3"), QStringLiteral("--csv"), QStringLiteral("-")}));
    tool.sendOutputTo(QLatin1String(kFullOutput));
    QVERIFY(tool.runToEnd());
    QVERIFY2(tool.exitCode() == 2, qPrintable(tool.describe()));
    QVERIFY2(tool.err().contains(QLatin1String("standard output")), qPrintable(tool.err()));
    QVERIFY2(tool.err().contains(QLatin1String("No space left on device")), qPrintable(tool.err()));
}

void TestFctoolFaults::portsThatAreNoSerialPortsSaySo_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("says");
    QTest::newRow("a folder") << "folder"
                              << "is a folder, not a serial port";
    QTest::newRow("a plain file") << "file"
                                  << "is a plain file, not a serial port";
}

void TestFctoolFaults::portsThatAreNoSerialPortsSaySo()
{
    QFETCH(QString, name);
    QFETCH(QString, says);
    QVERIFY(QDir().mkpath(path(QStringLiteral("folder"))));
    QFile plain(path(QStringLiteral("file")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    ToolRun tool(args("read", {QStringLiteral("--port"), path(name)}));
    QVERIFY(tool.runToEnd());
    QVERIFY2(tool.exitCode() == 3, qPrintable(tool.describe()));
    QVERIFY(isErrorLine(tool.err()));
    QVERIFY2(tool.err().contains(says), qPrintable(tool.err()));
}

// A program that reads the same terminal takes the replies. fctool hears nothing, or finds its
// read emptied by the other program and names it; it never says that the device went away.
// The replies the other program leaves may also be enough: then what is printed is the block.
void TestFctoolFaults::anotherReaderOfThePortIsNamed()
{
    QVERIFY(m_sim->start());
    QProcess reader;
    reader.setStandardOutputFile(QProcess::nullDevice());
    reader.start(QStringLiteral("cat"), {device()});
    QVERIFY(reader.waitForStarted());
    const QStringList read = args("read", {QStringLiteral("--port"), port(),
                                           QStringLiteral("--timeout"), QStringLiteral("3")});
    ToolRun tool(read);
    QVERIFY(tool.runToEnd());
    reader.kill();
    reader.waitForFinished();
    if (tool.exitCode() == 0) {
        ToolRun alone(read);
        QVERIFY(alone.runToEnd());
        QVERIFY2(alone.exitCode() == 0, qPrintable(alone.describe()));
        QCOMPARE(tool.out(), alone.out());
        return;
    }
    QVERIFY2(isErrorLine(tool.err()), qPrintable(tool.describe()));
    QVERIFY2(!tool.err().contains(QLatin1String("went away")), qPrintable(tool.err()));
    if (tool.exitCode() == 3)
        QVERIFY2(tool.err().contains(QLatin1String("another program is reading")),
                 qPrintable(tool.err()));
    else
        QVERIFY2(tool.exitCode() == 4 && tool.err().contains(QLatin1String("no answer")),
                 qPrintable(tool.describe()));
}

void TestFctoolFaults::helpDocumentsEveryExitStatus()
{
    ToolRun tool({QStringLiteral("--help")});
    QVERIFY(tool.runToEnd());
    QCOMPARE(tool.exitCode(), 0);
    const QString help = tool.out();
    for (const char *line : {"0 ", "1 ", "2 ", "3 ", "4 "})
        QVERIFY2(help.contains(QLatin1String("\n  ") + QLatin1String(line)), line);
    QVERIFY2(help.contains(QLatin1String("went away")), qPrintable(help));
    QVERIFY2(help.contains(QLatin1String("standard output")), qPrintable(help));
}

void TestFctoolFaults::filesThatSlipPastTheKeyCheckAreRefused_data()
{
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::addColumn<QByteArray>("extra");
    QTest::addColumn<QString>("mentions");
    QTest::newRow("CR only") << QByteArray("\r") << QByteArray("var43=5\r") << "var43";
    QTest::newRow("percent-encoded") << QByteArray("\n") << QByteArray("var%343=5\n") << "var%343";
}

void TestFctoolFaults::filesThatSlipPastTheKeyCheckAreRefused()
{
    QFETCH(QByteArray, lineEnd);
    QFETCH(QByteArray, extra);
    QFETCH(QString, mentions);
    const Block block = Block::defaults();
    const QString file = path(QStringLiteral("sly.conf"));
    QVERIFY(saveBlock(file, block));
    QFile saved(file);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QByteArray text = saved.readAll().replace("\n", lineEnd) + extra;
    saved.close();
    QVERIFY(saved.open(QIODevice::WriteOnly | QIODevice::Truncate));
    saved.write(text);
    saved.close();
    ToolRun tool(
        args("write", {QStringLiteral("--port"), QStringLiteral("/nonexistent/fc"), file}));
    QVERIFY(tool.runToEnd());
    QVERIFY2(tool.exitCode() == 2, qPrintable(tool.describe()));
    QVERIFY2(tool.err().contains(mentions), qPrintable(tool.err()));
}

// A gain of 200 is 200 in get, read and diff alike.
void TestFctoolFaults::aGainReadsTheSameEverywhere()
{
    QVERIFY(m_sim->start());
    ToolRun set(args("set", {QStringLiteral("--port"), port(), QStringLiteral("PKp=200")}));
    QVERIFY(set.runToEnd());
    QVERIFY2(set.exitCode() == 0, qPrintable(set.describe()));

    ToolRun get(args("get", {QStringLiteral("--port"), port(), QStringLiteral("PKp")}));
    QVERIFY(get.runToEnd());
    QCOMPARE(get.outLines(), QStringList{"PKp=200"});
    ToolRun read(args("read", {QStringLiteral("--port"), port()}));
    QVERIFY(read.runToEnd());
    QVERIFY2(read.outLines().contains(QLatin1String("PKp=200")), qPrintable(read.out()));

    Block other = m_sim->block();
    other.setValue(field("PKp"), 100);
    const QString file = path(QStringLiteral("other.conf"));
    QVERIFY(saveBlock(file, other));
    ToolRun diff(args("diff", {QStringLiteral("--port"), port(), file}));
    QVERIFY(diff.runToEnd());
    QCOMPARE(diff.exitCode(), 1);
    QCOMPARE(diff.outLines(), QStringList{"PKp: 200 -> 100"});
}

void TestFctoolFaults::setRefusesANameGivenTwice()
{
    ToolRun tool(args("set", {QStringLiteral("--port"), QStringLiteral("/nonexistent/fc"),
                              QStringLiteral("PKp=200"), QStringLiteral("PKp=100")}));
    QVERIFY(tool.runToEnd());
    QVERIFY2(tool.exitCode() == 2, qPrintable(tool.describe()));
    QVERIFY(isErrorLine(tool.err()));
    QVERIFY2(tool.err().contains(QLatin1String("PKp is given twice")), qPrintable(tool.err()));
}

void TestFctoolFaults::setExplainsAScaledField()
{
    ToolRun tool(args("set", {QStringLiteral("--port"), QStringLiteral("/nonexistent/fc"),
                              QStringLiteral("LossVolt=11.10")}));
    QVERIFY(tool.runToEnd());
    QVERIFY2(tool.exitCode() == 2, qPrintable(tool.describe()));
    QVERIFY(isErrorLine(tool.err()));
    QVERIFY2(tool.err().contains(QLatin1String("hundredths")), qPrintable(tool.err()));
    QVERIFY2(tool.err().contains(QLatin1String("LossVolt=1110")), qPrintable(tool.err()));
}

QTEST_GUILESS_MAIN(TestFctoolFaults)
#include "tst_fctoolfaults.moc"
