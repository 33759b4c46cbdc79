// The whole main window against the simulated flight controller on a pseudo-terminal.
#include "advancesettingpage.h"
#include "appsettings.h"
#include "commrt.h"
#include "contentwidget.h"
#include "fcsimprocess.h"
#include "mainwidget.h"
#include "mysplashscreen.h"
#include "portnaming.h"
#include "statuswidget.h"
#include "toolwidget.h"
#include "uavparam.h"
#include "ui_advancesettingpage.h"

#include <QSerialPort>

#include <QtTest>
#include <QtWidgets>

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
        QList<int> steps;
        for (const QList<QVariant> &arguments : progress)
            steps << arguments.at(0).toInt();
        QCOMPARE(steps, (QList<int>{10, 20, 30, 40, 50, 70, 100}));
        QCOMPARE(window->size(), QSize(850, 600));
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
        const QVector<quint8> controller = sim.block();
        QCOMPARE(int(controller.value(43)), 4);

        // Page list entries switch the stack.
        bar->pageList()->setCurrentRow(2);
        QCOMPARE(window->pageArea()->pageStack()->currentIndex(), 2);
        bar->pageList()->setCurrentRow(0);

        // The upload of a loaded file shows in the status bar.
        window->statusBar()->statusTextChanged(QString());
        emit window->pageArea()->configurationLoaded();
        QTRY_COMPARE_WITH_TIMEOUT(window->statusBar()->statusText(),
                                  QStringLiteral("Parameters uploaded and verified"), kWaitMs);

        QTest::mouseClick(bar->connectButton(), Qt::LeftButton);
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
        QTRY_VERIFY_WITH_TIMEOUT(uavParam.MotorIdel == sim.block().value(43), kWaitMs);
        const int held = uavParam.MotorIdel;
        QTest::mouseClick(held == 4 ? page->form()->pushButtonMotorIdelSpeedLevel3
                                    : page->form()->pushButtonMotorIdelSpeedLevel4,
                          Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(window.statusBar()->statusText(),
                                  QStringLiteral("The flight controller did not accept: MotorIdel"),
                                  3 * kWaitMs);
        QCOMPARE(window.statusBar()->statusSeverity(), statusWidget::Severity::Warning);
        QCOMPARE(int(uavParam.MotorIdel), held); // the page shows what the controller holds
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
        QCOMPARE(window.statusBar()->textForConnection(1), QStringLiteral("Connected"));
        closeNextPopup();
        window.langChangeToEn();
        QCOMPARE(int(AppSettings::languageCode()), 0);
    }

    void chosenLanguageIsLoadedAtTheNextStart()
    {
        QFile::remove(AppSettings::filePath());
        AppSettings::setLanguageCode(AppSettings::German);
        {
            mainWidget window(nullptr);
            QCOMPARE(int(window.languageCode()), 2);
            QCOMPARE(window.connectionBar()->connectButton()->text(), QStringLiteral("Verbinden"));
            QCOMPARE(window.statusBar()->textForConnection(0), QStringLiteral("Nicht verbunden"));
        }
        // Only the installed translation of a running window counts; a fresh English start.
        QFile::remove(AppSettings::filePath());
        for (QTranslator *translator : QCoreApplication::instance()->findChildren<QTranslator *>())
            QCoreApplication::removeTranslator(translator);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
