// The feedback window: language choice from the user's sys.ini, placement, and the way from
// the form to the status screen and back, against a real FTP server.
#include "product/installlayout.h"
#include "product/usersettingsfile.h"
#include "saybox/glftpobject.h"
#include "saybox/glmainwidget.h"
#include "saybox/glsayboxclient.h"
#include "saybox/gluploadstatus.h"
#include "tests/support/accessibilitywalk.h"
#include "tests/support/focusmarks.h"
#include "tests/support/ftpserverprocess.h"
#include "tests/support/modalanswerer.h"
#include "tests/support/readingorder.h"
#include "tests/support/refusingport.h"
#include "tests/support/signalarguments.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QTranslator>

class TestGLMainWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void translationFileFollowsTheLowByte();
    void languageComesFromTheSharedSettings();
    void eachUserHasTheirOwnLanguage();
    void unknownLanguageKeepsEnglish();
    void windowIsFixedAndCentred();
    void successfulSubmission();
    void failedSubmissionAndReturn();
    void returnWhileUploadingLeavesTheFormShown();
    void secondSubmitWhileQuitHangsKeepsTheWindowResponsive();
    void closingWhileQuitHangsEndsTheProcessPromptly();
    void slowUploadShowsOneFinalScreen();
    void vanishedFileIsNamedOnTheFailureScreen();
    void failureScreensNameTheCause_data();
    void failureScreensNameTheCause();
    void progressShowsBytesAndPercent();
    void doubleClickOnSubmitDoesNotPressReturn();
    void closingDuringAnUploadAsksFirst();
    void screenReaderTellsEveryControlApart_data();
    void screenReaderTellsEveryControlApart();
    void keyboardShowsFocusAndFollowsReadingOrder_data();
    void keyboardShowsFocusAndFollowsReadingOrder();

private:
    void writeLanguage(int lang);
    void fillForm();
    // A new English form with as many pictures and files attached.
    void openFormWithAttachments(int count);
    void clickSubmit();
    void clickReturn();
    // Return ignores presses for the first second of the status screen.
    void waitOutReturnGuard() { QTest::qWait(GLUploadStatus::ReturnGuardMsec + 200); }
    QString writeLocalFile(const QString &name, const QByteArray &bytes);
    QWidget *statusChild(const char *name) const;
    QString dataFolder() const { return InstallLayout::dataFolder(); }
    QString settingsPath() const { return UserSettingsFile::path(); }

    FtpServerProcess *server = nullptr;
    GLMainWidget *window = nullptr;
    QTemporaryDir localDir;
};

