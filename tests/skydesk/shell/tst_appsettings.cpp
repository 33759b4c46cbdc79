// The settings file: the user's own, in their configuration folder; damaged files replaced at
// once and said so, unchanged values never written, and writes that fail told as failures.
#include "skydesk/common/appsettings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QByteArray noise(int size)
{
    QByteArray bytes(size, '\0');
    quint32 state = 2463534242u;
    for (char &byte : bytes) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        byte = static_cast<char>(state & 0xff);
    }
    return bytes;
}

} // namespace

class TestAppSettings : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(QDir().mkpath(QFileInfo(AppSettings::filePath()).path()));
        QFile::setPermissions(AppSettings::filePath(), QFile::ReadOwner | QFile::WriteOwner);
        QFile::remove(AppSettings::filePath());
    }

    void cleanupTestCase()
    {
        QFile::setPermissions(AppSettings::filePath(), QFile::ReadOwner | QFile::WriteOwner);
        QFile::remove(AppSettings::filePath());
    }

    // A plain user's settings: in their configuration folder, which the first write makes, and
    // never beside the program (which an installed program cannot write).
    void writtenInTheUsersConfigurationFolder()
    {
        const QString config = QFile::decodeName(qgetenv("XDG_CONFIG_HOME"));
        QVERIFY(!config.isEmpty());
        QCOMPARE(AppSettings::filePath(), config + "/KestoTarvel2Assistant/sys.ini");
        QVERIFY(QDir(config + "/KestoTarvel2Assistant").removeRecursively());
        const QString beside = QCoreApplication::applicationDirPath() + "/sys.ini";
        const QByteArray besideBefore = readAll(beside);
        QVERIFY(AppSettings::setSavedPort(QStringLiteral("ttyUSB0")));
        QCOMPARE(readAll(AppSettings::filePath()), QByteArray("[System]\nPort=ttyUSB0\n"));
        QCOMPARE(readAll(beside), besideBefore);
    }

    // Two users of one computer keep their own language and port.
    void twoUsersKeepTheirOwnSettings()
    {
        const QByteArray suiteFolder = qgetenv("XDG_CONFIG_HOME");
        QTemporaryDir users;
        const auto become = [&](const char *user) {
            qputenv("XDG_CONFIG_HOME", QFile::encodeName(users.filePath(QLatin1String(user))));
        };
        become("anna");
        QVERIFY(AppSettings::setLanguageCode(AppSettings::German));
        QVERIFY(AppSettings::setSavedPort(QStringLiteral("ttyUSB0")));
        become("ben");
        QCOMPARE(int(AppSettings::languageCode()), int(AppSettings::English));
        QCOMPARE(AppSettings::savedPort(), QString());
        QVERIFY(AppSettings::setLanguageCode(AppSettings::Chinese));
        QVERIFY(AppSettings::setSavedPort(QStringLiteral("ttyACM1")));
        become("anna");
        QCOMPARE(int(AppSettings::languageCode()), int(AppSettings::German));
        QCOMPARE(AppSettings::savedPort(), QStringLiteral("ttyUSB0"));
        become("ben");
        QCOMPARE(int(AppSettings::languageCode()), int(AppSettings::Chinese));
        QCOMPARE(AppSettings::savedPort(), QStringLiteral("ttyACM1"));
        qputenv("XDG_CONFIG_HOME", suiteFolder);
    }

    void damagedFileIsReplacedAtOnce_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("random bytes") << noise(3000);
        QTest::newRow("broken group lines") << QByteArray("[[System]]\n[[\nlang=2\n[[Port\n");
        QTest::newRow("nul bytes") << QByteArray("[System]\nlang=1\0\0\0\nPort=COM3\n", 30);
        QTest::newRow("good, then a broken line")
            << QByteArray("[System]\nlang=2\nPort=COM7\n[[\n");
        // Sound lines holding bytes that are not UTF-8.
        QTest::newRow("latin-1 byte") << QByteArray("[System]\nlang=2\nPort=COM\xe4\n");
        QTest::newRow("stray continuation byte") << QByteArray("[System]\nlang=\x80"
                                                               "2\n");
        QTest::newRow("overlong slash") << QByteArray("[System]\nPort=\xc0\xaf\n");
        QTest::newRow("overlong three bytes") << QByteArray("[System]\nPort=\xe0\x80\xaf\n");
        QTest::newRow("surrogate") << QByteArray("[System]\nPort=\xed\xa0\x80\n");
        QTest::newRow("above U+10FFFF") << QByteArray("[System]\nPort=\xf4\x90\x80\x80\n");
        QTest::newRow("cut short at the end") << QByteArray("[System]\nPort=COM3\n;\xe4\xb8");
        QTest::newRow("cut short before a line end")
            << QByteArray("[System]\nPort=\xf0\x9f\x98\nlang=1\n");
    }

    // Text in any script, in comments or values, is sound and stays as it is.
    void soundTextInAnyLanguageIsLeftAlone_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("chinese comment")
            << QByteArray("; \xe8\xae\xbe\xe7\xbd\xae\n[System]\nlang=1\n");
        QTest::newRow("german value") << QByteArray("[System]\nlang=2\nPort=Ger\xc3\xa4t\n");
        QTest::newRow("four-byte character")
            << QByteArray("; \xf0\x9f\x9b\xa9\n[System]\nlang=0\n");
        QTest::newRow("last code points")
            << QByteArray("; \xed\x9f\xbf \xee\x80\x80 \xf4\x8f\xbf\xbf\n[System]\nlang=0\n");
    }

    void soundTextInAnyLanguageIsLeftAlone()
    {
        QFETCH(QByteArray, content);
        QVERIFY(writeAll(AppSettings::filePath(), content));
        QVERIFY(!AppSettings::replaceIfDamaged());
        QCOMPARE(readAll(AppSettings::filePath()), content);
    }

    // Found damaged when the program starts: replaced there and then, the report tells so, and
    // the first change afterwards is stored (it used to fail and leave an empty file).
    void damagedFileIsReplacedAtOnce()
    {
        QFETCH(QByteArray, content);
        QVERIFY(writeAll(AppSettings::filePath(), content));
        QVERIFY(AppSettings::replaceIfDamaged());
        QSettings check(AppSettings::filePath(), QSettings::IniFormat);
        QCOMPARE(check.status(), QSettings::NoError);
        const QStringList keys = check.allKeys();
        QVERIFY(QSet<QString>(keys.cbegin(), keys.cend())
                    .subtract({"System/lang", "System/Port"})
                    .isEmpty());
        QVERIFY(!AppSettings::replaceIfDamaged()); // once replaced, it is sound

        QVERIFY(AppSettings::setLanguageCode(AppSettings::Chinese));
        QCOMPARE(int(AppSettings::languageCode()), 1);
        QVERIFY(AppSettings::setSavedPort(QStringLiteral("COM4")));
        QCOMPARE(AppSettings::savedPort(), QStringLiteral("COM4"));
        QCOMPARE(int(AppSettings::languageCode()), 1);
    }

    // The same without the check at start: the first write replaces the file and stores.
    void firstWriteOnADamagedFileIsStored()
    {
        QVERIFY(writeAll(AppSettings::filePath(), noise(2000)));
        QVERIFY(AppSettings::setLanguageCode(AppSettings::German));
        QCOMPARE(int(AppSettings::languageCode()), 2);
        QVERIFY(readAll(AppSettings::filePath()).contains("lang=2"));
    }

    void soundOrMissingFileIsLeftAlone()
    {
        QVERIFY(!AppSettings::replaceIfDamaged());
        QVERIFY(!QFile::exists(AppSettings::filePath()));
        const QByteArray sound("[System]\nlang=1\nPort=COM3\n");
        QVERIFY(writeAll(AppSettings::filePath(), sound));
        QVERIFY(!AppSettings::replaceIfDamaged());
        QCOMPARE(readAll(AppSettings::filePath()), sound);
    }

    // A value that is already stored is not written again: the file stays as it is, byte for
    // byte, down to a comment QSettings would drop.
    void unchangedValueIsNotWritten()
    {
        const QByteArray own("; kept by hand\n[System]\nlang=2\nPort=COM3\n");
        QVERIFY(writeAll(AppSettings::filePath(), own));
        const QDateTime before = QFileInfo(AppSettings::filePath()).lastModified();
        QTest::qWait(20);
        QVERIFY(AppSettings::setSavedPort(QStringLiteral("COM3")));
        QVERIFY(AppSettings::setLanguageCode(AppSettings::German));
        QCOMPARE(readAll(AppSettings::filePath()), own);
        QCOMPARE(QFileInfo(AppSettings::filePath()).lastModified(), before);
        QVERIFY(AppSettings::setSavedPort(QStringLiteral("COM5")));
        QCOMPARE(AppSettings::savedPort(), QStringLiteral("COM5"));
        QCOMPARE(int(AppSettings::languageCode()), 2);
    }

    // A read-only file: closing without a change does not fail, a real change does.
    void readOnlyFileFailsOnlyForAChange()
    {
        QVERIFY(writeAll(AppSettings::filePath(), "[System]\nlang=0\nPort=COM3\n"));
        QVERIFY(QFile::setPermissions(AppSettings::filePath(), QFile::ReadOwner));
        if (::geteuid() == 0)
            QSKIP("running as root: file permissions do not stop writes");
        QVERIFY(AppSettings::setSavedPort(QStringLiteral("COM3")));
        QVERIFY(!AppSettings::setSavedPort(QStringLiteral("COM9")));
        QCOMPARE(AppSettings::savedPort(), QStringLiteral("COM3"));
    }
};

QTEST_GUILESS_MAIN(TestAppSettings)
#include "tst_appsettings.moc"
