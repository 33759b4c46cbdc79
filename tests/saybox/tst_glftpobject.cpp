// The uploader against a real FTP server (pyftpdlib) on the loopback interface.
#include "saybox/glftpobject.h"
#include "tests/support/fifounblocker.h"
#include "tests/support/ftpserverprocess.h"
#include "tests/support/refusingport.h"
#include "tests/support/signalarguments.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

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

QString firstError(const QSignalSpy &errors)
{
    return errors.isEmpty() ? QString() : QString::number(errors.first().first().toInt());
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
    void idleTimeoutAtRealInterval();
    void fileGoneBeforeItsTurnStopsTheChain();
    void devicesAndFifosAreNeverRead();
    void aFileThatChangedSizeIsNotSentAsIfWhole();
    void truncatingServerIsNoSuccess();
    void partialSubmissionIsDeletedAfterAFailure();
    void aServerThatRefusesDeletingKeepsTheFiles();
    void refusedLoginNamesItsCause();
    void controlCharactersInANameAreReplaced();
    void adviceBytesArriveExactlyOnARawServer();
    void everyFileStoredButQuitUnansweredIsSuccess();
    void newSubmissionAbortsTheRunningOne();
    void submissionsOfOneSecondGetDistinctDirectories();

private:
    FtpServerProcess *server = nullptr;
    QTemporaryDir localDir;
};

void TestGLFtpObject::init()
{
    server = new FtpServerProcess;
}

void TestGLFtpObject::cleanup()
{
    delete server;
    server = nullptr;
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
    // Control characters would end the command line on the wire.
    QCOMPARE(GLFtpObject::remoteFileName(1, QStringLiteral("/tmp/evil.x\nDELE y")),
             QStringLiteral("1.x_DELE y"));
    QCOMPARE(GLFtpObject::remoteFileName(2, QStringLiteral("/tmp/tab\tbell\a\r")),
             QStringLiteral("2tab_bell__"));
    QCOMPARE(GLFtpObject::remoteFileName(3, QStringLiteral("/tmp/del.a") + QChar(0x7f) +
                                                QChar(0x85) + QStringLiteral("b")),
             QStringLiteral("3.a__b"));
    QCOMPARE(GLFtpObject::remoteFileName(4, QStringLiteral("/tmp/b\u00e4r.d\u00e9j\u00e0")),
             QStringLiteral("4.d\u00e9j\u00e0"));
}

void TestGLFtpObject::adviceOnly()
{
    QVERIFY(server->start());
    server->exportUrl();
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

    const QStringList dirs = server->submissionDirs();
    QCOMPARE(dirs.size(), 1);
    QVERIFY(QRegularExpression(QStringLiteral("^\\d{14}_1\\d{3}$")).match(dirs.first()).hasMatch());
    QCOMPARE(uploader.currentRemoteDir(), QStringLiteral("Saybox/KestoWanderer/") + dirs.first());
    const QDir dir(server->submissionPath(dirs.first()));
    QCOMPARE(dir.entryList(QDir::Files), QStringList{QStringLiteral("user_advice.txt")});
    QCOMPARE(readFile(dir.filePath(QStringLiteral("user_advice.txt"))), advice.toUtf8());

    QCOMPARE(argumentSequence<QString>(notices),
             (QStringList{QStringLiteral("Connecting server..."), QStringLiteral("Logining..."),
                          QStringLiteral("Make dir..."), QStringLiteral("Upload file..."),
                          QStringLiteral("Closeing connection...")}));
}

void TestGLFtpObject::attachmentsAndPictures()
{
    QVERIFY(server->start());
    server->exportUrl();
    const QDir local(localDir.path());
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

    const QStringList dirs = server->submissionDirs();
    QCOMPARE(dirs.size(), 1);
    const QDir dir(server->submissionPath(dirs.first()));
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
    QVERIFY(server->start());
    server->exportUrl(QStringLiteral("wrong"));
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
    QVERIFY(server->submissionDirs().isEmpty());
}

void TestGLFtpObject::noServer()
{
    const RefusingPort nobody;
    const quint16 port = nobody.port();
    QVERIFY(port != 0);
    qputenv("SAYBOX_FTP_URL", QStringLiteral("ftp://%1:%2@127.0.0.1:%3")
                                  .arg(FtpServerProcess::User, FtpServerProcess::Password)
                                  .arg(port)
                                  .toUtf8());
    GLFtpObject uploader;
    QSignalSpy errors(&uploader, &GLFtpObject::uploadError);
    QSignalSpy notices(&uploader, &GLFtpObject::noticeStateDisplay);
    uploader.beginUpload();
    QTRY_VERIFY_WITH_TIMEOUT(errors.count() > 0, 15000);
    QCOMPARE(errors.first().at(0).value<qint8>(), qint8(1));
    QVERIFY(notices.last().at(0).toString().startsWith(QStringLiteral("error:")));
    for (const QList<QVariant> &args : notices) {
        QVERIFY2(!args.at(0).toString().contains(FtpServerProcess::Password), "password leaked");
    }
    qunsetenv("SAYBOX_FTP_URL");
}

