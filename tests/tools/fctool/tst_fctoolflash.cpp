// fctool's firmware upgrades and bootloader commands against the simulated flight controller:
// the backup before a flash and its history entry, interrupting a flash, the inactivity limit,
// downgrades, a refused erase, and a controller waiting in its bootloader.
#include "fclink/model/parameterfields.h"
#include "fclink/storage/snapshotstore.h"
#include "firmwareupgrade/firmwareimage.h"
#include "firmwareupgrade/sampleimage.h"
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
