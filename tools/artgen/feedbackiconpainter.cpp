#include "feedbackiconpainter.h"

#include "artpalette.h"
#include "imageeffects.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor outlineInk(0x4a, 0x58, 0x68);
const QColor sheetTop(0xff, 0xff, 0xff);
const QColor sheetBottom(0xe3, 0xe9, 0xef);

QImage canvas(int size)
{
    return ImageEffects::transparentCanvas(QSize(size, size));
}

QLinearGradient tealFill(qreal top, qreal bottom)
{
    QLinearGradient fill(0, top, 0, bottom);
    fill.setColorAt(0.0, QColor(0x2c, 0xd3, 0xd3));
    fill.setColorAt(1.0, QColor(0x07, 0x86, 0x91));
    return fill;
}

QPen outlinePen(qreal width = 1.0)
{
    return QPen(outlineInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A sheet of paper with its upper right corner folded over.
QPainterPath sheetOutline(const QRectF &rect, qreal fold)
{
    QPainterPath sheet;
    sheet.moveTo(rect.topLeft());
    sheet.lineTo(rect.right() - fold, rect.top());
    sheet.lineTo(rect.right(), rect.top() + fold);
    sheet.lineTo(rect.bottomRight());
    sheet.lineTo(rect.bottomLeft());
    sheet.closeSubpath();
    return sheet;
}

void paintSheet(QPainter &painter, const QRectF &rect, qreal fold)
{
    QLinearGradient fill(rect.topLeft(), rect.bottomRight());
    fill.setColorAt(0.0, sheetTop);
    fill.setColorAt(1.0, sheetBottom);
    painter.setPen(outlinePen());
    painter.setBrush(fill);
    painter.drawPath(sheetOutline(rect, fold));

    // The folded-over corner, a shade darker.
    QPainterPath corner;
    corner.moveTo(rect.right() - fold, rect.top());
    corner.lineTo(rect.right() - fold, rect.top() + fold);
    corner.lineTo(rect.right(), rect.top() + fold);
    painter.setBrush(QColor(0xc9, 0xd2, 0xdc));
    painter.drawPath(corner);

    // Lines of writing.
    painter.setPen(QPen(QColor(0x9a, 0xa6, 0xb3), 1.2, Qt::SolidLine, Qt::RoundCap));
    const qreal left = rect.left() + 2.8;
    for (int i = 0; i < 3; ++i) {
        const qreal y = rect.top() + fold + 2.2 + i * 3.0;
        const qreal right = rect.right() - (i == 2 ? 5.5 : 2.8);
        painter.drawLine(QPointF(left, y), QPointF(right, y));
    }
}

// A landscape: sky, sun, and two green hills, clipped to a rounded frame.
void paintLandscape(QPainter &painter, const QRectF &frame)
{
    QPainterPath border;
    border.addRoundedRect(frame, 1.8, 1.8);
    QLinearGradient sky(0, frame.top(), 0, frame.bottom());
    sky.setColorAt(0.0, QColor(0x8f, 0xd3, 0xf0));
    sky.setColorAt(1.0, QColor(0xdf, 0xf3, 0xfb));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sky);
    painter.drawPath(border);

    painter.save();
    painter.setClipPath(border);
    painter.setBrush(ArtPalette::amber);
    painter.drawEllipse(QPointF(frame.left() + 4.6, frame.top() + 4.4), 1.9, 1.9);
    QPainterPath farHill;
    farHill.moveTo(frame.left() + 4, frame.bottom());
    farHill.lineTo(frame.left() + 10.5, frame.top() + 5.5);
    farHill.lineTo(frame.right() + 2, frame.bottom());
    farHill.closeSubpath();
    painter.setBrush(QColor(0x2f, 0x9e, 0x6a));
    painter.drawPath(farHill);
    QPainterPath nearHill;
    nearHill.moveTo(frame.left() - 1, frame.bottom());
    nearHill.lineTo(frame.left() + 5, frame.top() + 8.2);
    nearHill.lineTo(frame.left() + 11, frame.bottom());
    nearHill.closeSubpath();
    painter.setBrush(QColor(0x4c, 0xc2, 0x84));
    painter.drawPath(nearHill);
    painter.restore();

    painter.setPen(outlinePen());
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(border);
}

// A rounded square, filled to its edges so that a stretched border image keeps its shape.
void paintRemoveSquare(QPainter &painter, const QColor &top, const QColor &bottom,
                       const QColor &rim)
{
    const QRectF square(0.5, 0.5, FeedbackIconPainter::removeButtonSize - 1.0,
                        FeedbackIconPainter::removeButtonSize - 1.0);
    QLinearGradient fill(0, square.top(), 0, square.bottom());
    fill.setColorAt(0.0, top);
    fill.setColorAt(1.0, bottom);
    painter.setPen(QPen(rim, 1.0));
    painter.setBrush(fill);
    painter.drawRoundedRect(square, 3.5, 3.5);

    // A lit upper edge inside the rim.
    painter.setPen(QPen(QColor(255, 255, 255, 90), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(3.5, 1.5), QPointF(square.right() - 3.0, 1.5));
}

QPainterPath bubbleOutline(const QRectF &body, qreal radius, const QPointF &tailTip)
{
    QPainterPath bubble;
    bubble.addRoundedRect(body, radius, radius);
    QPainterPath tail;
    tail.moveTo(body.left() + body.width() * 0.22, body.bottom() - 2);
    tail.lineTo(tailTip);
    tail.quadTo(body.left() + body.width() * 0.38, body.bottom() + 1,
                body.left() + body.width() * 0.46, body.bottom() - 2);
    tail.closeSubpath();
    return bubble.united(tail);
}

} // namespace

QImage FeedbackIconPainter::addFiles()
{
    QImage image = canvas(buttonIconSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintSheet(painter, QRectF(3.5, 1.5, 13, 18), 4.5);
    paintPlusBadge(painter, QPointF(17.5, 17.5), 5.5);
    painter.end();
    return image;
}

QImage FeedbackIconPainter::addPictures()
{
    QImage image = canvas(buttonIconSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintLandscape(painter, QRectF(1.5, 3.5, 17, 14));
    paintPlusBadge(painter, QPointF(17.5, 17.5), 5.5);
    painter.end();
    return image;
}

QImage FeedbackIconPainter::submit()
{
    QImage image = canvas(buttonIconSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // A paper plane flying to the upper right: a lit upper wing, a shaded lower wing and the
    // keel folded under them.
    const QPointF tip(21.5, 2.5);
    const QPointF tail(2.0, 10.0);
    const QPointF fold(9.5, 13.5);
    const QPointF bottom(13.0, 21.5);
    QPainterPath keel;
    keel.moveTo(fold);
    keel.lineTo(QPointF(9.0, 19.0));
    keel.lineTo(QPointF(11.6, 16.6));
    keel.closeSubpath();
    QPainterPath upper;
    upper.moveTo(tip);
    upper.lineTo(tail);
    upper.lineTo(fold);
    upper.closeSubpath();
    QPainterPath lower;
    lower.moveTo(tip);
    lower.lineTo(fold);
    lower.lineTo(bottom);
    lower.closeSubpath();

    painter.setPen(QPen(QColor(0x05, 0x5a, 0x63), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(0x06, 0x6d, 0x77));
    painter.drawPath(keel);
    painter.setBrush(tealFill(2, 14));
    painter.drawPath(upper);
    QLinearGradient shade(0, 6, 0, 21);
    shade.setColorAt(0.0, QColor(0x12, 0xa8, 0xb2));
    shade.setColorAt(1.0, QColor(0x08, 0x7a, 0x84));
    painter.setBrush(shade);
    painter.drawPath(lower);
    painter.end();
    return image;
}

QImage FeedbackIconPainter::removeButton(bool hovered)
{
    QImage image = canvas(removeButtonSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    if (hovered) {
        paintRemoveSquare(painter, QColor(0xf2, 0x5c, 0x62), QColor(0xd3, 0x2f, 0x38),
                          QColor(0xa8, 0x1f, 0x28));
    } else {
        paintRemoveSquare(painter, QColor(0xdc, 0xe0, 0xe5), QColor(0xc4, 0xca, 0xd1),
                          QColor(0xa2, 0xab, 0xb5));
    }
    const QColor cross = hovered ? QColor(Qt::white) : QColor(0x5b, 0x67, 0x74);
    painter.setPen(QPen(cross, 1.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(5.2, 5.2), QPointF(10.8, 10.8));
    painter.drawLine(QPointF(5.2, 10.8), QPointF(10.8, 5.2));
    painter.end();
    return image;
}

QImage FeedbackIconPainter::windowIcon()
{
    QImage image = canvas(windowIconSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // A navy bubble behind, its tail to the right, answering the teal one in front.
    const QPainterPath answer = QTransform(-1, 0, 0, 1, 85, 0)
                                    .map(bubbleOutline(QRectF(25, 4, 35, 27), 10, QPointF(28, 39)));
    ImageEffects::paintShadow(painter, answer, QColor(0, 0, 0, 110), QPointF(0, 1.5), 2);
    QLinearGradient navyFill(0, 4, 0, 39);
    navyFill.setColorAt(0.0, ArtPalette::steel);
    navyFill.setColorAt(1.0, ArtPalette::navy);
    painter.setPen(QPen(ArtPalette::navyDeep, 1.0));
    painter.setBrush(navyFill);
    painter.drawPath(answer);
    // A lit upper edge, so that the dark bubble keeps its shape on a dark task bar.
    painter.save();
    painter.setClipPath(answer);
    painter.setPen(QPen(QColor(255, 255, 255, 60), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(answer.translated(0, 1.2));
    painter.restore();

    const QRectF body(2.5, 15.5, 47, 34);
    const QPainterPath front = bubbleOutline(body, 12, QPointF(8, 61));
    ImageEffects::paintShadow(painter, front, QColor(0, 0, 0, 130), QPointF(0, 1.5), 2);
    painter.setPen(QPen(QColor(0x04, 0x5c, 0x66), 1.0));
    painter.setBrush(tealFill(body.top(), body.bottom() + 8));
    painter.drawPath(front);

    // Gloss over the upper half of the front bubble.
    painter.save();
    painter.setClipPath(front);
    QLinearGradient gloss(0, body.top(), 0, body.center().y());
    gloss.setColorAt(0.0, QColor(255, 255, 255, 120));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gloss);
    painter.drawRoundedRect(body.adjusted(1.5, 1.5, -1.5, -body.height() / 2), 11, 11);
    painter.restore();

    paintBubbleDots(painter, body.center(), 11, 3.6);
    painter.end();
    return image;
}

void FeedbackIconPainter::paintPlusBadge(QPainter &painter, const QPointF &centre, qreal radius)
{
    painter.setPen(QPen(Qt::white, 1.4));
    painter.setBrush(tealFill(centre.y() - radius, centre.y() + radius));
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(Qt::white, 1.7, Qt::SolidLine, Qt::RoundCap));
    const qreal arm = radius * 0.5;
    painter.drawLine(centre - QPointF(arm, 0), centre + QPointF(arm, 0));
    painter.drawLine(centre - QPointF(0, arm), centre + QPointF(0, arm));
}

void FeedbackIconPainter::paintBubbleDots(QPainter &painter, const QPointF &centre, qreal spacing,
                                          qreal radius)
{
    painter.setPen(Qt::NoPen);
    for (int i = -1; i <= 1; ++i) {
        const QPointF dot = centre + QPointF(i * spacing, 0);
        painter.setBrush(QColor(0x03, 0x4a, 0x52, 90));
        painter.drawEllipse(dot + QPointF(0, 0.8), radius, radius);
        painter.setBrush(Qt::white);
        painter.drawEllipse(dot, radius, radius);
    }
}
