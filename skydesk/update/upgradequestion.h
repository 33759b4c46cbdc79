#ifndef SKYDESK_UPGRADEQUESTION_H
#define SKYDESK_UPGRADEQUESTION_H

#include <QCoreApplication>

class QWidget;

// The questions of a firmware upgrade, with Yes and No in the program's language.
class UpgradeQuestion
{
    Q_DECLARE_TR_FUNCTIONS(UpgradeQuestion)

public:
    // Before a running flash is stopped (Cancel, Stop Upgrade, closing the window): a stopped
    // flash leaves the controller in its bootloader without working firmware. No is the default.
    // True when the user chose to stop.
    static bool confirmStop(QWidget *parent);
    // After an upgrade whose firmware holds other parameters than the backup: count of them
    // differ. True when the user wants them back.
    static bool offerRestore(QWidget *parent, int count);

private:
    static bool ask(QWidget *parent, const QString &text, bool yesByDefault);
};

#endif // SKYDESK_UPGRADEQUESTION_H