void TestGLMainWidget::initTestCase()
{
    // The suite's own configuration folder (CMake gives each suite one).
    QVERIFY(!qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME"));
}

void TestGLMainWidget::cleanupTestCase()
{
    QFile::remove(settingsPath());
}

void TestGLMainWidget::init()
{
    server = new FtpServerProcess;
}

void TestGLMainWidget::cleanup()
{
    delete window;
    window = nullptr;
    delete server;
    server = nullptr;
}

void TestGLMainWidget::writeLanguage(int lang)
{
    QFile::remove(settingsPath());
    QSettings settings(settingsPath(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("System/lang"), lang);
    settings.sync();
    QCOMPARE(settings.status(), QSettings::NoError);
}

void TestGLMainWidget::fillForm()
{
    window->client()
        ->findChild<QLineEdit *>(QStringLiteral("lineEdit"))
        ->setText(QStringLiteral("pilot@example.org"));
    window->client()
        ->findChild<QTextEdit *>(QStringLiteral("textEdit"))
        ->setPlainText(QStringLiteral("The tail drifts."));
}

void TestGLMainWidget::clickSubmit()
{
    QTest::mouseClick(
        window->client()->findChild<QPushButton *>(QStringLiteral("pushButtonSubmit")),
        Qt::LeftButton);
}

void TestGLMainWidget::clickReturn()
{
    QTest::mouseClick(
        window->status()->findChild<QPushButton *>(QStringLiteral("pushButtonReturn")),
        Qt::LeftButton);
}

QString TestGLMainWidget::writeLocalFile(const QString &name, const QByteArray &bytes)
{
    const QString path = localDir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

QWidget *TestGLMainWidget::statusChild(const char *name) const
{
    return window->status()->findChild<QWidget *>(QLatin1String(name));
}

void TestGLMainWidget::translationFileFollowsTheLowByte()
{
    const QString dir = QStringLiteral("/opt/app");
    QCOMPARE(GLMainWidget::translationFile(dir, 0),
             QStringLiteral("/opt/app/language/saybox_en.qm"));
    QCOMPARE(GLMainWidget::translationFile(dir, 1),
             QStringLiteral("/opt/app/language/saybox_zh.qm"));
    QCOMPARE(GLMainWidget::translationFile(dir, 2),
             QStringLiteral("/opt/app/language/saybox_ge.qm"));
    QCOMPARE(GLMainWidget::translationFile(dir, 258),
             QStringLiteral("/opt/app/language/saybox_ge.qm"));
    QCOMPARE(GLMainWidget::translationFile(dir, 256),
             QStringLiteral("/opt/app/language/saybox_en.qm"));
    QVERIFY(GLMainWidget::translationFile(dir, 3).isEmpty());
    QVERIFY(GLMainWidget::translationFile(dir, 5).isEmpty());
    QVERIFY(GLMainWidget::translationFile(dir, -1).isEmpty());
}

void TestGLMainWidget::languageComesFromTheSharedSettings()
{
    for (const int lang : {1, 2}) {
        writeLanguage(lang);
        QCOMPARE(GLMainWidget::languageSetting(), lang);
        QTranslator expected;
        QVERIFY(expected.load(GLMainWidget::translationFile(dataFolder(), lang)));
        const QString feedback = expected.translate("GLMainWidget", "Feedback");
        const QString submit = expected.translate("GLSayboxClient", "Submit");
        QVERIFY(!feedback.isEmpty() && feedback != QStringLiteral("Feedback"));

        window = new GLMainWidget;
        QCOMPARE(window->windowTitle(), feedback);
        QCOMPARE(
            window->client()->findChild<QPushButton *>(QStringLiteral("pushButtonSubmit"))->text(),
            submit);
        delete window;
        window = nullptr;
    }
}

void TestGLMainWidget::unknownLanguageKeepsEnglish()
{
    writeLanguage(5);
    window = new GLMainWidget;
    QCOMPARE(window->windowTitle(), QStringLiteral("Feedback"));
    QCOMPARE(window->client()->findChild<QPushButton *>(QStringLiteral("pushButtonSubmit"))->text(),
             QStringLiteral("Submit"));
    delete window;
    window = nullptr;

    QFile::remove(settingsPath());
    QCOMPARE(GLMainWidget::languageSetting(), 0);
}

// Two users of one computer: each one's window speaks the language that user chose.
void TestGLMainWidget::eachUserHasTheirOwnLanguage()
{
    const QByteArray suiteFolder = qgetenv("XDG_CONFIG_HOME");
    QTemporaryDir users;
    const auto windowTitleFor = [&](const char *user) {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(users.filePath(QLatin1String(user))));
        GLMainWidget userWindow;
        return userWindow.windowTitle();
    };
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(users.filePath(QStringLiteral("anna"))));
    writeLanguage(2);
    QTranslator german;
    QVERIFY(german.load(GLMainWidget::translationFile(dataFolder(), 2)));
    QCOMPARE(windowTitleFor("anna"), german.translate("GLMainWidget", "Feedback"));
    QCOMPARE(windowTitleFor("ben"), QStringLiteral("Feedback"));
    QVERIFY(!QFile::exists(settingsPath()));
    qputenv("XDG_CONFIG_HOME", suiteFolder);
}

void TestGLMainWidget::windowIsFixedAndCentred()
{
    writeLanguage(0);
    window = new GLMainWidget;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->size(), QSize(602, 342));
    QCOMPARE(window->minimumSize(), QSize(602, 342));
    QCOMPARE(window->maximumSize(), QSize(602, 342));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(window->pos(), QPoint(screen.width() / 2 - 301, screen.height() / 2 - 171));
    QVERIFY(window->client()->isVisible());
    QVERIFY(!window->status()->isVisible());
}

