// The pages take edits only while the link can take them: with a controller connected and its
// block read. Disconnected, silent, being read or with the port held by a firmware upgrade,
// every control that would change the controller is disabled and says why; nothing typed or
// clicked then reaches the block.
#include "fclink/link/commrt.h"
#include "fclink/model/parameterfields.h"
#include "fclink/model/uavparam.h"
#include "fieldmarks.h"
#include "pageinput.h"
#include "skydesk/pages/advancesettingpage.h"
#include "skydesk/pages/editaccess.h"
#include "skydesk/pages/internalsettingpage.h"
#include "skydesk/pages/toolsettingpage.h"
#include "skydesk/shell/contentwidget.h"
#include "tests/support/blockaccess.h"
#include "tests/support/pageundertest.h"
#include "tests/support/simulatortest.h"
#include "tests/support/testfolders.h"
#include "tests/support/testtiming.h"
#include "ui_advancesettingpage.h"
#include "ui_internalsettingpage.h"
#include "ui_toolsettingpage.h"

#include <QtTest>
#include <QtWidgets>

#include <csignal>

namespace {

constexpr int kWaitMs = 10000;
constexpr int kLimitsTab = 4;

// The controls of a page that change the controller: every editor and button on its tabs.
QList<QWidget *> editingControls(QTabWidget *tabs)
{
    QList<QWidget *> controls;
    for (int tab = 0; tab < tabs->count(); ++tab) {
        for (QWidget *child : tabs->widget(tab)->findChildren<QWidget *>()) {
            if (qobject_cast<QAbstractSpinBox *>(child) || qobject_cast<QComboBox *>(child) ||
                qobject_cast<QAbstractButton *>(child))
                controls.append(child);
        }
    }
    return controls;
}

} // namespace

class TestEditAccess : public SimulatorTest
{
    Q_OBJECT

private:
    std::unique_ptr<PageUnderTest<contentWidget>> m_t;
    Commrt *m_link = nullptr;
    contentWidget *m_area = nullptr;

    AdvanceSettingPage *setting() const { return m_area->advanceSettingPage(); }
    InternalSettingPage *internal() const { return m_area->internalSettingPage(); }

    QList<QWidget *> allEditingControls() const
    {
        const Ui::ToolSettingPageUi *tools = m_area->toolSettingPage()->form();
        return editingControls(setting()->form()->tabWidget) +
               editingControls(internal()->form()->tabWidget) +
               QList<QWidget *>{tools->pushButtonWriteToFlash, tools->pushButtonCalibAcc,
                                tools->pushButtonCalibGyro};
    }

    // Every editing control is disabled and its tool tip holds the reason, or every one is
    // enabled and says nothing of a reason.
    bool readOnlyWith(const QString &reason, QString *why) const
    {
        for (QWidget *control : allEditingControls()) {
            if (control->isEnabled() || control->toolTip() != reason) {
                *why = control->objectName() + QStringLiteral(": ") + control->toolTip();
                return false;
            }
        }
        return true;
    }

    bool editable(QString *why) const
    {
        const QString reason = m_area->editAccess()->reason();
        if (!reason.isEmpty()) {
            *why = reason;
            return false;
        }
        for (QWidget *control : allEditingControls()) {
            if (!control->isEnabled()) {
                *why = control->objectName() + QStringLiteral(" is disabled");
                return false;
            }
        }
        return true;
    }

