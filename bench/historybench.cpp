// The configuration history with a full store of 200 snapshots: the time to take a snapshot
// (what a connection costs), to open the history window, and to compare two snapshots. Prints
// one "name value unit" line each. Run offscreen: QT_QPA_PLATFORM=offscreen historybench.
// "historybench --show SECONDS [en|zh|ge]" instead shows the window with a typical comparison (a
// few settings changed since a flight) for that long, in that language, for a look at it.
#include "fclink/link/commrt.h"
#include "fclink/link/parameterslices.h"
#include "fclink/model/parameterblock.h"
#include "skydesk/history/configurationhistorydialog.h"
#include "skydesk/history/snapshotrecorder.h"
#include "ui_configurationhistorydialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QTreeWidget>

#include <cstdio>
#include <cstdlib>

namespace {

void print(const char *name, double value, const char *unit)
{
    std::printf("%-36s %10.2f %s\n", name, value, unit);
}

void randomBlock(QRandomGenerator &random)
{
    fclink::BlockImage block;
    for (int i = 0; i < fclink::kParameterBlockSize; ++i)
        block.bytes()[i] = static_cast<quint8>(random.bounded(256));
    fclink::ParameterBlock::replace(block);
}

} // namespace

// Two snapshots a pilot might compare: the factory settings, and a few of them changed since.
int showTypicalComparison(Commrt *link, SnapshotRecorder &recorder, int seconds)
{
    fclink::BlockImage block = fclink::BlockImage::defaults();
    fclink::ParameterBlock::replace(block);
    recorder.take(fclink::SnapshotReason::Connect);
    block.setValue("LimitAlt", 250);
    block.setValue("TurnbackHeight", 60);
    block.setValue("FailType", 0);
    block.setValue("MotorIdel", 4);
    block.setValue("ProtectVolt1", 1070);
    block.setValue("PKp", 32);
    fclink::ParameterBlock::replace(block);
    recorder.take(fclink::SnapshotReason::OnDemand, QStringLiteral("after tuning"));
    ConfigurationHistoryDialog dialog(link, &recorder);
    QTreeWidget *list = dialog.form()->treeWidgetSnapshots;
    list->topLevelItem(1)->setSelected(true);
    list->setCurrentItem(list->topLevelItem(0), 0, QItemSelectionModel::Select);
    dialog.compareSelected();
    dialog.show();
    QTimer::singleShot(seconds * 1000, &dialog, &QDialog::accept);
    return dialog.exec() == QDialog::Accepted ? 0 : 1;
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc > 2 && qstrcmp(argv[1], "--show") == 0) {
        QTranslator translator;
        if (argc > 3 &&
            translator.load(
                QCoreApplication::applicationDirPath() +
                QStringLiteral("/language/KestoAssistant_%1.qm").arg(QLatin1String(argv[3]))))
            QCoreApplication::installTranslator(&translator);
        QTemporaryDir dir;
        Commrt *link = Commrt::createClass();
        SnapshotRecorder recorder(link, nullptr, dir.filePath(QStringLiteral("snapshots")));
        const int code = showTypicalComparison(link, recorder, std::atoi(argv[2]));
        Commrt::destroyClass(link);
        return code;
    }
    QTemporaryDir dir;
    Commrt *link = Commrt::createClass();
    SnapshotRecorder recorder(link, nullptr, dir.filePath(QStringLiteral("snapshots")));
    QRandomGenerator random(7);

    QElapsedTimer timer;
    qint64 slowest = 0;
    timer.start();
    for (int i = 0; i < fclink::SnapshotStore::kMaxSnapshots; ++i) {
        randomBlock(random);
        QElapsedTimer one;
        one.start();
        recorder.take(fclink::SnapshotReason::Connect);
        slowest = qMax(slowest, one.elapsed());
    }
    print("take: mean per snapshot", double(timer.elapsed()) / fclink::SnapshotStore::kMaxSnapshots,
          "ms");
    print("take: slowest", double(slowest), "ms");
    randomBlock(random);
    timer.restart();
    recorder.take(fclink::SnapshotReason::Connect); // the store is full: one is pruned
    print("take with pruning (201st)", double(timer.elapsed()), "ms");

    timer.restart();
    ConfigurationHistoryDialog dialog(link, &recorder);
    dialog.show();
    QApplication::processEvents();
    const double opened = timer.nsecsElapsed() / 1e6;
    print("open the window (200 snapshots)", opened, "ms");

    QTreeWidget *list = dialog.form()->treeWidgetSnapshots;
    timer.restart();
    list->clearSelection();
    list->topLevelItem(150)->setSelected(true);
    list->setCurrentItem(list->topLevelItem(3), 0, QItemSelectionModel::Select);
    dialog.compareSelected();
    QApplication::processEvents();
    const double compared = timer.nsecsElapsed() / 1e6;
    print("compare two snapshots", compared, "ms");
    print("open and compare", opened + compared, "ms");
    print("differences listed", differenceCount(dialog.differences()), "fields");
    Commrt::destroyClass(link);
    return 0;
}
