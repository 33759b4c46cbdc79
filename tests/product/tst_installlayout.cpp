// Where the programs find their data and each other: the installed layout (bin/ beside
// share/kesto-tarvel2-assistant) and the build tree's (everything in one folder), always from
// the program's own folder and never from the working folder.
#include "product/installlayout.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

bool writeProgram(const QString &path, QFile::Permissions permissions)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write("#!/bin/sh\nexit 0\n") < 0)
        return false;
    file.close();
    return file.setPermissions(permissions);
}

const QFile::Permissions kExecutable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

// Changes the working folder for one test and back.
class WorkingFolder
{
public:
    explicit WorkingFolder(const QString &folder) : m_saved(QDir::currentPath())
    {
        QDir::setCurrent(folder);
    }
    ~WorkingFolder() { QDir::setCurrent(m_saved); }

private:
    QString m_saved;
};

} // namespace

class TestInstallLayout : public QObject
{
    Q_OBJECT

private slots:
    void dataFolderOfEachLayout_data()
    {
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QString>("programFolder");
        QTest::addColumn<QString>("expected");
        QTest::newRow("build tree: beside the program") << QStringList{"build/bin"} << "build/bin"
                                                        << "build/bin";
        QTest::newRow("installed")
            << QStringList{"usr/bin", "usr/share/kesto-tarvel2-assistant"} << "usr/bin"
            << "usr/share/kesto-tarvel2-assistant";
        QTest::newRow("installed elsewhere, program folder named otherwise")
            << QStringList{"opt/kesto/tools", "opt/kesto/share/kesto-tarvel2-assistant"}
            << "opt/kesto/tools"
            << "opt/kesto/share/kesto-tarvel2-assistant";
        QTest::newRow("another product's share folder")
            << QStringList{"usr/bin", "usr/share/other"} << "usr/bin"
            << "usr/bin";
    }

    void dataFolderOfEachLayout()
    {
        QFETCH(QStringList, folders);
        QFETCH(QString, programFolder);
        QFETCH(QString, expected);
        QTemporaryDir root;
        for (const QString &folder : folders)
            QVERIFY(QDir(root.path()).mkpath(folder));
        QCOMPARE(InstallLayout::dataFolderFor(root.filePath(programFolder)),
                 root.filePath(expected));
    }

    // A file where the data folder would be is no data folder.
    void fileInPlaceOfTheDataFolder()
    {
        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkpath("bin"));
        QVERIFY(QDir(root.path()).mkpath("share"));
        QVERIFY(writeProgram(root.filePath("share/kesto-tarvel2-assistant"), kExecutable));
        QCOMPARE(InstallLayout::dataFolderFor(root.filePath("bin")), root.filePath("bin"));
    }

    // Whatever the working folder holds, the running program's data folder stays the same.
    void workingFolderChangesNothing()
    {
        const QString before = InstallLayout::dataFolder();
        QCOMPARE(before, InstallLayout::dataFolderFor(QCoreApplication::applicationDirPath()));
        QTemporaryDir other;
        QVERIFY(QDir(other.path()).mkpath("doc/en_US"));
        QVERIFY(QDir(other.path()).mkpath("share/kesto-tarvel2-assistant"));
        WorkingFolder inOther(other.path());
        QCOMPARE(InstallLayout::dataFolder(), before);
    }

    void programInAFolder_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("found");
        QTest::newRow("executable file") << "executable" << true;
        QTest::newRow("link to an executable file") << "link" << true;
        QTest::newRow("file that is not executable") << "plain" << false;
        QTest::newRow("folder of that name") << "folder" << false;
        QTest::newRow("nothing") << "none" << false;
    }

    void programInAFolder()
    {
        QFETCH(QString, kind);
        QFETCH(bool, found);
        QTemporaryDir dir;
        const QString path = dir.filePath("Saybox");
        if (kind == QLatin1String("executable")) {
            QVERIFY(writeProgram(path, kExecutable));
        } else if (kind == QLatin1String("link")) {
            QVERIFY(writeProgram(dir.filePath("real"), kExecutable));
            QVERIFY(QFile::link(dir.filePath("real"), path));
        } else if (kind == QLatin1String("plain")) {
            QVERIFY(writeProgram(path, QFile::ReadOwner | QFile::WriteOwner));
        } else if (kind == QLatin1String("folder")) {
            QVERIFY(QDir(dir.path()).mkdir("Saybox"));
        }
        QCOMPARE(InstallLayout::programIn(dir.path(), "Saybox"), found ? path : QString());
        QVERIFY(InstallLayout::programIn(QString(), "Saybox").isEmpty());
    }

    // A program of that name in the working folder is never the one started.
    void siblingIsNeverTakenFromTheWorkingFolder()
    {
        QTemporaryDir other;
        QVERIFY(writeProgram(other.filePath("KestoNoSuchProgram"), kExecutable));
        WorkingFolder inOther(other.path());
        QVERIFY(InstallLayout::siblingProgram("KestoNoSuchProgram").isEmpty());
        // The test program itself lies beside itself.
        const QString self = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
        QCOMPARE(InstallLayout::siblingProgram(self), QCoreApplication::applicationFilePath());
    }
};

QTEST_GUILESS_MAIN(TestInstallLayout)
#include "tst_installlayout.moc"
