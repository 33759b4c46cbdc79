// Ctrl+Z on the configuration pages against the simulator: it takes back only the pilot's own
// edits of the block the controller holds now, never a value from before the block was replaced
// from outside (a new read, an import, a restore), it is there while a box has the focus, and
// what it did stays readable in the status bar.
#include "fclink/link/commrt.h"
#include "fclink/link/parameterslices.h"
#include "fclink/link/portnaming.h"
#include "fclink/model/parameterfields.h"
#include "fclink/model/parameterformat.h"
#include "fclink/model/uavparam.h"
#include "fclink/storage/parameterfile.h"
#include "skydesk/common/appsettings.h"
#include "skydesk/history/configurationhistorydialog.h"
#include "skydesk/history/edithistory.h"
#include "skydesk/history/snapshotrecorder.h"
#include "skydesk/pages/advancesettingpage.h"
#include "skydesk/pages/parameterbinder.h"
#include "skydesk/pages/toolsettingpage.h"
#include "skydesk/shell/contentwidget.h"
#include "skydesk/shell/mainwidget.h"
#include "skydesk/shell/statuswidget.h"
#include "skydesk/shell/toolwidget.h"
#include "tests/support/blockaccess.h"
#include "tests/support/pageundertest.h"
#include "tests/support/simulatortest.h"
#include "tests/support/testfolders.h"
#include "ui_advancesettingpage.h"

#include <QtTest>
#include <QtWidgets>

namespace {

constexpr int kWaitMs = 10000;
constexpr int kLimitsTab = 4;

qint32 simulatorHolds(const FcsimProcess &sim, const char *name)
{
    const std::optional<fclink::BlockImage> block = sim.dumpedBlock();
    return block ? block->value(name) : -1;
}

bool showActive(QWidget *window)
{
    window->show();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

// A parameter file of the simulator's factory block with one value changed.
bool writeFile(const QString &path, const char *name, qint32 value)
{
    fclink::BlockImage block = fclink::BlockImage::defaults();
    block.setValue(name, value);
    QString error;
    return fclink::saveParameterFile(path, block, &error);
}

} // namespace

class TestEditHistory : public SimulatorTest
{
    Q_OBJECT

private:
    std::unique_ptr<PageUnderTest<contentWidget>> m_t;
    Commrt *m_link = nullptr;
    contentWidget *m_area = nullptr;
    std::unique_ptr<QSignalSpy> m_verified;

    QDoubleSpinBox *altitudeBox() const
    {
        return m_area->advanceSettingPage()->form()->doubleSpinBoxAltitudeLimit;
    }

    bool connectArea()
    {
        QSignalSpy read(m_link, &Commrt::parametersChanged);
        m_link->setPortName(m_sim->linkPath());
        m_link->connectCom();
        return read.wait(kWaitMs) && m_link->isConnected();
    }

    // Types the altitude into its box and waits until the controller has it.
    bool editAltitude(int metres)
    {
        const int before = m_verified->count();
        QDoubleSpinBox *box = altitudeBox();
        box->setFocus(Qt::MouseFocusReason);
        box->selectAll();
        QTest::keyClicks(box, QString::number(metres));
        QTest::keyClick(box, Qt::Key_Return);
        return QTest::qWaitFor([&] { return m_verified->count() > before; }, kWaitMs) &&
               simulatorHolds(*m_sim, "LimitAlt") == metres;
    }

    void pressUndo()
    {
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : m_area, Qt::Key_Z, Qt::ControlModifier);
    }

