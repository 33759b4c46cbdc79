#ifndef TESTS_PAGEINPUT_H
#define TESTS_PAGEINPUT_H

#include <QAbstractSpinBox>
#include <QApplication>
#include <QString>
#include <QTest>
#include <QToolTip>
#include <QWheelEvent>
#include <QWidget>

// The pilot's hands on a page under test: an active window, typing into a box, the wheel.
namespace pageinput {

inline bool showActive(QWidget *window)
{
    window->show();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

inline void wheel(QWidget *target, int notches)
{
    const QPoint at = target->rect().center();
    QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

// Replaces the box's text by these keys, as a pilot who clicks into it and types.
inline void typeInto(QAbstractSpinBox *box, const QString &keys)
{
    box->setFocus(Qt::MouseFocusReason);
    box->selectAll();
    QTest::keyClicks(box, keys);
}

// The range hint the box shows, or an empty text when none is visible.
inline QString hintShown()
{
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

} // namespace pageinput

#endif // TESTS_PAGEINPUT_H
