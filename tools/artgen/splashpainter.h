#ifndef ARTGEN_SPLASHPAINTER_H
#define ARTGEN_SPLASHPAINTER_H

#include <QImage>
#include <QString>

class QPainter;
class QPointF;

// The start-up picture (517 x 316): the product name on the left, an attitude indicator on the
// right, a night-blue ground with a faint runway grid. The bottom band stays flat because the
// splash screen lays its progress bar over it (y 304, 8 pixels high).
class SplashPainter
{
public:
    static QImage paint(const QString &version);

private:
    static void paintBackground(QPainter &painter, const QSize &size);
    static void paintGroundGrid(QPainter &painter, const QSize &size);
    static void paintAttitudeIndicator(QPainter &painter, const QPointF &centre, qreal radius);
    static void paintAircraftSymbol(QPainter &painter, const QPointF &centre);
    static void paintLogoMark(QPainter &painter, const QPointF &centre, qreal span);
    static void paintLettering(QPainter &painter, const QString &version);
};

#endif // ARTGEN_SPLASHPAINTER_H
