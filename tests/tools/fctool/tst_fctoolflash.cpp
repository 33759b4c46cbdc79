// fctool's firmware upgrades and bootloader commands against the simulated flight controller:
// the backup before a flash and its history entry, interrupting a flash, the inactivity limit,
// downgrades, a refused erase, and a controller waiting in its bootloader.
#include "fclink/model/parameterfields.h"
#include "fclink/storage/snapshotstore.h"
#include "firmwareupgrade/firmwareimage.h"
#include "firmwareupgrade/sampleimage.h"
#include "tests/support/linkprobe.h"
#include "tests/support/simulatortest.h"
#include "tests/support/testfolders.h"
#include "toolrun.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

#include <csignal>

namespace {

constexpr int kRunMs = 90000;

QByteArray firmwareFile(quint16 version, int size = 8192)
{
    return fwupgrade::buildFirmwareFile(version, fwupgrade::sampleFirmwareImage(size, version));
}

bool writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

qint32 valueIn(const fclink::BlockImage &block, const char *name)
{
    return block.value(name);
}

} // namespace

class TestFctoolFlash : public SimulatorTest
{
    Q_OBJECT

private:
    QString port() const { return m_sim->linkPath(); }
    QString path(const QString &name) const { return m_dir->filePath(name); }

    QString firmware(quint16 version, int size = 8192)
    {
        const QString file = path(QStringLiteral("fw%1-%2.qmtvf").arg(version).arg(size));
        if (!QFileInfo::exists(file))
            writeFile(file, firmwareFile(version, size));
        return file;
    }

    QStringList flashArguments(const QString &file, const QStringList &extra = {}) const
    {
        return QStringList{QStringLiteral("flash"), QStringLiteral("--port"), port(), file} + extra;
    }

    void setLimitAlt(int value)
    {
        ToolRun set({QStringLiteral("set"), QStringLiteral("--port"), port(),
                     QStringLiteral("LimitAlt=%1").arg(value)});
        QVERIFY(set.runToEnd());
        QVERIFY2(set.exitCode() == 0, qPrintable(set.describe()));
        QCOMPARE(valueIn(m_sim->block(), "LimitAlt"), value);
    }

private slots:
    void init()
    {
        SimulatorTest::init();
        useTestFolders(m_dir->path());
    }

    // The backup before a flash is an entry of its own with the whole version, even when the
    // parameters equal the newest snapshot.
    void backupIsItsOwnHistoryEntry()
    {
        QVERIFY(startSim({QStringLiteral("--firmware"), QStringLiteral("300")}));
        ToolRun snapshot({QStringLiteral("snapshot"), QStringLiteral("--port"), port()});
        QVERIFY(snapshot.runToEnd());
        QCOMPARE(snapshot.exitCode(), 0);
        QTest::qWait(20); // another millisecond in the file name
        ToolRun flash(flashArguments(firmware(310)));
        QVERIFY(flash.runToEnd(kRunMs));
        QVERIFY2(flash.exitCode() == 0, qPrintable(flash.describe()));
        const QVector<fclink::Snapshot> history = fclink::SnapshotStore().list();
        QCOMPARE(history.size(), 2);
        QCOMPARE(history.first().reason, fclink::SnapshotReason::BeforeFlash);
        QVERIFY(history.first().pinned);
        QCOMPARE(history.first().firmwareVersion, 300);
        QCOMPARE(history.first().port, port());
        QVERIFY(history.first().path != history.last().path);
        QCOMPARE(history.last().reason, fclink::SnapshotReason::OnDemand);
    }

    // Ctrl+C while the parameters are being saved stops the run before anything is erased: the
    // controller keeps its firmware and its values, and the exit status says it was stopped.
    void interruptBeforeTheEraseStops()
    {
        QVERIFY(startSim({QStringLiteral("--reply-delay"), QStringLiteral("150"),
                          QStringLiteral("--reset-on-upgrade")}));
        setLimitAlt(321);
        ToolRun flash(flashArguments(firmware(130), {QStringLiteral("--restore")}));
        QVERIFY(flash.start());
        QTest::qWait(1000);
        flash.sendSignal(SIGINT);
        QVERIFY(flash.finish(kRunMs));
        QVERIFY2(flash.exitCode() == 5, qPrintable(flash.describe()));
        QVERIFY2(flash.err().contains(QStringLiteral("stopped before anything was erased")),
                 qPrintable(flash.describe()));
        QVERIFY(!flash.out().contains(QStringLiteral("Upgraded OK")));
        QCOMPARE(valueIn(m_sim->block(), "LimitAlt"), 321);
    }

