#include "configurationhistorydialog.h"

#include "differencetree.h"

#include "fclink/link/commrt.h"
#include "fclink/link/parameterslices.h"
#include "fclink/model/parameterblock.h"
#include "fclink/model/parameterfields.h"
#include "fclink/model/parameterformat.h"
#include "fclink/storage/parameterfile.h"
#include "skydesk/common/appsettings.h"
#include "skydesk/common/documentfolder.h"
#include "skydesk/common/helpbrowser.h"
#include "skydesk/common/windowfit.h"
#include "snapshotrecorder.h"
#include "ui_configurationhistorydialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QInputDialog>
#include <QPushButton>

namespace {

QString firmwareText(int version)
{
    return QStringLiteral("%1.%2").arg(version / 100).arg(version % 100, 2, 10, QLatin1Char('0'));
}

constexpr int kFieldRole = Qt::UserRole;

} // namespace

ConfigurationHistoryDialog::ConfigurationHistoryDialog(Commrt *link, SnapshotRecorder *recorder,
                                                       QWidget *parent)
    : QDialog(parent), m_ui(new Ui::ConfigurationHistoryDialogUi), m_link(link),
      m_recorder(recorder)
{
    m_ui->setupUi(this);
    WindowFit::keepOnScreenWhenShown(this);
    m_ui->splitter->setStretchFactor(1, 1);
    m_ui->splitter->setSizes({360, 560}); // within a 1024 x 600 screen
    // With large fonts the buttons need more than the designed minimum; the splitter keeps them
    // whole.
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setMinimumWidth(button->sizeHint().width());
    m_ui->widgetComparison->setMinimumWidth(m_ui->widgetComparison->minimumSizeHint().width());
    setMinimumSize(minimumSize().expandedTo(layout()->minimumSize()));
    m_ui->treeWidgetSnapshots->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_ui->treeWidgetDifferences->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    connect(m_ui->treeWidgetSnapshots, &QTreeWidget::itemSelectionChanged, this,
            &ConfigurationHistoryDialog::updateButtons);
    connect(m_ui->pushButtonCompareController, &QPushButton::clicked, this,
            &ConfigurationHistoryDialog::compareWithController);
    connect(m_ui->pushButtonCompareSnapshots, &QPushButton::clicked, this,
            &ConfigurationHistoryDialog::compareSelected);
    connect(m_ui->pushButtonCompareFile, &QPushButton::clicked, this,
            &ConfigurationHistoryDialog::chooseFileToCompare);
    connect(m_ui->pushButtonOpenOffline, &QPushButton::clicked, this,
            &ConfigurationHistoryDialog::openSelectedOffline);
    connect(m_ui->pushButtonSaveSnapshot, &QPushButton::clicked, this,
            &ConfigurationHistoryDialog::askForSnapshotNote);
    connect(m_ui->pushButtonRestoreSelected, &QPushButton::clicked, this,
            &ConfigurationHistoryDialog::restoreSelected);
    connect(m_ui->pushButtonRestoreAll, &QPushButton::clicked, this,
            &ConfigurationHistoryDialog::restoreAll);
    connect(m_ui->pushButtonHelp, &QPushButton::clicked, this,
            &ConfigurationHistoryDialog::showHelp);
    connect(m_recorder, &SnapshotRecorder::snapshotTaken, this,
            &ConfigurationHistoryDialog::reloadSnapshots);
    connect(m_link, &Commrt::uploadVerified, this, &ConfigurationHistoryDialog::onUploadVerified);
    connect(m_link, &Commrt::connectionChanged, this, &ConfigurationHistoryDialog::updateButtons);
    // What the window is for, until the first comparison takes its place.
    m_ui->webViewHelp->showDocument(documentFolder(AppSettings::languageCode()) +
                                    QStringLiteral("History.html"));
    showHelp();
    reloadSnapshots();
}

void ConfigurationHistoryDialog::showHelp()
{
    m_ui->stackedWidgetComparison->setCurrentWidget(m_ui->webViewHelp);
}

ConfigurationHistoryDialog::~ConfigurationHistoryDialog()
{
    delete m_ui;
}

QString ConfigurationHistoryDialog::reasonText(fclink::SnapshotReason reason)
{
    switch (reason) {
    case fclink::SnapshotReason::Connect:
        return tr("Connected");
    case fclink::SnapshotReason::BeforeImport:
        return tr("Before import");
    case fclink::SnapshotReason::BeforeFlash:
        return tr("Before upgrade");
    case fclink::SnapshotReason::AfterRestore:
        return tr("After restore");
    case fclink::SnapshotReason::Unknown:
        return tr("Unknown reason");
    case fclink::SnapshotReason::OnDemand:
        break;
    }
    return tr("Saved");
}

