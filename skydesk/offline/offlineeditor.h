#ifndef SKYDESK_OFFLINEEDITOR_H
#define SKYDESK_OFFLINEEDITOR_H

#include "comparisondialog.h"
#include "offlineconfiguration.h"
#include "skydesk/history/edithistory.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <optional>

class Commrt;
class SnapshotRecorder;
class QWidget;

// Work without the aircraft. An offline configuration (a parameter file, a snapshot, or the
// defaults) is shown on the pages through the parameter block, and the pages' commits go into
// it instead of the link; it is saved back to its file on request. Whatever would set aside
// unsaved changes (another file, the window's close, a connection) asks first.
//
// When a controller is connected while a configuration is open, the controller is read as
// always; if it holds something else, the pilot chooses between the two (keep the controller's,
// send the whole configuration, or send the ticked fields) and nothing is sent before that
// choice. Presets (files of some keys only) are applied to whatever the pages show: the
// controller, with one verified upload, or the offline configuration.
class OfflineEditor : public QObject
{
    Q_OBJECT

public:
    // The pilot's choice once a controller is connected.
    enum Choice
    {
        KeepController,
        SendAll,
        SendSelected,
        SaveAsPreset // from the comparison's ticks; the choice is still to be made
    };

    OfflineEditor(Commrt *link, SnapshotRecorder *recorder, QWidget *dialogParent);
    ~OfflineEditor() override;

    bool isOpen() const { return m_configuration.has_value(); }
    // Null while none is open.
    const OfflineConfiguration *configuration() const;
    bool isModified() const { return isOpen() && m_configuration->isModified(); }
    // "Offline: NAME" with an asterisk while there are unsaved changes; empty while none is open.
    QString title() const;

    // Each asks about unsaved changes of the open configuration first; false when the pilot
    // cancels or the file is refused (error says why, nothing changes).
    bool openFile(const QString &path, QString *error = nullptr);
    bool openDefaults();
    bool openBlock(const fclink::BlockImage &block, const QString &name);
    // "Open Configuration...": asks for a file and opens it, saying why when it is refused.
    void chooseAndOpen();

    // Saves to the configuration's file (or asks for one); false when nothing was saved.
    bool save();
    bool saveAs();
    // Saves under chosenName (".conf" appended unless it ends so); no questions.
    bool saveTo(const QString &chosenName, QString *error);
    // Save / Discard / Cancel (Cancel the default) when there are unsaved changes; true when
    // the caller may go on: saved, discarded (the edits are dropped) or nothing to ask.
    bool askAboutUnsavedChanges();
    // The same where the configuration closes whatever the answer: Save (the default) or
    // Discard, asked again until the edits are saved or discarded.
    void saveOrDiscardUnsavedChanges();
    // Closes the configuration without a question; the pages show the controller's block.
    void close();

    // The pages' commits while a configuration is open.
    QVector<fclink::FieldChange> write(const QVector<fclink::FieldValue> &values);

    // The comparison waiting for the pilot's choice after a connection, or null.
    ComparisonDialog *pendingChoice() const { return m_choice; }
    // Carries out a choice (fields: those to send for SendSelected).
    void resolve(Choice choice, const QStringList &fields = QStringList());

    // Applies a preset to what the pages show after showing what would change; false when
    // nothing was applied (refused, cancelled, or nothing to change).
    bool applyPreset(const QString &path, bool confirm = true, QString *error = nullptr);
    // "Apply Preset...": asks for the preset first.
    void chooseAndApplyPreset();
    // "Save as Preset...": the pilot picks fields of what the pages show, then a file.
    void chooseAndSavePreset();
    // Writes the named fields of block as a preset under chosenName (suffix rule applied).
    bool savePreset(const QString &chosenName, const fclink::BlockImage &block,
                    const QStringList &fields, QString *error);

    static QString withConfSuffix(const QString &chosenName);

signals:
    // A configuration was opened or closed, or its name or modified state changed.
    void stateChanged();
    // The parameter block holds another configuration: the pages show it, and edits made on the
    // one before cannot be taken back.
    void blockReplaced();
    void noticeChanged(const QString &text);
    // A preset changed these fields at once: one step to take back.
    void presetApplied(const QVector<EditHistory::FieldStep> &steps);

private:
    bool answerUnsavedChanges(bool mayCancel);
    void show(const OfflineConfiguration &configuration);
    void onBlockReadAfterOpen();
    void onConnectionChanged(bool connected);
    void offerChoice(const fclink::BlockImage &controller);
    void dropChoice();
    bool controllerShown() const;
    QString askForSaveName(const QString &title, const QString &filter);
    void warn(const QString &title, const QString &text);

    Commrt *m_link;
    SnapshotRecorder *m_recorder;
    QWidget *m_dialogParent;
    std::optional<OfflineConfiguration> m_configuration;
    // The controller's block while the pilot chooses.
    fclink::BlockImage m_controllerBlock;
    QPointer<ComparisonDialog> m_choice;
};

#endif // SKYDESK_OFFLINEEDITOR_H
