#include "facepainter.h"

#include "imageeffects.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QPointF centre(48, 46);
constexpr qreal radius = 40;
const QColor featureInk(0x16, 0x2a, 0x3d);

} // namespace

QImage FacePainter::happy()
{
    QImage image = ImageEffects::transparentCanvas(QSize(size, size));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintDisc(painter, {QColor(0x9b, 0xf2, 0xd6), QColor(0x2c, 0xc7, 0xa6),
                        QColor(0x10, 0x8c, 0x9a), QColor(0x0b, 0x6a, 0x78)});
    paintCheek(painter, QPointF(27, 55), QColor(0xff, 0x8a, 0x8a, 150));
    paintCheek(painter, QPointF(69, 55), QColor(0xff, 0x8a, 0x8a, 150));
    paintEye(painter, QPointF(35, 38), 12);
    paintEye(painter, QPointF(61, 38), 12);
    paintSmile(painter);
    painter.end();
    return image;
}

QImage FacePainter::sad()
{
    QImage image = ImageEffects::transparentCanvas(QSize(size, size));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintDisc(painter, {QColor(0xff, 0xd2, 0x8a), QColor(0xff, 0x92, 0x3e),
                        QColor(0xe0, 0x4a, 0x34), QColor(0xa8, 0x33, 0x24)});
    // Brows raised at the inner ends.
    painter.setPen(QPen(featureInk, 3.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(26, 29), QPointF(38, 24));
    painter.drawLine(QPointF(70, 29), QPointF(58, 24));
    paintEye(painter, QPointF(35, 40), 10);
    paintEye(painter, QPointF(61, 40), 10);
    paintFrown(painter);
    paintTear(painter, QPointF(31, 49));
    painter.end();
    return image;
}

void FacePainter::paintDisc(QPainter &painter, const Skin &skin)
{
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    ImageEffects::paintShadow(painter, disc, QColor(0, 0, 0, 90), QPointF(0, 2.5), 3);

    // Lit from the upper left.
    QRadialGradient fill(centre, radius, centre + QPointF(-14, -18));
    fill.setColorAt(0.0, skin.light);
    fill.setColorAt(0.55, skin.middle);
    fill.setColorAt(1.0, skin.edge);
    painter.setPen(QPen(skin.rim, 1.5));
    painter.setBrush(fill);
    painter.drawPath(disc);

    // A gloss over the upper part, and a faint light along the lower rim.
    QLinearGradient gloss(0, centre.y() - radius, 0, centre.y());
    gloss.setColorAt(0.0, QColor(255, 255, 255, 150));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gloss);
    painter.drawEllipse(QRectF(centre.x() - radius * 0.72, centre.y() - radius * 0.94,
                               radius * 1.44, radius * 0.9));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 60), 1.5));
    const QRectF rim(centre.x() - radius + 3, centre.y() - radius + 3, 2 * radius - 6,
                     2 * radius - 6);
    painter.drawArc(rim, 200 * 16, 140 * 16);
}

void FacePainter::paintEye(QPainter &painter, const QPointF &centre, qreal height)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(featureInk);
    painter.drawEllipse(centre, height * 0.36, height / 2);
    painter.setBrush(QColor(255, 255, 255, 230));
    painter.drawEllipse(centre + QPointF(1.3, -height * 0.2), height * 0.13, height * 0.13);
}

void FacePainter::paintCheek(QPainter &painter, const QPointF &centre, const QColor &color)
{
    QRadialGradient blush(centre, 7);
    blush.setColorAt(0.0, color);
    QColor clear = color;
    clear.setAlpha(0);
    blush.setColorAt(1.0, clear);
    painter.setPen(Qt::NoPen);
    painter.setBrush(blush);
    painter.drawEllipse(centre, 8, 6);
}

void FacePainter::paintSmile(QPainter &painter)
{
    // An open smile: a wide dark mouth with a rounded lower lip and a tongue inside it.
    QPainterPath mouth;
    mouth.moveTo(29, 54);
    mouth.quadTo(48, 59, 67, 54);
    mouth.cubicTo(64, 76, 32, 76, 29, 54);
    mouth.closeSubpath();
    painter.setPen(QPen(featureInk, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(0x24, 0x2f, 0x45));
    painter.drawPath(mouth);

    painter.save();
    painter.setClipPath(mouth);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0x7a, 0x86));
    painter.drawEllipse(QPointF(48, 74), 12, 8);
    // Upper teeth.
    painter.setBrush(QColor(0xf6, 0xfa, 0xfc));
    painter.drawRect(QRectF(30, 50, 36, 7.5));
    painter.restore();
}

void FacePainter::paintFrown(QPainter &painter)
{
    QPainterPath frown;
    frown.moveTo(33, 69);
    frown.cubicTo(38, 58, 58, 58, 63, 69);
    painter.setPen(QPen(featureInk, 4.0, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(frown);
}

void FacePainter::paintTear(QPainter &painter, const QPointF &top)
{
    QPainterPath drop;
    drop.moveTo(top);
    drop.cubicTo(top + QPointF(2, 4), top + QPointF(5, 7), top + QPointF(5, 10));
    drop.arcTo(QRectF(top.x() - 5, top.y() + 5, 10, 10), 0, -180);
    drop.cubicTo(top + QPointF(-5, 7), top + QPointF(-2, 4), top);
    drop.closeSubpath();
    QLinearGradient water(top, top + QPointF(0, 15));
    water.setColorAt(0.0, QColor(0xd8, 0xf2, 0xff));
    water.setColorAt(1.0, QColor(0x3a, 0xa4, 0xe8));
    painter.setPen(QPen(QColor(0x1f, 0x6f, 0xb0), 1.0));
    painter.setBrush(water);
    painter.drawPath(drop);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 200));
    painter.drawEllipse(top + QPointF(-1.6, 9), 1.2, 2);
}
