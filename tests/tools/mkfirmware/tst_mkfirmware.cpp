// mkfirmware: the file it writes, its own version, and the firmware-version option's old
// spelling refused rather than taken for a question about the program's version.
#include "firmwareupgrade/firmwareimage.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run mkfirmware(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(MKFIRMWARE_PATH), arguments);
    Run run;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

} // namespace

class TestMkfirmware : public QObject
{
    Q_OBJECT

private slots:
    void writesAFileOfTheGivenVersion()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("fw.qmtvf");
        const Run run = mkfirmware({"--firmware-version", "120", "--size", "4096", file});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        fwupgrade::FirmwareImage image;
        QCOMPARE(fwupgrade::FirmwareImage::parseFile(file, &image),
                 fwupgrade::FirmwareImage::ParseResult::Ok);
        QCOMPARE(int(image.firmwareVersion()), 120);
        QCOMPARE(image.image().size(), 4096);
    }

    void printsItsOwnVersion()
    {
        const Run run = mkfirmware({"--version"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("mkfirmware " KESTO_VERSION "\n"));
    }

    // "--version 120" was the firmware version once: such a call must fail, not print the
    // program's version and end with success and no file.
    void oldSpellingOfTheFirmwareVersionIsRefused()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("fw.qmtvf");
        const Run run = mkfirmware({"--version", "120", "--size", "4096", file});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains("--firmware-version"), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
        QVERIFY(!QFile::exists(file));
    }
};

QTEST_GUILESS_MAIN(TestMkfirmware)
#include "tst_mkfirmware.moc"
