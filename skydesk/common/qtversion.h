#ifndef SKYDESK_QTVERSION_H
#define SKYDESK_QTVERSION_H

// The few places where Qt 5.15 and Qt 6 differ for this program, so that the rest of the code is
// written once for both.

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QtGlobal>

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
#include <QEnterEvent>
// What QWidget::enterEvent() is given: a QEnterEvent since Qt 6.
using WidgetEnterEvent = QEnterEvent;
#else
using WidgetEnterEvent = QEvent;
#endif

// Pictures come sharp on screens that scale (each is also drawn at scale 2). Qt 6 always does so
// and has deprecated the attribute.
inline void useHighDpiPixmaps()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
}

// Where a mouse event happened in the widget, to a fraction of a pixel: position() in Qt 6,
// which has deprecated localPos().
inline QPointF mousePosition(const QMouseEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event->position();
#else
    return event->localPos();
#endif
}

// Whether a label shows a picture: Qt 6 returns the picture by value, Qt 5.15 needs asking so.
inline bool showsPicture(const QLabel *label)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return !label->pixmap().isNull();
#else
    return !label->pixmap(Qt::ReturnByValue).isNull();
#endif
}

#endif // SKYDESK_QTVERSION_H