void TestGLMainWidget::successfulSubmission()
{
    QVERIFY(server->start());
    server->exportUrl();
    window = new GLMainWidget;
    window->show();
    fillForm();
    QSignalSpy finished(window->client(), &GLSayboxClient::uploadFinished);

    QTest::mouseClick(
        window->client()->findChild<QPushButton *>(QStringLiteral("pushButtonSubmit")),
        Qt::LeftButton);
    QVERIFY(window->status()->isVisible());
    QVERIFY(!window->client()->isVisible());
    QVERIFY(statusChild("labelWait")->isVisible());
    QVERIFY(statusChild("labelText1")->isVisible());
    QVERIFY(window->status()->isAnimating());

    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 20000);
    QVERIFY(!window->status()->isAnimating());
    QVERIFY(!statusChild("labelWait")->isVisible());
    auto *picture = qobject_cast<QLabel *>(statusChild("labelPic"));
    QVERIFY(picture->isVisible());
    QVERIFY(!picture->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(picture->size(), picture->pixmap(Qt::ReturnByValue).size());
    QVERIFY(statusChild("labelText3")->isVisible());
    QVERIFY(!statusChild("labelText1")->isVisible());
    QVERIFY(!statusChild("labelText2")->isVisible());

    const QStringList dirs = server->submissionDirs();
    QCOMPARE(dirs.size(), 1);
    QFile advice(server->submissionPath(dirs.first()) + QStringLiteral("/user_advice.txt"));
    QVERIFY(advice.open(QIODevice::ReadOnly));
    QCOMPARE(advice.readAll(), QByteArray("Other: pilot@example.org\r\nThe tail drifts."));
}

void TestGLMainWidget::failedSubmissionAndReturn()
{
    QVERIFY(server->start());
    server->exportUrl(QStringLiteral("not-the-password"));
    window = new GLMainWidget;
    window->show();
    fillForm();
    QSignalSpy failed(window->client(), &GLSayboxClient::uploadError);
    QTest::mouseClick(
        window->client()->findChild<QPushButton *>(QStringLiteral("pushButtonSubmit")),
        Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, 20000);
    QVERIFY(statusChild("labelPic")->isVisible());
    QVERIFY(statusChild("labelText2")->isVisible());
    QVERIFY(!statusChild("labelText3")->isVisible());
    QVERIFY(!statusChild("labelWait")->isVisible());

    waitOutReturnGuard();
    clickReturn();
    QVERIFY(window->client()->isVisible());
    QVERIFY(!window->status()->isVisible());
    QCOMPARE(window->client()->adviceText(),
             QStringLiteral("Other: pilot@example.org\r\nThe tail drifts."));

    // A second try starts waiting afresh: the old result picture is hidden.
    QTest::mouseClick(
        window->client()->findChild<QPushButton *>(QStringLiteral("pushButtonSubmit")),
        Qt::LeftButton);
    QVERIFY(statusChild("labelWait")->isVisible());
    QVERIFY(!statusChild("labelPic")->isVisible());
    QVERIFY(!statusChild("labelText2")->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 2, 20000);
}

void TestGLMainWidget::returnWhileUploadingLeavesTheFormShown()
{
    QVERIFY(server->start());
    server->exportUrl();
    QVERIFY(server->pause());
    window = new GLMainWidget;
    window->show();
    fillForm();
    QSignalSpy finished(window->client(), &GLSayboxClient::uploadFinished);
    clickSubmit();
    waitOutReturnGuard();
    clickReturn();
    QVERIFY(window->client()->isVisible());
    QVERIFY(!window->status()->isAnimating());

    QVERIFY(server->resume());
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 20000);
    // The result lands on the hidden status screen; the form stays in front.
    QVERIFY(window->client()->isVisible());
    QVERIFY(!window->status()->isVisible());
    QCOMPARE(server->submissionDirs().size(), 1);
}

