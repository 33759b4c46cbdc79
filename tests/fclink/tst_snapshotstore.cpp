// The configuration history: snapshots as parameter files with an index, shared by programs.
#include "fclink/link/parameterslices.h"
#include "fclink/storage/parameterfile.h"
#include "fclink/storage/snapshotstore.h"
#include "tests/support/scratchmount.h"

#include <QtTest>

using namespace fclink;

namespace {

BlockImage blockOf(int seed)
{
    BlockImage block;
    for (int i = 0; i < kParameterBlockSize; ++i)
        block.bytes()[i] = static_cast<quint8>(seed * 31 + i);
    return block;
}

Snapshot take(SnapshotStore &store, const BlockImage &block,
              SnapshotReason reason = SnapshotReason::Connect, const QString &note = QString())
{
    Snapshot snapshot;
    QString error;
    if (!store.take(block, reason, note, 0x26, 105, &snapshot, &error))
        qWarning() << error;
    return snapshot;
}

SnapshotDetails details(SnapshotReason reason, const QString &note, int firmware = 105,
                        const QString &port = QString())
{
    SnapshotDetails d;
    d.reason = reason;
    d.note = note;
    d.deviceId = 0x26;
    d.firmwareVersion = firmware;
    d.port = port;
    return d;
}

void damageIndex(const QString &folder, bool remove)
{
    const QString index = QDir(folder).filePath("index.json");
    if (remove) {
        QFile::remove(index);
        return;
    }
    QFile file(index);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write("{ \"version\": 1, \"snapshots\": [ {\"file\": ");
}

} // namespace

class TestSnapshotStore : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString folder() const { return m_dir.filePath(QStringLiteral("snapshots")); }

