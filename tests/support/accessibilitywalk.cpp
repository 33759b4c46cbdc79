#include "accessibilitywalk.h"

#include <QAccessible>
#include <QHash>
#include <QWidget>

namespace {

// Deeper than any form nests; a tree that goes on is a cycle.
constexpr int kMaxDepth = 40;

// The entries of lists, tables and trees are data, named by what they hold: a blank cell or two
// cells of one value are no fault of the form.
bool isItemOfView(const QAccessibleInterface *node)
{
    switch (node->role()) {
    case QAccessible::Cell:
    case QAccessible::Row:
    case QAccessible::ListItem:
    case QAccessible::TreeItem:
    case QAccessible::ColumnHeader:
    case QAccessible::RowHeader:
        return true;
    default:
        return false;
    }
}

// A combo box named by the entry it shows would say its value twice and never what it is for.
bool namedByValue(QAccessibleInterface *node, const QString &name)
{
    return node->role() == QAccessible::ComboBox &&
           name == node->text(QAccessible::Value).trimmed();
}

QString describe(QAccessibleInterface *node)
{
    if (QObject *object = node->object()) {
        if (!object->objectName().isEmpty())
            return object->objectName();
        return QString::fromLatin1(object->metaObject()->className());
    }
    return QStringLiteral("role %1 \"%2\"")
        .arg(int(node->role()))
        .arg(node->text(QAccessible::Name));
}

void walk(QAccessibleInterface *node, const QString &path, int depth, QStringList *problems)
{
    if (depth > kMaxDepth) {
        *problems << path + QStringLiteral(": the tree nests deeper than any form");
        return;
    }
    QHash<QString, QString> named; // name → the sibling that has it first
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface *child = node->child(i);
        if (!child || !child->isValid() || child->state().invisible || isItemOfView(child))
            continue;
        const QString where = path + QLatin1Char('/') + describe(child);
        if (child->state().focusable) {
            const QString name = child->text(QAccessible::Name).trimmed();
            if (name.isEmpty())
                *problems << where + QStringLiteral(": focusable without a name");
            else if (namedByValue(child, name))
                *problems << where + QStringLiteral(": named by its value \"%1\"").arg(name);
            else if (named.contains(name))
                *problems << where + QStringLiteral(": named \"%1\" like its sibling %2")
                                         .arg(name, named.value(name));
            else
                named.insert(name, where);
        }
        walk(child, where, depth + 1, problems);
    }
}

} // namespace

QStringList accessibilityProblems(QWidget *root)
{
    QStringList problems;
    QAccessibleInterface *top = QAccessible::queryAccessibleInterface(root);
    if (!top)
        return {QStringLiteral("%1: no accessible interface").arg(root->objectName())};
    walk(top, describe(top), 0, &problems);
    return problems;
}

QString accessibleNameOf(QWidget *widget)
{
    QAccessibleInterface *node = QAccessible::queryAccessibleInterface(widget);
    return node ? node->text(QAccessible::Name) : QString();
}
