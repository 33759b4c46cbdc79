// The link's intents (uploads, flash write, calibrations, service commands) over a real
// pseudo-terminal against the simulated flight controller: what the controller receives and
// holds afterwards.
#include "fclink/link/commrt.h"
#include "fclink/link/parameterslices.h"
#include "fclink/model/parameterblock.h"
#include "fclink/model/parameterfields.h"
#include "tests/support/blockaccess.h"
#include "tests/support/fcsimprocess.h"
#include "tests/support/linkundertest.h"
#include "tests/support/signalarguments.h"
#include "tests/support/simulatortest.h"

#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(fclink::Sensor)

namespace {

constexpr int kWaitMs = 8000;

// The command bytes of the requests, each run of equal ones once, without the empty command.
QList<int> commandsOf(const QList<FcsimProcess::Request> &requests)
{
    QList<int> commands;
    for (const FcsimProcess::Request &request : requests) {
        if (request.command != 0 && (commands.isEmpty() || commands.last() != request.command))
            commands << request.command;
    }
    return commands;
}

// The commands of the requests logged from `first` on that the call under test can have made.
// Requests built just before it still carry the command then in force (the block read's) and
// may reach the simulator's log after `first` was counted: those are left out.
QList<int> commandsAfterCall(const QList<FcsimProcess::Request> &requests, int first,
                             int commandInForce)
{
    QList<int> commands = commandsOf(requests.mid(first));
    if (!commands.isEmpty() && commands.first() == commandInForce)
        commands.removeFirst();
    return commands;
}

// The write slices of the requests, each run of equal heads once.
QList<int> writeSlicesOf(const QList<FcsimProcess::Request> &requests)
{
    QList<int> heads;
    for (const FcsimProcess::Request &request : requests) {
        if (request.head >= 1 && request.head <= 14 &&
            (heads.isEmpty() || heads.last() != request.head))
            heads << request.head;
    }
    return heads;
}

QList<int> oneToFourteen()
{
    QList<int> list;
    for (int i = 1; i <= 14; ++i)
        list << i;
    return list;
}

// A block unlike the simulator's defaults in every byte.
fclink::BlockImage distinctBlock(quint8 seed)
{
    fclink::BlockImage block = fclink::ParameterBlock::copy();
    for (int i = 0; i < fclink::kParameterBlockSize; ++i)
        block.bytes()[i] = static_cast<quint8>(block.bytes()[i] + seed + i);
    return block;
}

const fclink::ParameterField &field(const char *name)
{
    const fclink::ParameterField *found = fclink::findParameterField(QLatin1String(name));
    Q_ASSERT(found);
    return *found;
}

} // namespace

class TestLinkIntents : public SimulatorTest
{
    Q_OBJECT

private slots:
    // The reply's version byte holds only the low 8 bits; the firmware info has the whole
    // version, and asking for it leaves the link's command as it was.
    void firmwareInfoGivesTheWholeVersion_data()
    {
        QTest::addColumn<int>("version");
        QTest::newRow("1.05") << 105;
        QTest::newRow("3.00") << 300;
        QTest::newRow("6.55") << 655;
    }

    void firmwareInfoGivesTheWholeVersion()
    {
        QFETCH(int, version);
        QVERIFY(startSim({"--firmware", QString::number(version)}));
        LinkUnderTest t;
        QSignalSpy info(t.link, &Commrt::firmwareInfoReceived);
        QVERIFY(t.connectTo(m_sim->linkPath()));
        QCOMPARE(int(t.link->getFirmwareVersion()), version & 0xFF);
        QCOMPARE(int(t.link->firmwareVersion()), version & 0xFF); // not asked yet
        const quint8 commandBefore = t.link->currentCommand();
        t.link->requestFirmwareInfo();
        QVERIFY(info.count() > 0 || info.wait(kWaitMs));
        QCOMPARE(info.first().first().toInt(), version);
        QCOMPARE(int(t.link->firmwareVersion()), version);
        QCOMPARE(t.link->currentCommand(), commandBefore);
        // The telemetry loop goes on.
        const int cycles = t.telemetry.count();
        QTRY_VERIFY_WITH_TIMEOUT(t.telemetry.count() > cycles + 2, kWaitMs);
    }

