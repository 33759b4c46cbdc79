#include "snapshotrecorder.h"

#include "fclink/link/commrt.h"
#include "fclink/link/parameterslices.h"
#include "fclink/model/parameterblock.h"
#include "skydesk/common/logcategories.h"

SnapshotRecorder::SnapshotRecorder(Commrt *link, QObject *parent, const QString &folder)
    : QObject(parent), m_link(link), m_store(folder)
{
    qRegisterMetaType<fclink::Snapshot>();
    connect(m_link, &Commrt::blockReadAfterOpen, this,
            [this] { take(fclink::SnapshotReason::Connect); });
    connect(m_link, &Commrt::uploadVerified, this, [this](bool ok) { onUploadVerified(ok); });
}

bool SnapshotRecorder::take(fclink::SnapshotReason reason, const QString &note)
{
    fclink::Snapshot snapshot;
    QString error;
    if (!m_store.take(fclink::ParameterBlock::copy(), reason, note, m_link->getDeviceId(),
                      m_link->getFirmwareVersion(), &snapshot, &error)) {
        qCWarning(lcHistory) << "snapshot not stored:" << error;
        emit snapshotFailed(error);
        return false;
    }
    emit snapshotTaken(snapshot);
    return true;
}

void SnapshotRecorder::expectRestore()
{
    m_restorePending = true;
}

void SnapshotRecorder::onUploadVerified(bool ok)
{
    if (!m_restorePending)
        return;
    m_restorePending = false;
    // What the controller holds now, also when it refused part of the restore (the block then
    // holds its values).
    take(fclink::SnapshotReason::AfterRestore, ok ? QString() : tr("partly refused"));
}
