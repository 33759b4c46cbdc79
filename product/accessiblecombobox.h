#ifndef PRODUCT_ACCESSIBLECOMBOBOX_H
#define PRODUCT_ACCESSIBLECOMBOBOX_H

#include <QAccessibleWidget>

class QComboBox;

// What a screen reader says of a combo box: its accessible name (what the box is for) as the
// name and the entry it shows as the value. Qt's own interface on Linux names a box by its
// entry, so "Course Lock" would be heard with no word of the stick position it is for.
class AccessibleComboBox : public QAccessibleWidget
{
public:
    explicit AccessibleComboBox(QComboBox *box);

    // Makes every combo box of the program use this interface; does nothing the second time.
    // Call it before the first box is shown: a box's interface is made once.
    static void install();

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    QComboBox *comboBox() const;
};

#endif // PRODUCT_ACCESSIBLECOMBOBOX_H
