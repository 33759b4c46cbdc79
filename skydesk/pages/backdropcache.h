#ifndef SKYDESK_BACKDROPCACHE_H
#define SKYDESK_BACKDROPCACHE_H

#include <QObject>
#include <QPixmap>

class QWidget;

// Keeps a picture of what lies behind a widget that repaints often (a live reading, a plot) and
// paints it before the widget paints itself. The widget then counts as opaque, so its repaints
// no longer repaint the group boxes and page backgrounds under it: the pixels are the same, the
// work is a fraction. The picture is taken again when the widget moves or changes size or its
// style or palette changes; it suits the pages' fixed forms, whose boxes do not move within the
// window. Where the ancestors do not paint an opaque background under the widget, nothing
// changes.
class BackdropCache : public QObject
{
    Q_OBJECT

public:
    static void attach(QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit BackdropCache(QWidget *widget);
    bool capture();

    QWidget *m_widget;
    QPixmap m_picture;
    bool m_captured = false;
};

#endif // SKYDESK_BACKDROPCACHE_H
