#ifndef SKYDESK_WINDOWFIT_H
#define SKYDESK_WINDOWFIT_H

#include <QPixmap>
#include <QRect>
#include <QSize>

class QWidget;

// How a window of a designed size keeps to the screen: it takes its designed size where the
// screen has room, shrinks to the screen's free area where it has not (never below what the
// window's fixed parts need), and lies wholly on that area.
namespace WindowFit {

// The designed size bounded by the available area, at least the minimum.
QSize fittedSize(const QSize &designed, const QSize &minimum, const QRect &available);

// Where a window of that frame lies once moved onto the available area (top left first when it
// is larger).
QPoint placedInside(const QRect &frame, const QRect &available);

// The window's background for a size other than the picture's: the top band (title and
// connection bars) and the bottom band (status bar) keep their heights, the middle stretches
// or shrinks, and every band takes the whole width. At the picture's own size, the picture.
QPixmap stretchedBands(const QPixmap &picture, const QSize &size, int topBand, int bottomBand);

// The resizable window shrunk to the available area where that is smaller than the window
// (never below its minimum size) and moved wholly onto it.
void keepInside(QWidget *window, const QRect &available);

// keepInside the free area of its screen each time the window (a dialog, a viewer) is shown.
void keepOnScreenWhenShown(QWidget *window);

} // namespace WindowFit

#endif // SKYDESK_WINDOWFIT_H
