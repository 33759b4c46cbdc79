#ifndef SKYDESK_CONFIGURATIONHISTORYDIALOG_H
#define SKYDESK_CONFIGURATIONHISTORYDIALOG_H

#include "fclink/storage/snapshotstore.h"
#include "parametercomparison.h"

#include <QDialog>
#include <QStringList>
#include <QVector>

class Commrt;
class SnapshotRecorder;
class QTreeWidgetItem;

namespace Ui {
class ConfigurationHistoryDialogUi;
}

// The configuration history: every snapshot, newest first, and a comparison of the selected
// one with the flight controller, with another snapshot or with a parameter file. Only the
// fields that differ are listed, by page and tab, with the pilot's captions and values (the raw
// values in a tooltip). "Restore Selected" and "Restore All" upload the selected snapshot's
// values of the ticked fields, or the whole snapshot; the link verifies the upload as it does
// every upload, and a snapshot follows. Comparing works without a controller; restoring needs
// one.
class ConfigurationHistoryDialog : public QDialog
{
    Q_OBJECT

public:
    ConfigurationHistoryDialog(Commrt *link, SnapshotRecorder *recorder, QWidget *parent = nullptr);
    ~ConfigurationHistoryDialog() override;

    Ui::ConfigurationHistoryDialogUi *form() const { return m_ui; }

    // What the buttons do, without their dialogs.
    void compareWithController();
    void compareSelected();
    bool compareWithFile(const QString &path);
    bool saveSnapshot(const QString &note);
    bool restoreSelected();
    bool restoreAll();
    // "Open Offline": the selected snapshot goes to the pages as an offline configuration.
    bool openSelectedOffline();

    // The differences shown now.
    const QVector<DifferenceSection> &differences() const { return m_sections; }
    QString notice() const;

signals:
    // The block holds restored values now; the pages show it.
    void configurationRestored();
    // The pilot asked to edit this snapshot offline.
    void openOfflineRequested(const fclink::BlockImage &block, const QString &name);

private:
    enum class Other
    {
        Nothing,
        Controller,
        Snapshot,
        File
    };

    void reloadSnapshots();
    void updateButtons();
    QVector<fclink::Snapshot> selectedSnapshots() const;
    bool readSnapshot(const fclink::Snapshot &snapshot, fclink::BlockImage *block);
    void showComparison(const fclink::BlockImage &other);
    void fillDifferences();
    QStringList tickedFields() const;
    bool restore(const QStringList &fields);
    void onUploadVerified();
    void showNotice(const QString &text, bool warning);
    void chooseFileToCompare();
    void showHelp();
    void askForSnapshotNote();

    static QString snapshotTitle(const fclink::Snapshot &snapshot);
    static QString shortTime(const fclink::Snapshot &snapshot);
    static QString reasonText(fclink::SnapshotReason reason);

    Ui::ConfigurationHistoryDialogUi *m_ui;
    Commrt *m_link;
    SnapshotRecorder *m_recorder;
    QVector<fclink::Snapshot> m_snapshots;

    // The comparison shown: the snapshot that a restore uploads, and what it is compared with.
    fclink::Snapshot m_source;
    fclink::BlockImage m_sourceBlock;
    Other m_other = Other::Nothing;
    QString m_otherTitle;
    fclink::BlockImage m_otherBlock;
    QVector<DifferenceSection> m_sections;
};

#endif // SKYDESK_CONFIGURATIONHISTORYDIALOG_H