// A server that never answers QUIT: Submit again while the old session hangs on it. The window
// keeps handling events all the while.
void TestGLMainWidget::secondSubmitWhileQuitHangsKeepsTheWindowResponsive()
{
    QVERIFY(server->start({QStringLiteral("--no-quit")}));
    server->exportUrl();
    window = new GLMainWidget;
    window->show();
    fillForm();
    QSignalSpy notices(window->client()->ftpObject(), &GLFtpObject::noticeStateDisplay);
    clickSubmit();
    QTRY_COMPARE_WITH_TIMEOUT(lastArgument<QString>(notices),
                              QStringLiteral("Closeing connection..."), 15000);
    waitOutReturnGuard();
    clickReturn();
    QVERIFY(window->client()->isVisible());

    QElapsedTimer clock;
    qint64 lastTick = 0;
    qint64 longestGap = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, [&] {
        longestGap = qMax(longestGap, clock.elapsed() - lastTick);
        lastTick = clock.elapsed();
    });
    ticker.start(20);
    clock.start();
    clickSubmit();
    QVERIFY(window->status()->isVisible());
    QTest::qWait(2500);
    longestGap = qMax(longestGap, clock.elapsed() - lastTick);
    qInfo("longest pause of a 20 ms timer after the second Submit: %lld ms", longestGap);
    QVERIFY2(longestGap < 1000, qPrintable(QString::number(longestGap)));
}

// The same server: closing the window while the session hangs on QUIT ends the process within
// the two seconds a busy worker is given, not when the server lets go.
void TestGLMainWidget::closingWhileQuitHangsEndsTheProcessPromptly()
{
    QVERIFY(server->start({QStringLiteral("--no-quit")}));
    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SAYBOX_FTP_URL"), server->url());
    probe.setProcessEnvironment(environment);
    probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    qint64 closingAt = -1;
    qint64 endedAt = -1;
    connect(&probe, &QProcess::readyReadStandardOutput, [&] {
        if (probe.canReadLine() && probe.readLine().trimmed() == "closing")
            closingAt = clock.elapsed();
    });
    connect(&probe, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished),
            [&] { endedAt = clock.elapsed(); });
    clock.start();
    probe.start(QStringLiteral(SAYBOX_EXIT_PROBE), QStringList());
    QVERIFY(probe.waitForStarted(10000));
    QTRY_VERIFY_WITH_TIMEOUT(closingAt >= 0 || endedAt >= 0, 20000);
    QTRY_VERIFY_WITH_TIMEOUT(endedAt >= 0, 20000);
    QVERIFY2(closingAt >= 0, "the probe ended without closing its window");
    QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
    QCOMPARE(probe.exitCode(), 0);
    const qint64 msec = endedAt - closingAt;
    qInfo("the process ended %lld ms after its window closed", msec);
    // Two seconds for the worker, plus the end of a process on a busy machine.
    QVERIFY2(msec < 5000, qPrintable(QString::number(msec)));
}

