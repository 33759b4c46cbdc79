#ifndef TESTS_FOCUSMARKS_H
#define TESTS_FOCUSMARKS_H

#include <QStringList>

class QWidget;

// Gives the keyboard focus to each control under root that Tab can reach (shown and enabled),
// one after the other, and returns those that look the same with the focus as without it: a
// keyboard user could not see where the focus is. root's window must be the active window. A
// text cursor alone is no mark; each line names the control by its object name (or class).
QStringList controlsWithoutFocusMark(QWidget *root);

#endif // TESTS_FOCUSMARKS_H
