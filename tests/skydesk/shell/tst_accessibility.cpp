// What a screen reader finds in the main window, each page and tab shown in turn, and in the
// dialogs and windows the pages open: every focusable control has a name, and no two siblings
// share one. What a keyboard user sees there: every control shows where the focus is.
#include "fclink/link/commrt.h"
#include "fclink/link/portnaming.h"
#include "skydesk/common/appsettings.h"
#include "skydesk/history/configurationhistorydialog.h"
#include "skydesk/offline/comparisondialog.h"
#include "skydesk/pages/sensorscopewindow.h"
#include "skydesk/pages/toolsettingpage.h"
#include "skydesk/recordings/recordingviewerwindow.h"
#include "skydesk/shell/contentwidget.h"
#include "skydesk/shell/mainwidget.h"
#include "skydesk/shell/mysplashscreen.h"
#include "skydesk/shell/toolwidget.h"
#include "skydesk/update/firmwareupgradedialog.h"
#include "skydesk/update/updatesettingpage.h"
#include "skydesk/update/upgradewarningdialog.h"
#include "tests/support/accessibilitywalk.h"
#include "tests/support/fcsimprocess.h"
#include "tests/support/focusmarks.h"
#include "tests/support/readingorder.h"
#include "tests/support/recordingfiles.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <memory>

namespace {

constexpr int kWaitMs = 10000;

// Each made with the parent the program gives it, whose style sheet it takes.
using DialogMaker = std::function<QWidget *(mainWidget *window, const QString &folder)>;

struct DialogRow
{
    const char *name;
    DialogMaker make;
};

const DialogRow kDialogs[] = {
    {"firmware download",
     [](mainWidget *window, const QString &) {
         auto *dialog = new FirmwareUpgradeDialog(nullptr);
         dialog->setLink(window->link());
         return dialog;
     }},
    {"upgrade warning",
     [](mainWidget *window, const QString &) {
         return new UpgradeWarningDialog(window->pageArea()->updatePage());
     }},
    {"configuration history",
     [](mainWidget *window, const QString &) -> QWidget * {
         return window->pageArea()->historyDialog();
     }},
    {"comparison",
     [](mainWidget *window, const QString &) { return new ComparisonDialog(window->pageArea()); }},
    {"sensor scope",
     [](mainWidget *window, const QString &) {
         return new SensorScopeWindow(window->pageArea()->toolSettingPage(), window->link());
     }},
    {"recording viewer",
     [](mainWidget *window, const QString &folder) -> QWidget * {
         const QString path = folder + QStringLiteral("/flight.csv");
         if (!recordingfiles::write(path, recordingfiles::recording(50)))
             return nullptr;
         return new RecordingViewerWindow(path, window->pageArea()->toolSettingPage());
     }},
};

// The dialogs with a button that Enter presses, each made ready as the program opens it.
struct KeyedDialog
{
    QDialog *dialog;
    QAbstractButton *byEnter;
};

using KeyedDialogMaker = std::function<KeyedDialog(mainWidget *window)>;

struct KeyedDialogRow
{
    const char *name;
    KeyedDialogMaker make;
};

const KeyedDialogRow kKeyedDialogs[] = {
    {"firmware download",
     [](mainWidget *window) {
         auto *dialog = new FirmwareUpgradeDialog(nullptr);
         dialog->setLink(window->link());
         return KeyedDialog{dialog, dialog->findChild<QPushButton *>("pushButtonClose")};
     }},
    {"upgrade warning",
     [](mainWidget *window) {
         auto *dialog = new UpgradeWarningDialog(window->pageArea()->updatePage());
         return KeyedDialog{dialog,
                            dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)};
     }},
    {"configuration history",
     [](mainWidget *window) {
         QDialog *dialog = window->pageArea()->historyDialog();
         return KeyedDialog{dialog, dialog->findChild<QPushButton *>("pushButtonClose")};
     }},
    // As the connect comparison offers it: the choice that changes nothing comes first.
    {"comparison",
     [](mainWidget *window) {
         auto *dialog = new ComparisonDialog(window->pageArea());
         QAbstractButton *keep = dialog->addChoice(QStringLiteral("Keep the Controller's"), 0);
         dialog->addChoice(QStringLiteral("Send This Configuration"), 1);
         dialog->addCancelButton();
         return KeyedDialog{dialog, keep};
     }},
};

} // namespace

Q_DECLARE_METATYPE(const DialogRow *)
Q_DECLARE_METATYPE(const KeyedDialogRow *)

