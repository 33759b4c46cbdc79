#include "parametercomparison.h"

#include "fclink/model/parameterfields.h"
#include "fclink/model/parameterformat.h"

#include <QStringList>

namespace {

QString sectionTitle(const fclink::FieldSection &section)
{
    QStringList parts{fclink::pageTitle(section.tab.page)};
    if (section.tab.title)
        parts << fclink::tabTitle(section.tab);
    if (section.group)
        parts << fclink::groupTitle(*section.fields.first());
    return parts.join(QStringLiteral(" – "));
}

} // namespace

QVector<DifferenceSection> compareBlocks(const fclink::BlockImage &first,
                                         const fclink::BlockImage &second)
{
    QVector<DifferenceSection> sections;
    for (const fclink::FieldSection &place : fclink::fieldsByPlace()) {
        DifferenceSection section;
        for (const fclink::ParameterField *field : place.fields) {
            if (first.fileValue(*field) == second.fileValue(*field))
                continue;
            section.differences.append({field, first.fileValue(*field), second.fileValue(*field),
                                        fclink::formatValue(*field, first.value(*field)),
                                        fclink::formatValue(*field, second.value(*field))});
        }
        if (section.differences.isEmpty())
            continue;
        section.title = sectionTitle(place);
        sections.append(section);
    }
    return sections;
}

QVector<DifferenceSection> listBlock(const fclink::BlockImage &block)
{
    QVector<DifferenceSection> sections;
    for (const fclink::FieldSection &place : fclink::fieldsByPlace()) {
        DifferenceSection section;
        for (const fclink::ParameterField *field : place.fields) {
            if (!field->caption)
                continue;
            const QString shown = fclink::formatValue(*field, block.value(*field));
            section.differences.append(
                {field, block.fileValue(*field), block.fileValue(*field), shown, shown});
        }
        if (section.differences.isEmpty())
            continue;
        section.title = sectionTitle(place);
        sections.append(section);
    }
    return sections;
}

int differenceCount(const QVector<DifferenceSection> &sections)
{
    int count = 0;
    for (const DifferenceSection &section : sections)
        count += section.differences.size();
    return count;
}
