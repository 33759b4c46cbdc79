#ifndef TESTS_ACCESSIBILITYWALK_H
#define TESTS_ACCESSIBILITYWALK_H

#include <QStringList>

class QWidget;

// Walks the accessibility tree under root as a screen reader sees it (only what is shown) and
// returns what a blind user could not tell apart: each focusable control without a name, and
// each focusable control that has the name of an earlier sibling, and each combo box named by
// the entry it shows. Every line names the control
// by its path of object names (or roles) from root.
QStringList accessibilityProblems(QWidget *root);

// The accessible name of a widget, as the accessibility bridge reads it.
QString accessibleNameOf(QWidget *widget);

#endif // TESTS_ACCESSIBILITYWALK_H