    bool connectArea()
    {
        QSignalSpy read(m_link, &Commrt::parametersChanged);
        m_link->setPortName(m_sim->linkPath());
        m_link->connectCom();
        return read.wait(kWaitMs);
    }

private slots:
    // The base's own set-up does not run beside these: the folder is made here.
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        useTestFolders(m_dir->path());
        QVERIFY(startSim());
        m_t = std::make_unique<PageUnderTest<contentWidget>>(true);
        m_link = m_t->link();
        m_area = m_t->page();
        m_link->start();
    }

    void cleanup()
    {
        m_link->disconnectCom();
        m_t.reset();
        m_sim.reset();
        m_dir.reset();
    }

    void readOnlyUntilTheBlockIsRead()
    {
        EditAccess *access = m_area->editAccess();
        QCOMPARE(access->state(), EditAccess::State::NotConnected);
        QString why;
        QVERIFY2(readOnlyWith(access->reason(), &why), qPrintable(why));
        QVERIFY2(access->reason().contains(QStringLiteral("connect")),
                 qPrintable(access->reason()));
        // Without a controller an import opens the file offline.
        QVERIFY(m_area->toolSettingPage()->form()->pushButtonImportParameters->isEnabled());

        // Nothing the pilot does reaches the block.
        setting()->form()->tabWidget->setCurrentIndex(kLimitsTab);
        QVERIFY(pageinput::showActive(m_area));
        const quint64 uploads = m_link->counters().headChoices;
        const qint32 altitude = blockaccess::valueNow("LimitAlt");
        pageinput::typeInto(setting()->form()->doubleSpinBoxAltitudeLimit, QStringLiteral("250"));
        QTest::keyClick(setting()->form()->doubleSpinBoxAltitudeLimit, Qt::Key_Return);
        QTest::mouseClick(setting()->form()->radioButtonForbidAreaOn, Qt::LeftButton);
        QCOMPARE(m_link->counters().headChoices, uploads);
        QCOMPARE(blockaccess::valueNow("LimitAlt"), altitude);

        QVERIFY(connectArea());
        QVERIFY2(editable(&why), qPrintable(why));
        QCOMPARE(access->state(), EditAccess::State::Editable);
        QVERIFY(setting()->form()->doubleSpinBoxAltitudeLimit->toolTip().isEmpty());
        m_link->disconnectCom();
        QVERIFY2(readOnlyWith(access->reason(), &why), qPrintable(why));
    }

    // A controller that falls silent takes the edits with it, until it has been read anew.
    void aSilentControllerTakesNoEdits()
    {
        m_link->setTiming(quickLossTiming()); // the test only waits for the silence to tell
        QVERIFY(connectArea());
        QString why;
        QVERIFY2(editable(&why), qPrintable(why));
        QSignalSpy state(m_link, &Commrt::connectStateText);
        m_sim->sendSignal(SIGUSR1);
        QVERIFY(state.wait(kWaitMs));
        QCOMPARE(state.last().at(0).toInt(), 0);
        QTRY_COMPARE(m_area->editAccess()->state(), EditAccess::State::NotConnected);
        QVERIFY2(readOnlyWith(m_area->editAccess()->reason(), &why), qPrintable(why));
        const quint64 uploads = m_link->counters().headChoices;
        setting()->motorIdelSpeedLevel5Clicked();
        QCOMPARE(m_link->counters().headChoices, uploads);

        QSignalSpy read(m_link, &Commrt::parametersChanged);
        m_sim->sendSignal(SIGUSR2);
        QVERIFY(read.wait(kWaitMs));
        QVERIFY2(editable(&why), qPrintable(why));
    }

    // While the firmware upgrade holds the port nothing is taken, and the pages say why.
    void theUpgradeHoldsThePort()
    {
        QVERIFY(connectArea());
        setting()->form()->tabWidget->setCurrentIndex(0);
        QVERIFY(pageinput::showActive(m_area));
        m_link->closePortForUpgrade();
        EditAccess *access = m_area->editAccess();
        QCOMPARE(access->state(), EditAccess::State::HeldForUpgrade);
        QString why;
        QVERIFY2(readOnlyWith(access->reason(), &why), qPrintable(why));
        QVERIFY2(access->reason().contains(QStringLiteral("upgrade")),
                 qPrintable(access->reason()));
        QPushButton *level = setting()->form()->pushButtonMotorIdelSpeedLevel4;
        const bool lit = level->isChecked();
        const quint64 uploads = m_link->counters().headChoices;
        QTest::mouseClick(level, Qt::LeftButton);
        QCOMPARE(level->isChecked(), lit);
        QCOMPARE(m_link->counters().headChoices, uploads);

        // The tool tip is there for the pointer over a disabled control.
        QHelpEvent tip(QEvent::ToolTip, QPoint(2, 2), level->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(level, &tip);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), access->reason());
        QToolTip::hideText();

        QSignalSpy read(m_link, &Commrt::parametersChanged);
        m_link->openPortForCommunication();
        QCOMPARE(access->state(), EditAccess::State::NotConnected);
        QVERIFY(read.wait(kWaitMs));
        QVERIFY2(editable(&why), qPrintable(why));
    }

    // What was typed when the link stopped taking edits is not sent later.
    void typingCutOffByTheLossIsNotSentLater()
    {
        QVERIFY(connectArea());
        setting()->form()->tabWidget->setCurrentIndex(kLimitsTab);
        QVERIFY(pageinput::showActive(m_area));
        const qint32 altitude = blockaccess::valueNow("LimitAlt");
        pageinput::typeInto(setting()->form()->doubleSpinBoxAltitudeLimit, QStringLiteral("321"));
        const quint64 uploads = m_link->counters().headChoices;
        m_link->closePortForUpgrade();
        QCOMPARE(setting()->form()->doubleSpinBoxAltitudeLimit->value(), double(altitude));
        QCOMPARE(fieldmarks::markOf(setting()->form()->doubleSpinBoxAltitudeLimit), QString());
        QSignalSpy read(m_link, &Commrt::parametersChanged);
        m_link->openPortForCommunication();
        QVERIFY(read.wait(kWaitMs));
        QTest::qWait(500);
        QCOMPARE(m_link->counters().headChoices, uploads);
        QCOMPARE(blockaccess::valueNow("LimitAlt"), altitude);
    }
};

QTEST_MAIN(TestEditAccess)
#include "tst_editaccess.moc"
