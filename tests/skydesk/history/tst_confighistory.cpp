// The configuration history: the comparison of two blocks for people, the history window with
// and without a flight controller, snapshots taken by themselves, and undo across pages.
#include "fclink/link/commrt.h"
#include "fclink/link/parameterslices.h"
#include "fclink/model/parameterfields.h"
#include "fclink/model/parameterformat.h"
#include "fclink/model/uavparam.h"
#include "fclink/storage/parameterfile.h"
#include "skydesk/common/helpbrowser.h"
#include "skydesk/common/stylesheet.h"
#include "skydesk/history/configurationhistorydialog.h"
#include "skydesk/history/edithistory.h"
#include "skydesk/history/parametercomparison.h"
#include "skydesk/history/snapshotrecorder.h"
#include "skydesk/pages/advancesettingpage.h"
#include "skydesk/pages/internalsettingpage.h"
#include "skydesk/pages/toolsettingpage.h"
#include "skydesk/shell/contentwidget.h"
#include "tests/support/blockaccess.h"
#include "tests/support/fcsimprocess.h"
#include "tests/support/pageundertest.h"
#include "tests/support/testfolders.h"
#include "ui_advancesettingpage.h"
#include "ui_configurationhistorydialog.h"
#include "ui_internalsettingpage.h"

#include <QtTest>
#include <QtWidgets>

namespace {

constexpr int kWaitMs = 10000;

using Block = fclink::BlockImage;

void setValue(Block &block, const char *name, qint32 value)
{
    block.setValue(name, value);
}

Block defaults()
{
    return Block::defaults();
}

QStringList childTexts(QTreeWidgetItem *heading, int column)
{
    QStringList texts;
    for (int i = 0; i < heading->childCount(); ++i)
        texts << heading->child(i)->text(column);
    return texts;
}

} // namespace

