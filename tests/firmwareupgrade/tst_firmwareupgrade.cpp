// Whole upgrade runs of the library against the simulated flight controller on a
// pseudo-terminal: a good image, bad files, every failing bootloader step, stop and teardown.
#include "fclink/link/frame.h"
#include "fclink/link/frameassembler.h"
#include "firmwareupgrade/firmwareimage.h"
#include "firmwareupgrade/firmwareupgradelib.h"
#include "firmwareupgrade/sampleimage.h"
#include "firmwareupgrade/upgradeevent.h"
#include "tests/support/fcsimprocess.h"
#include "tests/support/linkprobe.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

constexpr int kRunTimeoutMs = 30000;

// Collects the reports of a run, as a client's event() would.
class Receiver : public QObject
{
public:
    bool event(QEvent *event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        const auto *report = static_cast<UpgradeEvent *>(event);
        codes.append(report->code);
        portNumbers.append(report->portNumber);
        if (report->firmwareVersion >= 0)
            versions.insert(report->code, report->firmwareVersion);
        deviceIds.insert(report->code, report->deviceId);
        if (report->code == UpgradeEvent::RunEnded && onEnd)
            onEnd();
        if (report->code == UpgradeEvent::Progress)
            progress.append(report->progress);
        return true;
    }

    bool ended() const { return codes.contains(UpgradeEvent::RunEnded); }
    // The codes without the progress reports.
    QList<quint32> milestones() const
    {
        QList<quint32> result;
        for (quint32 code : codes) {
            if (code != UpgradeEvent::Progress)
                result.append(code);
        }
        return result;
    }

    QList<quint32> codes;
    QList<qint32> portNumbers;
    QList<qint32> progress;
    QHash<quint32, qint32> versions; // the version a report carried, by code
    QHash<quint32, qint32> deviceIds;
    std::function<void()> onEnd; // run as the end is handled
};

// Sends the controller's application into its bootloader by hand, its firmware whole.
void sendIntoTheBootloader(FcsimProcess &sim)
{
    QVERIFY(requestBootloader(sim.linkPath()));
    QTRY_VERIFY_WITH_TIMEOUT(sim.receivedCommand(0xB1), kRunTimeoutMs);
}

bool writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

bool waitForEnd(const Receiver &receiver, int timeoutMs = kRunTimeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!receiver.ended() && clock.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    // Anything posted together with the end arrives too.
    QCoreApplication::processEvents();
    return receiver.ended();
}

} // namespace

class TestFirmwareUpgrade : public QObject
{
    Q_OBJECT

private:
    // Runs one upgrade of file through the simulator and waits for its end.
    void runUpgrade(const QString &port, const QString &file, Receiver *receiver,
                    bool allowDowngrade = false)
    {
        FirmwareUpgradeLib *upgrade = FirmwareUpgradeLib::createClass();
        upgrade->init(receiver);
        upgrade->allowDowngrade(allowDowngrade);
        upgrade->start(port, file);
        const bool ended = waitForEnd(*receiver);
        FirmwareUpgradeLib::destroyClass(upgrade);
        QVERIFY2(ended, "the run did not end");
        QCOMPARE(receiver->codes.count(UpgradeEvent::RunEnded), 1);
        QCOMPARE(receiver->codes.last(), quint32(UpgradeEvent::RunEnded));
    }

