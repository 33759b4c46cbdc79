#include "fontscale.h"

#include "fixedform.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace {

constexpr qreal kDesignedDpi = 96.0;
// Up to this much larger the forms' slack and the texts' own room suffice; Xvfb and some
// desktops report about 100 dpi for a plain screen.
constexpr qreal kLargestUnscaled = 1.1;
constexpr qreal kLargestFactor = 3.0;

qreal fontResolution()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : kDesignedDpi;
}

int scaledLength(int length, qreal factor)
{
    return int(std::lround(length * factor));
}

QRect scaledRect(const QRect &rect, qreal factor)
{
    // Edges scaled, so that widgets that touch keep touching.
    const int left = scaledLength(rect.left(), factor);
    const int top = scaledLength(rect.top(), factor);
    return QRect(QPoint(left, top), QPoint(scaledLength(rect.right() + 1, factor) - 1,
                                           scaledLength(rect.bottom() + 1, factor) - 1));
}

QSize scaledSize(const QSize &size, qreal factor)
{
    return QSize(scaledLength(size.width(), factor), scaledLength(size.height(), factor));
}

// Sizes the designer fixed (a minimum, a maximum) grow with the widget.
void scaleLimits(QWidget *widget, qreal factor)
{
    const QSize minimum = widget->minimumSize();
    const QSize maximum = widget->maximumSize();
    if (!minimum.isNull())
        widget->setMinimumSize(scaledSize(minimum, factor));
    QSize bounded = maximum;
    if (maximum.width() < QWIDGETSIZE_MAX)
        bounded.setWidth(scaledLength(maximum.width(), factor));
    if (maximum.height() < QWIDGETSIZE_MAX)
        bounded.setHeight(scaledLength(maximum.height(), factor));
    widget->setMaximumSize(bounded);
}

} // namespace

qreal FontScale::factor()
{
    const qreal factor = fontResolution() / kDesignedDpi;
    return factor <= kLargestUnscaled ? 1.0 : qMin(factor, kLargestFactor);
}

void FontScale::scaleForm(QWidget *form)
{
    const qreal factor = FontScale::factor();
    if (factor == 1.0)
        return;
    // Sizes the designer fixed grow for every widget, those a layout places too.
    for (QWidget *widget : FixedForm::ownWidgets(form))
        scaleLimits(widget, factor);
    QRect taken;
    for (QWidget *widget : FixedForm::placedWidgets(form)) {
        widget->setGeometry(scaledRect(widget->geometry(), factor));
        if (widget->parentWidget() == form)
            taken |= widget->geometry();
    }
    scaleLimits(form, factor);
    form->resize(scaledSize(form->size(), factor));
    form->setMinimumSize(form->minimumSize().expandedTo(
        QSize(taken.right() + 1, taken.bottom() + 1).boundedTo(form->size())));
}

QRectF FontScale::scaled(const QRectF &rect)
{
    const qreal factor = FontScale::factor();
    return QRectF(rect.topLeft() * factor, rect.size() * factor);
}
