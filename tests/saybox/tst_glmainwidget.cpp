// The feedback window: language choice from the shared sys.ini, placement, and the way from
// the form to the status screen and back, against a real FTP server.
#include "ftpserverprocess.h"
#include "glftpobject.h"
#include "glmainwidget.h"
#include "glsayboxclient.h"
#include "gluploadstatus.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
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
    void unknownLanguageKeepsEnglish();
    void windowIsFixedAndCentred();
    void successfulSubmission();
    void failedSubmissionAndReturn();
    void returnWhileUploadingLeavesTheFormShown();

private:
    void writeLanguage(int lang);
    void fillForm();
    QWidget *statusChild(const char *name) const;
    QString programDir() const { return QCoreApplication::applicationDirPath(); }
    QString settingsPath() const { return programDir() + QStringLiteral("/sys.ini"); }

    QByteArray savedSettings;
    bool hadSettings = false;
    FtpServerProcess *server = nullptr;
    GLMainWidget *window = nullptr;
};

void TestGLMainWidget::initTestCase()
{
    QFile settings(settingsPath());
    hadSettings = settings.open(QIODevice::ReadOnly);
    if (hadSettings)
        savedSettings = settings.readAll();
}

void TestGLMainWidget::cleanupTestCase()
{
    QFile::remove(settingsPath());
    if (hadSettings) {
        QFile settings(settingsPath());
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write(savedSettings);
    }
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
        QCOMPARE(GLMainWidget::languageSetting(programDir()), lang);
        QTranslator expected;
        QVERIFY(expected.load(GLMainWidget::translationFile(programDir(), lang)));
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
    QCOMPARE(GLMainWidget::languageSetting(programDir()), 0);
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

    QTest::mouseClick(
        window->status()->findChild<QPushButton *>(QStringLiteral("pushButtonReturn")),
        Qt::LeftButton);
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
    QTest::mouseClick(
        window->client()->findChild<QPushButton *>(QStringLiteral("pushButtonSubmit")),
        Qt::LeftButton);
    QTest::mouseClick(
        window->status()->findChild<QPushButton *>(QStringLiteral("pushButtonReturn")),
        Qt::LeftButton);
    QVERIFY(window->client()->isVisible());
    QVERIFY(!window->status()->isAnimating());

    QVERIFY(server->resume());
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 20000);
    // The result lands on the hidden status screen; the form stays in front.
    QVERIFY(window->client()->isVisible());
    QVERIFY(!window->status()->isVisible());
    QCOMPARE(server->submissionDirs().size(), 1);
}

QTEST_MAIN(TestGLMainWidget)
#include "tst_glmainwidget.moc"
