// The simulator's parts without any I/O: the controller's answers and commands, the telemetry
// model, the fault injector and the command line.
#include "fclink/link/frame.h"
#include "fclink/link/parameterslices.h"
#include "fclink/link/replydecoder.h"
#include "fclink/model/blockimage.h"
#include "fclink/model/parameterfields.h"
#include "fclink/storage/parameterfile.h"
#include "tools/fcsim/faultinjector.h"
#include "tools/fcsim/flightcontroller.h"
#include "tools/fcsim/simoptions.h"
#include "tools/fcsim/telemetrymodel.h"

#include <QTemporaryDir>
#include <QtTest>

#include <array>
#include <cmath>
#include <cstring>
#include <set>

using namespace fclink;

namespace {

using Frame = std::array<quint8, kFrameSize>;

// A request frame; write slices without a block carry zeros.
Frame request(quint8 commandCode, quint8 requestHead, const quint8 *block = nullptr)
{
    static const quint8 zeros[kParameterBlockSize] = {};
    Frame frame{};
    buildRequestFrame(commandCode, requestHead, block ? block : zeros, frame.data());
    return frame;
}

// Sends one request at the given time and returns the reply.
Frame ask(FlightController &controller, quint8 commandCode, quint8 requestHead, qint64 ms,
          FlightController::Outcome *outcome = nullptr)
{
    const Frame frame = request(commandCode, requestHead);
    Frame reply{};
    const FlightController::Outcome result =
        controller.handleRequest(frame.data(), ms, reply.data());
    if (outcome)
        *outcome = result;
    return reply;
}

QStringList args(std::initializer_list<const char *> list)
{
    QStringList arguments{QStringLiteral("fcsim")};
    for (const char *item : list)
        arguments << QString::fromLatin1(item);
    return arguments;
}

qint16 payloadInt16(const Frame &frame, int position)
{
    return readInt16(frame.data() + offset::Payload + position);
}

} // namespace

class TestFcsimModel : public QObject
{
    Q_OBJECT

private slots:
    void defaultBlockIsAPlausibleConfiguration()
    {
        const UavParam p = FlightController::defaultBlock();
        QCOMPARE(int(p.ServoTrim0), 0);
        QCOMPARE(int(p.MotorIdel), 2);
        QCOMPARE(int(p.BatteryCell), 3);
        QCOMPARE(int(p.LossVolt), 1110);
        QCOMPARE(int(p.ProtectVolt1), 1050);
        QCOMPARE(int(p.ProtectVolt2), 1000);
        QCOMPARE((QList<int>{p.ChannelMapA, p.ChannelMapE, p.ChannelMapT, p.ChannelMapR,
                             p.ChannelMapU, p.ChannelMapC}),
                 (QList<int>{1, 2, 3, 4, 5, 6}));
        QCOMPARE(int(p.ChannelMap7), 5);
        QCOMPARE(int(p.ChannelMap8), 6);
        QCOMPARE(int(p.TurnbackHeight), 30);
        QCOMPARE(int(p.LimitRadius), 500);
        QCOMPARE(int(p.LimitAlt), 120);
        QCOMPARE(int(p.GoHomeEnable), 1);
        QCOMPARE(int(p.IocFunctionMiddle), 1);
        QCOMPARE(int(p.IocFunctionRight), 3);
        QCOMPARE(int(p.PKtotal), 40);
        // The simulator's factory block is the field table's defaults.
        for (const fclink::ParameterField &field : fclink::parameterFields())
            QCOMPARE(fclink::BlockImage(p).fileValue(field), field.defaultValue);

        // It survives the parameter file unchanged, so every value fits its field.
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString file = dir.filePath("default.conf");
        QString error;
        QVERIFY2(saveParameterFile(file, fclink::BlockImage(p), &error), qPrintable(error));
        fclink::BlockImage loaded;
        QVERIFY2(loadParameterFileStrict(file, &loaded, &error), qPrintable(error));
        QVERIFY(loaded == fclink::BlockImage(p));
    }

