#ifndef SKYDESK_QTVERSION_H
#define SKYDESK_QTVERSION_H

// The few places where Qt 5.15 and Qt 6 differ for this program, so that the rest of the code is
// written once for both.

#include <QCoreApplication>
#include <QEvent>
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

#endif // SKYDESK_QTVERSION_H