    // The codes of one probe of the port.
    static QList<quint32> probe(const QString &port, Receiver *receiver = nullptr,
                                bool leaveIfIntact = true)
    {
        Receiver own;
        Receiver *target = receiver ? receiver : &own;
        FirmwareUpgradeLib *upgrade = FirmwareUpgradeLib::createClass();
        upgrade->init(target);
        upgrade->probe(port, leaveIfIntact);
        waitForEnd(*target);
        FirmwareUpgradeLib::destroyClass(upgrade);
        return target->milestones();
    }

private slots:
    void goodImageIsFlashedAndRuns()
    {
        QTemporaryDir dir;
        FcsimProcess sim(dir.path());
        QVERIFY(sim.start({QStringLiteral("--firmware"), QStringLiteral("105")}));
        QCOMPARE(firmwareVersionOnLink(sim.linkPath()), 105);

        const QString file = dir.filePath(QStringLiteral("good.qmtvf"));
        QVERIFY(writeFile(
            file, fwupgrade::buildFirmwareFile(371, fwupgrade::sampleFirmwareImage(5000, 1))));

        Receiver receiver;
        runUpgrade(sim.linkPath(), file, &receiver);
        QCOMPARE(receiver.milestones(),
                 (QList<quint32>{UpgradeEvent::FileOpened, UpgradeEvent::PortOpened,
                                 UpgradeEvent::FlashingBegins, UpgradeEvent::UpgradeCompleted,
                                 UpgradeEvent::RunEnded}));
        // Progress lies between "flashing begins" and "completed", grows and ends at 100.
        const int first = receiver.codes.indexOf(UpgradeEvent::Progress);
        QVERIFY(first > receiver.codes.indexOf(UpgradeEvent::FlashingBegins));
        QVERIFY(receiver.codes.lastIndexOf(UpgradeEvent::Progress) <
                receiver.codes.indexOf(UpgradeEvent::UpgradeCompleted));
        QVERIFY(receiver.progress.size() >= 2);
        for (int i = 1; i < receiver.progress.size(); ++i)
            QVERIFY(receiver.progress[i] > receiver.progress[i - 1]);
        QCOMPARE(receiver.progress.last(), 100);
        QCOMPARE(receiver.versions.value(UpgradeEvent::UpgradeCompleted), 371);
        QVERIFY(sim.receivedCommand(0xB1));

        // The new firmware answers on the link with the low byte of its version (371 & 0xFF).
        QCOMPARE(firmwareVersionOnLink(sim.linkPath()), 371 & 0xFF);
    }

