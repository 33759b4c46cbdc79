// The whole main window against the simulated flight controller on a pseudo-terminal.
#include "fclink/link/commrt.h"
#include "fclink/link/linkmessages.h"
#include "fclink/link/portnaming.h"
#include "fclink/model/parameterblock.h"
#include "fclink/model/parameterfields.h"
#include "fclink/model/parameterformat.h"
#include "fclink/model/uavparam.h"
#include "fclink/storage/parameterfile.h"
#include "skydesk/common/appsettings.h"
#include "skydesk/pages/advancesettingpage.h"
#include "skydesk/pages/telemetryrecorder.h"
#include "skydesk/pages/toolsettingpage.h"
#include "skydesk/recordings/recordingplot.h"
#include "skydesk/recordings/recordingviewerwindow.h"
#include "skydesk/shell/contentwidget.h"
#include "skydesk/shell/mainwidget.h"
#include "skydesk/shell/mysplashscreen.h"
#include "skydesk/shell/startoptions.h"
#include "skydesk/shell/statuswidget.h"
#include "skydesk/shell/terminationwatcher.h"
#include "skydesk/shell/titlewidget.h"
#include "skydesk/shell/toolwidget.h"
#include "tests/support/fcsimprocess.h"
#include "tests/support/homeredirect.h"
#include "tests/support/recordingfiles.h"
#include "tests/support/signalarguments.h"
#include "tests/support/testtiming.h"
#include "ui_advancesettingpage.h"
#include "ui_toolsettingpage.h"

#include <QSerialPort>

#include <QtTest>
#include <QtWidgets>

#include <csignal>
#include <memory>

namespace {

constexpr int kWaitMs = 10000;

QStringList g_messages;

void collectMessages(QtMsgType, const QMessageLogContext &, const QString &message)
{
    g_messages << message;
}

// Closes the next modal box or menu as soon as it shows.
void closeNextPopup()
{
    QTimer::singleShot(50, [] {
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        else if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
        else
            closeNextPopup();
    });
}

// Closes the next message box as soon as it shows and keeps its text; gives up after 10 s.
void closeNextMessageBox(QString *text, int triesLeft = 200)
{
    QTimer::singleShot(50, [text, triesLeft] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            *text = box->text();
            box->close();
        } else if (triesLeft > 0) {
            closeNextMessageBox(text, triesLeft - 1);
        }
    });
}

// The simulator's port listed for the link and saved as the port of the last run, so a new
// window starts with it selected; the environment is restored at the end.
struct SimulatorAsSavedPort
{
    explicit SimulatorAsSavedPort(const FcsimProcess &sim)
    {
        qputenv(fclink::kExtraPortsVariable, sim.linkPath().toLocal8Bit());
        QFile::remove(AppSettings::filePath());
        AppSettings::setSavedPort(sim.linkPath());
    }
    ~SimulatorAsSavedPort() { qunsetenv(fclink::kExtraPortsVariable); }
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QByteArray m_savedSettings;
    bool m_hadSettings = false;
    QString m_boxText; // what the last message box said

private slots:
    void initTestCase()
    {
        QFile file(AppSettings::filePath());
        m_hadSettings = file.open(QIODevice::ReadOnly);
        if (m_hadSettings)
            m_savedSettings = file.readAll();
    }

    void cleanupTestCase()
    {
        if (QFileInfo(AppSettings::filePath()).isDir())
            QDir(AppSettings::filePath()).removeRecursively();
        QFile::remove(AppSettings::filePath());
        if (m_hadSettings) {
            QFile file(AppSettings::filePath());
            if (file.open(QIODevice::WriteOnly))
                file.write(m_savedSettings);
        }
    }

