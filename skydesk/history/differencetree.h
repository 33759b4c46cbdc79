#ifndef SKYDESK_DIFFERENCETREE_H
#define SKYDESK_DIFFERENCETREE_H

#include "parametercomparison.h"

#include <QCoreApplication>
#include <QStringList>

class QTreeWidget;

// A tree of fields grouped as the pages show them: one bold heading per page, tab and group,
// under it one row per field with its caption and its values, the raw values in the tool tip.
// Each row can be ticked; the ticked rows name the fields to take.
class DifferenceTree
{
    Q_DECLARE_TR_FUNCTIONS(DifferenceTree)

public:
    // Fills tree with the sections; every row starts ticked or not as ticked says. With
    // bothValues false only the first value is shown (a tree of two columns).
    static void fill(QTreeWidget *tree, const QVector<DifferenceSection> &sections, bool ticked,
                     bool bothValues = true);
    // The fields of the ticked rows, in the order shown.
    static QStringList tickedFields(const QTreeWidget *tree);
    // Ticks or unticks every row.
    static void tickAll(QTreeWidget *tree, bool ticked);
};

#endif // SKYDESK_DIFFERENCETREE_H
