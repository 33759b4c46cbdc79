// The uploader against a real FTP server (pyftpdlib) on the loopback interface.
#include "glftpobject.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/types.h>

namespace {

const QString User = QStringLiteral("saybox");
const QString Password = QStringLiteral("pa55word");

quint16 freePort()
{
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost, 0)) {
        return 0;
    }
    return server.serverPort();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QByteArray binaryBytes(int size, int seed)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 131 + seed * 17 + (i >> 7)) & 0xff);
    }
    return bytes;
}

} // namespace

class TestGLFtpObject : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void remoteNames();
    void adviceOnly();
    void attachmentsAndPictures();
    void wrongPassword();
    void noServer();
    void idleTimeout();

private:
    bool startServer();
    void setServerUrl(const QString &password);
    QStringList submissionDirs() const;

    QTemporaryDir *root = nullptr;
    QProcess *server = nullptr;
    quint16 port = 0;
};

void TestGLFtpObject::init()
{
    root = new QTemporaryDir;
    QVERIFY(root->isValid());
    QVERIFY(QDir(root->path()).mkpath(QStringLiteral("ftp/Saybox/KestoWanderer")));
    QVERIFY(QDir(root->path()).mkpath(QStringLiteral("local")));
}

void TestGLFtpObject::cleanup()
{
    if (server) {
        ::kill(static_cast<pid_t>(server->processId()), SIGCONT);
        server->kill();
        server->waitForFinished(5000);
        delete server;
        server = nullptr;
    }
    delete root;
    root = nullptr;
    qunsetenv("SAYBOX_FTP_URL");
}

bool TestGLFtpObject::startServer()
{
    port = freePort();
    if (port == 0) {
        return false;
    }
    server = new QProcess;
    server->setProcessChannelMode(QProcess::MergedChannels);
    server->setStandardOutputFile(QProcess::nullDevice());
    server->start(QStringLiteral("/usr/bin/python3"),
                  {QStringLiteral("-m"), QStringLiteral("pyftpdlib"), QStringLiteral("-i"),
                   QStringLiteral("127.0.0.1"), QStringLiteral("-p"), QString::number(port),
                   QStringLiteral("-w"), QStringLiteral("-d"),
                   root->filePath(QStringLiteral("ftp")), QStringLiteral("-u"), User,
                   QStringLiteral("-P"), Password});
    if (!server->waitForStarted(5000)) {
        return false;
    }
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 15000 && server->state() == QProcess::Running) {
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, port);
        if (probe.waitForConnected(500)) {
            probe.abort();
            return true;
        }
        QTest::qWait(100);
    }
    return false;
}

void TestGLFtpObject::setServerUrl(const QString &password)
{
    qputenv("SAYBOX_FTP_URL", QStringLiteral("ftp://%1:%2@127.0.0.1:%3")
                                  .arg(User, password, QString::number(port))
                                  .toUtf8());
}

QStringList TestGLFtpObject::submissionDirs() const
{
    return QDir(root->filePath(QStringLiteral("ftp/Saybox/KestoWanderer")))
        .entryList(QDir::Dirs | QDir::NoDotAndDotDot);
}

void TestGLFtpObject::remoteNames()
{
    QCOMPARE(GLFtpObject::remoteFileName(1, QStringLiteral("/tmp/log.txt")),
             QStringLiteral("1.txt"));
    QCOMPARE(GLFtpObject::remoteFileName(2, QStringLiteral("/tmp/shot.tar.gz")),
             QStringLiteral("2.gz"));
    QCOMPARE(GLFtpObject::remoteFileName(1, QStringLiteral("/tmp/a.b/README")),
             QStringLiteral("1README"));
    QCOMPARE(GLFtpObject::remoteFileName(3, QStringLiteral("/tmp/odd\\..\\name")),
             QStringLiteral("3._name"));
}

void TestGLFtpObject::adviceOnly()
{
    QVERIFY(startServer());
    setServerUrl(Password);
    const QString advice = QStringLiteral("Kontakt: e-mail\nGrüße, 你好\n");
    GLFtpObject uploader;
    QSignalSpy finished(&uploader, &GLFtpObject::uploadFinished);
    QSignalSpy errors(&uploader, &GLFtpObject::uploadError);
    QSignalSpy notices(&uploader, &GLFtpObject::noticeStateDisplay);
    uploader.setAdviceText(advice);
    uploader.setUploadList({});
    uploader.beginUpload();
    QTRY_VERIFY_WITH_TIMEOUT(finished.count() == 1 || errors.count() > 0, 15000);
    QVERIFY2(errors.isEmpty(),
             errors.isEmpty() ? "" : qPrintable(QString::number(errors.first().first().toInt())));

    const QStringList dirs = submissionDirs();
    QCOMPARE(dirs.size(), 1);
    QVERIFY(QRegularExpression(QStringLiteral("^\\d{14}_1\\d{3}$")).match(dirs.first()).hasMatch());
    QCOMPARE(uploader.currentRemoteDir(), QStringLiteral("Saybox/KestoWanderer/") + dirs.first());
    const QDir dir(root->filePath(QStringLiteral("ftp/Saybox/KestoWanderer/") + dirs.first()));
    QCOMPARE(dir.entryList(QDir::Files), QStringList{QStringLiteral("user_advice.txt")});
    QCOMPARE(readFile(dir.filePath(QStringLiteral("user_advice.txt"))), advice.toUtf8());

    QStringList texts;
    for (const QList<QVariant> &args : notices) {
        texts << args.at(0).toString();
    }
    QCOMPARE(texts,
             (QStringList{QStringLiteral("Connecting server..."), QStringLiteral("Logining..."),
                          QStringLiteral("Make dir..."), QStringLiteral("Upload file..."),
                          QStringLiteral("Closeing connection...")}));
}

