#include "parameterformat.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>
#include <tuple>

namespace fclink {

namespace {

const char *const kContext = "ParameterModel";

QString translated(const char *text)
{
    return text ? QCoreApplication::translate(kContext, text) : QString();
}

QString withUnit(const ParameterField &field, const QString &number)
{
    if (!*field.unit)
        return number;
    return number + QLatin1Char(' ') + QLatin1String(field.unit);
}

QString joinRange(const QString &low, const QString &high, bool negative)
{
    return low + (negative ? QStringLiteral(" – ") : QStringLiteral("–")) + high;
}

// The units of the table in words, for a screen reader that would read "m" as a letter.
const char *unitInWords(const char *unit)
{
    static const struct
    {
        const char *unit;
        const char *words;
    } units[] = {
        {"m", QT_TRANSLATE_NOOP("ParameterModel", "metres")},
        {"V", QT_TRANSLATE_NOOP("ParameterModel", "volts")},
    };
    for (const auto &known : units) {
        if (std::strcmp(known.unit, unit) == 0)
            return known.words;
    }
    return unit;
}

bool sameGroup(const char *a, const char *b)
{
    return a == b || (a && b && std::strcmp(a, b) == 0);
}

} // namespace

QString fieldCaption(const ParameterField &field)
{
    if (!field.caption)
        return QCoreApplication::translate("ParameterModel", "Spare byte %1").arg(field.offset);
    return translated(field.caption);
}

QString spokenCaption(const ParameterField &field)
{
    if (!*field.unit)
        return fieldCaption(field);
    return QCoreApplication::translate(kContext, "%1, %2")
        .arg(fieldCaption(field), translated(unitInWords(field.unit)));
}

QStringList fieldCaptions(const QStringList &fieldNames)
{
    QStringList captions;
    for (const QString &name : fieldNames) {
        const ParameterField *field = findParameterField(name);
        captions.append(field ? fieldCaption(*field) : name);
    }
    return captions;
}

QString choiceLabel(const FieldChoice &choice)
{
    return translated(choice.label);
}

QString pageTitle(FieldPage page)
{
    switch (page) {
    case FieldPage::Setting:
        return QCoreApplication::translate("ParameterModel", "Setting");
    case FieldPage::Internal:
        return QCoreApplication::translate("ParameterModel", "Internal");
    case FieldPage::NotShown:
        break;
    }
    return QCoreApplication::translate("ParameterModel", "Not shown");
}

QString tabTitle(const FieldTab &tab)
{
    return translated(tab.title);
}

QString groupTitle(const ParameterField &field)
{
    return translated(field.group);
}

QString formatNumber(const ParameterField &field, qint32 stored)
{
    if (field.scale == 1)
        return QString::number(stored);
    return QString::number(double(stored) / field.scale, 'f', field.decimals);
}

QString formatValue(const ParameterField &field, qint32 stored)
{
    if (const FieldChoice *choice = field.choice(stored))
        return choiceLabel(*choice);
    return withUnit(field, formatNumber(field, stored));
}

QString formatRange(const ParameterField &field, qint32 minimum, qint32 maximum)
{
    return withUnit(
        field, joinRange(formatNumber(field, minimum), formatNumber(field, maximum), minimum < 0));
}

QString formatRange(qint32 minimum, qint32 maximum)
{
    return joinRange(QString::number(minimum), QString::number(maximum), minimum < 0);
}

QString formatMeaning(const ParameterField &field)
{
    if (!field.isChoice())
        return formatRange(field, field.minimum, field.maximum);
    QStringList choices;
    for (const FieldChoice &choice : field.choices)
        choices.append(QStringLiteral("%1 %2").arg(choice.code).arg(choiceLabel(choice)));
    return choices.join(QStringLiteral(", "));
}

QVector<FieldSection> fieldsByPlace()
{
    QVector<FieldSection> sections;
    for (const ParameterField &field : parameterFields()) {
        const auto section = std::find_if(sections.begin(), sections.end(), [&](const auto &s) {
            return s.tab.page == field.tab.page && s.tab.index == field.tab.index &&
                   sameGroup(s.group, field.group);
        });
        if (section != sections.end())
            section->fields.append(&field);
        else
            sections.append({field.tab, field.group, {&field}});
    }
    // Stable: sections of one tab keep the order in which their groups first appear.
    const auto pageOrder = [](FieldPage page) {
        return page == FieldPage::NotShown ? 3 : page == FieldPage::Setting ? 1 : 2;
    };
    std::stable_sort(sections.begin(), sections.end(), [&](const auto &a, const auto &b) {
        return std::make_tuple(pageOrder(a.tab.page), a.tab.index) <
               std::make_tuple(pageOrder(b.tab.page), b.tab.index);
    });
    return sections;
}

} // namespace fclink