    void everyReplyCarriesIdentityAndAValidChecksum()
    {
        FlightController controller(FlightController::defaultBlock(), 123, 800, {});
        for (int h = 0; h < 256; ++h) {
            const Frame reply = ask(controller, 0, static_cast<quint8>(h), 10);
            QCOMPARE(int(reply[0]), 0xBF);
            QCOMPARE(int(reply[1]), 0x90);
            QVERIFY(checksumValid(reply.data()));
            QCOMPARE(int(reply[offset::DeviceId]), 0x26);
            QCOMPARE(int(reply[offset::FirmwareVersion]), 123);
            QCOMPARE(int(reply[offset::Command]), 0);
            const bool known = (h >= 1 && h <= 14) || (h >= 129 && h <= 142) || h == 192 ||
                               h == 193 || h == 195 || h == 196;
            QCOMPARE(int(reply[offset::Head]), known ? h : 0);
        }
    }

    void writeSlicesAreStoredAndReadBack()
    {
        FlightController controller(FlightController::defaultBlock(), 105, 800, {});
        std::array<quint8, kParameterBlockSize> pattern;
        for (int i = 0; i < kParameterBlockSize; ++i)
            pattern[i] = static_cast<quint8>(i * 7 + 3);

        for (int slice = 1; slice <= kSliceCount; ++slice) {
            const Frame frame = request(0, static_cast<quint8>(slice), pattern.data());
            Frame reply{};
            const FlightController::Outcome outcome =
                controller.handleRequest(frame.data(), 5, reply.data());
            QVERIFY(outcome.blockChanged);
            QCOMPARE(int(reply[offset::Head]), slice);
        }
        QCOMPARE(std::memcmp(&controller.block(), pattern.data(), kParameterBlockSize), 0);

        for (int slice = 1; slice <= kSliceCount; ++slice) {
            FlightController::Outcome outcome;
            const Frame reply = ask(controller, 0, static_cast<quint8>(128 + slice), 6, &outcome);
            QVERIFY(!outcome.blockChanged);
            quint8 expected[kSlicePayloadSize];
            copyBlockToSlice(slice, pattern.data(), expected);
            QCOMPARE(QByteArray(reinterpret_cast<const char *>(reply.data() + offset::Payload),
                                kSlicePayloadSize),
                     QByteArray(reinterpret_cast<const char *>(expected), kSlicePayloadSize));
        }
    }

    void aWriteSliceTouchesOnlyItsBytes()
    {
        const UavParam before = FlightController::defaultBlock();
        FlightController controller(before, 105, 800, {});
        std::array<quint8, kParameterBlockSize> ones;
        ones.fill(0xEE);
        const Frame frame = request(0, 6, ones.data());
        Frame reply{};
        controller.handleRequest(frame.data(), 0, reply.data());
        const quint8 *old = parameterBlockBytes(before);
        const quint8 *now = parameterBlockBytes(controller.block());
        for (int i = 0; i < kParameterBlockSize; ++i) {
            const bool inSlice6 = i == 80 || i == 81 || (i >= 100 && i <= 113);
            QCOMPARE(int(now[i]), inSlice6 ? 0xEE : int(old[i]));
        }
    }

    void commandResultComesAfterTheDelayAndOnlyOnAChange()
    {
        FlightController controller(FlightController::defaultBlock(), 105, 800, {});
        FlightController::Outcome outcome;
        QCOMPARE(int(ask(controller, 12, 192, 1000, &outcome)[offset::Command]), 0);
        QVERIFY(outcome.commandStarted);
        QCOMPARE(controller.commandDueAt(), qint64(1800));

        // Repeats of the same command neither restart it nor report early.
        QCOMPARE(int(ask(controller, 12, 193, 1500, &outcome)[offset::Command]), 0);
        QVERIFY(!outcome.commandStarted);
        QCOMPARE(controller.commandDueAt(), qint64(1800));
        QVERIFY(!controller.finishDueCommand(1799));
        QVERIFY(controller.finishDueCommand(1800));
        QCOMPARE(controller.commandDueAt(), qint64(-1));

        // From then on every reply carries the result while the command stays.
        for (qint64 t = 1850; t < 4000; t += 52)
            QCOMPARE(int(ask(controller, 12, 196, t)[offset::Command]), 12);

        // The change to 0 ends the report; a fresh 12 starts a fresh calibration.
        QCOMPARE(int(ask(controller, 0, 195, 4000)[offset::Command]), 0);
        QCOMPARE(int(ask(controller, 12, 192, 5000, &outcome)[offset::Command]), 0);
        QVERIFY(outcome.commandStarted);
        QCOMPARE(controller.commandDueAt(), qint64(5800));
    }