class TestConfigHistory : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString storeFolder() const { return m_dir->filePath(QStringLiteral("snapshots")); }

    fclink::Snapshot storeSnapshot(SnapshotRecorder &recorder, const Block &block,
                                   fclink::SnapshotReason reason, const QString &note)
    {
        blockaccess::setBlock(block);
        recorder.take(reason, note);
        return recorder.store().list().first();
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        // Snapshots the page area takes by itself go to the test's folder.
        useTestFolders(m_dir->path());
    }

    void comparisonListsOnlyDifferencesByPageAndTab()
    {
        const Block a = defaults();
        Block b = a;
        setValue(b, "LimitAlt", 500);
        setValue(b, "FailType", 0);
        setValue(b, "MotorIdel", 4);
        setValue(b, "PKp", 200); // a gain: a signed byte in the file, 0..255 on the page
        setValue(b, "spare98", 7);
        const QVector<DifferenceSection> sections = compareBlocks(a, b);
        QCOMPARE(differenceCount(sections), 5);
        QStringList titles;
        for (const DifferenceSection &section : sections)
            titles << section.title;
        // In the order a pilot meets them: the setting page's tabs, the internal page, the rest.
        QCOMPARE(titles.size(), 5);
        QVERIFY2(titles.at(0).startsWith("Setting – Motor"), qPrintable(titles.join('|')));
        QVERIFY2(titles.at(1).startsWith("Setting – FailSafe"), qPrintable(titles.join('|')));
        QVERIFY2(titles.at(2).startsWith("Setting – Limits"), qPrintable(titles.join('|')));
        QVERIFY2(titles.at(3).startsWith("Internal – Param3"), qPrintable(titles.join('|')));
        QVERIFY2(titles.at(4).startsWith("Not shown"), qPrintable(titles.join('|')));

        const FieldDifference &limit = sections.at(2).differences.first();
        QCOMPARE(QLatin1String(limit.field->name), QLatin1String("LimitAlt"));
        QCOMPARE(limit.firstShown, QStringLiteral("120 m"));
        QCOMPARE(limit.secondShown, QStringLiteral("500 m"));
        QCOMPARE(limit.first, 120);
        QCOMPARE(limit.second, 500);
        const FieldDifference &method = sections.at(1).differences.first();
        QCOMPARE(method.firstShown, QStringLiteral("Alt Go-Home"));
        QCOMPARE(method.secondShown, QStringLiteral("Hover"));
        const FieldDifference &gain = sections.at(3).differences.first();
        QCOMPARE(gain.secondShown, QStringLiteral("200"));
        QCOMPARE(gain.second, -56); // as the parameter file holds it
        QVERIFY(compareBlocks(a, a).isEmpty());
    }

    void historyWindowWorksWithoutAController()
    {
        Commrt *link = Commrt::createClass();
        SnapshotRecorder recorder(link, nullptr, storeFolder());
        Block older = defaults();
        setValue(older, "TurnbackHeight", 40);
        const fclink::Snapshot first =
            storeSnapshot(recorder, older, fclink::SnapshotReason::OnDemand, "first flight");
        Block newer = older;
        setValue(newer, "TurnbackHeight", 80);
        setValue(newer, "LossVolt", 1050);
        storeSnapshot(recorder, newer, fclink::SnapshotReason::BeforeImport, QString());

        ConfigurationHistoryDialog dialog(link, &recorder);
        QTreeWidget *list = dialog.form()->treeWidgetSnapshots;
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->topLevelItem(0)->text(2), QStringLiteral("Before import"));
        QCOMPARE(list->topLevelItem(1)->text(3), QStringLiteral("first flight"));
        QCOMPARE(list->topLevelItem(1)->text(1), QStringLiteral("0.00"));
        QVERIFY(!dialog.form()->pushButtonCompareController->isEnabled());

        // Two snapshots: the current one is what a restore would upload.
        list->topLevelItem(0)->setSelected(true);
        list->setCurrentItem(list->topLevelItem(1), 0, QItemSelectionModel::Select);
        QVERIFY(dialog.form()->pushButtonCompareSnapshots->isEnabled());
        dialog.compareSelected();
        QCOMPARE(differenceCount(dialog.differences()), 2);
        QTreeWidget *tree = dialog.form()->treeWidgetDifferences;
        QCOMPARE(tree->topLevelItemCount(), 2);
        QTreeWidgetItem *goHome = tree->topLevelItem(0);
        QVERIFY2(goHome->text(0).startsWith("Setting – FailSafe"), qPrintable(goHome->text(0)));
        QCOMPARE(childTexts(goHome, 0), QStringList{"Go-Home Altitude"});
        QCOMPARE(childTexts(goHome, 1), QStringList{"40 m"});
        QCOMPARE(childTexts(goHome, 2), QStringList{"80 m"});
        QCOMPARE(goHome->child(0)->toolTip(1), QStringLiteral("TurnbackHeight: 40 → 80"));
        QCOMPARE(childTexts(tree->topLevelItem(1), 2), QStringList{"10.50 V"});

        // A parameter file, and one that is not.
        const QString file = m_dir->filePath("plan.conf");
        QString error;
        QVERIFY(fclink::saveParameterFile(file, older, &error));
        QVERIFY(dialog.compareWithFile(file));
        QCOMPARE(differenceCount(dialog.differences()), 0);
        QCOMPARE(dialog.notice(), QStringLiteral("No differences."));
        QFile broken(m_dir->filePath("broken.conf"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("[General]\nvar0=1\n");
        broken.close();
        QVERIFY(!dialog.compareWithFile(broken.fileName()));
        QVERIFY2(dialog.notice().contains("broken.conf"), qPrintable(dialog.notice()));

        // Restoring needs the controller, and says so; nothing changes.
        QVERIFY(dialog.compareWithFile(file));
        const Block before = blockaccess::blockNow();
        QVERIFY(!dialog.restoreAll());
        QCOMPARE(dialog.notice(),
                 QStringLiteral("Connect the flight controller to restore a configuration."));
        QCOMPARE(blockaccess::blockNow(), before);
        Commrt::destroyClass(link);
    }

    // The help the window opens with is drawn on a light ground, as the page area's style sheet
    // (which the window inherits from the page area) leaves help views transparent.
    void helpIsDarkTextOnALightGround()
    {
        Commrt *link = Commrt::createClass();
        SnapshotRecorder recorder(link, nullptr, storeFolder());
        QWidget area;
        area.setStyleSheet(StyleSheet::pageArea());
        auto *dialog = new ConfigurationHistoryDialog(link, &recorder, &area);
        HelpBrowser *help = dialog->form()->webViewHelp;
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QVERIFY(!help->toPlainText().trimmed().isEmpty());
        const QImage shown = dialog->grab().toImage();
        const QRect view(help->mapTo(dialog, QPoint(0, 0)), help->size());
        // Most of a help page is its ground, between and beside the lines of text.
        int light = 0;
        int all = 0;
        for (int y = view.top() + 2; y < view.bottom() - 2; y += 3) {
            for (int x = view.left() + 2; x < view.right() - 2; x += 3) {
                ++all;
                if (qGray(shown.pixel(x, y)) > 200)
                    ++light;
            }
        }
        QVERIFY2(light * 10 > all * 8,
                 qPrintable(QStringLiteral("%1 of %2 points light").arg(light).arg(all)));
        delete dialog;
        Commrt::destroyClass(link);
    }

    void snapshotsOnConnectOnceAndRestoreOfSelectedFields()
    {
        FcsimProcess sim(m_dir->path());
        QVERIFY(sim.start());
        Commrt *link = Commrt::createClass();
        link->start();
        SnapshotRecorder recorder(link, nullptr, storeFolder());
        QSignalSpy taken(&recorder, &SnapshotRecorder::snapshotTaken);
        QSignalSpy verified(link, &Commrt::uploadVerified);
        link->setPortName(sim.linkPath());
        link->connectCom();
        QTRY_COMPARE_WITH_TIMEOUT(taken.count(), 1, kWaitMs);
        QCOMPARE(recorder.store().list().size(), 1);
        QCOMPARE(recorder.store().list().first().reason, fclink::SnapshotReason::Connect);
        QVERIFY(recorder.store().list().first().readBlock() == sim.block());

        // Connecting again to the unchanged controller adds nothing.
        link->connectCom();
        QTRY_COMPARE_WITH_TIMEOUT(taken.count(), 2, kWaitMs);
        QCOMPARE(recorder.store().list().size(), 1);

        // The controller changes in three fields; the pilot restores two of them.
        const Block original = sim.block();
        Block changed = original;
        setValue(changed, "LimitAlt", 900);
        setValue(changed, "LimitRadius", 900);
        setValue(changed, "MotorIdel", 5);
        blockaccess::setBlock(changed);
        link->uploadParameters();
        QTRY_COMPARE_WITH_TIMEOUT(verified.count(), 1, kWaitMs);
        QCOMPARE(sim.block(), changed);

        ConfigurationHistoryDialog dialog(link, &recorder);
        QSignalSpy restored(&dialog, &ConfigurationHistoryDialog::configurationRestored);
        dialog.compareWithController();
        QCOMPARE(differenceCount(dialog.differences()), 3);
        QTreeWidget *tree = dialog.form()->treeWidgetDifferences;
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            QTreeWidgetItem *heading = tree->topLevelItem(i);
            for (int j = 0; j < heading->childCount(); ++j)
                if (heading->child(j)->data(0, Qt::UserRole).toString() == "LimitRadius")
                    heading->child(j)->setCheckState(0, Qt::Unchecked);
        }
        QVERIFY(dialog.restoreSelected());
        QCOMPARE(restored.count(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(verified.count(), 2, kWaitMs);
        QVERIFY(verified.last().at(0).toBool());

        Block expected = changed;
        setValue(expected, "LimitAlt", original.value("LimitAlt"));
        setValue(expected, "MotorIdel", original.value("MotorIdel"));
        QCOMPARE(sim.block(), expected);
        // A snapshot of the result follows the verification, and the comparison follows too.
        QTRY_COMPARE_WITH_TIMEOUT(recorder.store().list().first().reason,
                                  fclink::SnapshotReason::AfterRestore, kWaitMs);
        QCOMPARE(differenceCount(dialog.differences()), 1);

        link->disconnectCom();
        link->stop();
        Commrt::destroyClass(link);
    }

    // The replies carry only the low 8 bits of the firmware version; every snapshot holds the
    // whole version all the same, the one taken at the connection too.
    void snapshotsCarryTheWholeFirmwareVersion_data()
    {
        QTest::addColumn<int>("firmware");
        QTest::newRow("1.05") << 105;
        QTest::newRow("2.56") << 256;
        QTest::newRow("3.00") << 300;
    }

    void snapshotsCarryTheWholeFirmwareVersion()
    {
        QFETCH(int, firmware);
        FcsimProcess sim(m_dir->path());
        QVERIFY(sim.start({"--firmware", QString::number(firmware)}));
        Commrt *link = Commrt::createClass();
        link->start();
        {
            SnapshotRecorder recorder(link, nullptr, storeFolder());
            QSignalSpy taken(&recorder, &SnapshotRecorder::snapshotTaken);
            link->setPortName(sim.linkPath());
            link->connectCom();
            QTRY_COMPARE_WITH_TIMEOUT(taken.count(), 1, kWaitMs);
            QCOMPARE(recorder.store().list().first().reason, fclink::SnapshotReason::Connect);
            QCOMPARE(recorder.store().list().first().firmwareVersion, firmware);
            QVERIFY(recorder.take(fclink::SnapshotReason::OnDemand, "mine"));
            QCOMPARE(recorder.store().list().first().note, QStringLiteral("mine"));
            QCOMPARE(recorder.store().list().first().firmwareVersion, firmware);
        }
        link->disconnectCom();
        link->stop();
        Commrt::destroyClass(link);
    }

    void undoTakesBackEditsAcrossPages()
    {
        FcsimProcess sim(m_dir->path());
        QVERIFY(sim.start());
        PageUnderTest<contentWidget> fixture(true);
        Commrt *link = fixture.link();
        contentWidget &area = *fixture.page();
        link->start();
        area.show();
        QSignalSpy notices(&area, &contentWidget::noticeStatusChanged);
        QSignalSpy verified(link, &Commrt::uploadVerified);
        link->setPortName(sim.linkPath());
        link->connectCom();
        QTRY_VERIFY_WITH_TIMEOUT(link->isConnected() && sim.block() == blockaccess::blockNow(),
                                 kWaitMs);
        QTest::qWait(300);
        const qint32 idle = blockaccess::valueNow("MotorIdel");
        const qint32 trim = blockaccess::valueNow("ServoTrim3");

        QTest::mouseClick(area.advanceSettingPage()->form()->pushButtonMotorIdelSpeedLevel5,
                          Qt::LeftButton);
        QCOMPARE(blockaccess::valueNow("MotorIdel"), 5);
        QTRY_COMPARE_WITH_TIMEOUT(verified.count(), 1, kWaitMs);
        QSpinBox *box = area.internalSettingPage()->form()->spinBoxServoTrim3;
        box->setFocus();
        box->stepUp();
        QCOMPARE(blockaccess::valueNow("ServoTrim3"), trim + 1);
        QTRY_COMPARE_WITH_TIMEOUT(verified.count(), 2, kWaitMs);
        QCOMPARE(area.editHistory()->size(), 2);

        area.setFocus();
        QTest::keyClick(&area, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(blockaccess::valueNow("ServoTrim3"), trim);
        QCOMPARE(box->value(), trim);
        QCOMPARE(notices.last().at(0).toString(),
                 QStringLiteral("Undone: %1 %2 → %3")
                     .arg(fclink::fieldCaption(*fclink::findParameterField("ServoTrim3")))
                     .arg(trim + 1)
                     .arg(trim));
        QTRY_COMPARE_WITH_TIMEOUT(verified.count(), 3, kWaitMs);
        area.undoLastEdit();
        QCOMPARE(blockaccess::valueNow("MotorIdel"), idle);
        QTRY_COMPARE_WITH_TIMEOUT(verified.count(), 4, kWaitMs);
        QCOMPARE(sim.block(), blockaccess::blockNow());
        QCOMPARE(blockaccess::valueNow("MotorIdel"), idle);
        QCOMPARE(area.editHistory()->size(), 0);
        area.undoLastEdit(); // nothing left: nothing happens
        QCOMPARE(blockaccess::valueNow("MotorIdel"), idle);

        link->disconnectCom();
        link->stop();
        area.hide();
    }

    void importTakesASnapshotOfTheControllerFirst()
    {
        FcsimProcess sim(m_dir->path());
        QVERIFY(sim.start());
        PageUnderTest<contentWidget> fixture(false);
        Commrt *link = fixture.link();
        contentWidget &area = *fixture.page();
        link->start();
        link->setPortName(sim.linkPath());
        link->connectCom();
        QTRY_VERIFY_WITH_TIMEOUT(
            link->isConnected() && area.snapshotRecorder()->store().list().size() == 1, kWaitMs);

        Block file = defaults();
        setValue(file, "LimitAlt", 777);
        const QString path = m_dir->filePath("import.conf");
        QString error;
        QVERIFY(fclink::saveParameterFile(path, file, &error));
        QVERIFY(area.toolSettingPage()->importParametersFrom(path, &error));
        const QVector<fclink::Snapshot> snapshots = area.snapshotRecorder()->store().list();
        QCOMPARE(snapshots.size(), 1); // the controller's block was kept on connect already

        // Once the file has reached the controller, the next import keeps what it holds then.
        setValue(file, "LimitAlt", 778);
        QTRY_COMPARE_WITH_TIMEOUT(sim.block().value("LimitAlt"), 777, kWaitMs);
        QVERIFY(fclink::saveParameterFile(path, file, &error));
        QVERIFY(area.toolSettingPage()->importParametersFrom(path, &error));
        const fclink::Snapshot beforeImport = area.snapshotRecorder()->store().list().first();
        QCOMPARE(beforeImport.reason, fclink::SnapshotReason::BeforeImport);
        QCOMPARE(beforeImport.readBlock().value_or(Block()).value("LimitAlt"), 777);
        link->disconnectCom();
        link->stop();
    }
};

QTEST_MAIN(TestConfigHistory)
#include "tst_confighistory.moc"
