// The update page: device and version display, the installed software version, the upgrade log
// with every report of the upgrade library, local flashing against the simulator, and the online
// check against a real HTTP server on the loopback interface.
#include "fclink/link/commrt.h"
#include "firmwareupgrade/firmwareimage.h"
#include "firmwareupgrade/upgradeevent.h"
#include "firmwareupgrade/upgrademessages.h"
#include "skydesk/common/appsettings.h"
#include "skydesk/common/clickedlabel.h"
#include "skydesk/update/bootloaderwatch.h"
#include "skydesk/update/firmwareupgradedialog.h"
#include "skydesk/update/softwareversion.h"
#include "skydesk/update/updatehelpers.h"
#include "skydesk/update/updateserver.h"
#include "skydesk/update/updatesettingpage.h"
#include "skydesk/update/upgradeguard.h"
#include "skydesk/update/upgradewarningdialog.h"
#include "tests/support/fcsimprocess.h"
#include "tests/support/localhttpserver.h"
#include "tests/support/modalhelpers.h"
#include "tests/support/pageundertest.h"
#include "tests/support/refusingport.h"
#include "tests/support/testfolders.h"
#include "tests/support/updateconfigdocument.h"
#include "ui_firmwareupgradedialog.h"
#include "ui_updatesettingpage.h"
#include "ui_upgradewarningdialog.h"

#include <QtTest>
#include <QtWidgets>

namespace {

constexpr int kWaitMs = 10000;
constexpr int kRunWaitMs = 30000;
const char *const kPageConfig = "KestoWanderer2/FirmwareUpdate/QMTV_updateConfig.xml";
const char *const kDialogConfig = "QM_TAVERNIA/FirmwareUpdate/QMTV_updateConfig.xml";

// The update page skips release notes without content, whatever their elements are called.
QByteArray config(const QString &name, int version, const QString &file = "fw.qmtvf")
{
    return updateConfigDocument(
        name, version,
        QStringLiteral("<file name=\"%1\" size=\"10\" path=\"/x\"/><file name=\"second.qmtvf\"/>")
            .arg(file),
        "<item content=\"Faster\"/><item/><note content=\"Safer\"/>");
}

bool writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

// The text colour at the end of the log.
QColor lastColour(QTextEdit *edit)
{
    QTextCursor cursor(edit->document());
    cursor.movePosition(QTextCursor::End);
    cursor.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor);
    return cursor.charFormat().foreground().color();
}

using modal::chooseFile;
using modal::lastLine;
using modal::whenModal;

// Start Upgrade saves the parameters of an answering controller first: the run begins a moment
// after the click.
bool startUpgrade(updatesettingpage *page)
{
    page->form()->pushButtonStartUpgrade->click();
    return QTest::qWaitFor([page] { return page->isUpgrading(); }, kWaitMs);
}

// The run's end is logged as "Exit"; what the page finds out afterwards (a controller left
// waiting for firmware) follows it.
bool runEnded(updatesettingpage *page)
{
    return page->form()
        ->textEdit->toPlainText()
        .split(QLatin1Char('\n'))
        .contains(QStringLiteral("Exit"));
}

} // namespace