class TestAccessibility : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<FcsimProcess> m_sim;
    std::unique_ptr<MySplashScreen> m_splash;
    mainWidget *m_window = nullptr;

    static QTabWidget *tabsOf(QWidget *page) { return page->findChild<QTabWidget *>(); }

    void showPage(int page, int tab)
    {
        m_window->connectionBar()->pageList()->setCurrentRow(page);
        QCOMPARE(m_window->pageArea()->pageStack()->currentIndex(), page);
        if (tab >= 0)
            tabsOf(m_window->pageArea()->pageStack()->currentWidget())->setCurrentIndex(tab);
    }

    // Each problem on a line of its own (a failure's message is cut short); the count for the
    // failure.
    static QByteArray report(const QStringList &problems)
    {
        for (const QString &problem : problems)
            qWarning().noquote() << problem;
        return QByteArray::number(problems.size()) + " problems, listed above";
    }

private slots:
    // The window on the simulator, so that every control a pilot uses is enabled.
    void initTestCase()
    {
        m_sim = std::make_unique<FcsimProcess>(m_dir.path());
        QVERIFY(m_sim->start());
        qputenv(fclink::kExtraPortsVariable, m_sim->linkPath().toLocal8Bit());
        AppSettings::setSavedPort(m_sim->linkPath());
        m_splash = std::make_unique<MySplashScreen>(QPixmap(QStringLiteral(":/images/splash.png")));
        m_window = new mainWidget(m_splash.get(), nullptr, true);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        QSignalSpy read(m_window->link(), &Commrt::parametersChanged);
        QTest::mouseClick(m_window->connectionBar()->connectButton(), Qt::LeftButton);
        QVERIFY(read.wait(kWaitMs));
        const auto *level = m_window->findChild<QWidget *>("pushButtonMotorIdelSpeedLevel1");
        QTRY_VERIFY_WITH_TIMEOUT(level->isEnabled(), kWaitMs); // the pages take edits
    }

    void cleanupTestCase()
    {
        delete m_window;
        qunsetenv(fclink::kExtraPortsVariable);
    }

    void pagesAndTabs_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("tab");
        QStackedWidget *stack = m_window->pageArea()->pageStack();
        QListWidget *list = m_window->connectionBar()->pageList();
        QCOMPARE(stack->count(), 4); // the internal page is shown too
        for (int page = 0; page < stack->count(); ++page) {
            const QString title = list->item(page)->text();
            QTabWidget *tabs = tabsOf(stack->widget(page));
            if (!tabs) {
                QTest::newRow(qPrintable(title)) << page << -1;
                continue;
            }
            for (int tab = 0; tab < tabs->count(); ++tab) {
                QTest::newRow(qPrintable(title + QLatin1Char('/') + tabs->tabText(tab).trimmed()))
                    << page << tab;
            }
        }
    }

    void pagesAndTabs()
    {
        QFETCH(int, page);
        QFETCH(int, tab);
        showPage(page, tab);
        const QStringList problems = accessibilityProblems(m_window);
        QVERIFY2(problems.isEmpty(), report(problems).constData());
    }

    // A keyboard user sees where the focus is on every control, the title bar's and the level
    // buttons' pictures included.
    void focusMarks_data() { pagesAndTabs_data(); }

    void focusMarks()
    {
        QFETCH(int, page);
        QFETCH(int, tab);
        showPage(page, tab);
        QApplication::setActiveWindow(m_window);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        const QStringList missing = controlsWithoutFocusMark(m_window);
        QVERIFY2(missing.isEmpty(), report(missing).constData());
    }

    // Names said for what the control is, taken from the field table where it edits a field;
    // a combo box's entry is its value, never its name.
    void names_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::newRow("lowest level") << "pushButtonMotorIdelSpeedLevel1"
                                      << "Motor Idel Speed level 1 (low)" << QString();
        QTest::newRow("level without caption") << "pushButtonMotorIdelSpeedLevel2"
                                               << "Motor Idel Speed level 2" << QString();
        QTest::newRow("recommended level") << "pushButtonMotorIdelSpeedLevel3"
                                           << "Motor Idel Speed level 3 (recommended)" << QString();
        QTest::newRow("spin box with unit") << "spinBoxGoHomeAlt"
                                            << "Go-Home Altitude, metres" << QString();
        // The raw editor's boxes are named by the captions beside them.
        QTest::newRow("raw editor's own caption") << "spinBoxTurnbackHeight"
                                                  << "turn back height" << QString();
        QTest::newRow("bound combo box") << "comboBoxIOCMiddle"
                                         << "Middle stick position"
                                         << "Course Lock";
        QTest::newRow("combo box of no field") << "comboBoxIOCLeft"
                                               << "Left stick position"
                                               << "OFF";
        QTest::newRow("gyro reading") << "lineEditGyroX"
                                      << "Gyroscope X, degrees per second" << QString();
        QTest::newRow("acceleration magnitude")
            << "lineEditAccMod"
            << "Acceleration magnitude, metres per second squared" << QString();
        QTest::newRow("reading without unit") << "lineEditCompass"
                                              << "Compass error" << QString();
        QTest::newRow("port selector") << "comboBoxPort"
                                       << "Serial port" << QString();
    }

    void names()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QString, value);
        auto *widget = m_window->findChild<QWidget *>(control);
        QVERIFY(widget);
        QAccessibleInterface *node = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(node);
        QCOMPARE(node->text(QAccessible::Name), name);
        if (!value.isEmpty())
            QCOMPARE(node->text(QAccessible::Value), value);
    }

    // Tab visits the controls as they are read: the title bar, the connection bar, then the
    // page's tabs and the page from the top, each column and group whole.
    void tabOrder_data() { pagesAndTabs_data(); }

    void tabOrder()
    {
        QFETCH(int, page);
        QFETCH(int, tab);
        showPage(page, tab);
        QApplication::setActiveWindow(m_window);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        const QList<QWidget *> chain = tabChain(m_window);
        QVERIFY(chain.size() > 8);
        const QStringList problems = readingOrderProblems(chain);
        QVERIFY2(problems.isEmpty(), report(problems).constData());
    }

    // Escape closes a dialog, as its Cancel or Close does; Enter presses its default button,
    // wherever the focus is first put.
    void dialogKeys_data()
    {
        QTest::addColumn<const KeyedDialogRow *>("row");
        for (const KeyedDialogRow &row : kKeyedDialogs)
            QTest::newRow(row.name) << &row;
    }

    void dialogKeys()
    {
        QFETCH(const KeyedDialogRow *, row);
        const KeyedDialog made = row->make(m_window);
        QVERIFY(made.byEnter);
        const auto showActive = [&made] {
            made.dialog->show();
            QApplication::setActiveWindow(made.dialog);
            return QTest::qWaitForWindowActive(made.dialog);
        };
        const auto focused = [&made] {
            QWidget *focus = QApplication::focusWidget();
            return focus ? focus : static_cast<QWidget *>(made.dialog);
        };

        QVERIFY(showActive());
        QTest::keyClick(focused(), Qt::Key_Escape);
        const bool closedByEscape = !made.dialog->isVisible();

        QVERIFY(showActive());
        QSignalSpy pressed(made.byEnter, &QAbstractButton::clicked);
        // A button that opens another dialog would wait for an answer: that one is closed.
        QString opened;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&opened, &made] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *other = qobject_cast<QDialog *>(modal); other && other != made.dialog) {
                opened = other->windowTitle();
                other->reject();
            }
        });
        closer.start(200);
        QTest::keyClick(focused(), Qt::Key_Return);
        closer.stop();
        const int pressedByEnter = pressed.count();
        made.dialog->hide();
        if (made.dialog != m_window->pageArea()->historyDialog())
            delete made.dialog;
        QVERIFY(closedByEscape);
        QVERIFY2(opened.isEmpty(), qPrintable("Enter opened " + opened));
        QCOMPARE(pressedByEnter, 1);
    }

    void dialogs_data()
    {
        QTest::addColumn<const DialogRow *>("row");
        for (const DialogRow &row : kDialogs)
            QTest::newRow(row.name) << &row;
    }

    void dialogs()
    {
        QFETCH(const DialogRow *, row);
        QWidget *dialog = row->make(m_window, m_dir.path());
        QVERIFY(dialog);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        const QStringList problems = accessibilityProblems(dialog);
        dialog->activateWindow();
        QStringList missing;
        QStringList order;
        if (QTest::qWaitForWindowActive(dialog)) {
            missing = controlsWithoutFocusMark(dialog);
            order = readingOrderProblems(tabChain(dialog));
        } else {
            missing << QStringLiteral("the window never became active");
        }
        dialog->hide();
        if (dialog != m_window->pageArea()->historyDialog())
            delete dialog;
        QVERIFY2(problems.isEmpty(), report(problems).constData());
        QVERIFY2(missing.isEmpty(), report(missing).constData());
        QVERIFY2(order.isEmpty(), report(order).constData());
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
