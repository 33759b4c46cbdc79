// The link worker over a real pseudo-terminal against the simulated flight controller.
#include "blockaccess.h"
#include "commrt.h"
#include "fcsimprocess.h"
#include "portnaming.h"
#include "telemetry.h"
#include "uavparam.h"

#include <QtTest>

#include <csignal>
#include <memory>

namespace {

constexpr int kWaitMs = 8000;

QList<int> codes(const QSignalSpy &spy)
{
    QList<int> list;
    for (const QList<QVariant> &arguments : spy)
        list << arguments.at(0).toInt();
    return list;
}

QList<int> headsOf(const QList<FcsimProcess::Request> &requests)
{
    QList<int> heads;
    for (const FcsimProcess::Request &request : requests)
        heads << request.head;
    return heads;
}

QList<int> range(int from, int to)
{
    QList<int> list;
    for (int i = from; i <= to; ++i)
        list << i;
    return list;
}

// One link object wired to signal spies, destroyed properly at the end of each test.
struct LinkUnderTest
{
    Commrt *link = Commrt::createClass();
    QSignalSpy connectState{link, &Commrt::connectStateText};
    QSignalSpy status{link, &Commrt::statusChangedText};
    QSignalSpy parameters{link, &Commrt::parametersChanged};
    QSignalSpy telemetry{link, &Commrt::telemetryChanged};

    LinkUnderTest() { link->start(); }
    ~LinkUnderTest()
    {
        link->stop();
        Commrt::destroyClass(link);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    bool connectTo(const QString &port)
    {
        link->setPortName(port);
        link->connectCom();
        return parameters.wait(kWaitMs) || parameters.count() > 0;
    }
};

} // namespace

class TestCommrt : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FcsimProcess> m_sim;

