// The upgrade's plain parts: CRC-32, the firmware file, bootloader packets, the mapping of
// device status to report codes, and the simulator's bootloader driven packet by packet.
#include "fclink/link/frame.h"
#include "firmwareupgrade/applicationinfo.h"
#include "firmwareupgrade/bootpacket.h"
#include "firmwareupgrade/bootpacketassembler.h"
#include "firmwareupgrade/crc32.h"
#include "firmwareupgrade/firmwareimage.h"
#include "firmwareupgrade/sampleimage.h"
#include "firmwareupgrade/upgradeevent.h"
#include "firmwareupgrade/upgraderun.h"
#include "tools/fcsim/bootloader.h"

#include <QtTest>

using namespace fwupgrade;

namespace {

struct Received
{
    BootPacket packet;
    bool crcValid;
};

QList<Received> assemble(const QByteArray &bytes)
{
    BootPacketAssembler assembler;
    QList<Received> packets;
    assembler.feed(bytes, [&](const BootPacket &packet, bool crcValid) {
        packets.append({packet, crcValid});
    });
    return packets;
}

// Sends one request to the bootloader and returns its single reply.
BootPacket exchange(Bootloader *bootloader, const BootPacket &request, bool *answered = nullptr)
{
    const QList<Received> replies = assemble(bootloader->feed(request.encode()));
    if (answered)
        *answered = !replies.isEmpty();
    if (replies.size() != 1 || !replies.first().crcValid)
        return BootPacket();
    return replies.first().packet;
}

quint8 statusOf(const BootPacket &reply)
{
    return reply.payload().isEmpty() ? 0xFF : static_cast<quint8>(reply.payload()[0]);
}

QByteArray u32(quint32 value)
{
    QByteArray bytes;
    BootPacket::appendU32(&bytes, value);
    return bytes;
}

} // namespace

class TestFirmwareFormat : public QObject
{
    Q_OBJECT

private slots:
    void crc32MatchesTheCheckValue()
    {
        QCOMPARE(crc32(QByteArrayLiteral("123456789")), 0xCBF43926U);
        QCOMPARE(crc32(QByteArray()), 0U);
    }

    void builtFileParsesBack()
    {
        const QByteArray image = sampleFirmwareImage(1000);
        const QByteArray file = buildFirmwareFile(106, image);
        QCOMPARE(file.size(), FirmwareImage::kHeaderSize + 1000);
        QVERIFY(file.startsWith("QMTV"));
        QCOMPARE(static_cast<quint8>(file[8]), FirmwareImage::kDeviceId);

        FirmwareImage parsed;
        QCOMPARE(FirmwareImage::parse(file, &parsed), FirmwareImage::ParseResult::Ok);
        QCOMPARE(parsed.firmwareVersion(), quint16(106));
        QCOMPARE(parsed.image(), image);
        QCOMPARE(parsed.imageCrc(), crc32(image));
    }

    void badFilesAreJudged_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("cut");
        QTest::addColumn<int>("expected");

