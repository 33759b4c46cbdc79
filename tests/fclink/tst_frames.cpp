// Request frames, the checksum, parameter slices and the receive assembler.
#include "fclink/link/crc16.h"
#include "fclink/link/frame.h"
#include "fclink/link/frameassembler.h"
#include "fclink/link/parameterslices.h"

#include <QtTest>

#include <vector>

using namespace fclink;

namespace {

QByteArray bytes(const quint8 *data, int length)
{
    return QByteArray(reinterpret_cast<const char *>(data), length);
}

std::vector<quint8> patternBlock()
{
    std::vector<quint8> block(kParameterBlockSize);
    for (int i = 0; i < kParameterBlockSize; ++i)
        block[i] = static_cast<quint8>(i + 1);
    return block;
}

QByteArray replyFrame(quint8 head, quint8 firstPayloadByte = 0)
{
    quint8 payload[kSlicePayloadSize] = {firstPayloadByte};
    quint8 frame[kFrameSize];
    buildReplyFrame(0, 0x26, 105, head, payload, frame);
    return bytes(frame, kFrameSize);
}

struct Collected
{
    QList<QByteArray> frames;
    FrameAssembler::FrameHandler handler()
    {
        return [this](const quint8 *frame) { frames.append(bytes(frame, kFrameSize)); };
    }
};

void feed(FrameAssembler &assembler, const QByteArray &data, Collected &out)
{
    assembler.feed(reinterpret_cast<const quint8 *>(data.constData()),
                   static_cast<std::size_t>(data.size()), out.handler());
}

} // namespace

class TestFrames : public QObject
{
    Q_OBJECT

private slots:
    void crcCheckValues()
    {
        const QByteArray digits("123456789");
        QCOMPARE(crc16(reinterpret_cast<const quint8 *>(digits.constData()), 9), quint16(0x31C3));
        QCOMPARE(crc16(nullptr, 0), quint16(0));
        const quint8 one = 0x01;
        QCOMPARE(crc16(&one, 1), quint16(0x1021));
    }

    void crcMatchesBitwiseDefinition()
    {
        // The nibble table must agree with the plain bit-by-bit CRC-16/XMODEM on any input.
        auto bitwise = [](const std::vector<quint8> &data) {
            quint16 crc = 0;
            for (quint8 byte : data) {
                crc ^= static_cast<quint16>(byte << 8);
                for (int bit = 0; bit < 8; ++bit)
                    crc = (crc & 0x8000) ? static_cast<quint16>((crc << 1) ^ 0x1021)
                                         : static_cast<quint16>(crc << 1);
            }
            return crc;
        };
        QRandomGenerator random(42);
        for (int round = 0; round < 200; ++round) {
            std::vector<quint8> data(random.bounded(1, 80));
            for (quint8 &b : data)
                b = static_cast<quint8>(random.bounded(256));
            QCOMPARE(crc16(data.data(), data.size()), bitwise(data));
        }
    }

    void readRequestVector()
    {
        quint8 frame[kFrameSize];
        buildRequestFrame(3, 129, nullptr, frame);
        QByteArray expected(64, '\0');
        expected[0] = char(0xCF);
        expected[1] = char(0x70);
        expected[4] = char(0x03);
        expected[45] = char(0x81);
        expected[62] = char(0x8B);
        expected[63] = char(0xBF);
        QCOMPARE(bytes(frame, kFrameSize).toHex(), expected.toHex());
    }

    void requestHeadKinds_data()
    {
        QTest::addColumn<int>("head");
        QTest::addColumn<int>("sentHead");
        for (int h : {0, 15, 128, 143, 191, 197, 200, 255})
            QTest::addRow("none %d", h) << h << 0;
        for (int h : {1, 14, 129, 142, 192, 193, 194, 195, 196})
            QTest::addRow("kind %d", h) << h << h;
    }

    void requestHeadKinds()
    {
        QFETCH(int, head);
        QFETCH(int, sentHead);
        const std::vector<quint8> block = patternBlock();
        quint8 frame[kFrameSize];
        buildRequestFrame(9, static_cast<quint8>(head), block.data(), frame);
        QCOMPARE(int(frame[offset::Head]), sentHead);
        QCOMPARE(int(frame[offset::Command]), 9);
        QVERIFY(checksumValid(frame));
        const bool write = head >= 1 && head <= 14;
        if (!write)
            QCOMPARE(bytes(frame + offset::Payload, 16), QByteArray(16, '\0'));
        // Nothing outside the defined bytes is ever set.
        for (int i : {2, 3, 5, 10, 11, 12, 44})
            QCOMPARE(int(frame[i]), 0);
    }

    void writeSlicePayloads_data()
    {
        QTest::addColumn<int>("slice");
        QTest::addColumn<QList<int>>("offsets");
        auto run = [](int from, int to) {
            QList<int> list;
            for (int i = from; i <= to; ++i)
                list << i;
            return list;
        };
        for (int s = 1; s <= 5; ++s)
            QTest::addRow("slice %d", s) << s << run(16 * (s - 1), 16 * s - 1);
        QTest::newRow("slice 6") << 6 << (run(80, 81) + run(100, 113));
        for (int s = 7; s <= 12; ++s)
            QTest::addRow("slice %d", s) << s << run(114 + 16 * (s - 7), 129 + 16 * (s - 7));
        QTest::newRow("slice 13") << 13 << run(82, 97);
        QTest::newRow("slice 14") << 14 << run(98, 99);
    }