void TestGLFtpObject::attachmentsAndPictures()
{
    QVERIFY(startServer());
    setServerUrl(Password);
    const QDir local(root->filePath(QStringLiteral("local")));
    const QStringList names = {QStringLiteral("log.txt"), QStringLiteral("README"),
                               QStringLiteral("shot.png"), QStringLiteral("photo.jpeg"),
                               QStringLiteral("scan.tar.bmp")};
    const QStringList remote = {QStringLiteral("1.txt"), QStringLiteral("2README"),
                                QStringLiteral("3.png"), QStringLiteral("4.jpeg"),
                                QStringLiteral("5.bmp")};
    QStringList paths;
    QList<QByteArray> contents;
    for (int i = 0; i < names.size(); ++i) {
        contents << binaryBytes(1000 + i * 150000, i);
        paths << local.filePath(names.at(i));
        QVERIFY(writeFile(paths.last(), contents.last()));
    }
    GLFtpObject uploader;
    QSignalSpy finished(&uploader, &GLFtpObject::uploadFinished);
    QSignalSpy errors(&uploader, &GLFtpObject::uploadError);
    QSignalSpy progress(&uploader, &GLFtpObject::dataTransferProgress);
    uploader.setAdviceText(QStringLiteral("advice"));
    uploader.setUploadList(paths);
    uploader.beginUpload();
    QTRY_VERIFY_WITH_TIMEOUT(finished.count() == 1 || errors.count() > 0, 30000);
    QVERIFY2(errors.isEmpty(),
             errors.isEmpty() ? "" : qPrintable(QString::number(errors.first().first().toInt())));
    QVERIFY(progress.count() > 0);

    const QStringList dirs = submissionDirs();
    QCOMPARE(dirs.size(), 1);
    const QDir dir(root->filePath(QStringLiteral("ftp/Saybox/KestoWanderer/") + dirs.first()));
    QStringList expected = remote;
    expected << QStringLiteral("user_advice.txt");
    expected.sort();
    QCOMPARE(dir.entryList(QDir::Files, QDir::Name), expected);
    for (int i = 0; i < remote.size(); ++i) {
        QVERIFY2(readFile(dir.filePath(remote.at(i))) == contents.at(i), qPrintable(remote.at(i)));
    }
}

void TestGLFtpObject::wrongPassword()
{
    QVERIFY(startServer());
    setServerUrl(QStringLiteral("wrong"));
    GLFtpObject uploader;
    QSignalSpy errors(&uploader, &GLFtpObject::uploadError);
    QSignalSpy finished(&uploader, &GLFtpObject::uploadFinished);
    uploader.setAdviceText(QStringLiteral("advice"));
    uploader.beginUpload();
    QTRY_VERIFY_WITH_TIMEOUT(errors.count() > 0, 20000);
    QCOMPARE(errors.first().at(0).value<qint8>(), qint8(2));
    QTest::qWait(300);
    QCOMPARE(errors.count(), 1);
    QCOMPARE(finished.count(), 0);
    QVERIFY(submissionDirs().isEmpty());
}

void TestGLFtpObject::noServer()
{
    port = freePort();
    QVERIFY(port != 0);
    setServerUrl(Password);
    GLFtpObject uploader;
    QSignalSpy errors(&uploader, &GLFtpObject::uploadError);
    QSignalSpy notices(&uploader, &GLFtpObject::noticeStateDisplay);
    uploader.beginUpload();
    QTRY_VERIFY_WITH_TIMEOUT(errors.count() > 0, 15000);
    QCOMPARE(errors.first().at(0).value<qint8>(), qint8(1));
    QVERIFY(notices.last().at(0).toString().startsWith(QStringLiteral("error:")));
    for (const QList<QVariant> &args : notices) {
        QVERIFY2(!args.at(0).toString().contains(Password), "password leaked");
    }
}

void TestGLFtpObject::idleTimeout()
{
    QVERIFY(startServer());
    setServerUrl(Password);
    QCOMPARE(::kill(static_cast<pid_t>(server->processId()), SIGSTOP), 0);
    GLFtpObject uploader;
    uploader.setIdleInterval(20);
    QSignalSpy errors(&uploader, &GLFtpObject::uploadError);
    QElapsedTimer clock;
    clock.start();
    uploader.beginUpload();
    QTRY_VERIFY_WITH_TIMEOUT(errors.count() > 0, 10000);
    QCOMPARE(errors.first().at(0).value<qint8>(), qint8(100));
    QVERIFY(clock.elapsed() >= 41 * 20 - 50);

    // A new submission aborts the stalled one and starts over.
    QSignalSpy finished(&uploader, &GLFtpObject::uploadFinished);
    QCOMPARE(::kill(static_cast<pid_t>(server->processId()), SIGCONT), 0);
    uploader.setIdleInterval(500);
    errors.clear();
    uploader.beginUpload();
    QTRY_VERIFY_WITH_TIMEOUT(finished.count() == 1 || errors.count() > 0, 20000);
    QVERIFY2(errors.isEmpty(),
             errors.isEmpty() ? "" : qPrintable(QString::number(errors.first().first().toInt())));
    QCOMPARE(submissionDirs().size(), 1);
}

QTEST_GUILESS_MAIN(TestGLFtpObject)
#include "tst_glftpobject.moc"
