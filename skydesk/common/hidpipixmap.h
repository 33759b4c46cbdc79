#ifndef SKYDESK_HIDPIPIXMAP_H
#define SKYDESK_HIDPIPIXMAP_H

#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

// Loads the compiled-in pictures for the screen. The build draws each picture from its SVG
// source at scale 1 ("images/bg.png") and at scale 2 beside it ("images/bg@2x.png"); on a
// screen that scales by more than one the sharp picture is used, marked with its pixel ratio so
// that it keeps its size in the layout. Icons and style sheet images find the "@2x" picture by
// themselves; this is for the pixmaps the program loads by name.
class HiDpiPixmap
{
public:
    // The picture at path for the given device pixel ratio; 0 means the application's (that
    // of its densest screen). Without a "@2x" picture beside it, the picture itself.
    static QPixmap load(const QString &path, qreal ratio = 0);

    // The picture at path drawn scale times its size, from its sharper picture where the screen
    // and the scale together need it (for forms grown with large fonts).
    static QPixmap loadScaled(const QString &path, qreal scale);

    // Starts decoding the pictures on the thread pool, for the application's pixel ratio; a
    // later load() of one of them takes the decoded picture (waiting for it if need be) instead
    // of decoding it then. For the large pictures of the start, which so decode while the splash
    // screen pauses. A picture is decoded ahead once for each preload() and load().
    static void preload(const QStringList &paths);

    // The size a pixmap takes on screen, in device-independent pixels.
    static QSize logicalSize(const QPixmap &pixmap);
};

#endif // SKYDESK_HIDPIPIXMAP_H
