// Working without the aircraft: a configuration opened on the pages without a controller,
// edited with the pages' rules and saved back byte for byte; the choice when a controller is
// connected meanwhile, with nothing sent before it; presets applied offline and connected.
#include "fclink/link/commrt.h"
#include "fclink/link/parameterslices.h"
#include "fclink/model/parameterblock.h"
#include "fclink/model/parameterfields.h"
#include "fclink/storage/parameterfile.h"
#include "skydesk/history/edithistory.h"
#include "skydesk/offline/comparisondialog.h"
#include "skydesk/offline/offlineeditor.h"
#include "skydesk/pages/advancesettingpage.h"
#include "skydesk/pages/editaccess.h"
#include "skydesk/pages/toolsettingpage.h"
#include "skydesk/shell/contentwidget.h"
#include "tests/skydesk/pages/pageinput.h"
#include "tests/support/modalanswerer.h"
#include "tests/support/pageundertest.h"
#include "tests/support/simulatortest.h"
#include "tests/support/testfolders.h"
#include "ui_advancesettingpage.h"
#include "ui_comparisondialog.h"
#include "ui_toolsettingpage.h"

#include <QtTest>
#include <QtWidgets>

namespace {

constexpr int kWaitMs = 10000;
// How long a test watches the simulator for a write that must not come.
constexpr int kQuietMs = 800;

using Block = fclink::BlockImage;

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The lines in which two texts differ.
QList<QByteArray> differingLines(const QByteArray &first, const QByteArray &second)
{
    const QList<QByteArray> a = first.split('\n');
    const QList<QByteArray> b = second.split('\n');
    QList<QByteArray> differing;
    for (int i = 0; i < qMax(a.size(), b.size()); ++i) {
        if (a.value(i) != b.value(i))
            differing << a.value(i) + " | " + b.value(i);
    }
    return differing;
}

QByteArray keyOf(const char *field)
{
    return fclink::findParameterField(QLatin1String(field))->fileKeyName().toLatin1();
}

} // namespace

class TestOfflineConfiguration : public SimulatorTest
{
    Q_OBJECT

private:
    std::unique_ptr<PageUnderTest<contentWidget>> m_t;
    Commrt *m_link = nullptr;
    contentWidget *m_area = nullptr;

    OfflineEditor *editor() const { return m_area->offlineEditor(); }
    Ui::ToolSettingPageUi *tools() const { return m_area->toolSettingPage()->form(); }
    QDoubleSpinBox *altitudeBox() const
    {
        return m_area->advanceSettingPage()->form()->doubleSpinBoxAltitudeLimit;
    }

    QString writeFile(const QString &name, const Block &block)
    {
        const QString path = m_dir->filePath(name);
        QString error;
        return fclink::saveParameterFile(path, block, &error) ? path : QString();
    }

    QString writeText(const QString &name, const QByteArray &text)
    {
        const QString path = m_dir->filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            return QString();
        return path;
    }

    bool connectArea()
    {
        QSignalSpy read(m_link, &Commrt::blockReadAfterOpen);
        m_link->setPortName(m_sim->linkPath());
        m_link->connectCom();
        return read.wait(kWaitMs);
    }

    // Requests that carried a slice of the block to the controller.
    int writeRequests() const
    {
        int writes = 0;
        for (const FcsimProcess::Request &request : m_sim->requests()) {
            if (request.head >= 1 && request.head <= fclink::kSliceCount)
                ++writes;
        }
        return writes;
    }

    // The controller's block with three fields changed.
    Block differingFrom(const Block &controller) const
    {
        Block other = controller;
        other.setValue("LimitAlt", controller.value("LimitAlt") == 250 ? 260 : 250);
        other.setValue("LimitRadius", controller.value("LimitRadius") == 800 ? 810 : 800);
        other.setValue("MotorIdel", controller.value("MotorIdel") == 3 ? 4 : 3);
        return other;
    }

