#include "accessiblecombobox.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

QAccessibleInterface *comboBoxInterface(const QString &className, QObject *object)
{
    auto *box = qobject_cast<QComboBox *>(object);
    if (box && className == QLatin1String("QComboBox"))
        return new AccessibleComboBox(box);
    return nullptr;
}

} // namespace

AccessibleComboBox::AccessibleComboBox(QComboBox *box)
    : QAccessibleWidget(box, QAccessible::ComboBox)
{
}

void AccessibleComboBox::install()
{
    static bool installed = false;
    if (installed)
        return;
    // The factory installed last is asked first, before Qt's own for widgets.
    QAccessible::installFactory(comboBoxInterface);
    installed = true;
}

QComboBox *AccessibleComboBox::comboBox() const
{
    return static_cast<QComboBox *>(widget());
}

QString AccessibleComboBox::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value) {
        const QComboBox *box = comboBox();
        return box->isEditable() && box->lineEdit() ? box->lineEdit()->text() : box->currentText();
    }
    return QAccessibleWidget::text(t);
}

QStringList AccessibleComboBox::actionNames() const
{
    return QStringList{showMenuAction()} << QAccessibleWidget::actionNames();
}

void AccessibleComboBox::doAction(const QString &actionName)
{
    if (actionName == showMenuAction() || actionName == pressAction())
        comboBox()->showPopup();
    else
        QAccessibleWidget::doAction(actionName);
}
