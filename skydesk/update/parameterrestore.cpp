#include "parameterrestore.h"

#include "commrt.h"
#include "parameterblock.h"
#include "parameterformat.h"
#include "upgradequestion.h"

namespace {

QByteArray blockNow()
{
    return fclink::ParameterBlock::copy();
}

const quint8 *bytes(const QByteArray &block)
{
    return reinterpret_cast<const quint8 *>(block.constData());
}

} // namespace

ParameterRestore::ParameterRestore(Commrt *link, QWidget *dialogParent, QObject *parent)
    : QObject(parent), m_link(link), m_dialogParent(dialogParent)
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this,
            [this] { end(tr("Restoring the parameters failed")); });
    if (m_link) {
        connect(m_link, &Commrt::parametersChanged, this, &ParameterRestore::parametersRead);
        connect(m_link, &Commrt::uploadVerified, this, &ParameterRestore::uploadVerified);
    }
}

void ParameterRestore::arm(const fclink::ParameterBackup &backup)
{
    if (!backup.isValid() || isBusy())
        return;
    m_backup = backup;
    m_stage = Stage::Armed;
}

void ParameterRestore::parametersRead()
{
    if (m_stage != Stage::Armed)
        return;
    m_differing = m_backup.differingFields(bytes(blockNow()));
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
    if (!UpgradeQuestion::offerRestore(m_dialogParent, m_differing) || !m_link ||
        !m_link->isConnected()) {
        m_stage = Stage::Idle;
        return;
    }
    upload();
}

void ParameterRestore::upload()
{
    m_stage = Stage::Uploading;
    m_deadline.start(kRestoreTimeoutMs);
    m_link->uploadParameters(m_backup.block());
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
