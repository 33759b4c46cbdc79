#ifndef ARTGEN_CHROMEPAINTER_H
#define ARTGEN_CHROMEPAINTER_H

#include <QImage>

// The main window's large pictures: the window background with its dark title, connection and
// status bars (850 x 600), the page area's background (850 x 438) and the glow behind the
// selected page-list entry (74 x 66).
class ChromePainter
{
public:
    // Heights of the window's bands from the top; the page area takes what is left.
    static constexpr int titleBarHeight = 25;
    static constexpr int connectionBarHeight = 100;
    static constexpr int statusBarHeight = 40;

    static QImage windowFrame();
    static QImage pageBackground();
    static QImage selectionGlow();
};

#endif // ARTGEN_CHROMEPAINTER_H
