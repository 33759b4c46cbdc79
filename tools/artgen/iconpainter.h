#ifndef ARTGEN_ICONPAINTER_H
#define ARTGEN_ICONPAINTER_H

#include <QImage>

class QPainter;
class QPainterPath;

// The page-list icons (48 x 48) shown large on the dark connection bar, and the refresh glyph
// of the port selector's button. The page icons share one look: a pale, lit solid with a
// dark rim, teal details and a soft shadow.
class IconPainter
{
public:
    static QImage settingsIcon();
    static QImage toolsIcon();
    static QImage infoIcon();
    // The service technicians' raw parameter editor: a table of values with a wrench over it.
    static QImage parametersIcon();

    // A circular arrow, square, for the light refresh button; size from 16 to 48.
    static QImage refreshIcon(int size);

private:
    static void paintSolid(QPainter &painter, const QPainterPath &shape);
};

#endif // ARTGEN_ICONPAINTER_H
