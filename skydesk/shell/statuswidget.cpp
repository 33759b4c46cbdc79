#include "statuswidget.h"

#include <QHBoxLayout>
#include <QLabel>

statusWidget::statusWidget(QWidget *parent)
    : QWidget(parent), m_statusLabel(new QLabel(this)), m_connectionLabel(new QLabel(this))
{
    setFont(QFont(QStringLiteral("Arial"), -1, QFont::Bold));
    m_statusLabel->setObjectName(QStringLiteral("labelStatus"));
    m_connectionLabel->setObjectName(QStringLiteral("labelConnection"));
    m_statusLabel->setContentsMargins(5, 0, 0, 0);
    m_connectionLabel->setContentsMargins(0, 0, 20, 0);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_statusLabel);
    row->addStretch();
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

void statusWidget::statusTextChanged(quint16 textIndex)
{
    const QString text = textForStatus(textIndex);
    if (!text.isNull())
        m_statusLabel->setText(text);
}

void statusWidget::statusTextChanged(const QString &strText)
{
    m_statusLabel->setText(strText);
}

void statusWidget::connectTextChanged(quint16 code)
{
    m_connectionLabel->setText(textForConnection(code));
}

void statusWidget::onDisplayCloseCOMPort()
{
    // The texts follow the link's own reports only.
}

void statusWidget::showUpgrading()
{
    m_statusLabel->setText(tr("Upgrading firmware..."));
    m_connectionLabel->setText(textForConnection(0));
}

void statusWidget::showUpgradeEnded()
{
    m_statusLabel->setText(textForStatus(0));
    m_connectionLabel->setText(textForConnection(0));
}

void statusWidget::showWaitingForFirmware(bool waiting)
{
    const QString text = tr("The flight controller is waiting for firmware");
    if (waiting) {
        m_statusLabel->setText(text);
        m_connectionLabel->setText(textForConnection(0)); // the bootloader is no link
    } else if (m_statusLabel->text() == text) {
        m_statusLabel->setText(textForStatus(0));
    }
}
