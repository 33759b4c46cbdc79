#ifndef ARTGEN_FACEPAINTER_H
#define ARTGEN_FACEPAINTER_H

#include <QColor>
#include <QImage>

class QPainter;
class QPointF;

// The result pictures of the feedback program (96 x 96, transparent): a cheerful teal-green face
// when the report went out, a sad orange-red one with a tear when it did not. Both are glossy
// discs with a soft shadow, dark eyes with a glint, and a mouth that tells the mood.
class FacePainter
{
public:
    static constexpr int size = 96;

    static QImage happy();
    static QImage sad();

private:
    struct Skin
    {
        QColor light;
        QColor middle;
        QColor edge;
        QColor rim;
    };

    static void paintDisc(QPainter &painter, const Skin &skin);
    static void paintEye(QPainter &painter, const QPointF &centre, qreal height);
    static void paintCheek(QPainter &painter, const QPointF &centre, const QColor &color);
    static void paintSmile(QPainter &painter);
    static void paintFrown(QPainter &painter);
    static void paintTear(QPainter &painter, const QPointF &top);
};

#endif // ARTGEN_FACEPAINTER_H