private slots:
    void init() { QDir(folder()).removeRecursively(); }

    void snapshotIsAParameterFileWithItsDetails()
    {
        SnapshotStore store(folder());
        QVERIFY(store.list().isEmpty());
        const Snapshot taken = take(store, blockOf(1), SnapshotReason::OnDemand, "before tuning");
        QVERIFY(QFileInfo(taken.path).isFile());
        QCOMPARE(QFileInfo(taken.path).absolutePath(), QFileInfo(folder()).absoluteFilePath());
        BlockImage loaded;
        QString error;
        QVERIFY2(loadParameterFileStrict(taken.path, &loaded, &error), qPrintable(error));
        QVERIFY(loaded == blockOf(1));

        const QVector<Snapshot> listed = SnapshotStore(folder()).list();
        QCOMPARE(listed.size(), 1);
        QCOMPARE(listed.first().path, taken.path);
        QCOMPARE(listed.first().note, QStringLiteral("before tuning"));
        QCOMPARE(listed.first().reason, SnapshotReason::OnDemand);
        QCOMPARE(listed.first().deviceId, 0x26);
        QCOMPARE(listed.first().firmwareVersion, 105);
        QVERIFY(qAbs(listed.first().time.secsTo(QDateTime::currentDateTimeUtc())) < 60);
        QVERIFY(listed.first().readBlock() == blockOf(1));
    }

    void equalBlockIsNotStoredTwiceButNewestFirst()
    {
        SnapshotStore store(folder());
        const Snapshot first = take(store, blockOf(1));
        const Snapshot again = take(store, blockOf(1));
        QCOMPARE(again.path, first.path);
        QCOMPARE(store.list().size(), 1);
        const Snapshot second = take(store, blockOf(2));
        take(store, blockOf(1)); // equal to an older one, not to the newest: stored
        const QVector<Snapshot> listed = store.list();
        QCOMPARE(listed.size(), 3);
        QCOMPARE(listed.at(1).path, second.path);
        QCOMPARE(listed.at(2).path, first.path);
        QVERIFY(listed.at(0).readBlock() == blockOf(1));
    }

    void pruningKeepsTheNewestAndEverySnapshotBeforeAFlash()
    {
        SnapshotStore store(folder());
        const Snapshot beforeFlash = take(store, blockOf(1), SnapshotReason::BeforeFlash);
        const Snapshot oldest = take(store, blockOf(2));
        // A flash backup equal to the newest snapshot is pinned as an entry of its own.
        const Snapshot connect = take(store, blockOf(3));
        const Snapshot secondBackup = take(store, blockOf(3), SnapshotReason::BeforeFlash);
        QVERIFY(secondBackup.path != connect.path);
        for (int i = 4; i < 4 + SnapshotStore::kMaxSnapshots; ++i)
            take(store, blockOf(i));
        const QVector<Snapshot> listed = store.list();
        QCOMPARE(listed.size(), SnapshotStore::kMaxSnapshots);
        QCOMPARE(listed.last().path, beforeFlash.path);
        QCOMPARE(listed.at(listed.size() - 2).path, secondBackup.path);
        QVERIFY(!QFileInfo::exists(oldest.path));
        QVERIFY(!QFileInfo::exists(connect.path));
        QVERIFY(QFileInfo::exists(beforeFlash.path));
        QCOMPARE(QDir(folder()).entryList({"snapshot-*.conf"}, QDir::Files).size(),
                 SnapshotStore::kMaxSnapshots);
    }

    void damagedIndexAndForeignFilesAreSkipped()
    {
        SnapshotStore store(folder());
        const Snapshot a = take(store, blockOf(1));
        const Snapshot b = take(store, blockOf(2));
        // A foreign file, a damaged snapshot file and a damaged index.
        {
            QFile foreign(QDir(folder()).filePath("notes.txt"));
            QVERIFY(foreign.open(QIODevice::WriteOnly));
            foreign.write("not a snapshot");
            QFile damaged(b.path);
            QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
            damaged.write("[General]\nvar0=1\n");
            QFile index(QDir(folder()).filePath("index.json"));
            QVERIFY(index.open(QIODevice::WriteOnly | QIODevice::Truncate));
            index.write("{ \"version\": 1, \"snapshots\": [ {\"file\": ");
        }
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("damaged index"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("notes.txt"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QFileInfo(b.path).fileName()));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("rebuilt the index"));
        const QVector<Snapshot> listed = store.list();
        QCOMPARE(listed.size(), 1);
        QCOMPARE(listed.first().path, a.path);
        // The file says why it was taken, and that it is not pinned.
        QVERIFY(!listed.first().pinned);
        QCOMPARE(listed.first().reason, SnapshotReason::Connect);

        // The rebuilt index was written: taking one reads it as it is.
        const Snapshot c = take(store, blockOf(3), SnapshotReason::OnDemand, "after repair");
        QCOMPARE(store.list().size(), 2);
        QCOMPARE(store.list().first().path, c.path);
        QCOMPARE(store.list().first().note, QStringLiteral("after repair"));
    }

    void indexEntryOutsideTheFolderIsRefused()
    {
        QVERIFY(QDir().mkpath(folder()));
        QFile index(QDir(folder()).filePath("index.json"));
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.write(R"({"version": 1, "snapshots": [
            {"file": "../../etc/passwd", "time": "2026-01-01T00:00:00.000Z",
             "reason": "connect"}]})");
        index.close();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("damaged index entry"));
        QVERIFY(SnapshotStore(folder()).list().isEmpty());
    }

    void unwritableFolderFailsWithAReason()
    {
        QFile blocker(folder());
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
        blocker.close();
        SnapshotStore store(folder());
        Snapshot snapshot;
        QString error;
        QVERIFY(
            !store.take(blockOf(1), SnapshotReason::Connect, QString(), 0, 0, &snapshot, &error));
        QVERIFY2(error.contains(folder()), qPrintable(error));
        QFile::remove(folder());
    }

    // A damaged or missing index with a full history: the snapshot just taken stays, every
    // file keeps its own pinned flag, note, reason, firmware and port, and the rebuild says so.
    void rebuiltIndexKeepsWhatEachFileSays_data()
    {
        QTest::addColumn<bool>("remove");
        QTest::newRow("damaged index") << false;
        QTest::newRow("missing index") << true;
    }

    void rebuiltIndexKeepsWhatEachFileSays()
    {
        QFETCH(bool, remove);
        SnapshotStore store(folder());
        Snapshot snapshot;
        QString error;
        QVERIFY2(store.take(blockOf(1),
                            details(SnapshotReason::BeforeFlash, QString(), 300, "/dev/ttyUSB0"),
                            &snapshot, &error),
                 qPrintable(error));
        const Snapshot backup = snapshot;
        QVERIFY(store.take(blockOf(2), details(SnapshotReason::OnDemand, "two\nlines", 121),
                           &snapshot, &error));
        const Snapshot noted = snapshot;
        for (int i = 3; i < 3 + SnapshotStore::kMaxSnapshots; ++i)
            take(store, blockOf(i));
        QCOMPARE(store.list().size(), SnapshotStore::kMaxSnapshots);
        QVERIFY(!QFileInfo::exists(noted.path)); // pruned: it was not pinned

        damageIndex(folder(), remove);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("rebuilt the index"));
        if (!remove)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("damaged index"));
        SnapshotStore::TakeOutcome outcome = SnapshotStore::TakeOutcome::Stored;
        QVERIFY2(store.take(blockOf(999), details(SnapshotReason::BeforeImport, "safety"),
                            &snapshot, &error, &outcome),
                 qPrintable(error));
        QCOMPARE(outcome, SnapshotStore::TakeOutcome::Stored);
        QVERIFY(QFileInfo::exists(snapshot.path));

        const QVector<Snapshot> listed = store.list();
        QCOMPARE(listed.size(), SnapshotStore::kMaxSnapshots);
        QCOMPARE(listed.first().path, snapshot.path);
        QCOMPARE(listed.first().note, QStringLiteral("safety"));
        QCOMPARE(listed.first().reason, SnapshotReason::BeforeImport);
        QCOMPARE(listed.last().path, backup.path);
        QVERIFY(listed.last().pinned);
        QCOMPARE(listed.last().reason, SnapshotReason::BeforeFlash);
        QCOMPARE(listed.last().firmwareVersion, 300);
        QCOMPARE(listed.last().port, QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(listed.last().time, backup.time);
        int pinned = 0;
        for (const Snapshot &s : listed)
            pinned += s.pinned ? 1 : 0;
        QCOMPARE(pinned, 1);
    }

    void rebuildIsReportedByTheStore()
    {
        SnapshotStore store(folder());
        take(store, blockOf(1), SnapshotReason::OnDemand, QStringLiteral("kept"));
        bool rebuilt = true;
        store.list(&rebuilt);
        QVERIFY(!rebuilt);
        damageIndex(folder(), true);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("rebuilt the index"));
        const QVector<Snapshot> listed = store.list(&rebuilt);
        QVERIFY(rebuilt);
        QCOMPARE(listed.first().note, QStringLiteral("kept"));
        store.list(&rebuilt);
        QVERIFY(!rebuilt); // the rebuilt index was written
    }

    // Files written before the details lived in them still read, with nothing pinned.
    void oldFilesWithoutDetailsStillRead()
    {
        QVERIFY(QDir().mkpath(folder()));
        const QString old = QDir(folder()).filePath("snapshot-20250101-101010-000.conf");
        QString error;
        QVERIFY(saveParameterFile(old, blockOf(4), &error));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("rebuilt the index"));
        const QVector<Snapshot> listed = SnapshotStore(folder()).list();
        QCOMPARE(listed.size(), 1);
        QVERIFY(!listed.first().pinned);
        QCOMPARE(listed.first().reason, SnapshotReason::Unknown);
        QCOMPARE(listed.first().time, QDateTime(QDate(2025, 1, 1), QTime(10, 10, 10), Qt::UTC));
        QVERIFY(listed.first().readBlock() == blockOf(4));
    }

    // A file whose details line is damaged reads as a file of an older version: the time of its
    // name, nothing pinned, and it stays listed once the rebuilt index is written.
    void damagedDetailsReadAsAnOlderFile_data()
    {
        QTest::addColumn<QByteArray>("details");
        QTest::newRow("no time") << QByteArray("{\"reason\":\"connect\",\"pinned\":true}");
        QTest::newRow("a time that is none")
            << QByteArray("{\"time\":\"yesterday\",\"reason\":\"connect\",\"pinned\":true}");
        QTest::newRow("a reason no version writes") << QByteArray(
            "{\"time\":\"2026-03-04T05:06:07.000Z\",\"reason\":\"x\",\"pinned\":true}");
        QTest::newRow("no JSON") << QByteArray("{\"time\":\"2026-03-04T05:06");
    }

    void damagedDetailsReadAsAnOlderFile()
    {
        QFETCH(QByteArray, details);
        QVERIFY(QDir().mkpath(folder()));
        const QString path = QDir(folder()).filePath("snapshot-20250101-101010-000.conf");
        QString error;
        QVERIFY(saveParameterFile(path, blockOf(4), &error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray contents = "; kesto-snapshot " + details + '\n' + file.readAll();
        file.close();
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(contents);
        file.close();

        const SnapshotStore store(folder());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("rebuilt the index"));
        for (int pass = 0; pass < 2; ++pass) {
            const QVector<Snapshot> listed = store.list();
            QCOMPARE(listed.size(), 1);
            QCOMPARE(listed.first().time, QDateTime(QDate(2025, 1, 1), QTime(10, 10, 10), Qt::UTC));
            QCOMPARE(listed.first().reason, SnapshotReason::Unknown);
            QVERIFY(!listed.first().pinned);
            QCOMPARE(listed.first().readBlock(), blockOf(4));
        }
    }

    // A backup before a flash is an entry of its own, even when its bytes equal the newest.
    void backupBeforeAFlashIsAlwaysItsOwnEntry()
    {
        SnapshotStore store(folder());
        const Snapshot connect = take(store, blockOf(1), SnapshotReason::Connect);
        Snapshot backup;
        QString error;
        QVERIFY(store.take(blockOf(1), details(SnapshotReason::BeforeFlash, QString(), 300, "fc"),
                           &backup, &error));
        QVERIFY(backup.path != connect.path);
        const QVector<Snapshot> listed = store.list();
        QCOMPARE(listed.size(), 2);
        QCOMPARE(listed.first().reason, SnapshotReason::BeforeFlash);
        QCOMPARE(listed.first().firmwareVersion, 300);
        QVERIFY(listed.first().pinned);
        QCOMPARE(listed.last().reason, SnapshotReason::Connect);
        QVERIFY(!listed.last().pinned);
    }

    // A note given for a block equal to the newest snapshot is never dropped.
    void noteForAnUnchangedBlockIsKept()
    {
        SnapshotStore store(folder());
        const Snapshot first = take(store, blockOf(1), SnapshotReason::Connect);
        Snapshot taken;
        QString error;
        SnapshotStore::TakeOutcome outcome = SnapshotStore::TakeOutcome::Stored;
        QVERIFY(store.take(blockOf(1), details(SnapshotReason::OnDemand, "first flight"), &taken,
                           &error, &outcome));
        QCOMPARE(outcome, SnapshotStore::TakeOutcome::NoteAdded);
        QCOMPARE(taken.path, first.path);
        QCOMPARE(store.list().size(), 1);
        QCOMPARE(store.list().first().note, QStringLiteral("first flight"));

        // The newest has a note of its own already: the new one is a snapshot of its own.
        QVERIFY(store.take(blockOf(1), details(SnapshotReason::OnDemand, "second flight"), &taken,
                           &error, &outcome));
        QCOMPARE(outcome, SnapshotStore::TakeOutcome::StoredForItsNote);
        QVERIFY(taken.path != first.path);
        QCOMPARE(store.list().size(), 2);
        QCOMPARE(store.list().first().note, QStringLiteral("second flight"));
        QCOMPARE(store.list().last().note, QStringLiteral("first flight"));

        // Without a note an unchanged block adds nothing.
        QVERIFY(store.take(blockOf(1), details(SnapshotReason::OnDemand, QString()), &taken, &error,
                           &outcome));
        QCOMPARE(outcome, SnapshotStore::TakeOutcome::SameAsNewest);
        QCOMPARE(store.list().size(), 2);

        // Survives a rebuild too.
        damageIndex(folder(), true);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("rebuilt the index"));
        QCOMPARE(store.list().last().note, QStringLiteral("first flight"));
    }

    // A folder that cannot be written or a full disk is named as what it is, never as a lock
    // held by another program.
    void writeFailuresNameTheirCause_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("cause");
        QTest::newRow("read-only folder") << true << "read-only";
        QTest::newRow("full disk") << false << "no space left";
    }

    void writeFailuresNameTheirCause()
    {
        QFETCH(bool, readOnly);
        QFETCH(QString, cause);
        ScratchMount mount(m_dir.filePath(QStringLiteral("mount")));
        QString why;
        if (!mount.mount(64, readOnly, &why))
            QSKIP(qPrintable(why));
        if (!readOnly)
            QVERIFY(mount.fill());
        SnapshotStore store(mount.folder());
        Snapshot snapshot;
        QString error;
        QVERIFY(!store.take(blockOf(1), details(SnapshotReason::OnDemand, "x"), &snapshot, &error));
        QVERIFY2(!error.contains(QLatin1String("locked")), qPrintable(error));
        QVERIFY2(error.contains(cause, Qt::CaseInsensitive), qPrintable(error));
        QVERIFY2(error.contains(mount.folder()), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestSnapshotStore)
#include "tst_snapshotstore.moc"
