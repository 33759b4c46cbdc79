// The reply decoder: what each reply does to the request state, the block and the telemetry,
// and the sequences that follow from it.
#include "frame.h"
#include "parameterslices.h"
#include "replydecoder.h"
#include "telemetry.h"

#include <QtTest>

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
        link.state.command = 9;
        const ReplyEffects effects = link.reply(200, nullptr, static_cast<quint8>(result));
        QCOMPARE(effects.commandStatus, status);
        QCOMPARE(int(link.state.command), status >= 0 ? 0 : 9);
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
        for (int i = 0; i < 15; ++i) {
            heads << link.state.head;
            const ReplyEffects effects = link.roundTrip();
            if (effects.uploadStatus >= 0)
                statuses << effects.uploadStatus;
        }
        QCOMPARE(heads, range(1, 14) + QList<int>{192});
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
        QCOMPARE(headsSent(link, 15), range(1, 14) + QList<int>{192});
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
