#ifndef TESTS_SUPPORT_TEXTFIT_H
#define TESTS_SUPPORT_TEXTFIT_H

#include <QRect>
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

// The process's scale and font resolution, as "100 %" or "QT_SCALE_FACTOR=1.5".
QString settingName();

// The offscreen platform's screen is 800 × 600 at every setting. A window is fitted instead to
// the screen a pilot with this process's setting would have: a 1280 × 800 laptop, or a
// 1920 × 1080 screen at 200 %, in the logical pixels of the scale factor.
QRect emulatedScreen();

// With KESTO_SHOTS_DIR set, saves the widget's window as a picture named after the setting and
// where, to be looked at.
void saveShot(const QString &where, const QWidget *widget);

} // namespace textfit

#endif // TESTS_SUPPORT_TEXTFIT_H
