#include "fixedform.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLayout>
#include <QWidget>

namespace {

bool inLayout(const QLayout *layout, const QWidget *widget)
{
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (item->widget() == widget)
            return true;
        if (item->layout() && inLayout(item->layout(), widget))
            return true;
    }
    return false;
}

bool placedByLayout(const QWidget *widget)
{
    const QWidget *parent = widget->parentWidget();
    return parent && parent->layout() && inLayout(parent->layout(), widget);
}

// The parts a view, combo box or spin box is made of are its own business.
bool partOfCompound(const QWidget *widget, const QWidget *form)
{
    for (const QWidget *above = widget->parentWidget(); above && above != form;
         above = above->parentWidget()) {
        if (qobject_cast<const QAbstractScrollArea *>(above) ||
            qobject_cast<const QComboBox *>(above) || qobject_cast<const QAbstractSpinBox *>(above))
            return true;
    }
    return false;
}

} // namespace

QList<QWidget *> FixedForm::ownWidgets(QWidget *form)
{
    QList<QWidget *> own;
    for (QWidget *widget : form->findChildren<QWidget *>()) {
        // Windows the form opens (a scope, a dialog) are forms of their own.
        if (widget->window() == form->window() && !partOfCompound(widget, form))
            own << widget;
    }
    return own;
}

QList<QWidget *> FixedForm::placedWidgets(QWidget *form)
{
    QList<QWidget *> placed;
    for (QWidget *widget : ownWidgets(form)) {
        if (!placedByLayout(widget))
            placed << widget;
    }
    return placed;
}
