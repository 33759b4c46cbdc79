// The FTP client's worker against misbehaving servers on the loopback interface: it ends every
// command by itself, and its owner never waits for it.
#include "saybox/glcurlftp.h"
#include "tests/support/ftpserverprocess.h"
#include "tests/support/signalarguments.h"

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
    void pieceSizes_data();
    void pieceSizes();
    void errorsByResultAndReply_data();
    void errorsByResultAndReply();

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

void TestGLCurlFtp::pieceSizes_data()
{
    QTest::addColumn<qint64>("piece");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<qint64>("left");
    QTest::addColumn<qint64>("next");
    // 1 KB/s: five seconds' worth, never below the first piece's size.
    QTest::newRow("1 KB/s") << qint64(6144) << 6.0 << qint64(100000) << qint64(6144);
    QTest::newRow("4 KB/s") << qint64(24000) << 6.0 << qint64(100000) << qint64(20000);
    // Fast, but at most four times the piece before.
    QTest::newRow("burst") << qint64(6144) << 0.01 << qint64(5000000) << qint64(24576);
    QTest::newRow("the rest") << qint64(1000000) << 0.1 << qint64(3000000) << qint64(3000000);
    QTest::newRow("less left") << qint64(6144) << 1.0 << qint64(100) << qint64(100);
}

void TestGLCurlFtp::pieceSizes()
{
    QFETCH(qint64, piece);
    QFETCH(double, seconds);
    QFETCH(qint64, left);
    QFETCH(qint64, next);
    QCOMPARE(GLCurlFtp::nextPieceSize(piece, seconds, left), next);
}

void TestGLCurlFtp::errorsByResultAndReply_data()
{
    QTest::addColumn<int>("curlCode");
    QTest::addColumn<int>("reply");
    QTest::addColumn<int>("error");
    QTest::newRow("ok") << 0 << 226 << int(GLCurlFtp::NoError);
    QTest::newRow("no server") << 7 << 0 << int(GLCurlFtp::ConnectionRefused);
    QTest::newRow("login") << 67 << 530 << int(GLCurlFtp::LoginRefused);
    QTest::newRow("quota on STOR") << 25 << 552 << int(GLCurlFtp::QuotaExceeded);
    QTest::newRow("quota after data") << 18 << 552 << int(GLCurlFtp::QuotaExceeded);
    QTest::newRow("disk full") << 25 << 452 << int(GLCurlFtp::QuotaExceeded);
    QTest::newRow("MKD refused") << 21 << 550 << int(GLCurlFtp::Refused);
    QTest::newRow("time-out") << 28 << 150 << int(GLCurlFtp::NotConnected);
    QTest::newRow("connection lost") << 56 << 150 << int(GLCurlFtp::NotConnected);
}

void TestGLCurlFtp::errorsByResultAndReply()
{
    QFETCH(int, curlCode);
    QFETCH(int, reply);
    QFETCH(int, error);
    QCOMPARE(int(GLCurlFtp::errorFor(curlCode, reply)), error);
}

QTEST_GUILESS_MAIN(TestGLCurlFtp)
#include "tst_glcurlftp.moc"
