#ifndef SKYDESK_PARAMETERRESTORE_H
#define SKYDESK_PARAMETERRESTORE_H

#include "fclink/storage/parameterbackup.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

class Commrt;

// Offers the parameters saved before an upgrade back to the controller that was flashed, once
// the link has read its block again: the same port, the same device and the version the flash
// wrote. When that block differs from the backup (a new firmware often starts with other
// parameters) the user is asked "Restore the N parameters saved before the upgrade from the
// flight controller on PORT at TIME (firmware X)?"; Yes is the default only when it is
// unmistakably the same controller. Another controller on another port is never asked; one on
// the flashed port with another firmware or device ends the offer. Restoring writes the backup
// into the block and uploads it; the link reads it back and says whether the controller took
// every field.
class ParameterRestore : public QObject
{
    Q_OBJECT

public:
    // Upload and verify together; a controller that does not answer in this time has failed.
    static constexpr int kRestoreTimeoutMs = 20000;
    // The firmware info comes with the next reply or not at all.
    static constexpr int kFirmwareInfoWaitMs = 1500;

    // Who the backup is for.
    struct Offer
    {
        fclink::ParameterBackup backup;
        QString port;            // the port that was flashed
        int flashedVersion = -1; // the version the flash wrote
        // Yes is the default: the backup was taken by this flash, and the link reopened the
        // port right after it without the pilot connecting, disconnecting or losing it.
        bool sure = false;
    };

    ParameterRestore(Commrt *link, QWidget *dialogParent, QObject *parent = nullptr);

    // Offers the backup after the next parameter read of the flashed controller.
    void arm(const Offer &offer);
    void disarm();
    bool isArmed() const { return m_stage == Stage::Armed || m_stage == Stage::Identifying; }
    bool isBusy() const { return m_stage == Stage::Asking || m_stage == Stage::Uploading; }
    // The pilot connected, disconnected or lost the port: whatever answers next may be
    // another controller, so Yes is no longer the default.
    void makeUnsure() { m_offer.sure = false; }

signals:
    // The restore has ended; text says how, for the status bar.
    void finished(const QString &text);

private slots:
    void blockRead();
    void uploadVerified(bool ok, const QStringList &fields);

private:
    enum class Stage
    {
        Idle,
        Armed,
        Identifying, // waiting for the firmware info of the controller read
        Asking,
        Uploading // until the link has read the block back
    };

    void identify();
    bool isTheFlashedController() const;
    void offer();
    void upload();
    void end(const QString &text);

    Commrt *m_link;
    QPointer<QWidget> m_dialogParent;
    Offer m_offer;
    Stage m_stage = Stage::Idle;
    int m_differing = 0;
    QTimer m_deadline;
    QTimer m_infoWait;
};

#endif // SKYDESK_PARAMETERRESTORE_H
