#ifndef TESTS_READINGORDER_H
#define TESTS_READINGORDER_H

#include <QList>
#include <QStringList>

class QWidget;

// Presses Tab in root's window, starting from the first control of its focus chain that takes
// the focus, until the focus comes back, and returns the controls in the order the focus
// visited them (at most limit of them).
QList<QWidget *> tabChain(QWidget *root, int limit = 400);

// Where the chain leaves the reading order: each line names the two controls of a step that goes
// back, to the left within a row or up into a row above that is not in a column further right
// (a column may be read whole before the next). Two controls are compared by the places of the
// children of their nearest common ancestor that hold them, so a group is read as one.
QStringList readingOrderProblems(const QList<QWidget *> &chain);

#endif // TESTS_READINGORDER_H
