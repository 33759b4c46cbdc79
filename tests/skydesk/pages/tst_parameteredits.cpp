// How the pages' controls hand an edit to the flight controller: a value is sent only when the
// pilot commits it, an uncommitted edit is marked and never lost, the wheel only acts on the
// control that has the keyboard focus. On the pages alone, in the page area, and end to end
// through the main window against the simulator.
#include "fclink/link/commrt.h"
#include "fclink/link/portnaming.h"
#include "fclink/model/parameterfields.h"
#include "fclink/model/uavparam.h"
#include "fieldmarks.h"
#include "pageinput.h"
#include "skydesk/common/appsettings.h"
#include "skydesk/pages/advancesettingpage.h"
#include "skydesk/pages/internalsettingpage.h"
#include "skydesk/shell/contentwidget.h"
#include "skydesk/shell/mainwidget.h"
#include "skydesk/shell/statuswidget.h"
#include "skydesk/shell/toolwidget.h"
#include "tests/support/blockaccess.h"
#include "tests/support/fcsimprocess.h"
#include "tests/support/pageundertest.h"
#include "ui_advancesettingpage.h"
#include "ui_internalsettingpage.h"

#include <QtTest>
#include <QtWidgets>

using fieldmarks::fieldNamed;
using fieldmarks::markOf;
using pageinput::showActive;
using pageinput::typeInto;
using pageinput::wheel;

namespace {

constexpr int kWaitMs = 10000;
// Longer than a whole upload of 14 slices at 52 ms each, with room for a busy machine.
constexpr int kLongerThanAnUploadMs = 1500;
constexpr int kLimitsTab = 4;
constexpr int kFailSafeTab = 1;
constexpr int kIocTab = 2;

const char *const kPendingTip = "Not sent yet: press Enter";

qint32 field(const char *name)
{
    return blockaccess::valueNow(name);
}

// Requests of the simulator that write a parameter slice (heads 1 to 14).
int writeRequests(const FcsimProcess &sim)
{
    int writes = 0;
    for (const FcsimProcess::Request &request : sim.requests()) {
        if (request.head >= 1 && request.head <= 14)
            ++writes;
    }
    return writes;
}

qint32 simulatorHolds(const FcsimProcess &sim, const char *name)
{
    const std::optional<fclink::BlockImage> block = sim.dumpedBlock();
    return block ? block->value(name) : -1;
}

// sys.ini of the test programs, kept and restored around a case that changes the saved port.
class SettingsKeeper
{
public:
    SettingsKeeper() : m_file(AppSettings::filePath())
    {
        m_had = m_file.open(QIODevice::ReadOnly);
        if (m_had)
            m_saved = m_file.readAll();
        m_file.close();
    }
    ~SettingsKeeper()
    {
        QFile::remove(AppSettings::filePath());
        if (m_had && m_file.open(QIODevice::WriteOnly))
            m_file.write(m_saved);
    }

private:
    QFile m_file;
    bool m_had = false;
    QByteArray m_saved;
};

} // namespace

class TestParameterEdits : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<PageUnderTest<AdvanceSettingPage>> m_t;
    Commrt *m_link = nullptr;
    AdvanceSettingPage *m_page = nullptr;
    Ui::AdvanceSettingPageUi *ui = nullptr;

    quint64 uploads() const { return m_link->counters().headChoices; }

    // Starts the simulator in its own folder and makes it the port the program connects to.
    static bool startSimulator(FcsimProcess &sim)
    {
        if (!QDir().mkpath(QFileInfo(sim.linkPath()).path()) || !sim.start())
            return false;
        qputenv(fclink::kExtraPortsVariable, sim.linkPath().toLocal8Bit());
        AppSettings::setSavedPort(sim.linkPath());
        return true;
    }

    // Shows the window, presses Connect and waits for the parameter read.
    static bool connectWindow(mainWidget &window)
    {
        if (!showActive(&window))
            return false;
        QSignalSpy read(window.link(), &Commrt::parametersChanged);
        QTest::mouseClick(window.connectionBar()->connectButton(), Qt::LeftButton);
        return read.count() > 0 || read.wait(kWaitMs);
    }