    void commitAltitude(const QString &typed)
    {
        m_area->advanceSettingPage()->form()->tabWidget->setCurrentWidget(
            altitudeBox()->parentWidget()->parentWidget());
        pageinput::typeInto(altitudeBox(), typed);
        QTest::keyClick(altitudeBox(), Qt::Key_Return);
    }

private slots:
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
        QVERIFY(pageinput::showActive(m_area));
    }

    void cleanup()
    {
        m_link->disconnectCom();
        m_t.reset();
        m_sim.reset();
        m_dir.reset();
    }

    // However it is opened, the pages show the configuration and say so; the fields take
    // edits, the controller's commands do not, and say why.
    void openedWithoutAController_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("name");
        QTest::newRow("file") << "file"
                              << "Offline: aircraft.conf";
        QTest::newRow("import without a controller") << "import"
                                                     << "Offline: aircraft.conf";
        QTest::newRow("defaults") << "defaults"
                                  << "Offline: Defaults";
        QTest::newRow("snapshot") << "snapshot"
                                  << "Offline: Tuesday";
    }

    void openedWithoutAController()
    {
        QFETCH(QString, way);
        QFETCH(QString, name);
        Block block = Block::defaults();
        block.setValue("LimitAlt", 345);
        const QString path = writeFile(QStringLiteral("aircraft.conf"), block);
        QVERIFY(!path.isEmpty());
        if (way == QLatin1String("file")) {
            QString error;
            QVERIFY2(editor()->openFile(path, &error), qPrintable(error));
        } else if (way == QLatin1String("import")) {
            emit m_area->toolSettingPage()->openOfflineRequested(path);
        } else if (way == QLatin1String("defaults")) {
            block = Block::defaults();
            QVERIFY(editor()->openDefaults());
        } else {
            QVERIFY(editor()->openBlock(block, QStringLiteral("Tuesday")));
        }
        QCOMPARE(editor()->title(), name);
        QCOMPARE(fclink::ParameterBlock::copy(), block);
        QCOMPARE(altitudeBox()->value(), double(block.value("LimitAlt")));
        EditAccess *access = m_area->editAccess();
        QCOMPARE(access->state(), EditAccess::State::Offline);
        QVERIFY(altitudeBox()->isEnabled());
        for (QWidget *command : {static_cast<QWidget *>(tools()->pushButtonCalibAcc),
                                 static_cast<QWidget *>(tools()->pushButtonWriteToFlash)}) {
            QVERIFY(!command->isEnabled());
            QCOMPARE(command->toolTip(), access->commandReason());
        }
        QVERIFY(access->commandReason().startsWith(QStringLiteral("Offline")));
        QVERIFY(tools()->pushButtonSaveConfiguration->isEnabled());
    }

    // An edit commits into the configuration (never the link) and marks it unsaved; a save
    // changes the file only in the edited field's line, keeping everything else as written.
    void editAndSaveChangeOnlyTheEditedField()
    {
        QByteArray text = readAll(writeFile(QStringLiteral("x.conf"), Block::defaults()));
        text.replace("\n", "\r\n");
        text.prepend("; by hand\r\n");
        text.replace(keyOf("LimitRadius") + '=', keyOf("LimitRadius") + " = +");
        const QString path = writeText(QStringLiteral("hand.conf"), text);
        QVERIFY(editor()->openFile(path));
        QVERIFY(!editor()->isModified());

        commitAltitude(QStringLiteral("250"));
        QVERIFY(editor()->isModified());
        QCOMPARE(editor()->title(), QStringLiteral("Offline: hand.conf*"));
        QCOMPARE(editor()->configuration()->block().value("LimitAlt"), 250);
        QCOMPARE(m_sim->requestCount(), 0);

        QVERIFY(editor()->save());
        QVERIFY(!editor()->isModified());
        QCOMPARE(editor()->title(), QStringLiteral("Offline: hand.conf"));
        const QList<QByteArray> changed = differingLines(text, readAll(path));
        QCOMPARE(changed.size(), 1);
        QVERIFY2(changed.first().startsWith(keyOf("LimitAlt") + '='), changed.first().constData());
        QVERIFY2(changed.first().endsWith("=250\r"), changed.first().constData());

        // Undo takes the edit back in the configuration, which is then unsaved again.
        m_area->undoLastEdit();
        QCOMPARE(editor()->configuration()->block().value("LimitAlt"),
                 Block::defaults().value("LimitAlt"));
        QVERIFY(editor()->isModified());
        QCOMPARE(m_sim->requestCount(), 0);

        // Save As writes the new file the same way and goes on with it.
        QString error;
        QVERIFY2(editor()->saveTo(m_dir->filePath(QStringLiteral("copy")), &error),
                 qPrintable(error));
        QCOMPARE(editor()->title(), QStringLiteral("Offline: copy.conf"));
        QCOMPARE(readAll(m_dir->filePath(QStringLiteral("copy.conf"))), text);
    }

    // Opening another configuration with unsaved changes asks first; Cancel is the default.
    void unsavedChangesAreAskedAbout_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("goesOn");
        QTest::addColumn<qint32>("inFile");
        QTest::newRow("save") << int(QMessageBox::Save) << true << 250;
        QTest::newRow("discard") << int(QMessageBox::Discard) << true << 120;
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << false << 120;
        QTest::newRow("escape") << int(QMessageBox::Escape) << false << 120;
    }

    void unsavedChangesAreAskedAbout()
    {
        QFETCH(int, answer);
        QFETCH(bool, goesOn);
        QFETCH(qint32, inFile);
        Block block = Block::defaults();
        block.setValue("LimitAlt", 120);
        const QString path = writeFile(QStringLiteral("a.conf"), block);
        QVERIFY(editor()->openFile(path));
        commitAltitude(QStringLiteral("250"));
        QVERIFY(editor()->isModified());

        std::unique_ptr<ModalAnswerer> answerer;
        QString asked;
        if (answer == int(QMessageBox::Escape)) {
            // Escape (or closing the box) is Cancel.
            QTimer::singleShot(50, [&asked] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                if (!box)
                    return;
                asked = box->text();
                QTest::keyClick(box, Qt::Key_Escape);
            });
        } else {
            answerer = std::make_unique<ModalAnswerer>();
            answerer->setAnswer(QMessageBox::StandardButton(answer));
        }
        QCOMPARE(editor()->openDefaults(), goesOn);
        if (answerer) {
            QCOMPARE(answerer->texts.size(), 1);
            asked = answerer->texts.first();
        }
        QVERIFY2(asked.contains(QStringLiteral("a.conf")), qPrintable(asked));
        QCOMPARE(editor()->title(),
                 goesOn ? QStringLiteral("Offline: Defaults") : QStringLiteral("Offline: a.conf*"));
        Block saved;
        QVERIFY(fclink::loadParameterFileStrict(path, &saved, nullptr));
        QCOMPARE(saved.value("LimitAlt"), inFile);
    }

    // A controller that holds something else: the pilot chooses, and nothing is sent before;
    // each choice leaves the controller as chosen.
    void connectingShowsTheChoice_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QStringList>("unticked");
        QTest::newRow("keep the controller's")
            << int(OfflineEditor::KeepController) << QStringList();
        QTest::newRow("send this configuration") << int(OfflineEditor::SendAll) << QStringList();
        QTest::newRow("send selected")
            << int(OfflineEditor::SendSelected) << QStringList{QStringLiteral("LimitRadius")};
    }

    void connectingShowsTheChoice()
    {
        QFETCH(int, choice);
        QFETCH(QStringList, unticked);
        const Block controller = m_sim->block();
        const Block offline = differingFrom(controller);
        const QString path = writeFile(QStringLiteral("other.conf"), offline);
        QVERIFY(editor()->openFile(path));
        const QByteArray fileBefore = readAll(path);

        QVERIFY(connectArea());
        QTRY_VERIFY_WITH_TIMEOUT(editor()->pendingChoice() != nullptr, kWaitMs);
        ComparisonDialog *dialog = editor()->pendingChoice();
        QTreeWidget *tree = dialog->form()->treeWidgetFields;
        QCOMPARE(dialog->tickedFields().size(), 3);
        QCOMPARE(tree->headerItem()->text(1), QStringLiteral("other.conf"));
        QCOMPARE(m_area->editAccess()->state(), EditAccess::State::Choosing);
        QVERIFY(!altitudeBox()->isEnabled());
        QTest::qWait(kQuietMs);
        QCOMPARE(writeRequests(), 0);
        QCOMPARE(m_sim->block(), controller);

        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            QTreeWidgetItem *heading = tree->topLevelItem(i);
            for (int j = 0; j < heading->childCount(); ++j) {
                if (unticked.contains(heading->child(j)->data(0, Qt::UserRole).toString()))
                    heading->child(j)->setCheckState(0, Qt::Unchecked);
            }
        }
        QSignalSpy verified(m_link, &Commrt::uploadVerified);
        dialog->choiceButton(choice)->click();
        QVERIFY(!editor()->isOpen());
        QCOMPARE(m_area->editAccess()->state(), EditAccess::State::Editable);

        Block expected = controller;
        if (choice == OfflineEditor::SendAll) {
            expected = offline;
        } else if (choice == OfflineEditor::SendSelected) {
            expected = offline;
            for (const QString &field : unticked)
                expected.setValue(field.toLatin1().constData(),
                                  controller.value(field.toLatin1().constData()));
        }
        if (choice == OfflineEditor::KeepController) {
            QTest::qWait(kQuietMs);
            QCOMPARE(writeRequests(), 0);
        } else {
            QVERIFY(verified.wait(kWaitMs));
            QCOMPARE(verified.first().first().toBool(), true);
        }
        QCOMPARE(m_sim->block(), expected);
        QCOMPARE(fclink::ParameterBlock::copy(), expected);
        QCOMPARE(altitudeBox()->value(), double(expected.value("LimitAlt")));
        QCOMPARE(readAll(path), fileBefore);
    }

    // The same configuration: a notice, and the pages are the controller's at once.
    void connectingToTheSameConfigurationGoesOnline()
    {
        const QString path = writeFile(QStringLiteral("same.conf"), m_sim->block());
        QVERIFY(editor()->openFile(path));
        QSignalSpy notices(editor(), &OfflineEditor::noticeChanged);
        QVERIFY(connectArea());
        QTRY_VERIFY_WITH_TIMEOUT(!editor()->isOpen(), kWaitMs);
        QVERIFY(editor()->pendingChoice() == nullptr);
        QVERIFY(!notices.isEmpty());
        QVERIFY2(notices.last().first().toString().contains(QStringLiteral("same")),
                 qPrintable(notices.last().first().toString()));
        QCOMPARE(m_area->editAccess()->state(), EditAccess::State::Editable);
        QTest::qWait(kQuietMs);
        QCOMPARE(writeRequests(), 0);
    }

    // A connection lost while the pilot chooses sends nothing and leaves the configuration open.
    void lostConnectionWhileChoosingKeepsTheConfiguration()
    {
        const Block offline = differingFrom(m_sim->block());
        QVERIFY(editor()->openFile(writeFile(QStringLiteral("lost.conf"), offline)));
        QVERIFY(connectArea());
        QTRY_VERIFY_WITH_TIMEOUT(editor()->pendingChoice() != nullptr, kWaitMs);
        m_link->disconnectCom();
        QTRY_VERIFY_WITH_TIMEOUT(editor()->pendingChoice() == nullptr, kWaitMs);
        QVERIFY(editor()->isOpen());
        QCOMPARE(fclink::ParameterBlock::copy(), offline);
        QCOMPARE(m_area->editAccess()->state(), EditAccess::State::Offline);
        QCOMPARE(writeRequests(), 0);
    }

    // Edits made offline after a lost connection are still unsaved when the pilot chooses on
    // the next connection: the configuration closes then, so the question offers no Cancel that
    // would drop them.
    void editsUnsavedAtTheChoiceAreSavedOrDiscardedNeverDropped()
    {
        const QString path =
            writeFile(QStringLiteral("unsaved.conf"), differingFrom(m_sim->block()));
        QVERIFY(editor()->openFile(path));
        QVERIFY(connectArea());
        QTRY_VERIFY_WITH_TIMEOUT(editor()->pendingChoice() != nullptr, kWaitMs);
        m_link->disconnectCom();
        QTRY_VERIFY_WITH_TIMEOUT(editor()->pendingChoice() == nullptr, kWaitMs);
        commitAltitude(QStringLiteral("300"));
        QVERIFY(editor()->isModified());
        QVERIFY(connectArea()); // as the link's own reconnection does, past the connect question
        QTRY_VERIFY_WITH_TIMEOUT(editor()->pendingChoice() != nullptr, kWaitMs);

        int asked = 0;
        bool cancelOffered = false;
        QTimer answerer;
        connect(&answerer, &QTimer::timeout, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            ++asked;
            cancelOffered = cancelOffered || box->button(QMessageBox::Cancel);
            box->button(QMessageBox::Save)->click();
        });
        answerer.start(20);
        editor()->pendingChoice()->choiceButton(OfflineEditor::KeepController)->click();
        QCOMPARE(asked, 1);
        QVERIFY(!cancelOffered);
        QVERIFY(!editor()->isOpen());
        Block saved;
        QVERIFY(fclink::loadParameterFileStrict(path, &saved, nullptr));
        QCOMPARE(saved.value("LimitAlt"), 300);
    }

    // A preset changes its fields in what the pages show, as one step that undo takes back.
    void presetAppliesAndUndoesAsOneStep_data()
    {
        QTest::addColumn<bool>("connected");
        QTest::newRow("offline") << false;
        QTest::newRow("connected") << true;
    }

    void presetAppliesAndUndoesAsOneStep()
    {
        QFETCH(bool, connected);
        const QString preset =
            writeText(QStringLiteral("limits.conf"), "[General]\n" + keyOf("LimitAlt") + "=333\n" +
                                                         keyOf("LimitRadius") + "=444\n");
        if (connected)
            QVERIFY(connectArea());
        else
            QVERIFY(editor()->openDefaults());
        const Block before = fclink::ParameterBlock::copy();
        QSignalSpy verified(m_link, &Commrt::uploadVerified);
        QString error;
        QVERIFY2(editor()->applyPreset(preset, false, &error), qPrintable(error));
        Block expected = before;
        expected.setValue("LimitAlt", 333);
        expected.setValue("LimitRadius", 444);
        QCOMPARE(fclink::ParameterBlock::copy(), expected);
        QCOMPARE(altitudeBox()->value(), 333.0);
        QCOMPARE(m_area->editHistory()->size(), 1);
        if (connected) {
            QVERIFY(verified.wait(kWaitMs));
            QCOMPARE(verified.count(), 1);
            QCOMPARE(m_sim->block(), expected);
        } else {
            QCOMPARE(editor()->configuration()->block(), expected);
            QVERIFY(editor()->isModified());
        }

        m_area->undoLastEdit();
        QCOMPARE(fclink::ParameterBlock::copy(), before);
        QCOMPARE(m_area->editHistory()->size(), 0);
        if (connected)
            QTRY_COMPARE_WITH_TIMEOUT(m_sim->block(), before, kWaitMs);
        else
            QCOMPARE(editor()->configuration()->block(), before);
    }

    // A preset that is refused or changes nothing leaves everything as it was.
    void presetsThatApplyNothing_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("open");
        QTest::addColumn<QString>("mentions");
        const QByteArray alt = keyOf("LimitAlt");
        QTest::newRow("junk") << QByteArray("PK\x03\x04") << true << "line 1";
        QTest::newRow("repeated key") << QByteArray(alt + "=1\n" + alt + "=2\n") << true << "twice";
        QTest::newRow("nothing open") << QByteArray(alt + "=200\n") << false << "first";
        QTest::newRow("changes nothing") << QByteArray(alt + "=120\n") << true << "";
    }

    void presetsThatApplyNothing()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, open);
        QFETCH(QString, mentions);
        if (open)
            QVERIFY(editor()->openDefaults());
        const Block before = fclink::ParameterBlock::copy();
        QString error;
        QVERIFY(!editor()->applyPreset(writeText(QStringLiteral("p.conf"), text), false, &error));
        QVERIFY2(error.contains(mentions), qPrintable(error));
        QCOMPARE(fclink::ParameterBlock::copy(), before);
        QCOMPARE(m_area->editHistory()->size(), 0);
        QCOMPARE(editor()->isModified(), false);
    }
};

QTEST_MAIN(TestOfflineConfiguration)
#include "tst_offlineconfiguration.moc"
