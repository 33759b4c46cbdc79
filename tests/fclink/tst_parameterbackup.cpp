// The parameter backup taken before a firmware upgrade: that it lands in the configuration
// history as a pinned snapshot, never replaces an earlier one, reads back exactly, and how it
// tells the fields that differ.
#include "fclink/link/parameterslices.h"
#include "fclink/model/parameterfields.h"
#include "fclink/storage/parameterbackup.h"
#include "fclink/storage/snapshotstore.h"

#include <QTemporaryDir>
#include <QtTest>

using fclink::ParameterBackup;

namespace {

fclink::BlockImage sampleBlock(int seed)
{
    fclink::BlockImage block;
    for (int i = 0; i < fclink::kParameterBlockSize; ++i)
        block.bytes()[i] = static_cast<quint8>((i * 7 + seed) & 0xFF);
    return block;
}

} // namespace

class TestParameterBackup : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_home;

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("XDG_DATA_HOME", m_home.path().toUtf8());
    }

    void savesIntoTheBackupsFolderAndReadsBack()
    {
        QCOMPARE(ParameterBackup::folder(), fclink::SnapshotStore::defaultFolder());
        QVERIFY(ParameterBackup::folder().startsWith(m_home.path()));
        const fclink::BlockImage block = sampleBlock(3);
        QString error;
        const ParameterBackup saved = ParameterBackup::save(block, 0x26, 300, &error);
        QVERIFY2(saved.isValid(), qPrintable(error));
        QCOMPARE(QFileInfo(saved.path()).absolutePath(), ParameterBackup::folder());
        // In the history: taken before a flash, so pinned, with the controller's identity.
        const QVector<fclink::Snapshot> history = fclink::SnapshotStore().list();
        QVERIFY(!history.isEmpty());
        QCOMPARE(QFileInfo(history.first().path).absoluteFilePath(), saved.path());
        QCOMPARE(history.first().reason, fclink::SnapshotReason::BeforeFlash);
        QVERIFY(history.first().pinned);
        QCOMPARE(history.first().firmwareVersion, 300);
        QVERIFY(saved.path().endsWith(QLatin1String(".conf")));
        QVERIFY(saved.block() == block);

        const ParameterBackup read = ParameterBackup::load(saved.path(), &error);
        QVERIFY2(read.isValid(), qPrintable(error));
        // Stored under each field's type, so every field comes back as it was.
        QCOMPARE(read.differingFields(block), 0);
    }

    void neverReplacesAnEarlierBackup()
    {
        QString error;
        const ParameterBackup first = ParameterBackup::save(sampleBlock(1), 0x26, 105, &error);
        const ParameterBackup second = ParameterBackup::save(sampleBlock(2), 0x26, 105, &error);
        QVERIFY(first.isValid() && second.isValid());
        QVERIFY(first.path() != second.path());
        QCOMPARE(ParameterBackup::load(first.path(), &error).differingFields(sampleBlock(1)), 0);
    }

    void countsTheFieldsThatDiffer()
    {
        fclink::BlockImage block = sampleBlock(5);
        quint8 *bytes = block.bytes();
        QString error;
        const ParameterBackup saved = ParameterBackup::save(block, 0x26, 105, &error);
        QVERIFY(saved.isValid());
        const fclink::ParameterField *wide = fclink::findParameterField(QStringLiteral("LimitAlt"));
        const fclink::ParameterField *narrow =
            fclink::findParameterField(QStringLiteral("MotorIdel"));
        QVERIFY(wide && narrow);
        // Both bytes of a 16-bit field count once.
        bytes[wide->offset] ^= 0xFF;
        bytes[wide->offset + 1] ^= 0xFF;
        bytes[narrow->offset] += 1;
        QCOMPARE(saved.differingFields(block), 2);
    }

    void unwritableFolderFailsWithAReason()
    {
        const QString blocked = m_home.filePath(QStringLiteral("blocked"));
        QFile file(blocked);
        QVERIFY(file.open(QIODevice::WriteOnly)); // a file where the data folder would be
        file.close();
        qputenv("XDG_DATA_HOME", blocked.toUtf8());
        QString error;
        const ParameterBackup saved = ParameterBackup::save(sampleBlock(1), 0x26, 105, &error);
        qputenv("XDG_DATA_HOME", m_home.path().toUtf8());
        QVERIFY(!saved.isValid());
        QVERIFY(!error.isEmpty());
    }

    void damagedFileIsNoBackup()
    {
        const QString path = m_home.filePath(QStringLiteral("bad.conf"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[General]\nvar0=banana\n");
        file.close();
        QString error;
        QVERIFY(!ParameterBackup::load(path, &error).isValid());
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestParameterBackup)
#include "tst_parameterbackup.moc"
