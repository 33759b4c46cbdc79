#ifndef SKYDESK_PARAMETERRESTORE_H
#define SKYDESK_PARAMETERRESTORE_H

#include "parameterbackup.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

class Commrt;

// Offers the parameters saved before an upgrade back to the controller once the link has read
// its block again: when that block differs from the backup (a new firmware often starts with
// other parameters) the user is asked "Restore the N parameters saved before the upgrade?".
// Restoring writes the backup into the block and uploads it; the link reads it back and says
// whether the controller took every field.
class ParameterRestore : public QObject
{
    Q_OBJECT

public:
    // Upload and verify together; a controller that does not answer in this time has failed.
    static constexpr int kRestoreTimeoutMs = 20000;

    ParameterRestore(Commrt *link, QWidget *dialogParent, QObject *parent = nullptr);

    // Offers backup after the next parameter read.
    void arm(const fclink::ParameterBackup &backup);
    bool isArmed() const { return m_stage == Stage::Armed; }
    bool isBusy() const { return m_stage != Stage::Idle && m_stage != Stage::Armed; }

signals:
    // The restore has ended; text says how, for the status bar.
    void finished(const QString &text);

private slots:
    void parametersRead();
    void uploadVerified(bool ok, const QStringList &fields);

private:
    enum class Stage
    {
        Idle,
        Armed,
        Asking,
        Uploading // until the link has read the block back
    };

    void offer();
    void upload();
    void end(const QString &text);

    Commrt *m_link;
    QPointer<QWidget> m_dialogParent;
    fclink::ParameterBackup m_backup;
    Stage m_stage = Stage::Idle;
    int m_differing = 0;
    QTimer m_deadline;
};

#endif // SKYDESK_PARAMETERRESTORE_H
