#ifndef SKYDESK_COMPARISONDIALOG_H
#define SKYDESK_COMPARISONDIALOG_H

#include "skydesk/history/parametercomparison.h"

#include <QDialog>
#include <QHash>
#include <QStringList>

class QAbstractButton;

namespace Ui {
class ComparisonDialogUi;
}

// Fields grouped as the pages show them, each with a tick, and the choices the caller offers
// for them: the comparison of an offline configuration with the controller, the changes a
// preset would make, or the fields to put into a preset. The dialog ends with the choice made
// (choice()) and the ticked fields; closing it makes no choice (-1).
class ComparisonDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ComparisonDialog(QWidget *parent = nullptr);
    ~ComparisonDialog() override;

    Ui::ComparisonDialogUi *form() const { return m_ui; }

    // The fields with their values under the column headings (one value column when headings
    // names two columns, the parameter's and one).
    void setFields(const QString &text, const QStringList &headings,
                   const QVector<DifferenceSection> &sections, bool ticked);
    // A button that ends the dialog with this choice. A choice that takes the ticked fields is
    // enabled only while some are ticked. The first choice is the default button (Enter).
    QAbstractButton *addChoice(const QString &text, int choice, bool takesTicks = false);
    // A Cancel button, which closes the dialog without a choice.
    void addCancelButton();
    // The button of a choice, or null.
    QAbstractButton *choiceButton(int choice) const;

    // A "Help" button that shows this help document (a file name of the document folder).
    void setHelpDocument(const QString &fileName);

    // What ended the dialog, -1 when it was closed.
    int choice() const { return m_choice; }
    QStringList tickedFields() const;
    // Ends the dialog with this choice, as its button does.
    void choose(int choice);

private:
    void updateChoices();
    void showHelp();

    Ui::ComparisonDialogUi *m_ui;
    QHash<QAbstractButton *, int> m_choices;
    QList<QAbstractButton *> m_takingTicks;
    int m_choice = -1;
    QString m_helpDocument;
};

#endif // SKYDESK_COMPARISONDIALOG_H
