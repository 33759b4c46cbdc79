// The FTP client's worker against misbehaving servers on the loopback interface: it ends every
// command by itself, and its owner never waits for it.
#include "ftpserverprocess.h"
#include "glcurlftp.h"
#include "signalarguments.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

class TestGLCurlFtp : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void destroyingAClientWhoseQuitHangsReturnsAtOnce();
    void silentServerEndsTheCommandByItself();
    void stalledUploadEndsByItself();

private:
    // Queues connect and login with the test account; returns the login's id.
    int logIn(GLCurlFtp &ftp);

    FtpServerProcess *server = nullptr;
};

void TestGLCurlFtp::init()
{
    server = new FtpServerProcess;
}

void TestGLCurlFtp::cleanup()
{
    delete server;
    server = nullptr;
    // Workers of clients destroyed by a test end by themselves; none outlives its test long.
    QVERIFY(GLCurlFtp::waitForWorkers(10000));
}

int TestGLCurlFtp::logIn(GLCurlFtp &ftp)
{
    ftp.connectToHost(QStringLiteral("127.0.0.1"), server->port());
    return ftp.login(FtpServerProcess::User, FtpServerProcess::Password);
}

void TestGLCurlFtp::destroyingAClientWhoseQuitHangsReturnsAtOnce()
{
    QVERIFY(server->start({QStringLiteral("--no-quit")}));
    auto *ftp = new GLCurlFtp;
    QSignalSpy started(ftp, &GLCurlFtp::commandStarted);
    QSignalSpy finished(ftp, &GLCurlFtp::commandFinished);
    logIn(*ftp);
    const int close = ftp->close();
    QTRY_COMPARE_WITH_TIMEOUT(lastArgument<int>(started), close, 15000);
    QCOMPARE(finished.count(), 2);
    QVERIFY(!finished.at(1).at(1).toBool());

    // The server sits on QUIT; the owner lets go without waiting for the worker.
    QElapsedTimer clock;
    clock.start();
    delete ftp;
    const qint64 deleteMsec = clock.elapsed();
    QVERIFY2(deleteMsec < 2000, qPrintable(QString::number(deleteMsec)));
    // Abandoned, the worker stops the hanging command itself.
    QVERIFY(GLCurlFtp::waitForWorkers(10000));
    qInfo("destroying took %lld ms, the worker ended after %lld ms", deleteMsec, clock.elapsed());
}

void TestGLCurlFtp::silentServerEndsTheCommandByItself()
{
    QVERIFY(server->start());
    QVERIFY(server->pause());
    GLCurlFtp ftp;
    ftp.setTimeouts({2, 2, 2, 2});
    QSignalSpy finished(&ftp, &GLCurlFtp::commandFinished);
    logIn(ftp);
    // The server accepts the connection (the kernel does) and never greets.
    QTRY_VERIFY_WITH_TIMEOUT(!finished.isEmpty(), 15000);
    QVERIFY(finished.first().at(1).toBool());
    QCOMPARE(ftp.currentCommand(), GLCurlFtp::ConnectToHost);
    QVERIFY(!ftp.errorString().isEmpty());
}

void TestGLCurlFtp::stalledUploadEndsByItself()
{
    QVERIFY(server->start({QStringLiteral("--read-limit"), QStringLiteral("1000000")}));
    GLCurlFtp ftp;
    ftp.setTimeouts({2, 2, 2, 2});
    QSignalSpy finished(&ftp, &GLCurlFtp::commandFinished);
    QSignalSpy progress(&ftp, &GLCurlFtp::dataTransferProgress);
    logIn(ftp);
    // More than the socket buffers of both ends hold, so that the data stops when the server does.
    const int put = ftp.put(QByteArray(48 * 1024 * 1024, 'x'), QStringLiteral("/big.bin"));
    QTRY_VERIFY_WITH_TIMEOUT(lastArgument<qlonglong>(progress) > 0, 15000);
    QVERIFY(server->pause());
    QTRY_COMPARE_WITH_TIMEOUT(lastArgument<int>(finished), put, 20000);
    QVERIFY(finished.last().at(1).toBool());
    QVERIFY(progress.last().at(0).toLongLong() < 48 * 1024 * 1024);
}

QTEST_GUILESS_MAIN(TestGLCurlFtp)
#include "tst_glcurlftp.moc"
