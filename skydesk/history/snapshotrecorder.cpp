#include "snapshotrecorder.h"

#include "fclink/link/commrt.h"
#include "fclink/link/parameterslices.h"
#include "fclink/model/parameterblock.h"
#include "skydesk/common/logcategories.h"

SnapshotRecorder::SnapshotRecorder(Commrt *link, QObject *parent, const QString &folder)
    : QObject(parent), m_link(link), m_store(folder)
{
    qRegisterMetaType<fclink::Snapshot>();
    m_versionWait.setSingleShot(true);
    connect(&m_versionWait, &QTimer::timeout, this, &SnapshotRecorder::takeConnectSnapshot);
    connect(m_link, &Commrt::blockReadAfterOpen, this, &SnapshotRecorder::onBlockReadAfterOpen);
    connect(m_link, &Commrt::firmwareInfoReceived, this, [this] {
        if (m_versionWait.isActive())
            takeConnectSnapshot();
    });
    connect(m_link, &Commrt::uploadVerified, this, [this](bool ok) { onUploadVerified(ok); });
}

void SnapshotRecorder::onBlockReadAfterOpen()
{
    // The block as it was read: an edit made while the version is asked for is not part of it.
    m_connectBlock = fclink::ParameterBlock::copy();
    m_link->requestFirmwareInfo();
    m_versionWait.start(kFirmwareInfoWaitMs);
}

void SnapshotRecorder::takeConnectSnapshot()
{
    m_versionWait.stop();
    const std::optional<fclink::BlockImage> block = m_connectBlock;
    m_connectBlock.reset();
    if (block)
        store(*block, fclink::SnapshotReason::Connect, QString());
}

bool SnapshotRecorder::take(fclink::SnapshotReason reason, const QString &note)
{
    return store(fclink::ParameterBlock::copy(), reason, note);
}

bool SnapshotRecorder::store(const fclink::BlockImage &block, fclink::SnapshotReason reason,
                             const QString &note)
{
    fclink::Snapshot snapshot;
    QString error;
    if (!m_store.take(block, reason, note, m_link->getDeviceId(), m_link->firmwareVersion(),
                      &snapshot, &error)) {
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
