#include "controlpainter.h"

#include "artpalette.h"
#include "imageeffects.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor arrowInk(0x33, 0x3e, 0x4b);
const QColor arrowInkDisabled(0xa7, 0xaf, 0xb8);

struct IndicatorColours
{
    QColor border;
    QColor fillTop;
    QColor fillBottom;
    QColor mark;
};

IndicatorColours indicatorColours(bool checked, ControlPainter::Look look)
{
    using Look = ControlPainter::Look;
    if (look == Look::Disabled) {
        return {ArtPalette::disabledLine, QColor(0xf1, 0xf2, 0xf4), ArtPalette::disabledFill,
                QColor(0x9a, 0xa3, 0xad)};
    }
    if (checked) {
        switch (look) {
        case Look::Hovered:
            return {QColor(0x07, 0x7d, 0x86), QColor(0x3a, 0xdc, 0xdc), QColor(0x10, 0xa6, 0xb0),
                    Qt::white};
        case Look::Pressed:
            return {QColor(0x05, 0x5e, 0x66), QColor(0x0a, 0x8f, 0x99), QColor(0x08, 0x78, 0x80),
                    QColor(0xe6, 0xfa, 0xfa)};
        default:
            return {QColor(0x07, 0x70, 0x78), QColor(0x1c, 0xc4, 0xc6), ArtPalette::tealDark,
                    Qt::white};
        }
    }
    switch (look) {
    case Look::Hovered:
        return {QColor(0x0e, 0x9c, 0xa8), Qt::white, QColor(0xd9, 0xf5, 0xf6), Qt::transparent};
    case Look::Pressed:
        return {ArtPalette::tealDark, QColor(0xc6, 0xe6, 0xea), QColor(0xe6, 0xf3, 0xf5),
                Qt::transparent};
    default:
        return {ArtPalette::slate, Qt::white, QColor(0xe2, 0xe7, 0xec), Qt::transparent};
    }
}

QImage triangle(const QSize &size, const QPolygonF &points, const QColor &color)
{
    QImage image = ImageEffects::transparentCanvas(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(color);
    painter.drawPolygon(points);
    painter.end();
    return image;
}

} // namespace

QImage ControlPainter::comboArrow(bool enabled)
{
    const QPolygonF points(
        QVector<QPointF>{QPointF(2.0, 2.0), QPointF(10.0, 2.0), QPointF(6.0, 6.5)});
    return triangle(QSize(12, 8), points, enabled ? arrowInk : arrowInkDisabled);
}

QImage ControlPainter::spinArrow(Direction direction, bool enabled)
{
    const QPolygonF down(QVector<QPointF>{QPointF(1.0, 1.5), QPointF(8.0, 1.5), QPointF(4.5, 5.0)});
    const QPolygonF up(QVector<QPointF>{QPointF(1.0, 4.5), QPointF(8.0, 4.5), QPointF(4.5, 1.0)});
    return triangle(QSize(9, 6), direction == Direction::Up ? up : down,
                    enabled ? arrowInk : arrowInkDisabled);
}

QImage ControlPainter::checkBox(bool checked, Look look)
{
    const IndicatorColours colours = indicatorColours(checked, look);
    QImage image = ImageEffects::transparentCanvas(QSize(indicatorSize, indicatorSize));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF box(1.5, 1.5, 13, 13);
    QLinearGradient fill(0, box.top(), 0, box.bottom());
    fill.setColorAt(0.0, colours.fillTop);
    fill.setColorAt(1.0, colours.fillBottom);
    painter.setPen(QPen(colours.border, 1.0));
    painter.setBrush(fill);
    painter.drawRoundedRect(box, 3, 3);
    if (!checked && look != Look::Disabled) {
        // A faint inner shade at the top makes the empty box read as a well.
        painter.setPen(QPen(QColor(0, 0, 0, 22), 1.0));
        painter.drawLine(QPointF(4, 3), QPointF(12, 3));
    }

    if (checked) {
        QPainterPath tick;
        tick.moveTo(4.3, 8.3);
        tick.lineTo(6.9, 10.9);
        tick.lineTo(11.8, 5.2);
        if (look != Look::Disabled) {
            painter.setPen(
                QPen(QColor(0, 0x40, 0x48, 110), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(tick.translated(0, 0.6));
        }
        painter.setPen(QPen(colours.mark, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(tick);
    }
    painter.end();
    return image;
}

QImage ControlPainter::radioButton(bool checked, Look look)
{
    const IndicatorColours colours = indicatorColours(checked, look);
    QImage image = ImageEffects::transparentCanvas(QSize(indicatorSize, indicatorSize));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const QPointF centre(8, 8);
    QLinearGradient fill(0, 1.5, 0, 14.5);
    fill.setColorAt(0.0, colours.fillTop);
    fill.setColorAt(1.0, colours.fillBottom);
    painter.setPen(QPen(colours.border, 1.0));
    painter.setBrush(fill);
    painter.drawEllipse(centre, 6.5, 6.5);

    if (checked) {
        if (look != Look::Disabled) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(0, 0x40, 0x48, 90));
            painter.drawEllipse(centre + QPointF(0, 0.5), 3.2, 3.2);
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(colours.mark);
        painter.drawEllipse(centre, 2.8, 2.8);
    }
    painter.end();
    return image;
}

QImage ControlPainter::sliderHandle(Look look)
{
    QImage image = ImageEffects::transparentCanvas(QSize(handleSize, handleSize));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QColor border(0x4f, 0x5f, 0x72);
    QColor top(Qt::white);
    QColor bottom(0xc8, 0xd1, 0xda);
    QColor dot = ArtPalette::tealDark;
    switch (look) {
    case Look::Normal:
        break;
    case Look::Hovered:
        border = ArtPalette::tealDark;
        dot = ArtPalette::teal;
        break;
    case Look::Pressed:
        border = QColor(0x07, 0x70, 0x78);
        top = QColor(0xdc, 0xe3, 0xe9);
        bottom = QColor(0xb4, 0xbf, 0xca);
        break;
    case Look::Disabled:
        // Disabled sliders still serve as position indicators: keep the knob legible.
        border = QColor(0x6b, 0x78, 0x88);
        top = QColor(0xf4, 0xf6, 0xf8);
        bottom = QColor(0xc9, 0xd0, 0xd7);
        dot = QColor(0x4d, 0x63, 0x7b);
        break;
    }

    const QPointF centre(9, 9);
    QPainterPath knob;
    knob.addEllipse(centre, 7.2, 7.2);
    ImageEffects::paintShadow(painter, knob, QColor(0, 0, 0, 90), QPointF(0, 0.8), 1);
    QLinearGradient fill(0, 1.8, 0, 16.2);
    fill.setColorAt(0.0, top);
    fill.setColorAt(1.0, bottom);
    painter.setPen(QPen(border, 1.0));
    painter.setBrush(fill);
    painter.drawPath(knob);

    painter.setPen(QPen(QColor(0, 0, 0, 60), 0.8));
    painter.setBrush(dot);
    painter.drawEllipse(centre, 2.6, 2.6);
    painter.end();
    return image;
}