    bool startSim(const QStringList &arguments = {})
    {
        m_sim = std::make_unique<FcsimProcess>(m_dir->path());
        return m_sim->start(arguments);
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void cleanup()
    {
        m_sim.reset();
        m_dir.reset();
    }

    void idleLinkSendsNothing()
    {
        QVERIFY(startSim());
        {
            std::lock_guard<std::mutex> lock(fclink::parameterBlockMutex());
            uavParam.MotorIdel = 4;
        }
        LinkUnderTest t;
        QCOMPARE(int(uavParam.MotorIdel), 0); // creating the link clears the block
        QVERIFY(!t.link->isConnected());
        QVERIFY(t.link->getPortName().isEmpty());
        QCOMPARE(int(t.link->getDeviceId()), 0);
        QCOMPARE(int(t.link->getFirmwareVersion()), 0);
        QTest::qWait(300);
        QCOMPARE(t.link->framesWritten(), quint64(0));
        QVERIFY(m_sim->requests().isEmpty());
    }

    void connectReadsWholeBlockThenPollsTelemetry()
    {
        QVERIFY(startSim({"--firmware", "112"}));
        LinkUnderTest t;
        QVERIFY(t.connectTo(m_sim->linkPath()));
        QCOMPARE(codes(t.connectState), QList<int>{1});
        QCOMPARE(t.parameters.count(), 1);
        QVERIFY(t.link->isConnected());
        QCOMPARE(blockaccess::blockNow(), m_sim->block());
        QCOMPARE(int(t.link->getDeviceId()), 0x26);
        QCOMPARE(int(t.link->getFirmwareVersion()), 112);

        QTRY_VERIFY_WITH_TIMEOUT(t.telemetry.count() >= 3, kWaitMs);
        QVERIFY(g_voltage > 1100 && g_voltage < 1300);
        QVERIFY(g_diagnosisInfo.accZ > 9.0f && g_diagnosisInfo.accZ < 10.5f);

        const QList<FcsimProcess::Request> requests = m_sim->requests();
        QVERIFY(requests.size() >= 14 + 8);
        QCOMPARE(requests.first().command, 3);
        QCOMPARE(headsOf(requests.mid(0, 14)), range(129, 142));
        QCOMPARE(headsOf(requests.mid(14, 8)),
                 (QList<int>{192, 193, 196, 195, 192, 193, 196, 195}));
        QCOMPARE(codes(t.connectState), QList<int>{1}); // no repeats while replies keep coming
        QVERIFY(t.status.isEmpty());
    }

    void uploadSendsFourteenSlicesAndControllerHoldsOurBlock()
    {
        QVERIFY(startSim());
        LinkUnderTest t;
        QVERIFY(t.connectTo(m_sim->linkPath()));
        const int before = m_sim->requests().size();
        {
            std::lock_guard<std::mutex> lock(fclink::parameterBlockMutex());
            uavParam.MotorIdel = 3;
            uavParam.IMUDistX = -1000;
            uavParam.LimitAlt = 1234;
            uavParam.PKp = -7;        // slice 6, second run
            uavParam.ChannelMap7 = 2; // slice 13
            uavParam.spare99 = 201;   // slice 14
            uavParam.MaxPhiByhand = 250;
        }
        t.link->setSubframeHead(1);
        QTRY_VERIFY_WITH_TIMEOUT(codes(t.status).contains(4), kWaitMs);
        QCOMPARE(codes(t.status), (QList<int>{5, 4}));
        QTRY_COMPARE_WITH_TIMEOUT(m_sim->block(), blockaccess::blockNow(), kWaitMs);

        // Slices go out in order, each repeated only while its answer is late (a loaded machine
        // can delay a reply past the next period); the frame count itself is a benchmark figure.
        QList<int> writes;
        for (const FcsimProcess::Request &request : m_sim->requests().mid(before))
            if (request.head >= 1 && request.head <= 14 &&
                (writes.isEmpty() || writes.last() != request.head))
                writes << request.head;
        QCOMPARE(writes, range(1, 14));
    }

    void commandsReportTheirResults()
    {
        QVERIFY(startSim(
            {"--command-delay", "300", "--fail", "13", "--state", m_dir->filePath("state.conf")}));
        LinkUnderTest t;
        QVERIFY(t.connectTo(m_sim->linkPath()));

        t.link->setCommand(12);
        QTRY_VERIFY_WITH_TIMEOUT(codes(t.status).contains(8), kWaitMs);
        QCOMPARE(int(t.link->currentCommand()), 0);

        t.link->setCommand(13);
        QTRY_VERIFY_WITH_TIMEOUT(codes(t.status).contains(11), kWaitMs);
        QCOMPARE(int(t.link->currentCommand()), 0);

        t.link->setCommand(2);
        QTRY_VERIFY_WITH_TIMEOUT(codes(t.status).contains(6), kWaitMs);
        QVERIFY(QFile::exists(m_dir->filePath("state.conf")));

        // A command without a result stays in every request until another replaces it.
        t.link->setCommand(9);
        QTest::qWait(400);
        QCOMPARE(int(t.link->currentCommand()), 9);
        const QList<FcsimProcess::Request> requests = m_sim->requests();
        QCOMPARE(requests.last().command, 9);
        QCOMPARE(requests.at(requests.size() - 2).command, 9);
    }

    void silenceTimesOutThenRecoversWithFreshRead()
    {
        QVERIFY(startSim());
        LinkUnderTest t;
        QVERIFY(t.connectTo(m_sim->linkPath()));
        t.status.clear();
        t.connectState.clear();

        m_sim->sendSignal(SIGUSR1);
        QElapsedTimer silent;
        silent.start();
        QVERIFY(t.connectState.wait(kWaitMs));
        const qint64 detectedAfter = silent.elapsed();
        QCOMPARE(codes(t.connectState), QList<int>{0});
        QCOMPARE(codes(t.status), QList<int>{0});
        QVERIFY2(detectedAfter > 1500 && detectedAfter < 6000,
                 qPrintable(QString::number(detectedAfter)));
        QVERIFY(!t.link->isConnected());

        // While silent the link keeps asking for the block from the start, and reports once.
        QTest::qWait(500);
        QCOMPARE(t.connectState.count(), 1);
        QCOMPARE(t.status.count(), 1);
        const QList<FcsimProcess::Request> requests = m_sim->requests();
        QCOMPARE(requests.last().head, 129);
        QCOMPARE(requests.last().command, 3);

        const int readsBefore = t.parameters.count();
        m_sim->sendSignal(SIGUSR2);
        QTRY_COMPARE_WITH_TIMEOUT(t.parameters.count(), readsBefore + 1, kWaitMs);
        QCOMPARE(codes(t.connectState), (QList<int>{0, 1}));
        QCOMPARE(blockaccess::blockNow(), m_sim->block());
    }

    void disconnectStopsFramesAndReconnectRereads()
    {
        QVERIFY(startSim());
        LinkUnderTest t;
        QVERIFY(t.connectTo(m_sim->linkPath()));
        t.status.clear();
        t.connectState.clear();
        t.link->disconnectCom();
        QCOMPARE(codes(t.status), QList<int>{0});
        QCOMPARE(codes(t.connectState), QList<int>{0});
        QVERIFY(!t.link->isConnected());
        QCOMPARE(int(t.link->currentSubframeHead()), 0);

        QTest::qWait(150);
        const quint64 written = t.link->framesWritten();
        QTest::qWait(300);
        QCOMPARE(t.link->framesWritten(), written);

        t.link->connectCom();
        QTRY_COMPARE_WITH_TIMEOUT(t.parameters.count(), 2, kWaitMs);
        QCOMPARE(codes(t.connectState), (QList<int>{0, 1}));
    }

    void unplugReportsLossOnceAndConnectWorksAgain()
    {
        QVERIFY(startSim());
        LinkUnderTest t;
        QVERIFY(t.connectTo(m_sim->linkPath()));
        t.status.clear();
        t.connectState.clear();

        m_sim->kill();
        QTRY_VERIFY_WITH_TIMEOUT(!t.link->isPortOpen(), kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(codes(t.connectState), QList<int>{0}, kWaitMs);
        QTest::qWait(1000); // no flood of reports, no reopened port
        QCOMPARE(codes(t.connectState), QList<int>{0});
        QCOMPARE(codes(t.status), QList<int>{0});
        QVERIFY(!t.link->isPortOpen());

        QVERIFY(startSim());
        t.link->connectCom();
        QTRY_COMPARE_WITH_TIMEOUT(t.parameters.count(), 2, kWaitMs);
        QVERIFY(t.link->isConnected());
    }

    void readAndUploadSurviveNoisyLine()
    {
        QVERIFY(startSim({"--drop", "0.1", "--corrupt", "0.2", "--seed", "7"}));
        LinkUnderTest t;
        QVERIFY(t.connectTo(m_sim->linkPath()));
        QCOMPARE(blockaccess::blockNow(), m_sim->block());
        QVERIFY(t.link->repliesRejected() > 0);

        for (int round = 0; round < 3; ++round) {
            {
                std::lock_guard<std::mutex> lock(fclink::parameterBlockMutex());
                uavParam.LimitRadius = static_cast<quint16>(700 + round);
                uavParam.PhiKp = static_cast<qint8>(-20 - round);
                uavParam.spare98 = static_cast<quint8>(round);
            }
            t.status.clear();
            t.link->setSubframeHead(1);
            QTRY_VERIFY_WITH_TIMEOUT(codes(t.status).contains(4), 3 * kWaitMs);
            QTRY_COMPARE_WITH_TIMEOUT(m_sim->block(), blockaccess::blockNow(), kWaitMs);
        }
    }

    void openFailuresAndNamesThatOpenNothing()
    {
        LinkUnderTest t;
        t.link->setPortName(m_dir->filePath("absent-device"));
        t.link->connectCom();
        QCOMPARE(codes(t.status), QList<int>{2});
        QVERIFY(t.connectState.isEmpty());
        QVERIFY(!t.link->isPortOpen());

        t.status.clear();
        t.link->portNameChanged("nonsense");
        QCOMPARE(t.link->getPortName(), QStringLiteral("nonsense"));
        t.link->connectCom();
        QVERIFY(t.status.isEmpty());
        QVERIFY(!t.link->isPortOpen());
        QCOMPARE(int(t.link->currentCommand()), 3);
        QCOMPARE(int(t.link->currentSubframeHead()), 129);
        QTest::qWait(200);
        QCOMPARE(t.link->framesWritten(), quint64(0));
    }

    void refreshDevicesReportsChangedLists()
    {
        const QByteArray saved = qgetenv(fclink::kExtraPortsVariable);
        const QString a = m_dir->filePath("b-port");
        const QString b = m_dir->filePath("a-port");
        qputenv(fclink::kExtraPortsVariable, a.toLocal8Bit());
        LinkUnderTest t;
        QSignalSpy names(t.link, &Commrt::updatePortNames);
        t.link->init();
        QCOMPARE(names.count(), 1);
        QVERIFY(names.last().at(0).value<QList<QString>>().contains(a));

        t.link->refreshDevices();
        QCOMPARE(names.count(), 1); // nothing changed, nothing emitted

        qputenv(fclink::kExtraPortsVariable, (a + ":" + b).toLocal8Bit());
        t.link->refreshDevices();
        QCOMPARE(names.count(), 2);
        const QStringList listed = names.last().at(0).value<QList<QString>>();
        QVERIFY(listed.indexOf(b) >= 0 && listed.indexOf(b) < listed.indexOf(a));
        QCOMPARE(t.link->getPortList(), listed);

        // Same count, other name: still a change worth showing.
        qputenv(fclink::kExtraPortsVariable, (a + ":" + m_dir->filePath("c-port")).toLocal8Bit());
        t.link->refreshDevices();
        QCOMPARE(names.count(), 3);
        qputenv(fclink::kExtraPortsVariable, saved);
    }

    void destroyWithAndWithoutEventLoop()
    {
        QPointer<Commrt> withoutLoop = Commrt::createClass();
        withoutLoop->start();
        QTest::qWait(50);
        withoutLoop->stop();
        // No event loop is running here: the link must go at once, thread joined.
        Commrt::destroyClass(withoutLoop);
        QVERIFY(withoutLoop.isNull());

        QPointer<Commrt> withLoop = Commrt::createClass();
        withLoop->start();
        QElapsedTimer timer;
        timer.start();
        QTimer::singleShot(0, [&] { Commrt::destroyClass(withLoop); });
        QTRY_VERIFY_WITH_TIMEOUT(withLoop.isNull(), 3000);
    }

    void destroyWhileConnectedJoinsThread()
    {
        QVERIFY(startSim());
        Commrt *link = Commrt::createClass();
        link->start();
        link->setPortName(m_sim->linkPath());
        link->connectCom();
        QSignalSpy parameters(link, &Commrt::parametersChanged);
        QVERIFY(parameters.wait(kWaitMs));
        QThread *thread = link;
        QVERIFY(thread->isRunning());
        link->stop();
        Commrt::destroyClass(link); // no loop running in this function: deleted at once
    }
};

QTEST_GUILESS_MAIN(TestCommrt)
#include "tst_commrt.moc"
