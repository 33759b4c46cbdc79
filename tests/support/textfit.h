#ifndef TESTS_SUPPORT_TEXTFIT_H
#define TESTS_SUPPORT_TEXTFIT_H

#include <QStringList>

#include <functional>

class QWidget;

// Finds the texts a window shows cut: a label's, button's, check box's or radio button's text
// wider or taller than the room the widget draws it in (word wrap counted), a group box title
// beyond its box, a tab that does not show its whole title, a combo box entry wider than the
// box's text field, an icon-mode list entry wider than its cell. Only what is visible now is
// checked. A text the window elided itself to fit counts as cut: elided tells which widgets show
// their text so.
namespace textfit {

using ElidedTest = std::function<bool(const QWidget *)>;

// One line per cut text: "objectName (class): text: needed px in room px".
QStringList clippedTexts(const QWidget *root, const ElidedTest &elided = {});

} // namespace textfit

#endif // TESTS_SUPPORT_TEXTFIT_H
