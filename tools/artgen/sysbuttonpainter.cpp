#include "sysbuttonpainter.h"

#include "artpalette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int frameCount = 4;

} // namespace

QImage SysButtonPainter::sprite(Glyph glyph)
{
    const int frameWidth = glyph == Glyph::Close ? wideFrameWidth : narrowFrameWidth;
    QImage image(frameWidth * frameCount, frameHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const State states[frameCount] = {State::Normal, State::Hovered, State::Pressed, State::Dimmed};
    for (int i = 0; i < frameCount; ++i)
        paintFrame(painter, QRectF(i * frameWidth, 0, frameWidth, frameHeight), glyph, states[i]);
    painter.end();
    return image;
}

void SysButtonPainter::paintFrame(QPainter &painter, const QRectF &frame, Glyph glyph, State state)
{
    const bool close = glyph == Glyph::Close;
    const QRectF veil = frame.adjusted(1, 1, -1, -1);

    QColor glyphColor = ArtPalette::glyph;
    QPointF centre = frame.center();
    switch (state) {
    case State::Normal:
        glyphColor.setAlpha(225);
        break;
    case State::Hovered: {
        QLinearGradient fill(0, veil.top(), 0, veil.bottom());
        if (close) {
            fill.setColorAt(0.0, QColor(0xf0, 0x3a, 0x45));
            fill.setColorAt(1.0, QColor(0xc8, 0x14, 0x20));
        } else {
            fill.setColorAt(0.0, QColor(255, 255, 255, 62));
            fill.setColorAt(1.0, QColor(255, 255, 255, 30));
        }
        painter.setPen(
            QPen(close ? QColor(0xff, 0x8a, 0x90, 150) : QColor(255, 255, 255, 60), 1.0));
        painter.setBrush(fill);
        painter.drawRoundedRect(veil.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        break;
    }
    case State::Pressed: {
        QLinearGradient fill(0, veil.top(), 0, veil.bottom());
        if (close) {
            fill.setColorAt(0.0, QColor(0x8e, 0x0a, 0x13));
            fill.setColorAt(1.0, QColor(0xb0, 0x12, 0x1c));
        } else {
            fill.setColorAt(0.0, QColor(0, 0, 0, 120));
            fill.setColorAt(1.0, QColor(0, 0, 0, 70));
        }
        painter.setPen(QPen(QColor(0, 0, 0, 110), 1.0));
        painter.setBrush(fill);
        painter.drawRoundedRect(veil.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        glyphColor = close ? QColor(255, 255, 255) : ArtPalette::glyphShade;
        centre += QPointF(0, 1);
        break;
    }
    case State::Dimmed:
        glyphColor.setAlpha(90);
        break;
    }
    paintGlyph(painter, centre, glyph, glyphColor);
}

void SysButtonPainter::paintGlyph(QPainter &painter, const QPointF &centre, Glyph glyph,
                                  const QColor &color)
{
    painter.save();
    painter.translate(centre);
    const QPen line(color, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    switch (glyph) {
    case Glyph::Language: {
        // A globe: rim, a meridian, and two parallels.
        const qreal r = 6.5;
        painter.setPen(QPen(color, 1.4));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(0, 0), r, r);
        painter.setPen(QPen(color, 1.1));
        painter.drawEllipse(QPointF(0, 0), r * 0.42, r);
        painter.drawLine(QPointF(-r, 0), QPointF(r, 0));
        painter.drawLine(QPointF(0, -r), QPointF(0, r));
        painter.drawLine(QPointF(-r * 0.82, -r * 0.5), QPointF(r * 0.82, -r * 0.5));
        painter.drawLine(QPointF(-r * 0.82, r * 0.5), QPointF(r * 0.82, r * 0.5));
        break;
    }
    case Glyph::Feedback: {
        // A speech bubble with three dots.
        QPainterPath bubble;
        bubble.addRoundedRect(QRectF(-7.5, -6.5, 15, 10.5), 3, 3);
        QPainterPath tail;
        tail.moveTo(-3.5, 3.5);
        tail.lineTo(-5.0, 7.5);
        tail.lineTo(0.5, 3.5);
        tail.closeSubpath();
        painter.setPen(line);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(bubble.united(tail));
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        for (int i = -1; i <= 1; ++i)
            painter.drawEllipse(QPointF(i * 3.5, -1.25), 1.15, 1.15);
        break;
    }
    case Glyph::Minimise:
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        painter.drawRoundedRect(QRectF(-5.5, 3.0, 11, 2), 0.8, 0.8);
        break;
    case Glyph::Close:
        painter.setPen(QPen(color, 1.6, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(-4.5, -4.5), QPointF(4.5, 4.5));
        painter.drawLine(QPointF(-4.5, 4.5), QPointF(4.5, -4.5));
        break;
    }
    painter.restore();
}