    void connectShowsConnectedAndPagesRefreshThenDisconnect()
    {
        FcsimProcess sim(m_dir.path());
        QVERIFY(sim.start());
        qputenv(fclink::kExtraPortsVariable, sim.linkPath().toLocal8Bit());
        QFile::remove(AppSettings::filePath());
        AppSettings::setSavedPort(sim.linkPath());

        MySplashScreen splash(QPixmap(QStringLiteral(":/images/splash.png")));
        QSignalSpy progress(splash.progressBar(), &QProgressBar::valueChanged);
        auto *window = new mainWidget(&splash);
        QCOMPARE(argumentSequence<int>(progress), (QList<int>{10, 20, 30, 40, 50, 70, 100}));
        // As designed where the screen has room (the offscreen screen is 800 × 600).
        QCOMPARE(window->size(), mainWidget::designedSize().boundedTo(
                                     window->screen()->availableGeometry().size()));
        QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
        window->show();

        toolWidget *bar = window->connectionBar();
        QCOMPARE(bar->portSelector()->currentText(), sim.linkPath());
        QCOMPARE(window->link()->getPortName(), sim.linkPath());
        QVERIFY(window->link()->isRunning());

        QSignalSpy parameters(window->link(), &Commrt::parametersChanged);
        QTest::mouseClick(bar->connectButton(), Qt::LeftButton);
        QCOMPARE(bar->connectButton()->text(), QStringLiteral("Disconnect"));
        QTRY_COMPARE_WITH_TIMEOUT(window->statusBar()->connectionText(),
                                  QStringLiteral("Connected"), kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(parameters.count(), 1, kWaitMs);
        // The read refreshes the pages through the page area.
        QVERIFY(QObject::disconnect(window->link(), &Commrt::parametersChanged, window->pageArea(),
                                    &contentWidget::updateAllPages));
        connect(window->link(), &Commrt::parametersChanged, window->pageArea(),
                &contentWidget::updateAllPages);

        // An edit on the settings page reaches the controller's block.
        QTest::mouseClick(
            window->pageArea()->advanceSettingPage()->form()->pushButtonMotorIdelSpeedLevel4,
            Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(window->statusBar()->statusText(),
                                  QStringLiteral("Parameters uploaded and verified"), kWaitMs);
        QCOMPARE(sim.block().value("MotorIdel"), 4);

        // Page list entries switch the stack.
        bar->pageList()->setCurrentRow(2);
        QCOMPARE(window->pageArea()->pageStack()->currentIndex(), 2);
        bar->pageList()->setCurrentRow(0);

        // The upload of a loaded file shows in the status bar.
        window->statusBar()->statusTextChanged(QString());
        emit window->pageArea()->configurationLoaded();
        QTRY_COMPARE_WITH_TIMEOUT(window->statusBar()->statusText(),
                                  QStringLiteral("Parameters uploaded and verified"), kWaitMs);

        // A recording shows in the status bar; the Disconnect button ends it.
        auto home = std::make_unique<HomeRedirect>(m_dir.filePath("home"));
        bar->pageList()->setCurrentRow(1);
        ToolSettingPage *tools = window->pageArea()->toolSettingPage();
        QTest::mouseClick(tools->form()->pushButtonRecord, Qt::LeftButton);
        const QString recording = QFileInfo(tools->recorder()->filePath()).fileName();
        QVERIFY2(window->statusBar()->recordingText().startsWith("Recording " + recording),
                 qPrintable(window->statusBar()->recordingText()));
        QTest::mouseClick(bar->connectButton(), Qt::LeftButton);
        home.reset();
        QVERIFY(!tools->recorder()->isRecording());
        QCOMPARE(window->statusBar()->recordingText(), "Saved " + recording);
        QVERIFY(QFile::exists(m_dir.filePath("home/Documents/" + recording)));
        QCOMPARE(window->statusBar()->connectionText(), QStringLiteral("Unconnected"));
        QCOMPARE(window->statusBar()->statusText(), QString(14, ' '));
        QVERIFY(bar->portSelector()->isEnabled());

        // Program end: the port is saved and the link's thread is joined, without warnings,
        // although no event loop will ever run a deferred deletion.
        QPointer<Commrt> link = window->link();
        QFile::remove(AppSettings::filePath());
        g_messages.clear();
        qInstallMessageHandler(collectMessages);
        delete window;
        qInstallMessageHandler(nullptr);
        QVERIFY(link.isNull());
        QVERIFY2(g_messages.isEmpty(), qPrintable(g_messages.join('\n')));
        QCOMPARE(AppSettings::savedPort(), sim.linkPath());
        qunsetenv(fclink::kExtraPortsVariable);
    }

    void unplugOffersConnectAndReconnectsWhenTheDeviceReturns()
    {
        FcsimProcess sim(m_dir.path());
        QVERIFY(sim.start());
        SimulatorAsSavedPort saved(sim);
        mainWidget window(nullptr);
        window.show();
        toolWidget *bar = window.connectionBar();
        QTest::mouseClick(bar->connectButton(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(window.statusBar()->connectionText(), QStringLiteral("Connected"),
                                  kWaitMs);

        sim.kill(); // unplugged
        QTRY_COMPARE_WITH_TIMEOUT(bar->connectButton()->text(), QStringLiteral("Connect"), kWaitMs);
        QVERIFY(bar->portSelector()->isEnabled());
        QCOMPARE(window.statusBar()->connectionText(), QStringLiteral("Unconnected"));
        QVERIFY2(window.statusBar()->statusText().contains(sim.linkPath()),
                 qPrintable(window.statusBar()->statusText()));
        QCOMPARE(window.statusBar()->statusSeverity(), statusWidget::Severity::Warning);

        QVERIFY(sim.start()); // plugged in again
        QTRY_COMPARE_WITH_TIMEOUT(window.statusBar()->connectionText(), QStringLiteral("Connected"),
                                  kWaitMs);
        QCOMPARE(bar->connectButton()->text(), QStringLiteral("Disconnect"));
        QVERIFY(!bar->portSelector()->isEnabled());
        QCOMPARE(bar->portSelector()->currentText(), sim.linkPath());

        // The pilot's Disconnect is the end of it: the port stays closed.
        QTest::mouseClick(bar->connectButton(), Qt::LeftButton);
        QVERIFY(!window.link()->isReconnecting());
        QVERIFY(!window.link()->isPortOpen());
    }

    // An upload the controller's silence cuts off is sent again once it answers; one the
    // device's going away cuts off ends with the fields the controller may not hold.
    void anUploadCutOffIsRedoneOrNamesWhatMayBeMissing_data()
    {
        QTest::addColumn<bool>("unplugged");
        QTest::newRow("silence") << false;
        QTest::newRow("unplug") << true;
    }

    void anUploadCutOffIsRedoneOrNamesWhatMayBeMissing()
    {
        QFETCH(bool, unplugged);
        FcsimProcess sim(m_dir.path());
        // Silence from the first write on holds the upload half-way however slow this test runs.
        QVERIFY(sim.start({"--reply-delay", "60", "--silent-at-write", "1"}));
        SimulatorAsSavedPort saved(sim);
        mainWidget window(nullptr);
        window.link()->setTiming(quickLossTiming()); // only waits for the silence to tell
        window.show();
        QTest::mouseClick(window.connectionBar()->connectButton(), Qt::LeftButton);
        AdvanceSettingPage *page = window.pageArea()->advanceSettingPage();
        QTRY_VERIFY_WITH_TIMEOUT(page->form()->pushButtonMotorIdelSpeedLevel3->isEnabled(),
                                 kWaitMs);
        const int wanted = uavParam.MotorIdel == 4 ? 3 : 4;
        const int since = sim.requests().size();
        QTest::mouseClick(wanted == 4 ? page->form()->pushButtonMotorIdelSpeedLevel4
                                      : page->form()->pushButtonMotorIdelSpeedLevel3,
                          Qt::LeftButton);
        QVERIFY(QTest::qWaitFor(
            [&] {
                const auto requests = sim.requests();
                for (int i = since; i < requests.size(); ++i) {
                    if (requests.at(i).head >= 1 && requests.at(i).head <= 14)
                        return true;
                }
                return false;
            },
            kWaitMs));
        statusWidget *status = window.statusBar();
        if (unplugged) {
            sim.kill();
            QTRY_VERIFY_WITH_TIMEOUT(status->statusText().contains(QLatin1String("may not hold")),
                                     kWaitMs);
            QCOMPARE(status->statusText(),
                     QStringLiteral("%1 went away during the upload: the flight controller may "
                                    "not hold Motor Idel Speed")
                         .arg(sim.linkPath()));
            QCOMPARE(status->noticeToolTip(), status->statusText()); // for a list the bar cuts
            return;
        }
        QTRY_COMPARE_WITH_TIMEOUT(status->connectionText(), QStringLiteral("Unconnected"), kWaitMs);
        QVERIFY(sim.block().value("MotorIdel") != wanted); // the write went unanswered
        sim.sendSignal(SIGUSR2);
        QTRY_COMPARE_WITH_TIMEOUT(status->statusText(),
                                  QStringLiteral("Parameters uploaded and verified"), 3 * kWaitMs);
        QCOMPARE(sim.block().value("MotorIdel"), wanted);
        QCOMPARE(int(uavParam.MotorIdel), wanted);
    }

    // A controller that refuses many fields of an import: the bar may cut the notice, so its
    // tool tip holds every caption, and the log every field.
    void aLongListOfRefusedFieldsIsShownWhole()
    {
        QVector<const fclink::ParameterField *> refused;
        QStringList offsets;
        for (const fclink::ParameterField &field : fclink::parameterFields()) {
            if (field.caption && field.size() == 1 && refused.size() < 12) {
                refused << &field;
                offsets << QString::number(field.offset);
            }
        }
        FcsimProcess sim(m_dir.path());
        QVERIFY(sim.start({"--ignore-writes", offsets.join(QLatin1Char(','))}));
        SimulatorAsSavedPort saved(sim);
        mainWidget window(nullptr);
        window.show();
        QTest::mouseClick(window.connectionBar()->connectButton(), Qt::LeftButton);
        ToolSettingPage *tools = window.pageArea()->toolSettingPage();
        QTRY_VERIFY_WITH_TIMEOUT(tools->form()->pushButtonWriteToFlash->isEnabled(), kWaitMs);

        const std::optional<fclink::BlockImage> dumped = sim.dumpedBlock();
        QVERIFY(dumped);
        fclink::BlockImage block = *dumped;
        for (const fclink::ParameterField *field : refused)
            block.setValue(*field, block.value(*field) == 1 ? 2 : 1);
        const QString file = m_dir.filePath(QStringLiteral("refused.conf"));
        QString error;
        QVERIFY2(fclink::saveParameterFile(file, block, &error), qPrintable(error));
        g_messages.clear();
        qInstallMessageHandler(collectMessages);
        QVERIFY2(tools->importParametersFrom(file, &error), qPrintable(error));
        statusWidget *status = window.statusBar();
        const QString refusal = QStringLiteral("The flight controller did not accept: ");
        QTRY_VERIFY_WITH_TIMEOUT(status->statusText().startsWith(refusal), 3 * kWaitMs);
        qInstallMessageHandler(nullptr);
        const QString tip = status->noticeToolTip();
        QCOMPARE(tip, status->statusText());
        const QString logged = g_messages.join(QLatin1Char('\n'));
        for (const fclink::ParameterField *field : refused) {
            QVERIFY2(tip.contains(fclink::fieldCaption(*field)), qPrintable(tip));
            QVERIFY2(logged.contains(QLatin1String(field->name)), qPrintable(logged));
        }
    }

    void uploadOutcomeAndOpenFailureAreShown()
    {
        FcsimProcess sim(m_dir.path());
        QVERIFY(sim.start({"--ignore-writes", "43"})); // keeps its motor idle level
        SimulatorAsSavedPort saved(sim);
        mainWidget window(nullptr);
        window.show();
        toolWidget *bar = window.connectionBar();

        {
            // Another program holds the port: Connect says so and offers Connect again.
            QSerialPort holder(sim.linkPath());
            QVERIFY(holder.open(QIODevice::ReadWrite));
            QTest::mouseClick(bar->connectButton(), Qt::LeftButton);
            QTRY_COMPARE_WITH_TIMEOUT(bar->connectButton()->text(), QStringLiteral("Connect"),
                                      kWaitMs);
            QCOMPARE(window.statusBar()->statusText(),
                     QStringLiteral("COMPort open failed: %1 is in use by another program")
                         .arg(sim.linkPath()));
            QVERIFY(bar->portSelector()->isEnabled());
        }

        QTest::mouseClick(bar->connectButton(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(window.statusBar()->connectionText(), QStringLiteral("Connected"),
                                  kWaitMs);
        AdvanceSettingPage *page = window.pageArea()->advanceSettingPage();
        // The page takes the click once the block has been read.
        QTRY_VERIFY_WITH_TIMEOUT(page->form()->pushButtonMotorIdelSpeedLevel3->isEnabled(),
                                 kWaitMs);
        QCOMPARE(int(uavParam.MotorIdel), sim.block().value("MotorIdel"));
        const int held = uavParam.MotorIdel;
        QTest::mouseClick(held == 4 ? page->form()->pushButtonMotorIdelSpeedLevel3
                                    : page->form()->pushButtonMotorIdelSpeedLevel4,
                          Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(
            window.statusBar()->statusText(),
            QStringLiteral("The flight controller did not accept: Motor Idel Speed"), 3 * kWaitMs);
        QCOMPARE(window.statusBar()->statusSeverity(), statusWidget::Severity::Warning);
        QCOMPARE(int(uavParam.MotorIdel), held); // the page shows what the controller holds
    }

    // A listed name that opens no serial port never looks like a connection: Connect comes
    // back and the bar says what the name is.
    void aNameThatIsNoSerialPortSaysSo_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::newRow("a plain file") << false;
        QTest::newRow("a folder") << true;
    }

    void aNameThatIsNoSerialPortSaysSo()
    {
        QFETCH(bool, folder);
        const QString name = m_dir.filePath(folder ? QStringLiteral("rfcomm-folder")
                                                   : QStringLiteral("cu.plain-file"));
        if (folder) {
            QVERIFY(QDir().mkpath(name));
        } else {
            QFile plain(name);
            QVERIFY(plain.open(QIODevice::WriteOnly));
        }
        qputenv(fclink::kExtraPortsVariable, name.toLocal8Bit());
        QFile::remove(AppSettings::filePath());
        AppSettings::setSavedPort(name);
        {
            mainWidget window(nullptr);
            window.show();
            toolWidget *bar = window.connectionBar();
            QCOMPARE(bar->portSelector()->currentText(), name);
            QTest::mouseClick(bar->connectButton(), Qt::LeftButton);
            QTRY_COMPARE_WITH_TIMEOUT(
                window.statusBar()->statusText(),
                QStringLiteral("COMPort open failed: %1 is not a serial port").arg(name), kWaitMs);
            QCOMPARE(bar->connectButton()->text(), QStringLiteral("Connect"));
            QVERIFY(bar->portSelector()->isEnabled());
            QVERIFY(!window.link()->isPortOpen());
            QVERIFY(window.statusBar()->connectionText() != QLatin1String("Connected"));
        }
        qunsetenv(fclink::kExtraPortsVariable);
    }

    void portListFollowsPluggingAndKeepsTheSelection()
    {
        FcsimProcess first(m_dir.path() + QStringLiteral("/one"));
        FcsimProcess second(m_dir.path() + QStringLiteral("/two"));
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("one")));
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("two")));
        QVERIFY(first.start());
        qputenv(fclink::kExtraPortsVariable,
                (second.linkPath() + QLatin1Char(':') + first.linkPath()).toLocal8Bit());
        QFile::remove(AppSettings::filePath());
        AppSettings::setSavedPort(first.linkPath());
        mainWidget window(nullptr);
        QComboBox *selector = window.connectionBar()->portSelector();
        QCOMPARE(selector->findText(second.linkPath()), -1);
        QCOMPARE(selector->currentText(), first.linkPath());

        QVERIFY(second.start()); // sorts before the selected port
        QTRY_VERIFY_WITH_TIMEOUT(selector->findText(second.linkPath()) >= 0, kWaitMs);
        QCOMPARE(selector->currentText(), first.linkPath());
        QCOMPARE(window.link()->getPortName(), first.linkPath());

        second.stop();
        QTRY_COMPARE_WITH_TIMEOUT(selector->findText(second.linkPath()), -1, kWaitMs);
        QCOMPARE(selector->currentText(), first.linkPath());
        qunsetenv(fclink::kExtraPortsVariable);
    }

    void commandLineNamesFilesByKind_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("internal");
        const QString here = QDir::currentPath() + '/';
        QTest::newRow("nothing") << QStringList{"Skydesk"} << QStringList() << false;
        QTest::newRow("a recording")
            << QStringList{"Skydesk", "flight.csv"} << QStringList{here + "flight.csv"} << false;
        QTest::newRow("options and files mixed")
            << QStringList{"Skydesk", "--internal", "/tmp/a.CSV", "--unknown", "b.conf"}
            << QStringList{"/tmp/a.CSV", here + "b.conf"} << true;
    }

    void commandLineNamesFilesByKind()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, files);
        QFETCH(bool, internal);
        const StartOptions options = StartOptions::fromArguments(arguments);
        QCOMPARE(options.files(), files);
        QCOMPARE(options.internalPage(), internal);
        QCOMPARE(StartOptions::kindOf("/tmp/a.CSV"), StartOptions::FileKind::Recording);
        QCOMPARE(StartOptions::kindOf("flight.csv"), StartOptions::FileKind::Recording);
        QCOMPARE(StartOptions::kindOf("b.conf"), StartOptions::FileKind::Configuration);
        QCOMPARE(StartOptions::kindOf("B.CONF"), StartOptions::FileKind::Configuration);
        QCOMPARE(StartOptions::kindOf("csv"), StartOptions::FileKind::Unknown);
    }

    // "Skydesk FILE.conf": the pages show the file offline, and the title and status bars say so.
    void aParameterFileOnTheCommandLineOpensOffline()
    {
        QFile::remove(AppSettings::filePath());
        const QString file = m_dir.filePath("field.conf");
        fclink::BlockImage block = fclink::BlockImage::defaults();
        block.setValue("LimitAlt", 222);
        QString error;
        QVERIFY(fclink::saveParameterFile(file, block, &error));
        mainWidget window(nullptr);
        window.show();
        window.openFiles({file});
        QCOMPARE(window.titleBar()->titleText(),
                 QStringLiteral("KESTO Tarvel 2 Assistant - Offline: field.conf"));
        QCOMPARE(window.statusBar()->connectionText(), QStringLiteral("Offline: field.conf"));
        QCOMPARE(window.windowTitle(), window.titleBar()->titleText());
        QCOMPARE(fclink::ParameterBlock::copy().value("LimitAlt"), 222);
    }

    // "Skydesk FILE.csv": the recording in a viewer beside the main window; what is no recording,
    // or a kind Skydesk does not open, is said and opens nothing.
    void filesOnTheCommandLineOpenBesideTheMainWindow()
    {
        QFile::remove(AppSettings::filePath());
        const QString recording = m_dir.filePath("flight.csv");
        const QString broken = m_dir.filePath("broken.csv");
        QVERIFY(recordingfiles::write(recording, recordingfiles::recording(60)));
        QVERIFY(recordingfiles::write(broken, "time,speed\n1,2\n"));
        mainWidget window(nullptr);
        window.move(0, 0);
        window.show();
        QString text;
        closeNextMessageBox(&text);
        window.openFiles({recording, m_dir.filePath("notes.txt")});
        QVERIFY2(text.startsWith(QDir::toNativeSeparators(m_dir.filePath("notes.txt")) +
                                 " cannot be opened"),
                 qPrintable(text));
        QTRY_COMPARE_WITH_TIMEOUT(window.findChildren<RecordingViewerWindow *>().size(), 1,
                                  kWaitMs);
        RecordingViewerWindow *viewer = window.findChildren<RecordingViewerWindow *>().first();
        QTRY_VERIFY_WITH_TIMEOUT(viewer->isVisible() && !viewer->isReading(), kWaitMs);
        QVERIFY(viewer->isWindow());
        QCOMPARE(viewer->plot()->recording().rowCount(), 60);
        // Beside the main window as far as the screen allows, never over its left part.
        const QRect screen = window.screen()->availableGeometry();
        QCOMPARE(viewer->x(),
                 std::max(screen.left(),
                          std::min(window.frameGeometry().right() + 9,
                                   screen.right() - viewer->frameGeometry().width() + 1)));

        text.clear();
        closeNextMessageBox(&text);
        window.openFiles({broken});
        QTRY_VERIFY_WITH_TIMEOUT(!text.isEmpty(), kWaitMs);
        QCOMPARE(text, QString("broken.csv, line 1: this is not the header of a telemetry "
                               "recording"));
        QTRY_COMPARE(window.findChildren<RecordingViewerWindow *>().size(), 1);
        viewer->close();
    }

    void languageMenuAndChangeWriteAtOnceButChangeNothingElse()
    {
        QFile::remove(AppSettings::filePath());
        mainWidget window(nullptr);
        QCOMPARE(int(window.languageCode()), 0);
        closeNextPopup();
        window.showLanguage(); // the menu opens and closes again
        closeNextPopup();
        window.langChangeToZh();
        QCOMPARE(int(AppSettings::languageCode()), 1);
        QCOMPARE(int(window.languageCode()), 0);
        QCOMPARE(LinkMessages::connectStateText(1), QStringLiteral("Connected"));
        closeNextPopup();
        window.langChangeToEn();
        QCOMPARE(int(AppSettings::languageCode()), 0);
    }

    // A damaged sys.ini is replaced while the window is built and the status bar says so; the
    // first change afterwards is stored, not reported as "not writable".
    void damagedSettingsFileIsReplacedAndTold()
    {
        QFile file(AppSettings::filePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[System]\nlang=2\x01\x02\nPort=COM7\n[[\n");
        file.close();
        auto window = std::make_unique<mainWidget>(nullptr);
        QVERIFY2(window->statusBar()->statusText().contains("was damaged and has been replaced"),
                 qPrintable(window->statusBar()->statusText()));
        QCOMPARE(window->statusBar()->statusSeverity(), statusWidget::Severity::Warning);
        closeNextMessageBox(&m_boxText);
        window->langChangeToZh();
        QVERIFY2(m_boxText.contains(QString::fromUtf8("请重启应用程序")), qPrintable(m_boxText));
        QCOMPARE(int(AppSettings::languageCode()), 1);
        QCOMPARE(AppSettings::savedPort(), QStringLiteral("COM7"));
        window.reset();
        QFile::remove(AppSettings::filePath());
    }

    void settingThatCannotBeSavedIsReported()
    {
        QFile::remove(AppSettings::filePath());
        // A folder where sys.ini belongs: nothing can be written there.
        QVERIFY(QDir().mkpath(AppSettings::filePath()));
        const QString expected =
            QStringLiteral("The setting could not be saved: %1 is not writable")
                .arg(QDir::toNativeSeparators(AppSettings::filePath()));
        auto *window = new mainWidget(nullptr);
        closeNextMessageBox(&m_boxText);
        window->langChangeToGe();
        QCOMPARE(m_boxText, expected);
        m_boxText.clear();
        closeNextMessageBox(&m_boxText);
        window->langChangeToEn();
        QCOMPARE(m_boxText, expected);

        // The port is saved at close; that failure is told too.
        m_boxText.clear();
        closeNextMessageBox(&m_boxText);
        delete window;
        QCOMPARE(m_boxText, expected);
        QVERIFY(QDir(AppSettings::filePath()).removeRecursively());

        // With a writable file the restart notice shows as before.
        window = new mainWidget(nullptr);
        closeNextMessageBox(&m_boxText);
        window->langChangeToEn();
        QVERIFY2(m_boxText.contains("Please restart the application!"), qPrintable(m_boxText));
        m_boxText.clear();
        closeNextMessageBox(&m_boxText, 10);
        delete window;
        QVERIFY2(m_boxText.isEmpty(), qPrintable(m_boxText));
    }

    void longPortNameLeavesThePageListAlone()
    {
        QFile::remove(AppSettings::filePath());
        // Ports are listed while their device exists: stand-ins for a stable device name and
        // for a short one.
        // A short folder of its own: the whole name must fit the drop-down list on any screen,
        // whatever random name the folder gets.
        QTemporaryDir byId(QStringLiteral("/tmp/idXXXXXX"));
        QVERIFY(byId.isValid());
        const QString longName = byId.filePath("usb-FTDI_FT232R_USB_UART_A9M2K7QX-if00-port0");
        QFile longDevice(longName);
        QVERIFY(longDevice.open(QIODevice::WriteOnly));
        QTemporaryFile shortDevice(QStringLiteral("/tmp/fcXXXXXX"));
        QVERIFY(shortDevice.open());
        const QString shortName = shortDevice.fileName();
        auto pageListWith = [](const QString &port, QString *tip, QString *shown, int *width) {
            qputenv(fclink::kExtraPortsVariable, port.toLocal8Bit());
            mainWidget window(nullptr);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QComboBox *selector = window.connectionBar()->portSelector();
            const int index = selector->findText(port);
            QVERIFY(index >= 0);
            selector->setCurrentIndex(index);
            QApplication::processEvents();
            QListWidget *list = window.connectionBar()->pageList();
            // The drop-down list shows the whole name.
            selector->showPopup();
            const int needed = selector->view()->fontMetrics().horizontalAdvance(port);
            QVERIFY2(selector->view()->viewport()->width() >= needed,
                     qPrintable(QString::number(selector->view()->viewport()->width())));
            selector->hidePopup();
            *tip = selector->toolTip();
            *shown = selector->property("displayedText").toString();
            *width = list->width();
            // Every entry shows whole, without scrolling.
            for (int row = 0; row < list->count(); ++row) {
                const QRect entry = list->visualItemRect(list->item(row));
                QVERIFY2(list->viewport()->rect().contains(entry),
                         qPrintable(list->item(row)->text()));
            }
            QVERIFY(!list->verticalScrollBar()->isVisible());
            QVERIFY(!list->horizontalScrollBar()->isVisible());
            QVERIFY2(selector->width() <= 220, qPrintable(QString::number(selector->width())));
        };
        QString tip, shown;
        int shortWidth = 0, longWidth = 0;
        pageListWith(shortName, &tip, &shown, &shortWidth);
        QCOMPARE(tip, shortName);
        QCOMPARE(shown, shortName);
        pageListWith(longName, &tip, &shown, &longWidth);
        qunsetenv(fclink::kExtraPortsVariable);
        QCOMPARE(longWidth, shortWidth);
        QCOMPARE(tip, longName);
        // Elided in the middle: both ends stay readable.
        QVERIFY2(shown.startsWith(longName.left(5)) && shown.endsWith("port0") &&
                     shown.contains(QChar(0x2026)) && shown.size() < longName.size(),
                 qPrintable(shown));
    }

    void windowKeepsToTheScreen_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("room for the designed size") << QRect(0, 0, 1280, 770) << QSize(850, 600);
        QTest::newRow("1024 x 600 under a panel") << QRect(0, 30, 1024, 570) << QSize(850, 570);
        QTest::newRow("1280 x 800 at 150 %") << QRect(0, 0, 853, 533) << QSize(850, 533);
        QTest::newRow("1920 x 1080 at 200 %, second screen")
            << QRect(1280, 0, 960, 540) << QSize(850, 540);
        QTest::newRow("narrow") << QRect(0, 0, 700, 500) << QSize(700, 500);
    }

    // The window never leaves the screen's free area: it shrinks into it, the pages scroll and
    // the status bar stays in view; on a large enough screen it is exactly as designed.
    void windowKeepsToTheScreen()
    {
        QFETCH(QRect, available);
        QFETCH(QSize, expected);
        mainWidget window(nullptr);
        window.move(available.topLeft() + QPoint(400, 300));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.fitInto(available);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(window.size(), expected);
        QVERIFY2(available.contains(window.frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(window.x())
                                .arg(window.y())
                                .arg(window.width())
                                .arg(window.height())));
        statusWidget *status = window.statusBar();
        QCOMPARE(status->mapTo(&window, QPoint(0, status->height())).y(), window.height());
        QScrollArea *scroller = window.pageScroller();
        const bool shrunk = expected.height() < 600;
        QCOMPARE(scroller->verticalScrollBar()->isVisible(), shrunk);
        // Only a window narrower than the designed one scrolls sideways.
        QCOMPARE(scroller->horizontalScrollBar()->isVisible(), expected.width() < 850 - 20);
        // The status bar keeps its dark band of the frame picture behind its white text.
        const QImage frame = QImage(":/images/frame.png").convertToFormat(QImage::Format_RGB32);
        const QImage shown = window.grab().toImage();
        QCOMPARE(shown.pixelColor(3, window.height() - 20), frame.pixelColor(3, 580));
    }

    // The frameless window has rounded corners; its frame picture shows where no bar covers it.
    void windowIsRoundedAndDrawsItsFrame()
    {
        mainWidget window(nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(!window.mask().isEmpty());
        QVERIFY(!window.mask().contains(QPoint(0, 0)));
        QVERIFY(!window.mask().contains(QPoint(849, 599)));
        QVERIFY(window.mask().contains(QPoint(425, 300)));
        QVERIFY(window.mask().contains(QPoint(5, 300)));

        // A pixel of the frame that nothing covers, before and after the picture changes.
        const QImage frame = QImage(":/images/frame.png").convertToFormat(QImage::Format_RGB32);
        const QPoint edge(1, 60);
        auto shown = [&] { return window.grab().toImage().pixelColor(edge); };
        QCOMPARE(shown(), frame.pixelColor(edge));
        window.setPicName(":/images/bg.png");
        const QImage other = QImage(":/images/bg.png").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown(), other.pixelColor(edge));
    }

    // The feedback button starts the Saybox beside the program; one in the working folder is
    // never the one started.
    void feedbackProgramIsTheOneBesideTheProgram()
    {
        QTemporaryDir working;
        QFile foreign(working.filePath("Saybox"));
        QVERIFY(foreign.open(QIODevice::WriteOnly));
        foreign.write("#!/bin/sh\n");
        foreign.close();
        QVERIFY(foreign.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const QString saved = QDir::currentPath();
        QVERIFY(QDir::setCurrent(working.path()));
        const QString program = mainWidget::feedbackProgram();
        QDir::setCurrent(saved);
        QCOMPARE(program, QCoreApplication::applicationDirPath() + "/Saybox");
    }

    // A session that ends (SIGTERM), Ctrl+C in a terminal or a closed terminal closes the window
    // as its close button does: the port in use is saved, nothing is lost.
    void terminationSignalClosesTheWindowAndSavesThePort_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }

    void terminationSignalClosesTheWindowAndSavesThePort()
    {
        QFETCH(int, signalNumber);
        FcsimProcess sim(m_dir.path());
        QVERIFY(sim.start());
        qputenv(fclink::kExtraPortsVariable, sim.linkPath().toLocal8Bit());
        QFile::remove(AppSettings::filePath());
        {
            TerminationWatcher watcher;
            mainWidget window(nullptr);
            connect(&watcher, &TerminationWatcher::terminationRequested, &window, &QWidget::close);
            window.show();
            window.connectionBar()->portSelector()->setCurrentIndex(
                window.connectionBar()->portSelector()->findText(sim.linkPath()));
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QVERIFY(!watcher.wasRequested());
            std::raise(signalNumber);
            QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), kWaitMs);
            QVERIFY(watcher.wasRequested());
        }
        // Unwatched, the signal ends a program as ever: the handler went with the watcher.
        struct sigaction current;
        QCOMPARE(::sigaction(signalNumber, nullptr, &current), 0);
        QVERIFY(current.sa_handler == SIG_DFL);
        QCOMPARE(AppSettings::savedPort(), sim.linkPath());
        qunsetenv(fclink::kExtraPortsVariable);
    }

    void chosenLanguageIsLoadedAtTheNextStart()
    {
        QFile::remove(AppSettings::filePath());
        AppSettings::setLanguageCode(AppSettings::German);
        {
            mainWidget window(nullptr);
            QCOMPARE(int(window.languageCode()), 2);
            QCOMPARE(window.connectionBar()->connectButton()->text(), QStringLiteral("Verbinden"));
            QCOMPARE(LinkMessages::connectStateText(0), QStringLiteral("Nicht verbunden"));
        }
        // Only the installed translation of a running window counts; a fresh English start.
        QFile::remove(AppSettings::filePath());
        for (QTranslator *translator : QCoreApplication::instance()->findChildren<QTranslator *>())
            QCoreApplication::removeTranslator(translator);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
