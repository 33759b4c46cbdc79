// fctool's firmware upgrades and bootloader commands against the simulated flight controller:
// the backup before a flash and its history entry, interrupting a flash, the inactivity limit,
// downgrades, a refused erase, and a controller waiting in its bootloader.
#include "simulatortest.h"
#include "testfolders.h"
#include "toolrun.h"

#include <firmwareimage.h>
#include <parameterfields.h>
#include <snapshotstore.h>

#include <QDir>
#include <QFileInfo>
#include <QtTest>

#include <csignal>

namespace {

constexpr int kRunMs = 90000;

QByteArray firmwareFile(quint16 version, int size = 8192)
{
    QByteArray image(size, '\0');
    quint32 state = version;
    for (char &byte : image) {
        state = state * 1664525U + 1013904223U;
        byte = static_cast<char>(state >> 24);
    }
    return fwupgrade::buildFirmwareFile(version, image);
}

bool writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

qint32 valueIn(const QVector<quint8> &block, const char *name)
{
    return fclink::readField(block.constData(), *fclink::findParameterField(QLatin1String(name)));
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
};

QTEST_GUILESS_MAIN(TestFctoolFlash)
#include "tst_fctoolflash.moc"
