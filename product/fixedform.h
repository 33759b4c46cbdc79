#ifndef PRODUCT_FIXEDFORM_H
#define PRODUCT_FIXEDFORM_H

#include <QList>

class QWidget;

// The widgets a form places at fixed places of its own, as the designer left them: those of its
// window that no layout places and that are not parts of a view, combo box or spin box. What is
// done to a form's geometry (grown for its texts, scaled for its fonts) is done to these.
class FixedForm
{
public:
    // The form's own widgets: those of its window that are not parts of a compound widget.
    static QList<QWidget *> ownWidgets(QWidget *form);
    // Of those, the ones no layout places.
    static QList<QWidget *> placedWidgets(QWidget *form);
};

#endif // PRODUCT_FIXEDFORM_H