QString ConfigurationHistoryDialog::snapshotTitle(const fclink::Snapshot &snapshot)
{
    return tr("Snapshot of %1").arg(shortTime(snapshot));
}

QString ConfigurationHistoryDialog::shortTime(const fclink::Snapshot &snapshot)
{
    return snapshot.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

void ConfigurationHistoryDialog::reloadSnapshots()
{
    m_snapshots = m_recorder->store().list();
    QTreeWidget *list = m_ui->treeWidgetSnapshots;
    list->clear();
    for (int i = 0; i < m_snapshots.size(); ++i) {
        const fclink::Snapshot &snapshot = m_snapshots.at(i);
        auto *item = new QTreeWidgetItem(
            list,
            {snapshot.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
             firmwareText(snapshot.firmwareVersion), reasonText(snapshot.reason), snapshot.note});
        item->setData(0, kFieldRole, i);
        item->setToolTip(0, QDir::toNativeSeparators(snapshot.path));
    }
    if (list->topLevelItemCount() > 0)
        list->setCurrentItem(list->topLevelItem(0));
    updateButtons();
}

QVector<fclink::Snapshot> ConfigurationHistoryDialog::selectedSnapshots() const
{
    // The current item first: it is the one a restore uploads.
    QVector<fclink::Snapshot> selected;
    QTreeWidgetItem *current = m_ui->treeWidgetSnapshots->currentItem();
    if (current && current->isSelected())
        selected.append(m_snapshots.at(current->data(0, kFieldRole).toInt()));
    for (QTreeWidgetItem *item : m_ui->treeWidgetSnapshots->selectedItems()) {
        if (item != current)
            selected.append(m_snapshots.at(item->data(0, kFieldRole).toInt()));
    }
    return selected;
}

void ConfigurationHistoryDialog::updateButtons()
{
    const int selected = selectedSnapshots().size();
    m_ui->pushButtonCompareController->setEnabled(selected >= 1 && m_link->isConnected());
    m_ui->pushButtonCompareSnapshots->setEnabled(selected == 2);
    m_ui->pushButtonCompareFile->setEnabled(selected >= 1);
    m_ui->pushButtonOpenOffline->setEnabled(selected == 1);
    const bool compared = m_other != Other::Nothing;
    m_ui->pushButtonRestoreSelected->setEnabled(compared && !m_sections.isEmpty());
    m_ui->pushButtonRestoreAll->setEnabled(compared);
}

bool ConfigurationHistoryDialog::readSnapshot(const fclink::Snapshot &snapshot,
                                              fclink::BlockImage *block)
{
    QString error;
    const std::optional<fclink::BlockImage> read = snapshot.readBlock(&error);
    if (!read) {
        showNotice(tr("This snapshot cannot be read: %1").arg(error), true);
        return false;
    }
    *block = *read;
    return true;
}

bool ConfigurationHistoryDialog::openSelectedOffline()
{
    const QVector<fclink::Snapshot> selected = selectedSnapshots();
    fclink::BlockImage block;
    if (selected.size() != 1 || !readSnapshot(selected.first(), &block))
        return false;
    emit openOfflineRequested(block, snapshotTitle(selected.first()));
    return true;
}

void ConfigurationHistoryDialog::compareWithController()
{
    const QVector<fclink::Snapshot> selected = selectedSnapshots();
    if (selected.isEmpty())
        return;
    if (!m_link->isConnected()) {
        showNotice(tr("Connect the flight controller to compare with it."), true);
        return;
    }
    m_source = selected.first();
    if (!readSnapshot(m_source, &m_sourceBlock))
        return;
    m_other = Other::Controller;
    m_otherTitle = tr("Flight controller");
    showComparison(fclink::ParameterBlock::copy());
}

void ConfigurationHistoryDialog::compareSelected()
{
    const QVector<fclink::Snapshot> selected = selectedSnapshots();
    if (selected.size() != 2)
        return;
    fclink::BlockImage other;
    m_source = selected.at(0);
    if (!readSnapshot(m_source, &m_sourceBlock) || !readSnapshot(selected.at(1), &other))
        return;
    m_other = Other::Snapshot;
    m_otherTitle = shortTime(selected.at(1));
    showComparison(other);
}

bool ConfigurationHistoryDialog::compareWithFile(const QString &path)
{
    const QVector<fclink::Snapshot> selected = selectedSnapshots();
    if (selected.isEmpty())
        return false;
    fclink::BlockImage file;
    QString error;
    if (!fclink::loadParameterFileStrict(path, &file, &error)) {
        showNotice(
            tr("Not a valid parameter file: %1\n%2").arg(QDir::toNativeSeparators(path), error),
            true);
        return false;
    }
    m_source = selected.first();
    if (!readSnapshot(m_source, &m_sourceBlock))
        return false;
    m_other = Other::File;
    m_otherTitle = QFileInfo(path).fileName();
    showComparison(file);
    return true;
}

void ConfigurationHistoryDialog::chooseFileToCompare()
{
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Open Config File"), QStringLiteral("."), tr("ConfigFile(*.conf)"));
    if (!path.isEmpty())
        compareWithFile(path);
}

// The columns are headed by short names; the line above the list says it in full.
void ConfigurationHistoryDialog::showComparison(const fclink::BlockImage &other)
{
    m_otherBlock = other;
    m_sections = compareBlocks(m_sourceBlock, m_otherBlock);
    m_ui->treeWidgetDifferences->setHeaderLabels(
        {tr("Parameter"), shortTime(m_source), m_otherTitle});
    m_ui->stackedWidgetComparison->setCurrentWidget(m_ui->treeWidgetDifferences);
    const QString otherTitle =
        m_other == Other::Snapshot ? tr("Snapshot of %1").arg(m_otherTitle) : m_otherTitle;
    m_ui->labelComparison->setText(
        tr("%1 compared with %2").arg(snapshotTitle(m_source), otherTitle));
    fillDifferences();
    const int count = differenceCount(m_sections);
    if (count == 0)
        showNotice(tr("No differences."), false);
    else
        showNotice(
            tr("%n parameter(s) differ. Untick those you do not want to restore.", "", count),
            false);
    updateButtons();
}

void ConfigurationHistoryDialog::fillDifferences()
{
    DifferenceTree::fill(m_ui->treeWidgetDifferences, m_sections, true);
}

QStringList ConfigurationHistoryDialog::tickedFields() const
{
    return DifferenceTree::tickedFields(m_ui->treeWidgetDifferences);
}

bool ConfigurationHistoryDialog::restoreSelected()
{
    const QStringList fields = tickedFields();
    if (fields.isEmpty()) {
        showNotice(tr("Tick the parameters to restore."), true);
        return false;
    }
    return restore(fields);
}

bool ConfigurationHistoryDialog::restoreAll()
{
    QStringList fields;
    for (const fclink::ParameterField &field : fclink::parameterFields())
        fields << QLatin1String(field.name);
    return restore(fields);
}

bool ConfigurationHistoryDialog::restore(const QStringList &fields)
{
    if (m_other == Other::Nothing)
        return false;
    if (!m_link->isConnected()) {
        showNotice(tr("Connect the flight controller to restore a configuration."), true);
        return false;
    }
    // Each field's stored value is written back as it is: the same bytes as in the source.
    QVector<fclink::FieldValue> values;
    for (const QString &name : fields) {
        const fclink::ParameterField *field = fclink::findParameterField(name);
        values.append({field, m_sourceBlock.value(*field)});
    }
    m_recorder->expectRestore();
    m_link->uploadFields(values);
    emit configurationRestored();
    showNotice(tr("Restoring %n parameter(s): the status bar shows when the flight controller "
                  "has taken them.",
                  "", fields.size()),
               false);
    return true;
}

void ConfigurationHistoryDialog::onUploadVerified()
{
    // The controller holds something new: what it is compared with must follow.
    if (m_other == Other::Controller)
        showComparison(fclink::ParameterBlock::copy());
}

bool ConfigurationHistoryDialog::saveSnapshot(const QString &note)
{
    if (!m_link->isConnected()) {
        showNotice(tr("Connect the flight controller to save a snapshot of it."), true);
        return false;
    }
    if (!m_recorder->take(fclink::SnapshotReason::OnDemand, note)) {
        showNotice(tr("The snapshot could not be saved."), true);
        return false;
    }
    showNotice(tr("Snapshot saved."), false);
    return true;
}

void ConfigurationHistoryDialog::askForSnapshotNote()
{
    bool ok = false;
    const QString note =
        QInputDialog::getText(this, tr("Save Snapshot"), tr("A note for this snapshot (optional):"),
                              QLineEdit::Normal, QString(), &ok);
    if (ok)
        saveSnapshot(note.trimmed());
}

void ConfigurationHistoryDialog::showNotice(const QString &text, bool warning)
{
    m_ui->labelNotice->setText(text);
    m_ui->labelNotice->setProperty("severity", warning ? "warning" : "normal");
    QPalette palette = m_ui->labelNotice->palette();
    palette.setColor(QPalette::WindowText, warning ? QColor(0xc0, 0x20, 0x20) : QColor(Qt::black));
    m_ui->labelNotice->setPalette(palette);
}

QString ConfigurationHistoryDialog::notice() const
{
    return m_ui->labelNotice->text();
}
