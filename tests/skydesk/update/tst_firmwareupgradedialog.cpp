// The firmware download dialog: update info, the check against a real HTTP server on the
// loopback interface, the download into the user's cache folder with its progress bar, the upgrade
// reports, and the whole way from download to flashing the simulator and the link reading again.
#include "fclink/link/commrt.h"
#include "firmwareupgrade/firmwareimage.h"
#include "firmwareupgrade/upgradeevent.h"
#include "skydesk/common/appsettings.h"
#include "skydesk/update/downloadedfirmware.h"
#include "skydesk/update/firmwareupgradedialog.h"
#include "skydesk/update/updateinfo.h"
#include "tests/support/fcsimprocess.h"
#include "tests/support/localhttpserver.h"
#include "tests/support/modalhelpers.h"
#include "tests/support/refusingport.h"
#include "tests/support/testfolders.h"
#include "tests/support/updateconfigdocument.h"
#include "ui_firmwareupgradedialog.h"

#include <QtTest>
#include <QtWidgets>

namespace {

constexpr int kWaitMs = 10000;
constexpr int kRunWaitMs = 30000;
const char *const kConfig = "QM_TAVERNIA/FirmwareUpdate/QMTV_updateConfig.xml";
const char *const kBase = "QM_TAVERNIA/FirmwareUpdate/";

// The download dialog reads the release notes whatever their elements are called and ignores
// what lies outside <update>.
QByteArray config(const QString &name, int version, const QString &files)
{
    return updateConfigDocument(name, version, files,
                                "<a content=\"Line one\"/><b content=\"Line two\"/>")
        .replace("</firmware>", "<other content=\"ignored\"/></firmware>");
}

QByteArray config(const QString &name, int version)
{
    return config(name, version,
                  "<file name=\"first.qmtvf\" size=\"1\" path=\"/p\"/>"
                  "<file name=\"second.qmtvf\"/>");
}

QString text(FirmwareUpgradeDialog &dialog)
{
    return dialog.form()->textEdit->toPlainText();
}

QString lastLine(FirmwareUpgradeDialog &dialog)
{
    return text(dialog).split('\n').last();
}

// A whole firmware file of the version the tests announce (1.20).
QByteArray firmware(const QByteArray &image)
{
    return fwupgrade::buildFirmwareFile(120, image);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestFirmwareUpgradeDialog : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    LocalHttpServer *m_server = nullptr;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    bool refresh(FirmwareUpgradeDialog &dialog)
    {
        QSignalSpy done(&dialog, &FirmwareUpgradeDialog::requestFinished);
        dialog.form()->pushButtonRefresh->click();
        return done.count() > 0 || done.wait(kWaitMs);
    }

    bool clickAction(FirmwareUpgradeDialog &dialog)
    {
        QSignalSpy done(&dialog, &FirmwareUpgradeDialog::requestFinished);
        dialog.form()->pushButtonDownloadFirmware->click();
        return done.count() > 0 || done.wait(kWaitMs);
    }

    // Starts the link on the simulator's port and waits for the parameter read.
    static bool connectLink(Commrt *link, FcsimProcess *sim, QSignalSpy *read)
    {
        link->start();
        link->setPortName(sim->linkPath());
        link->connectCom();
        return read->wait(kWaitMs);
    }

    // A file in the folder downloads go to (in the test's cache folder).
    static QString local(const QString &name)
    {
        QDir().mkpath(DownloadedFirmware::folder());
        return QDir(DownloadedFirmware::folder()).filePath(name);
    }

    static QStringList firmwareFolderEntries()
    {
        return QDir(DownloadedFirmware::folder()).entryList(QDir::Files | QDir::Hidden);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // Parameter backups made before a flash stay in the test's folder.
        useTestFolders(m_dir.path());
        QDir(m_dir.path()).mkpath("www");
        m_server = new LocalHttpServer(path("www"));
        QVERIFY(m_server->start());
    }

    void cleanupTestCase() { delete m_server; }

    void init() { qputenv("KESTO_UPDATE_SERVER", m_server->address().toUtf8()); }

    void startState()
    {
        FirmwareUpgradeDialog dialog;
        Ui::FirmwareUpgradeDialogUi *ui = dialog.form();
        QCOMPARE(dialog.windowFlags() & Qt::FramelessWindowHint, Qt::FramelessWindowHint);
        QCOMPARE(dialog.size(), QSize(497, 330));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("FirmwareUpgrade"));
        QVERIFY(!ui->pushButtonDownloadFirmware->isEnabled());
        QCOMPARE(ui->pushButtonDownloadFirmware->text(), QStringLiteral("DownLoad"));
        QCOMPARE(ui->pushButtonRefresh->text(), QStringLiteral("Refresh"));
        QCOMPARE(ui->pushButtonClose->text(), QStringLiteral("Close"));
        QCOMPARE(ui->label->text(), QStringLiteral("Firmware Upgrade"));
        QCOMPARE(ui->label_3->text(), QStringLiteral("--------"));
        QVERIFY(ui->progressBar->isHidden());
        QCOMPARE(int(dialog.phase()), 0);
        QCOMPARE(int(dialog.netStage()), 0);
        // The window is cut to rounded corners when it is painted.
        dialog.show();
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.mask().isEmpty(), kWaitMs);
        QVERIFY(!dialog.mask().contains(QPoint(0, 0)));
        QVERIFY(dialog.mask().contains(QPoint(250, 160)));
        ui->pushButtonClose->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void textsFitInEveryLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 0;
        QTest::newRow("Chinese") << 1;
        QTest::newRow("German") << 2;
    }

    // The heading and the buttons' captions (the action button's three among them) show whole
    // in every language, at the 9-point desktop font.
    void textsFitInEveryLanguage()
    {
        QFETCH(int, language);
        QTranslator translator;
        QVERIFY(translator.load(AppSettings::translationFile(quint8(language))));
        QCoreApplication::installTranslator(&translator);
        const QFont font = QApplication::font();
        QApplication::setFont(QFont(QStringLiteral("Sans Serif"), 9));
        {
            FirmwareUpgradeDialog dialog;
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QLabel *heading = dialog.form()->label;
            QVERIFY2(heading->fontMetrics().horizontalAdvance(heading->text()) <= heading->width(),
                     qPrintable(heading->text()));
            QVERIFY(heading->geometry().right() < dialog.form()->pushButtonClose->x());
            QStringList captions;
            for (const char *caption : {"Download", "Start Upgrade", "Stop Upgrade"})
                captions << QCoreApplication::translate("FirmwareUpgradeDialog", caption);
            for (QPushButton *button : dialog.findChildren<QPushButton *>()) {
                const QStringList texts = button == dialog.form()->pushButtonDownloadFirmware
                                              ? captions + QStringList{button->text()}
                                              : QStringList{button->text()};
                for (const QString &text : texts)
                    QVERIFY2(button->fontMetrics().horizontalAdvance(text) + 8 <= button->width(),
                             qPrintable(text));
            }
        }
        QApplication::setFont(font);
        QCoreApplication::removeTranslator(&translator);
    }

    // While a flash runs Close and Refresh are disabled, and they must look it, as the action
    // button does when there is nothing to download.
    void disabledButtonsLookDisabled_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("Close") << "pushButtonClose";
        QTest::newRow("Refresh") << "pushButtonRefresh";
        QTest::newRow("action") << "pushButtonDownloadFirmware";
    }

    void disabledButtonsLookDisabled()
    {
        QFETCH(QString, button);
        FirmwareUpgradeDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *pushButton = dialog.findChild<QPushButton *>(button);
        QVERIFY(pushButton);
        pushButton->setEnabled(true);
        const QImage enabled = pushButton->grab().toImage();
        pushButton->setEnabled(false);
        const QImage disabled = pushButton->grab().toImage();
        QVERIFY(enabled != disabled);
        // Greyer: the middle of the button is darker or paler, never the same colour.
        const QPoint middle(enabled.width() / 2, enabled.height() / 4);
        QVERIFY(enabled.pixelColor(middle) != disabled.pixelColor(middle));
    }

    void versions()
    {
        FirmwareUpgradeDialog dialog;
        dialog.setCurrentVersion(105);
        QCOMPARE(dialog.form()->label_3->text(), QStringLiteral("1.05"));
        dialog.setCurrentVersion(7);
        QCOMPARE(dialog.form()->label_3->text(), QStringLiteral("0.07"));

        dialog.setUpdateInfo({99, "old.qmtvf", "note\r\n"});
        QCOMPARE(text(dialog), QString());
        QVERIFY(!dialog.form()->pushButtonDownloadFirmware->isEnabled());

        dialog.setUpdateInfo({100, "new.qmtvf", "note\r\n"});
        QVERIFY(dialog.form()->pushButtonDownloadFirmware->isEnabled());
        QVERIFY2(text(dialog).startsWith("The latest firmware version: 1.00\nUpdate:\n"),
                 qPrintable(text(dialog)));
        QVERIFY(text(dialog).contains("note"));
        QCOMPARE(dialog.fileName(), QStringLiteral("new.qmtvf"));

        dialog.setUpdateInfo({0, QString(), QString()});
        QCOMPARE(text(dialog), QString());
        QVERIFY(!dialog.form()->pushButtonDownloadFirmware->isEnabled());
    }

    void localFileNames()
    {
        QCOMPARE(FirmwareUpgradeDialog::localFileName("fw.qmtvf"), QStringLiteral("fw.qmtvf"));
        QCOMPARE(FirmwareUpgradeDialog::localFileName("a/b/fw.qmtvf"), QStringLiteral("fw.qmtvf"));
        QCOMPARE(FirmwareUpgradeDialog::localFileName("../../fw.qmtvf"),
                 QStringLiteral("fw.qmtvf"));
        QCOMPARE(FirmwareUpgradeDialog::localFileName("/etc/passwd"), QStringLiteral("passwd"));
        QCOMPARE(FirmwareUpgradeDialog::localFileName(""), QString());
        QCOMPARE(FirmwareUpgradeDialog::localFileName("."), QString());
        QCOMPARE(FirmwareUpgradeDialog::localFileName(".."), QString());
        QCOMPARE(FirmwareUpgradeDialog::localFileName("dir/"), QString());
    }

    void refreshAgainstTheServer_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("same version")
            << config("QM-TV", 100) << "No updates available!" << QString() << true;
        QTest::newRow("older version")
            << config("QM-TV", 42) << "No updates available!" << QString() << true;
        QTest::newRow("newer version")
            << config("QM-TV", 101)
            << "The latest firmware version: 1.01\nUpdate:\nLine one\nLine two\n"
            << "first.qmtvf" << true;
        // No answer about this controller's firmware: the check ends with a message, and the
        // action button stays as it was.
        const QString noInformation = QStringLiteral(
            "Server error: Can Not Check Update Information!\nThe server's answer is no update "
            "information for this flight controller.");
        QTest::newRow("page product")
            << config("QM-TV-S", 150) << noInformation << QString() << false;
        QTest::newRow("no name") << QByteArray("<fw version=\"150\"/>") << noInformation
                                 << QString() << false;
        QTest::newRow("broken xml") << QByteArray("<fw name=\"QM-TV\" version=\"150\"><files>")
                                    << noInformation << QString() << false;
        QTest::newRow("html page")
            << QByteArray("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Sign "
                          "in</title></head><body><p>Hotel network<br></p></body></html>\n")
            << noInformation << QString() << false;
    }

    void refreshAgainstTheServer()
    {
        QFETCH(QByteArray, document);
        QFETCH(QString, shown);
        QFETCH(QString, file);
        QFETCH(bool, enabled);
        QVERIFY(m_server->put(kConfig, document));
        FirmwareUpgradeDialog dialog;
        dialog.setCurrentVersion(100);
        QVERIFY(refresh(dialog));
        QCOMPARE(int(dialog.netStage()), 1);
        QCOMPARE(text(dialog).replace("\r", ""), shown);
        QCOMPARE(dialog.fileName(), file);
        QCOMPARE(dialog.form()->pushButtonDownloadFirmware->isEnabled(), enabled);
        QCOMPARE(dialog.form()->pushButtonDownloadFirmware->text(), QStringLiteral("Download"));
        QVERIFY(!QFile::exists(QDir::tempPath() + "/QMTV_updateConfig.xml") ||
                QFileInfo(QDir::tempPath() + "/QMTV_updateConfig.xml").lastModified() <
                    QDateTime::currentDateTime().addSecs(-60));
    }

    void serverErrors()
    {
        FirmwareUpgradeDialog dialog;
        dialog.setCurrentVersion(100);
        // A whole document with an error status is not parsed.
        QVERIFY(m_server->put(kConfig, config("QM-TV", 120)));
        QVERIFY(m_server->put(QString(kConfig) + ".status", "503"));
        QVERIFY(refresh(dialog));
        QCOMPARE(text(dialog), QStringLiteral("Server error: Can Not Check Update Information!"));
        QCOMPARE(dialog.fileName(), QString());
        m_server->remove(QString(kConfig) + ".status");
        // Nor one whose connection closed early.
        QVERIFY(m_server->put(QString(kConfig) + ".truncate", "1"));
        QVERIFY(refresh(dialog));
        QCOMPARE(text(dialog), QStringLiteral("Server error: Can Not Check Update Information!"));
        m_server->remove(QString(kConfig) + ".truncate");
        // No server at all.
        const RefusingPort nobody;
        QVERIFY(nobody.port() != 0);
        qputenv("KESTO_UPDATE_SERVER", QStringLiteral("127.0.0.1:%1").arg(nobody.port()).toUtf8());
        QVERIFY(refresh(dialog));
        QCOMPARE(text(dialog), QStringLiteral("Server error: Can Not Check Update Information!"));
        QCOMPARE(dialog.fileName(), QString());
    }

    // A request that stalls (no answer, a body that stops, a document that trickles in) ends
    // with a message after its time-out, and every button can be used again.
    void stalledRequestEnds_data()
    {
        QTest::addColumn<QString>("served"); // "config" or "firmware"
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("reason");
        const QString silent = QStringLiteral("The update server sent nothing for 0.6 s.");
        QTest::newRow("config: no answer") << "config"
                                           << "mute" << QByteArray("1") << silent;
        QTest::newRow("config: body stops") << "config"
                                            << "stall" << QByteArray("40") << silent;
        QTest::newRow("config: one byte at a time")
            << "config"
            << "trickle" << QByteArray("150")
            << "The update server did not send the update information within 2 s.";
        QTest::newRow("firmware: no answer") << "firmware"
                                             << "mute" << QByteArray("1") << silent;
        QTest::newRow("firmware: body stops") << "firmware"
                                              << "stall" << QByteArray("3000") << silent;
    }

    void stalledRequestEnds()
    {
        QFETCH(QString, served);
        QFETCH(QString, mode);
        QFETCH(QByteArray, value);
        QFETCH(QString, reason);
        const bool isConfig = served == QLatin1String("config");
        const QString name = isConfig ? QString(kConfig) : QString(kBase) + "stalled.qmtvf";
        QVERIFY(m_server->put(name,
                              isConfig ? config("QM-TV", 120) : firmware(QByteArray(60000, 's'))));
        QVERIFY(m_server->put(name + "." + mode, value));
        FirmwareUpgradeDialog dialog;
        dialog.setNetworkTimeouts({600, 2000});
        dialog.setCurrentVersion(100);
        dialog.setUpdateInfo({120, "stalled.qmtvf", QString()});
        QElapsedTimer waited;
        waited.start();
        const bool ended = isConfig ? refresh(dialog) : clickAction(dialog);
        m_server->remove(name + "." + mode);
        QVERIFY2(ended, "the request did not end");
        QVERIFY2(waited.elapsed() >= 500, qPrintable(QString::number(waited.elapsed())));
        QVERIFY(!dialog.isBusy());
        if (isConfig) {
            QCOMPARE(text(dialog), "Server error: Can Not Check Update Information!\n" + reason);
        } else {
            QCOMPARE(lastLine(dialog), QStringLiteral("Download failed!"));
            QVERIFY2(text(dialog).contains(reason), qPrintable(text(dialog)));
            QVERIFY(dialog.form()->progressBar->isHidden());
            QCOMPARE(int(dialog.phase()), 0);
            QVERIFY(!QFile::exists(local("stalled.qmtvf")));
        }
        QVERIFY(dialog.form()->pushButtonDownloadFirmware->isEnabled());
        QVERIFY(dialog.form()->pushButtonRefresh->isEnabled());
        QVERIFY(dialog.form()->pushButtonClose->isEnabled());
    }

    // A body that ends before its Content-Length (Qt may finish such a reply without an error)
    // is a failed download, even when what arrived is a whole firmware file.
    void bodyShorterThanAnnouncedIsAFailedDownload()
    {
        const QByteArray whole = firmware(QByteArray(3000, 'w'));
        QVERIFY(m_server->put(QString(kBase) + "short.qmtvf", whole));
        QVERIFY(m_server->put(QString(kBase) + "short.qmtvf.truncate", "1"));
        const QString file = local("short.qmtvf");
        FirmwareUpgradeDialog dialog;
        dialog.setUpdateInfo({120, "short.qmtvf", QString()});
        QVERIFY(clickAction(dialog));
        m_server->remove(QString(kBase) + "short.qmtvf.truncate");
        QCOMPARE(lastLine(dialog), QStringLiteral("Download failed!"));
        QVERIFY(!QFile::exists(file));
        QCOMPARE(int(dialog.phase()), 0);
    }

    void refreshWhileRefreshingKeepsOneRequest()
    {
        QVERIFY(m_server->put(kConfig, config("QM-TV", 120)));
        QVERIFY(m_server->put(QString(kConfig) + ".delay", "500"));
        FirmwareUpgradeDialog dialog;
        dialog.setCurrentVersion(100);
        QSignalSpy done(&dialog, &FirmwareUpgradeDialog::requestFinished);
        dialog.form()->pushButtonRefresh->click();
        dialog.form()->pushButtonRefresh->click();
        QVERIFY(done.wait(kWaitMs));
        QTest::qWait(700);
        QCOMPARE(done.count(), 1);
        QCOMPARE(dialog.fileName(), QStringLiteral("first.qmtvf"));
        m_server->remove(QString(kConfig) + ".delay");
    }

    void missingFileNameStopsTheDownload()
    {
        QVERIFY(m_server->put(kConfig, config("QM-TV", 120, QString())));
        FirmwareUpgradeDialog dialog;
        dialog.setCurrentVersion(100);
        QVERIFY(refresh(dialog));
        QCOMPARE(dialog.fileName(), QString());
        QVERIFY(dialog.form()->pushButtonDownloadFirmware->isEnabled());
        dialog.form()->pushButtonDownloadFirmware->click();
        QCOMPARE(lastLine(dialog), QStringLiteral("Download firmware file name error!"));
        QCOMPARE(int(dialog.phase()), 0);
        QVERIFY(!dialog.isBusy());
    }

    void onlyTheFirstFileIsDownloaded()
    {
        QVERIFY(m_server->put(kConfig, config("QM-TV", 120)));
        QVERIFY(m_server->put(QString(kBase) + "first.qmtvf", firmware("FIRST")));
        QVERIFY(m_server->put(QString(kBase) + "second.qmtvf", "SECOND"));
        const QString first = local("first.qmtvf");
        const QString second = local("second.qmtvf");
        FirmwareUpgradeDialog dialog;
        dialog.setCurrentVersion(100);
        QVERIFY(refresh(dialog));
        QVERIFY(clickAction(dialog));
        QCOMPARE(lastLine(dialog), QStringLiteral("Download firmware file OK!"));
        QCOMPARE(readAll(first), firmware("FIRST"));
        QVERIFY(!QFile::exists(second));
        QCOMPARE(int(dialog.phase()), 1);
        QCOMPARE(dialog.form()->pushButtonDownloadFirmware->text(),
                 QStringLiteral("Start Upgrade"));
    }

    // The download lands in the user's cache folder, which the log names, whatever the working
    // folder (an installed program started from a menu stands in / or in the home folder).
    void downloadGoesToTheCacheFolderNotTheWorkingFolder()
    {
        QVERIFY(m_server->put(QString(kBase) + "cached.qmtvf", firmware("CACHED")));
        QTemporaryDir working;
        const QString saved = QDir::currentPath();
        QVERIFY(QDir::setCurrent(working.path()));
        const auto back = qScopeGuard([&] { QDir::setCurrent(saved); });
        FirmwareUpgradeDialog dialog;
        dialog.setUpdateInfo({120, "cached.qmtvf", QString()});
        QVERIFY(clickAction(dialog));
        QCOMPARE(lastLine(dialog), QStringLiteral("Download firmware file OK!"));
        const QString file = QFile::decodeName(qgetenv("XDG_CACHE_HOME")) +
                             "/KestoTarvel2Assistant/firmware/cached.qmtvf";
        QCOMPARE(dialog.downloadedFile(), file);
        QCOMPARE(readAll(file), firmware("CACHED"));
        QVERIFY2(text(dialog).contains("Downloading into " + QDir::toNativeSeparators(file)),
                 qPrintable(text(dialog)));
        QVERIFY(QDir(working.path()).isEmpty());
    }

    void serverFileNameStaysInsideTheFirmwareFolder()
    {
        QVERIFY(m_server->put("evil.qmtvf", firmware("EVIL")));
        const QString inside = local("evil.qmtvf");
        FirmwareUpgradeDialog dialog;
        dialog.setUpdateInfo({120, "../../evil.qmtvf", QString()});
        QVERIFY(clickAction(dialog));
        QCOMPARE(lastLine(dialog), QStringLiteral("Download firmware file OK!"));
        QCOMPARE(readAll(inside), firmware("EVIL"));
        QVERIFY(!QFile::exists(DownloadedFirmware::folder() + "/../evil.qmtvf"));
        QVERIFY(!QFile::exists(DownloadedFirmware::folder() + "/../../evil.qmtvf"));
        QCOMPARE(dialog.fileName(), QStringLiteral("evil.qmtvf"));
    }

    void downloadMovesTheProgressBar()
    {
        QByteArray image(2000000 - 32, '\0');
        for (int i = 0; i < image.size(); ++i)
            image[i] = static_cast<char>(i * 7);
        const QByteArray big = firmware(image);
        QVERIFY(m_server->put(QString(kBase) + "big.qmtvf", big));
        QVERIFY(m_server->put(QString(kBase) + "big.qmtvf.slow", "1"));
        const QString file = local("big.qmtvf");
        FirmwareUpgradeDialog dialog;
        dialog.setUpdateInfo({120, "big.qmtvf", "r\r\n"});
        QProgressBar *bar = dialog.form()->progressBar;
        QList<int> maxima;
        QList<int> values;
        connect(bar, &QProgressBar::valueChanged, this, [&](int value) {
            maxima << bar->maximum();
            values << value;
        });
        QSignalSpy done(&dialog, &FirmwareUpgradeDialog::requestFinished);
        dialog.form()->pushButtonDownloadFirmware->click();
        QVERIFY(!dialog.form()->pushButtonDownloadFirmware->isEnabled());
        QVERIFY(!bar->isHidden());
        QCOMPARE(int(dialog.netStage()), 2);
        QVERIFY(done.wait(kWaitMs));
        QVERIFY(maxima.contains(2000000));
        QVERIFY2(values.size() >= 2, "the bar moved once at most");
        QCOMPARE(values.last(), 2000000);
        for (int i = 1; i < values.size(); ++i)
            QVERIFY(values.at(i) >= values.at(i - 1));
        QVERIFY(bar->isHidden());
        QVERIFY(dialog.form()->pushButtonDownloadFirmware->isEnabled());
        QCOMPARE(readAll(file), big);
        QCOMPARE(int(dialog.phase()), 1);
    }

    void failedDownloadLeavesNoFile()
    {
        QVERIFY(m_server->put(QString(kBase) + "cut.qmtvf", firmware(QByteArray(50000, 'c'))));
        QVERIFY(m_server->put(QString(kBase) + "cut.qmtvf.truncate", "1"));
        const QString file = local("cut.qmtvf");
        FirmwareUpgradeDialog dialog;
        dialog.setUpdateInfo({120, "cut.qmtvf", QString()});
        QVERIFY(clickAction(dialog));
        QCOMPARE(lastLine(dialog), QStringLiteral("Download failed!"));
        QVERIFY(!QFile::exists(file));
        for (const QString &entry : firmwareFolderEntries())
            QVERIFY2(!entry.startsWith("cut.qmtvf"), qPrintable(entry));
        QCOMPARE(int(dialog.phase()), 0);
        QVERIFY(dialog.form()->pushButtonDownloadFirmware->isEnabled());
        QCOMPARE(dialog.form()->pushButtonDownloadFirmware->text(), QStringLiteral("DownLoad"));
        QVERIFY(dialog.form()->progressBar->isHidden());

        // An error status with a body is a failure too.
        m_server->remove(QString(kBase) + "cut.qmtvf.truncate");
        QVERIFY(m_server->put(QString(kBase) + "cut.qmtvf.status", "404"));
        QVERIFY(clickAction(dialog));
        QCOMPARE(lastLine(dialog), QStringLiteral("Download failed!"));
        QVERIFY(!QFile::exists(file));

        // The next click downloads again.
        m_server->remove(QString(kBase) + "cut.qmtvf.status");
        QVERIFY(clickAction(dialog));
        QCOMPARE(lastLine(dialog), QStringLiteral("Download firmware file OK!"));
        QCOMPARE(readAll(file), firmware(QByteArray(50000, 'c')));
        QCOMPARE(int(dialog.phase()), 1);
    }

    // Qt does not follow redirects and reports them as no error: a redirect must not pass for
    // the file, and must not replace a good copy.
    void redirectIsNoDownload_data()
    {
        QTest::addColumn<int>("status");
        QTest::newRow("301") << 301;
        QTest::newRow("302") << 302;
        QTest::newRow("203") << 203;
    }

    void redirectIsNoDownload()
    {
        QFETCH(int, status);
        const QByteArray good = fwupgrade::buildFirmwareFile(110, QByteArray(500, 'g'));
        const QString file = local("moved.qmtvf");
        {
            QFile copy(file);
            QVERIFY(copy.open(QIODevice::WriteOnly));
            copy.write(good);
        }
        QVERIFY(m_server->put(QString(kBase) + "moved.qmtvf",
                              "<html><body><h1>Moved</h1></body></html>\n"));
        QVERIFY(m_server->put(QString(kBase) + "moved.qmtvf.status", QByteArray::number(status)));
        FirmwareUpgradeDialog dialog;
        dialog.setUpdateInfo({120, "moved.qmtvf", QString()});
        QVERIFY(clickAction(dialog));
        QCOMPARE(lastLine(dialog), QStringLiteral("Download failed!"));
        QCOMPARE(readAll(file), good);
        QCOMPARE(int(dialog.phase()), 0);
        for (const QString &entry : firmwareFolderEntries())
            QVERIFY2(entry == "moved.qmtvf" || !entry.startsWith("moved.qmtvf"), qPrintable(entry));
        m_server->remove(QString(kBase) + "moved.qmtvf.status");
    }

    void redirectedConfigIsNotParsed()
    {
        QVERIFY(m_server->put(kConfig, config("QM-TV", 120)));
        QVERIFY(m_server->put(QString(kConfig) + ".status", "302"));
        FirmwareUpgradeDialog dialog;
        dialog.setCurrentVersion(100);
        QVERIFY(refresh(dialog));
        QCOMPARE(text(dialog), QStringLiteral("Server error: Can Not Check Update Information!"));
        QCOMPARE(dialog.fileName(), QString());
        m_server->remove(QString(kConfig) + ".status");
    }

    // A body longer than the largest valid firmware file, longer than it said, or without end
    // is stopped; nothing is saved and a good copy stays.
    void oversizedBodyIsStopped_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("announced beyond the largest file")
            << "huge" << QByteArray::number(25 * 1024 * 1024);
        QTest::newRow("one byte beyond the largest file")
            << "huge" << QByteArray::number(32 + 16 * 1024 * 1024 + 1);
        QTest::newRow("endless") << "endless" << QByteArray("1");
    }

    void oversizedBodyIsStopped()
    {
        QFETCH(QString, mode);
        QFETCH(QByteArray, value);
        for (const char *leftover : {".huge", ".endless"})
            m_server->remove(QString(kBase) + "long.qmtvf" + leftover);
        const QByteArray good = fwupgrade::buildFirmwareFile(111, QByteArray(700, 'h'));
        const QString file = local("long.qmtvf");
        {
            QFile copy(file);
            QVERIFY(copy.open(QIODevice::WriteOnly));
            copy.write(good);
        }
        QVERIFY(m_server->put(QString(kBase) + "long.qmtvf",
                              fwupgrade::buildFirmwareFile(120, QByteArray(900, 'n'))));
        QVERIFY(m_server->put(QString(kBase) + "long.qmtvf." + mode, value));
        FirmwareUpgradeDialog dialog;
        dialog.setUpdateInfo({120, "long.qmtvf", QString()});
        QSignalSpy done(&dialog, &FirmwareUpgradeDialog::requestFinished);
        dialog.form()->pushButtonDownloadFirmware->click();
        QVERIFY2(done.count() > 0 || done.wait(60000), "the download did not end");
        QCOMPARE(lastLine(dialog), QStringLiteral("Download failed!"));
        QCOMPARE(readAll(file), good);
        for (const QString &entry : firmwareFolderEntries())
            QVERIFY2(entry == "long.qmtvf" || !entry.startsWith("long.qmtvf"), qPrintable(entry));
        QVERIFY(dialog.form()->pushButtonDownloadFirmware->isEnabled());
        m_server->remove(QString(kBase) + "long.qmtvf." + mode);
    }

    // What a server sends beyond the length it announced never reaches the file.
    void bytesBeyondTheAnnouncedLengthAreNotSaved()
    {
        const QByteArray body = fwupgrade::buildFirmwareFile(120, QByteArray(900, 'n'));
        const QString file = local("extra.qmtvf");
        QVERIFY(m_server->put(QString(kBase) + "extra.qmtvf", body));
        QVERIFY(m_server->put(QString(kBase) + "extra.qmtvf.overlong", "1"));
        FirmwareUpgradeDialog dialog;
        dialog.setUpdateInfo({120, "extra.qmtvf", QString()});
        QVERIFY(clickAction(dialog));
        QCOMPARE(lastLine(dialog), QStringLiteral("Download firmware file OK!"));
        QCOMPARE(readAll(file), body);
        m_server->remove(QString(kBase) + "extra.qmtvf.overlong");
    }

    // Every downloaded file is judged whole before "Download firmware file OK!": a body cut by
    // a lying Content-Length, a damaged or foreign image, or another version than the server
    // announced is deleted and reported, and a good copy of the same name stays.
    void badDownloadIsDeleted_data()
    {
        QTest::addColumn<QByteArray>("served");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("reason");
        const QByteArray good = firmware(QByteArray(4000, 'n'));
        QByteArray damaged = good;
        damaged[100] = 'X';
        QByteArray foreign = good;
        foreign[8] = 0x27;
        QTest::newRow("longer than its Content-Length") << good << "undersold"
                                                        << "incomplete or too long";
        QTest::newRow("damaged image") << damaged << QString() << "no valid firmware file";
        QTest::newRow("other device") << foreign << QString() << "another device (id 0x27)";
        QTest::newRow("other version than announced")
            << fwupgrade::buildFirmwareFile(140, QByteArray(4000, 'o')) << QString()
            << "version 1.40, but the update server announced 1.50";
        QTest::newRow("not firmware at all") << QByteArray("<html><body>Not here</body></html>")
                                             << QString() << "no valid firmware file";
    }

    void badDownloadIsDeleted()
    {
        QFETCH(QByteArray, served);
        QFETCH(QString, mode);
        QFETCH(QString, reason);
        const QByteArray kept = fwupgrade::buildFirmwareFile(150, QByteArray(300, 'k'));
        const QString file = local("lying.qmtvf");
        {
            QFile copy(file);
            QVERIFY(copy.open(QIODevice::WriteOnly));
            copy.write(kept);
        }
        QVERIFY(m_server->put(QString(kBase) + "lying.qmtvf", served));
        if (!mode.isEmpty())
            QVERIFY(m_server->put(QString(kBase) + "lying.qmtvf." + mode, "1000"));
        FirmwareUpgradeDialog dialog;
        dialog.setUpdateInfo({150, "lying.qmtvf", QString()});
        QVERIFY(clickAction(dialog));
        if (!mode.isEmpty())
            m_server->remove(QString(kBase) + "lying.qmtvf." + mode);
        QCOMPARE(lastLine(dialog), QStringLiteral("Download failed!"));
        QVERIFY2(text(dialog).contains(reason), qPrintable(text(dialog)));
        QVERIFY(text(dialog).contains("The file was deleted."));
        QVERIFY(!text(dialog).contains("Download firmware file OK!"));
        QCOMPARE(readAll(file), kept);
        for (const QString &entry : firmwareFolderEntries())
            QVERIFY2(entry == "lying.qmtvf" || !entry.startsWith("lying.qmtvf"), qPrintable(entry));
        QCOMPARE(int(dialog.phase()), 0);
        QVERIFY(dialog.form()->pushButtonDownloadFirmware->isEnabled());
        QCOMPARE(dialog.form()->pushButtonDownloadFirmware->text(), QStringLiteral("DownLoad"));
    }

    // Only a plain decimal number within 16 bits is a version; anything else is the server's
    // error, never a version of its own.
    void badServerVersionIsAServerError_data() { addBadServerVersionRows(); }

    void badServerVersionIsAServerError()
    {
        QFETCH(QString, version);
        const QByteArray document = withVersionText(config("QM-TV", 0), version);
        QVERIFY(m_server->put(kConfig, document));
        FirmwareUpgradeDialog dialog;
        dialog.setCurrentVersion(100);
        QVERIFY(refresh(dialog));
        QCOMPARE(text(dialog), QStringLiteral("Server error: Can Not Check Update Information!"));
        QCOMPARE(dialog.fileName(), QString());
    }

    void upgradeReports()
    {
        FirmwareUpgradeDialog dialog;
        dialog.form()->textEdit->setText("start");
        UpgradeEvent begins(UpgradeEvent::FlashingBegins, 3);
        QVERIFY(QCoreApplication::sendEvent(&dialog, &begins));
        QCOMPARE(lastLine(dialog), QStringLiteral("Upgrading now, please wait..."));
        QProgressBar *bar = dialog.form()->progressBar;
        QVERIFY(!bar->isHidden());
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), 100);
        QCOMPARE(bar->value(), 0);
        const QString before = text(dialog);
        UpgradeEvent progress(UpgradeEvent::Progress, 3, 42);
        QVERIFY(QCoreApplication::sendEvent(&dialog, &progress));
        QCOMPARE(bar->value(), 42);
        QCOMPARE(text(dialog), before);
        const QList<QPair<quint32, QString>> texts = {
            {3, "COM7 open OK"},
            {4, "COM7 open error"},
            {7, "Version Error"},
            {8, "Send Check Error"},
            {9, "Recv Check Error"},
            {10, "Timeout Error"},
            {12, "File Error"},
            {13, "File open OK"},
            {14, "File Open Error"},
            {18, "Erase Error"},
            {19, "File Size Error"},
            {20, "Length Error"},
            {22, "Upgraded OK"},
            {23, "Address Error"},
            {24, "Flash Error"},
            {26, "Head Error"},
            {28, "Go to App Error"},
            {32, "State Error"},
            {31, "Device Error, please check module connection"},
        };
        for (const auto &entry : texts) {
            UpgradeEvent report(entry.first, 7);
            QVERIFY(QCoreApplication::sendEvent(&dialog, &report));
            QCOMPARE(lastLine(dialog), entry.second);
        }
        const QString known = text(dialog);
        for (quint32 code : {0u, 2u, 5u, 25u, 99u}) {
            UpgradeEvent report(code, 7);
            QVERIFY(QCoreApplication::sendEvent(&dialog, &report));
        }
        QCOMPARE(text(dialog), known);
        // The end without a link: the text and the button only.
        UpgradeEvent end(UpgradeEvent::RunEnded, 7);
        QVERIFY(QCoreApplication::sendEvent(&dialog, &end));
        QCOMPARE(lastLine(dialog), QStringLiteral("EXIT"));
        QCOMPARE(int(dialog.phase()), 0);
        QCOMPARE(dialog.form()->pushButtonDownloadFirmware->text(), QStringLiteral("Download"));
    }

    void portNameError()
    {
        QVERIFY(m_server->put(QString(kBase) + "port.qmtvf", firmware("PORT")));
        local("port.qmtvf");
        Commrt *link = Commrt::createClass();
        link->setPortName("no such port"); // no port name holds a space
        {
            FirmwareUpgradeDialog dialog;
            dialog.setLink(link);
            dialog.setUpdateInfo({120, "port.qmtvf", QString()});
            QVERIFY(clickAction(dialog));
            QCOMPARE(int(dialog.phase()), 1);
            dialog.form()->pushButtonDownloadFirmware->click();
            QCOMPARE(lastLine(dialog), QStringLiteral("Port name error!"));
            QCOMPARE(int(dialog.phase()), 1);
            QCOMPARE(dialog.form()->pushButtonDownloadFirmware->text(),
                     QStringLiteral("Start Upgrade"));
        }
        Commrt::destroyClass(link);
    }

    void downloadFlashAndReconnect()
    {
        QVERIFY(QDir().mkpath(path("sim")));
        FcsimProcess sim(path("sim"));
        QVERIFY(sim.start({"--firmware", "100"}));
        QByteArray image(6000, '\0');
        for (int i = 0; i < image.size(); ++i)
            image[i] = static_cast<char>(i * 13 + 5);
        QVERIFY(m_server->put(kConfig, config("QM-TV", 106, "<f name=\"fw106.qmtvf\"/>")));
        QVERIFY(m_server->put(QString(kBase) + "fw106.qmtvf",
                              fwupgrade::buildFirmwareFile(106, image)));
        local("fw106.qmtvf");

        Commrt *link = Commrt::createClass();
        {
            QSignalSpy read(link, &Commrt::parametersChanged);
            QVERIFY(connectLink(link, &sim, &read));
            QVERIFY(link->isConnected());
            QCOMPARE(int(link->getFirmwareVersion()), 100);

            FirmwareUpgradeDialog dialog;
            dialog.setLink(link);
            dialog.setCurrentVersion(link->getFirmwareVersion());
            QVERIFY(refresh(dialog));
            QCOMPARE(dialog.fileName(), QStringLiteral("fw106.qmtvf"));
            QVERIFY(clickAction(dialog));
            QCOMPARE(lastLine(dialog), QStringLiteral("Download firmware file OK!"));

            QProgressBar *bar = dialog.form()->progressBar;
            QList<int> progress;
            connect(bar, &QProgressBar::valueChanged, this, [&](int value) { progress << value; });
            read.clear();
            dialog.form()->pushButtonDownloadFirmware->click(); // Start Upgrade
            // The parameters are saved first, the firmware info asked for: then it flashes.
            QTRY_COMPARE_WITH_TIMEOUT(int(dialog.phase()), 2, kWaitMs);
            QCOMPARE(dialog.form()->pushButtonDownloadFirmware->text(),
                     QStringLiteral("Stop Upgrade"));
            QVERIFY(!link->isPortOpen());
            QTRY_VERIFY_WITH_TIMEOUT(lastLine(dialog) == QStringLiteral("EXIT"), kRunWaitMs);
            QVERIFY2(text(dialog).contains("Upgraded OK"), qPrintable(text(dialog)));
            QVERIFY(!text(dialog).contains("Upgrade Progress"));
            QVERIFY(!progress.isEmpty());
            QCOMPARE(progress.last(), 100);
            QCOMPARE(bar->maximum(), 100);
            QCOMPARE(int(dialog.phase()), 0);
            QCOMPARE(dialog.form()->pushButtonDownloadFirmware->text(), QStringLiteral("Download"));

            // The port went back to the link, which reads the parameters of the new firmware.
            QVERIFY(read.count() > 0 || read.wait(kWaitMs));
            QVERIFY(link->isConnected());
            QTRY_COMPARE_WITH_TIMEOUT(int(link->getFirmwareVersion()), 106, kWaitMs);
            link->disconnectCom();
            link->stop();
        }
        Commrt::destroyClass(link);
    }

    // The verify fails after every block was written: the bar had reached 100 % and must not
    // stay there as if the upgrade had worked.
    void failedFlashDoesNotLeaveTheBarFull()
    {
        QVERIFY(QDir().mkpath(path("simverify")));
        FcsimProcess sim(path("simverify"));
        QVERIFY(sim.start({"--firmware", "100", "--flash-fail", "verify"}));
        QVERIFY(m_server->put(QString(kBase) + "verify.qmtvf",
                              fwupgrade::buildFirmwareFile(107, QByteArray(5000, 'V'))));
        local("verify.qmtvf");
        Commrt *link = Commrt::createClass();
        {
            QSignalSpy read(link, &Commrt::parametersChanged);
            QVERIFY(connectLink(link, &sim, &read));
            FirmwareUpgradeDialog dialog;
            dialog.setLink(link);
            dialog.setUpdateInfo({107, "verify.qmtvf", QString()});
            QVERIFY(clickAction(dialog));
            QProgressBar *bar = dialog.form()->progressBar;
            QList<int> values;
            connect(bar, &QProgressBar::valueChanged, this, [&](int value) { values << value; });
            dialog.form()->pushButtonDownloadFirmware->click(); // Start Upgrade
            QTRY_VERIFY_WITH_TIMEOUT(lastLine(dialog) == QStringLiteral("EXIT"), kRunWaitMs);
            QVERIFY2(text(dialog).contains("Flash Error"), qPrintable(text(dialog)));
            QVERIFY(values.contains(100));
            QVERIFY2(bar->isHidden() || bar->value() == 0,
                     qPrintable(QString::number(bar->value())));
            link->disconnectCom();
            link->stop();
        }
        Commrt::destroyClass(link);
    }

    // A controller left in its bootloader does not answer the link; the dialog flashes it all
    // the same, and the link connects to the new firmware afterwards.
    void flashesAControllerWaitingInItsBootloader()
    {
        QVERIFY(QDir().mkpath(path("simwaiting")));
        const QString state = path("simwaiting/firmware.ini");
        {
            QFile file(state);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[firmware]\nversion=0\nintact=false\n");
        }
        FcsimProcess sim(path("simwaiting"));
        QVERIFY(sim.start({"--firmware-state", state}));
        QVERIFY(m_server->put(QString(kBase) + "repair.qmtvf",
                              fwupgrade::buildFirmwareFile(108, QByteArray(4000, 'R'))));
        local("repair.qmtvf");
        Commrt *link = Commrt::createClass();
        {
            link->start();
            link->setPortName(sim.linkPath());
            link->connectCom();
            QTest::qWait(500);
            QVERIFY(!link->isConnected());
            FirmwareUpgradeDialog dialog;
            dialog.setLink(link);
            dialog.setCurrentVersion(0);
            dialog.setUpdateInfo({108, "repair.qmtvf", QString()});
            QVERIFY(clickAction(dialog));
            dialog.form()->pushButtonDownloadFirmware->click(); // Start Upgrade
            QTRY_VERIFY_WITH_TIMEOUT(lastLine(dialog) == QStringLiteral("EXIT"), kRunWaitMs);
            QVERIFY2(text(dialog).contains("Upgraded OK"), qPrintable(text(dialog)));
            // The version shown is the one the repair wrote.
            QCOMPARE(dialog.form()->label_3->text(), QStringLiteral("1.08"));
            QVERIFY(text(dialog).contains("its parameters were not saved"));
            QTRY_VERIFY_WITH_TIMEOUT(link->isConnected(), kWaitMs);
            QTRY_COMPARE_WITH_TIMEOUT(int(link->getFirmwareVersion()), 108, kWaitMs);
            link->disconnectCom();
            link->stop();
        }
        Commrt::destroyClass(link);
    }

    void stopUpgradeEndsTheRunAndHandsThePortBack()
    {
        QVERIFY(QDir().mkpath(path("simstop")));
        FcsimProcess sim(path("simstop"));
        QVERIFY(sim.start({"--firmware", "100"}));
        QVERIFY(m_server->put(QString(kBase) + "large.qmtvf",
                              fwupgrade::buildFirmwareFile(107, QByteArray(200000, 'L'))));
        local("large.qmtvf");
        Commrt *link = Commrt::createClass();
        {
            QSignalSpy read(link, &Commrt::parametersChanged);
            QVERIFY(connectLink(link, &sim, &read));
            FirmwareUpgradeDialog dialog;
            dialog.setLink(link);
            dialog.setUpdateInfo({107, "large.qmtvf", QString()});
            QVERIFY(clickAction(dialog));
            QCOMPARE(int(dialog.phase()), 1);
            dialog.show();
            dialog.form()->pushButtonDownloadFirmware->click(); // Start Upgrade
            // The bar showed the download; the flash starts it again from 0.
            QTRY_VERIFY_WITH_TIMEOUT(text(dialog).contains("Upgrading now, please wait...") &&
                                         dialog.form()->progressBar->value() > 0,
                                     kRunWaitMs);
            read.clear();
            QVERIFY2(!text(dialog).contains("EXIT"), "the run ended before it could be stopped");
            // While it flashes the dialog can neither be closed nor refreshed, nor escaped.
            QVERIFY(!dialog.form()->pushButtonClose->isEnabled());
            QVERIFY(!dialog.form()->pushButtonRefresh->isEnabled());
            QTest::keyClick(&dialog, Qt::Key_Escape);
            QVERIFY(dialog.isVisible());
            bool closeAsked = false;
            modal::answerQuestion(QMessageBox::No, &closeAsked);
            dialog.close();
            QVERIFY(closeAsked);
            QVERIFY(dialog.isVisible());
            // Stopping asks; No keeps the run.
            bool asked = false;
            QString question;
            QMessageBox::StandardButton preselected = QMessageBox::NoButton;
            modal::answerQuestion(QMessageBox::No, &asked, &question, &preselected);
            dialog.form()->pushButtonDownloadFirmware->click(); // Stop Upgrade
            QVERIFY(asked);
            QCOMPARE(question, QStringLiteral("Stopping now leaves the flight controller without "
                                              "working firmware until it is upgraded again. Stop "
                                              "anyway?"));
            QCOMPARE(preselected, QMessageBox::No);
            QVERIFY(!text(dialog).contains("EXIT"));
            asked = false;
            modal::answerQuestion(QMessageBox::Yes, &asked);
            dialog.form()->pushButtonDownloadFirmware->click(); // Stop Upgrade
            QVERIFY(asked);
            // Nothing changes until the run reports its end.
            QCOMPARE(int(dialog.phase()), 2);
            QTRY_VERIFY_WITH_TIMEOUT(lastLine(dialog) == QStringLiteral("EXIT"), kRunWaitMs);
            QVERIFY(!text(dialog).contains("Upgraded OK"));
            QCOMPARE(int(dialog.phase()), 0);
            QVERIFY(link->isPortOpen());
            // The run did not finish: the bar does not stay where it was, and the dialog can
            // be closed again.
            QVERIFY(dialog.form()->progressBar->isHidden() ||
                    dialog.form()->progressBar->value() == 0);
            QVERIFY(dialog.form()->pushButtonClose->isEnabled());
            QVERIFY(dialog.form()->pushButtonRefresh->isEnabled());
            link->disconnectCom();
            link->stop();
        }
        Commrt::destroyClass(link);
    }
};

QTEST_MAIN(TestFirmwareUpgradeDialog)
#include "tst_firmwareupgradedialog.moc"
