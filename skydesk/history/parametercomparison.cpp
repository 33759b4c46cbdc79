#include "parametercomparison.h"

#include "fclink/model/parameterfields.h"
#include "fclink/model/parameterformat.h"

#include <QStringList>

#include <cstring>

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

bool bytesDiffer(const quint8 *first, const quint8 *second, const fclink::ParameterField &field)
{
    return std::memcmp(first + field.offset, second + field.offset,
                       static_cast<std::size_t>(field.size())) != 0;
}

} // namespace

QVector<DifferenceSection> compareBlocks(const quint8 *first, const quint8 *second)
{
    QVector<DifferenceSection> sections;
    for (const fclink::FieldSection &place : fclink::fieldsByPlace()) {
        DifferenceSection section;
        for (const fclink::ParameterField *field : place.fields) {
            if (!bytesDiffer(first, second, *field))
                continue;
            section.differences.append(
                {field, fclink::readField(first, *field), fclink::readField(second, *field),
                 fclink::formatValue(*field, fclink::readValue(first, *field)),
                 fclink::formatValue(*field, fclink::readValue(second, *field))});
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