    void resultIsTakenUpByTheNextReplyEvenWithoutTheTimer()
    {
        FlightController controller(FlightController::defaultBlock(), 105, 300, {});
        ask(controller, 13, 192, 0);
        QCOMPARE(int(ask(controller, 13, 192, 350)[offset::Command]), 13);
    }

    void zeroDelayReportsInTheFirstReply()
    {
        FlightController controller(FlightController::defaultBlock(), 105, 0, {});
        QCOMPARE(int(ask(controller, 6, 192, 0)[offset::Command]), 6);
    }

    void anotherCommandAbandonsTheRunningOne()
    {
        FlightController controller(FlightController::defaultBlock(), 105, 800, {});
        ask(controller, 12, 192, 0);
        ask(controller, 13, 192, 500);
        QCOMPARE(controller.commandDueAt(), qint64(1300));
        QVERIFY(!controller.finishDueCommand(800));
        QVERIFY(controller.finishDueCommand(1300));
        QCOMPARE(int(controller.resultCode()), 13);
    }

    void commandsWithoutResultReportNothing()
    {
        FlightController controller(FlightController::defaultBlock(), 105, 0, {});
        for (const quint8 code : {3, 7, 8, 9, 10, 11, 1, 4, 200}) {
            FlightController::Outcome outcome;
            QCOMPARE(int(ask(controller, code, 192, 10, &outcome)[offset::Command]), 0);
            QVERIFY(!outcome.commandStarted);
            QCOMPARE(controller.commandDueAt(), qint64(-1));
            QCOMPARE(int(ask(controller, code, 192, 5000)[offset::Command]), 0);
        }
    }

    void listedCommandsFailWithBitSeven()
    {
        FlightController controller(FlightController::defaultBlock(), 105, 100,
                                    QSet<quint8>{6, 12});
        ask(controller, 12, 192, 0);
        QCOMPARE(int(ask(controller, 12, 192, 100)[offset::Command]), 140);
        ask(controller, 6, 192, 200);
        QCOMPARE(int(ask(controller, 6, 192, 300)[offset::Command]), 134);
        ask(controller, 13, 192, 400);
        QCOMPARE(int(ask(controller, 13, 192, 500)[offset::Command]), 13);
    }

    void flashWriteStoresTheBlockUnlessItFails()
    {
        int writes = 0;
        UavParam written = {};
        bool writerWorks = true;
        const auto writer = [&](const UavParam &block) {
            ++writes;
            written = block;
            return writerWorks;
        };

        FlightController controller(FlightController::defaultBlock(), 105, 100, {});
        controller.setFlashWriter(writer);
        UavParam edited = FlightController::defaultBlock();
        edited.MotorIdel = 4;
        const Frame upload = request(0, 3, parameterBlockBytes(edited)); // MotorIdel is in slice 3
        Frame reply{};
        controller.handleRequest(upload.data(), 0, reply.data());

        ask(controller, 2, 192, 10);
        QCOMPARE(writes, 0); // not before the delay
        QVERIFY(controller.finishDueCommand(110));
        QCOMPARE(writes, 1);
        QCOMPARE(int(written.MotorIdel), 4);
        QCOMPARE(int(controller.resultCode()), 2);

        // A writer that cannot store the block turns the result into a failure.
        writerWorks = false;
        ask(controller, 0, 192, 200);
        ask(controller, 2, 192, 210);
        QVERIFY(controller.finishDueCommand(310));
        QCOMPARE(writes, 2);
        QCOMPARE(int(controller.resultCode()), 130);

        // A flash write listed to fail never reaches the writer.
        FlightController failing(FlightController::defaultBlock(), 105, 100, QSet<quint8>{2});
        failing.setFlashWriter(writer);
        ask(failing, 2, 192, 0);
        QVERIFY(failing.finishDueCommand(100));
        QCOMPARE(writes, 2);
        QCOMPARE(int(failing.resultCode()), 130);
    }

