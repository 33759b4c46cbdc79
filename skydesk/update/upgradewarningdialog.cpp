#include "upgradewarningdialog.h"

#include "product/fontscale.h"
#include "skydesk/common/textroom.h"
#include "skydesk/common/windowfit.h"
#include "ui_upgradewarningdialog.h"

UpgradeWarningDialog::UpgradeWarningDialog(QWidget *parent)
    : QDialog(parent), m_ui(new Ui::UpgradeWarningDialogUi)
{
    m_ui->setupUi(this);
    FontScale::scaleForm(this);
    TextRoom::makeRoomWhenShown(this);
    WindowFit::keepOnScreenWhenShown(this);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

UpgradeWarningDialog::~UpgradeWarningDialog()
{
    delete m_ui;
}