    // Ctrl+C after the erase asks nothing: the flash is finished (a cut one would leave the
    // controller without firmware), the parameters are restored as asked, and the exit status
    // still says the run was interrupted.
    void interruptAfterTheEraseFinishesAndRestores()
    {
        QVERIFY(startSim({QStringLiteral("--reply-delay"), QStringLiteral("4"),
                          QStringLiteral("--reset-on-upgrade")}));
        setLimitAlt(321);
        ToolRun flash(flashArguments(firmware(131, 150000), {QStringLiteral("--restore")}));
        QVERIFY(flash.start());
        QElapsedTimer waited;
        waited.start();
        while (!flash.out().contains(QStringLiteral("Progress:")) && waited.elapsed() < kRunMs)
            QVERIFY(flash.waitForLines(flash.outLines().size() + 1, kRunMs));
        flash.sendSignal(SIGINT);
        QVERIFY(flash.finish(kRunMs));
        QVERIFY2(flash.exitCode() == 5, qPrintable(flash.describe()));
        QVERIFY2(flash.out().contains(QStringLiteral("Upgraded OK")), qPrintable(flash.describe()));
        QVERIFY2(flash.out().contains(QStringLiteral("Parameters restored")),
                 qPrintable(flash.describe()));
        QVERIFY(flash.err().contains(QStringLiteral("interrupted")));
        QCOMPARE(valueIn(m_sim->block(), "LimitAlt"), 321);
    }

    // --timeout limits the time without progress, not the whole run: a healthy flash that lasts
    // several times the limit completes.
    void timeoutIsOnInactivity()
    {
        QVERIFY(startSim({QStringLiteral("--reply-delay"), QStringLiteral("8")}));
        ToolRun flash(flashArguments(firmware(132, 150000),
                                     {QStringLiteral("--timeout"), QStringLiteral("2")}));
        QVERIFY(flash.runToEnd(kRunMs));
        QVERIFY2(flash.exitCode() == 0, qPrintable(flash.describe()));
        QVERIFY2(flash.elapsedMs() > 4000, qPrintable(QString::number(flash.elapsedMs())));
        QVERIFY(flash.out().contains(QStringLiteral("Upgraded OK")));
    }

