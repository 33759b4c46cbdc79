#include "stopupgradequestion.h"

#include <QMessageBox>

bool StopUpgradeQuestion::confirm(QWidget *parent)
{
    QMessageBox box(QMessageBox::Question, tr("Firmware Upgrade"),
                    tr("Stopping now leaves the flight controller without working firmware until "
                       "it is upgraded again. Stop anyway?"),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}
