// Every text of the feedback window shows whole, in every language: the form with attachments and
// each status screen. Scale factor and font resolution are the process's, so ctest runs this
// program once per setting (see CMakeLists.txt).
#include "product/usersettingsfile.h"
#include "saybox/glftpobject.h"
#include "saybox/glmainwidget.h"
#include "saybox/glsayboxclient.h"
#include "saybox/gluploadstatus.h"
#include "tests/support/textfit.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestSayboxTextFit : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    void useLanguage(int language)
    {
        QFile::remove(UserSettingsFile::path());
        QSettings settings(UserSettingsFile::path(), QSettings::IniFormat);
        settings.setValue(QLatin1String(UserSettingsFile::LanguageKey), language);
        settings.sync();
        QCOMPARE(settings.status(), QSettings::NoError);
    }

    // Attachments with names as long as cameras and loggers give them.
    void attach(GLSayboxClient *client)
    {
        for (int i = 0; i < 3; ++i) {
            const QString picture =
                m_dir.filePath(QStringLiteral("IMG_20261208_154233_flight_%1.png").arg(i));
            QVERIFY(QImage(16, 16, QImage::Format_RGB32).save(picture));
            QVERIFY(client->addPicturePath(picture));
            const QString log = m_dir.filePath(QStringLiteral("blackbox_log_00%1.txt").arg(i));
            QFile file(log);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("log") == 3);
            file.close();
            QVERIFY(client->addAttachmentPath(log));
        }
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // Qt's default under X11 without a desktop's settings; see tst_textfit.
        QApplication::setFont(QFont(QStringLiteral("Sans Serif"), 9));
    }

    void cleanupTestCase() { QFile::remove(UserSettingsFile::path()); }

    void everyScreenShowsItsTextsWhole_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 0;
        QTest::newRow("Chinese") << 1;
        QTest::newRow("German") << 2;
    }

    void everyScreenShowsItsTextsWhole()
    {
        QFETCH(int, language);
        useLanguage(language);
        GLMainWidget window;
        attach(window.client());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QStringList clipped;
        auto collect = [&clipped](const QString &where, const QWidget *root) {
            QCoreApplication::processEvents();
            textfit::saveShot(QLatin1String(QTest::currentDataTag()) + QLatin1Char(' ') + where,
                              root);
            for (const QString &text : textfit::clippedTexts(root))
                clipped << where + QStringLiteral(": ") + text;
        };
        collect(QStringLiteral("form"), &window);

        // The status screen in the window's place, in each of its states.
        GLUploadStatus *status = window.status();
        window.client()->hide();
        status->show();
        const QString file = m_dir.filePath(QStringLiteral("blackbox_log_001.txt"));
        using Failure = GLFtpObject::Failure;
        const std::pair<const char *, Failure> failures[] = {
            {"unreadable", {GLFtpObject::FileUnreadable, GLCurlFtp::NoError, file}},
            {"changed", {GLFtpObject::FileChanged, GLCurlFtp::NoError, file}},
            {"silent", {GLFtpObject::IdleTimeout, GLCurlFtp::NoError, QString()}},
            {"login", {GLFtpObject::LoginFailed, GLCurlFtp::LoginRefused, QString()}},
            {"full", {GLFtpObject::PutFailed, GLCurlFtp::QuotaExceeded, QString()}},
            {"incomplete file", {GLFtpObject::PutFailed, GLCurlFtp::StoredIncomplete, file}},
            {"incomplete", {GLFtpObject::PutFailed, GLCurlFtp::StoredIncomplete, QString()}},
            {"refused file", {GLFtpObject::PutFailed, GLCurlFtp::Refused, file}},
            {"refused", {GLFtpObject::PutFailed, GLCurlFtp::Refused, QString()}},
            {"network", {GLFtpObject::ConnectFailed, GLCurlFtp::ConnectionRefused, QString()}}};
        status->showWaiting();
        status->showProgress(150000, 1500000);
        collect(QStringLiteral("sending"), &window);
        status->stopWaiting();
        status->showSuccess();
        collect(QStringLiteral("sent"), &window);
        for (const auto &failure : failures) {
            status->showFailure(failure.second);
            collect(QLatin1String(failure.first), &window);
        }

        clipped.removeDuplicates();
        for (const QString &line : qAsConst(clipped))
            qWarning().noquote() << "cut:" << line;
        QVERIFY2(clipped.isEmpty(), qPrintable(QStringLiteral("%1: %2 texts cut, listed above")
                                                   .arg(textfit::settingName())
                                                   .arg(clipped.size())));
        const QRect screen = textfit::emulatedScreen();
        QVERIFY2(window.width() <= screen.width() && window.height() <= screen.height(),
                 qPrintable(QStringLiteral("%1 x %2").arg(window.width()).arg(window.height())));
    }
};

QTEST_MAIN(TestSayboxTextFit)
#include "tst_sayboxtextfit.moc"
