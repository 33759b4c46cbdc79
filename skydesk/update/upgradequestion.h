#ifndef SKYDESK_UPGRADEQUESTION_H
#define SKYDESK_UPGRADEQUESTION_H

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

class QWidget;

// The questions of a firmware upgrade, with Yes and No in the program's language.
class UpgradeQuestion
{
    Q_DECLARE_TR_FUNCTIONS(UpgradeQuestion)

public:
    // Before a running flash is stopped (Cancel, Stop Upgrade, closing the window). Before the
    // erase a stop keeps the controller's firmware; after it the controller is left without
    // working firmware until it is upgraded again. No is the default. True when the user chose
    // to stop.
    static bool confirmStop(QWidget *parent, bool erased = true);
    // After an upgrade whose firmware holds other parameters than the backup: count of them
    // differ; the backup was taken from the controller on port at time, running firmware.
    // Yes is the default only when it is unmistakably the same controller. True when the user
    // wants them back.
    static bool offerRestore(QWidget *parent, int count, const QString &port, const QDateTime &time,
                             int firmware, bool yesByDefault);
    // Before flashing firmware that is not newer than the installed one. No is the default.
    static bool confirmDowngrade(QWidget *parent, int image, int installed);

    // The texts of the questions, for the views that show them and for tests.
    static QString stopText(bool erased);
    static QString restoreText(int count, const QString &port, const QDateTime &time, int firmware);
    static QString downgradeText(int image, int installed);

private:
    static bool ask(QWidget *parent, const QString &text, bool yesByDefault);
};

#endif // SKYDESK_UPGRADEQUESTION_H
