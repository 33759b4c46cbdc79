// The uploader's idle time-out at its shipped interval against slow and silent servers on the
// loopback interface: a server that takes the bytes slowly is never timed out, one that stops
// is, after about 20.5 s, and the session ends before the failure is told.
#include "saybox/glftpobject.h"
#include "tests/support/ftpserverprocess.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString writeFile(const QTemporaryDir &dir, const QString &name, int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 13 + (i >> 9)) & 0xff);
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != size)
        return QString();
    return file.fileName();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestGLFtpObjectTiming : public QObject
{
    Q_OBJECT

private slots:
    void init() { server = new FtpServerProcess; }
    void cleanup()
    {
        delete server;
        server = nullptr;
    }
    void slowServerNeverTimesOut_data();
    void slowServerNeverTimesOut();
    void stalledServerTimesOut();
    void lateAnswerEndsTheSessionBeforeTheResult();

private:
    FtpServerProcess *server = nullptr;
    QTemporaryDir localDir;
};

void TestGLFtpObjectTiming::slowServerNeverTimesOut_data()
{
    QTest::addColumn<int>("bytesPerSecond");
    QTest::addColumn<int>("fileBytes");
    // Each a little longer than the idle time-out.
    QTest::newRow("1 KB/s, 25 KB") << 1000 << 25000;
    QTest::newRow("4 KB/s, 120 KB") << 4000 << 120000;
}

// All of a small file fits the server's own socket buffers at once: nothing moves on the line
// while the server reads it slowly. The pieces the server confirms keep the submission alive.
void TestGLFtpObjectTiming::slowServerNeverTimesOut()
{
    QFETCH(int, bytesPerSecond);
    QFETCH(int, fileBytes);
    QVERIFY(server->start({QStringLiteral("--read-limit"), QString::number(bytesPerSecond)}));
    server->exportUrl();
    const QString path = writeFile(localDir, QStringLiteral("slow.log"), fileBytes);
    GLFtpObject uploader;
    QSignalSpy errors(&uploader, &GLFtpObject::uploadError);
    QSignalSpy finished(&uploader, &GLFtpObject::uploadFinished);
    uploader.setAdviceText(QStringLiteral("advice"));
    uploader.setUploadList({path});
    QElapsedTimer clock;
    clock.start();
    uploader.beginUpload();
    QTRY_VERIFY_WITH_TIMEOUT(errors.count() + finished.count() > 0, 150000);
    qInfo("%d bytes at %d B/s took %lld ms", fileBytes, bytesPerSecond, clock.elapsed());
    if (!errors.isEmpty())
        QFAIL(qPrintable(QStringLiteral("error %1 after %2 ms")
                             .arg(errors.first().first().toInt())
                             .arg(clock.elapsed())));
    QCOMPARE(finished.count(), 1);
    QVERIFY(clock.elapsed() > 20500); // it did take longer than the idle time-out
    QCOMPARE(server->submittedFile(QStringLiteral("1.log")), readFile(path));
}

// The server stops reading in the middle of a file and keeps the connection: no byte moves and
// no piece is confirmed, so the submission ends after 41 idle ticks of 500 ms (the first of
// which may come at once after the last progress).
void TestGLFtpObjectTiming::stalledServerTimesOut()
{
    QVERIFY(server->start({QStringLiteral("--stall-after"), QStringLiteral("20000")}));
    server->exportUrl();
    const QString path = writeFile(localDir, QStringLiteral("big.log"), 600000);
    GLFtpObject uploader;
    QSignalSpy errors(&uploader, &GLFtpObject::uploadError);
    QSignalSpy cleaned(&uploader, &GLFtpObject::cleanupFinished);
    uploader.setAdviceText(QStringLiteral("advice"));
    uploader.setUploadList({path});
    QElapsedTimer clock;
    clock.start();
    uploader.beginUpload();
    QTRY_VERIFY_WITH_TIMEOUT(errors.count() > 0, 60000);
    const qint64 msec = clock.elapsed();
    qInfo("the stalled upload ended after %lld ms", msec);
    QCOMPARE(errors.first().at(0).value<qint8>(), qint8(100));
    QVERIFY2(msec >= 20000 && msec < 30000, qPrintable(QString::number(msec)));
    QTRY_COMPARE_WITH_TIMEOUT(cleaned.count(), 1, 15000);
    QTRY_COMPARE_WITH_TIMEOUT(server->openSessions(), 0, 10000);
    QCOMPARE(server->submittedFiles(), QStringList());
}

// MKD is answered only after 22 s, when the time-out has been told at 20.5 s: by then the
// session is gone, so nothing of the submission is stored after its failure.
void TestGLFtpObjectTiming::lateAnswerEndsTheSessionBeforeTheResult()
{
    QVERIFY(server->start({QStringLiteral("--late-mkd"), QStringLiteral("22")}));
    server->exportUrl();
    GLFtpObject uploader;
    QSignalSpy errors(&uploader, &GLFtpObject::uploadError);
    QSignalSpy finished(&uploader, &GLFtpObject::uploadFinished);
    const int endedBefore = server->events().count(QStringLiteral("disconnect"));
    int endedAtFailure = -1;
    connect(&uploader, &GLFtpObject::uploadError, this, [&] {
        // The failure's own session has been let go before the signal: give the server a moment
        // to see the connection close.
        QTest::qWait(500);
        endedAtFailure = server->events().count(QStringLiteral("disconnect"));
    });
    uploader.setAdviceText(QStringLiteral("advice"));
    QElapsedTimer clock;
    clock.start();
    uploader.beginUpload();
    QTRY_VERIFY_WITH_TIMEOUT(errors.count() > 0, 60000);
    QCOMPARE(errors.first().at(0).value<qint8>(), qint8(100));
    QVERIFY2(clock.elapsed() < 22000, qPrintable(QString::number(clock.elapsed())));
    QTRY_VERIFY(endedAtFailure >= 0);
    QVERIFY2(endedAtFailure > endedBefore, qPrintable(server->events().join(QLatin1Char(' '))));
    QTest::qWait(int(qMax<qint64>(0, 24500 - clock.elapsed())));
    QCOMPARE(finished.count(), 0);
    QCOMPARE(server->submittedFiles(), QStringList());
    QVERIFY2(server->events().filter(QStringLiteral("STOR")).isEmpty(),
             qPrintable(server->events().join(QLatin1Char(' '))));
}

QTEST_GUILESS_MAIN(TestGLFtpObjectTiming)
#include "tst_glftpobjecttiming.moc"
