// The installed programs as a user starts them. Every program answers --help and --version
// without a display; Skydesk started from / (and from a folder holding an earlier version's
// sys.ini) finds its help documents, translations and the feedback program in the installation,
// keeps its settings in the user's configuration folder and nothing beside itself; the installed
// fctool reads the installed simulator. KESTO_INSTALLED_PREFIX names the installation: the install
// test's scratch folder, or /usr for the Debian package.
#include "tests/support/fcsimprocess.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int kRunMs = 60000;
const char *const kPrograms[] = {"Skydesk", "Saybox", "fctool", "fcsim", "mkfirmware"};

QString prefix()
{
    return QDir::cleanPath(qEnvironmentVariable("KESTO_INSTALLED_PREFIX"));
}

QString program(const QString &name)
{
    return prefix() + QStringLiteral("/" KESTO_BINDIR "/") + name;
}

QString dataFolder()
{
    return prefix() + QStringLiteral("/" KESTO_DATADIR);
}

// The folders of one user: home, configuration, data, cache and runtime.
class User
{
public:
    User()
    {
        for (const char *name : {"home", "config", "data", "cache", "runtime"})
            QDir(m_dir.path()).mkpath(QLatin1String(name));
        QFile::setPermissions(path("runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    bool isValid() const { return m_dir.isValid(); }
    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }
    QString settingsFile() const
    {
        return path("config") + QStringLiteral("/KestoTarvel2Assistant/sys.ini");
    }

    // A desktop session's environment without a display: the programs run offscreen, log their
    // findings and find the simulator's port.
    QProcessEnvironment environment(const QString &extraPort) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "LD_LIBRARY_PATH", "QT_PLUGIN_PATH"})
            env.remove(QLatin1String(name));
        env.insert(QStringLiteral("HOME"), path("home"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), path("config"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), path("data"));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), path("cache"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), path("runtime"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("skydesk.shell.debug=true"));
        env.insert(QStringLiteral("FCLINK_EXTRA_PORTS"), extraPort);
        // Nothing of the test's own update server: the check for new firmware fails at once.
        env.insert(QStringLiteral("KESTO_UPDATE_SERVER"), QStringLiteral("127.0.0.1:9"));
        return env;
    }

private:
    QTemporaryDir m_dir;
};

// Skydesk from workingFolder until its window is built with the given help document shown, then
// ended as a session ends it (SIGTERM). Returns its log; exitCode -1 when it did not end by
// itself.
QString runSkydesk(const User &user, const QString &workingFolder, const QString &extraPort,
                   const QString &lastDocument, int *exitCode)
{
    QProcess skydesk;
    skydesk.setProcessChannelMode(QProcess::MergedChannels);
    skydesk.setWorkingDirectory(workingFolder);
    skydesk.setProcessEnvironment(user.environment(extraPort));
    skydesk.start(program(QStringLiteral("Skydesk")), QStringList());
    QString log;
    QElapsedTimer clock;
    clock.start();
    while (!log.contains(lastDocument) && skydesk.state() != QProcess::NotRunning &&
           clock.elapsed() < kRunMs) {
        skydesk.waitForReadyRead(200);
        log += QString::fromLocal8Bit(skydesk.readAll());
    }
    skydesk.terminate();
    *exitCode = -1;
    if (skydesk.waitForFinished(kRunMs) && skydesk.exitStatus() == QProcess::NormalExit)
        *exitCode = skydesk.exitCode();
    else
        skydesk.kill();
    skydesk.waitForFinished();
    return log + QString::fromLocal8Bit(skydesk.readAll());
}

// How Qt's debug stream shows a path: in double quotes.
QString quoted(const QString &path)
{
    return QLatin1Char('"') + path + QLatin1Char('"');
}

} // namespace

