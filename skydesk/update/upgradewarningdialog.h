#ifndef SKYDESK_UPGRADEWARNINGDIALOG_H
#define SKYDESK_UPGRADEWARNINGDIALOG_H

#include <QDialog>

namespace Ui {
class UpgradeWarningDialogUi;
}

// The notice shown when the online firmware check is clicked without a connected controller.
class UpgradeWarningDialog : public QDialog
{
    Q_OBJECT

public:
    explicit UpgradeWarningDialog(QWidget *parent = nullptr);
    ~UpgradeWarningDialog() override;

    Ui::UpgradeWarningDialogUi *form() const { return m_ui; }

private:
    Ui::UpgradeWarningDialogUi *m_ui;
};

#endif // SKYDESK_UPGRADEWARNINGDIALOG_H