void TestGLFtpObject::idleTimeout()
{
    QVERIFY(server->start());
    server->exportUrl();
    QVERIFY(server->pause());
    GLFtpObject uploader;
    uploader.setIdleInterval(20);
    QSignalSpy errors(&uploader, &GLFtpObject::uploadError);
    QElapsedTimer clock;
    clock.start();
    uploader.beginUpload();
    QTRY_VERIFY_WITH_TIMEOUT(errors.count() > 0, 10000);
    QCOMPARE(errors.first().at(0).value<qint8>(), qint8(100));
    // 41 ticks without a command starting or finishing.
    QVERIFY(clock.elapsed() >= 41 * 20 - 50);
    QTest::qWait(200);
    QCOMPARE(errors.count(), 1);
}

// The shipped interval, once: a silent server ends the submission after about 20.5 s.
void TestGLFtpObject::idleTimeoutAtRealInterval()
{
    QVERIFY(server->start());
    server->exportUrl();
    QVERIFY(server->pause());
    GLFtpObject uploader;
    QSignalSpy errors(&uploader, &GLFtpObject::uploadError);
    QElapsedTimer clock;
    clock.start();
    uploader.beginUpload();
    QTRY_VERIFY_WITH_TIMEOUT(errors.count() > 0, 60000);
    QCOMPARE(errors.first().at(0).value<qint8>(), qint8(100));
    QVERIFY2(clock.elapsed() >= 20000, qPrintable(QString::number(clock.elapsed())));
}

// A file that vanished after it was attached ends the submission at once, naming the file; the
// session ends, and what the submission had stored is deleted again.
void TestGLFtpObject::fileGoneBeforeItsTurnStopsTheChain()
{
    QVERIFY(server->start());
    server->exportUrl();
    const QString kept = localDir.filePath(QStringLiteral("kept.txt"));
    const QString gone = localDir.filePath(QStringLiteral("gone.png"));
    const QString after = localDir.filePath(QStringLiteral("after.txt"));
    QVERIFY(writeFile(kept, "kept"));
    QVERIFY(writeFile(after, "after"));
    GLFtpObject uploader;
    QSignalSpy errors(&uploader, &GLFtpObject::uploadError);
    QSignalSpy finished(&uploader, &GLFtpObject::uploadFinished);
    QSignalSpy cleaned(&uploader, &GLFtpObject::cleanupFinished);
    uploader.setAdviceText(QStringLiteral("advice"));
    uploader.setUploadList({kept, gone, after});
    QElapsedTimer clock;
    clock.start();
    uploader.beginUpload();
    // At the shipped idle interval, the time-out would come only after 20.5 s.
    QTRY_VERIFY_WITH_TIMEOUT(errors.count() > 0, 10000);
    QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(errors.first().at(0).value<qint8>(), qint8(5));
    QVERIFY(!uploader.isSending());
    QCOMPARE(uploader.lastFailure().fileName, QStringLiteral("gone.png"));
    QTRY_COMPARE_WITH_TIMEOUT(cleaned.count(), 1, 10000);
    QCOMPARE(cleaned.first().at(0).toInt(), 3); // user_advice.txt, 1.txt and the folder
    QCOMPARE(errors.count(), 1);
    QCOMPARE(finished.count(), 0);
    QCOMPARE(server->submittedFiles(), QStringList());
    QCOMPARE(server->submissionDirs(), QStringList());
}

