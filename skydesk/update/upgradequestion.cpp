#include "upgradequestion.h"

#include <QMessageBox>
#include <QPushButton>

bool UpgradeQuestion::confirmStop(QWidget *parent)
{
    return ask(parent,
               tr("Stopping now leaves the flight controller without working firmware until it "
                  "is upgraded again. Stop anyway?"),
               false);
}

bool UpgradeQuestion::offerRestore(QWidget *parent, int count)
{
    return ask(parent, tr("Restore the %n parameters saved before the upgrade?", nullptr, count),
               true);
}

bool UpgradeQuestion::ask(QWidget *parent, const QString &text, bool yesByDefault)
{
    QMessageBox box(QMessageBox::Question, tr("Firmware Upgrade"), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    // Qt's own button texts come only in English here.
    box.button(QMessageBox::Yes)->setText(tr("Yes"));
    box.button(QMessageBox::No)->setText(tr("No"));
    box.setDefaultButton(yesByDefault ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}
