#ifndef PRODUCT_FONTSCALE_H
#define PRODUCT_FONTSCALE_H

#include <QPointF>
#include <QRectF>

class QWidget;

// The forms are laid out at fixed places for text drawn at 96 dpi. A desktop set to larger
// fonts (a higher font resolution, as X11's Xft.dpi or QT_FONT_DPI give) draws every text
// larger while the places stay; there the forms, and the pictures on them, grow by the same
// factor, as dialogs laid out in dialog units do. A desktop that scales everything (a scale
// factor) scales the forms with it and needs nothing here.
class FontScale
{
public:
    // The desktop's font resolution over 96 dpi; 1 near 96 dpi, where the forms' own slack
    // takes the difference.
    static qreal factor();

    // Multiplies the places and sizes of the form's fixed-placed widgets, the sizes the designer
    // fixed for any of its widgets, and the form's own size by factor(); the form's minimum size
    // becomes what its controls then take. Once per form, right after it is set up.
    static void scaleForm(QWidget *form);

    static qreal scaled(qreal value) { return value * factor(); }
    static QPointF scaled(const QPointF &point) { return point * factor(); }
    static QRectF scaled(const QRectF &rect);
};

#endif // PRODUCT_FONTSCALE_H
