#include "statuswidget.h"

#include "elidinglabel.h"
#include "fclink/link/linkmessages.h"
#include "fclink/link/portopenerror.h"
#include "fclink/link/replydecoder.h"
#include "fclink/model/parameterformat.h"
#include "skydesk/common/logcategories.h"
#include "skydesk/common/messagestyle.h"

#include <QAccessible>
#include <QHBoxLayout>
#include <QLabel>

statusWidget::statusWidget(QWidget *parent)
    : QWidget(parent), m_statusLabel(new ElidingLabel(this)), m_connectionLabel(new QLabel(this)),
      m_recordingLabel(new ElidingLabel(this))
{
    setFont(QFont(QStringLiteral("Arial"), -1, QFont::Bold));
    m_statusLabel->setObjectName(QStringLiteral("labelStatus"));
    m_connectionLabel->setObjectName(QStringLiteral("labelConnection"));
    m_recordingLabel->setObjectName(QStringLiteral("labelRecording"));
    m_recordingLabel->setContentsMargins(0, 0, 20, 0);
    m_statusLabel->setContentsMargins(5, 0, 0, 0);
    m_connectionLabel->setContentsMargins(0, 0, 20, 0);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    // The notice takes the room the other texts leave, and gives way first when there is none.
    row->addWidget(m_statusLabel, 1);
    row->addStretch();
    row->addWidget(m_recordingLabel);
    row->addWidget(m_connectionLabel);
    setFixedHeight(40);
}

QString statusWidget::statusText() const
{
    return m_statusLabel->fullText();
}

QString statusWidget::connectionText() const
{
    return m_connectionLabel->text();
}

QString statusWidget::recordingText() const
{
    return m_recordingLabel->fullText();
}

QString statusWidget::textForVerification(bool ok, const QStringList &fields)
{
    if (ok)
        return tr("Parameters uploaded and verified");
    return tr("The flight controller did not accept: %1")
        .arg(fclink::fieldCaptions(fields).join(QStringLiteral(", ")));
}

QString statusWidget::textForPortLost(const QString &portName)
{
    return tr("Lost the flight controller on %1: it reconnects when the port comes back")
        .arg(portName);
}

QString statusWidget::textForPortShared(const QString &portName)
{
    return tr("Another program is reading %1: close it, then connect again").arg(portName);
}

QString statusWidget::textForUploadResumed()
{
    return tr("The flight controller stopped answering during the upload: it was sent again once "
              "the controller answered");
}

QString statusWidget::textForUploadInterrupted(const QString &portName, const QStringList &captions)
{
    return tr("%1 went away during the upload: the flight controller may not hold %2")
        .arg(portName, captions.join(QStringLiteral(", ")));
}

QString statusWidget::textForPortReopened(const QString &portName)
{
    return tr("Reconnected to %1").arg(portName);
}

QString statusWidget::textForOpenFailure(const QString &portName, fclink::PortOpenError reason,
                                         const QString &detail)
{
    switch (reason) {
    case fclink::PortOpenError::NoSuchDevice:
        return tr("COMPort open failed: %1: no such device").arg(portName);
    case fclink::PortOpenError::PermissionDenied:
        return tr("COMPort open failed: %1: permission denied (on Linux: add your user to the "
                  "dialout group and log in again)")
            .arg(portName);
    case fclink::PortOpenError::InUse:
        return tr("COMPort open failed: %1 is in use by another program").arg(portName);
    case fclink::PortOpenError::NotASerialPort:
        return tr("COMPort open failed: %1 is not a serial port").arg(portName);
    case fclink::PortOpenError::NotAPortName:
        if (portName.isEmpty())
            return tr("COMPort open failed: no port is chosen");
        return tr("COMPort open failed: %1 is not a port name").arg(portName);
    case fclink::PortOpenError::None:
    case fclink::PortOpenError::Other:
        break;
    }
    if (detail.isEmpty())
        return tr("COMPort open failed: %1").arg(portName);
    return tr("COMPort open failed: %1: %2").arg(portName, detail);
}

void statusWidget::statusTextChanged(quint16 textIndex)
{
    const QString text = LinkMessages::statusText(textIndex);
    if (!text.isNull())
        showNotice(text, LinkMessages::statusSeverity(textIndex));
}

void statusWidget::statusTextChanged(const QString &strText)
{
    showNotice(strText, Severity::Info);
}

void statusWidget::showNotice(const QString &text, statusWidget::Severity severity)
{
    m_statusLabel->setFullText(text);
    announce(text, severity);
    log(text, severity);
    if (severity == m_severity)
        return;
    m_severity = severity;
    // Without a colour of its own the label inherits the bar's white again.
    const QColor colour = MessageStyle::colour(severity, MessageStyle::Surface::StatusBar);
    QPalette palette;
    if (colour.isValid()) {
        palette = m_statusLabel->palette();
        palette.setColor(QPalette::WindowText, colour);
    }
    m_statusLabel->setPalette(palette);
}

// The bar is a live region: a screen reader says each outcome as it comes, warnings and errors
// as alerts, so a pilot who cannot see the bar hears "Parameters uploaded and verified".
void statusWidget::announce(const QString &text, Severity severity)
{
    m_statusLabel->setAccessibleName(text.trimmed());
    if (text.trimmed().isEmpty())
        return;
    const bool alert = severity == Severity::Warning || severity == Severity::Error;
    QAccessibleEvent event(m_statusLabel, alert ? QAccessible::Alert : QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

// Warnings and errors, and any notice the bar cannot show whole, are kept in the log too: the bar
// shows only the last notice, and only as much of it as fits.
void statusWidget::log(const QString &text, Severity severity)
{
    if (text.trimmed().isEmpty())
        return;
    if (severity == Severity::Warning || severity == Severity::Error)
        qCWarning(lcShell).noquote() << "status:" << text;
    else if (m_statusLabel->isVisible() && m_statusLabel->isElided())
        qCInfo(lcShell).noquote() << "status:" << text;
}

QString statusWidget::noticeToolTip() const
{
    return m_statusLabel->toolTip();
}

void statusWidget::setNoticeToolTip(const QString &text)
{
    m_statusLabel->setFixedToolTip(text);
}

void statusWidget::connectTextChanged(quint16 code)
{
    m_connectCode = code;
    m_connectionLabel->setText(code == 0 && !m_offlineText.isEmpty()
                                   ? m_offlineText
                                   : LinkMessages::connectStateText(code));
}

void statusWidget::setOfflineText(const QString &text)
{
    m_offlineText = text;
    connectTextChanged(m_connectCode);
}

void statusWidget::recordingTextChanged(const QString &text)
{
    m_recordingLabel->setFullText(text);
}

void statusWidget::onDisplayCloseCOMPort() {}

void statusWidget::showUpgrading()
{
    showNotice(tr("Upgrading firmware..."), Severity::Info);
    m_connectionLabel->setText(LinkMessages::connectStateText(0));
}

void statusWidget::showUpgradeEnded()
{
    showNotice(LinkMessages::statusText(fclink::status::Cleared), Severity::Info);
    m_connectionLabel->setText(LinkMessages::connectStateText(0));
}

void statusWidget::showWaitingForFirmware(bool waiting)
{
    const QString text = tr("The flight controller is waiting for firmware");
    if (waiting) {
        showNotice(text, Severity::Warning);
        m_connectionLabel->setText(LinkMessages::connectStateText(0)); // the bootloader is no link
    } else if (m_statusLabel->fullText() == text) {
        showNotice(LinkMessages::statusText(fclink::status::Cleared), Severity::Info);
    }
}