        using R = FirmwareImage::ParseResult;
        QTest::newRow("magic") << 0 << int('X') << 0 << int(R::Corrupt);
        QTest::newRow("format version") << 4 << 2 << 0 << int(R::UnsupportedVersion);
        QTest::newRow("header size") << 6 << 33 << 0 << int(R::Corrupt);
        QTest::newRow("device id") << 8 << 0x27 << 0 << int(R::Corrupt);
        QTest::newRow("reserved") << 25 << 1 << 0 << int(R::Corrupt);
        QTest::newRow("image byte") << 40 << 0x00 << 0 << int(R::Corrupt);
        QTest::newRow("crc") << 16 << 0x00 << 0 << int(R::Corrupt);
        QTest::newRow("truncated") << -1 << 0 << 1 << int(R::SizeMismatch);
        QTest::newRow("header only") << -1 << 0 << 300 << int(R::SizeMismatch);
        QTest::newRow("too short") << -1 << 0 << 320 << int(R::Corrupt);
    }

    void badFilesAreJudged()
    {
        QFETCH(int, offset);
        QFETCH(int, value);
        QFETCH(int, cut);
        QFETCH(int, expected);

        QByteArray file = buildFirmwareFile(200, sampleFirmwareImage(300));
        if (offset >= 0) {
            // Make sure the byte really changes.
            if (static_cast<quint8>(file[offset]) == value)
                value ^= 0xFF;
            file[offset] = static_cast<char>(value);
        }
        file.chop(cut);
        FirmwareImage parsed;
        QCOMPARE(int(FirmwareImage::parse(file, &parsed)), expected);
    }

    void packetsSurviveTheStreamInPieces()
    {
        const BootPacket first(boot::Write, 7, u32(0x100) + sampleFirmwareImage(256));
        const BootPacket second(boot::Sync | boot::kReplyBit, 8, QByteArrayLiteral("abc"));
        const QByteArray stream =
            QByteArrayLiteral("\x00\xA5\x11") + first.encode() + second.encode();

        BootPacketAssembler assembler;
        QList<Received> packets;
        for (int i = 0; i < stream.size(); i += 5) {
            assembler.feed(stream.mid(i, 5), [&](const BootPacket &packet, bool crcValid) {
                packets.append({packet, crcValid});
            });
        }
        QCOMPARE(packets.size(), 2);
        QVERIFY(packets[0].crcValid);
        QCOMPARE(packets[0].packet.type(), boot::Write);
        QCOMPARE(packets[0].packet.sequence(), quint8(7));
        QCOMPARE(packets[0].packet.payload(), first.payload());
        QVERIFY(packets[1].crcValid);
        QCOMPARE(packets[1].packet.payload(), QByteArrayLiteral("abc"));
    }

    void damagedPacketIsReportedAsSuch()
    {
        QByteArray bytes =
            BootPacket(boot::Erase | boot::kReplyBit, 3, QByteArray(1, '\0')).encode();
        bytes[bytes.size() - 1] = static_cast<char>(bytes[bytes.size() - 1] ^ 1);
        const QList<Received> packets = assemble(bytes);
        QCOMPARE(packets.size(), 1);
        QVERIFY(!packets.first().crcValid);
    }

    void packetLayoutIsAsDocumented()
    {
        const QByteArray bytes =
            BootPacket(boot::Run, 0x22, QByteArrayLiteral("\x6A\x00")).encode();
        QCOMPARE(bytes.size(), 10);
        QCOMPARE(bytes.left(6), QByteArrayLiteral("\xA5\x5A\x05\x22\x02\x00"));
    }

    void deviceStatusMapsToCodes()
    {
        QCOMPARE(UpgradeRun::codeForStatus(boot::EraseFailed), quint32(UpgradeEvent::EraseError));
        QCOMPARE(UpgradeRun::codeForStatus(boot::FlashFailed), quint32(UpgradeEvent::FlashError));
        QCOMPARE(UpgradeRun::codeForStatus(boot::AddressInvalid),
                 quint32(UpgradeEvent::AddressError));
        QCOMPARE(UpgradeRun::codeForStatus(boot::LengthInvalid),
                 quint32(UpgradeEvent::LengthError));
        QCOMPARE(UpgradeRun::codeForStatus(boot::HeadInvalid), quint32(UpgradeEvent::HeadError));
        QCOMPARE(UpgradeRun::codeForStatus(boot::ChecksumInvalid),
                 quint32(UpgradeEvent::SendCheckError));
        QCOMPARE(UpgradeRun::codeForStatus(boot::VerifyMismatch),
                 quint32(UpgradeEvent::FlashError));
        QCOMPARE(UpgradeRun::codeForStatus(boot::RunFailed),
                 quint32(UpgradeEvent::GoToApplicationError));
        QCOMPARE(UpgradeRun::codeForStatus(boot::UnexpectedState),
                 quint32(UpgradeEvent::StateError));
        QCOMPARE(UpgradeRun::codeForStatus(0x77), quint32(UpgradeEvent::StateError));
    }

    void upgradeEventLayout()
    {
        const UpgradeEvent event(UpgradeEvent::Progress, 3, 42);
        QCOMPARE(event.type(), QEvent::User);
        QCOMPARE(event.code, quint32(11));
        QCOMPARE(event.portNumber, 3);
        QCOMPARE(event.progress, 42);
        // The seven report words follow one another without gaps.
        QCOMPARE(reinterpret_cast<const char *>(&event.progress) -
                     reinterpret_cast<const char *>(&event.code),
                 std::ptrdiff_t(6 * 4));
    }

    void bootloaderTakesAnImage()
    {
        Bootloader bootloader;
        const QByteArray image = sampleFirmwareImage(700);

        BootPacket reply = exchange(&bootloader, BootPacket(boot::Sync, 1));
        QCOMPARE(reply.type(), quint8(boot::Sync | boot::kReplyBit));
        QCOMPARE(reply.sequence(), quint8(1));
        QCOMPARE(reply.payload().size(), boot::kSyncReplySize);
        QCOMPARE(static_cast<quint8>(reply.payload()[0]), FirmwareImage::kDeviceId);
        QCOMPARE(BootPacket::readU32(reply.payload(), 4), Bootloader::kDefaultFlashSize);

        QCOMPARE(statusOf(exchange(&bootloader, BootPacket(boot::Erase, 2, u32(700)))),
                 quint8(boot::Ok));
        quint8 sequence = 3;
        for (int address = 0; address < 700; address += 256) {
            const BootPacket write(boot::Write, sequence++,
                                   u32(quint32(address)) + image.mid(address, 256));
            QCOMPARE(statusOf(exchange(&bootloader, write)), quint8(boot::Ok));
        }
        QCOMPARE(bootloader.flash().left(700), image);

        QCOMPARE(statusOf(exchange(&bootloader, BootPacket(boot::Verify, sequence++,
                                                           u32(700) + u32(crc32(image))))),
                 quint8(boot::Ok));
        QByteArray version;
        BootPacket::appendU16(&version, 321);
        QCOMPARE(statusOf(exchange(&bootloader, BootPacket(boot::Run, sequence++, version))),
                 quint8(boot::Ok));
        QVERIFY(bootloader.applicationStarted());
        QVERIFY(bootloader.newFirmwareStarted());
        QVERIFY(bootloader.applicationIntact());
        QCOMPARE(bootloader.firmwareVersion(), quint16(321));
    }

    void bootloaderRefusesOutOfOrderWork()
    {
        Bootloader bootloader;
        // Nothing before SYNC, and no write before an erase.
        QCOMPARE(statusOf(exchange(&bootloader, BootPacket(boot::Erase, 1, u32(10)))),
                 quint8(boot::UnexpectedState));
        exchange(&bootloader, BootPacket(boot::Sync, 2));
        QCOMPARE(statusOf(exchange(&bootloader, BootPacket(boot::Write, 3, u32(0) + "ab"))),
                 quint8(boot::UnexpectedState));
        QCOMPARE(statusOf(exchange(&bootloader, BootPacket(boot::Erase, 4, u32(10)))),
                 quint8(boot::Ok));
        // Blocks must follow one another and stay inside the erased length.
        QCOMPARE(statusOf(exchange(&bootloader, BootPacket(boot::Write, 5, u32(4) + "ab"))),
                 quint8(boot::AddressInvalid));
        QCOMPARE(
            statusOf(exchange(&bootloader, BootPacket(boot::Write, 6, u32(0) + "abcdefghijk"))),
            quint8(boot::AddressInvalid));
        // No run before a verify; a verify of a wrong CRC fails.
        QCOMPARE(statusOf(exchange(&bootloader, BootPacket(boot::Write, 7, u32(0) + "abcdefghij"))),
                 quint8(boot::Ok));
        QCOMPARE(statusOf(exchange(&bootloader, BootPacket(boot::Run, 8, QByteArray(2, '\0')))),
                 quint8(boot::UnexpectedState));
        QCOMPARE(statusOf(exchange(&bootloader, BootPacket(boot::Verify, 9, u32(10) + u32(1)))),
                 quint8(boot::VerifyMismatch));
        QVERIFY(!bootloader.applicationStarted());
    }

    void bootloaderRepeatsItsLastReplyForARepeatedRequest()
    {
        Bootloader bootloader;
        exchange(&bootloader, BootPacket(boot::Sync, 1));
        exchange(&bootloader, BootPacket(boot::Erase, 2, u32(4)));
        const BootPacket write(boot::Write, 3, u32(0) + "abcd");
        QCOMPARE(statusOf(exchange(&bootloader, write)), quint8(boot::Ok));
        // Written once only: a second write at 0 would be an address error.
        QCOMPARE(statusOf(exchange(&bootloader, write)), quint8(boot::Ok));
        QCOMPARE(bootloader.flash().left(4), QByteArrayLiteral("abcd"));
    }

    void bootloaderIgnoresDamagedRequests()
    {
        Bootloader bootloader;
        QByteArray bytes = BootPacket(boot::Sync, 1).encode();
        bytes[2] = static_cast<char>(boot::Erase);
        QVERIFY(bootloader.feed(bytes).isEmpty());
    }

    void failStepNamesParse()
    {
        const QStringList names = Bootloader::failStepNames();
        QCOMPARE(names.size(), 13);
        Bootloader::FailStep step = Bootloader::FailStep::None;
        QVERIFY(Bootloader::parseFailStep(QStringLiteral("crc-reply"), &step));
        QCOMPARE(step, Bootloader::FailStep::CrcReply);
        QVERIFY(Bootloader::parseFailStep(QStringLiteral("sync-silent"), &step));
        QCOMPARE(step, Bootloader::FailStep::SyncSilent);
        QVERIFY(Bootloader::parseFailStep(QStringLiteral("timeout"), &step));
        QCOMPARE(step, Bootloader::FailStep::Timeout);
        QVERIFY(Bootloader::parseFailStep(QStringLiteral("sync-device"), &step));
        QCOMPARE(step, Bootloader::FailStep::SyncDevice);
        QVERIFY(!Bootloader::parseFailStep(QStringLiteral("nonsense"), &step));
    }

    // SYNC tells whether the flash holds firmware that can run; LEAVE starts it, and is refused
    // from the erase on until a new image has been run.
    void bootloaderGoesBackOnlyToAnIntactApplication()
    {
        Bootloader bootloader(Bootloader::FailStep::None, 64 * 1024, 300, true);
        BootPacket reply = exchange(&bootloader, BootPacket(boot::Sync, 1));
        QCOMPARE(reply.payload().size(), boot::kSyncReplySize);
        QCOMPARE(BootPacket::readU32(reply.payload(), 4), quint32(64 * 1024));
        QCOMPARE(static_cast<quint8>(reply.payload()[8]), quint8(boot::IntactApplication));
        QCOMPARE(BootPacket::readU16(reply.payload(), 9), quint16(300));
        QCOMPARE(statusOf(exchange(&bootloader, BootPacket(boot::Leave, 2))), quint8(boot::Ok));
        QVERIFY(bootloader.applicationStarted());
        QVERIFY(!bootloader.newFirmwareStarted());

        bootloader.restart();
        exchange(&bootloader, BootPacket(boot::Sync, 1));
        QCOMPARE(statusOf(exchange(&bootloader, BootPacket(boot::Erase, 2, u32(600)))),
                 quint8(boot::Ok));
        QVERIFY(!bootloader.applicationIntact());
        QCOMPARE(statusOf(exchange(&bootloader, BootPacket(boot::Leave, 3))),
                 quint8(boot::NothingToRun));
        QVERIFY(!bootloader.applicationStarted());
        // Half-written and restarted: still nothing to run, and SYNC says so.
        QCOMPARE(statusOf(exchange(&bootloader,
                                   BootPacket(boot::Write, 4, u32(0) + sampleFirmwareImage(256)))),
                 quint8(boot::Ok));
        bootloader.restart();
        reply = exchange(&bootloader, BootPacket(boot::Sync, 1));
        QCOMPARE(static_cast<quint8>(reply.payload()[8]), quint8(boot::NoApplication));
        QCOMPARE(BootPacket::readU16(reply.payload(), 9), quint16(0));
        QCOMPARE(statusOf(exchange(&bootloader, BootPacket(boot::Leave, 2))),
                 quint8(boot::NothingToRun));
        // An image larger than this flash cannot be erased for.
        QCOMPARE(statusOf(exchange(&bootloader, BootPacket(boot::Erase, 3, u32(64 * 1024 + 1)))),
                 quint8(boot::LengthInvalid));
    }

    void applicationInfoRoundTrips()
    {
        ApplicationInfo info;
        info.deviceId = 0x26;
        info.firmwareVersion = 0x1234;
        info.flashSize = 0x00040000;
        info.bootloaderVersion = 2;
        quint8 payload[16];
        info.encodePayload(payload);
        quint8 frame[fclink::kFrameSize];
        fclink::buildReplyFrame(ApplicationInfo::kInfoCommand, 0x26, 0x34, 0, payload, frame);
        ApplicationInfo read;
        QVERIFY(read.decodeReply(frame));
        QCOMPARE(read.deviceId, quint8(0x26));
        QCOMPARE(read.firmwareVersion, quint16(0x1234));
        QCOMPARE(read.flashSize, quint32(0x00040000));
        QCOMPARE(read.bootloaderVersion, quint8(2));
        // Any other reply is not the answer to the upgrade info.
        fclink::buildReplyFrame(0, 0x26, 0x34, 0, payload, frame);
        QVERIFY(!read.decodeReply(frame));
    }
};

QTEST_GUILESS_MAIN(TestFirmwareFormat)
#include "tst_firmwareformat.moc"
