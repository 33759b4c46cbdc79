#include "statuswidget.h"

#include <portopenerror.h>

#include <QHBoxLayout>
#include <QLabel>

statusWidget::statusWidget(QWidget *parent)
    : QWidget(parent), m_statusLabel(new QLabel(this)), m_connectionLabel(new QLabel(this)),
      m_recordingLabel(new QLabel(this))
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
    row->addWidget(m_statusLabel);
    row->addStretch();
    row->addWidget(m_recordingLabel);
    row->addWidget(m_connectionLabel);
    setFixedHeight(40);
}

QString statusWidget::statusText() const
{
    return m_statusLabel->text();
}

QString statusWidget::connectionText() const
{
    return m_connectionLabel->text();
}

QString statusWidget::recordingText() const
{
    return m_recordingLabel->text();
}

QString statusWidget::textForStatus(quint16 code)
{
    switch (code) {
    case 0:
        return QString(14, QLatin1Char(' '));
    case 1:
        return tr("COMPort open successfully");
    case 2:
        return tr("COMPort open failed");
    case 3:
        return tr("Connection closed");
    case 4:
        return tr("Parameters uploaded");
    case 5:
        return tr("Uploading...");
    case 6:
        return tr("Parameters saved OK");
    case 7:
        return tr("Parameters saved error");
    case 8:
        return tr("Accelerometers calibrated OK");
    case 9:
        return tr("Accelerometers calibrated error");
    case 10:
        return tr("Gyros calibrated OK");
    case 11:
        return tr("Gyros calibrated error");
    case 12:
        return tr("Voltage calibrated OK");
    case 13:
        return tr("Voltage calibrated error");
    default:
        return QString();
    }
}

QString statusWidget::textForConnection(quint16 code)
{
    switch (code) {
    case 0:
        return tr("Unconnected");
    case 1:
        return tr("Connected");
    default:
        return QString(6, QLatin1Char(' '));
    }
}

QString statusWidget::textForVerification(bool ok, const QStringList &fields)
{
    if (ok)
        return tr("Parameters uploaded and verified");
    return tr("The flight controller did not accept: %1").arg(fields.join(QStringLiteral(", ")));
}

QString statusWidget::textForPortLost(const QString &portName)
{
    return tr("Lost the flight controller on %1: it reconnects when the port comes back")
        .arg(portName);
}

QString statusWidget::textForPortReopened(const QString &portName)
{
    return tr("Reconnected to %1").arg(portName);
}

QString statusWidget::textForOpenFailure(const QString &portName, int reason, const QString &detail)
{
    switch (static_cast<fclink::PortOpenError>(reason)) {
    case fclink::PortOpenError::NoSuchDevice:
        return tr("COMPort open failed: %1: no such device").arg(portName);
    case fclink::PortOpenError::PermissionDenied:
        return tr("COMPort open failed: %1: permission denied (on Linux: add your user to the "
                  "dialout group and log in again)")
            .arg(portName);
    case fclink::PortOpenError::InUse:
        return tr("COMPort open failed: %1 is in use by another program").arg(portName);
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
    const QString text = textForStatus(textIndex);
    if (!text.isNull())
        showNotice(text, Severity::Normal);
}

void statusWidget::statusTextChanged(const QString &strText)
{
    showNotice(strText, Severity::Normal);
}

void statusWidget::showNotice(const QString &text, statusWidget::Severity severity)
{
    m_statusLabel->setText(text);
    if (severity == m_severity)
        return;
    m_severity = severity;
    // A warning stands out from the bar's white text; anything after it is white again.
    QPalette palette = m_statusLabel->palette();
    if (severity == Severity::Warning)
        palette.setColor(QPalette::WindowText, QColor(0xff, 0x60, 0x50));
    else
        palette = QPalette();
    m_statusLabel->setPalette(palette);
}

void statusWidget::connectTextChanged(quint16 code)
{
    m_connectionLabel->setText(textForConnection(code));
}

void statusWidget::recordingTextChanged(const QString &text)
{
    m_recordingLabel->setText(text);
}

void statusWidget::onDisplayCloseCOMPort()
{
    // The texts follow the link's own reports only.
}

void statusWidget::showUpgrading()
{
    showNotice(tr("Upgrading firmware..."), Severity::Normal);
    m_connectionLabel->setText(textForConnection(0));
}

void statusWidget::showUpgradeEnded()
{
    showNotice(textForStatus(0), Severity::Normal);
    m_connectionLabel->setText(textForConnection(0));
}

void statusWidget::showWaitingForFirmware(bool waiting)
{
    const QString text = tr("The flight controller is waiting for firmware");
    if (waiting) {
        showNotice(text, Severity::Warning);
        m_connectionLabel->setText(textForConnection(0)); // the bootloader is no link
    } else if (m_statusLabel->text() == text) {
        showNotice(textForStatus(0), Severity::Normal);
    }
}
