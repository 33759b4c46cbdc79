#include "contentwidget.h"

#include "fclink/link/commrt.h"
#include "product/fontscale.h"
#include "skydesk/common/hidpipixmap.h"
#include "skydesk/common/logcategories.h"
#include "skydesk/common/stylesheet.h"
#include "skydesk/history/configurationhistorydialog.h"
#include "skydesk/history/edithistory.h"
#include "skydesk/history/snapshotrecorder.h"
#include "skydesk/offline/comparisondialog.h"
#include "skydesk/offline/offlineeditor.h"
#include "skydesk/pages/advancesettingpage.h"
#include "skydesk/pages/editaccess.h"
#include "skydesk/pages/internalsettingpage.h"
#include "skydesk/pages/parameterbinder.h"
#include "skydesk/pages/toolsettingpage.h"
#include "skydesk/recordings/recordingviewerwindow.h"
#include "skydesk/update/updatesettingpage.h"

#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMessageBox>
#include <QShortcut>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {
// An upload takes 14 frames of 52 ms when every reply comes at once.
constexpr int kUploadWaitMs = 3000;
constexpr int kUploadPollMs = 20;
} // namespace

contentWidget::contentWidget(QWidget *parent, Commrt *link, bool withInternalPage)
    : QWidget(parent), m_link(link), m_pageStack(new QStackedWidget(this)),
      m_recorder(new SnapshotRecorder(link, this)), m_editHistory(new EditHistory(this)),
      m_editAccess(new EditAccess(link, this))
{
    QPalette background = palette();
    background.setBrush(
        QPalette::All, backgroundRole(),
        QBrush(HiDpiPixmap::loadScaled(QStringLiteral("://images/bg.png"), FontScale::factor())));
    setPalette(background);
    setAutoFillBackground(true);
    applyStyleSheet();

    // Each page is made inside the stack: added from elsewhere, it would be moved there and the
    // style sheet resolved anew for every widget in it.
    m_advanceSettingPage = new AdvanceSettingPage(m_pageStack, m_link);
    m_toolSettingPage = new ToolSettingPage(m_pageStack, m_link);
    m_updatePage = new updatesettingpage(m_pageStack, m_link);
    m_pageStack->addWidget(m_advanceSettingPage);
    m_pageStack->addWidget(m_toolSettingPage);
    m_pageStack->addWidget(m_updatePage);
    if (withInternalPage) {
        m_internalSettingPage = new InternalSettingPage(m_pageStack, m_link);
        m_pageStack->addWidget(m_internalSettingPage);
    }

    auto *row = new QHBoxLayout;
    row->addWidget(m_pageStack, 1);
    auto *column = new QVBoxLayout(this);
    // The pages are laid out for the full 850 × 435 area.
    column->setContentsMargins(0, 0, 0, 0);
    row->setContentsMargins(0, 0, 0, 0);
    column->addLayout(row);

    connect(m_toolSettingPage, &ToolSettingPage::configurationLoaded, this,
            &contentWidget::configurationLoaded);
    connect(m_toolSettingPage, &ToolSettingPage::noticeStatusChanged, this,
            &contentWidget::noticeStatusChanged);
    connect(m_toolSettingPage, &ToolSettingPage::recordingStatusChanged, this,
            &contentWidget::recordingStatusChanged);
    connect(m_updatePage, &updatesettingpage::displayCloseCOMPort, this,
            &contentWidget::displayCloseCOMPort);
    m_offlineEditor = new OfflineEditor(m_link, m_recorder, this);
    connectHistory();
    connectOfflineEditor();
    routeTelemetryTo(SettingPage);
    connect(m_editAccess, &EditAccess::changed, this, &contentWidget::applyEditAccess);
    applyEditAccess();
}

// Every page takes edits, or is read-only with the reason, as one.
void contentWidget::applyEditAccess()
{
    const bool editable = m_editAccess->allowsEdits();
    const QString whyNot = m_editAccess->reason();
    const bool commands = m_editAccess->allowsCommands();
    const QString whyNoCommands = m_editAccess->commandReason();
    m_advanceSettingPage->setEditable(editable, whyNot);
    m_advanceSettingPage->setCommandsAvailable(commands, whyNoCommands);
    m_toolSettingPage->setEditable(editable, whyNot);
    m_toolSettingPage->setCommandsAvailable(commands, whyNoCommands);
    // Without a controller an import opens the file offline.
    if (m_editAccess->state() == EditAccess::State::NotConnected)
        m_toolSettingPage->setImportAvailable(true);
    if (m_internalSettingPage) {
        m_internalSettingPage->setEditable(editable, whyNot);
        m_internalSettingPage->setCommandsAvailable(commands, whyNoCommands);
    }
}

