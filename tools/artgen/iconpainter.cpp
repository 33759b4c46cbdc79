#include "iconpainter.h"

#include "artpalette.h"
#include "imageeffects.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

constexpr int iconSize = 48;

QPainterPath gearOutline(const QPointF &centre, int teeth, qreal outer, qreal root, qreal hole)
{
    QPainterPath gear;
    const qreal pitch = 2.0 * M_PI / teeth;
    for (int i = 0; i < teeth; ++i) {
        const qreal a = i * pitch - M_PI / 2.0;
        // Each tooth: up the flank, across the top, down the flank, along the root.
        const qreal points[][2] = {{a - pitch * 0.25, root},
                                   {a - pitch * 0.15, outer},
                                   {a + pitch * 0.15, outer},
                                   {a + pitch * 0.25, root},
                                   {a + pitch * 0.75, root}};
        for (const auto &p : points) {
            const QPointF point(centre.x() + p[1] * qCos(p[0]), centre.y() + p[1] * qSin(p[0]));
            if (gear.elementCount() == 0)
                gear.moveTo(point);
            else
                gear.lineTo(point);
        }
    }
    gear.closeSubpath();
    QPainterPath bore;
    bore.addEllipse(centre, hole, hole);
    return gear.subtracted(bore);
}

QLinearGradient solidFill(const QRectF &bounds)
{
    QLinearGradient fill(bounds.topLeft(), bounds.bottomRight());
    fill.setColorAt(0.0, QColor(0xff, 0xff, 0xff));
    fill.setColorAt(0.55, QColor(0xdc, 0xe8, 0xf1));
    fill.setColorAt(1.0, QColor(0xa9, 0xbe, 0xd0));
    return fill;
}

// An open-end wrench standing upright around the origin: jaw at the top (y = -24), handle down
// to y = 20 with a hanging eye.
QPainterPath wrenchOutline()
{
    QPainterPath head;
    head.addEllipse(QPointF(0, -12.5), 9.5, 9.5);
    QPainterPath jaw;
    jaw.addRect(QRectF(-3.6, -24, 7.2, 11));
    QPainterPath jawRound;
    jawRound.addEllipse(QPointF(0, -13.2), 3.6, 3.6);
    QPainterPath body;
    body.addRoundedRect(QRectF(-4.2, -9, 8.4, 29), 4.2, 4.2);
    QPainterPath eye;
    eye.addEllipse(QPointF(0, 15.5), 1.9, 1.9);
    return head.united(body).subtracted(jaw.united(jawRound)).subtracted(eye);
}

// The dark window of the parameter icon: a teal header over rows of name and value cells, the
// third row selected (teal band, white value) as in the editor's table.
void paintValueTable(QPainter &painter, const QRectF &window)
{
    QLinearGradient fill(window.topLeft(), window.bottomRight());
    fill.setColorAt(0.0, ArtPalette::navyLight);
    fill.setColorAt(1.0, QColor(0x0a, 0x14, 0x24));
    painter.setPen(QPen(QColor(0x05, 0x0c, 0x18, 200), 1.0));
    painter.setBrush(fill);
    painter.drawRoundedRect(window, 2, 2);

    const QRectF inner = window.adjusted(2, 2, -2, -2);
    const int rows = 5;
    const qreal rowHeight = inner.height() / rows;
    const qreal split = inner.left() + inner.width() * 0.5;
    painter.setPen(Qt::NoPen);
    for (int row = 0; row < rows; ++row) {
        const qreal top = inner.top() + row * rowHeight;
        const qreal middle = top + rowHeight / 2.0;
        if (row == 0) {
            painter.setBrush(ArtPalette::tealDark);
            painter.drawRoundedRect(QRectF(inner.left(), top + 0.5, inner.width(), rowHeight - 1.5),
                                    1, 1);
            continue;
        }
        const bool selected = row == 2;
        if (selected) {
            painter.setBrush(QColor(0, 204, 204, 90));
            painter.drawRect(QRectF(inner.left(), top, inner.width(), rowHeight));
        }
        // Name cell: a muted bar of varying length; value cell: a bright, right-aligned one.
        const qreal nameLength = (split - inner.left() - 2.0) * (row % 2 ? 1.0 : 0.7);
        painter.setBrush(selected ? ArtPalette::tealLight : ArtPalette::mist);
        painter.drawRoundedRect(QRectF(inner.left() + 1.0, middle - 0.8, nameLength, 1.6), 0.8,
                                0.8);
        const qreal valueLength = (inner.right() - split - 1.0) * (row % 3 ? 0.8 : 0.55);
        painter.setBrush(selected ? QColor(Qt::white) : ArtPalette::glyphShade);
        painter.drawRoundedRect(
            QRectF(inner.right() - 1.0 - valueLength, middle - 0.8, valueLength, 1.6), 0.8, 0.8);
    }
    // Column rule between names and values.
    painter.setPen(QPen(QColor(0x8e, 0xa3, 0xbd, 90), 0.8));
    painter.drawLine(QPointF(split, inner.top() + rowHeight), QPointF(split, inner.bottom()));
}