// Only regular files are read, by the worker and without waiting: a device would never end, a
// FIFO would block the open until someone writes to it.
void TestGLFtpObject::devicesAndFifosAreNeverRead()
{
    QVERIFY(server->start());
    server->exportUrl();
    const QString fifoPath = localDir.filePath(QStringLiteral("pipe.log"));
    FifoUnblocker fifo(fifoPath, 4000);
    QVERIFY(fifo.valid());
    for (const QString &path : {QStringLiteral("/dev/zero"), fifoPath}) {
        GLFtpObject uploader;
        QSignalSpy errors(&uploader, &GLFtpObject::uploadError);
        QSignalSpy progress(&uploader, &GLFtpObject::dataTransferProgress);
        uploader.setAdviceText(QStringLiteral("advice"));
        uploader.setUploadList({path});
        QElapsedTimer clock;
        clock.start();
        uploader.beginUpload();
        QTRY_VERIFY_WITH_TIMEOUT(errors.count() > 0, 15000);
        QVERIFY2(clock.elapsed() < 3500, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(errors.first().at(0).value<qint8>(), qint8(5));
        for (const QList<QVariant> &moved : progress)
            QVERIFY(moved.at(0).toLongLong() <= 6); // the advice text, nothing of the file
    }
    QCOMPARE(fifo.unblocked(), 0);
}

// Each file is sent as it was counted at Submit: one that has grown is cut at that size and the
// submission fails, one that has shrunk fails too; nothing stays on the server.
void TestGLFtpObject::aFileThatChangedSizeIsNotSentAsIfWhole()
{
    QVERIFY(server->start());
    server->exportUrl();
    const QString path = localDir.filePath(QStringLiteral("grows.log"));
    QVERIFY(writeFile(path, binaryBytes(300000, 4)));
    for (const qint64 counted : {qint64(200000), qint64(400000)}) {
        GLFtpObject uploader;
        QSignalSpy errors(&uploader, &GLFtpObject::uploadError);
        QSignalSpy finished(&uploader, &GLFtpObject::uploadFinished);
        QSignalSpy progress(&uploader, &GLFtpObject::dataTransferProgress);
        QSignalSpy cleaned(&uploader, &GLFtpObject::cleanupFinished);
        uploader.setAdviceText(QStringLiteral("advice"));
        uploader.setUploadList({path}, {counted});
        uploader.beginUpload();
        QTRY_VERIFY_WITH_TIMEOUT(errors.count() + finished.count() > 0, 15000);
        QCOMPARE(finished.count(), 0);
        QCOMPARE(errors.first().at(0).value<qint8>(), qint8(6));
        QCOMPARE(uploader.lastFailure().fileName, QStringLiteral("grows.log"));
        qint64 most = 0;
        for (const QList<QVariant> &moved : progress)
            most = qMax(most, moved.at(0).toLongLong());
        QVERIFY2(most <= counted, qPrintable(QString::number(most)));
        QTRY_COMPARE_WITH_TIMEOUT(cleaned.count(), 1, 10000);
        QCOMPARE(server->submittedFiles(), QStringList());
    }
}

// A server that cuts a file and answers 226 all the same has not stored the submission.
void TestGLFtpObject::truncatingServerIsNoSuccess()
{
    QVERIFY(server->start({QStringLiteral("--truncate"), QStringLiteral("1000")}));
    server->exportUrl();
    const QString path = localDir.filePath(QStringLiteral("log.txt"));
    QVERIFY(writeFile(path, binaryBytes(5000, 2)));
    GLFtpObject uploader;
    QSignalSpy errors(&uploader, &GLFtpObject::uploadError);
    QSignalSpy finished(&uploader, &GLFtpObject::uploadFinished);
    QSignalSpy cleaned(&uploader, &GLFtpObject::cleanupFinished);
    uploader.setAdviceText(QStringLiteral("advice"));
    uploader.setUploadList({path});
    uploader.beginUpload();
    QTRY_VERIFY_WITH_TIMEOUT(errors.count() + finished.count() > 0, 15000);
    QCOMPARE(finished.count(), 0);
    QCOMPARE(errors.first().at(0).value<qint8>(), qint8(3));
    QCOMPARE(uploader.lastFailure().cause, GLCurlFtp::StoredIncomplete);
    QCOMPARE(uploader.lastFailure().fileName, QStringLiteral("log.txt"));
    QTRY_COMPARE_WITH_TIMEOUT(cleaned.count(), 1, 10000);
    QCOMPARE(server->submittedFiles(), QStringList());
}

// A full server refuses the second file: the first and the folder are deleted again.
// The first file fills the quota exactly, so the refusal comes as the answer to the second STOR.
// (A refusal in the middle of a transfer closes the data connection, and whether the client
// then reads the 552 or only the reset depends on timing.)
void TestGLFtpObject::partialSubmissionIsDeletedAfterAFailure()
{
    QVERIFY(server->start({QStringLiteral("--quota"), QStringLiteral("20000")}));
    server->exportUrl();
    const QString first = localDir.filePath(QStringLiteral("a.bin"));
    const QString second = localDir.filePath(QStringLiteral("b.bin"));
    QVERIFY(writeFile(first, binaryBytes(20000, 1)));
    QVERIFY(writeFile(second, binaryBytes(100000, 2)));
    GLFtpObject uploader;
    QSignalSpy errors(&uploader, &GLFtpObject::uploadError);
    QSignalSpy cleaned(&uploader, &GLFtpObject::cleanupFinished);
    uploader.setAdviceText(QStringLiteral("advice"));
    uploader.setUploadList({first, second});
    uploader.beginUpload();
    QTRY_VERIFY_WITH_TIMEOUT(errors.count() > 0, 15000);
    QCOMPARE(errors.first().at(0).value<qint8>(), qint8(3));
    QCOMPARE(uploader.lastFailure().cause, GLCurlFtp::QuotaExceeded);
    QTRY_COMPARE_WITH_TIMEOUT(cleaned.count(), 1, 10000);
    QCOMPARE(cleaned.first().at(0).toInt(), 3); // the advice, the first file, the folder
    QCOMPARE(server->submittedFiles(), QStringList());
    QCOMPARE(server->submissionDirs(), QStringList());
    QVERIFY(server->events().filter(QStringLiteral("DELE ")).size() >= 2);
}

// Where the server does not delete, the files stay; the failure is still told once and the
// clean-up ends by itself.
void TestGLFtpObject::aServerThatRefusesDeletingKeepsTheFiles()
{
    QVERIFY(server->start(
        {QStringLiteral("--no-delete"), QStringLiteral("--truncate"), QStringLiteral("100")}));
    server->exportUrl();
    const QString path = localDir.filePath(QStringLiteral("log.txt"));
    QVERIFY(writeFile(path, binaryBytes(5000, 2)));
    GLFtpObject uploader;
    QSignalSpy errors(&uploader, &GLFtpObject::uploadError);
    QSignalSpy cleaned(&uploader, &GLFtpObject::cleanupFinished);
    uploader.setAdviceText(QStringLiteral("advice"));
    uploader.setUploadList({path});
    uploader.beginUpload();
    QTRY_COMPARE_WITH_TIMEOUT(cleaned.count(), 1, 20000);
    QCOMPARE(cleaned.first().at(0).toInt(), 0);
    QCOMPARE(errors.count(), 1);
    QCOMPARE(server->submittedFiles().size(), 2);
    QCOMPARE(server->events().filter(QStringLiteral("DELE ")).size(), 2);
}

void TestGLFtpObject::refusedLoginNamesItsCause()
{
    QVERIFY(server->start({QStringLiteral("--refuse-login")}));
    server->exportUrl();
    GLFtpObject uploader;
    QSignalSpy errors(&uploader, &GLFtpObject::uploadError);
    uploader.setAdviceText(QStringLiteral("advice"));
    uploader.beginUpload();
    QTRY_VERIFY_WITH_TIMEOUT(errors.count() > 0, 15000);
    QCOMPARE(errors.first().at(0).value<qint8>(), qint8(2));
    QCOMPARE(uploader.lastFailure().cause, GLCurlFtp::LoginRefused);
    QVERIFY(server->submissionDirs().isEmpty());
}

void TestGLFtpObject::controlCharactersInANameAreReplaced()
{
    QVERIFY(server->start());
    server->exportUrl();
    const QString evil = localDir.filePath(QStringLiteral("evil.x\nDELE y"));
    QVERIFY(writeFile(evil, "evil"));
    GLFtpObject uploader;
    QSignalSpy errors(&uploader, &GLFtpObject::uploadError);
    QSignalSpy finished(&uploader, &GLFtpObject::uploadFinished);
    uploader.setAdviceText(QStringLiteral("advice"));
    uploader.setUploadList({evil});
    uploader.beginUpload();
    QTRY_VERIFY_WITH_TIMEOUT(finished.count() == 1 || errors.count() > 0, 15000);
    QVERIFY2(errors.isEmpty(), qPrintable(firstError(errors)));
    QCOMPARE(server->submittedFile(QStringLiteral("1.x_DELE y")), QByteArray("evil"));
}

// Many servers store what they receive in ASCII mode byte for byte: the advice must arrive with
// its one CR LF, not with a CR added before it.
void TestGLFtpObject::adviceBytesArriveExactlyOnARawServer()
{
    QVERIFY(server->start({QStringLiteral("--raw")}));
    server->exportUrl();
    const QString advice = QStringLiteral("Tel: 12345\r\nhello\nsecond line");
    GLFtpObject uploader;
    QSignalSpy errors(&uploader, &GLFtpObject::uploadError);
    QSignalSpy finished(&uploader, &GLFtpObject::uploadFinished);
    uploader.setAdviceText(advice);
    uploader.beginUpload();
    QTRY_VERIFY_WITH_TIMEOUT(finished.count() == 1 || errors.count() > 0, 15000);
    QVERIFY2(errors.isEmpty(), qPrintable(firstError(errors)));
    QCOMPARE(server->submittedFile(QStringLiteral("user_advice.txt")), advice.toUtf8());
}

// Once every file is stored, a server that never answers QUIT does not turn the submission into
// a failure; it ends in success, once.
void TestGLFtpObject::everyFileStoredButQuitUnansweredIsSuccess()
{
    QVERIFY(server->start({QStringLiteral("--no-quit")}));
    server->exportUrl();
    const QString file = localDir.filePath(QStringLiteral("log.txt"));
    QVERIFY(writeFile(file, binaryBytes(20000, 5)));
    GLFtpObject uploader;
    // Short, so the unanswered QUIT is given up soon; long enough (4.1 s without progress) that
    // a loaded machine storing the file is not taken for a stalled server.
    uploader.setIdleInterval(100);
    QSignalSpy errors(&uploader, &GLFtpObject::uploadError);
    QSignalSpy finished(&uploader, &GLFtpObject::uploadFinished);
    uploader.setAdviceText(QStringLiteral("advice"));
    uploader.setUploadList({file});
    uploader.beginUpload();
    QTRY_VERIFY_WITH_TIMEOUT(finished.count() == 1 || errors.count() > 0, 20000);
    QVERIFY2(errors.isEmpty(), qPrintable(firstError(errors)));
    QTest::qWait(1500);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(errors.count(), 0);
    QCOMPARE(server->submittedFile(QStringLiteral("1.txt")), readFile(file));
}

void TestGLFtpObject::newSubmissionAbortsTheRunningOne()
{
    QVERIFY(server->start());
    server->exportUrl();
    const QString file = localDir.filePath(QStringLiteral("log.txt"));
    QVERIFY(writeFile(file, binaryBytes(300000, 3)));
    GLFtpObject uploader;
    QSignalSpy errors(&uploader, &GLFtpObject::uploadError);
    QSignalSpy finished(&uploader, &GLFtpObject::uploadFinished);
    uploader.setAdviceText(QStringLiteral("first"));
    uploader.setUploadList({file});

    // The first submission hangs on a server that does not answer.
    QVERIFY(server->pause());
    uploader.beginUpload();
    const QString firstDir = uploader.currentRemoteDir();
    QTest::qWait(300);
    uploader.setAdviceText(QStringLiteral("second"));
    uploader.setUploadList({file});
    uploader.beginUpload();
    const QString secondDir = uploader.currentRemoteDir();
    QVERIFY(secondDir != firstDir);
    QVERIFY(server->resume());

    QTRY_VERIFY_WITH_TIMEOUT(finished.count() == 1 || errors.count() > 0, 20000);
    QVERIFY2(errors.isEmpty(), qPrintable(firstError(errors)));
    QTest::qWait(500);
    QCOMPARE(finished.count(), 1);
    const QStringList dirs = server->submissionDirs();
    QCOMPARE(dirs, QStringList{secondDir.section(QLatin1Char('/'), -1)});
    const QDir dir(server->submissionPath(dirs.first()));
    QCOMPARE(readFile(dir.filePath(QStringLiteral("user_advice.txt"))), QByteArray("second"));
    QCOMPARE(readFile(dir.filePath(QStringLiteral("1.txt"))), readFile(file));
}

void TestGLFtpObject::submissionsOfOneSecondGetDistinctDirectories()
{
    // Nothing listens: every submission fails at once, which is all this needs.
    const RefusingPort nobody;
    QVERIFY(nobody.port() != 0);
    qputenv("SAYBOX_FTP_URL", QStringLiteral("ftp://u:p@127.0.0.1:%1").arg(nobody.port()).toUtf8());
    GLFtpObject uploader;
    QSet<QString> seen;
    // With 1000 possible suffixes, 100 draws repeat one almost surely unless repeats are avoided.
    for (int i = 0; i < 100; ++i) {
        uploader.beginUpload();
        const QString dir = uploader.currentRemoteDir();
        QVERIFY2(!seen.contains(dir), qPrintable(dir));
        seen.insert(dir);
        QCoreApplication::processEvents();
    }
    qunsetenv("SAYBOX_FTP_URL");
}

QTEST_GUILESS_MAIN(TestGLFtpObject)
#include "tst_glftpobject.moc"
