#ifndef ARTGEN_SYSBUTTONPAINTER_H
#define ARTGEN_SYSBUTTONPAINTER_H

#include <QImage>

class QPainter;
class QRectF;

// The title bar's sprite buttons: a horizontal strip of four equal frames (normal, hovered,
// pressed, and a dimmed one the button never shows) with a white glyph on a transparent ground.
// Hover lays a light veil behind the glyph, pressing a dark one; the close button turns red.
class SysButtonPainter
{
public:
    enum class Glyph
    {
        Language,
        Feedback,
        Minimise,
        Close
    };

    static constexpr int frameHeight = 22;
    static constexpr int narrowFrameWidth = 33;
    static constexpr int wideFrameWidth = 47;

    static QImage sprite(Glyph glyph);

private:
    enum class State
    {
        Normal,
        Hovered,
        Pressed,
        Dimmed
    };

    static void paintFrame(QPainter &painter, const QRectF &frame, Glyph glyph, State state);
    static void paintGlyph(QPainter &painter, const QPointF &centre, Glyph glyph,
                           const QColor &color);
};

#endif // ARTGEN_SYSBUTTONPAINTER_H
