#include "sysbutton.h"

#include "skydesk/common/hidpipixmap.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

sysButton::sysButton(const QString &pictureName, const QString &toolTip, QWidget *parent)
    : QPushButton(parent),
      m_sprite(HiDpiPixmap::load(QStringLiteral(":/images/sysButton/") + pictureName))
{
    setFlat(true);
    const QSize spriteSize = HiDpiPixmap::logicalSize(m_sprite);
    m_frameWidth = spriteSize.width() / 4;
    m_frameHeight = spriteSize.height();
    setFixedSize(m_frameWidth, m_frameHeight);
    setToolTip(toolTip);
    setAccessibleName(toolTip); // a picture button has no text a screen reader could say
}

void sysButton::setState(State state)
{
    m_state = state;
    repaint();
}

void sysButton::enterEvent(WidgetEnterEvent *)
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
    // The frame in the sprite's own pixels, which a sharp sprite has more of.
    const qreal ratio = m_sprite.devicePixelRatio();
    const QRectF frame(m_state * m_frameWidth * ratio, 0, m_frameWidth * ratio,
                       m_frameHeight * ratio);
    painter.drawPixmap(QRectF(rect()), m_sprite, frame);
    // The picture shows no focus of its own: the style draws the mark over it (the title bar's
    // style sheet says how it looks).
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
