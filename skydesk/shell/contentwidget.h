#ifndef SKYDESK_CONTENTWIDGET_H
#define SKYDESK_CONTENTWIDGET_H

#include <QWidget>

#include <functional>

class AdvanceSettingPage;
class Commrt;
class ConfigurationHistoryDialog;
class EditAccess;
class EditHistory;
class SnapshotRecorder;
class InternalSettingPage;
class OfflineEditor;
class QListWidgetItem;
class QStackedWidget;
class ToolSettingPage;
class updatesettingpage;

// The page area between the connection bar and the status bar: the three pages in a stack, the
// page style sheet, telemetry for the visible page only, and refreshes of every page. For service
// technicians it can hold the internal parameter page as a fourth page, which gets no telemetry.
class contentWidget : public QWidget
{
    Q_OBJECT

public:
    enum Page
    {
        SettingPage = 0,
        ToolPage = 1,
        InfoPage = 2,
        InternalPage = 3
    };

    contentWidget(QWidget *parent, Commrt *link, bool withInternalPage = false);

    QStackedWidget *pageStack() const { return m_pageStack; }
    AdvanceSettingPage *advanceSettingPage() const { return m_advanceSettingPage; }
    ToolSettingPage *toolSettingPage() const { return m_toolSettingPage; }
    updatesettingpage *updatePage() const { return m_updatePage; }
    // Null unless the page area was built with the internal page.
    InternalSettingPage *internalSettingPage() const { return m_internalSettingPage; }
    SnapshotRecorder *snapshotRecorder() const { return m_recorder; }
    EditHistory *editHistory() const { return m_editHistory; }
    // Whether the pages take edits now (every page follows it).
    EditAccess *editAccess() const { return m_editAccess; }
    // The configuration edited without the controller, if one is open.
    OfflineEditor *offlineEditor() const { return m_offlineEditor; }
    // The history window, created when first asked for.
    ConfigurationHistoryDialog *historyDialog();
    // Ctrl+Z: takes back the newest committed edit and says so in the status bar.
    void undoLastEdit();

    // Sends what is typed but not yet committed on any page, as the focus leaving the box would.
    void commitPendingEdits();
    // Commits pending edits, then runs action once the upload they started has been
    // acknowledged (or, should the controller not answer, after a few seconds): what the pilot
    // typed reaches the controller before a disconnect or the program's end.
    void sendPendingEditsThen(const std::function<void()> &action);

signals:
    void changeListWidgetSignal(int index);
    void noticeStatusChanged(const QString &text);
    void recordingStatusChanged(const QString &text);
    void displayCloseCOMPort();
    // An offline configuration was opened or closed, or its name or saved state changed.
    void offlineStateChanged();

public slots:
    void changePage(QListWidgetItem *current, QListWidgetItem *previous);
    void updateAllPages();
    void configurationLoaded();

private:
    void applyStyleSheet();
    void applyEditAccess();
    void repeatUndoNotice(bool verified);
    void routeTelemetryTo(int page);
    bool uploadUnderWay() const;
    void connectHistory();
    void connectOfflineEditor();
    void onOfflineStateChanged();
    void showHistory();

    Commrt *m_link;
    QStackedWidget *m_pageStack;
    AdvanceSettingPage *m_advanceSettingPage;
    updatesettingpage *m_updatePage;
    ToolSettingPage *m_toolSettingPage;
    InternalSettingPage *m_internalSettingPage = nullptr;
    SnapshotRecorder *m_recorder;
    EditHistory *m_editHistory;
    EditAccess *m_editAccess;
    OfflineEditor *m_offlineEditor;
    ConfigurationHistoryDialog *m_historyDialog = nullptr;
    // What the last Ctrl+Z did, until the upload it started has been verified.
    QString m_undoNotice;
};

#endif // SKYDESK_CONTENTWIDGET_H
