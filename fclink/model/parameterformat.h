#ifndef FCLINK_PARAMETERFORMAT_H
#define FCLINK_PARAMETERFORMAT_H

#include "fclink/fclink_global.h"
#include "parameterfields.h"

#include <QString>
#include <QVector>

// The field table in words, for people: captions, values with their units or choice labels,
// ranges, and the fields grouped as the pages show them. Texts pass through
// QCoreApplication::translate in the "ParameterModel" context, so a program that has installed
// its translation gets them in its language; without one they stay English.
namespace fclink {

FCLINK_EXPORT QString fieldCaption(const ParameterField &field);
FCLINK_EXPORT QString choiceLabel(const FieldChoice &choice);
FCLINK_EXPORT QString pageTitle(FieldPage page);
FCLINK_EXPORT QString tabTitle(const FieldTab &tab);
// The captions of the named fields, in the same order (a name that is no field stays as it is).
FCLINK_EXPORT QStringList fieldCaptions(const QStringList &fieldNames);
// The caption as a screen reader should say it: with the unit in words where the field has one
// ("Go-Home Altitude, metres").
FCLINK_EXPORT QString spokenCaption(const ParameterField &field);
// The group's title, or an empty text for a field outside a titled group.
FCLINK_EXPORT QString groupTitle(const ParameterField &field);

// A stored value as a number in the field's shown unit, without the unit: 1110 in a field of
// hundredths of a volt gives "11.10".
FCLINK_EXPORT QString formatNumber(const ParameterField &field, qint32 stored);
// The number followed by the unit ("120 m", "11.10 V"), or the choice's label ("Alt Go-Home").
// A code that names no choice shows as its number.
FCLINK_EXPORT QString formatValue(const ParameterField &field, qint32 stored);
// Stored values minimum..maximum as "20–500 m" ("-100 – 100" when negative values are part of it).
FCLINK_EXPORT QString formatRange(const ParameterField &field, qint32 minimum, qint32 maximum);
// Plain stored values, without scale or unit: "0–255", "-30000 – 30000".
FCLINK_EXPORT QString formatRange(qint32 minimum, qint32 maximum);
// The field's meaningful range, or for a choice field its codes with their labels:
// "0 Hover, 1 Alt Go-Home".
FCLINK_EXPORT QString formatMeaning(const ParameterField &field);

// Fields that are shown together: one titled group of one tab, or a tab's fields outside groups.
struct FieldSection
{
    FieldTab tab;
    const char *group; // null outside a titled group
    QVector<const ParameterField *> fields;
};

// Every field in the order a pilot meets them: the setting page's tabs, then the internal
// page's, then the fields no page shows; within a tab group by group in the order the groups
// first appear, and within a group in block order.
FCLINK_EXPORT QVector<FieldSection> fieldsByPlace();

} // namespace fclink

#endif // FCLINK_PARAMETERFORMAT_H