// The offline configuration's buttons on the tools page, and the pages' commits going into the
// configuration while one is open.
void contentWidget::connectOfflineEditor()
{
    OfflineEditor *editor = m_offlineEditor;
    ToolSettingPage *tools = m_toolSettingPage;
    connect(tools, &ToolSettingPage::openConfigurationRequested, editor, [this] {
        commitPendingEdits();
        m_offlineEditor->chooseAndOpen();
    });
    connect(tools, &ToolSettingPage::newFromDefaultsRequested, editor, [this] {
        commitPendingEdits();
        m_offlineEditor->openDefaults();
    });
    connect(tools, &ToolSettingPage::openOfflineRequested, editor, [this](const QString &path) {
        commitPendingEdits();
        QString error;
        if (!m_offlineEditor->openFile(path, &error) && !error.isEmpty())
            QMessageBox::warning(this, tr("Import Parameters"), error);
    });
    connect(tools, &ToolSettingPage::saveConfigurationRequested, editor, [this] {
        commitPendingEdits();
        m_offlineEditor->save();
    });
    connect(tools, &ToolSettingPage::saveConfigurationAsRequested, editor, [this] {
        commitPendingEdits();
        m_offlineEditor->saveAs();
    });
    connect(tools, &ToolSettingPage::applyPresetRequested, editor, [this] {
        commitPendingEdits();
        m_offlineEditor->chooseAndApplyPreset();
    });
    connect(tools, &ToolSettingPage::saveAsPresetRequested, editor, [this] {
        commitPendingEdits();
        m_offlineEditor->chooseAndSavePreset();
    });
    auto *save = new QShortcut(QKeySequence::Save, this);
    save->setContext(Qt::WidgetWithChildrenShortcut);
    connect(save, &QShortcut::activated, editor, [this] {
        commitPendingEdits();
        m_offlineEditor->save();
    });
    connect(editor, &OfflineEditor::stateChanged, this, &contentWidget::onOfflineStateChanged);
    connect(editor, &OfflineEditor::blockReplaced, this, [this] {
        m_editHistory->clear();
        updateAllPages();
    });
    connect(editor, &OfflineEditor::noticeChanged, this, &contentWidget::noticeStatusChanged);
    // A preset is one step back; it is taken back through the setting page's fields.
    ParameterBinder *writer = m_advanceSettingPage->findChild<ParameterBinder *>();
    connect(editor, &OfflineEditor::presetApplied, m_editHistory,
            [this, writer](const QVector<EditHistory::FieldStep> &steps) {
                m_editHistory->recordTogether(writer, steps);
            });
}

void contentWidget::onOfflineStateChanged()
{
    const bool open = m_offlineEditor->isOpen();
    ParameterBinder::FieldSink sink;
    if (open)
        sink = [this](const QVector<fclink::FieldValue> &values) {
            return m_offlineEditor->write(values);
        };
    for (QWidget *page : {static_cast<QWidget *>(m_advanceSettingPage),
                          static_cast<QWidget *>(m_internalSettingPage)}) {
        if (page)
            for (ParameterBinder *binder : page->findChildren<ParameterBinder *>())
                binder->setFieldSink(sink);
    }
    m_toolSettingPage->setOfflineOpen(open);
    if (m_editAccess->isOffline() != open)
        m_editAccess->setOffline(open);
    emit offlineStateChanged();
}

// Snapshots before an import, the history window from the tools page, and Ctrl+Z for the edits
// of every page.
void contentWidget::connectHistory()
{
    connect(m_toolSettingPage, &ToolSettingPage::aboutToImport, m_recorder,
            [this] { m_recorder->take(fclink::SnapshotReason::BeforeImport); });
    connect(m_toolSettingPage, &ToolSettingPage::historyRequested, this,
            &contentWidget::showHistory);
    // Each recording opens in a window of its own, owned by the tools page.
    connect(m_toolSettingPage, &ToolSettingPage::recordingRequested, m_toolSettingPage,
            [this] { RecordingViewerWindow::chooseAndOpen(m_toolSettingPage); });
    for (QWidget *page : {static_cast<QWidget *>(m_advanceSettingPage),
                          static_cast<QWidget *>(m_internalSettingPage)}) {
        if (page)
            for (ParameterBinder *binder : page->findChildren<ParameterBinder *>())
                m_editHistory->watch(binder);
    }
    // The history holds edits of the block it was made on: once the block is replaced from
    // outside the pilot's edits, its steps would upload stale values.
    connect(m_link, &Commrt::parametersChanged, m_editHistory, &EditHistory::clear);
    connect(m_toolSettingPage, &ToolSettingPage::configurationLoaded, m_editHistory,
            &EditHistory::clear);
    // The status bar's upload reports would hide what Ctrl+Z did; it is said again once the
    // upload is verified.
    connect(m_link, &Commrt::uploadVerified, this, &contentWidget::repeatUndoNotice);
    auto *undo = new QShortcut(QKeySequence::Undo, this);
    undo->setContext(Qt::WidgetWithChildrenShortcut);
    connect(undo, &QShortcut::activated, this, &contentWidget::undoLastEdit);
    connect(m_recorder, &SnapshotRecorder::snapshotFailed, this, [this](const QString &error) {
        emit noticeStatusChanged(tr("The snapshot could not be saved: %1").arg(error));
    });
}