    // A flash cut off after the erase leaves the controller waiting in its bootloader. The
    // repair with --restore cannot read the parameters, so it restores the backup taken before
    // the cut flash, and says which one.
    void repairRestoresTheBackupOfTheCutFlash()
    {
        const QString state = path(QStringLiteral("firmware.ini"));
        QVERIFY(writeFile(state, "[firmware]\nversion=105\nintact=true\n"));
        QVERIFY(startSim({QStringLiteral("--firmware-state"), state,
                          QStringLiteral("--reset-on-upgrade"), QStringLiteral("--flash-fail"),
                          QStringLiteral("timeout")}));
        setLimitAlt(321);
        ToolRun cut(flashArguments(firmware(130)));
        QVERIFY(cut.runToEnd(kRunMs));
        QVERIFY2(cut.exitCode() == 1, qPrintable(cut.describe()));
        QVERIFY2(cut.out().contains(QStringLiteral("Upgrading now")), qPrintable(cut.describe()));
        const QVector<fclink::Snapshot> history = fclink::SnapshotStore().list();
        QCOMPARE(history.size(), 1);

        // Started again, it waits in its bootloader with the factory parameters.
        QVERIFY(startSim(
            {QStringLiteral("--firmware-state"), state, QStringLiteral("--reset-on-upgrade")}));
        ToolRun repair(flashArguments(firmware(131), {QStringLiteral("--restore")}));
        QVERIFY(repair.runToEnd(kRunMs));
        QVERIFY2(repair.exitCode() == 0, qPrintable(repair.describe()));
        const QString named = QStringLiteral("the parameters saved from it at %1 (firmware 1.05) "
                                             "are the ones to restore: %2")
                                  .arg(history.first().time.toLocalTime().toString(
                                           QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                                       history.first().path);
        QVERIFY2(repair.out().contains(named), qPrintable(repair.describe()));
        QVERIFY(repair.out().contains(QStringLiteral("Upgraded OK")));
        QVERIFY2(repair.outLines().last().startsWith(
                     QStringLiteral("Parameters restored from %1").arg(history.first().path)),
                 qPrintable(repair.describe()));
        QCOMPARE(valueIn(m_sim->block(), "LimitAlt"), 321);
    }

    // An erase the bootloader refuses without erasing leaves the firmware whole: the controller
    // is sent back to it, and the link answers at once.
    void refusedEraseSendsTheControllerBack()
    {
        QVERIFY(startSim({QStringLiteral("--flash-fail"), QStringLiteral("head")}));
        ToolRun flash(flashArguments(firmware(130)));
        QVERIFY(flash.runToEnd(kRunMs));
        QVERIFY2(flash.exitCode() == 1, qPrintable(flash.describe()));
        QVERIFY(flash.outLines().contains(QStringLiteral("Head Error")));
        QVERIFY2(flash.outLines().contains(QStringLiteral("The flight controller keeps its "
                                                          "firmware")),
                 qPrintable(flash.describe()));
        ToolRun get({QStringLiteral("get"), QStringLiteral("--port"), port(),
                     QStringLiteral("LimitAlt"), QStringLiteral("--timeout"), QStringLiteral("3")});
        QVERIFY(get.runToEnd());
        QVERIFY2(get.exitCode() == 0, qPrintable(get.describe()));
    }

    // The upgrade opens the port itself: while another program holds the device under another
    // name it must not flash it.
    void aFlashUnderAnotherNameOfAHeldPortIsRefused()
    {
        QVERIFY(startSim());
        const QString device = QFileInfo(port()).canonicalFilePath();
        QVERIFY(device.startsWith(QLatin1String("/dev/pts/")));
        ToolRun holder({QStringLiteral("telemetry"), QStringLiteral("--port"), port()});
        QVERIFY(holder.start());
        QVERIFY2(holder.waitForLines(1, 10000), qPrintable(holder.describe()));

        ToolRun flash({QStringLiteral("flash"), QStringLiteral("--port"), device, firmware(121)});
        QVERIFY(flash.runToEnd(kRunMs));
        QVERIFY2(flash.exitCode() == 3, qPrintable(flash.describe()));
        QVERIFY2(!flash.out().contains(QLatin1String("Upgrading now")), qPrintable(flash.out()));
        // The holder's controller still runs its firmware and answers.
        const int before = holder.outLines().size();
        QVERIFY2(holder.waitForLines(before + 3, 10000), qPrintable(holder.describe()));
        holder.sendSignal(SIGINT);
        QVERIFY(holder.finish());
        QCOMPARE(holder.exitCode(), 0);
    }

    void bootloaderProbe_data()
    {
        QTest::addColumn<QString>("controller"); // running, waiting, intact (in its bootloader)
        QTest::addColumn<bool>("leave");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("linkVersion"); // the version byte the link hears afterwards
        const QStringList waiting{QStringLiteral("Bootloader: waiting"),
                                  QStringLiteral("Device: 0x26"),
                                  QStringLiteral("Bootloader version: 2")};
        const QStringList notAnswering{QStringLiteral("Bootloader: not answering")};
        QTest::newRow("running firmware") << "running" << false << 0 << notAnswering << 300 % 256;
        QTest::newRow("running firmware, leave")
            << "running" << true << 0 << notAnswering << 300 % 256;
        QTest::newRow("no firmware")
            << "waiting" << false << 0 << waiting + QStringList{QStringLiteral("Firmware: none")}
            << -1;
        QTest::newRow("no firmware, leave")
            << "waiting" << true << 1 << waiting + QStringList{QStringLiteral("Firmware: none")}
            << -1;
        QTest::newRow("intact firmware")
            << "intact" << false << 0 << waiting + QStringList{QStringLiteral("Firmware: 3.00")}
            << -1;
        QTest::newRow("intact firmware, leave")
            << "intact" << true << 0
            << waiting + QStringList{QStringLiteral("Firmware: 3.00"),
                                     QStringLiteral("Left the bootloader: firmware 3.00 runs "
                                                    "again")}
            << 300 % 256;
    }

    // fctool bootloader says whether the controller waits in its bootloader and what that
    // says of itself; --leave sends it back to firmware that is whole, and only to that.
    void bootloaderProbe()
    {
        QFETCH(QString, controller);
        QFETCH(bool, leave);
        QFETCH(int, exitCode);
        QFETCH(QStringList, lines);
        QFETCH(int, linkVersion);
        const QString state = path(QStringLiteral("firmware.ini"));
        QVERIFY(writeFile(state, controller == QLatin1String("waiting")
                                     ? "[firmware]\nversion=0\nintact=false\n"
                                     : "[firmware]\nversion=300\nintact=true\n"));
        QVERIFY(startSim({QStringLiteral("--firmware-state"), state}));
        if (controller == QLatin1String("intact")) {
            QVERIFY(requestBootloader(port()));
            QTRY_VERIFY_WITH_TIMEOUT(m_sim->receivedCommand(0xB1), kRunMs);
        }
        QStringList arguments{QStringLiteral("bootloader"), QStringLiteral("--port"), port()};
        if (leave)
            arguments << QStringLiteral("--leave");
        ToolRun probe(arguments);
        QVERIFY(probe.runToEnd());
        QVERIFY2(probe.exitCode() == exitCode, qPrintable(probe.describe()));
        QCOMPARE(probe.outLines(), lines);
        QCOMPARE(probe.err().isEmpty(), exitCode == 0);
        QCOMPARE(firmwareVersionOnLink(port()), linkVersion);
    }

    void bootloaderNeedsAPort()
    {
        ToolRun missing({QStringLiteral("bootloader"), QStringLiteral("--port"),
                         path(QStringLiteral("no-such-device"))});
        QVERIFY(missing.runToEnd());
        QVERIFY2(missing.exitCode() == 3, qPrintable(missing.describe()));
        ToolRun none({QStringLiteral("bootloader")});
        QVERIFY(none.runToEnd());
        QVERIFY2(none.exitCode() == 2, qPrintable(none.describe()));
        ToolRun wrong({QStringLiteral("flash"), QStringLiteral("--port"), QStringLiteral("x"),
                       QStringLiteral("f.qmtvf"), QStringLiteral("--leave")});
        QVERIFY(wrong.runToEnd());
        QVERIFY2(wrong.exitCode() == 2, qPrintable(wrong.describe()));
    }

    void olderImageNeedsAllowDowngrade_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<bool>("allowed");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("older, refused") << 140 << false << 1;
        QTest::newRow("the same, refused") << 300 << false << 1;
        QTest::newRow("older, allowed") << 140 << true << 0;
    }

    // The controller reports 3.00 (more than its version byte holds): an older or the same
    // image is flashed only with --allow-downgrade.
    void olderImageNeedsAllowDowngrade()
    {
        QFETCH(int, version);
        QFETCH(bool, allowed);
        QFETCH(int, exitCode);
        QVERIFY(startSim({QStringLiteral("--firmware"), QStringLiteral("300")}));
        const QStringList extra =
            allowed ? QStringList{QStringLiteral("--allow-downgrade")} : QStringList{};
        ToolRun flash(flashArguments(firmware(static_cast<quint16>(version)), extra));
        QVERIFY(flash.runToEnd(kRunMs));
        QVERIFY2(flash.exitCode() == exitCode, qPrintable(flash.describe()));
        QCOMPARE(flash.out().contains(QStringLiteral("Upgraded OK")), allowed);
    }
};

QTEST_GUILESS_MAIN(TestFctoolFlash)
#include "tst_fctoolflash.moc"