    // A command under way is not replaced by the question.
    void firmwareInfoWaitsForNoCommand()
    {
        QVERIFY(startSim({"--command-delay", "300"}));
        LinkUnderTest t;
        QVERIFY(t.connectTo(m_sim->linkPath()));
        t.link->calibrate(fclink::Sensor::Gyros);
        t.link->requestFirmwareInfo();
        QCOMPARE(int(t.link->currentCommand()), 13);
        QTRY_VERIFY_WITH_TIMEOUT(argumentSequence<int>(t.status).contains(10), kWaitMs);
    }

    void calibrateSendsTheSensorsCommand_data()
    {
        QTest::addColumn<fclink::Sensor>("sensor");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("okStatus");
        QTest::addColumn<int>("failStatus");
        QTest::newRow("accelerometers") << fclink::Sensor::Accelerometers << 12 << 8 << 9;
        QTest::newRow("gyros") << fclink::Sensor::Gyros << 13 << 10 << 11;
        QTest::newRow("voltage") << fclink::Sensor::Voltage << 6 << 12 << 13;
    }

    void calibrateSendsTheSensorsCommand()
    {
        QFETCH(fclink::Sensor, sensor);
        QFETCH(int, code);
        QFETCH(int, okStatus);
        QFETCH(int, failStatus);
        QVERIFY(startSim({"--command-delay", "200"}));
        LinkUnderTest t;
        QVERIFY(t.connectTo(m_sim->linkPath()));
        const int before = m_sim->requests().size();
        const int commandInForce = t.link->currentCommand();

        t.link->calibrate(sensor);
        QCOMPARE(int(t.link->currentCommand()), code);
        QTRY_VERIFY_WITH_TIMEOUT(argumentSequence<int>(t.status).contains(okStatus), kWaitMs);
        QVERIFY(!argumentSequence<int>(t.status).contains(failStatus));
        QCOMPARE(int(t.link->currentCommand()), 0); // the result ends the command
        QCOMPARE(commandsAfterCall(m_sim->requests(), before, commandInForce), QList<int>{code});
    }

    void failedCalibrationIsReported()
    {
        QVERIFY(startSim({"--fail", "12"}));
        LinkUnderTest t;
        QVERIFY(t.connectTo(m_sim->linkPath()));
        t.link->calibrate(fclink::Sensor::Accelerometers);
        QTRY_VERIFY_WITH_TIMEOUT(argumentSequence<int>(t.status).contains(9), kWaitMs);
        QVERIFY(!argumentSequence<int>(t.status).contains(8));
        QVERIFY(m_sim->receivedCommand(12));
    }

    void writeFlashSavesTheControllersParameters()
    {
        const QString state = m_dir->filePath("state.conf");
        QVERIFY(startSim({"--state", state}));
        LinkUnderTest t;
        QVERIFY(t.connectTo(m_sim->linkPath()));
        QVERIFY(!QFile::exists(state));
        const int before = m_sim->requests().size();
        const int commandInForce = t.link->currentCommand();

        t.link->writeFlash();
        QTRY_VERIFY_WITH_TIMEOUT(argumentSequence<int>(t.status).contains(6), kWaitMs);
        QVERIFY(!argumentSequence<int>(t.status).contains(7));
        QVERIFY(QFile::exists(state));
        QCOMPARE(commandsAfterCall(m_sim->requests(), before, commandInForce), QList<int>{2});
    }

    // Each service command stays in every request until the next replaces it, as the internal
    // page's buttons need (the scale calibration runs from start to stop).
    void serviceCommandsReachTheController()
    {
        QVERIFY(startSim());
        LinkUnderTest t;
        QVERIFY(t.connectTo(m_sim->linkPath()));
        const struct
        {
            void (Commrt::*give)();
            int code;
        } services[] = {
            {&Commrt::testBec, 7},
            {&Commrt::calibrateRcNeutral, 8},
            {&Commrt::startRcScaleCalibration, 9},
            {&Commrt::stopRcScaleCalibration, 10},
            {&Commrt::bindDsm, 11},
        };
        const int before = m_sim->requests().size();
        const int commandInForce = t.link->currentCommand();
        QList<int> expected;
        for (const auto &service : services) {
            (t.link->*service.give)();
            QCOMPARE(int(t.link->currentCommand()), service.code);
            const int mark = m_sim->requests().size();
            // Three requests in a row carry it: it is repeated, not sent once.
            QTRY_VERIFY_WITH_TIMEOUT(
                [&] {
                    const QList<FcsimProcess::Request> seen = m_sim->requests().mid(mark);
                    int carrying = 0;
                    for (const FcsimProcess::Request &request : seen)
                        carrying = request.command == service.code ? carrying + 1 : 0;
                    return carrying >= 3;
                }(),
                kWaitMs);
            expected << service.code;
        }
        QCOMPARE(commandsAfterCall(m_sim->requests(), before, commandInForce), expected);
        QVERIFY(t.status.isEmpty()); // none of them reports a result
    }