class TestInstalledPrograms : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(!qEnvironmentVariableIsEmpty("KESTO_INSTALLED_PREFIX"),
                 "KESTO_INSTALLED_PREFIX names the installation");
        for (const char *name : kPrograms)
            QVERIFY2(QFileInfo(program(QLatin1String(name))).isExecutable(), name);
    }

    void helpAndVersionNeedNoDisplay_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("option");
        for (const char *name : kPrograms) {
            for (const char *option : {"--help", "--version"})
                QTest::addRow("%s %s", name, option) << QString::fromLatin1(name) << option;
        }
    }

    void helpAndVersionNeedNoDisplay()
    {
        QFETCH(QString, name);
        QFETCH(QString, option);
        User user;
        QProcess process;
        QProcessEnvironment env = user.environment(QString());
        // No platform named either: a program that opened a window would fail to find one.
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(QStringLiteral("/"));
        process.start(program(name), {option});
        QVERIFY(process.waitForFinished(kRunMs));
        const QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
        QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
                 qPrintable(out + QString::fromLocal8Bit(process.readAllStandardError())));
        if (option == QLatin1String("--version"))
            QCOMPARE(out, name + QStringLiteral(" " KESTO_VERSION "\n"));
        else
            QVERIFY2(out.startsWith(QStringLiteral("Usage:")) && out.contains(name),
                     qPrintable(out));
    }

    // Started from /, as a menu may start it: the installation's help documents and translation
    // in the user's language, the feedback program beside it, the settings in the user's folder.
    void skydeskFromRootFindsItsInstallation()
    {
        User user;
        QVERIFY(user.isValid());
        QDir().mkpath(QFileInfo(user.settingsFile()).path());
        {
            QSettings settings(user.settingsFile(), QSettings::IniFormat);
            settings.setValue(QStringLiteral("System/lang"), 2);
        }
        FcsimProcess sim(user.path("home"), program(QStringLiteral("fcsim")));
        QVERIFY(sim.start());

        const QString info = dataFolder() + QStringLiteral("/doc/de_GE/info.html");
        int exitCode = -1;
        const QString log =
            runSkydesk(user, QStringLiteral("/"), sim.linkPath(), quoted(info), &exitCode);
        QVERIFY2(log.contains(quoted(info)), qPrintable(log));
        QVERIFY2(log.contains(quoted(dataFolder() + QStringLiteral("/doc/de_GE/Motor.html"))),
                 qPrintable(log));
        QVERIFY2(
            log.contains(quoted(dataFolder() + QStringLiteral("/language/KestoAssistant_ge.qm"))),
            qPrintable(log));
        QVERIFY2(log.contains(QStringLiteral("feedback program ") +
                              quoted(program(QStringLiteral("Saybox")))),
                 qPrintable(log));
        QVERIFY2(!log.contains(QStringLiteral("missing")) &&
                     !log.contains(QStringLiteral("could not be read")),
                 qPrintable(log));
        QCOMPARE(exitCode, 0);

        // Ended like a session ends it, the window saved the port in the user's file.
        const QSettings settings(user.settingsFile(), QSettings::IniFormat);
        QCOMPARE(settings.value(QStringLiteral("System/lang")).toInt(), 2);
        QVERIFY2(settings.contains(QStringLiteral("System/Port")),
                 qPrintable(settings.allKeys().join(QLatin1Char(' '))));
        for (const QString &folder : {prefix() + QStringLiteral("/" KESTO_BINDIR), dataFolder()})
            QVERIFY2(!QFile::exists(folder + QStringLiteral("/sys.ini")), qPrintable(folder));
    }

    // Started from a folder holding an earlier version's sys.ini: its two values become the
    // user's, and the old file stays as it was.
    void oldSettingsInTheWorkingFolderAreTakenOver()
    {
        User user;
        QVERIFY(user.isValid());
        const QByteArray old("[System]\nlang=1\nPort=ttyUSB7\n");
        QFile oldFile(user.path("home") + QStringLiteral("/sys.ini"));
        QVERIFY(oldFile.open(QIODevice::WriteOnly) && oldFile.write(old) == old.size());
        oldFile.close();

        const QString info = dataFolder() + QStringLiteral("/doc/zh_CN/info.html");
        int exitCode = -1;
        const QString log = runSkydesk(user, user.path("home"), QString(), quoted(info), &exitCode);
        QVERIFY2(log.contains(quoted(info)), qPrintable(log));
        QCOMPARE(exitCode, 0);
        const QSettings settings(user.settingsFile(), QSettings::IniFormat);
        QCOMPARE(settings.value(QStringLiteral("System/lang")).toInt(), 1);
        QVERIFY(oldFile.open(QIODevice::ReadOnly));
        QCOMPARE(oldFile.readAll(), old);
    }

    void fctoolReadsTheSimulator()
    {
        User user;
        FcsimProcess sim(user.path("home"), program(QStringLiteral("fcsim")));
        QVERIFY(sim.start());
        QProcess fctool;
        fctool.setProcessEnvironment(user.environment(QString()));
        fctool.setWorkingDirectory(QStringLiteral("/"));
        fctool.start(program(QStringLiteral("fctool")),
                     {QStringLiteral("get"), QStringLiteral("--port"), sim.linkPath(),
                      QStringLiteral("MotorIdel")});
        QVERIFY(fctool.waitForFinished(kRunMs));
        const QString out = QString::fromLocal8Bit(fctool.readAllStandardOutput());
        QVERIFY2(fctool.exitCode() == 0 && out.startsWith(QStringLiteral("MotorIdel=")),
                 qPrintable(out + QString::fromLocal8Bit(fctool.readAllStandardError())));
    }
};

QTEST_GUILESS_MAIN(TestInstalledPrograms)
#include "tst_installedprograms.moc"
