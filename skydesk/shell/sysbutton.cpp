#include "sysbutton.h"

#include <QPainter>

sysButton::sysButton(const QString &pictureName, const QString &toolTip, QWidget *parent)
    : QPushButton(parent), m_sprite(QStringLiteral(":/images/sysButton/") + pictureName)
{
    setFlat(true);
    m_frameWidth = m_sprite.width() / 4;
    m_frameHeight = m_sprite.height();
    setFixedSize(m_frameWidth, m_frameHeight);
    setToolTip(toolTip);
}

void sysButton::setState(State state)
{
    m_state = state;
    repaint();
}

void sysButton::enterEvent(QEvent *)
{
    setState(Hovered);
}

void sysButton::leaveEvent(QEvent *)
{
    setState(Normal);
}

void sysButton::mousePressEvent(QMouseEvent *)
{
    setState(Pressed);
}

void sysButton::mouseReleaseEvent(QMouseEvent *)
{
    setState(Hovered);
    emit clicked();
}

void sysButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect frame(m_state * m_frameWidth, 0, m_frameWidth, m_frameHeight);
    painter.drawPixmap(rect(), m_sprite, frame);
}
