#ifndef SKYDESK_STOPUPGRADEQUESTION_H
#define SKYDESK_STOPUPGRADEQUESTION_H

#include <QCoreApplication>

class QWidget;

// Asks before a running flash is stopped (Cancel, Stop Upgrade, closing the window): a stopped
// flash leaves the controller in its bootloader without working firmware. No is the default.
class StopUpgradeQuestion
{
    Q_DECLARE_TR_FUNCTIONS(StopUpgradeQuestion)

public:
    // True when the user chose to stop.
    static bool confirm(QWidget *parent);
};

#endif // SKYDESK_STOPUPGRADEQUESTION_H