    void switchChannelsFollowTheMapping()
    {
        UavParam block = FlightController::defaultBlock();
        block.ChannelMap7 = 3;
        block.ChannelMap8 = 9; // out of range: no IOC switch among the eight channels
        FlightController controller(block, 105, 800, {});

        QList<int> positions;
        for (const qint64 t : {0, 1500, 3000, 4500})
            positions << payloadInt16(ask(controller, 0, 192, t), 4);
        QCOMPARE(positions, (QList<int>{-600, 0, 600, -600}));

        // Everything else sweeps within ±700 and takes many values.
        std::set<int> values;
        for (qint64 t = 0; t < 20000; t += 37) {
            const Frame reply = ask(controller, 0, 192, t);
            for (int channel = 0; channel < 8; ++channel) {
                if (channel == 2)
                    continue;
                const int value = payloadInt16(reply, 2 * channel);
                QVERIFY(qAbs(value) <= 700);
                values.insert(value);
            }
        }
        QVERIFY(values.size() > 100);
    }

    void switchesMoveAboutEveryOneAndAHalfSeconds()
    {
        // With the default mapping both switches step; the IOC switch is one position ahead.
        for (qint64 t = 0; t < 9000; t += 250) {
            const qint16 goHome = TelemetryModel::rcChannel(t, 5, 5, 6);
            const qint16 ioc = TelemetryModel::rcChannel(t, 6, 5, 6);
            const int step = int(t / 1500);
            QCOMPARE(int(goHome), int(TelemetryModel::kSwitchPositions[step % 3]));
            QCOMPARE(int(ioc), int(TelemetryModel::kSwitchPositions[(step + 1) % 3]));
        }
    }

    void telemetryStaysPlausibleOverAFlight()
    {
        std::set<int> headings;
        for (qint64 t = 0; t < 120000; t += 97) {
            quint8 payload[16];
            TelemetryModel::fillVoltage(t, payload);
            const int voltage = readInt16(payload + 4);
            QVERIFY(voltage >= 1200 && voltage <= 1230);
            QCOMPARE(quint32(payload[0] | payload[1] << 8 | payload[2] << 16 |
                             quint32(payload[3]) << 24),
                     quint32(t));

            TelemetryModel::fillAttitude(t, payload);
            QVERIFY(qAbs(readInt16(payload)) <= 90);
            QVERIFY(qAbs(readInt16(payload + 2)) <= 50);
            const int heading = readInt16(payload + 4);
            QVERIFY(heading >= 0 && heading < 3600);
            headings.insert(heading / 100);

            TelemetryModel::fillSensors(t, payload);
            const int accZ = readInt16(payload + 10);
            QVERIFY2(accZ >= 960 && accZ <= 981, qPrintable(QString::number(accZ)));
            QVERIFY(qAbs(readInt16(payload + 6)) <= 90);
            QVERIFY(qAbs(readInt16(payload + 8)) <= 150);
            const int altitude = readInt16(payload + 12);
            QVERIFY(altitude >= 90 && altitude <= 150);
            QVERIFY(payload[14] <= 4);
            QCOMPARE(int(payload[15]), 0);
        }
        QVERIFY(headings.size() >= 30); // the heading goes all the way round
    }

    void gyroRatesMatchTheAttitudeChange()
    {
        // The gyro reports the derivative of the attitude, in tenths of a degree per second.
        for (qint64 t = 1000; t < 20000; t += 531) {
            quint8 payload[16];
            TelemetryModel::fillSensors(t, payload);
            const double dt = 0.002;
            const double rollRate =
                (TelemetryModel::rollDegrees(t + 1) - TelemetryModel::rollDegrees(t - 1)) / dt;
            const double pitchRate =
                (TelemetryModel::pitchDegrees(t + 1) - TelemetryModel::pitchDegrees(t - 1)) / dt;
            QVERIFY2(std::abs(readInt16(payload) / 10.0 - rollRate) < 1.0,
                     qPrintable(QStringLiteral("%1 vs %2").arg(readInt16(payload)).arg(rollRate)));
            QVERIFY(std::abs(readInt16(payload + 2) / 10.0 - pitchRate) < 1.0);
            QCOMPARE(int(readInt16(payload + 4)), 60);
        }
    }