// The shipped idle interval against a throttled server: 4 MB that take over 20 s, with bytes
// moving all the time, end in success, and in nothing else.
void TestGLMainWidget::slowUploadShowsOneFinalScreen()
{
    QVERIFY(server->start({QStringLiteral("--read-limit"), QStringLiteral("100000")}));
    server->exportUrl();
    QByteArray bytes(4000000, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>((i * 7 + (i >> 11)) & 0xff);
    const QString path = writeLocalFile(QStringLiteral("flight.log"), bytes);
    window = new GLMainWidget;
    window->show();
    fillForm();
    QVERIFY(window->client()->addAttachmentPath(path));
    QSignalSpy failed(window->client(), &GLSayboxClient::uploadError);
    QSignalSpy finished(window->client(), &GLSayboxClient::uploadFinished);
    QElapsedTimer clock;
    clock.start();
    clickSubmit();
    QTRY_VERIFY_WITH_TIMEOUT(finished.count() + failed.count() > 0, 90000);
    QTest::qWait(1000);
    qInfo("4 MB took %lld ms", clock.elapsed());
    if (!failed.isEmpty())
        QFAIL(qPrintable(QStringLiteral("error %1 after %2 ms")
                             .arg(failed.first().first().toInt())
                             .arg(clock.elapsed())));
    QCOMPARE(finished.count(), 1);
    QVERIFY(clock.elapsed() > 21000);
    QVERIFY(statusChild("labelText3")->isVisible());
    QVERIFY(!statusChild("labelText2")->isVisible());
    QCOMPARE(server->submittedFile(QStringLiteral("1.log")), bytes);
}

void TestGLMainWidget::vanishedFileIsNamedOnTheFailureScreen()
{
    QVERIFY(server->start());
    server->exportUrl();
    const QString name = QStringLiteral("flight-log-of-the-long-cross-country-trip-with-many-"
                                        "waypoints-and-a-very-long-name-indeed.txt");
    const QString path = writeLocalFile(name, QByteArray(1536, 'g'));
    window = new GLMainWidget;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    fillForm();
    QVERIFY(window->client()->addAttachmentPath(path));
    QSignalSpy failed(window->client(), &GLSayboxClient::uploadError);
    clickSubmit();
    // Gone after Submit, before its turn comes.
    QVERIFY(QFile::remove(path));
    // At once, not when the idle time-out (20.5 s) comes.
    QTRY_VERIFY_WITH_TIMEOUT(!failed.isEmpty(), 10000);
    QCOMPARE(failed.first().at(0).value<qint8>(), qint8(5));
    auto *text = qobject_cast<QLabel *>(statusChild("labelText2"));
    QVERIFY(text->isVisible());
    QVERIFY2(text->text().contains(QStringLiteral("can no longer be read")),
             qPrintable(text->text()));
    QVERIFY(!text->text().contains(QStringLiteral("network")));
    // Too long for the window: cut in the middle, whole in the tool tip, every line inside.
    QVERIFY2(text->text().contains(QChar(0x2026)), qPrintable(text->text()));
    QVERIFY(text->text().contains(QStringLiteral("flight-log")));
    QCOMPARE(text->toolTip(), name);
    QVERIFY(text->geometry().right() <= window->status()->width());
    QTextDocument laidOut;
    laidOut.setHtml(text->text());
    laidOut.setTextWidth(text->width());
    QVERIFY(laidOut.idealWidth() <= text->width());

    // The next failure of another kind shows its own text, and no tool tip is left over.
    server->exportUrl(QStringLiteral("not-the-password"));
    waitOutReturnGuard();
    clickReturn();
    window->client()->deleteFile1();
    clickSubmit();
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 2, 20000);
    QVERIFY(text->text().contains(QStringLiteral("refused the login")));
    QVERIFY(text->toolTip().isEmpty());
}

void TestGLMainWidget::failureScreensNameTheCause_data()
{
    QTest::addColumn<QStringList>("behaviour");
    QTest::addColumn<QString>("text");
    QTest::newRow("no server") << QStringList{QStringLiteral("<none>")}
                               << QStringLiteral("please check your network");
    QTest::newRow("login refused") << QStringList{QStringLiteral("--refuse-login")}
                                   << QStringLiteral("The feedback server refused the login.");
    QTest::newRow("quota full") << QStringList{QStringLiteral("--quota"), QStringLiteral("2000")}
                                << QStringLiteral("The feedback server is full");
    QTest::newRow("file cut short")
        << QStringList{QStringLiteral("--truncate"), QStringLiteral("1000")}
        << QStringLiteral("did not store the file <i>flight.log</i> completely");
}

void TestGLMainWidget::failureScreensNameTheCause()
{
    QFETCH(QStringList, behaviour);
    QFETCH(QString, text);
    const RefusingPort nobody;
    if (behaviour == QStringList{QStringLiteral("<none>")}) {
        QVERIFY(nobody.port() != 0);
        qputenv("SAYBOX_FTP_URL",
                QStringLiteral("ftp://u:p@127.0.0.1:%1").arg(nobody.port()).toUtf8());
    } else {
        QVERIFY(server->start(behaviour));
        server->exportUrl();
    }
    const QString path = writeLocalFile(QStringLiteral("flight.log"), QByteArray(5000, 'f'));
    window = new GLMainWidget;
    window->show();
    fillForm();
    QVERIFY(window->client()->addAttachmentPath(path));
    QSignalSpy failed(window->client(), &GLSayboxClient::uploadError);
    clickSubmit();
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, 20000);
    auto *shown = qobject_cast<QLabel *>(statusChild("labelText2"));
    QVERIFY(shown->isVisible());
    QVERIFY2(shown->text().contains(text), qPrintable(shown->text()));
}