    void uploadParametersOfABlockLandsInTheController()
    {
        QVERIFY(startSim());
        LinkUnderTest t;
        QVERIFY(t.connectTo(m_sim->linkPath()));
        const fclink::BlockImage block = distinctBlock(7);
        QVERIFY(block != m_sim->block());
        const int requestsBefore = m_sim->requests().size();
        const int verifiedBefore = t.verified.count();

        t.link->uploadParameters(block);
        QCOMPARE(blockaccess::blockNow(), block); // the block holds it at once
        QVERIFY(t.waitForVerification(verifiedBefore));
        QCOMPARE(t.verified.last().at(0).toBool(), true);
        QCOMPARE(m_sim->block(), block);
        QCOMPARE(blockaccess::blockNow(), block);
        QCOMPARE(argumentSequence<int>(t.status), (QList<int>{5, 4}));
        QCOMPARE(writeSlicesOf(m_sim->requests().mid(requestsBefore)), oneToFourteen());
    }

    void uploadParametersSendsTheBlockAsItStands()
    {
        QVERIFY(startSim());
        LinkUnderTest t;
        QVERIFY(t.connectTo(m_sim->linkPath()));
        const fclink::BlockImage block = distinctBlock(40);
        fclink::ParameterBlock::replace(block);
        const int verifiedBefore = t.verified.count();

        t.link->uploadParameters();
        QVERIFY(t.link->isUploadRequested());
        QVERIFY(t.waitForVerification(verifiedBefore));
        QCOMPARE(t.verified.last().at(0).toBool(), true);
        QCOMPARE(m_sim->block(), block);
    }

    void uploadFieldsWritesReportsAndLands()
    {
        QVERIFY(startSim());
        LinkUnderTest t;
        QVERIFY(t.connectTo(m_sim->linkPath()));
        const fclink::BlockImage start = fclink::ParameterBlock::copy();
        const fclink::ParameterField &idle = field("MotorIdel");
        const fclink::ParameterField &distX = field("IMUDistX");
        const fclink::ParameterField &limitAlt = field("LimitAlt");
        const int requestsBefore = m_sim->requests().size();
        const int verifiedBefore = t.verified.count();

        const QVector<fclink::FieldChange> changes =
            t.link->uploadFields({{&idle, 3}, {&distX, -1000}, {&limitAlt, 1234}});
        QCOMPARE(changes.size(), 3);
        QCOMPARE(changes[0].before, start.value(idle));
        QCOMPARE(changes[0].after, 3);
        QCOMPARE(changes[1].before, start.value(distX));
        QCOMPARE(changes[1].after, -1000);
        QCOMPARE(changes[2].before, start.value(limitAlt));
        QCOMPARE(changes[2].after, 1234);

        QVERIFY(t.waitForVerification(verifiedBefore));
        QCOMPARE(t.verified.last().at(0).toBool(), true);
        const fclink::BlockImage controller = m_sim->block();
        QCOMPARE(controller.value(idle), 3);
        QCOMPARE(controller.value(distX), -1000);
        QCOMPARE(controller.value(limitAlt), 1234);
        QCOMPARE(blockaccess::blockNow(), controller);
        QCOMPARE(writeSlicesOf(m_sim->requests().mid(requestsBefore)), oneToFourteen());
    }

    void isUploadingWhileSlicesGoOut()
    {
        QVERIFY(startSim({"--reply-delay", "20"}));
        LinkUnderTest t;
        QVERIFY(t.connectTo(m_sim->linkPath()));
        QVERIFY(!t.link->isUploading());
        t.link->uploadParameters(distinctBlock(3));
        QTRY_VERIFY_WITH_TIMEOUT(t.link->isUploading(), kWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(argumentSequence<int>(t.status).contains(4), kWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(!t.link->isUploading(), kWaitMs);
    }
};

QTEST_GUILESS_MAIN(TestLinkIntents)
#include "tst_linkintents.moc"