    void faultsFollowTheirProbabilities()
    {
        const Frame original = request(0, 192);
        {
            FaultInjector none(0.0, 0.0, 1);
            for (int i = 0; i < 100; ++i) {
                Frame frame = original;
                QVERIFY(none.apply(frame.data()) == FaultInjector::Fault::None);
                QVERIFY(frame == original);
            }
        }
        {
            FaultInjector drop(1.0, 1.0, 1);
            for (int i = 0; i < 100; ++i) {
                Frame frame = original;
                QVERIFY(drop.apply(frame.data()) == FaultInjector::Fault::Dropped);
                QVERIFY(frame == original);
            }
        }
        {
            FaultInjector corrupt(0.0, 1.0, 1);
            std::set<int> bytesHit;
            for (int i = 0; i < 500; ++i) {
                Frame frame = original;
                QVERIFY(corrupt.apply(frame.data()) == FaultInjector::Fault::Corrupted);
                int differingBits = 0;
                for (int b = 0; b < kFrameSize; ++b) {
                    const int diff = frame[b] ^ original[b];
                    if (diff) {
                        QVERIFY(b >= 2);
                        QCOMPARE(b, corrupt.lastCorruptedByte());
                        bytesHit.insert(b);
                    }
                    for (int bit = 0; bit < 8; ++bit)
                        differingBits += (diff >> bit) & 1;
                }
                QCOMPARE(differingBits, 1);
                QVERIFY(!checksumValid(frame.data()));
            }
            QVERIFY(bytesHit.size() > 40); // spread over the frame
        }
        {
            FaultInjector half(0.5, 0.0, 42);
            int dropped = 0;
            for (int i = 0; i < 2000; ++i) {
                Frame frame = original;
                dropped += half.apply(frame.data()) == FaultInjector::Fault::Dropped;
            }
            QVERIFY2(dropped > 850 && dropped < 1150, qPrintable(QString::number(dropped)));
        }
    }

    void theSameSeedGivesTheSameFaults()
    {
        FaultInjector a(0.3, 0.3, 1234);
        FaultInjector b(0.3, 0.3, 1234);
        FaultInjector c(0.3, 0.3, 4321);
        const Frame original = request(0, 195);
        int differences = 0;
        for (int i = 0; i < 300; ++i) {
            Frame fa = original;
            Frame fb = original;
            Frame fc = original;
            const FaultInjector::Fault ra = a.apply(fa.data());
            QVERIFY(ra == b.apply(fb.data()));
            QVERIFY(fa == fb);
            differences += (c.apply(fc.data()) != ra) || fc != fa;
        }
        QVERIFY(differences > 0);
    }

    void optionsHaveTheirDefaults()
    {
        SimOptions options;
        QString message;
        QVERIFY(options.parse(args({"--pty", "/tmp/fc"}), &message) == SimOptions::ParseResult::Ok);
        QCOMPARE(options.linkPath, QStringLiteral("/tmp/fc"));
        QVERIFY(options.devicePath.isEmpty());
        QCOMPARE(int(options.firmwareVersion), 105);
        QCOMPARE(options.commandDelayMs, 800);
        QCOMPARE(options.replyDelayMs, 2);
        QVERIFY(options.failingCommands.isEmpty());
        QCOMPARE(options.dropProbability, 0.0);
        QCOMPARE(options.corruptProbability, 0.0);
        QVERIFY(!options.seedGiven);
        QCOMPARE(options.silentAfterMs, -1);
        QCOMPARE(options.flashSize, quint32(256 * 1024));
        QVERIFY(options.firmwareStatePath.isEmpty());
        QVERIFY(!options.resetOnUpgrade);
        QVERIFY(!options.verbose);
    }