// From Submit on, the waiting screen tells the submission's size and how much of it is sent.
void TestGLMainWidget::progressShowsBytesAndPercent()
{
    QVERIFY(server->start({QStringLiteral("--read-limit"), QStringLiteral("200000")}));
    server->exportUrl();
    const QString path = writeLocalFile(QStringLiteral("big.log"), QByteArray(800000, 'b'));
    window = new GLMainWidget;
    window->show();
    fillForm();
    QVERIFY(window->client()->addAttachmentPath(path));
    QSignalSpy finished(window->client(), &GLSayboxClient::uploadFinished);
    auto *progress = qobject_cast<QLabel *>(statusChild("labelProgress"));
    QStringList shown;
    connect(window->client()->ftpObject(), &GLFtpObject::submissionProgress, this,
            [&] { shown << progress->text(); });
    clickSubmit();
    QVERIFY(progress->isVisible());
    // 800,000 bytes and the 42 of the advice text.
    QCOMPARE(progress->text(), QStringLiteral("0 B of 781.29 KB sent (0%)"));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 30000);
    QVERIFY(!progress->isVisible());

    const QRegularExpression shape(
        QStringLiteral("^([\\d.]+ (B|KB|MB)) of 781\\.29 KB sent \\((\\d+)%\\)$"));
    int last = -1;
    int between = 0;
    for (const QString &text : qAsConst(shown)) {
        const QRegularExpressionMatch match = shape.match(text);
        QVERIFY2(match.hasMatch(), qPrintable(text));
        const int percent = match.captured(3).toInt();
        QVERIFY2(percent >= last, qPrintable(shown.join(QLatin1Char('|'))));
        last = percent;
        between += percent > 0 && percent < 100 ? 1 : 0;
    }
    QCOMPARE(shown.last(), QStringLiteral("781.29 KB of 781.29 KB sent (100%)"));
    QVERIFY2(between >= 2, qPrintable(shown.join(QLatin1Char('|'))));
}

// The second click of a double click on Submit lands where Return now is.
void TestGLMainWidget::doubleClickOnSubmitDoesNotPressReturn()
{
    QVERIFY(server->start());
    server->exportUrl();
    QVERIFY(server->pause());
    window = new GLMainWidget;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    fillForm();
    auto *submit = window->client()->findChild<QPushButton *>(QStringLiteral("pushButtonSubmit"));
    const QPoint spot = submit->mapTo(window, submit->rect().center());
    QTest::mouseClick(submit, Qt::LeftButton);
    QVERIFY(window->status()->isVisible());
    QWidget *under = window->childAt(spot);
    QCOMPARE(under, window->status()->findChild<QWidget *>(QStringLiteral("pushButtonReturn")));
    QTest::mouseClick(under, Qt::LeftButton);
    QVERIFY(window->status()->isVisible());
    QVERIFY(!window->client()->isVisible());
    QVERIFY(window->status()->isAnimating());

    waitOutReturnGuard();
    QTest::mouseClick(under, Qt::LeftButton);
    QVERIFY(window->client()->isVisible());
    QVERIFY(server->resume());
}

