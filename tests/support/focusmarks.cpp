#include "focusmarks.h"

#include <QApplication>
#include <QImage>
#include <QWidget>

namespace {

// More than a text cursor changes (one pixel wide, as high as a line of text).
constexpr int kMarkPixels = 30;

int differingPixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return a.width() * a.height();
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            differing += a.pixel(x, y) != b.pixel(x, y);
    }
    return differing;
}

QString nameOf(const QWidget *widget)
{
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName();
}

// The control as it looks now; the text cursor is hidden by giving the blink no time to show.
QImage look(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

QStringList controlsWithoutFocusMark(QWidget *root)
{
    QStringList missing;
    QWidget *parking = new QWidget(root); // takes the focus between two controls
    parking->setFocusPolicy(Qt::StrongFocus);
    parking->setGeometry(0, 0, 1, 1);
    parking->show();
    const auto widgets = root->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (widget == parking || !widget->isVisibleTo(root) || !widget->isEnabled() ||
            !(widget->focusPolicy() & Qt::TabFocus) || widget->focusProxy())
            continue;
        parking->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
        const QImage without = look(widget);
        // As from the keyboard: styles that show the focus only to keyboard users draw it then.
        widget->setFocus(Qt::ShortcutFocusReason);
        QApplication::processEvents();
        if (!widget->hasFocus()) {
            missing << nameOf(widget) + QStringLiteral(": takes no focus");
            continue;
        }
        if (differingPixels(without, look(widget)) < kMarkPixels)
            missing << nameOf(widget);
    }
    delete parking;
    return missing;
}
