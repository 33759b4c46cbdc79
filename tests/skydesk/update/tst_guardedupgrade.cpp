// Firmware upgrades through the whole main window against the simulated flight controller on a
// pseudo-terminal: what the status bar and the connection bar show while the upgrade holds the
// port and afterwards, a flash cut off half-way and repaired after a restart, the parameter
// backup and its restore, and a window close in the middle of a flash.
#include "fclink/link/commrt.h"
#include "fclink/link/portnaming.h"
#include "fclink/model/parameterfields.h"
#include "fclink/storage/parameterbackup.h"
#include "fclink/storage/snapshotstore.h"
#include "firmwareupgrade/firmwareimage.h"
#include "firmwareupgrade/sampleimage.h"
#include "skydesk/common/appsettings.h"
#include "skydesk/pages/advancesettingpage.h"
#include "skydesk/shell/contentwidget.h"
#include "skydesk/shell/mainwidget.h"
#include "skydesk/shell/statuswidget.h"
#include "skydesk/shell/toolwidget.h"
#include "skydesk/update/updatesettingpage.h"
#include "skydesk/update/upgradequestion.h"
#include "tests/support/fcsimprocess.h"
#include "tests/support/localhttpserver.h"
#include "tests/support/modalhelpers.h"
#include "tests/support/refusingport.h"
#include "tests/support/testfolders.h"
#include "ui_advancesettingpage.h"
#include "ui_updatesettingpage.h"

#include <QtTest>
#include <QtWidgets>

namespace {

constexpr int kWaitMs = 15000;
constexpr int kRunWaitMs = 60000;
const QString kWaitingLine = QStringLiteral(
    "The flight controller is waiting for firmware: its last upgrade did not finish. Choose a "
    "firmware file and press Start Upgrade to repair it.");
const QString kWaitingStatus = QStringLiteral("The flight controller is waiting for firmware");
const QString kDevice = QStringLiteral("----------------------");
const QString kVersion = QStringLiteral("--------");

bool writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

QString log(mainWidget *window)
{
    return window->pageArea()->updatePage()->form()->textEdit->toPlainText();
}

// A control of the Setting page that uploads at a click.
QPushButton *levelButton(mainWidget *window)
{
    return window->pageArea()->advanceSettingPage()->form()->pushButtonMotorIdelSpeedLevel4;
}

Ui::UpdateSettingPageUi *page(mainWidget *window)
{
    return window->pageArea()->updatePage()->form();
}

} // namespace