// Closing while files are still being sent asks first; "No" keeps the upload going, "Yes" stops
// it and closes.
void TestGLMainWidget::closingDuringAnUploadAsksFirst()
{
    QVERIFY(server->start({QStringLiteral("--read-limit"), QStringLiteral("100000")}));
    server->exportUrl();
    const QString path = writeLocalFile(QStringLiteral("big.log"), QByteArray(2000000, 'b'));
    window = new GLMainWidget;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    fillForm();
    QVERIFY(window->client()->addAttachmentPath(path));
    QSignalSpy failed(window->client(), &GLSayboxClient::uploadError);
    QSignalSpy finished(window->client(), &GLSayboxClient::uploadFinished);
    QSignalSpy progress(window->client()->ftpObject(), &GLFtpObject::dataTransferProgress);
    clickSubmit();
    QTRY_VERIFY_WITH_TIMEOUT(lastArgument<qlonglong>(progress) > 100000, 15000);
    {
        ModalAnswerer answer;
        answer.setAnswer(QMessageBox::No);
        QVERIFY(!window->close());
        QCOMPARE(answer.texts,
                 QStringList{QStringLiteral("Your feedback is still being sent. Stop sending?")});
    }
    QVERIFY(window->isVisible());
    const int movedBefore = progress.count();
    QTRY_VERIFY_WITH_TIMEOUT(progress.count() > movedBefore, 10000);
    QVERIFY(finished.isEmpty() && failed.isEmpty());

    ModalAnswerer answer;
    answer.setAnswer(QMessageBox::Yes);
    QVERIFY(window->close());
    QCOMPARE(answer.texts.size(), 1);
    QVERIFY(!window->isVisible());
    QVERIFY(!window->client()->ftpObject()->isSending());
    const int movedAtStop = progress.count();
    QTest::qWait(1500);
    QVERIFY(progress.count() <= movedAtStop + 1);
    QVERIFY(finished.isEmpty() && failed.isEmpty());
    QVERIFY(server->submittedFile(QStringLiteral("1.log")).size() < 2000000);
}

void TestGLMainWidget::openFormWithAttachments(int count)
{
    writeLanguage(0);
    window = new GLMainWidget;
    for (int i = 0; i < count; ++i) {
        const QString picture = localDir.filePath(QStringLiteral("photo%1.png").arg(i));
        QImage(16, 16, QImage::Format_RGB32).save(picture);
        QVERIFY(window->client()->addPicturePath(picture));
        QVERIFY(window->client()->addAttachmentPath(
            writeLocalFile(QStringLiteral("log%1.txt").arg(i), "flight log")));
    }
}

void TestGLMainWidget::screenReaderTellsEveryControlApart_data()
{
    QTest::addColumn<int>("attached");
    QTest::addColumn<bool>("statusScreen");
    QTest::newRow("empty form") << 0 << false;
    QTest::newRow("every picture and file attached") << GLSayboxClient::MaxEntries << false;
    QTest::newRow("status screen") << 0 << true;
}

void TestGLMainWidget::screenReaderTellsEveryControlApart()
{
    QFETCH(int, attached);
    QFETCH(bool, statusScreen);
    openFormWithAttachments(attached);
    if (QTest::currentTestFailed())
        return;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    if (statusScreen)
        QVERIFY(QMetaObject::invokeMethod(window, "goToStatusWidget"));

    const QStringList problems = accessibilityProblems(window);
    for (const QString &problem : problems)
        qWarning().noquote() << problem;
    QVERIFY2(problems.isEmpty(), "problems listed above");
    if (!statusScreen) {
        QCOMPARE(accessibleNameOf(window->client()->findChild<QTextEdit *>("textEdit")),
                 QStringLiteral("Your message"));
        QCOMPARE(accessibleNameOf(window->client()->findChild<QComboBox *>("comboBox")),
                 QStringLiteral("Kind of contact"));
        QCOMPARE(accessibleNameOf(window->client()->findChild<QLineEdit *>("lineEdit")),
                 QStringLiteral("Your contact"));
    }
}

void TestGLMainWidget::keyboardShowsFocusAndFollowsReadingOrder_data()
{
    screenReaderTellsEveryControlApart_data();
}

// A pilot without a mouse sees where the focus is and meets the controls in reading order.
void TestGLMainWidget::keyboardShowsFocusAndFollowsReadingOrder()
{
    QFETCH(int, attached);
    QFETCH(bool, statusScreen);
    openFormWithAttachments(attached);
    if (QTest::currentTestFailed())
        return;
    fillForm(); // Submit takes the focus only once there is something to send
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    if (statusScreen)
        QVERIFY(QMetaObject::invokeMethod(window, "goToStatusWidget"));

    QStringList problems = controlsWithoutFocusMark(window);
    problems += readingOrderProblems(tabChain(window));
    for (const QString &problem : problems)
        qWarning().noquote() << problem;
    QVERIFY2(problems.isEmpty(), "problems listed above");
}

QTEST_MAIN(TestGLMainWidget)
#include "tst_glmainwidget.moc"
