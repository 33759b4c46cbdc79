// fctool's snapshot and history commands against the simulated flight controller: notes are
// never dropped and stay on one line, a damaged or missing index of a full history is rebuilt
// without losing the new snapshot, and a folder that cannot be written says why.
#include "fclink/link/parameterslices.h"
#include "fclink/storage/snapshotstore.h"
#include "tests/support/scratchmount.h"
#include "tests/support/simulatortest.h"
#include "tests/support/testfolders.h"
#include "toolrun.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

namespace {

QString snapshotFolder()
{
    return fclink::SnapshotStore::defaultFolder();
}

QString indexPath()
{
    return QDir(snapshotFolder()).filePath(QStringLiteral("index.json"));
}

} // namespace

class TestFctoolHistory : public SimulatorTest
{
    Q_OBJECT

private:
    QString port() const { return m_sim->linkPath(); }

    // Runs fctool snapshot with the extra arguments; its stdout lines.
    QStringList snapshot(const QStringList &extra = {}, int expectedExit = 0)
    {
        ToolRun run(QStringList{QStringLiteral("snapshot"), QStringLiteral("--port"), port()} +
                    extra);
        if (!run.runToEnd())
            return {QStringLiteral("did not end")};
        if (run.exitCode() != expectedExit)
            return {run.describe()};
        return run.outLines();
    }

    QStringList history(QString *err = nullptr)
    {
        ToolRun run({QStringLiteral("history")});
        if (!run.runToEnd() || run.exitCode() != 0)
            return {run.describe()};
        if (err)
            *err = run.err();
        return run.outLines();
    }

private slots:
    void init()
    {
        SimulatorTest::init();
        useTestFolders(m_dir->path());
        QVERIFY(startSim());
    }

    // A note given while the parameters equal the newest snapshot is stored, and the tool says
    // where it went.
    void noteForUnchangedParametersIsKept()
    {
        const QStringList first = snapshot();
        QCOMPARE(first.size(), 1);
        const QStringList noted = snapshot({QStringLiteral("--note"), QStringLiteral("maiden")});
        QCOMPARE(noted.size(), 2);
        QCOMPARE(noted.at(0), first.at(0));
        QCOMPARE(noted.at(1),
                 QStringLiteral("The parameters equal the newest snapshot: the note was added "
                                "to it"));
        QStringList lines = history();
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.first().endsWith(QStringLiteral("\"maiden\"")), qPrintable(lines.first()));

        // A second note does not replace the first: it becomes a snapshot of its own.
        const QStringList second = snapshot({QStringLiteral("--note"), QStringLiteral("second")});
        QCOMPARE(second.size(), 2);
        QVERIFY(second.at(0) != first.at(0));
        QCOMPARE(second.at(1),
                 QStringLiteral("The parameters equal the newest snapshot, which has a note of "
                                "its own: stored as a new snapshot"));
        lines = history();
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines.at(0).endsWith(QStringLiteral("\"second\"")));
        QVERIFY(lines.at(1).endsWith(QStringLiteral("\"maiden\"")));
    }

    // The history shows the whole version the controller reports, not the replies' low byte.
    void snapshotRecordsTheWholeFirmwareVersion()
    {
        m_sim.reset();
        QVERIFY(startSim({QStringLiteral("--firmware"), QStringLiteral("300")}));
        QCOMPARE(snapshot().size(), 1);
        const QStringList lines = history();
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.first().contains(QStringLiteral("firmware 3.00")),
                 qPrintable(lines.first()));
    }

    // One line per snapshot whatever the note holds.
    void notesStayOnOneLine()
    {
        const QString note = QStringLiteral("line one\nline \"two\"\r\ttab \\ end");
        QCOMPARE(snapshot({QStringLiteral("--note"), note}).size(), 1);
        const QStringList lines = history();
        QCOMPARE(lines.size(), 1);
        const QString escaped = QStringLiteral("\"line one\\nline \\\"two\\\"\\r\\ttab "
                                               "\\\\ end\"");
        QVERIFY2(lines.first().endsWith(escaped), qPrintable(lines.first()));
    }

    // With a full history and the index gone or damaged, the snapshot just taken stays, the
    // pinned ones stay pinned, and the rebuild is reported.
    void fullHistoryWithoutIndexKeepsTheNewSnapshot_data()
    {
        QTest::addColumn<bool>("remove");
        QTest::newRow("missing index") << true;
        QTest::newRow("damaged index") << false;
    }

    void fullHistoryWithoutIndexKeepsTheNewSnapshot()
    {
        QFETCH(bool, remove);
        fclink::SnapshotStore store;
        fclink::BlockImage block;
        for (int i = 0; i < fclink::SnapshotStore::kMaxSnapshots; ++i) {
            block.bytes()[0] = static_cast<quint8>(i);
            block.bytes()[1] = static_cast<quint8>(i >> 8);
            fclink::SnapshotDetails details;
            details.reason =
                i == 0 ? fclink::SnapshotReason::BeforeFlash : fclink::SnapshotReason::Connect;
            details.deviceId = 0x26;
            details.firmwareVersion = 105;
            fclink::Snapshot taken;
            QString error;
            QVERIFY2(store.take(block, details, &taken, &error), qPrintable(error));
        }
        if (remove) {
            QVERIFY(QFile::remove(indexPath()));
        } else {
            QFile index(indexPath());
            QVERIFY(index.open(QIODevice::WriteOnly | QIODevice::Truncate));
            index.write("{\"version\": 1, \"snap");
        }

        const QStringList taken = snapshot({QStringLiteral("--note"), QStringLiteral("new")});
        QCOMPARE(taken.size(), 1);
        QVERIFY2(QFileInfo::exists(taken.first()), qPrintable(taken.first()));
        QString err;
        QStringList lines = history(&err);
        QCOMPARE(lines.size(), fclink::SnapshotStore::kMaxSnapshots);
        QVERIFY2(lines.first().contains(taken.first()), qPrintable(lines.first()));
        QVERIFY(lines.last().contains(QStringLiteral("before-flash")));

        // The history itself reports a rebuild it had to make.
        QVERIFY(QFile::remove(indexPath()));
        lines = history(&err);
        QCOMPARE(lines.size(), fclink::SnapshotStore::kMaxSnapshots);
        QVERIFY2(err.contains(QStringLiteral("rebuilt")), qPrintable(err));
        QVERIFY(lines.first().endsWith(QStringLiteral("\"new\"")));
    }

    // A snapshot folder on a file system that takes nothing names that cause.
    void unwritableFolderNamesTheCause_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("cause");
        QTest::newRow("read-only") << true << "read-only";
        QTest::newRow("full disk") << false << "no space left";
    }

    void unwritableFolderNamesTheCause()
    {
        QFETCH(bool, readOnly);
        QFETCH(QString, cause);
        ScratchMount mount(snapshotFolder());
        QString why;
        if (!mount.mount(64, readOnly, &why))
            QSKIP(qPrintable(why));
        if (!readOnly)
            QVERIFY(mount.fill());
        ToolRun run({QStringLiteral("snapshot"), QStringLiteral("--port"), port()});
        QVERIFY(run.runToEnd());
        QVERIFY2(run.exitCode() != 0, qPrintable(run.describe()));
        QVERIFY2(!run.err().contains(QStringLiteral("locked")), qPrintable(run.err()));
        QVERIFY2(run.err().contains(cause, Qt::CaseInsensitive), qPrintable(run.err()));
    }
};

QTEST_GUILESS_MAIN(TestFctoolHistory)
#include "tst_fctoolhistory.moc"