QImage canvas()
{
    return ImageEffects::transparentCanvas(QSize(iconSize, iconSize));
}

} // namespace

void IconPainter::paintSolid(QPainter &painter, const QPainterPath &shape)
{
    ImageEffects::paintShadow(painter, shape, QColor(0, 0, 0, 170), QPointF(0, 1.5), 2);
    painter.setPen(
        QPen(QColor(0x05, 0x0c, 0x18, 170), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // The light falls from the upper left of the picture, whatever the shape's rotation.
    QBrush brush(solidFill(painter.transform().mapRect(shape.boundingRect())));
    brush.setTransform(painter.transform().inverted());
    painter.setBrush(brush);
    painter.drawPath(shape);
}

QImage IconPainter::settingsIcon()
{
    QImage image = canvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const QPointF centre(24, 23.5);
    paintSolid(painter, gearOutline(centre, 8, 20.0, 15.0, 6.0));

    // Teal hub ring around the bore, and a lit edge on the ring.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ArtPalette::tealDark, 3.2));
    painter.drawEllipse(centre, 9.2, 9.2);
    painter.setPen(QPen(ArtPalette::teal, 1.6));
    painter.drawEllipse(centre, 9.2, 9.2);
    painter.setPen(QPen(QColor(0x05, 0x0c, 0x18, 150), 1.0));
    painter.drawEllipse(centre, 6.0, 6.0);
    painter.end();
    return image;
}

QImage IconPainter::toolsIcon()
{
    QImage image = canvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // Screwdriver under the wrench, leaning the other way: steel shaft, teal handle.
    painter.save();
    painter.translate(24, 24);
    painter.rotate(-45);
    QPainterPath shaft;
    shaft.addRect(QRectF(-1.4, -19, 2.8, 17));
    QPainterPath tip;
    tip.moveTo(-1.4, -19);
    tip.lineTo(0, -21.5);
    tip.lineTo(1.4, -19);
    tip.closeSubpath();
    paintSolid(painter, shaft.united(tip));
    QPainterPath handle;
    handle.addRoundedRect(QRectF(-4.6, -3, 9.2, 22), 3.5, 3.5);
    ImageEffects::paintShadow(painter, handle, QColor(0, 0, 0, 170), QPointF(0, 1.5), 2);
    QLinearGradient grip(-4.6, 0, 4.6, 0);
    grip.setColorAt(0.0, ArtPalette::tealLight);
    grip.setColorAt(0.45, ArtPalette::teal);
    grip.setColorAt(1.0, ArtPalette::tealDark);
    painter.setPen(QPen(QColor(0x02, 0x2a, 0x30, 200), 1.0));
    painter.setBrush(grip);
    painter.drawPath(handle);
    painter.setPen(QPen(QColor(0x02, 0x3a, 0x40, 150), 1.0));
    for (int i = 0; i < 3; ++i)
        painter.drawLine(QPointF(-1.5 + 1.5 * i, 2), QPointF(-1.5 + 1.5 * i, 15));
    painter.restore();

    // Open-end wrench, head to the upper right.
    painter.save();
    painter.translate(24, 24);
    painter.rotate(45);
    paintSolid(painter, wrenchOutline());
    painter.restore();

    painter.end();
    return image;
}

QImage IconPainter::infoIcon()
{
    QImage image = canvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // A controller chip with pins on all four sides, and a teal upward arrow for updates.
    const QRectF body(11.5, 11.5, 25, 25);
    QPainterPath pins;
    for (int i = 0; i < 4; ++i) {
        const qreal offset = body.left() + 4.0 + i * 5.5;
        pins.addRoundedRect(QRectF(offset - 1.3, body.top() - 6, 2.6, 7), 0.8, 0.8);
        pins.addRoundedRect(QRectF(offset - 1.3, body.bottom() - 1, 2.6, 7), 0.8, 0.8);
        pins.addRoundedRect(QRectF(body.left() - 6, offset - 1.3, 7, 2.6), 0.8, 0.8);
        pins.addRoundedRect(QRectF(body.right() - 1, offset - 1.3, 7, 2.6), 0.8, 0.8);
    }
    QPainterPath chip;
    chip.addRoundedRect(body, 3.5, 3.5);
    paintSolid(painter, pins.united(chip));
    painter.setPen(QPen(QColor(0x05, 0x0c, 0x18, 170), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(body, 3.5, 3.5);

    // Die window.
    const QRectF die = body.adjusted(4, 4, -4, -4);
    QLinearGradient dieFill(die.topLeft(), die.bottomRight());
    dieFill.setColorAt(0.0, QColor(0x1d, 0x30, 0x4b));
    dieFill.setColorAt(1.0, QColor(0x0a, 0x14, 0x24));
    painter.setPen(QPen(QColor(0x05, 0x0c, 0x18, 200), 1.0));
    painter.setBrush(dieFill);
    painter.drawRoundedRect(die, 2, 2);

    QPainterPath arrow;
    const qreal cx = die.center().x();
    arrow.moveTo(cx, die.top() + 2.5);
    arrow.lineTo(cx + 6.0, die.top() + 9.0);
    arrow.lineTo(cx + 2.3, die.top() + 9.0);
    arrow.lineTo(cx + 2.3, die.bottom() - 2.5);
    arrow.lineTo(cx - 2.3, die.bottom() - 2.5);
    arrow.lineTo(cx - 2.3, die.top() + 9.0);
    arrow.lineTo(cx - 6.0, die.top() + 9.0);
    arrow.closeSubpath();
    ImageEffects::paintShadow(painter, arrow, QColor(0, 204, 204, 200), QPointF(0, 0), 2);
    QLinearGradient arrowFill(0, die.top(), 0, die.bottom());
    arrowFill.setColorAt(0.0, ArtPalette::tealLight);
    arrowFill.setColorAt(1.0, ArtPalette::teal);
    painter.setPen(Qt::NoPen);
    painter.setBrush(arrowFill);
    painter.drawPath(arrow);

    // Pin-one mark.
    painter.setBrush(QColor(0x3a, 0x4d, 0x66));
    painter.drawEllipse(QPointF(body.left() + 2.2, body.top() + 2.2), 0.9, 0.9);
    painter.end();
    return image;
}

QImage IconPainter::parametersIcon()
{
    QImage image = canvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // A pale board holding the table, like the controller chip of the information icon.
    const QRectF board(4.5, 4.5, 32, 37);
    QPainterPath outline;
    outline.addRoundedRect(board, 3.5, 3.5);
    paintSolid(painter, outline);
    paintValueTable(painter, board.adjusted(3.5, 3.5, -3.5, -3.5));

    // The wrench over the lower right corner, jaw to the upper right, in the tools icon's shape.
    painter.save();
    painter.translate(33.5, 32.5);
    painter.rotate(45);
    paintSolid(painter, QTransform::fromScale(0.7, 0.7).map(wrenchOutline()));
    painter.restore();
    painter.end();
    return image;
}

QImage IconPainter::refreshIcon(int size)
{
    QImage image = ImageEffects::transparentCanvas(QSize(size, size));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal scale = size / 16.0;
    painter.scale(scale, scale);

    // Three quarters and more of a ring, open at the upper right, with the arrow head there.
    const QColor ink(0x17, 0x4f, 0x7a);
    const QPointF centre(8, 9.0);
    const qreal r = 4.8;
    painter.setPen(QPen(ink, 1.9, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    const QRectF ring(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    // Qt angles: degrees counter-clockwise from three o'clock, in sixteenths.
    painter.drawArc(ring, 80 * 16, 280 * 16);

    const qreal endAngle = qDegreesToRadians(80.0);
    const QPointF end(centre.x() + r * qCos(endAngle), centre.y() - r * qSin(endAngle));
    QPainterPath head;
    head.moveTo(end + QPointF(4.0, 0.0));
    head.lineTo(end + QPointF(-0.4, -3.3));
    head.lineTo(end + QPointF(-0.4, 3.3));
    head.closeSubpath();
    painter.setPen(QPen(ink, 0.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(ink);
    painter.drawPath(head);
    painter.end();
    return image;
}
