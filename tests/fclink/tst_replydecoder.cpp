// The reply decoder: what each reply does to the request state, the block and the telemetry,
// and the sequences that follow from it.
#include "fclink/link/frame.h"
#include "fclink/link/parameterslices.h"
#include "fclink/link/replydecoder.h"
#include "fclink/model/parameterfields.h"
#include "fclink/model/telemetry.h"

#include <QSet>
#include <QtTest>

#include <array>
#include <deque>
#include <utility>
#include <vector>

using namespace fclink;

namespace {

struct Link
{
    RequestState state;
    std::vector<quint8> block = std::vector<quint8>(kParameterBlockSize, 0);
    qint16 rc[8] = {};
    qint16 voltage = 0;
    double roll = 0, pitch = 0, heading = 0;
    DiagnosisInfo diagnosis = {};

    TelemetryTargets targets() { return {rc, &voltage, &roll, &pitch, &heading, &diagnosis}; }

    // What the worker does per period: the next request goes out with the current head.
    quint8 sendFrame()
    {
        ++state.framesSinceHeadChosen;
        return state.head;
    }

    ReplyEffects reply(quint8 head, const quint8 *payload = nullptr, quint8 result = 0,
                       quint8 deviceId = 0x26, quint8 firmware = 105)
    {
        quint8 frame[kFrameSize];
        buildReplyFrame(result, deviceId, firmware, head, payload, frame);
        return decodeReply(frame, state, block.data(), targets());
    }

    // One request and its answer, the controller echoing the request's head.
    ReplyEffects roundTrip() { return reply(sendFrame()); }
};

// A controller at the other end of a line, for the sequences over time: each request is
// answered from its block (writes stored, except at the offsets it refuses), and each answer
// reaches the link after the given number of request periods. With a delay of 1 every request
// goes out twice and every reply arrives twice, as on a line slower than one period.
struct LineWithController
{
    LineWithController(Link &l, int delay) : link(l), delayInPeriods(delay) {}

    Link &link;
    int delayInPeriods;
    std::vector<quint8> controller = std::vector<quint8>(kParameterBlockSize, 0);
    QSet<int> refusedOffsets;
    std::deque<std::pair<int, std::array<quint8, kFrameSize>>> inFlight; // due period, reply
    int period = 0;
    QList<int> verifications; // 1 equal, 0 different, in the order they came
    QStringList rejected;
    int parameterSignals = 0;
    int firstReads = 0;
    int resumed = 0;
    QList<QStringList> dropped;

    void answer(quint8 head, const quint8 *requestPayload)
    {
        quint8 payload[kSlicePayloadSize] = {};
        if (head >= 1 && head <= 14) {
            std::vector<quint8> written = controller;
            copySliceToBlock(head, requestPayload, written.data());
            for (int i = 0; i < kParameterBlockSize; ++i)
                if (!refusedOffsets.contains(i))
                    controller[i] = written[i];
        } else if (head >= 129 && head <= 142) {
            copyBlockToSlice(head - 128, controller.data(), payload);
        }
        std::array<quint8, kFrameSize> frame{};
        buildReplyFrame(0, 0x26, 105, head, payload, frame.data());
        inFlight.emplace_back(period + delayInPeriods, frame);
    }

    // One request period: the frame goes out, then whatever answers are due arrive.
    void tick()
    {
        const quint8 head = link.sendFrame();
        quint8 request[kFrameSize];
        buildRequestFrame(0, head, link.block.data(), request);
        answer(head, request + offset::Payload);
        while (!inFlight.empty() && inFlight.front().first <= period) {
            const ReplyEffects effects = decodeReply(inFlight.front().second.data(), link.state,
                                                     link.block.data(), link.targets());
            inFlight.pop_front();
            if (effects.verification != Verification::None)
                verifications << (effects.verification == Verification::Equal ? 1 : 0);
            if (effects.verification == Verification::Different)
                rejected = effects.rejectedFields;
            parameterSignals += effects.parametersChanged ? 1 : 0;
            firstReads += effects.firstReadAfterOpen ? 1 : 0;
            resumed += effects.uploadResumed ? 1 : 0;
            if (effects.cutUploadDropped)
                dropped << effects.droppedFields;
        }
        ++period;
    }

    void run(int periods)
    {
        for (int i = 0; i < periods; ++i)
            tick();
    }
};

QList<int> headsSent(Link &link, int rounds)
{
    QList<int> heads;
    for (int i = 0; i < rounds; ++i) {
        heads << link.state.head;
        link.roundTrip();
    }
    return heads;
}

QList<int> range(int from, int to)
{
    QList<int> list;
    for (int i = from; i <= to; ++i)
        list << i;
    return list;
}

} // namespace