    void optionsAreRead()
    {
        SimOptions options;
        QString message;
        QVERIFY2(options.parse(args({"--port",
                                     "/dev/ttyUSB0",
                                     "--state",
                                     "s.conf",
                                     "--dump",
                                     "d.conf",
                                     "--log",
                                     "l.txt",
                                     "--firmware",
                                     "0",
                                     "--command-delay",
                                     "50",
                                     "--fail",
                                     "2, 13",
                                     "--reply-delay",
                                     "0",
                                     "--drop",
                                     "0.25",
                                     "--corrupt",
                                     "1",
                                     "--seed",
                                     "4294967295",
                                     "--silent-after",
                                     "1000",
                                     "--silent-for",
                                     "200",
                                     "--flash-size",
                                     "1024",
                                     "--firmware-state",
                                     "f.ini",
                                     "--reset-on-upgrade",
                                     "--verbose"}),
                               &message) == SimOptions::ParseResult::Ok,
                 qPrintable(message));
        QCOMPARE(options.devicePath, QStringLiteral("/dev/ttyUSB0"));
        QVERIFY(options.linkPath.isEmpty());
        QCOMPARE(options.statePath, QStringLiteral("s.conf"));
        QCOMPARE(options.dumpPath, QStringLiteral("d.conf"));
        QCOMPARE(options.logPath, QStringLiteral("l.txt"));
        QCOMPARE(int(options.firmwareVersion), 0);
        QCOMPARE(options.commandDelayMs, 50);
        QCOMPARE(options.failingCommands, (QSet<quint8>{2, 13}));
        QCOMPARE(options.replyDelayMs, 0);
        QCOMPARE(options.dropProbability, 0.25);
        QCOMPARE(options.corruptProbability, 1.0);
        QVERIFY(options.seedGiven);
        QCOMPARE(options.seed, std::uint32_t(4294967295u));
        QCOMPARE(options.silentAfterMs, 1000);
        QCOMPARE(options.silentForMs, 200);
        QCOMPARE(options.flashSize, quint32(1024));
        QCOMPARE(options.firmwareStatePath, QStringLiteral("f.ini"));
        QVERIFY(options.resetOnUpgrade);
        QVERIFY(options.verbose);
        // Versions beyond the reply's byte are kept whole.
        QVERIFY(options.parse(args({"--pty", "a", "--firmware", "65535"}), &message) ==
                SimOptions::ParseResult::Ok);
        QCOMPARE(int(options.firmwareVersion), 65535);
    }

    void badOptionsAreRefused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no line") << args({"--drop", "0.1"});
        QTest::newRow("two lines") << args({"--pty", "a", "--port", "b"});
        QTest::newRow("twice") << args({"--pty", "a", "--pty", "b"});
        QTest::newRow("empty link") << args({"--pty", ""});
        QTest::newRow("firmware") << args({"--pty", "a", "--firmware", "-1"});
        QTest::newRow("firmware big") << args({"--pty", "a", "--firmware", "65536"});
        QTest::newRow("flash small") << args({"--pty", "a", "--flash-size", "1023"});
        QTest::newRow("flash big") << args({"--pty", "a", "--flash-size", "16777217"});
        QTest::newRow("flash text") << args({"--pty", "a", "--flash-size", "big"});
        QTest::newRow("state empty") << args({"--pty", "a", "--firmware-state", ""});
        QTest::newRow("drop") << args({"--pty", "a", "--drop", "-0.1"});
        QTest::newRow("corrupt nan") << args({"--pty", "a", "--corrupt", "nan"});
        QTest::newRow("fail empty") << args({"--pty", "a", "--fail", ""});
        QTest::newRow("fail 3") << args({"--pty", "a", "--fail", "3"});
        QTest::newRow("delay text") << args({"--pty", "a", "--command-delay", "soon"});
        QTest::newRow("seed negative") << args({"--pty", "a", "--seed", "-5"});
        QTest::newRow("silent-for alone") << args({"--pty", "a", "--silent-for", "5"});
        QTest::newRow("positional") << args({"--pty", "a", "b"});
        QTest::newRow("unknown") << args({"--pty", "a", "--bogus"});
    }

    void badOptionsAreRefused()
    {
        QFETCH(QStringList, arguments);
        SimOptions options;
        QString message;
        QVERIFY(options.parse(arguments, &message) == SimOptions::ParseResult::Error);
        QVERIFY(!message.isEmpty());
    }

    void helpIsOffered()
    {
        SimOptions options;
        QString message;
        QVERIFY(options.parse(args({"--help"}), &message) ==
                SimOptions::ParseResult::HelpRequested);
        QVERIFY(message.contains(QStringLiteral("--silent-after")));
    }
};

QTEST_GUILESS_MAIN(TestFcsimModel)
#include "tst_fcsimmodel.moc"
