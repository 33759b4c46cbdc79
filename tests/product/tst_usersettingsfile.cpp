// The user's settings file: in their configuration folder, one per user, and an earlier
// version's sys.ini (beside the program or in the working folder) taken over once, its two
// values only, the old file left as it was.
#include "product/usersettingsfile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QVariantMap valuesIn(const QString &path)
{
    QVariantMap values;
    const QSettings settings(path, QSettings::IniFormat);
    for (const QString &key : settings.allKeys())
        values.insert(key, settings.value(key));
    return values;
}

} // namespace

class TestUserSettingsFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_config;

    QString folder(const char *name) const { return m_dir.filePath(QLatin1String(name)); }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QDir(m_dir.path()).removeRecursively();
        for (const char *name : {"program", "working"})
            QVERIFY(QDir().mkpath(folder(name)));
        m_config = folder("config");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config));
    }

    void fileLiesInTheUsersConfigurationFolder()
    {
        QCOMPARE(UserSettingsFile::path(), m_config + "/KestoTarvel2Assistant/sys.ini");
    }

    // Each user's configuration folder has its own file.
    void twoUsersHaveTwoFiles()
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder("anna")));
        const QString anna = UserSettingsFile::path();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder("ben")));
        const QString ben = UserSettingsFile::path();
        QVERIFY(anna.startsWith(folder("anna") + "/"));
        QVERIFY(ben.startsWith(folder("ben") + "/"));
    }

    void oldFileIsTakenOver_data()
    {
        QTest::addColumn<QByteArray>("besideProgram"); // null: no file
        QTest::addColumn<QByteArray>("inWorkingFolder");
        QTest::addColumn<QString>("takenFrom");
        QTest::addColumn<QVariantMap>("values");
        const QByteArray none;
        QTest::newRow("beside the program")
            << QByteArray("[System]\nlang=2\nPort=COM3\n") << none << "program"
            << QVariantMap{{"System/lang", "2"}, {"System/Port", "COM3"}};
        QTest::newRow("in the working folder")
            << none << QByteArray("[System]\nlang=1\nPort=ttyUSB0\n") << "working"
            << QVariantMap{{"System/lang", "1"}, {"System/Port", "ttyUSB0"}};
        QTest::newRow("the program's folder first")
            << QByteArray("[System]\nlang=2\n") << QByteArray("[System]\nlang=1\n") << "program"
            << QVariantMap{{"System/lang", "2"}};
        QTest::newRow("its two values only")
            << QByteArray("[System]\nlang=1\nPort=COM4\nExtra=1\n[Window]\nx=5\n") << none
            << "program" << QVariantMap{{"System/lang", "1"}, {"System/Port", "COM4"}};
        QTest::newRow("a port only") << none << QByteArray("[System]\nPort=/dev/ttyACM0\n")
                                     << "working" << QVariantMap{{"System/Port", "/dev/ttyACM0"}};
        QTest::newRow("unusable values: nothing taken")
            << QByteArray("[System]\nlang=abc\nPort=\"COM\\x1\"\n") << none << "" << QVariantMap();
        QTest::newRow("nothing of the kind") << none << none << "" << QVariantMap();
    }

    void oldFileIsTakenOver()
    {
        QFETCH(QByteArray, besideProgram);
        QFETCH(QByteArray, inWorkingFolder);
        QFETCH(QString, takenFrom);
        QFETCH(QVariantMap, values);
        if (!besideProgram.isNull())
            QVERIFY(writeAll(folder("program") + "/sys.ini", besideProgram));
        if (!inWorkingFolder.isNull())
            QVERIFY(writeAll(folder("working") + "/sys.ini", inWorkingFolder));

        const QString taken =
            UserSettingsFile::adoptOldFile({folder("program"), folder("working")});
        if (takenFrom.isEmpty()) {
            QVERIFY(taken.isEmpty());
            QVERIFY(!QFile::exists(UserSettingsFile::path()));
            return;
        }
        QCOMPARE(taken, QDir(folder(qPrintable(takenFrom))).filePath("sys.ini"));
        QCOMPARE(valuesIn(UserSettingsFile::path()), values);
        // The old files stay as they were.
        if (!besideProgram.isNull())
            QCOMPARE(readAll(folder("program") + "/sys.ini"), besideProgram);
        if (!inWorkingFolder.isNull())
            QCOMPARE(readAll(folder("working") + "/sys.ini"), inWorkingFolder);
    }

    // Once the user has a file, no old file is read again: later changes to it are not taken.
    void oldFileIsReadOnce()
    {
        const QString old = folder("working") + "/sys.ini";
        QVERIFY(writeAll(old, "[System]\nlang=1\n"));
        QVERIFY(!UserSettingsFile::adoptOldFile({folder("working")}).isEmpty());
        QVERIFY(writeAll(old, "[System]\nlang=2\nPort=COM9\n"));
        QVERIFY(UserSettingsFile::adoptOldFile({folder("working")}).isEmpty());
        QCOMPARE(valuesIn(UserSettingsFile::path()), (QVariantMap{{"System/lang", "1"}}));
    }

    void usersOwnFileWins()
    {
        QVERIFY(QDir().mkpath(QFileInfo(UserSettingsFile::path()).path()));
        QVERIFY(writeAll(UserSettingsFile::path(), "[System]\nlang=0\n"));
        QVERIFY(writeAll(folder("program") + "/sys.ini", "[System]\nlang=2\nPort=COM3\n"));
        QVERIFY(UserSettingsFile::adoptOldFile({folder("program")}).isEmpty());
        QCOMPARE(readAll(UserSettingsFile::path()), QByteArray("[System]\nlang=0\n"));
    }

    // A user whose configuration folder cannot be written keeps the defaults; nothing breaks.
    void unwritableConfigurationFolder()
    {
        if (::geteuid() == 0)
            QSKIP("running as root: folder permissions do not stop writes");
        QVERIFY(QDir().mkpath(m_config));
        QVERIFY(QFile::setPermissions(m_config, QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(writeAll(folder("program") + "/sys.ini", "[System]\nlang=2\n"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot write .* to take over"));
        QVERIFY(UserSettingsFile::adoptOldFile({folder("program")}).isEmpty());
        QFile::setPermissions(m_config, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void knownValuesOnly_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QVariantMap>("values");
        QTest::newRow("both") << QByteArray("[System]\nlang=2\nPort=COM3\n")
                              << QVariantMap{{"System/lang", "2"}, {"System/Port", "COM3"}};
        QTest::newRow("language not a number") << QByteArray("[System]\nlang=two\nPort=COM3\n")
                                               << QVariantMap{{"System/Port", "COM3"}};
        QTest::newRow("control character in the port")
            << QByteArray("[System]\nlang=1\nPort=\"COM\\x1\"\n")
            << QVariantMap{{"System/lang", "1"}};
        QTest::newRow("other groups")
            << QByteArray("[Other]\nlang=1\nPort=COM3\n") << QVariantMap();
    }

    void knownValuesOnly()
    {
        QFETCH(QByteArray, content);
        QFETCH(QVariantMap, values);
        const QString file = folder("working") + "/sys.ini";
        QVERIFY(writeAll(file, content));
        QCOMPARE(UserSettingsFile::readKnownValues(file), values);
    }
};

QTEST_GUILESS_MAIN(TestUserSettingsFile)
#include "tst_usersettingsfile.moc"