class TestReplyDecoder : public QObject
{
    Q_OBJECT

private slots:
    void firstReplyConnectsOnce()
    {
        Link link;
        link.state.missedReplies = 40;
        QVERIFY(link.reply(200).becameConnected);
        QVERIFY(link.state.connected);
        QCOMPARE(int(link.state.missedReplies), 0);
        QVERIFY(!link.reply(200).becameConnected);
    }

    void identityFromEveryReply()
    {
        Link link;
        link.state.head = 77;
        link.reply(194, nullptr, 0, 0x26, 105);
        QCOMPARE(int(link.state.deviceId), 0x26);
        QCOMPARE(int(link.state.firmwareVersion), 105);
        link.reply(200, nullptr, 0, 0x27, 110);
        QCOMPARE(int(link.state.deviceId), 0x27);
        QCOMPARE(int(link.state.firmwareVersion), 110);
        QCOMPARE(int(link.state.head), 77); // unknown heads change nothing else
    }

    void commandResults_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("status");
        QTest::newRow("flash ok") << 2 << 6;
        QTest::newRow("flash error") << 130 << 7;
        QTest::newRow("acc ok") << 12 << 8;
        QTest::newRow("acc error") << 140 << 9;
        QTest::newRow("gyro ok") << 13 << 10;
        QTest::newRow("gyro error") << 141 << 11;
        QTest::newRow("volt ok") << 6 << 12;
        QTest::newRow("volt error") << 134 << 13;
        QTest::newRow("read has no result") << 3 << -1;
        QTest::newRow("bec has no result") << 7 << -1;
        QTest::newRow("rc scale has no result") << 9 << -1;
        QTest::newRow("unknown failure") << 131 << -1;
        QTest::newRow("nothing") << 0 << -1;
    }

    void commandResults()
    {
        QFETCH(int, result);
        QFETCH(int, status);
        Link link;
        const int ownCommand = result & 0x7F;
        link.state.command = static_cast<quint8>(ownCommand);
        const ReplyEffects effects = link.reply(200, nullptr, static_cast<quint8>(result));
        QCOMPARE(effects.commandStatus, status);
        QCOMPARE(int(link.state.command), status >= 0 ? 0 : ownCommand);
    }

    void repeatedResultReportsTwice()
    {
        Link link;
        link.state.command = 12;
        QCOMPARE(link.reply(192, nullptr, 12).commandStatus, 8);
        QCOMPARE(link.reply(193, nullptr, 12).commandStatus, 8);
    }

    void readSequenceThenTelemetryLoop()
    {
        Link link;
        link.state.startParameterRead();
        QCOMPARE(int(link.state.command), 3);
        int parameterSignals = 0;
        QList<int> heads;
        for (int i = 0; i < 14; ++i) {
            heads << link.state.head;
            parameterSignals += link.roundTrip().parametersChanged ? 1 : 0;
        }
        QCOMPARE(heads, range(129, 142));
        QCOMPARE(parameterSignals, 1);
        QVERIFY(!link.state.headRequested);
        QCOMPARE(headsSent(link, 8), (QList<int>{192, 193, 196, 195, 192, 193, 196, 195}));
    }

    void readSlicesFillBlock()
    {
        Link link;
        link.state.startParameterRead();
        std::vector<quint8> controller(kParameterBlockSize);
        for (int i = 0; i < kParameterBlockSize; ++i)
            controller[i] = static_cast<quint8>(255 - i);
        for (int i = 0; i < 14; ++i) {
            const quint8 head = link.sendFrame();
            quint8 payload[16];
            copyBlockToSlice(head - 128, controller.data(), payload);
            link.reply(head, payload);
        }
        QCOMPARE(link.block, controller);
    }

    void lastReadSliceSetsOnlyItsBytes()
    {
        Link link;
        link.state.head = 142;
        const quint8 payload[16] = {0xAA, 0xBB, 0xCC};
        const ReplyEffects effects = link.reply(142, payload);
        QVERIFY(effects.parametersChanged);
        QCOMPARE(int(link.block[98]), 0xAA);
        QCOMPARE(int(link.block[99]), 0xBB);
        QCOMPARE(int(link.block[100]), 0);
        QCOMPARE(int(link.block[97]), 0);
    }

    void uploadSequence()
    {
        Link link;
        link.state.head = 192; // telemetry loop
        link.state.chooseHead(1);
        QList<int> heads;
        QList<int> statuses;
        for (int i = 0; i < 29; ++i) {
            heads << link.state.head;
            const ReplyEffects effects = link.roundTrip();
            if (effects.uploadStatus >= 0)
                statuses << effects.uploadStatus;
        }
        QCOMPARE(heads, range(1, 14) + range(129, 142) + QList<int>{192});
        QCOMPARE(statuses, (QList<int>{5, 4}));
    }

    void telemetryInFlightDoesNotMoveChosenHead()
    {
        Link link;
        link.state.head = 193;
        link.sendFrame();         // the 193 request is on its way
        link.state.chooseHead(1); // the user edits something
        const ReplyEffects effects = link.reply(193);
        QCOMPARE(int(link.state.head), 1);
        QVERIFY(!effects.telemetryChanged);
        link.state.head = 1;
        QCOMPARE(link.reply(195).telemetryChanged, true); // voltage still notifies
        QCOMPARE(int(link.state.head), 1);
        link.sendFrame();
        QCOMPARE(link.reply(1).uploadStatus, 5);
        QCOMPARE(int(link.state.head), 2);
    }

    void newUploadDuringUploadRestartsAtSliceOne()
    {
        Link link;
        link.state.chooseHead(1);
        for (int i = 0; i < 5; ++i)
            link.roundTrip(); // slices 1..5 acknowledged
        QCOMPARE(int(link.state.head), 6);
        link.sendFrame();         // slice 6 goes out
        link.state.chooseHead(1); // a second edit asks for a new upload
        link.reply(6);            // the late acknowledgement must not move the head on
        QCOMPARE(int(link.state.head), 1);
        QVERIFY(link.state.headRequested);
        QCOMPARE(headsSent(link, 29), range(1, 14) + range(129, 142) + QList<int>{192});
    }

    void lateFirstAckDoesNotSkipNewSliceOne()
    {
        // Upload requested, slice 1 sent, then another edit and request before the ack arrives:
        // the ack belongs to the older slice 1, so the newer one must still go out.
        Link link;
        link.state.chooseHead(1);
        link.sendFrame();
        link.state.chooseHead(1);
        const ReplyEffects stale = link.reply(1);
        QCOMPARE(stale.uploadStatus, -1);
        QCOMPARE(int(link.state.head), 1);
        QCOMPARE(link.roundTrip().uploadStatus, 5);
        QCOMPARE(int(link.state.head), 2);
    }

    void timeoutDuringUploadRestartsRead()
    {
        Link link;
        link.state.chooseHead(1);
        link.roundTrip();
        link.roundTrip(); // at slice 3
        link.sendFrame();
        link.state.startParameterRead(); // what the worker does on a time-out
        link.reply(3);                   // a late acknowledgement
        QCOMPARE(int(link.state.head), 129);
        QCOMPARE(headsSent(link, 14), range(129, 142));
    }

    void lateReadReplyLeavesBlockAlone()
    {
        Link link;
        link.state.head = 192; // the read has ended, the telemetry loop runs
        link.block[98] = 10;   // and the user has changed a byte since
        const quint8 stale[16] = {0x01, 0x02};
        const ReplyEffects effects = link.reply(142, stale);
        QCOMPARE(int(link.block[98]), 10);
        QCOMPARE(int(link.block[99]), 0);
        QVERIFY(!effects.parametersChanged);
        QCOMPARE(int(link.state.head), 192);
        QVERIFY(link.state.connected); // it still shows that the controller is there
    }

    void lateAcknowledgementDoesNotMoveTheUpload()
    {
        Link link;
        link.state.blockRead = true;
        link.state.connected = true;
        link.state.requestUpload();
        for (int i = 0; i < 4; ++i)
            link.roundTrip();
        QCOMPARE(int(link.state.head), 5);
        QCOMPARE(link.reply(3).uploadStatus, -1);
        QCOMPARE(int(link.state.head), 5);
        QCOMPARE(link.reply(14).uploadStatus, -1); // an old upload's last slice
        QCOMPARE(int(link.state.head), 5);
    }

    void repeatedVoltageReplyAnnouncesOneCycle()
    {
        Link link;
        link.state.head = 195;
        QVERIFY(link.roundTrip().telemetryChanged);
        QCOMPARE(int(link.state.head), 192);
        QVERIFY(!link.reply(195).telemetryChanged); // the second copy of the same answer
        QCOMPARE(int(link.state.head), 192);
    }

    void lateResultDoesNotCancelNewCommand()
    {
        Link link;
        link.state.command = 12;
        QCOMPARE(link.reply(192, nullptr, 12).commandStatus, 8);
        QCOMPARE(int(link.state.command), 0);
        link.state.command = 2; // the pilot writes to flash next
        QCOMPARE(link.reply(193, nullptr, 12).commandStatus, 8);
        QCOMPARE(int(link.state.command), 2);
        QCOMPARE(link.reply(196, nullptr, 130).commandStatus, 7);
        QCOMPARE(int(link.state.command), 0);
    }

    void slowLineReadsAndUploadsExactly()
    {
        Link link;
        LineWithController line(link, 1);
        for (int i = 0; i < kParameterBlockSize; ++i)
            line.controller[i] = static_cast<quint8>(i * 7 + 3);
        link.state.startFreshRead();
        line.run(40);
        QCOMPARE(link.block, line.controller);
        QCOMPARE(line.parameterSignals, 1);
        QCOMPARE(line.firstReads, 1);

        link.block[98] = 10;
        link.block[99] = 10;
        link.block[206] = 0xE8; // LimitAlt 1000
        link.block[207] = 0x03;
        const std::vector<quint8> target = link.block;
        link.state.requestUpload();
        line.run(80);
        QCOMPARE(line.controller, target);
        QCOMPARE(link.block, target);
        QCOMPARE(line.verifications, QList<int>{1});
        QCOMPARE(line.parameterSignals, 1);
        QVERIFY(link.state.head >= 192);
    }

    void verificationRetriesOnceThenReportsRefusedFields()
    {
        Link link;
        LineWithController line(link, 0);
        line.controller[206] = 120;
        line.refusedOffsets = {206, 207};
        link.state.startFreshRead();
        line.run(20);
        QCOMPARE(int(link.block[206]), 120);

        link.block[206] = 0xE8;
        link.block[207] = 0x03;
        link.block[40] = 5;
        link.state.requestUpload();
        QList<int> heads;
        for (int i = 0; i < 60; ++i) {
            heads << link.state.head;
            line.tick();
        }
        QCOMPARE(heads.mid(0, 14), range(1, 14));
        QCOMPARE(heads.mid(14, 14), range(129, 142));
        QCOMPARE(heads.mid(28, 14), range(1, 14)); // once more
        QCOMPARE(heads.mid(42, 14), range(129, 142));
        QCOMPARE(heads.at(56), 192);
        QCOMPARE(line.verifications, QList<int>{0});
        QCOMPARE(line.rejected, QStringList{"LimitAlt"});
        QCOMPARE(line.firstReads, 1);          // taking the controller's values is no new read
        QCOMPARE(link.block, line.controller); // the pages show what the controller holds
        QCOMPARE(int(link.block[40]), 5);
    }

    void editDuringReadBackUploadsAgain()
    {
        Link link;
        LineWithController line(link, 0);
        link.state.startFreshRead();
        line.run(20);
        link.block[10] = 1;
        link.state.requestUpload();
        line.run(20); // acknowledged, and six slices read back
        QVERIFY(link.state.verifying);
        link.block[10] = 2;
        link.state.requestUpload();
        QVERIFY(!link.state.verifying);
        QCOMPARE(int(link.state.head), 1);
        line.run(40);
        QCOMPARE(int(line.controller[10]), 2);
        QCOMPARE(line.verifications, QList<int>{1});
    }

    void uploadBeforeTheFirstReadWaitsForIt()
    {
        Link link;
        LineWithController line(link, 0);
        line.controller[5] = 9;
        line.controller[200] = 4;
        link.state.startFreshRead();
        line.run(3);                // slices 1..3 read
        link.block[5] = 7;          // an edit to a slice already read
        link.block[200] = 8;        // and one to a slice still to come
        link.state.requestUpload(); // must not send a block that was never read
        QCOMPARE(int(link.state.head), 132);
        line.run(60);
        QCOMPARE(int(line.controller[5]), 7);
        QCOMPARE(int(line.controller[200]), 4); // the read brought the controller's value back
        QCOMPARE(link.block, line.controller);
        QCOMPARE(line.verifications, QList<int>{1});
    }

    // An upload a silence cut off, then the port lent to a bootloader probe (or a flash) and
    // taken back: redone only onto the block it was cut off on, and never after the pilot's own
    // reopen.
    void cutUploadIsRedoneOnlyOntoItsOwnBlock_data()
    {
        QTest::addColumn<bool>("portLent");
        QTest::addColumn<bool>("blockReset");
        QTest::addColumn<int>("resumed");
        QTest::addColumn<QStringList>("dropped");
        QTest::newRow("lent, same block") << true << false << 1 << QStringList();
        const QString first = QLatin1String(fclink::parameterFields().constFirst().name);
        QTest::newRow("lent, block reset") << true << true << 0 << QStringList{first, "MotorIdel"};
        QTest::newRow("reopened by the pilot") << false << false << 0 << QStringList();
    }

    void cutUploadIsRedoneOnlyOntoItsOwnBlock()
    {
        QFETCH(bool, portLent);
        QFETCH(bool, blockReset);
        QFETCH(int, resumed);
        QFETCH(QStringList, dropped);
        Link link;
        LineWithController line(link, 0);
        std::fill(line.controller.begin(), line.controller.end(), quint8(3));
        link.state.startFreshRead();
        line.run(20);
        QVERIFY(link.state.blockRead);
        const std::vector<quint8> before = line.controller;
        const int motorIdel = fclink::findParameterField(QStringLiteral("MotorIdel"))->offset;
        link.block[0] = 9;         // slice 1, written before the silence
        link.block[motorIdel] = 4; // a later slice, never written
        QVERIFY(motorIdel >= 2 * kSlicePayloadSize);
        const std::vector<quint8> intended = link.block;
        link.state.requestUpload();
        line.run(2);
        QCOMPARE(int(line.controller[0]), 9);
        link.state.keepUploadForResume(link.block.data()); // the silence
        link.state.keepAskingForParameters();
        if (blockReset)
            std::fill(line.controller.begin(), line.controller.end(), quint8(5));
        link.state.startFreshRead(portLent);
        line.run(80);
        QCOMPARE(line.resumed, resumed);
        QCOMPARE(line.dropped.isEmpty() ? QStringList() : line.dropped.constFirst(), dropped);
        if (resumed)
            QCOMPARE(line.controller, intended);
        else if (!blockReset)
            QCOMPARE(int(line.controller[motorIdel]), int(before[motorIdel]));
        QCOMPARE(link.block, line.controller);
    }

    void firstAnswerAfterSilenceIsTaken()
    {
        Link link;
        link.state.startFreshRead();
        link.state.connected = true;
        link.state.head = 193;
        // The controller is silent: the worker keeps asking for the block on every frame.
        for (int i = 0; i < 5; ++i) {
            link.sendFrame();
            link.state.keepAskingForParameters();
        }
        QCOMPARE(int(link.state.head), 129);
        link.sendFrame();
        link.state.keepAskingForParameters(); // the frame that the controller answers
        link.reply(129);
        QCOMPARE(int(link.state.head), 130);
    }

    void telemetryScaling()
    {
        Link link;
        quint8 attitude[16] = {};
        writeInt16(attitude, -123);
        writeInt16(attitude + 2, 455);
        writeInt16(attitude + 4, 3599);
        link.reply(193, attitude);
        QCOMPARE(link.roll, -12.3);
        QCOMPARE(link.pitch, 45.5);
        QCOMPARE(link.heading, 359.9);

        quint8 sensors[16] = {};
        const qint16 values[7] = {15, -20, 3000, -5, 12, 981, -35};
        for (int i = 0; i < 7; ++i)
            writeInt16(sensors + 2 * i, values[i]);
        sensors[14] = 200;
        link.reply(196, sensors);
        QCOMPARE(link.diagnosis.gyroX, 1.5f);
        QCOMPARE(link.diagnosis.gyroY, -2.0f);
        QCOMPARE(link.diagnosis.gyroZ, 300.0f);
        QCOMPARE(link.diagnosis.accX, -0.05f);
        QCOMPARE(link.diagnosis.accY, 0.12f);
        QCOMPARE(link.diagnosis.accZ, 9.81f);
        QCOMPARE(link.diagnosis.altitude, -3.5f);
        QCOMPARE(int(link.diagnosis.compassError), 200);

        const quint8 voltage[16] = {1, 2, 3, 4, 0xBC, 0x04};
        link.state.head = 195;
        QVERIFY(link.reply(195, voltage).telemetryChanged);
        QCOMPARE(int(link.voltage), 1212);

        quint8 rc[16];
        for (int i = 0; i < 8; ++i)
            writeInt16(rc + 2 * i, static_cast<qint16>(-840 + 200 * i));
        link.reply(192, rc);
        for (int i = 0; i < 8; ++i)
            QCOMPARE(int(link.rc[i]), -840 + 200 * i);
    }

    void onlyVoltageNotifiesTelemetry()
    {
        Link link;
        for (int h : {192, 193, 196, 129, 142, 1, 14, 194, 0})
            QVERIFY(!link.reply(static_cast<quint8>(h)).telemetryChanged);
    }
};

QTEST_APPLESS_MAIN(TestReplyDecoder)
#include "tst_replydecoder.moc"