class TestGuardedUpgrade : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    RefusingPort m_nobody; // held for the whole suite
    QByteArray m_savedSettings;
    bool m_hadSettings = false;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // A main window whose port selector offers the simulator's port and has it selected.
    mainWidget *openWindow(FcsimProcess *sim)
    {
        qputenv(fclink::kExtraPortsVariable, sim->linkPath().toLocal8Bit());
        AppSettings::setSavedPort(sim->linkPath());
        auto *window = new mainWidget(nullptr);
        window->show();
        window->connectionBar()->pageList()->setCurrentRow(contentWidget::InfoPage);
        return window;
    }

    // A main window offering several simulators' ports, with the first selected.
    mainWidget *openWindow(const QList<FcsimProcess *> &sims)
    {
        QStringList ports;
        for (FcsimProcess *sim : sims)
            ports << sim->linkPath();
        qputenv(fclink::kExtraPortsVariable, ports.join(QLatin1Char(':')).toLocal8Bit());
        AppSettings::setSavedPort(ports.first());
        auto *window = new mainWidget(nullptr);
        window->show();
        window->connectionBar()->pageList()->setCurrentRow(contentWidget::InfoPage);
        return window;
    }

    static void selectPort(mainWidget *window, const QString &port)
    {
        QComboBox *selector = window->connectionBar()->portSelector();
        QTRY_VERIFY_WITH_TIMEOUT(selector->findText(port) >= 0, kWaitMs);
        selector->setCurrentIndex(selector->findText(port));
        QCOMPARE(window->link()->getPortName(), port);
    }

    // The pilot's own values, uploaded and verified.
    static void setPilotsValues(mainWidget *window, FcsimProcess *sim)
    {
        fclink::BlockImage block = sim->block();
        block.setValue("MotorIdel", 3);
        block.setValue("FailType", 0);
        block.setValue("LimitAlt", 321);
        QSignalSpy verified(window->link(), &Commrt::uploadVerified);
        window->link()->uploadParameters(block);
        QVERIFY(verified.count() > 0 || verified.wait(kWaitMs));
        QCOMPARE(sim->block(), block);
        QTest::qWait(300); // the telemetry loop has taken over from the upload
    }

    // Connect, as the user does, and wait until the Info page knows the controller.
    static void connectWindow(mainWidget *window)
    {
        QTest::mouseClick(window->connectionBar()->connectButton(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(window->statusBar()->connectionText(),
                                  QStringLiteral("Connected"), kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(page(window)->labelDeviceId->text(),
                                  QStringLiteral("Kesto-Tarvel 2"), kWaitMs);
    }

    void chooseFirmware(mainWidget *window, const QString &file)
    {
        bool seen = false;
        modal::whenModal<QFileDialog>(
            &seen, [&](QFileDialog *dialog) { modal::chooseFile(dialog, file); });
        page(window)->pushButtonOpenFile->click();
        QVERIFY(seen);
    }

    // The run's end is logged as "Exit"; what the guard finds out afterwards follows it.
    static bool runEnded(mainWidget *window)
    {
        return log(window).split(QLatin1Char('\n')).contains(QStringLiteral("Exit"));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QFile file(AppSettings::filePath());
        m_hadSettings = file.open(QIODevice::ReadOnly);
        if (m_hadSettings)
            m_savedSettings = file.readAll();
        // Parameter backups made before a flash stay in the test's folder.
        useTestFolders(m_dir.path());
        // The texts compared are the English ones, whatever language sys.ini held.
        AppSettings::setLanguageCode(AppSettings::English);
        // No update server: the online checks fail at once.
        qputenv("KESTO_UPDATE_SERVER",
                QStringLiteral("127.0.0.1:%1").arg(m_nobody.port()).toUtf8());
    }

    void cleanupTestCase()
    {
        QFile::remove(AppSettings::filePath());
        if (m_hadSettings) {
            QFile file(AppSettings::filePath());
            if (file.open(QIODevice::WriteOnly))
                file.write(m_savedSettings);
        }
        qunsetenv(fclink::kExtraPortsVariable);
    }

    // While the upgrade library holds the port nothing claims a connection, and the connection
    // bar cannot take the port back; afterwards "Connected" comes with the first link reply.
    void flashHoldsThePortAndTheStateShowsTheTruth()
    {
        QVERIFY(QDir().mkpath(path("hold")));
        FcsimProcess sim(path("hold"));
        QVERIFY(sim.start({"--firmware", "105", "--reply-delay", "4"}));
        QScopedPointer<mainWidget> window(openWindow(&sim));
        toolWidget *bar = window->connectionBar();
        connectWindow(window.data());
        QTRY_COMPARE_WITH_TIMEOUT(page(window.data())->label_11->text(), QStringLiteral("1.05"),
                                  kWaitMs);

        const QString file = path("hold.qmtvf");
        QVERIFY(writeFile(
            file, fwupgrade::buildFirmwareFile(131, fwupgrade::sampleFirmwareImage(60000, 1))));
        chooseFirmware(window.data(), file);
        page(window.data())->pushButtonStartUpgrade->click();
        // While the parameters are saved nothing on the bar may take the port either.
        QVERIFY(!bar->connectButton()->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(window->statusBar()->statusText(),
                                  QStringLiteral("Upgrading firmware..."), kWaitMs);
        QVERIFY(window->statusBar()->connectionText() != QStringLiteral("Connected"));
        QVERIFY(!bar->connectButton()->isEnabled());
        QVERIFY(!bar->portSelector()->isEnabled());
        QVERIFY(!bar->refreshButton()->isEnabled());
        QCOMPARE(page(window.data())->labelDeviceId->text(), kDevice);
        QCOMPARE(page(window.data())->label_11->text(), kVersion);
        // The link's own reports cannot say otherwise while the flash runs.
        QTRY_VERIFY_WITH_TIMEOUT(log(window.data()).contains("Upgrade Progress"), kRunWaitMs);
        QCOMPARE(window->statusBar()->statusText(), QStringLiteral("Upgrading firmware..."));
        // An edit would go nowhere: the Setting page takes none and says why.
        QPushButton *level = levelButton(window.data());
        const quint64 uploads = window->link()->counters().headChoices;
        QVERIFY(!level->isEnabled());
        QVERIFY2(level->toolTip().contains(QLatin1String("firmware upgrade")),
                 qPrintable(level->toolTip()));
        window->connectionBar()->pageList()->setCurrentRow(contentWidget::SettingPage);
        const bool lit = level->isChecked();
        QTest::mouseClick(level, Qt::LeftButton);
        QCOMPARE(level->isChecked(), lit);
        QCOMPARE(window->link()->counters().headChoices, uploads);
        window->connectionBar()->pageList()->setCurrentRow(contentWidget::InfoPage);

        QTRY_VERIFY_WITH_TIMEOUT(runEnded(window.data()), kRunWaitMs);
        QVERIFY(log(window.data()).contains("Upgraded OK"));
        QVERIFY(bar->connectButton()->isEnabled());
        QCOMPARE(bar->connectButton()->text(), QStringLiteral("Disconnect"));
        QTRY_COMPARE_WITH_TIMEOUT(window->statusBar()->connectionText(),
                                  QStringLiteral("Connected"), kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(page(window.data())->label_11->text(), QStringLiteral("1.31"),
                                  kWaitMs);
        QCOMPARE(page(window.data())->labelDeviceId->text(), QStringLiteral("Kesto-Tarvel 2"));
        QTRY_VERIFY_WITH_TIMEOUT(level->isEnabled(), kWaitMs);
        QVERIFY(level->toolTip().isEmpty());
    }

    // A flash that fails after the erase leaves no healthy-looking controller behind: no
    // "Connected", no device or version, and the status bar says the controller waits.
    void failedFlashShowsWhatIsTrue()
    {
        QVERIFY(QDir().mkpath(path("failed")));
        FcsimProcess sim(path("failed"));
        QVERIFY(sim.start({"--firmware", "105", "--flash-fail", "verify"}));
        QScopedPointer<mainWidget> window(openWindow(&sim));
        connectWindow(window.data());
        const QString file = path("failed.qmtvf");
        QVERIFY(writeFile(
            file, fwupgrade::buildFirmwareFile(132, fwupgrade::sampleFirmwareImage(4000, 2))));
        chooseFirmware(window.data(), file);
        page(window.data())->pushButtonStartUpgrade->click();
        QTRY_VERIFY_WITH_TIMEOUT(runEnded(window.data()), kRunWaitMs);
        QVERIFY(log(window.data()).contains("Flash Error"));
        QTRY_COMPARE_WITH_TIMEOUT(window->statusBar()->statusText(), kWaitingStatus, kWaitMs);
        QCOMPARE(window->statusBar()->connectionText(), QStringLiteral("Unconnected"));
        QCOMPARE(page(window.data())->label_11->text(), kVersion);
        QVERIFY(log(window.data()).contains(kWaitingLine));
    }

    // A flash cut off at 40 %, the program restarted: Connect finds the controller waiting in its
    // bootloader, the Info page flashes it without a link connection, and the link connects to
    // the new firmware.
    void cutFlashIsRepairedAfterARestart()
    {
        QVERIFY(QDir().mkpath(path("cut")));
        FcsimProcess sim(path("cut"));
        QVERIFY(sim.start({"--firmware", "105", "--reply-delay", "4"}));
        const QString big = path("cut.qmtvf");
        QVERIFY(writeFile(
            big, fwupgrade::buildFirmwareFile(140, fwupgrade::sampleFirmwareImage(120000, 3))));
        {
            QScopedPointer<mainWidget> window(openWindow(&sim));
            connectWindow(window.data());
            chooseFirmware(window.data(), big);
            page(window.data())->pushButtonStartUpgrade->click();
            const QRegularExpression percent(QStringLiteral("Upgrade Progress: (\\d+)%"));
            QTRY_VERIFY2_WITH_TIMEOUT(percent.match(log(window.data())).captured(1).toInt() >= 40,
                                      qPrintable(log(window.data())), kRunWaitMs);
            bool asked = false;
            modal::answerQuestion(QMessageBox::Yes, &asked);
            page(window.data())->pushButtonStartUpgrade->click(); // "Cancel"
            QTRY_VERIFY_WITH_TIMEOUT(runEnded(window.data()), kRunWaitMs);
            QVERIFY(!log(window.data()).contains("Upgraded OK"));
        }

        QScopedPointer<mainWidget> window(openWindow(&sim));
        QCOMPARE(window->connectionBar()->portSelector()->currentText(), sim.linkPath());
        QTest::mouseClick(window->connectionBar()->connectButton(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(window->statusBar()->statusText(), kWaitingStatus, kWaitMs);
        QVERIFY(log(window.data()).contains(kWaitingLine));
        QCOMPARE(window->statusBar()->connectionText(), QStringLiteral("Unconnected"));

        const QString good = path("repair.qmtvf");
        QVERIFY(writeFile(
            good, fwupgrade::buildFirmwareFile(141, fwupgrade::sampleFirmwareImage(30000, 4))));
        chooseFirmware(window.data(), good);
        page(window.data())->pushButtonStartUpgrade->click();
        QVERIFY(!log(window.data()).contains("Notice: You should connect controller"));
        QTRY_VERIFY_WITH_TIMEOUT(runEnded(window.data()), kRunWaitMs);
        QVERIFY2(log(window.data()).contains("Upgraded OK"), qPrintable(log(window.data())));
        QTRY_COMPARE_WITH_TIMEOUT(window->statusBar()->connectionText(),
                                  QStringLiteral("Connected"), kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(page(window.data())->label_11->text(), QStringLiteral("1.41"),
                                  kWaitMs);
    }

    // The parameters are saved before the flash; a new firmware that starts with the factory
    // parameters is offered the saved ones back, and the controller ends up holding them.
    void parametersAreSavedAndRestored()
    {
        QVERIFY(QDir().mkpath(path("restore")));
        FcsimProcess sim(path("restore"));
        QVERIFY(sim.start({"--firmware", "105", "--reset-on-upgrade"}));
        QScopedPointer<mainWidget> window(openWindow(&sim));
        connectWindow(window.data());
        QTRY_VERIFY_WITH_TIMEOUT(sim.dumpedBlock().has_value(), kWaitMs);
        // The pilot's own settings: two fields away from the factory values.
        {
            fclink::BlockImage block = sim.block();
            block.setValue("MotorIdel", 4);
            block.setValue("LimitRadius", 777);
            window->link()->uploadParameters(block);
        }
        QTRY_COMPARE_WITH_TIMEOUT(window->statusBar()->statusText(),
                                  QStringLiteral("Parameters uploaded"), kWaitMs);
        const fclink::BlockImage pilots = sim.block();
        QCOMPARE(pilots.value("MotorIdel"), 4);
        QTRY_VERIFY_WITH_TIMEOUT(window->link()->isConnected(), kWaitMs);
        QTest::qWait(300); // the telemetry loop has taken over from the upload

        const QString file = path("reset.qmtvf");
        QVERIFY(writeFile(
            file, fwupgrade::buildFirmwareFile(150, fwupgrade::sampleFirmwareImage(5000, 5))));
        chooseFirmware(window.data(), file);
        bool asked = false;
        QString question;
        QMessageBox::StandardButton preselected = QMessageBox::NoButton;
        modal::answerQuestion(QMessageBox::Yes, &asked, &question, &preselected);
        page(window.data())->pushButtonStartUpgrade->click();
        const QRegularExpression saved(QStringLiteral("Parameters saved before the upgrade: (.+)"));
        QTRY_VERIFY_WITH_TIMEOUT(saved.match(log(window.data())).hasMatch(), kWaitMs);
        const QRegularExpressionMatch match = saved.match(log(window.data()));
        const QString backupPath = match.captured(1).trimmed();
        QVERIFY2(backupPath.startsWith(path("data")), qPrintable(backupPath));
        QString error;
        const fclink::ParameterBackup backup = fclink::ParameterBackup::load(backupPath, &error);
        QVERIFY2(backup.isValid(), qPrintable(error));
        QCOMPARE(backup.differingFields(pilots), 0);

        QTRY_VERIFY_WITH_TIMEOUT(runEnded(window.data()), kRunWaitMs);
        QVERIFY(log(window.data()).contains("Upgraded OK"));
        // The new firmware came up with the factory parameters; the backup is offered.
        QTRY_VERIFY_WITH_TIMEOUT(asked, kWaitMs);
        // It names the port and the time of the backup; the same controller, reopened by the
        // link right after its flash, gets Yes as the default.
        fclink::Snapshot taken;
        for (const fclink::Snapshot &snapshot : fclink::SnapshotStore().list()) {
            if (QFileInfo(snapshot.path).absoluteFilePath() ==
                QFileInfo(backupPath).absoluteFilePath())
                taken = snapshot;
        }
        QVERIFY2(taken.pinned, qPrintable(backupPath));
        QCOMPARE(question, UpgradeQuestion::restoreText(2, sim.linkPath(), taken.time, 105));
        QVERIFY2(question.contains(sim.linkPath()), qPrintable(question));
        QCOMPARE(preselected, QMessageBox::Yes);
        QTRY_COMPARE_WITH_TIMEOUT(window->statusBar()->statusText(),
                                  QStringLiteral("Parameters restored from before the upgrade"),
                                  kWaitMs);
        QCOMPARE(sim.block(), pilots);
    }

    // A flash cut off after the erase, Skydesk restarted: the repair of the waiting controller
    // offers the backup taken before the cut flash, naming its port, time and firmware, with No
    // as the default (the program cannot know that nothing else happened meanwhile).
    void backupOfACutFlashIsOfferedAfterARestart()
    {
        QVERIFY(QDir().mkpath(path("cut-restore")));
        FcsimProcess sim(path("cut-restore"));
        QVERIFY(sim.start({"--firmware", "105", "--reply-delay", "4", "--reset-on-upgrade"}));
        fclink::BlockImage pilots;
        {
            QScopedPointer<mainWidget> window(openWindow(&sim));
            connectWindow(window.data());
            setPilotsValues(window.data(), &sim);
            pilots = sim.block();
            const QString big = path("cut-restore.qmtvf");
            QVERIFY(writeFile(
                big, fwupgrade::buildFirmwareFile(140, fwupgrade::sampleFirmwareImage(120000, 9))));
            chooseFirmware(window.data(), big);
            page(window.data())->pushButtonStartUpgrade->click();
            const QRegularExpression percent(QStringLiteral("Upgrade Progress: (\\d+)%"));
            QTRY_VERIFY2_WITH_TIMEOUT(percent.match(log(window.data())).captured(1).toInt() >= 30,
                                      qPrintable(log(window.data())), kRunWaitMs);
            bool asked = false;
            modal::answerQuestion(QMessageBox::Yes, &asked);
            page(window.data())->pushButtonStartUpgrade->click(); // "Cancel"
            QTRY_VERIFY_WITH_TIMEOUT(runEnded(window.data()), kRunWaitMs);
            QVERIFY(!log(window.data()).contains("Upgraded OK"));
        }
        fclink::Snapshot taken;
        for (const fclink::Snapshot &snapshot : fclink::SnapshotStore().list()) {
            if (snapshot.pinned && snapshot.port == sim.linkPath() && !taken.time.isValid())
                taken = snapshot;
        }
        QVERIFY(taken.time.isValid());

        QScopedPointer<mainWidget> window(openWindow(&sim));
        QTest::mouseClick(window->connectionBar()->connectButton(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(window->statusBar()->statusText(), kWaitingStatus, kWaitMs);
        const QString good = path("cut-restore-repair.qmtvf");
        QVERIFY(writeFile(
            good, fwupgrade::buildFirmwareFile(141, fwupgrade::sampleFirmwareImage(30000, 10))));
        chooseFirmware(window.data(), good);
        bool asked = false;
        QString question;
        QMessageBox::StandardButton preselected = QMessageBox::NoButton;
        modal::answerQuestion(QMessageBox::Yes, &asked, &question, &preselected);
        page(window.data())->pushButtonStartUpgrade->click();
        QTRY_VERIFY_WITH_TIMEOUT(runEnded(window.data()), kRunWaitMs);
        QVERIFY2(log(window.data()).contains("Upgraded OK"), qPrintable(log(window.data())));
        QVERIFY2(log(window.data()).contains(QStringLiteral("(firmware 1.05) are offered")),
                 qPrintable(log(window.data())));
        QTRY_VERIFY_WITH_TIMEOUT(asked, kWaitMs);
        QCOMPARE(question, UpgradeQuestion::restoreText(3, sim.linkPath(), taken.time, 105));
        QCOMPARE(preselected, QMessageBox::No);
        QTRY_COMPARE_WITH_TIMEOUT(window->statusBar()->statusText(),
                                  QStringLiteral("Parameters restored from before the upgrade"),
                                  kWaitMs);
        QCOMPARE(sim.block(), pilots);
    }

    // After Disconnect, Start Upgrade opens the link only to save the parameters of the
    // controller, whose application still answers; the log says so, and after the flash the
    // link stays closed as the pilot left it.
    void upgradeAfterDisconnectSavesTheParametersFirst()
    {
        QVERIFY(QDir().mkpath(path("disconnected")));
        FcsimProcess sim(path("disconnected"));
        QVERIFY(sim.start({"--firmware", "105", "--reset-on-upgrade"}));
        QScopedPointer<mainWidget> window(openWindow(&sim));
        connectWindow(window.data());
        setPilotsValues(window.data(), &sim);
        const fclink::BlockImage pilots = sim.block();
        toolWidget *bar = window->connectionBar();
        QTest::mouseClick(bar->connectButton(), Qt::LeftButton); // Disconnect
        QTRY_VERIFY_WITH_TIMEOUT(!window->link()->isPortOpen(), kWaitMs);

        const QString file = path("disconnected.qmtvf");
        QVERIFY(writeFile(
            file, fwupgrade::buildFirmwareFile(150, fwupgrade::sampleFirmwareImage(5000, 8))));
        chooseFirmware(window.data(), file);
        // A link that took the port back would be offered the backup: a question to catch.
        bool asked = false;
        QString question;
        QElapsedTimer watching;
        watching.start();
        modal::answerQuestion(QMessageBox::No, &asked, &question);
        page(window.data())->pushButtonStartUpgrade->click();
        const QRegularExpression saved(QStringLiteral("Parameters saved before the upgrade: (.+)"));
        QTRY_VERIFY2_WITH_TIMEOUT(saved.match(log(window.data())).hasMatch(),
                                  qPrintable(log(window.data())), kWaitMs);
        QString error;
        const fclink::ParameterBackup backup = fclink::ParameterBackup::load(
            saved.match(log(window.data())).captured(1).trimmed(), &error);
        QVERIFY2(backup.isValid(), qPrintable(error));
        QCOMPARE(backup.differingFields(pilots), 0);
        QVERIFY(!log(window.data()).contains(QLatin1String("does not answer")));

        QTRY_VERIFY_WITH_TIMEOUT(runEnded(window.data()), kRunWaitMs);
        QVERIFY2(log(window.data()).contains("Upgraded OK"), qPrintable(log(window.data())));
        // The pilot had disconnected: nothing takes the port back by itself. Watched for a
        // question as long as the answerer lives (it refers to this test's data).
        QTest::qWait(qMax<int>(3000, modal::kWaitMs + 200 - watching.elapsed()));
        QVERIFY2(!asked, qPrintable(question));
        QVERIFY(!window->link()->isPortOpen());
        QVERIFY(!bar->isConnected());
        QCOMPARE(bar->connectButton()->text(), QStringLiteral("Connect"));
        QVERIFY(window->statusBar()->connectionText() != QStringLiteral("Connected"));
    }

    // A flash cut off half-way (the controller vanishes), then Disconnect and Connect to
    // another controller, on another port or on the same path: that one was never flashed and
    // is never offered the first one's parameters.
    void restoreIsNeverOfferedToAnotherController_data()
    {
        QTest::addColumn<bool>("samePath");
        QTest::newRow("another port") << false;
        QTest::newRow("the same path") << true;
    }

    void restoreIsNeverOfferedToAnotherController()
    {
        QFETCH(bool, samePath);
        const QString folder = path(samePath ? "other-same" : "other-port");
        QVERIFY(QDir().mkpath(folder + "/a") && QDir().mkpath(folder + "/b"));
        FcsimProcess a(folder + "/a");
        FcsimProcess b(folder + (samePath ? "/a" : "/b"));
        QVERIFY(a.start({"--firmware", "105", "--reply-delay", "4", "--reset-on-upgrade"}));
        FcsimProcess placeholder(folder + "/b");
        if (samePath)
            QVERIFY(placeholder.start()); // a second port in the list all the same
        QScopedPointer<mainWidget> window(
            openWindow(QList<FcsimProcess *>{&a, samePath ? &placeholder : &b}));
        if (!samePath)
            QVERIFY(b.start({"--firmware", "105"}));
        connectWindow(window.data());
        setPilotsValues(window.data(), &a);

        const QString big = path(samePath ? "other-same.qmtvf" : "other-port.qmtvf");
        QVERIFY(writeFile(
            big, fwupgrade::buildFirmwareFile(140, fwupgrade::sampleFirmwareImage(150000, 7))));
        chooseFirmware(window.data(), big);
        page(window.data())->pushButtonStartUpgrade->click();
        const QRegularExpression percent(QStringLiteral("Upgrade Progress: (\\d+)%"));
        QTRY_VERIFY2_WITH_TIMEOUT(percent.match(log(window.data())).captured(1).toInt() >= 30,
                                  qPrintable(log(window.data())), kRunWaitMs);
        a.kill(); // controller A vanishes at 30 %
        QTRY_VERIFY_WITH_TIMEOUT(runEnded(window.data()), kRunWaitMs);
        QVERIFY(!log(window.data()).contains("Upgraded OK"));

        // The vanished port is reported lost, like one lost while the link held it.
        toolWidget *bar = window->connectionBar();
        QTRY_VERIFY_WITH_TIMEOUT(!bar->isConnected(), kWaitMs);
        QVERIFY(window->statusBar()->statusText().contains(a.linkPath()));
        bool asked = false;
        QString question;
        QElapsedTimer watching;
        watching.start();
        modal::answerQuestion(QMessageBox::Yes, &asked, &question);
        fclink::BlockImage untouched;
        if (samePath) {
            // Another controller on that path: the link takes it back by itself.
            QVERIFY(b.start({"--firmware", "105"}));
            untouched = b.block();
        } else {
            untouched = b.block();
            selectPort(window.data(), b.linkPath());
            QTest::mouseClick(bar->connectButton(), Qt::LeftButton);
        }
        QTRY_COMPARE_WITH_TIMEOUT(window->statusBar()->connectionText(),
                                  QStringLiteral("Connected"), kWaitMs);
        // Watched for a question as long as the answerer lives (it refers to this test's data).
        QTest::qWait(qMax<int>(4000, modal::kWaitMs + 200 - watching.elapsed()));
        QVERIFY2(!asked, qPrintable(question));
        QCOMPARE(b.block(), untouched);
        QCOMPARE(b.block().value("LimitAlt"), 120);
    }

    // The window's close button during a flash asks first; No keeps the program and the flash,
    // Yes stops the flash and then closes.
    void closingTheWindowDuringAFlashAsks()
    {
        QVERIFY(QDir().mkpath(path("close")));
        FcsimProcess sim(path("close"));
        QVERIFY(sim.start({"--firmware", "105", "--reply-delay", "5"}));
        QScopedPointer<mainWidget> window(openWindow(&sim));
        connectWindow(window.data());
        const QString file = path("close.qmtvf");
        QVERIFY(writeFile(
            file, fwupgrade::buildFirmwareFile(160, fwupgrade::sampleFirmwareImage(150000, 6))));
        chooseFirmware(window.data(), file);
        page(window.data())->pushButtonStartUpgrade->click();
        QTRY_VERIFY_WITH_TIMEOUT(log(window.data()).contains("Upgrade Progress"), kRunWaitMs);

        bool asked = false;
        QString question;
        modal::answerQuestion(QMessageBox::No, &asked, &question);
        QVERIFY(!window->close());
        QVERIFY(asked);
        QCOMPARE(question, QStringLiteral("Stopping now leaves the flight controller without "
                                          "working firmware until it is upgraded again. Stop "
                                          "anyway?"));
        QVERIFY(window->isVisible());
        QVERIFY(window->pageArea()->updatePage()->isUpgrading());

        asked = false;
        modal::answerQuestion(QMessageBox::Yes, &asked);
        window->close();
        QVERIFY(asked);
        QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), kRunWaitMs);
        QVERIFY(runEnded(window.data()));
        QVERIFY(!log(window.data()).contains("Upgraded OK"));
    }
};

QTEST_MAIN(TestGuardedUpgrade)
#include "tst_guardedupgrade.moc"
