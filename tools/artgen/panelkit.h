#ifndef ARTGEN_PANELKIT_H
#define ARTGEN_PANELKIT_H

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;
class QPointF;

// Pieces the settings-page pictures share. Those pictures sit on the page's light group boxes,
// so each brings its own ground: a dark instrument plate in the colours of the window chrome,
// with a soft shadow and a lit upper edge, that keeps the white lettering and the teal and amber
// marks legible.
class PanelKit
{
public:
    // The plate, filling rect; the picture's remaining margin holds its shadow.
    static void paintPanel(QPainter &painter, const QRectF &rect, qreal radius);

    // A round number badge (teal disc, dark figure) centred on centre.
    static void paintBadge(QPainter &painter, const QPointF &centre, const QString &figure);

    // The font made smaller, one pixel at a time down to minPixelSize, until text fits width.
    static QFont fitted(QFont font, const QString &text, qreal width, int minPixelSize);
};

#endif // ARTGEN_PANELKIT_H