class TestUpdateSettingPage : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    LocalHttpServer *m_server = nullptr;
    quint8 m_savedLanguage = 0;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Chooses a firmware file of 200 000 bytes (long enough to be stopped half-way) and starts
    // flashing it; true once the log shows its progress.
    bool startFlashingALargeFile(updatesettingpage *page, const QString &name, char fill)
    {
        const QString firmware = path(name);
        if (!writeFile(firmware, fwupgrade::buildFirmwareFile(101, QByteArray(200000, fill))))
            return false;
        bool seen = false;
        whenModal<QFileDialog>(&seen, [&](QFileDialog *dialog) { chooseFile(dialog, firmware); });
        page->form()->pushButtonOpenFile->click();
        return startUpgrade(page) &&
               QTest::qWaitFor(
                   [page] { return page->form()->textEdit->toPlainText().contains("Progress"); },
                   kRunWaitMs);
    }

    bool checkDone(updatesettingpage *page)
    {
        QSignalSpy done(page, &updatesettingpage::onlineCheckFinished);
        page->refreshPage();
        return done.count() > 0 || done.wait(kWaitMs);
    }

    // A link to the simulator, connected and with the parameters read.
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // Parameter backups made before a flash stay in the test's folder.
        useTestFolders(m_dir.path());
        QDir(m_dir.path()).mkpath("www");
        m_server = new LocalHttpServer(path("www"));
        QVERIFY(m_server->start());
        qputenv("KESTO_UPDATE_SERVER", m_server->address().toUtf8());

        m_savedLanguage = AppSettings::languageCode();
    }

    void cleanupTestCase()
    {
        delete m_server;
        AppSettings::setLanguageCode(m_savedLanguage);
    }

    void init()
    {
        qputenv("KESTO_UPDATE_SERVER", m_server->address().toUtf8());
        m_server->put(kPageConfig, config("QM-TV-S", 105));
    }

    void versionFormat()
    {
        QCOMPARE(update::versionText(100), QStringLiteral("1.00"));
        QCOMPARE(update::versionText(7), QStringLiteral("0.07"));
        QCOMPARE(update::versionText(105), QStringLiteral("1.05"));
        QCOMPARE(update::versionText(0), QStringLiteral("0.00"));
        QCOMPARE(update::versionText(255), QStringLiteral("2.55"));
    }

    void initialFormAndNoteDocument()
    {
        AppSettings::setLanguageCode(1);
        Commrt *link = Commrt::createClass();
        {
            updatesettingpage page(nullptr, link);
            Ui::UpdateSettingPageUi *ui = page.form();
            QCOMPARE(ui->labelDeviceId->text(), QStringLiteral("----------------------"));
            QCOMPARE(ui->label_11->text(), QStringLiteral("-----------------"));
            QCOMPARE(ui->labelUpdateFirmware->text(), QStringLiteral("No updates"));
            QCOMPARE(ui->pushButtonStartUpgrade->text(), QStringLiteral("Start Upgrade"));
            QCOMPARE(ui->pushButtonOpenFile->text(), QStringLiteral("Open Firmware File"));
            QCOMPARE(ui->labelSoftwareUpdateOnline->text(), QStringLiteral("Update Online"));
            QVERIFY(ui->textEdit->isReadOnly());
            QCOMPARE(ui->labelUpdateFirmware->cursor().shape(), Qt::PointingHandCursor);
            QCOMPARE(ui->labelSoftwareUpdateOnline->cursor().shape(), Qt::PointingHandCursor);
            QCOMPARE(ui->label_9->styleSheet(), QStringLiteral("color: rgb(0, 0, 0);"));
            QVERIFY(ui->webView->styleSheet().contains("background-color:transparent"));
            QVERIFY2(page.noteAddress().endsWith("/doc/zh_CN/info.html"),
                     qPrintable(page.noteAddress()));
            QVERIFY(page.noteAddress().startsWith("file:///"));
        }
        AppSettings::setLanguageCode(0);
        {
            updatesettingpage page(nullptr, link);
            QVERIFY(page.noteAddress().endsWith("/doc/en_US/info.html"));
        }
        Commrt::destroyClass(link);
    }

    void unknownDeviceOnlyShowsTheNotice()
    {
        PageUnderTest<updatesettingpage> fixture;
        updatesettingpage &page = *fixture.page();
        QVERIFY(checkDone(&page));
        QCOMPARE(page.form()->labelDeviceId->text(), QStringLiteral("----------------------"));
        QCOMPARE(page.form()->label_11->text(), QStringLiteral("0.00"));
        QVERIFY(!page.isDeviceRecognised());
        QSignalSpy closed(&page, &updatesettingpage::displayCloseCOMPort);
        page.form()->pushButtonStartUpgrade->click();
        QCOMPARE(page.form()->textEdit->toPlainText(),
                 QStringLiteral("Notice: You should connect controller, firstly!"));
        QCOMPARE(closed.count(), 0);
        QVERIFY(!page.isUpgrading());
    }

    void pageWithoutLink()
    {
        updatesettingpage page(nullptr, nullptr);
        QVERIFY(checkDone(&page));
        QCOMPARE(page.form()->labelUpdateFirmware->text(), QStringLiteral("Online Upgrade"));
        QCOMPARE(page.form()->label_11->text(), QStringLiteral("0.00"));
        page.form()->pushButtonStartUpgrade->click();
        QCOMPARE(page.form()->textEdit->toPlainText(),
                 QStringLiteral("Notice: You should connect controller, firstly!"));
    }

    void onlineCheckTextsFitTheirLabel_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 0;
        QTest::newRow("Chinese") << 1;
        QTest::newRow("German") << 2;
    }

    // Every result of the online check shows whole, in the bold the style sheet gives the label,
    // at the 9-point desktop font, and clear of the version beside it (its dashes included).
    void onlineCheckTextsFitTheirLabel()
    {
        QFETCH(int, language);
        QTranslator translator;
        QVERIFY(translator.load(AppSettings::translationFile(quint8(language))));
        QCoreApplication::installTranslator(&translator);
        const QFont font = QApplication::font();
        QApplication::setFont(QFont(QStringLiteral("Sans Serif"), 9));
        {
            updatesettingpage page(nullptr, nullptr);
            page.setStyleSheet(QStringLiteral("ClickedLabel { font-weight: bold; }"));
            ClickedLabel *label = page.form()->labelUpdateFirmware;
            label->ensurePolished();
            QVERIFY(label->font().bold());
            // A controller waiting in its bootloader: no version beside any check result.
            page.upgradeGuard()->bootloaderWatch()->noteWaiting();
            QLabel *version = page.form()->label_11;
            QVERIFY(page.upgradeGuard()->isWaitingForFirmware());
            const int versionEnd =
                version->x() + version->fontMetrics().horizontalAdvance(version->text());
            for (const char *text : {"Online Upgrade", "New firmware available!", "No Update"}) {
                const QString shown = QCoreApplication::translate("updatesettingpage", text);
                const int width = label->fontMetrics().horizontalAdvance(shown);
                QVERIFY2(width <= label->width(), qPrintable(shown));
                // Right-aligned: the text begins where the label's width leaves off.
                QVERIFY2(versionEnd + 6 <= label->x() + label->width() - width, qPrintable(shown));
            }
        }
        {
            // The notice of a click without a controller, whole inside its small dialog.
            UpgradeWarningDialog notice;
            QLabel *label = notice.form()->label;
            label->ensurePolished();
            QVERIFY(label->geometry().right() < notice.width());
            QVERIFY(label->geometry().bottom() < notice.form()->buttonBox->y());
            const QRect needed = label->fontMetrics().boundingRect(
                QRect(0, 0, label->width(), 1000), label->wordWrap() ? Qt::TextWordWrap : 0,
                label->text());
            QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
                     qPrintable(label->text()));
        }
        QApplication::setFont(font);
        QCoreApplication::removeTranslator(&translator);
    }

    void everyReportHasItsTextAndColour_data()
    {
        QTest::addColumn<quint32>("code");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("colour");
        const QString black = "#000000";
        const QString red = "#ff0000";
        QTest::newRow("1") << 1u << "Exit" << black;
        QTest::newRow("3") << 3u << "COM12 open OK" << black;
        QTest::newRow("4") << 4u << "COM12 open error" << red;
        QTest::newRow("7") << 7u << "Version Error" << red;
        QTest::newRow("8") << 8u << "Send Check Error" << red;
        QTest::newRow("9") << 9u << "Recv Check Error" << red;
        QTest::newRow("10") << 10u << "Timeout Error" << red;
        QTest::newRow("12") << 12u << "File Error" << red;
        QTest::newRow("13") << 13u << "File open OK" << black;
        QTest::newRow("14") << 14u << "File Open Error" << red;
        QTest::newRow("18") << 18u << "Erase Error" << red;
        QTest::newRow("19") << 19u << "File Size Error" << red;
        QTest::newRow("20") << 20u << "Length Error" << red;
        QTest::newRow("21") << 21u << "Upgrading now, please wait..." << black;
        QTest::newRow("22") << 22u << "Upgraded OK" << black;
        QTest::newRow("23") << 23u << "Address Error" << red;
        QTest::newRow("24") << 24u << "Flash Error" << red;
        QTest::newRow("26") << 26u << "Head Error" << red;
        QTest::newRow("28") << 28u << "Go to App Error" << red;
        QTest::newRow("31") << 31u << "Device Error, please check module connection" << red;
        QTest::newRow("32") << 32u << "State Error" << red;
        QTest::newRow("35") << 35u << "The flight controller keeps its firmware" << black;
    }

    void everyReportHasItsTextAndColour()
    {
        QFETCH(quint32, code);
        QFETCH(QString, text);
        QFETCH(QString, colour);
        updatesettingpage page(nullptr, nullptr);
        page.form()->textEdit->append("before");
        UpgradeEvent report(code, 12, 0);
        QVERIFY(QCoreApplication::sendEvent(&page, &report));
        QCOMPARE(page.form()->textEdit->toPlainText(), "before\n" + text);
        QCOMPARE(lastColour(page.form()->textEdit).name(), colour);
    }

    // Both upgrade views and the upgrade library's catalogue agree in every language, and the
    // translated texts keep the colour of their severity.
    void reportTextsComeFromTheUpgradeCatalogueInEveryLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("versionError");
        QTest::newRow("English") << 0 << "Version Error";
        QTest::newRow("Chinese") << 1 << QString::fromUtf8("版本错误");
        QTest::newRow("German") << 2 << "Versionsfehler";
    }

    void reportTextsComeFromTheUpgradeCatalogueInEveryLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, versionError);
        QTranslator translator;
        QVERIFY(translator.load(AppSettings::translationFile(quint8(language))));
        QCoreApplication::installTranslator(&translator);
        updatesettingpage page(nullptr, nullptr);
        FirmwareUpgradeDialog dialog(nullptr);
        for (quint32 code : UpgradeMessages::codes()) {
            UpgradeEvent report(code, 12, 0);
            QVERIFY(QCoreApplication::sendEvent(&page, &report));
            const QString text = UpgradeMessages::text(code, QStringLiteral("COM12"));
            QCOMPARE(lastLine(page.form()->textEdit), text);
            const bool error = UpgradeMessages::severity(code) == fclink::MessageSeverity::Error;
            QCOMPARE(lastColour(page.form()->textEdit).name(),
                     QString(error ? "#ff0000" : "#000000"));
            if (code == UpgradeEvent::RunEnded)
                continue; // the dialog ends with its own plain EXIT
            QVERIFY(QCoreApplication::sendEvent(&dialog, &report));
            QCOMPARE(lastLine(dialog.form()->textEdit),
                     UpgradeMessages::text(code, portLabel(12, nullptr)));
        }
        const QString shown = UpgradeMessages::text(UpgradeEvent::VersionError);
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(shown, versionError);
    }

    void otherCodesAreAcceptedWithoutEffect()
    {
        updatesettingpage page(nullptr, nullptr);
        page.form()->textEdit->append("before");
        for (quint32 code : {0u, 2u, 5u, 6u, 15u, 16u, 17u, 25u, 27u, 29u, 30u, 33u, 34u, 1000u}) {
            UpgradeEvent report(code, 1, 50);
            QVERIFY(QCoreApplication::sendEvent(&page, &report));
        }
        QCOMPARE(page.form()->textEdit->toPlainText(), QStringLiteral("before"));
        QCOMPARE(page.form()->pushButtonStartUpgrade->text(), QStringLiteral("Start Upgrade"));
    }

    void progressIsOneRewrittenLine()
    {
        updatesettingpage page(nullptr, nullptr);
        QTextEdit *log = page.form()->textEdit;
        log->append("<h6><font color=#000000>File open OK</font></h6>");
        log->append("<h6><font color=#000000>COM3 open OK</font></h6>");
        for (int percent : {10, 20, 35, 60}) {
            UpgradeEvent report(UpgradeEvent::Progress, 3, percent);
            QVERIFY(QCoreApplication::sendEvent(&page, &report));
        }
        QCOMPARE(log->toPlainText(), QStringLiteral("File open OK\nCOM3 open OK\n"
                                                    "Upgrade Progress: 60%"));
        UpgradeEvent done(UpgradeEvent::UpgradeCompleted, 3);
        QCoreApplication::sendEvent(&page, &done);
        UpgradeEvent more(UpgradeEvent::Progress, 3, 100);
        QCoreApplication::sendEvent(&page, &more);
        QCOMPARE(log->toPlainText().count("Upgrade Progress"), 1);
        QCOMPARE(lastLine(log), QStringLiteral("Upgrade Progress: 100%"));
        // The run's end starts a new progress line next time.
        UpgradeEvent end(UpgradeEvent::RunEnded, 3);
        QCoreApplication::sendEvent(&page, &end);
        UpgradeEvent next(UpgradeEvent::Progress, 3, 5);
        QCoreApplication::sendEvent(&page, &next);
        QCOMPARE(log->toPlainText().count("Upgrade Progress"), 2);
        QCOMPARE(lastLine(log), QStringLiteral("Upgrade Progress: 5%"));
    }

    // The version the outside updater keeps in Packages.xml; without one that names it, the
    // version this program was built as.
    void packagesFile_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("version");
        QTest::newRow("one package")
            << QByteArray("<Packages><Package><Name>Kesto</Name><Version>1.2.3</Version>"
                          "</Package></Packages>")
            << "1.2.3";
        QTest::newRow("last match wins")
            << QByteArray("<Packages><Package><Version>1.0</Version></Package>"
                          "<Other><Version>9.9</Version></Other>"
                          "<Package><Version>2.0</Version><Version>2.1</Version></Package>"
                          "</Packages>")
            << "2.1";
        QTest::newRow("wrong root")
            << QByteArray("<Package><Package><Version>3.0</Version></Package></Package>")
            << QString();
        QTest::newRow("nested deeper")
            << QByteArray("<Packages><Package><Info><Version>4.0</Version></Info></Package>"
                          "</Packages>")
            << QString();
        QTest::newRow("broken") << QByteArray("<Packages><Package><Version>5.0</Vers") << QString();
        QTest::newRow("missing") << QByteArray() << QString();
    }

    void packagesFile()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, version);
        const QString file = path("Packages.xml");
        QFile::remove(file);
        if (!contents.isNull())
            QVERIFY(writeFile(file, contents));
        QCOMPARE(SoftwareVersion::fromPackagesFile(file), version);
    }

    // The page shows the installation's version from any working folder: the build's
    // Packages.xml (beside the program) carries the project's version; a Packages.xml in the
    // working folder is nobody's.
    void softwareVersionFromTheInstallation()
    {
        QVERIFY(writeFile(path("Packages.xml"), "<Packages><Package><Version>9.9.9</Version>"
                                                "</Package></Packages>"));
        const QString saved = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
        updatesettingpage page(nullptr, nullptr);
        const bool checked = checkDone(&page);
        QDir::setCurrent(saved);
        QVERIFY(checked);
        QCOMPARE(page.form()->labelSoftwareVersion->text(), QStringLiteral(KESTO_VERSION));
        QCOMPARE(SoftwareVersion::installed(), QStringLiteral(KESTO_VERSION));
    }

    void onlineCheckWithoutConnection()
    {
        PageUnderTest<updatesettingpage> fixture;
        updatesettingpage &page = *fixture.page();
        QVERIFY(checkDone(&page));
        // Newer firmware is known, but the label keeps its disconnected text.
        QCOMPARE(page.form()->labelUpdateFirmware->text(), QStringLiteral("Online Upgrade"));
        QCOMPARE(int(page.latestVersion()), 105);
        QCOMPARE(page.latestFileName(), QStringLiteral("fw.qmtvf"));
        QCOMPARE(page.updateContent(), QStringLiteral("Faster\r\nSafer\r\n"));
        QVERIFY(!page.isChecking());
    }

    void onlineCheckProductNames_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<int>("latest");
        QTest::newRow("page product") << config("QM-TV-S", 120) << 120;
        QTest::newRow("dialog product") << config("QM-TV", 120) << 0;
        QTest::newRow("case differs") << config("qm-tv-s", 120) << 0;
        QTest::newRow("no name")
            << QByteArray("<config version=\"120\"><files><f name=\"a\"/></files></config>") << 0;
        QTest::newRow("broken xml") << QByteArray("<config name=\"QM-TV-S\" version=\"120\"") << 0;
        QTest::newRow("empty") << QByteArray("") << 0;
    }

    void onlineCheckProductNames()
    {
        QFETCH(QByteArray, document);
        QFETCH(int, latest);
        QVERIFY(m_server->put(kPageConfig, document));
        updatesettingpage page(nullptr, nullptr);
        QVERIFY(checkDone(&page));
        QCOMPARE(int(page.latestVersion()), latest);
        QCOMPARE(page.latestFileName(), latest ? QStringLiteral("fw.qmtvf") : QString());
        QCOMPARE(page.form()->labelUpdateFirmware->text(), QStringLiteral("Online Upgrade"));
    }

    void httpErrorIsNeverParsed()
    {
        // A whole, valid document that comes with an error status is not the server's answer.
        QVERIFY(m_server->put(kPageConfig, config("QM-TV-S", 130)));
        QVERIFY(m_server->put(QString(kPageConfig) + ".status", "500"));
        updatesettingpage page(nullptr, nullptr);
        QVERIFY(checkDone(&page));
        QCOMPARE(int(page.latestVersion()), 0);
        m_server->remove(QString(kPageConfig) + ".status");

        // Nor is a document cut short by a closed connection.
        QVERIFY(m_server->put(QString(kPageConfig) + ".truncate", "1"));
        QVERIFY(checkDone(&page));
        QCOMPARE(int(page.latestVersion()), 0);
        m_server->remove(QString(kPageConfig) + ".truncate");

        QVERIFY(checkDone(&page));
        QCOMPARE(int(page.latestVersion()), 130);
    }

    void redirectedConfigIsNeverParsed_data()
    {
        QTest::addColumn<int>("status");
        QTest::newRow("301") << 301;
        QTest::newRow("302") << 302;
    }

    void redirectedConfigIsNeverParsed()
    {
        QFETCH(int, status);
        QVERIFY(m_server->put(kPageConfig, config("QM-TV-S", 130)));
        QVERIFY(m_server->put(QString(kPageConfig) + ".status", QByteArray::number(status)));
        updatesettingpage page(nullptr, nullptr);
        QVERIFY(checkDone(&page));
        QCOMPARE(int(page.latestVersion()), 0);
        QCOMPARE(page.latestFileName(), QString());
        m_server->remove(QString(kPageConfig) + ".status");
    }

    void badServerVersionIsIgnored_data() { addBadServerVersionRows(); }

    void badServerVersionIsIgnored()
    {
        QFETCH(QString, version);
        updatesettingpage page(nullptr, nullptr);
        QVERIFY(checkDone(&page));
        QCOMPARE(int(page.latestVersion()), 105);
        const QByteArray document = withVersionText(config("QM-TV-S", 0), version);
        QVERIFY(m_server->put(kPageConfig, document));
        // A server error: what the last good check found stays.
        QVERIFY(checkDone(&page));
        QCOMPARE(int(page.latestVersion()), 105);
        QCOMPARE(page.latestFileName(), QStringLiteral("fw.qmtvf"));
    }

    void configIsNotWrittenToTheTemporaryFolder()
    {
        const QString fixed = QDir::tempPath() + "/QMTV_updateConfig.xml";
        if (QFile::exists(fixed))
            QSKIP("another program left a file of that name in the temporary folder");
        updatesettingpage page(nullptr, nullptr);
        QVERIFY(checkDone(&page));
        QCOMPARE(int(page.latestVersion()), 105);
        QVERIFY(!QFile::exists(fixed));
    }

    void serverDownChangesNothing()
    {
        updatesettingpage page(nullptr, nullptr);
        QVERIFY(checkDone(&page));
        QCOMPARE(int(page.latestVersion()), 105);
        const RefusingPort nobody;
        QVERIFY(nobody.port() != 0);
        qputenv("KESTO_UPDATE_SERVER", QStringLiteral("127.0.0.1:%1").arg(nobody.port()).toUtf8());
        QVERIFY(checkDone(&page));
        QCOMPARE(int(page.latestVersion()), 105);
        QCOMPARE(page.latestFileName(), QStringLiteral("fw.qmtvf"));
        QCOMPARE(page.form()->labelUpdateFirmware->text(), QStringLiteral("Online Upgrade"));
    }

    // A check that stalls (no answer, a document that stops or trickles in) ends after its
    // time-out; what the last good check found stays.
    void stalledCheckEnds_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("no answer") << "mute" << QByteArray("1");
        QTest::newRow("body stops") << "stall" << QByteArray("40");
        QTest::newRow("one byte at a time") << "trickle" << QByteArray("150");
    }

    void stalledCheckEnds()
    {
        QFETCH(QString, mode);
        QFETCH(QByteArray, value);
        updatesettingpage page(nullptr, nullptr);
        page.setNetworkTimeouts({600, 2000});
        QVERIFY(checkDone(&page));
        QCOMPARE(int(page.latestVersion()), 105);
        QVERIFY(m_server->put(kPageConfig, config("QM-TV-S", 140)));
        QVERIFY(m_server->put(QString(kPageConfig) + "." + mode, value));
        QElapsedTimer waited;
        waited.start();
        const bool ended = checkDone(&page);
        m_server->remove(QString(kPageConfig) + "." + mode);
        QVERIFY2(ended, "the check did not end");
        QVERIFY2(waited.elapsed() >= 500, qPrintable(QString::number(waited.elapsed())));
        QVERIFY(!page.isChecking());
        QCOMPARE(int(page.latestVersion()), 105);
        QCOMPARE(page.latestFileName(), QStringLiteral("fw.qmtvf"));
        QCOMPARE(page.form()->labelUpdateFirmware->text(), QStringLiteral("Online Upgrade"));
    }

    void refreshDuringACheckStartsNoOverlap()
    {
        QVERIFY(m_server->put(QString(kPageConfig) + ".delay", "600"));
        {
            updatesettingpage page(nullptr, nullptr);
            QSignalSpy done(&page, &updatesettingpage::onlineCheckFinished);
            page.refreshPage();
            QVERIFY(page.isChecking());
            QTest::qWait(100);
            m_server->put(kPageConfig, config("QM-TV-S", 140));
            page.refreshPage();
            page.refreshPage();
            QVERIFY(done.wait(kWaitMs));
            QTest::qWait(800); // a dropped check would have ended by now
            QCOMPARE(done.count(), 1);
            QVERIFY(!page.isChecking());
            QCOMPARE(int(page.latestVersion()), 140);
            QCOMPARE(page.updateContent(), QStringLiteral("Faster\r\nSafer\r\n"));
        }
        {
            // Going away in the middle of a check is harmless.
            auto *page = new updatesettingpage(nullptr, nullptr);
            page->refreshPage();
            QVERIFY(page->isChecking());
            delete page;
            QTest::qWait(800);
        }
        m_server->remove(QString(kPageConfig) + ".delay");
    }

    void openFirmwareFileRecordsTheChoice()
    {
        const QString firmware = path("choice.qmtvf");
        QVERIFY(writeFile(firmware, fwupgrade::buildFirmwareFile(105, QByteArray(64, 'x'))));
        updatesettingpage page(nullptr, nullptr);
        bool seen = false;
        whenModal<QFileDialog>(&seen, [](QFileDialog *dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Open Firmware File"));
            QCOMPARE(dialog->nameFilters(), QStringList{"Firmware(*.qmtvf)"});
            QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptOpen);
        });
        page.form()->pushButtonOpenFile->click();
        QVERIFY(seen);
        QCOMPARE(page.form()->textEdit->toPlainText(), QStringLiteral("Firmware File: "));

        seen = false;
        whenModal<QFileDialog>(&seen, [&](QFileDialog *dialog) { chooseFile(dialog, firmware); });
        page.form()->pushButtonOpenFile->click();
        QVERIFY(seen);
        QCOMPARE(page.firmwareFile(), firmware);
        QCOMPARE(lastLine(page.form()->textEdit), "Firmware File: " + firmware);

        // Cancelling keeps the earlier choice.
        seen = false;
        whenModal<QFileDialog>(&seen);
        page.form()->pushButtonOpenFile->click();
        QVERIFY(seen);
        QCOMPARE(page.firmwareFile(), firmware);
        QCOMPARE(lastLine(page.form()->textEdit), "Firmware File: " + firmware);
    }

    void warningWhenOnlineLabelIsClickedDisconnected()
    {
        updatesettingpage page(nullptr, nullptr);
        bool seen = false;
        whenModal<UpgradeWarningDialog>(&seen, [](UpgradeWarningDialog *dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Notice"));
            QCOMPARE(dialog->size(), QSize(241, 113));
            QCOMPARE(dialog->form()->label->text(),
                     QStringLiteral("Please connect your device, firstly!"));
            dialog->form()->buttonBox->button(QDialogButtonBox::Ok)->click();
            QVERIFY(!dialog->isVisible());
            QCOMPARE(dialog->result(), int(QDialog::Accepted));
        });
        emit page.form()->labelUpdateFirmware->clicked();
        QVERIFY(seen);
    }

    // An updater beside the program is started, without arguments.
    void updateOnlineStartsTheUpdater()
    {
        const QString updater = QCoreApplication::applicationDirPath() + "/Updater";
        if (QFileInfo::exists(updater))
            QSKIP("an Updater program is installed beside the tests");
        const QString marker = path("updater-ran");
        QVERIFY(writeFile(updater,
                          QStringLiteral("#!/bin/sh\necho \"$#\" > '%1'\n").arg(marker).toUtf8()));
        // Whatever happens below, the test's updater does not stay beside the programs.
        const auto removeUpdater = qScopeGuard([&] { QFile::remove(updater); });
        QFile::setPermissions(updater, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(updatesettingpage::updaterProgram(), updater);
        updatesettingpage page(nullptr, nullptr);
        emit page.form()->labelSoftwareUpdateOnline->clicked();
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), kWaitMs);
        QFile ran(marker);
        QTRY_VERIFY_WITH_TIMEOUT(ran.size() > 0, kWaitMs);
        QVERIFY(ran.open(QIODevice::ReadOnly));
        QCOMPARE(ran.readAll().trimmed(), QByteArray("0")); // no arguments
    }

    // Without an updater beside the program (a distribution's package), the page says how to
    // update; an "Updater" in the working folder is never started.
    void updateOnlineWithoutAnUpdaterSaysSo()
    {
        if (QFileInfo::exists(QCoreApplication::applicationDirPath() + "/Updater"))
            QSKIP("an Updater program is installed beside the tests");
        const QString foreign = path("Updater");
        const QString marker = path("foreign-updater-ran");
        QVERIFY(writeFile(foreign, QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(marker).toUtf8()));
        QFile::setPermissions(foreign, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString saved = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
        const auto back = qScopeGuard([&] { QDir::setCurrent(saved); });
        QVERIFY(updatesettingpage::updaterProgram().isEmpty());

        updatesettingpage page(nullptr, nullptr);
        bool seen = false;
        QString text;
        modal::answerQuestion(QMessageBox::Ok, &seen, &text);
        emit page.form()->labelSoftwareUpdateOnline->clicked();
        QVERIFY(seen);
        QCOMPARE(text, QStringLiteral("The software updater is not installed: update with your "
                                      "package manager"));
        QTest::qWait(500);
        QVERIFY(!QFile::exists(marker));
    }

    void connectedDeviceCheckAndFlash()
    {
        QVERIFY(QDir().mkpath(path("sim")));
        FcsimProcess sim(path("sim"));
        QVERIFY(sim.start({"--firmware", "105"}));
        PageUnderTest<updatesettingpage> fixture;
        Commrt *link = fixture.link();
        updatesettingpage &page = *fixture.page();
        QVERIFY(fixture.connectTo(sim.linkPath(), kWaitMs));
        QVERIFY(link->isConnected());

        // Device and version; a server version equal to the device's is no update.
        QVERIFY(m_server->put(kPageConfig, config("QM-TV-S", 105)));
        QVERIFY(checkDone(&page));
        QCOMPARE(page.form()->labelDeviceId->text(), QStringLiteral("Kesto-Tarvel 2"));
        QVERIFY(page.isDeviceRecognised());
        QCOMPARE(page.form()->label_11->text(), QStringLiteral("1.05"));
        QCOMPARE(page.form()->labelUpdateFirmware->text(), QStringLiteral("No Update"));

        // A newer one is offered; the dialog gets what the check found.
        QVERIFY(m_server->put(kPageConfig, config("QM-TV-S", 106, "fw106.qmtvf")));
        QVERIFY(checkDone(&page));
        QCOMPARE(page.form()->labelUpdateFirmware->text(),
                 QStringLiteral("New firmware available!"));
        bool seen = false;
        whenModal<FirmwareUpgradeDialog>(&seen, [](FirmwareUpgradeDialog *dialog) {
            QCOMPARE(dialog->form()->label_3->text(), QStringLiteral("1.05"));
            QCOMPARE(dialog->fileName(), QStringLiteral("fw106.qmtvf"));
            QVERIFY(dialog->form()->textEdit->toPlainText().startsWith(
                "The latest firmware version: 1.06"));
            QVERIFY(dialog->form()->pushButtonDownloadFirmware->isEnabled());
            dialog->form()->pushButtonClose->click();
        });
        emit page.form()->labelUpdateFirmware->clicked();
        QVERIFY(seen);

        // Without a file nothing is released.
        QSignalSpy closed(&page, &updatesettingpage::displayCloseCOMPort);
        page.form()->pushButtonStartUpgrade->click();
        QCOMPARE(page.form()->textEdit->toPlainText(), QStringLiteral("Firmware not exist!"));
        QCOMPARE(closed.count(), 0);
        QVERIFY(link->isConnected());

        // A chosen file that has gone away since is no firmware either.
        const QString gone = path("gone.qmtvf");
        QVERIFY(writeFile(gone, fwupgrade::buildFirmwareFile(107, QByteArray(10, 'g'))));
        seen = false;
        whenModal<QFileDialog>(&seen, [&](QFileDialog *dialog) { chooseFile(dialog, gone); });
        page.form()->pushButtonOpenFile->click();
        QCOMPARE(page.firmwareFile(), gone);
        QVERIFY(QFile::remove(gone));
        page.form()->pushButtonStartUpgrade->click();
        QCOMPARE(page.form()->textEdit->toPlainText(), QStringLiteral("Firmware not exist!"));
        QCOMPARE(closed.count(), 0);

        // Flashing a good file: the port is released, the button cancels, the log shows
        // the run with one progress line and its end.
        const QString firmware = path("page.qmtvf");
        QVERIFY(writeFile(firmware, fwupgrade::buildFirmwareFile(107, QByteArray(3000, 'k'))));
        seen = false;
        whenModal<QFileDialog>(&seen, [&](QFileDialog *dialog) { chooseFile(dialog, firmware); });
        page.form()->pushButtonOpenFile->click();
        QCOMPARE(page.firmwareFile(), firmware);
        QVERIFY(startUpgrade(&page));
        QCOMPARE(closed.count(), 1);
        QVERIFY(!link->isConnected());
        QVERIFY(page.isUpgrading());
        QCOMPARE(page.form()->pushButtonStartUpgrade->text(), QStringLiteral("Cancel"));
        QTRY_VERIFY_WITH_TIMEOUT(!page.isUpgrading(), kRunWaitMs);
        QTextEdit *log = page.form()->textEdit;
        QCOMPARE(page.form()->pushButtonStartUpgrade->text(), QStringLiteral("Start Upgrade"));
        QVERIFY2(log->toPlainText().contains("Upgraded OK"), qPrintable(log->toPlainText()));
        QCOMPARE(log->toPlainText().count("Upgrade Progress"), 1);
        QVERIFY(log->toPlainText().contains("Upgrade Progress: 100%"));
        QCOMPARE(lastLine(log), QStringLiteral("Exit"));

        // The port goes back to the link by itself, and the new firmware answers.
        QTRY_VERIFY_WITH_TIMEOUT(link->isConnected(), kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(int(link->getFirmwareVersion()), 107, kWaitMs);
        QVERIFY(checkDone(&page));
        QCOMPARE(page.form()->label_11->text(), QStringLiteral("1.07"));

        // A port name the host cannot open: the error, and the port is not taken.
        link->disconnectCom();
        link->setPortName("no such port"); // no port name holds a space
        page.form()->pushButtonStartUpgrade->click();
        QCOMPARE(closed.count(), 1);
        QCOMPARE(page.form()->textEdit->toPlainText(),
                 QStringLiteral("Port name error! Make sure you have select right port!"));
        QVERIFY(!page.isUpgrading());
        QCOMPARE(page.form()->pushButtonStartUpgrade->text(), QStringLiteral("Start Upgrade"));
        link->stop();
    }

    // Cancel during a run asks first (No is the default and keeps the run), and a stopped run
    // leaves one progress line in the log.
    void cancelAsksAndLeavesOneProgressLine()
    {
        QVERIFY(QDir().mkpath(path("simcancel")));
        FcsimProcess sim(path("simcancel"));
        QVERIFY(sim.start({"--firmware", "100", "--reply-delay", "5"}));
        PageUnderTest<updatesettingpage> fixture;
        Commrt *link = fixture.link();
        updatesettingpage &page = *fixture.page();
        QVERIFY(fixture.connectTo(sim.linkPath(), kWaitMs));
        QVERIFY(checkDone(&page));
        QVERIFY(startFlashingALargeFile(&page, QStringLiteral("big.qmtvf"), 'b'));

        bool asked = false;
        QString question;
        QMessageBox::StandardButton preselected = QMessageBox::NoButton;
        modal::answerQuestion(QMessageBox::No, &asked, &question, &preselected);
        page.form()->pushButtonStartUpgrade->click(); // "Cancel"
        QVERIFY(asked);
        QCOMPARE(question, QStringLiteral("Stopping now leaves the flight controller without "
                                          "working firmware until it is upgraded again. Stop "
                                          "anyway?"));
        QCOMPARE(preselected, QMessageBox::No);
        QVERIFY2(page.isUpgrading(), "the run ended before it could be cancelled");
        QVERIFY(!page.form()->textEdit->toPlainText().contains("Exit"));

        asked = false;
        modal::answerQuestion(QMessageBox::Yes, &asked);
        page.form()->pushButtonStartUpgrade->click();
        QVERIFY(asked);
        QTRY_VERIFY2_WITH_TIMEOUT(runEnded(&page), qPrintable(page.form()->textEdit->toPlainText()),
                                  kRunWaitMs);
        QVERIFY(!page.isUpgrading());
        QCOMPARE(page.form()->pushButtonStartUpgrade->text(), QStringLiteral("Start Upgrade"));
        QVERIFY(!page.form()->textEdit->toPlainText().contains("Upgraded OK"));
        QCOMPARE(page.form()->textEdit->toPlainText().count("Upgrade Progress"), 1);
        link->stop();
    }

    // However late the reports of a stopped run arrive, the log keeps one progress line.
    void stoppedRunLeavesOneProgressLine()
    {
        QVERIFY(QDir().mkpath(path("simlines")));
        FcsimProcess sim(path("simlines"));
        QVERIFY(sim.start({"--firmware", "100"}));
        PageUnderTest<updatesettingpage> fixture;
        Commrt *link = fixture.link();
        updatesettingpage &page = *fixture.page();
        QVERIFY(fixture.connectTo(sim.linkPath(), kWaitMs));
        QVERIFY(checkDone(&page));
        QVERIFY(startFlashingALargeFile(&page, QStringLiteral("lines.qmtvf"), 'l'));
        bool asked = false;
        modal::answerQuestion(QMessageBox::Yes, &asked);
        page.form()->pushButtonStartUpgrade->click(); // "Cancel"
        QTRY_VERIFY2_WITH_TIMEOUT(runEnded(&page), qPrintable(page.form()->textEdit->toPlainText()),
                                  kRunWaitMs);
        QCOMPARE(page.form()->textEdit->toPlainText().count("Upgrade Progress"), 1);
        link->stop();
    }

    // The link's version byte holds only the low 8 bits: after flashing 3.00 it reads 44, which
    // must neither show as 0.44 nor make 1.20 look new.
    void versionBeyondTheByteComesFromTheImage()
    {
        QVERIFY(QDir().mkpath(path("simwrap")));
        FcsimProcess sim(path("simwrap"));
        QVERIFY(sim.start({"--firmware", "105"}));
        QVERIFY(m_server->put(kPageConfig, config("QM-TV-S", 120)));
        PageUnderTest<updatesettingpage> fixture;
        Commrt *link = fixture.link();
        updatesettingpage &page = *fixture.page();
        QVERIFY(fixture.connectTo(sim.linkPath(), kWaitMs));
        QVERIFY(checkDone(&page));
        QCOMPARE(page.form()->labelUpdateFirmware->text(),
                 QStringLiteral("New firmware available!"));
        const QString firmware = path("v300.qmtvf");
        QVERIFY(writeFile(firmware, fwupgrade::buildFirmwareFile(300, QByteArray(3000, 'w'))));
        bool seen = false;
        whenModal<QFileDialog>(&seen, [&](QFileDialog *dialog) { chooseFile(dialog, firmware); });
        page.form()->pushButtonOpenFile->click();
        QVERIFY(startUpgrade(&page));
        QTRY_VERIFY_WITH_TIMEOUT(!page.isUpgrading(), kRunWaitMs);
        QVERIFY(page.form()->textEdit->toPlainText().contains("Upgraded OK"));
        QTRY_VERIFY_WITH_TIMEOUT(link->isConnected(), kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(int(link->getFirmwareVersion()), 300 & 0xFF, kWaitMs);
        QVERIFY(checkDone(&page));
        QCOMPARE(page.form()->label_11->text(), QStringLiteral("3.00"));
        QCOMPARE(page.form()->labelUpdateFirmware->text(), QStringLiteral("No Update"));
        link->stop();
    }

    // A controller whose version does not fit the link's version byte (3.00 arrives as 44) is
    // shown and compared by its whole version, on the page and in the download dialog, before
    // and after a refresh there.
    void wholeVersionIsShownAndCompared_data()
    {
        QTest::addColumn<int>("server");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("offered");
        QTest::newRow("older than installed") << 150 << "No Update"
                                              << "No updates available!";
        QTest::newRow("installed") << 300 << "No Update"
                                   << "No updates available!";
        QTest::newRow("newer") << 301 << "New firmware available!"
                               << "The latest firmware version: 3.01";
    }

    void wholeVersionIsShownAndCompared()
    {
        QFETCH(int, server);
        QFETCH(QString, label);
        QFETCH(QString, offered);
        const QString folder = path(QStringLiteral("sim300-%1").arg(server));
        QVERIFY(QDir().mkpath(folder));
        FcsimProcess sim(folder);
        QVERIFY(sim.start({"--firmware", "300"}));
        QVERIFY(m_server->put(kPageConfig, config("QM-TV-S", server)));
        QVERIFY(m_server->put(kDialogConfig, config("QM-TV", server)));
        PageUnderTest<updatesettingpage> fixture;
        Commrt *link = fixture.link();
        updatesettingpage &page = *fixture.page();
        QVERIFY(fixture.connectTo(sim.linkPath(), kWaitMs));
        QVERIFY(checkDone(&page));
        QTRY_COMPARE_WITH_TIMEOUT(page.form()->label_11->text(), QStringLiteral("3.00"), kWaitMs);
        QCOMPARE(page.form()->labelUpdateFirmware->text(), label);
        bool seen = false;
        whenModal<FirmwareUpgradeDialog>(&seen, [&](FirmwareUpgradeDialog *dialog) {
            Ui::FirmwareUpgradeDialogUi *ui = dialog->form();
            QCOMPARE(ui->label_3->text(), QStringLiteral("3.00"));
            QVERIFY2(ui->textEdit->toPlainText().startsWith(offered),
                     qPrintable(ui->textEdit->toPlainText()));
            QCOMPARE(ui->pushButtonDownloadFirmware->isEnabled(), server > 300);
            QSignalSpy done(dialog, &FirmwareUpgradeDialog::requestFinished);
            ui->pushButtonRefresh->click();
            QVERIFY(done.wait(kWaitMs));
            QVERIFY2(ui->textEdit->toPlainText().startsWith(offered),
                     qPrintable(ui->textEdit->toPlainText()));
            ui->pushButtonClose->click();
        });
        emit page.form()->labelUpdateFirmware->clicked();
        QVERIFY(seen);
        link->stop();
    }

    // Connect finds the controller in its bootloader: the page says so, knows the device, counts
    // any server firmware as new and opens the download dialog instead of the warning.
    void waitingControllerIsRecognisedAndOffered()
    {
        QVERIFY(QDir().mkpath(path("simwait")));
        const QString state = path("simwait/firmware.ini");
        QVERIFY(writeFile(state, "[firmware]\nversion=0\nintact=false\n"));
        FcsimProcess sim(path("simwait"));
        QVERIFY(sim.start({"--firmware-state", state}));
        QVERIFY(m_server->put(kPageConfig, config("QM-TV-S", 105)));
        PageUnderTest<updatesettingpage> fixture;
        Commrt *link = fixture.link();
        updatesettingpage &page = *fixture.page();
        QSignalSpy waiting(page.upgradeGuard(), &UpgradeGuard::waitingForFirmwareChanged);
        link->start();
        link->setPortName(sim.linkPath());
        link->connectCom();
        page.upgradeGuard()->onConnectRequested();
        QVERIFY(waiting.wait(kWaitMs));
        QCOMPARE(waiting.first().first().toBool(), true);
        QVERIFY(page.upgradeGuard()->isWaitingForFirmware());
        QVERIFY(page.form()->textEdit->toPlainText().contains(
            "The flight controller is waiting for firmware: its last upgrade did not finish. "
            "Choose a firmware file and press Start Upgrade to repair it."));
        QVERIFY(checkDone(&page));
        QCOMPARE(page.form()->labelDeviceId->text(), QStringLiteral("Kesto-Tarvel 2"));
        QCOMPARE(page.form()->label_11->text(), QStringLiteral("--------"));
        QCOMPARE(page.form()->labelUpdateFirmware->text(),
                 QStringLiteral("New firmware available!"));
        bool seen = false;
        whenModal<FirmwareUpgradeDialog>(&seen, [](FirmwareUpgradeDialog *dialog) {
            // No firmware, so no version: not "0.00".
            QCOMPARE(dialog->form()->label_3->text(), QStringLiteral("--------"));
            QVERIFY(dialog->form()->pushButtonDownloadFirmware->isEnabled());
            dialog->form()->pushButtonClose->click();
        });
        emit page.form()->labelUpdateFirmware->clicked();
        QVERIFY(seen);
        // Disconnect ends what the page knew of it.
        link->disconnectCom();
        page.upgradeGuard()->onDisconnectRequested();
        QVERIFY(!page.upgradeGuard()->isWaitingForFirmware());
        link->stop();
    }

    void portLabelNamesNumberedAndUnixPorts()
    {
        QCOMPARE(portLabel(12, nullptr), QStringLiteral("COM12"));
        Commrt *link = Commrt::createClass();
        link->setPortName(QStringLiteral("/tmp/fc"));
        QCOMPARE(portLabel(-1, link), QStringLiteral("/tmp/fc"));
        QCOMPARE(portLabel(0, link), QStringLiteral("/tmp/fc"));
        link->setPortName(QStringLiteral("COM3"));
        QCOMPARE(portLabel(3, link), QStringLiteral("COM3"));
        Commrt::destroyClass(link);
    }
};

QTEST_MAIN(TestUpdateSettingPage)
#include "tst_updatesettingpage.moc"
