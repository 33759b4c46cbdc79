// The configuration history: snapshots as parameter files with an index, shared by programs.
#include "parameterfile.h"
#include "parameterslices.h"
#include "snapshotstore.h"

#include <QtTest>

using namespace fclink;

namespace {

QByteArray blockOf(int seed)
{
    QByteArray block(kParameterBlockSize, '\0');
    for (int i = 0; i < block.size(); ++i)
        block[i] = static_cast<char>(seed * 31 + i);
    return block;
}

const quint8 *bytes(const QByteArray &block)
{
    return reinterpret_cast<const quint8 *>(block.constData());
}

Snapshot take(SnapshotStore &store, const QByteArray &block,
              SnapshotReason reason = SnapshotReason::Connect, const QString &note = QString())
{
    Snapshot snapshot;
    QString error;
    if (!store.take(bytes(block), reason, note, 0x26, 105, &snapshot, &error))
        qWarning() << error;
    return snapshot;
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
        QByteArray loaded(kParameterBlockSize, '\0');
        QString error;
        QVERIFY2(
            loadParameterFileStrict(taken.path, reinterpret_cast<quint8 *>(loaded.data()), &error),
            qPrintable(error));
        QCOMPARE(loaded, blockOf(1));

        const QVector<Snapshot> listed = SnapshotStore(folder()).list();
        QCOMPARE(listed.size(), 1);
        QCOMPARE(listed.first().path, taken.path);
        QCOMPARE(listed.first().note, QStringLiteral("before tuning"));
        QCOMPARE(listed.first().reason, SnapshotReason::OnDemand);
        QCOMPARE(listed.first().deviceId, 0x26);
        QCOMPARE(listed.first().firmwareVersion, 105);
        QVERIFY(qAbs(listed.first().time.secsTo(QDateTime::currentDateTimeUtc())) < 60);
        QCOMPARE(listed.first().readBlock(), blockOf(1));
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
        QCOMPARE(listed.at(0).readBlock(), blockOf(1));
    }

    void pruningKeepsTheNewestAndEverySnapshotBeforeAFlash()
    {
        SnapshotStore store(folder());
        const Snapshot beforeFlash = take(store, blockOf(1), SnapshotReason::BeforeFlash);
        const Snapshot oldest = take(store, blockOf(2));
        // A flash backup equal to the newest snapshot pins that one instead.
        const Snapshot connect = take(store, blockOf(3));
        QCOMPARE(take(store, blockOf(3), SnapshotReason::BeforeFlash).path, connect.path);
        for (int i = 4; i < 4 + SnapshotStore::kMaxSnapshots; ++i)
            take(store, blockOf(i));
        const QVector<Snapshot> listed = store.list();
        QCOMPARE(listed.size(), SnapshotStore::kMaxSnapshots);
        QCOMPARE(listed.last().path, beforeFlash.path);
        QCOMPARE(listed.at(listed.size() - 2).path, connect.path);
        QVERIFY(!QFileInfo::exists(oldest.path));
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
        const QVector<Snapshot> listed = store.list();
        QCOMPARE(listed.size(), 1);
        QCOMPARE(listed.first().path, a.path);
        QVERIFY(listed.first().pinned); // nothing says why it was taken

        // Taking one writes a sound index again.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("damaged index"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("notes.txt"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QFileInfo(b.path).fileName()));
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
        QVERIFY(!store.take(bytes(blockOf(1)), SnapshotReason::Connect, QString(), 0, 0, &snapshot,
                            &error));
        QVERIFY2(error.contains(folder()), qPrintable(error));
        QFile::remove(folder());
    }
};

QTEST_GUILESS_MAIN(TestSnapshotStore)
#include "tst_snapshotstore.moc"