    void writeSlicePayloads()
    {
        QFETCH(int, slice);
        QFETCH(QList<int>, offsets);
        const std::vector<quint8> block = patternBlock();
        quint8 frame[kFrameSize];
        buildRequestFrame(0, static_cast<quint8>(slice), block.data(), frame);
        QCOMPARE(sliceLayout(slice).length(), offsets.size());
        for (int i = 0; i < kSlicePayloadSize; ++i) {
            const int expected = i < offsets.size() ? block[offsets[i]] : 0;
            QCOMPARE(int(frame[offset::Payload + i]), expected);
        }
    }

    void slicesCoverBlockOnce()
    {
        QVector<int> seen(kParameterBlockSize, 0);
        for (int s = 1; s <= kSliceCount; ++s) {
            const SliceLayout &layout = sliceLayout(s);
            for (int r = 0; r < layout.runCount; ++r)
                for (int i = 0; i < layout.runs[r].length; ++i)
                    ++seen[layout.runs[r].blockOffset + i];
        }
        QCOMPARE(seen, QVector<int>(kParameterBlockSize, 1));
    }

    void readSliceTouchesOnlyItsBytes()
    {
        std::vector<quint8> block(kParameterBlockSize, 0xEE);
        quint8 payload[16];
        for (int i = 0; i < 16; ++i)
            payload[i] = static_cast<quint8>(0x10 + i);
        copySliceToBlock(6, payload, block.data());
        QCOMPARE(int(block[80]), 0x10);
        QCOMPARE(int(block[81]), 0x11);
        for (int i = 100; i <= 113; ++i)
            QCOMPARE(int(block[i]), 0x12 + i - 100);
        for (int i = 82; i <= 99; ++i)
            QCOMPARE(int(block[i]), 0xEE);
        QCOMPARE(int(block[79]), 0xEE);
        QCOMPARE(int(block[114]), 0xEE);

        copySliceToBlock(14, payload, block.data());
        QCOMPARE(int(block[98]), 0x10);
        QCOMPARE(int(block[99]), 0x11);
        QCOMPARE(int(block[97]), 0xEE);
    }

    void sliceRoundTripReproducesBlock()
    {
        const std::vector<quint8> source = patternBlock();
        std::vector<quint8> copy(kParameterBlockSize, 0);
        for (int s = 1; s <= kSliceCount; ++s) {
            quint8 payload[16];
            copyBlockToSlice(s, source.data(), payload);
            copySliceToBlock(s, payload, copy.data());
        }
        QCOMPARE(copy, source);
    }

    void assemblerAcceptsPiecesAndRepeatedStart()
    {
        FrameAssembler assembler(kReplyStart0, kReplyStart1);
        Collected out;
        const QByteArray frame = replyFrame(193, 0x55);
        feed(assembler, frame.left(10), out);
        feed(assembler, frame.mid(10, 30), out);
        QCOMPARE(out.frames.size(), 0);
        QCOMPARE(assembler.state(), FrameAssembler::InsideFrame);
        feed(assembler, frame.mid(40), out);
        QCOMPARE(out.frames, QList<QByteArray>{frame});

        // A repeated first start byte is tolerated.
        feed(assembler, QByteArray(1, char(0xBF)) + frame, out);
        QCOMPARE(out.frames.size(), 2);

        // Byte by byte.
        for (char c : frame)
            feed(assembler, QByteArray(1, c), out);
        QCOMPARE(out.frames.size(), 3);
        QCOMPARE(assembler.framesRejected(), quint64(0));
    }

    void assemblerSkipsGarbageAndBrokenStarts()
    {
        FrameAssembler assembler(kReplyStart0, kReplyStart1);
        Collected out;
        const QByteArray frame = replyFrame(142, 7);
        // BF 00 90 is no start; the assembler keeps hunting until the real BF 90.
        QByteArray stream = QByteArray::fromHex("0011bf0090ff90") + frame;
        feed(assembler, stream, out);
        QCOMPARE(out.frames, QList<QByteArray>{frame});
    }

    void assemblerBackToBackAndCorrupt()
    {
        FrameAssembler assembler(kReplyStart0, kReplyStart1);
        Collected out;
        const QByteArray first = replyFrame(192, 1);
        const QByteArray second = replyFrame(193, 2);
        QByteArray corrupt = replyFrame(196, 3);
        corrupt[50] = char(corrupt[50] ^ 0x04);
        feed(assembler, first + corrupt + second, out);
        QCOMPARE(out.frames, (QList<QByteArray>{first, second}));
        QCOMPARE(assembler.framesRejected(), quint64(1));
        QCOMPARE(assembler.framesAccepted(), quint64(2));
    }

    void assemblerCutFrameSwallowsNextThenResyncs()
    {
        // A frame cut short is completed with the next frame's bytes and fails its checksum;
        // the assembler then finds the frame after that.
        FrameAssembler assembler(kReplyStart0, kReplyStart1);
        Collected out;
        const QByteArray cut = replyFrame(129).left(30);
        const QByteArray swallowed = replyFrame(130);
        const QByteArray next = replyFrame(131);
        feed(assembler, cut + swallowed + next, out);
        QCOMPARE(out.frames, QList<QByteArray>{next});
        QCOMPARE(assembler.framesRejected(), quint64(1));
    }

    void assemblerNeverReadsRequests()
    {
        // The link's own request frames (echoed by a misconfigured line) are not replies.
        FrameAssembler assembler(kReplyStart0, kReplyStart1);
        Collected out;
        quint8 request[kFrameSize];
        buildRequestFrame(3, 129, nullptr, request);
        feed(assembler, bytes(request, kFrameSize), out);
        QCOMPARE(out.frames.size(), 0);
    }
};

QTEST_APPLESS_MAIN(TestFrames)
#include "tst_frames.moc"