    void portNumberComesFromThePortName()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("good.qmtvf"));
        QVERIFY(writeFile(
            file, fwupgrade::buildFirmwareFile(100, fwupgrade::sampleFirmwareImage(100, 2))));

        Receiver receiver;
        runUpgrade(dir.filePath(QStringLiteral("ttyMissing7")), file, &receiver);
        QCOMPARE(receiver.codes,
                 (QList<quint32>{UpgradeEvent::FileOpened, UpgradeEvent::PortOpenFailed,
                                 UpgradeEvent::RunEnded}));
        QCOMPARE(receiver.portNumbers.at(1), 7);
    }

    void comNumberOpensNothingHere()
    {
#ifdef Q_OS_WIN
        QSKIP("COM ports exist on this host");
#endif
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("good.qmtvf"));
        QVERIFY(writeFile(
            file, fwupgrade::buildFirmwareFile(100, fwupgrade::sampleFirmwareImage(100, 2))));
        Receiver receiver;
        FirmwareUpgradeLib *upgrade = FirmwareUpgradeLib::createClass();
        upgrade->init(&receiver);
        upgrade->start(3, file);
        QVERIFY(waitForEnd(receiver));
        FirmwareUpgradeLib::destroyClass(upgrade);
        QCOMPARE(receiver.codes,
                 (QList<quint32>{UpgradeEvent::FileOpened, UpgradeEvent::PortOpenFailed,
                                 UpgradeEvent::RunEnded}));
        QCOMPARE(receiver.portNumbers.at(1), 3);
    }

    void badFilesNeverTouchThePort_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<quint32>("expected");
        QTest::newRow("image crc") << "crc" << quint32(UpgradeEvent::FileError);
        QTest::newRow("truncated") << "truncate" << quint32(UpgradeEvent::FileSizeError);
        QTest::newRow("format version") << "version" << quint32(UpgradeEvent::VersionError);
        QTest::newRow("magic") << "magic" << quint32(UpgradeEvent::FileError);
    }

    void badFilesNeverTouchThePort()
    {
        QFETCH(QString, damage);
        QFETCH(quint32, expected);

        QTemporaryDir dir;
        FcsimProcess sim(dir.path());
        QVERIFY(sim.start());

        QByteArray contents =
            fwupgrade::buildFirmwareFile(120, fwupgrade::sampleFirmwareImage(2000, 3));
        if (damage == QLatin1String("crc"))
            contents[100] = static_cast<char>(contents[100] ^ 0x10);
        else if (damage == QLatin1String("truncate"))
            contents.chop(1);
        else if (damage == QLatin1String("version"))
            contents[4] = 2;
        else
            contents[0] = 'X';
        const QString file = dir.filePath(QStringLiteral("bad.qmtvf"));
        QVERIFY(writeFile(file, contents));

        Receiver receiver;
        runUpgrade(sim.linkPath(), file, &receiver);
        QCOMPARE(receiver.codes,
                 (QList<quint32>{UpgradeEvent::FileOpened, expected, UpgradeEvent::RunEnded}));
        QCOMPARE(sim.requestCount(), 0);
    }

    void missingFile()
    {
        QTemporaryDir dir;
        FcsimProcess sim(dir.path());
        QVERIFY(sim.start());
        Receiver receiver;
        runUpgrade(sim.linkPath(), dir.filePath(QStringLiteral("absent.qmtvf")), &receiver);
        QCOMPARE(receiver.codes,
                 (QList<quint32>{UpgradeEvent::FileOpenError, UpgradeEvent::RunEnded}));
        QCOMPARE(sim.requestCount(), 0);
    }

    void failingStepIsReported_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<quint32>("expected");
        QTest::addColumn<bool>("flashingBegan");
        QTest::newRow("sync-silent")
            << "sync-silent" << quint32(UpgradeEvent::DeviceError) << false;
        QTest::newRow("erase") << "erase" << quint32(UpgradeEvent::EraseError) << false;
        QTest::newRow("head") << "head" << quint32(UpgradeEvent::HeadError) << false;
        QTest::newRow("write") << "write" << quint32(UpgradeEvent::FlashError) << true;
        QTest::newRow("address") << "address" << quint32(UpgradeEvent::AddressError) << true;
        QTest::newRow("length") << "length" << quint32(UpgradeEvent::LengthError) << true;
        QTest::newRow("checksum") << "checksum" << quint32(UpgradeEvent::SendCheckError) << true;
        QTest::newRow("verify") << "verify" << quint32(UpgradeEvent::FlashError) << true;
        QTest::newRow("run") << "run" << quint32(UpgradeEvent::GoToApplicationError) << true;
        QTest::newRow("crc-reply")
            << "crc-reply" << quint32(UpgradeEvent::ReceiveCheckError) << true;
        QTest::newRow("state") << "state" << quint32(UpgradeEvent::StateError) << true;
        QTest::newRow("timeout") << "timeout" << quint32(UpgradeEvent::TimeOut) << true;
    }

    void failingStepIsReported()
    {
        QFETCH(QString, step);
        QFETCH(quint32, expected);
        QFETCH(bool, flashingBegan);

        QTemporaryDir dir;
        FcsimProcess sim(dir.path());
        QVERIFY(sim.start({QStringLiteral("--flash-fail"), step}));
        const QString file = dir.filePath(QStringLiteral("image.qmtvf"));
        QVERIFY(writeFile(
            file, fwupgrade::buildFirmwareFile(150, fwupgrade::sampleFirmwareImage(3000, 4))));

        Receiver receiver;
        runUpgrade(sim.linkPath(), file, &receiver);
        QList<quint32> expectedMilestones{UpgradeEvent::FileOpened, UpgradeEvent::PortOpened};
        if (flashingBegan)
            expectedMilestones.append(UpgradeEvent::FlashingBegins);
        expectedMilestones << expected;
        // An erase refused before it touched the flash leaves the firmware whole: back to it.
        if (step == QLatin1String("head"))
            expectedMilestones << UpgradeEvent::ApplicationResumed;
        expectedMilestones << UpgradeEvent::RunEnded;
        QCOMPARE(receiver.milestones(), expectedMilestones);
        QVERIFY(!receiver.codes.contains(UpgradeEvent::UpgradeCompleted));
    }

    void silentControllerIsADeviceError()
    {
        QTemporaryDir dir;
        FcsimProcess sim(dir.path());
        QVERIFY(sim.start({QStringLiteral("--silent-after"), QStringLiteral("0")}));
        const QString file = dir.filePath(QStringLiteral("image.qmtvf"));
        QVERIFY(writeFile(
            file, fwupgrade::buildFirmwareFile(150, fwupgrade::sampleFirmwareImage(1000, 5))));

        Receiver receiver;
        runUpgrade(sim.linkPath(), file, &receiver);
        QCOMPARE(receiver.codes,
                 (QList<quint32>{UpgradeEvent::FileOpened, UpgradeEvent::PortOpened,
                                 UpgradeEvent::DeviceError, UpgradeEvent::RunEnded}));
        // Asked for its upgrade info, it stayed silent: nobody was sent anywhere.
        QVERIFY(sim.receivedCommand(0xB0));
    }

    void stopEndsTheRun()
    {
        QTemporaryDir dir;
        FcsimProcess sim(dir.path());
        // Slow replies keep the transfer going for seconds.
        QVERIFY(sim.start({QStringLiteral("--reply-delay"), QStringLiteral("20")}));
        const QString file = dir.filePath(QStringLiteral("big.qmtvf"));
        QVERIFY(writeFile(
            file, fwupgrade::buildFirmwareFile(150, fwupgrade::sampleFirmwareImage(64 * 1024, 6))));

        Receiver receiver;
        FirmwareUpgradeLib *upgrade = FirmwareUpgradeLib::createClass();
        upgrade->init(&receiver);
        upgrade->start(sim.linkPath(), file);
        QTRY_VERIFY_WITH_TIMEOUT(receiver.codes.contains(UpgradeEvent::FlashingBegins) ||
                                     receiver.ended(),
                                 kRunTimeoutMs);
        upgrade->stop();
        QVERIFY(waitForEnd(receiver));
        QVERIFY(!upgrade->isRunning());
        FirmwareUpgradeLib::destroyClass(upgrade);

        QCOMPARE(receiver.codes.last(), quint32(UpgradeEvent::RunEnded));
        QCOMPARE(receiver.codes.count(UpgradeEvent::RunEnded), 1);
        QVERIFY(!receiver.codes.contains(UpgradeEvent::UpgradeCompleted));
        QVERIFY(receiver.progress.isEmpty() || receiver.progress.last() < 100);
    }

    void destroyDuringARunJoinsAndTheNextRunResumes()
    {
        QTemporaryDir dir;
        FcsimProcess sim(dir.path());
        QVERIFY(sim.start({QStringLiteral("--reply-delay"), QStringLiteral("20")}));
        const QString file = dir.filePath(QStringLiteral("big.qmtvf"));
        QVERIFY(writeFile(
            file, fwupgrade::buildFirmwareFile(150, fwupgrade::sampleFirmwareImage(64 * 1024, 7))));

        {
            Receiver receiver;
            FirmwareUpgradeLib *upgrade = FirmwareUpgradeLib::createClass();
            upgrade->init(&receiver);
            upgrade->start(sim.linkPath(), file);
            QTRY_VERIFY_WITH_TIMEOUT(receiver.codes.contains(UpgradeEvent::FlashingBegins),
                                     kRunTimeoutMs);
            QElapsedTimer clock;
            clock.start();
            FirmwareUpgradeLib::destroyClass(upgrade);
            QVERIFY(clock.elapsed() < 10000);
            // The reports posted before the end still arrive, ending with the run's end.
            QVERIFY(waitForEnd(receiver, 2000));
            QCOMPARE(receiver.codes.last(), quint32(UpgradeEvent::RunEnded));
            QVERIFY(!receiver.codes.contains(UpgradeEvent::UpgradeCompleted));
        }

        // The controller was left in its bootloader; a new run takes it from there.
        const QString small = dir.filePath(QStringLiteral("small.qmtvf"));
        QVERIFY(writeFile(
            small, fwupgrade::buildFirmwareFile(0x0142, fwupgrade::sampleFirmwareImage(3000, 8))));
        Receiver receiver;
        runUpgrade(sim.linkPath(), small, &receiver);
        QVERIFY(receiver.codes.contains(UpgradeEvent::UpgradeCompleted));
        QCOMPARE(firmwareVersionOnLink(sim.linkPath()), 0x42);
    }

    // An image that cannot fit the controller's flash is refused while the controller still runs
    // its application: it never restarts into the bootloader and answers the link right after.
    void oversizedImageIsRefusedBeforeTheBootloader()
    {
        QTemporaryDir dir;
        FcsimProcess sim(dir.path());
        QVERIFY(sim.start({QStringLiteral("--firmware"), QStringLiteral("105")}));
        const QString file = dir.filePath(QStringLiteral("huge.qmtvf"));
        QVERIFY(writeFile(
            file, fwupgrade::buildFirmwareFile(120, fwupgrade::sampleFirmwareImage(300000, 21))));

        Receiver receiver;
        runUpgrade(sim.linkPath(), file, &receiver);
        QCOMPARE(receiver.codes,
                 (QList<quint32>{UpgradeEvent::FileOpened, UpgradeEvent::PortOpened,
                                 UpgradeEvent::FileSizeError, UpgradeEvent::RunEnded}));
        QVERIFY(!sim.receivedCommand(0xB1));
        QCOMPARE(firmwareVersionOnLink(sim.linkPath()), 105);
    }

    // A bootloader that turns out to belong to another device refuses the image before anything
    // is erased; the controller is sent back to its intact application.
    void refusalInTheBootloaderReturnsToTheApplication()
    {
        QTemporaryDir dir;
        FcsimProcess sim(dir.path());
        QVERIFY(sim.start({QStringLiteral("--firmware"), QStringLiteral("105"),
                           QStringLiteral("--flash-fail"), QStringLiteral("sync-device")}));
        const QString file = dir.filePath(QStringLiteral("image.qmtvf"));
        QVERIFY(writeFile(
            file, fwupgrade::buildFirmwareFile(120, fwupgrade::sampleFirmwareImage(3000, 22))));

        Receiver receiver;
        runUpgrade(sim.linkPath(), file, &receiver);
        QCOMPARE(receiver.milestones(),
                 (QList<quint32>{UpgradeEvent::FileOpened, UpgradeEvent::PortOpened,
                                 UpgradeEvent::DeviceError, UpgradeEvent::ApplicationResumed,
                                 UpgradeEvent::RunEnded}));
        QCOMPARE(receiver.versions.value(UpgradeEvent::ApplicationResumed), 105);
        QVERIFY(sim.receivedCommand(0xB1));
        QCOMPARE(firmwareVersionOnLink(sim.linkPath()), 105);
    }

    // A stop after the controller has agreed to restart into its bootloader but before the erase
    // brings it back to the firmware it had.
    void stopBeforeTheEraseReturnsToTheApplication()
    {
        QTemporaryDir dir;
        FcsimProcess sim(dir.path());
        // Slow replies: the stop lands while the run waits for the bootloader's answers.
        QVERIFY(sim.start({QStringLiteral("--firmware"), QStringLiteral("105"),
                           QStringLiteral("--reply-delay"), QStringLiteral("300")}));
        const QString file = dir.filePath(QStringLiteral("image.qmtvf"));
        QVERIFY(writeFile(
            file, fwupgrade::buildFirmwareFile(120, fwupgrade::sampleFirmwareImage(3000, 23))));

        Receiver receiver;
        FirmwareUpgradeLib *upgrade = FirmwareUpgradeLib::createClass();
        upgrade->init(&receiver);
        upgrade->start(sim.linkPath(), file);
        QTRY_VERIFY_WITH_TIMEOUT(sim.receivedCommand(0xB1) || receiver.ended(), kRunTimeoutMs);
        upgrade->stop();
        QVERIFY(waitForEnd(receiver));
        FirmwareUpgradeLib::destroyClass(upgrade);
        QVERIFY(!receiver.codes.contains(UpgradeEvent::FlashingBegins));
        QTest::qWait(600); // the slow replies still under way have arrived
        QCOMPARE(firmwareVersionOnLink(sim.linkPath()), 105);
    }

    // A run cut off after the erase leaves the controller in its bootloader, also across a
    // restart of the controller; a probe finds it waiting, a healthy controller is no bootloader,
    // and the next run repairs it.
    void cutRunLeavesTheBootloaderWaitingAcrossARestart()
    {
        QTemporaryDir dir;
        FcsimProcess sim(dir.path());
        const QStringList options{
            QStringLiteral("--firmware"),       QStringLiteral("105"),
            QStringLiteral("--firmware-state"), dir.filePath(QStringLiteral("firmware.ini")),
            QStringLiteral("--reply-delay"),    QStringLiteral("5")};
        QVERIFY(sim.start(options));
        QCOMPARE(probe(sim.linkPath()),
                 (QList<quint32>{UpgradeEvent::PortOpened, UpgradeEvent::NoBootloader,
                                 UpgradeEvent::RunEnded}));

        const QString big = dir.filePath(QStringLiteral("big.qmtvf"));
        QVERIFY(writeFile(
            big, fwupgrade::buildFirmwareFile(300, fwupgrade::sampleFirmwareImage(100000, 31))));
        Receiver cut;
        FirmwareUpgradeLib *upgrade = FirmwareUpgradeLib::createClass();
        upgrade->init(&cut);
        upgrade->start(sim.linkPath(), big);
        QTRY_VERIFY_WITH_TIMEOUT(
            (!cut.progress.isEmpty() && cut.progress.last() >= 40) || cut.ended(), kRunTimeoutMs);
        upgrade->stop();
        QVERIFY(waitForEnd(cut));
        FirmwareUpgradeLib::destroyClass(upgrade);
        QVERIFY2(!cut.codes.contains(UpgradeEvent::UpgradeCompleted), "not cut");
        QVERIFY(!cut.codes.contains(UpgradeEvent::ApplicationResumed));

        QCOMPARE(firmwareVersionOnLink(sim.linkPath()), -1);
        QVERIFY(probe(sim.linkPath()).contains(UpgradeEvent::WaitingForFirmware));
        sim.stop();
        QVERIFY(sim.start(options));
        QCOMPARE(firmwareVersionOnLink(sim.linkPath()), -1);
        QVERIFY(probe(sim.linkPath()).contains(UpgradeEvent::WaitingForFirmware));

        const QString good = dir.filePath(QStringLiteral("good.qmtvf"));
        QVERIFY(writeFile(
            good, fwupgrade::buildFirmwareFile(300, fwupgrade::sampleFirmwareImage(20000, 32))));
        Receiver repair;
        runUpgrade(sim.linkPath(), good, &repair);
        QVERIFY(repair.codes.contains(UpgradeEvent::UpgradeCompleted));
        // The version byte holds only the low 8 bits of 3.00; the upgrade info has it whole.
        QCOMPARE(firmwareVersionOnLink(sim.linkPath()), 300 & 0xFF);
        sim.stop();
        QVERIFY(sim.start(options));
        QCOMPARE(firmwareVersionOnLink(sim.linkPath()), 300 & 0xFF);
    }

    // A controller that went into its bootloader with its firmware whole (the way back of a
    // stopped run was lost) is sent back by a probe.
    void probeSendsAnIntactControllerBack()
    {
        QTemporaryDir dir;
        FcsimProcess sim(dir.path());
        QVERIFY(sim.start({QStringLiteral("--firmware"), QStringLiteral("412")}));
        sendIntoTheBootloader(sim);
        QCOMPARE(firmwareVersionOnLink(sim.linkPath()), -1);
        Receiver found;
        QCOMPARE(probe(sim.linkPath(), &found),
                 (QList<quint32>{UpgradeEvent::PortOpened, UpgradeEvent::ApplicationResumed,
                                 UpgradeEvent::RunEnded}));
        QCOMPARE(found.versions.value(UpgradeEvent::ApplicationResumed), 412);
        QCOMPARE(firmwareVersionOnLink(sim.linkPath()), 412 & 0xFF);
    }

    // A probe reports its end only once its port is closed, so whoever takes the port on that
    // report gets it.
    void portIsFreeWhenAProbeReportsItsEnd()
    {
        QTemporaryDir dir;
        FcsimProcess sim(dir.path());
        QVERIFY(sim.start());
        for (int run = 0; run < 10; ++run) {
            Receiver receiver;
            QString openError = QStringLiteral("not tried");
            receiver.onEnd = [&] {
                QSerialPort port(sim.linkPath());
                openError = port.open(QIODevice::ReadWrite) ? QString() : port.errorString();
            };
            probe(sim.linkPath(), &receiver);
            QVERIFY2(openError.isEmpty(),
                     qPrintable(QStringLiteral("run %1: %2").arg(run).arg(openError)));
        }
    }

    // An erase refused before anything was erased leaves the firmware whole: the controller is
    // sent back to it.
    void refusedEraseSendsTheControllerBack()
    {
        QTemporaryDir dir;
        FcsimProcess sim(dir.path());
        QVERIFY(sim.start({QStringLiteral("--firmware"), QStringLiteral("105"),
                           QStringLiteral("--flash-fail"), QStringLiteral("head")}));
        const QString file = dir.filePath(QStringLiteral("image.qmtvf"));
        QVERIFY(writeFile(
            file, fwupgrade::buildFirmwareFile(150, fwupgrade::sampleFirmwareImage(3000, 41))));
        Receiver receiver;
        runUpgrade(sim.linkPath(), file, &receiver);
        QCOMPARE(receiver.milestones(),
                 (QList<quint32>{UpgradeEvent::FileOpened, UpgradeEvent::PortOpened,
                                 UpgradeEvent::HeadError, UpgradeEvent::ApplicationResumed,
                                 UpgradeEvent::RunEnded}));
        QCOMPARE(receiver.versions.value(UpgradeEvent::ApplicationResumed), 105);
        QCOMPARE(firmwareVersionOnLink(sim.linkPath()), 105);
    }

    // An image not newer than the installed firmware is refused while the application still
    // runs, unless the client allowed it.
    void olderOrSameFirmwareNeedsPermission_data()
    {
        QTest::addColumn<int>("installed");
        QTest::addColumn<int>("image");
        QTest::newRow("older") << 150 << 140;
        QTest::newRow("same") << 300 << 300;
    }

    void olderOrSameFirmwareNeedsPermission()
    {
        QFETCH(int, installed);
        QFETCH(int, image);
        QTemporaryDir dir;
        FcsimProcess sim(dir.path());
        QVERIFY(sim.start({QStringLiteral("--firmware"), QString::number(installed)}));
        const QString file = dir.filePath(QStringLiteral("old.qmtvf"));
        QVERIFY(writeFile(file, fwupgrade::buildFirmwareFile(
                                    quint16(image), fwupgrade::sampleFirmwareImage(3000, 42))));
        Receiver refused;
        runUpgrade(sim.linkPath(), file, &refused);
        QCOMPARE(refused.milestones(),
                 (QList<quint32>{UpgradeEvent::FileOpened, UpgradeEvent::PortOpened,
                                 UpgradeEvent::DowngradeRefused, UpgradeEvent::RunEnded}));
        QCOMPARE(refused.versions.value(UpgradeEvent::DowngradeRefused), installed);
        QVERIFY(!sim.receivedCommand(0xB1));

        Receiver allowed;
        runUpgrade(sim.linkPath(), file, &allowed, true);
        QVERIFY(allowed.codes.contains(UpgradeEvent::UpgradeCompleted));
        QCOMPARE(firmwareVersionOnLink(sim.linkPath()), image & 0xFF);
    }

    // The same check holds for a controller found in its bootloader with its firmware whole.
    void olderFirmwareIsRefusedInTheBootloaderToo()
    {
        QTemporaryDir dir;
        FcsimProcess sim(dir.path());
        QVERIFY(sim.start({QStringLiteral("--firmware"), QStringLiteral("150")}));
        sendIntoTheBootloader(sim);
        const QString file = dir.filePath(QStringLiteral("old.qmtvf"));
        QVERIFY(writeFile(
            file, fwupgrade::buildFirmwareFile(140, fwupgrade::sampleFirmwareImage(3000, 43))));
        Receiver refused;
        runUpgrade(sim.linkPath(), file, &refused);
        QVERIFY(refused.codes.contains(UpgradeEvent::DowngradeRefused));
        QVERIFY(refused.codes.contains(UpgradeEvent::ApplicationResumed));
        QVERIFY(!refused.codes.contains(UpgradeEvent::FlashingBegins));
        QCOMPARE(firmwareVersionOnLink(sim.linkPath()), 150);
    }

    // A stop that may only cut a run before the erase: before it the controller goes back to
    // its firmware; after it the flash is finished.
    void stopBeforeEraseNeverCutsAFlash()
    {
        QTemporaryDir dir;
        FcsimProcess sim(dir.path());
        QVERIFY(sim.start({QStringLiteral("--reply-delay"), QStringLiteral("20")}));
        const QString file = dir.filePath(QStringLiteral("big.qmtvf"));
        QVERIFY(writeFile(
            file, fwupgrade::buildFirmwareFile(150, fwupgrade::sampleFirmwareImage(20000, 44))));
        Receiver receiver;
        FirmwareUpgradeLib *upgrade = FirmwareUpgradeLib::createClass();
        upgrade->init(&receiver);
        upgrade->start(sim.linkPath(), file);
        QTRY_VERIFY_WITH_TIMEOUT(!receiver.progress.isEmpty() || receiver.ended(), kRunTimeoutMs);
        upgrade->stopBeforeErase();
        QVERIFY(waitForEnd(receiver));
        FirmwareUpgradeLib::destroyClass(upgrade);
        QVERIFY(receiver.codes.contains(UpgradeEvent::UpgradeCompleted));
        QCOMPARE(firmwareVersionOnLink(sim.linkPath()), 150);
    }

    void stopBeforeEraseBeforeTheEraseKeepsTheFirmware()
    {
        QTemporaryDir dir;
        FcsimProcess sim(dir.path());
        QVERIFY(sim.start({QStringLiteral("--firmware"), QStringLiteral("105"),
                           QStringLiteral("--reply-delay"), QStringLiteral("300")}));
        const QString file = dir.filePath(QStringLiteral("image.qmtvf"));
        QVERIFY(writeFile(
            file, fwupgrade::buildFirmwareFile(150, fwupgrade::sampleFirmwareImage(3000, 45))));
        Receiver receiver;
        FirmwareUpgradeLib *upgrade = FirmwareUpgradeLib::createClass();
        upgrade->init(&receiver);
        upgrade->start(sim.linkPath(), file);
        QTRY_VERIFY_WITH_TIMEOUT(sim.receivedCommand(0xB1) || receiver.ended(), kRunTimeoutMs);
        upgrade->stopBeforeErase();
        QVERIFY(waitForEnd(receiver));
        FirmwareUpgradeLib::destroyClass(upgrade);
        QVERIFY(!receiver.codes.contains(UpgradeEvent::FlashingBegins));
        QVERIFY(receiver.codes.contains(UpgradeEvent::ApplicationResumed));
        QTest::qWait(600);
        QCOMPARE(firmwareVersionOnLink(sim.linkPath()), 105);
    }

    // A probe that only looks: a bootloader with its firmware whole is reported with the
    // firmware's version and the device, and left where it is.
    void probeThatOnlyLooks()
    {
        QTemporaryDir dir;
        FcsimProcess sim(dir.path());
        QVERIFY(sim.start({QStringLiteral("--firmware"), QStringLiteral("412")}));
        sendIntoTheBootloader(sim);
        Receiver found;
        QCOMPARE(probe(sim.linkPath(), &found, false),
                 (QList<quint32>{UpgradeEvent::PortOpened, UpgradeEvent::FirmwareIntact,
                                 UpgradeEvent::RunEnded}));
        QCOMPARE(found.versions.value(UpgradeEvent::FirmwareIntact), 412);
        QCOMPARE(found.deviceIds.value(UpgradeEvent::FirmwareIntact), 0x26);
        QCOMPARE(firmwareVersionOnLink(sim.linkPath()), -1);
    }

    void oneObjectServesSeveralRuns()
    {
        QTemporaryDir dir;
        FcsimProcess sim(dir.path());
        QVERIFY(sim.start());
        FirmwareUpgradeLib *upgrade = FirmwareUpgradeLib::createClass();
        for (int run = 0; run < 2; ++run) {
            const QString file = dir.filePath(QStringLiteral("run%1.qmtvf").arg(run));
            QVERIFY(writeFile(file, fwupgrade::buildFirmwareFile(
                                        quint16(200 + run),
                                        fwupgrade::sampleFirmwareImage(1500, quint32(10 + run)))));
            Receiver receiver;
            upgrade->init(&receiver);
            upgrade->start(sim.linkPath(), file);
            QVERIFY(waitForEnd(receiver));
            QVERIFY(receiver.codes.contains(UpgradeEvent::UpgradeCompleted));
            QCOMPARE(firmwareVersionOnLink(sim.linkPath()), 200 + run);
        }
        FirmwareUpgradeLib::destroyClass(upgrade);
    }
};

QTEST_GUILESS_MAIN(TestFirmwareUpgrade)
#include "tst_firmwareupgrade.moc"