private slots:
    void init()
    {
        m_t = std::make_unique<PageUnderTest<AdvanceSettingPage>>();
        m_link = m_t->link();
        m_page = m_t->page();
        ui = m_page->form();
        blockaccess::setValueNow("LimitAlt", 120);
        blockaccess::setValueNow("TurnbackHeight", 30);
        m_page->refreshPage();
    }

    void cleanup() { m_t.reset(); }

    void typingSendsNothingUntilEnter()
    {
        ui->tabWidget->setCurrentIndex(kLimitsTab);
        QVERIFY(showActive(m_page));
        QDoubleSpinBox *box = ui->doubleSpinBoxAltitudeLimit;
        const quint64 before = uploads();
        typeInto(box, QStringLiteral("250"));
        QCOMPARE(uploads(), before);
        QCOMPARE(field("LimitAlt"), 120);
        QCOMPARE(markOf(box), QStringLiteral("pending"));
        QCOMPARE(box->toolTip(), QLatin1String(kPendingTip));

        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(uploads(), before + 1);
        QCOMPARE(field("LimitAlt"), 250);
        QCOMPARE(markOf(box), QString());
        QVERIFY(box->toolTip().isEmpty());

        // Enter again on the same value sends nothing more.
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(uploads(), before + 1);
    }

    // A refresh (a new parameter read) does not overwrite what the pilot is typing, and Enter
    // sends the typed value even where it equals what the box showed before the refresh.
    void aRefreshKeepsTheTypingAndEnterStillSends()
    {
        ui->tabWidget->setCurrentIndex(kLimitsTab);
        QVERIFY(showActive(m_page));
        QDoubleSpinBox *box = ui->doubleSpinBoxAltitudeLimit;
        typeInto(box, QStringLiteral("12"));
        blockaccess::setValueNow("LimitAlt", 180); // read from the controller meanwhile
        m_page->refreshPage();
        QCOMPARE(box->cleanText(), QStringLiteral("12"));
        QTest::keyClicks(box, QStringLiteral("0"));
        QCOMPARE(box->cleanText(), QStringLiteral("120"));
        QCOMPARE(markOf(box), QStringLiteral("pending"));
        const quint64 before = uploads();
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(field("LimitAlt"), 120);
        QCOMPARE(uploads(), before + 1);
        QCOMPARE(markOf(box), QString());
    }

    // Enter on a box that shows the nearest end of its range for a stored value it cannot show
    // sends the value shown; leaving it without Enter sends nothing.
    void enterTakesTheShownValueOfAMarkedBox()
    {
        blockaccess::setValueNow("TurnbackHeight", 5);
        m_page->refreshPage();
        ui->tabWidget->setCurrentIndex(kFailSafeTab);
        QVERIFY(showActive(m_page));
        QSpinBox *box = ui->spinBoxGoHomeAlt;
        QCOMPARE(markOf(box), QStringLiteral("outOfRange"));
        const quint64 before = uploads();
        box->setFocus(Qt::MouseFocusReason);
        ui->radioButtonHover->setFocus(Qt::TabFocusReason);
        QCOMPARE(uploads(), before);
        QCOMPARE(field("TurnbackHeight"), 5);
        box->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(uploads(), before + 1);
        QCOMPARE(field("TurnbackHeight"), fieldNamed("TurnbackHeight").minimum);
        QCOMPARE(markOf(box), QString());
    }

    // Boxes that have not shown the block yet hold nothing the pilot typed: changing tabs and
    // pages commits nothing from them.
    void untouchedBoxesCommitNothing()
    {
        InternalSettingPage page(nullptr, m_link);
        QVERIFY(showActive(&page));
        const quint64 before = uploads();
        for (int tab = 0; tab < page.form()->tabWidget->count(); ++tab)
            page.form()->tabWidget->setCurrentIndex(tab);
        page.commitPendingEdits();
        QCOMPARE(uploads(), before);
        QCOMPARE(field("LimitAlt"), 120);
    }

    void typingANegativeValueOnTheInternalPage()
    {
        InternalSettingPage page(nullptr, m_link);
        QVERIFY(showActive(&page));
        QSpinBox *box = page.form()->spinBoxVUKp;
        const quint64 before = uploads();
        typeInto(box, QStringLiteral("-100"));
        QCOMPARE(uploads(), before);
        QCOMPARE(field("VUKp"), 0);
        QCOMPARE(markOf(box), QStringLiteral("pending"));
        QTest::keyClick(box, Qt::Key_Enter);
        QCOMPARE(uploads(), before + 1);
        QCOMPARE(field("VUKp"), -100);
        QCOMPARE(markOf(box), QString());
    }

    void focusLeavingAndTabChangesCommit()
    {
        ui->tabWidget->setCurrentIndex(kFailSafeTab);
        QVERIFY(showActive(m_page));
        const quint64 before = uploads();
        typeInto(ui->spinBoxGoHomeAlt, QStringLiteral("77"));
        QCOMPARE(uploads(), before);
        ui->radioButtonHover->setFocus(Qt::TabFocusReason);
        QCOMPARE(uploads(), before + 1);
        QCOMPARE(field("TurnbackHeight"), 77);
        QCOMPARE(markOf(ui->spinBoxGoHomeAlt), QString());

        ui->tabWidget->setCurrentIndex(kLimitsTab);
        typeInto(ui->doubleSpinBoxDistanceLimit, QStringLiteral("640"));
        QCOMPARE(uploads(), before + 1);
        ui->tabWidget->setCurrentIndex(0);
        QCOMPARE(uploads(), before + 2);
        QCOMPARE(field("LimitRadius"), 640);
    }

    void aKeyThatLeavesTheRangeSaysTheRange()
    {
        ui->tabWidget->setCurrentIndex(kFailSafeTab);
        QVERIFY(showActive(m_page));
        QSpinBox *box = ui->spinBoxGoHomeAlt;
        const quint64 before = uploads();
        typeInto(box, QStringLiteral("600"));
        QCOMPARE(box->cleanText(), QStringLiteral("60"));
        QCOMPARE(uploads(), before);
        QVERIFY(QToolTip::isVisible());
        const fclink::ParameterField &height = fieldNamed("TurnbackHeight");
        const QString range = QStringLiteral("%1–%2 m").arg(height.minimum).arg(height.maximum);
        QVERIFY2(QToolTip::text().contains(range), qPrintable(QToolTip::text()));
        QCOMPARE(markOf(box), QStringLiteral("pending"));
        QToolTip::hideText();
    }

    void aRefusedKeyBlocksTheCommit_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("range");
        QTest::newRow("15000 m") << "doubleSpinBoxAltitudeLimit"
                                 << "15000"
                                 << "1500"
                                 << "10–10000 m";
        QTest::newRow("-50 m") << "doubleSpinBoxAltitudeLimit"
                               << "-50"
                               << "50"
                               << "10–10000 m";
        QTest::newRow("-100 on the internal page") << "spinBoxPKp"
                                                   << "-100"
                                                   << "100"
                                                   << "0–255";
    }

    // The box keeps its text when a key would leave the range, and Enter then sends nothing
    // of what is left: the pilot meant another number.
    void aRefusedKeyBlocksTheCommit()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, range);
        InternalSettingPage internal(nullptr, m_link);
        QWidget *page =
            box.startsWith(QLatin1String("double")) ? static_cast<QWidget *>(m_page) : &internal;
        auto *spinBox = page->findChild<QAbstractSpinBox *>(box);
        QVERIFY(spinBox);
        ui->tabWidget->setCurrentIndex(kLimitsTab);
        internal.form()->tabWidget->setCurrentIndex(2);
        QVERIFY(showActive(page));
        const fclink::BlockImage before = blockaccess::blockNow();
        const quint64 uploadsBefore = uploads();
        typeInto(spinBox, typed);
        QCOMPARE(spinBox->text().remove(QLatin1Char('m')).trimmed(), shown);
        QTest::keyClick(spinBox, Qt::Key_Return);
        QCOMPARE(uploads(), uploadsBefore);
        QCOMPARE(blockaccess::blockNow(), before);
        QCOMPARE(markOf(spinBox), QStringLiteral("pending"));
        QVERIFY2(pageinput::hintShown().contains(range), qPrintable(pageinput::hintShown()));
        // Leaving the box or changing the tab does not send it either.
        ui->tabWidget->setCurrentIndex(0);
        internal.form()->tabWidget->setCurrentIndex(0);
        QCOMPARE(uploads(), uploadsBefore);
        QCOMPARE(blockaccess::blockNow(), before);
        QToolTip::hideText();
    }

    // Typing the whole number anew makes the box committable again.
    void retypingAfterARefusedKeySends()
    {
        ui->tabWidget->setCurrentIndex(kLimitsTab);
        QVERIFY(showActive(m_page));
        QDoubleSpinBox *box = ui->doubleSpinBoxAltitudeLimit;
        typeInto(box, QStringLiteral("15000"));
        const quint64 before = uploads();
        typeInto(box, QStringLiteral("150"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(field("LimitAlt"), 150);
        QCOMPARE(uploads(), before + 1);
        QCOMPARE(markOf(box), QString());
        QToolTip::hideText();
    }

    void theWheelActsOnlyOnTheFocusedControl()
    {
        ui->tabWidget->setCurrentIndex(kLimitsTab);
        QVERIFY(showActive(m_page));
        ui->radioButtonForbidAreaOn->setFocus(Qt::TabFocusReason);
        QDoubleSpinBox *box = ui->doubleSpinBoxAltitudeLimit;
        const quint64 before = uploads();
        wheel(box, 2);
        QCOMPARE(box->value(), 120.0);
        QCOMPARE(field("LimitAlt"), 120);
        QCOMPARE(uploads(), before);
        QVERIFY(!box->hasFocus());

        ui->tabWidget->setCurrentIndex(kIocTab);
        QComboBox *combo = ui->comboBoxIOCMiddle;
        const int index = combo->currentIndex();
        wheel(combo, -1);
        QCOMPARE(combo->currentIndex(), index);
        QCOMPARE(uploads(), before);

        InternalSettingPage internal(nullptr, m_link);
        QVERIFY(showActive(&internal));
        internal.form()->tabWidget->setCurrentIndex(0);
        internal.form()->pushButtonBindDSM->setFocus(Qt::TabFocusReason);
        for (QSpinBox *spinBox :
             {internal.form()->spinBoxMotorIdel, internal.form()->spinBoxLevelSwash}) {
            const int shown = spinBox->value();
            wheel(spinBox, 3);
            QCOMPARE(spinBox->value(), shown);
        }
        QCOMPARE(uploads(), before);

        // On the control that has the focus the wheel edits, and each notch is committed.
        ui->tabWidget->setCurrentIndex(kLimitsTab);
        QVERIFY(showActive(m_page));
        box->setFocus(Qt::MouseFocusReason);
        wheel(box, 1);
        QCOMPARE(field("LimitAlt"), 121);
        QCOMPARE(uploads(), before + 1);
    }

    void noBoxTakesTheFocusAfterATabChange()
    {
        ui->tabWidget->setCurrentIndex(0);
        QVERIFY(showActive(m_page));
        ui->pushButtonMotorIdelSpeedLevel2->setFocus(Qt::TabFocusReason);
        QVERIFY(ui->pushButtonMotorIdelSpeedLevel2->hasFocus());
        ui->tabWidget->setCurrentIndex(kLimitsTab);
        QWidget *focus = QApplication::focusWidget();
        QVERIFY2(!qobject_cast<QAbstractSpinBox *>(focus) && !qobject_cast<QComboBox *>(focus),
                 focus ? qPrintable(focus->objectName()) : "none");
        const quint64 before = uploads();
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : m_page,
                        Qt::Key_Up);
        QCOMPARE(field("LimitAlt"), 120);
        QCOMPARE(uploads(), before);
    }

    // In the page area, which takes edits only with a controller connected.
    void pageChangesCommitAndLeaveTheFocusAlone()
    {
        QWidget window;
        auto *bar = new toolWidget(&window, true);
        auto *area = new contentWidget(&window, m_link, true);
        connect(bar->pageList(), &QListWidget::currentItemChanged, area,
                &contentWidget::changePage);
        auto *column = new QVBoxLayout(&window);
        column->addWidget(bar);
        column->addWidget(area);
        FcsimProcess sim(m_dir.filePath("pages"));
        QVERIFY(QDir().mkpath(QFileInfo(sim.linkPath()).path()) && sim.start());
        m_link->start();
        QSignalSpy read(m_link, &Commrt::parametersChanged);
        m_link->setPortName(sim.linkPath());
        m_link->connectCom();
        QVERIFY(read.wait(kWaitMs));
        QVERIFY(showActive(&window));
        AdvanceSettingPage *setting = area->advanceSettingPage();
        setting->form()->tabWidget->setCurrentIndex(kLimitsTab);
        const quint64 before = uploads();
        typeInto(setting->form()->doubleSpinBoxAltitudeLimit, QStringLiteral("333"));
        QCOMPARE(uploads(), before);
        area->changePage(bar->pageList()->item(contentWidget::InternalPage), nullptr);
        QCOMPARE(field("LimitAlt"), 333);
        QCOMPARE(uploads(), before + 1);
        QCOMPARE(area->internalSettingPage()->form()->spinBoxLimitAlt->value(), 333);
        QWidget *focus = QApplication::focusWidget();
        QVERIFY2(!qobject_cast<QAbstractSpinBox *>(focus) && !qobject_cast<QComboBox *>(focus),
                 focus ? qPrintable(focus->objectName()) : "none");

        // The same on the internal page, left for the setting page.
        InternalSettingPage *internal = area->internalSettingPage();
        internal->form()->tabWidget->setCurrentIndex(1);
        typeInto(internal->form()->spinBoxBatteryCell, QStringLiteral("4"));
        QCOMPARE(uploads(), before + 1);
        area->changePage(bar->pageList()->item(contentWidget::SettingPage), nullptr);
        QCOMPARE(field("BatteryCell"), 4);
        QCOMPARE(uploads(), before + 2);
        m_link->disconnectCom();
    }

    // The end-to-end case: a key a second into Max Altitude puts nothing into the controller
    // until Enter, and then exactly the value typed.
    void keysReachTheSimulatorOnlyWithEnter()
    {
        SettingsKeeper keeper;
        FcsimProcess sim(m_dir.filePath("keys"));
        QVERIFY(startSimulator(sim));
        {
            mainWidget window(nullptr, nullptr, false);
            QVERIFY(connectWindow(window));
            AdvanceSettingPage *page = window.pageArea()->advanceSettingPage();
            page->form()->tabWidget->setCurrentIndex(kLimitsTab);
            QDoubleSpinBox *box = page->form()->doubleSpinBoxAltitudeLimit;
            QCOMPARE(box->value(), double(simulatorHolds(sim, "LimitAlt")));

            box->setFocus(Qt::MouseFocusReason);
            box->selectAll();
            for (const char *key : {"2", "5", "0"}) {
                QTest::keyClicks(box, QLatin1String(key));
                QTest::qWait(kLongerThanAnUploadMs);
                QCOMPARE(writeRequests(sim), 0);
                const qint32 held = simulatorHolds(sim, "LimitAlt");
                QVERIFY2(held != 2 && held != 25, qPrintable(QString::number(held)));
            }
            QTest::keyClick(box, Qt::Key_Return);
            QTRY_COMPARE_WITH_TIMEOUT(simulatorHolds(sim, "LimitAlt"), 250, kWaitMs);
            QTRY_COMPARE_WITH_TIMEOUT(window.statusBar()->statusText(),
                                      QStringLiteral("Parameters uploaded"), kWaitMs);
            QCOMPARE(sim.block(), blockaccess::blockNow());

            // An edit left without Enter is committed by the disconnect and reaches the
            // controller before the port closes.
            box->setFocus(Qt::MouseFocusReason);
            box->selectAll();
            QTest::keyClicks(box, QStringLiteral("321"));
            QTest::qWait(kLongerThanAnUploadMs);
            QCOMPARE(simulatorHolds(sim, "LimitAlt"), 250);
            window.connectionBar()->connectPort(); // Disconnect, as its button does
            QTRY_COMPARE_WITH_TIMEOUT(simulatorHolds(sim, "LimitAlt"), 321, kWaitMs);
            QTRY_VERIFY_WITH_TIMEOUT(!window.link()->isPortOpen(), kWaitMs);
        }
        qunsetenv(fclink::kExtraPortsVariable);
    }

    void closingTheWindowSendsThePendingEditFirst()
    {
        SettingsKeeper keeper;
        FcsimProcess sim(m_dir.filePath("close"));
        QVERIFY(startSimulator(sim));
        {
            mainWidget window(nullptr, nullptr, false);
            QVERIFY(connectWindow(window));
            AdvanceSettingPage *page = window.pageArea()->advanceSettingPage();
            page->form()->tabWidget->setCurrentIndex(kFailSafeTab);
            typeInto(page->form()->spinBoxGoHomeAlt, QStringLiteral("88"));
            QCOMPARE(writeRequests(sim), 0);
            // The window goes once the edit is sent; the program ends with it, as here.
            window.close();
            QTRY_VERIFY_WITH_TIMEOUT(window.isHidden(), kWaitMs);
        }
        qunsetenv(fclink::kExtraPortsVariable);
        QCOMPARE(simulatorHolds(sim, "TurnbackHeight"), 88);
    }
};

QTEST_MAIN(TestParameterEdits)
#include "tst_parameteredits.moc"
