#include "parameterrestore.h"

#include "fclink/link/commrt.h"
#include "fclink/model/parameterblock.h"
#include "fclink/model/parameterformat.h"
#include "skydesk/common/logcategories.h"
#include "upgradequestion.h"

ParameterRestore::ParameterRestore(Commrt *link, QWidget *dialogParent, QObject *parent)
    : QObject(parent), m_link(link), m_dialogParent(dialogParent)
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this,
            [this] { end(tr("Restoring the parameters failed")); });
    m_infoWait.setSingleShot(true);
    connect(&m_infoWait, &QTimer::timeout, this, &ParameterRestore::identify);
    if (m_link) {
        connect(m_link, &Commrt::blockReadAfterOpen, this, &ParameterRestore::blockRead);
        connect(m_link, &Commrt::firmwareInfoReceived, this, [this] {
            if (m_stage == Stage::Identifying)
                identify();
        });
        connect(m_link, &Commrt::uploadVerified, this, &ParameterRestore::uploadVerified);
    }
}

void ParameterRestore::arm(const Offer &offer)
{
    if (!offer.backup.isValid() || isBusy())
        return;
    m_offer = offer;
    m_stage = Stage::Armed;
}

void ParameterRestore::disarm()
{
    if (isBusy())
        return;
    m_infoWait.stop();
    m_stage = Stage::Idle;
}

void ParameterRestore::blockRead()
{
    if (m_stage != Stage::Armed)
        return;
    // The replies carry only the low byte of the version: the whole one decides.
    m_stage = Stage::Identifying;
    m_link->requestFirmwareInfo();
    m_infoWait.start(kFirmwareInfoWaitMs);
}

bool ParameterRestore::isTheFlashedController() const
{
    return m_link->getDeviceId() == m_offer.backup.deviceId() &&
           (m_offer.flashedVersion < 0 || m_link->firmwareVersion() == m_offer.flashedVersion);
}

void ParameterRestore::identify()
{
    m_infoWait.stop();
    if (m_stage != Stage::Identifying)
        return;
    if (!fclink::ParameterBackup::samePort(m_link->getPortName(), m_offer.port)) {
        // Another port: not the flashed controller, which may still come back.
        m_stage = Stage::Armed;
        return;
    }
    if (!isTheFlashedController()) {
        qCInfo(lcUpdate) << "not offering the backup" << m_offer.backup.path() << "to device"
                         << m_link->getDeviceId() << "firmware" << m_link->firmwareVersion() << "on"
                         << m_link->getPortName();
        m_stage = Stage::Idle;
        return;
    }
    m_differing = m_offer.backup.differingFields(fclink::ParameterBlock::copy());
    if (m_differing == 0) {
        m_stage = Stage::Idle; // the upgrade kept them
        return;
    }
    m_stage = Stage::Asking;
    // Asked from the event loop, not from inside the link's signal.
    QTimer::singleShot(0, this, &ParameterRestore::offer);
}

void ParameterRestore::offer()
{
    const fclink::ParameterBackup &backup = m_offer.backup;
    const bool yes =
        UpgradeQuestion::offerRestore(m_dialogParent, m_differing, m_offer.port, backup.time(),
                                      backup.firmwareVersion(), m_offer.sure);
    if (!yes || !m_link || !m_link->isConnected()) {
        m_stage = Stage::Idle;
        return;
    }
    upload();
}

void ParameterRestore::upload()
{
    m_stage = Stage::Uploading;
    m_deadline.start(kRestoreTimeoutMs);
    m_link->uploadParameters(m_offer.backup.block());
}

void ParameterRestore::uploadVerified(bool ok, const QStringList &fields)
{
    // The link has read the block back after the upload: it holds the backup, or the
    // controller refused the fields named.
    if (m_stage != Stage::Uploading)
        return;
    const QString text =
        ok ? tr("Parameters restored from before the upgrade")
           : tr("Restoring the parameters failed: the flight controller did not take %1")
                 .arg(fclink::fieldCaptions(fields).join(QStringLiteral(", ")));
    m_deadline.stop();
    m_stage = Stage::Idle;
    // After the link's own word on the upload, which the status bar shows as well.
    QMetaObject::invokeMethod(
        this, [this, text] { emit finished(text); }, Qt::QueuedConnection);
}

void ParameterRestore::end(const QString &text)
{
    m_deadline.stop();
    m_stage = Stage::Idle;
    emit finished(text);
}