void contentWidget::undoLastEdit()
{
    if (!m_editAccess->allowsEdits()) {
        if (m_editHistory->size() > 0)
            emit noticeStatusChanged(tr("Nothing undone: %1").arg(m_editAccess->reason()));
        return;
    }
    const QString undone = m_editHistory->undo();
    if (undone.isEmpty())
        return;
    updateAllPages();
    m_undoNotice = m_link->isUploadRequested() ? undone : QString();
    emit noticeStatusChanged(undone);
}

// After the status bar's own report of the verification, which the same signal brings.
void contentWidget::repeatUndoNotice(bool verified)
{
    const QString notice = m_undoNotice;
    m_undoNotice.clear();
    if (verified && !notice.isEmpty())
        QTimer::singleShot(0, this, [this, notice] { emit noticeStatusChanged(notice); });
}

ConfigurationHistoryDialog *contentWidget::historyDialog()
{
    if (!m_historyDialog) {
        m_historyDialog = new ConfigurationHistoryDialog(m_link, m_recorder, this);
        connect(m_historyDialog, &ConfigurationHistoryDialog::configurationRestored, this,
                &contentWidget::updateAllPages);
        connect(m_historyDialog, &ConfigurationHistoryDialog::configurationRestored, m_editHistory,
                &EditHistory::clear);
        connect(m_historyDialog, &ConfigurationHistoryDialog::openOfflineRequested, this,
                [this](const fclink::BlockImage &block, const QString &name) {
                    commitPendingEdits();
                    m_offlineEditor->openBlock(block, name);
                });
    }
    return m_historyDialog;
}

void contentWidget::showHistory()
{
    commitPendingEdits();
    ConfigurationHistoryDialog *dialog = historyDialog();
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void contentWidget::applyStyleSheet()
{
    setStyleSheet(StyleSheet::pageArea());
}

void contentWidget::routeTelemetryTo(int page)
{
    disconnect(m_link, &Commrt::telemetryChanged, m_advanceSettingPage,
               &AdvanceSettingPage::updateTelemetryInfo);
    disconnect(m_link, &Commrt::telemetryChanged, m_toolSettingPage,
               &ToolSettingPage::updateTelemetryInfo);
    if (page == SettingPage)
        connect(m_link, &Commrt::telemetryChanged, m_advanceSettingPage,
                &AdvanceSettingPage::updateTelemetryInfo);
    else if (page == ToolPage)
        connect(m_link, &Commrt::telemetryChanged, m_toolSettingPage,
                &ToolSettingPage::updateTelemetryInfo);
}

void contentWidget::changePage(QListWidgetItem *current, QListWidgetItem *previous)
{
    QListWidgetItem *item = current ? current : previous;
    if (!item)
        return;
    const int page = item->listWidget()->row(item);
    commitPendingEdits();
    m_pageStack->setCurrentIndex(page);
    ParameterBinder::keepFocusOffEditors(m_pageStack->currentWidget());
    routeTelemetryTo(page);
    updateAllPages();
}

void contentWidget::commitPendingEdits()
{
    m_advanceSettingPage->commitPendingEdits();
    if (m_internalSettingPage)
        m_internalSettingPage->commitPendingEdits();
}

bool contentWidget::uploadUnderWay() const
{
    return m_link->isConnected() && m_link->isUploading();
}

void contentWidget::sendPendingEditsThen(const std::function<void()> &action)
{
    commitPendingEdits();
    if (!uploadUnderWay()) {
        action();
        return;
    }
    auto *poll = new QTimer(this);
    QElapsedTimer clock;
    clock.start();
    connect(poll, &QTimer::timeout, this, [this, poll, clock, action] {
        if (uploadUnderWay() && clock.elapsed() < kUploadWaitMs)
            return;
        poll->stop();
        poll->deleteLater();
        action();
    });
    poll->start(kUploadPollMs);
}

void contentWidget::updateAllPages()
{
    m_advanceSettingPage->refreshPage();
    m_toolSettingPage->refreshPage();
    m_updatePage->refreshPage();
    if (m_internalSettingPage)
        m_internalSettingPage->refreshPage();
}

void contentWidget::configurationLoaded()
{
    updateAllPages();
    m_link->uploadParameters();
}
