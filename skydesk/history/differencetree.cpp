#include "differencetree.h"

#include "fclink/model/parameterfields.h"
#include "fclink/model/parameterformat.h"

#include <QTreeWidget>

namespace {

constexpr int kFieldRole = Qt::UserRole;

QTreeWidgetItem *fieldItem(const FieldDifference &difference, bool ticked, bool bothValues)
{
    const fclink::ParameterField &field = *difference.field;
    QStringList texts{fclink::fieldCaption(field), difference.firstShown};
    if (bothValues)
        texts << difference.secondShown;
    auto *item = new QTreeWidgetItem(texts);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
    item->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
    item->setData(0, kFieldRole, QLatin1String(field.name));
    const QString raw =
        bothValues ? DifferenceTree::tr("%1: %2 → %3")
                         .arg(QLatin1String(field.name))
                         .arg(difference.first)
                         .arg(difference.second)
                   : QStringLiteral("%1: %2").arg(QLatin1String(field.name)).arg(difference.first);
    for (int column = 0; column < texts.size(); ++column)
        item->setToolTip(column, raw);
    return item;
}

} // namespace

void DifferenceTree::fill(QTreeWidget *tree, const QVector<DifferenceSection> &sections,
                          bool ticked, bool bothValues)
{
    tree->clear();
    for (const DifferenceSection &section : sections) {
        auto *heading = new QTreeWidgetItem(tree, {section.title});
        QFont bold = heading->font(0);
        bold.setBold(true);
        heading->setFont(0, bold);
        heading->setFirstColumnSpanned(true);
        heading->setFlags(Qt::ItemIsEnabled);
        for (const FieldDifference &difference : section.differences)
            heading->addChild(fieldItem(difference, ticked, bothValues));
        heading->setExpanded(true);
    }
}

QStringList DifferenceTree::tickedFields(const QTreeWidget *tree)
{
    QStringList fields;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *heading = tree->topLevelItem(i);
        for (int j = 0; j < heading->childCount(); ++j) {
            if (heading->child(j)->checkState(0) == Qt::Checked)
                fields << heading->child(j)->data(0, kFieldRole).toString();
        }
    }
    return fields;
}

void DifferenceTree::tickAll(QTreeWidget *tree, bool ticked)
{
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem *heading = tree->topLevelItem(i);
        for (int j = 0; j < heading->childCount(); ++j)
            heading->child(j)->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
    }
}