    // The page area with its own link, connected to the simulator.
    bool openArea()
    {
        m_t = std::make_unique<PageUnderTest<contentWidget>>(false);
        m_link = m_t->link();
        m_area = m_t->page();
        m_link->start();
        m_area->advanceSettingPage()->form()->tabWidget->setCurrentIndex(kLimitsTab);
        m_verified = std::make_unique<QSignalSpy>(m_link, &Commrt::uploadVerified);
        return showActive(m_area) && connectArea();
    }

private slots:
    // The base's own set-up does not run beside these: the folder is made here.
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        useTestFolders(m_dir->path());
        QVERIFY(startSim());
    }

    void cleanup()
    {
        m_verified.reset();
        if (m_link)
            m_link->disconnectCom();
        m_t.reset();
        m_link = nullptr;
        m_area = nullptr;
        m_sim.reset();
        m_dir.reset();
    }

    // The controller's block changed while the link was away: by another program between a
    // disconnect and a connect, or by a firmware upgrade that reset it.
    void aReconnectEndsTheHistory_data()
    {
        QTest::addColumn<bool>("upgrade");
        QTest::newRow("disconnect and connect") << false;
        QTest::newRow("firmware upgrade") << true;
    }

    // The controller held 400 when it came back: the edit made before holds no longer.
    void aReconnectEndsTheHistory()
    {
        QFETCH(bool, upgrade);
        QVERIFY(openArea());
        QVERIFY(editAltitude(250));
        QCOMPARE(m_area->editHistory()->size(), 1);
        if (upgrade)
            m_link->closePortForUpgrade();
        else
            m_link->disconnectCom();
        m_sim->stop();
        const QString state = m_dir->filePath(QStringLiteral("state.conf"));
        QVERIFY(writeFile(state, "LimitAlt", 400));
        QVERIFY(m_sim->start({QStringLiteral("--state"), state}));
        if (upgrade) {
            QSignalSpy read(m_link, &Commrt::parametersChanged);
            m_link->openPortForCommunication();
            QVERIFY(read.wait(kWaitMs));
        } else {
            QVERIFY(connectArea());
        }
        QCOMPARE(blockaccess::valueNow("LimitAlt"), 400);
        QCOMPARE(m_area->editHistory()->size(), 0);
        const quint64 uploads = m_link->counters().headChoices;
        pressUndo();
        QTest::qWait(300);
        QCOMPARE(m_link->counters().headChoices, uploads);
        QCOMPARE(blockaccess::valueNow("LimitAlt"), 400);
        QCOMPARE(simulatorHolds(*m_sim, "LimitAlt"), 400);
    }

    void anImportEndsTheHistory()
    {
        QVERIFY(openArea());
        QVERIFY(editAltitude(250));
        const QString path = m_dir->filePath(QStringLiteral("import.conf"));
        QVERIFY(writeFile(path, "LimitAlt", 600));
        QString error;
        QVERIFY2(m_area->toolSettingPage()->importParametersFrom(path, &error), qPrintable(error));
        QCOMPARE(m_area->editHistory()->size(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(simulatorHolds(*m_sim, "LimitAlt"), 600, kWaitMs);
        pressUndo();
        QTest::qWait(300);
        QCOMPARE(blockaccess::valueNow("LimitAlt"), 600);
        QCOMPARE(simulatorHolds(*m_sim, "LimitAlt"), 600);
    }

    // The snapshot taken at the connect is restored over two edits.
    void aRestoreEndsTheHistory()
    {
        QVERIFY(openArea());
        const qint32 connected = blockaccess::valueNow("LimitAlt");
        QTRY_VERIFY_WITH_TIMEOUT(!m_area->snapshotRecorder()->store().list().isEmpty(), kWaitMs);
        QVERIFY(editAltitude(250));
        QVERIFY(editAltitude(333));
        QCOMPARE(m_area->editHistory()->size(), 2);
        ConfigurationHistoryDialog *dialog = m_area->historyDialog();
        dialog->compareWithController();
        const int before = m_verified->count();
        QVERIFY(dialog->restoreAll());
        QTRY_COMPARE_WITH_TIMEOUT(m_verified->count(), before + 1, kWaitMs);
        QCOMPARE(simulatorHolds(*m_sim, "LimitAlt"), connected);
        QCOMPARE(m_area->editHistory()->size(), 0);
        pressUndo();
        QTest::qWait(300);
        QCOMPARE(m_verified->count(), before + 1);
        QCOMPARE(blockaccess::valueNow("LimitAlt"), connected);
    }

    // A step whose field has changed since is not taken back: it would upload a stale value.
    void aStepUndoesOnlyWhatItStillHolds()
    {
        QVERIFY(openArea());
        QVERIFY(editAltitude(250));
        EditHistory *history = m_area->editHistory();
        blockaccess::setValueNow("LimitAlt", 444); // changed by anything but this edit
        const quint64 uploads = m_link->counters().headChoices;
        const QString said = history->undo();
        QCOMPARE(m_link->counters().headChoices, uploads);
        QCOMPARE(blockaccess::valueNow("LimitAlt"), 444);
        QVERIFY2(said.contains(QStringLiteral("Not undone")), qPrintable(said));
        QVERIFY2(said.contains(QStringLiteral("444 m")), qPrintable(said));
        QCOMPARE(history->size(), 0);
    }

    // Right after Enter, Ctrl+Z in the box takes the edit back; while the pilot is typing it
    // takes back the typing only.
    void ctrlZWorksWithTheFocusInABox()
    {
        QVERIFY(openArea());
        const qint32 before = blockaccess::valueNow("LimitAlt");
        QVERIFY(editAltitude(250));
        QVERIFY(altitudeBox()->hasFocus());
        const int verified = m_verified->count();
        pressUndo();
        QCOMPARE(blockaccess::valueNow("LimitAlt"), before);
        QTRY_COMPARE_WITH_TIMEOUT(m_verified->count(), verified + 1, kWaitMs);
        QCOMPARE(simulatorHolds(*m_sim, "LimitAlt"), before);
        QCOMPARE(altitudeBox()->value(), double(before));

        QVERIFY(editAltitude(260));
        QTest::keyClicks(altitudeBox(), QStringLiteral("9"));
        const quint64 uploads = m_link->counters().headChoices;
        pressUndo();
        QCOMPARE(m_link->counters().headChoices, uploads);
        QCOMPARE(blockaccess::valueNow("LimitAlt"), 260);
        QCOMPARE(m_area->editHistory()->size(), 1);
    }

    // The status bar keeps saying what Ctrl+Z did once the upload it started is verified.
    void theUndoneNoticeOutlastsTheUpload()
    {
        qputenv(fclink::kExtraPortsVariable, m_sim->linkPath().toLocal8Bit());
        const QString savedPort = AppSettings::savedPort();
        AppSettings::setSavedPort(m_sim->linkPath());
        {
            mainWidget window(nullptr, nullptr, false);
            QVERIFY(showActive(&window));
            QSignalSpy read(window.link(), &Commrt::parametersChanged);
            QTest::mouseClick(window.connectionBar()->connectButton(), Qt::LeftButton);
            QVERIFY(read.wait(kWaitMs));
            AdvanceSettingPage *page = window.pageArea()->advanceSettingPage();
            page->form()->tabWidget->setCurrentIndex(kLimitsTab);
            QDoubleSpinBox *box = page->form()->doubleSpinBoxAltitudeLimit;
            const int before = qRound(box->value());
            QSignalSpy verified(window.link(), &Commrt::uploadVerified);
            box->setFocus(Qt::MouseFocusReason);
            box->selectAll();
            QTest::keyClicks(box, QStringLiteral("250"));
            QTest::keyClick(box, Qt::Key_Return);
            QVERIFY(verified.wait(kWaitMs));
            QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
            const QString undone = QStringLiteral("Undone: Max Altitude 250 m → %1 m").arg(before);
            QCOMPARE(window.statusBar()->statusText(), undone);
            QVERIFY(verified.wait(kWaitMs));
            QTest::qWait(200);
            QCOMPARE(window.statusBar()->statusText(), undone);
            QCOMPARE(simulatorHolds(*m_sim, "LimitAlt"), before);
        }
        AppSettings::setSavedPort(savedPort);
        qunsetenv(fclink::kExtraPortsVariable);
    }
};

QTEST_MAIN(TestEditHistory)
#include "tst_edithistory.moc"
