// A pilot without a mouse: on each tab of each page, Tab, the arrow keys, Space and typing
// reach a control and change its field in the simulated flight controller on a pseudo-terminal.
#include "fclink/link/commrt.h"
#include "pageinput.h"
#include "skydesk/pages/advancesettingpage.h"
#include "skydesk/pages/internalsettingpage.h"
#include "skydesk/pages/toolsettingpage.h"
#include "tests/support/fcsimprocess.h"
#include "tests/support/pageundertest.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

namespace {

constexpr int kWaitMs = 10000;
constexpr int kMostTabPresses = 120; // more than any page has controls, help links included

enum class PageKind
{
    Setting,
    Internal
};

qint32 simulatorHolds(const FcsimProcess &sim, const char *name)
{
    const std::optional<fclink::BlockImage> block = sim.dumpedBlock();
    return block ? block->value(name) : -1;
}

void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
}

// Presses Tab until the control has the focus.
bool tabTo(const QWidget *control)
{
    for (int i = 0; i < kMostTabPresses && QApplication::focusWidget() != control; ++i)
        press(Qt::Key_Tab);
    return QApplication::focusWidget() == control;
}

// Tabs to the page's tab bar and walks it with the arrow keys to the tab.
bool arrowToTab(QTabWidget *tabs, int tab)
{
    if (!tabTo(tabs->tabBar()))
        return false;
    while (tabs->currentIndex() != tab)
        press(tabs->currentIndex() < tab ? Qt::Key_Right : Qt::Key_Left);
    return tabs->currentIndex() == tab;
}

// The keys of a row: text is typed and ended with Enter; a key is pressed.
struct Keys
{
    QString text;
    int key = 0;
};

} // namespace

Q_DECLARE_METATYPE(PageKind)
Q_DECLARE_METATYPE(Keys)

class TestKeyboardWalk : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<FcsimProcess> m_sim;

    // Opens the page on the simulator, showing what the controller holds as the page area has it
    // show, active as the pilot's window, the focus on its first control.
    template <typename Page> bool open(PageUnderTest<Page> &page)
    {
        if (!page.connectTo(m_sim->linkPath()))
            return false;
        page->refreshPage();
        if (!pageinput::showActive(page.page()))
            return false;
        page.page()->nextInFocusChain()->setFocus(Qt::TabFocusReason);
        return true;
    }

private slots:
    void initTestCase()
    {
        m_sim = std::make_unique<FcsimProcess>(m_dir.path());
        QVERIFY(m_sim->start());
    }

    void eachTabChangesAField_data()
    {
        QTest::addColumn<PageKind>("page");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("control");
        QTest::addColumn<Keys>("keys");
        QTest::addColumn<QString>("field");
        QTest::addColumn<qint32>("expected");
        const auto typed = [](const char *text) { return Keys{QLatin1String(text), 0}; };
        const auto key = [](int k) { return Keys{QString(), k}; };
        QTest::newRow("Motor: Space on the lowest level")
            << PageKind::Setting << 0 << "pushButtonMotorIdelSpeedLevel1" << key(Qt::Key_Space)
            << "MotorIdel" << 1;
        QTest::newRow("FailSafe: go-home altitude typed")
            << PageKind::Setting << 1 << "spinBoxGoHomeAlt" << typed("120") << "TurnbackHeight"
            << 120;
        QTest::newRow("IOC: the next middle function by arrow")
            << PageKind::Setting << 2 << "comboBoxIOCMiddle" << key(Qt::Key_Down)
            << "IocFunctionMiddle" << 3;
        QTest::newRow("Limits: radius typed")
            << PageKind::Setting << 4 << "doubleSpinBoxDistanceLimit" << typed("300")
            << "LimitRadius" << 300;
        QTest::newRow("Param1: servo trim typed")
            << PageKind::Internal << 0 << "spinBoxServoTrim3" << typed("7") << "ServoTrim3" << 7;
        QTest::newRow("Param2: swash phase typed")
            << PageKind::Internal << 1 << "spinBoxSwashPhase" << typed("12") << "SwashPhase" << 12;
        QTest::newRow("Param3: gain typed")
            << PageKind::Internal << 2 << "spinBoxPKp" << typed("33") << "PKp" << 33;
        QTest::newRow("Param4: burst typed")
            << PageKind::Internal << 3 << "spinBoxBurstCoef" << typed("44") << "BurstCoef" << 44;
        QTest::newRow("Param5: max phi stepped up")
            << PageKind::Internal << 4 << "spinBoxMaxPhi" << key(Qt::Key_Up) << "MaxPhi" << -1;
    }

    void eachTabChangesAField()
    {
        QFETCH(PageKind, page);
        QFETCH(int, tab);
        QFETCH(QString, control);
        QFETCH(Keys, keys);
        QFETCH(QString, field);
        QFETCH(qint32, expected);
        std::unique_ptr<PageUnderTest<AdvanceSettingPage>> setting;
        std::unique_ptr<PageUnderTest<InternalSettingPage>> internal;
        QWidget *shown = nullptr;
        if (page == PageKind::Setting) {
            setting = std::make_unique<PageUnderTest<AdvanceSettingPage>>();
            QVERIFY(open(*setting));
            shown = setting->page();
        } else {
            internal = std::make_unique<PageUnderTest<InternalSettingPage>>();
            QVERIFY(open(*internal));
            shown = internal->page();
        }
        const QByteArray name = field.toLatin1();
        const qint32 before = simulatorHolds(*m_sim, name.constData());
        if (expected < 0)
            expected = before + 1; // a step up from what the controller holds
        QVERIFY2(before != expected, "the controller holds the value already");

        QVERIFY(arrowToTab(shown->findChild<QTabWidget *>(), tab));
        auto *target = shown->findChild<QWidget *>(control);
        QVERIFY(target);
        QVERIFY2(tabTo(target), qPrintable(control + " is not reached with Tab"));
        if (keys.key) {
            press(keys.key);
        } else {
            QTest::keyClicks(QApplication::focusWidget(), keys.text);
            press(Qt::Key_Return);
        }
        QTRY_COMPARE_WITH_TIMEOUT(simulatorHolds(*m_sim, name.constData()), expected, kWaitMs);
    }

    // The Tools page has no fields of its own: a command button reached with Tab and pressed
    // with Space reaches the controller.
    void toolsCommandBySpace()
    {
        PageUnderTest<ToolSettingPage> tools;
        QVERIFY(open(tools));
        auto *calibrate = tools->findChild<QPushButton *>("pushButtonCalibGyro");
        QVERIFY(tabTo(calibrate));
        press(Qt::Key_Space);
        QTRY_VERIFY_WITH_TIMEOUT(m_sim->receivedCommand(13), kWaitMs);
    }
};

QTEST_MAIN(TestKeyboardWalk)
#include "tst_keyboardwalk.moc"
