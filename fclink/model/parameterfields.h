#ifndef FCLINK_PARAMETERFIELDS_H
#define FCLINK_PARAMETERFIELDS_H

#include "fclink/fclink_global.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace fclink {

enum class FieldType
{
    Int8,
    UInt8,
    Int16,
    UInt16
};

// One value of a field that stands for a choice, such as 1 for "Alt Go-Home".
struct FieldChoice
{
    qint32 code;
    const char *label; // English; translated in the "ParameterModel" context
};

// The page a pilot finds a field on. A field that two pages edit is placed on the page made for
// pilots; the internal page edits almost every field for service technicians.
enum class FieldPage
{
    NotShown,
    Setting,
    Internal
};

// A tab of a page, numbered in the page's own order.
struct FieldTab
{
    FieldPage page;
    int index;
    const char *title; // English; translated in the "ParameterModel" context
};

// One named field of the parameter block and what it means. Where it lies, how its value is
// read and the number of its key ("var<N>") in a parameter file describe the block; the rest
// describes the value for the pilot: its caption, unit, the values that make sense, its default
// and where it is shown. Texts are English and marked for translation in the "ParameterModel"
// context; parameterformat.h turns them into the program's language.
struct FCLINK_EXPORT ParameterField
{
    const char *name = nullptr;
    int offset = 0;
    FieldType type = FieldType::Int8;
    int fileKey = 0;

    const char *caption = nullptr; // null for spare bytes
    const char *unit = "";         // of the shown value, "" for none
    // The values that make sense, as stored. A choice field makes sense only with one of its
    // codes. An 8-bit signed field whose values run above 127 is read as the unsigned byte.
    qint32 minimum = 0;
    qint32 maximum = 0;
    // The stored values the service technicians' raw editor offers. It may be wider than the
    // meaningful range (a technician may set what a pilot may not); where the table gives none,
    // it is the meaningful range.
    qint32 serviceMinimum = 0;
    qint32 serviceMaximum = 0;
    int scale = 1;    // stored = shown × scale (hundredths of a volt: 100)
    int decimals = 0; // of the shown value
    QVector<FieldChoice> choices;
    qint32 defaultValue = 0;
    FieldTab tab = {FieldPage::NotShown, -1, nullptr};
    const char *group = nullptr; // the titled group on the tab, or null

    int size() const { return (type == FieldType::Int16 || type == FieldType::UInt16) ? 2 : 1; }
    QString fileKeyName() const { return QStringLiteral("var%1").arg(fileKey); }
    bool isChoice() const { return !choices.isEmpty(); }
    bool readsUnsigned() const;
    const FieldChoice *choice(qint32 code) const;
    // Whether the value makes sense for this field (a code of a choice field, otherwise a value
    // within minimum and maximum).
    bool isMeaningful(qint64 value) const;
};

// All 198 fields in offset order; together they cover the 210 bytes exactly once.
FCLINK_EXPORT const QVector<ParameterField> &parameterFields();

// The field with this exact name, or null.
FCLINK_EXPORT const ParameterField *findParameterField(const QString &name);

FCLINK_EXPORT qint32 fieldMinimum(FieldType type);
FCLINK_EXPORT qint32 fieldMaximum(FieldType type);
FCLINK_EXPORT bool valueFitsField(FieldType type, qint64 value);
FCLINK_EXPORT QString fieldTypeName(FieldType type);

// The values the field's bytes hold as they are: those of its type, and for the signed bytes
// that are read unsigned (the gains) also 128..255, the same bytes read the other way. Anything
// else would be cut to another value, so it is never written.
FCLINK_EXPORT qint32 lowestHeld(const ParameterField &field);
FCLINK_EXPORT qint32 highestHeld(const ParameterField &field);
FCLINK_EXPORT bool fieldCanHold(const ParameterField &field, qint64 value);

// The one conversion between a stored value and the number a control shows in the field's unit:
// stored ÷ scale, and back the shown number × scale truncated toward zero (12.345 V stores 1234).
// The product is first taken to a millionth, so that a number a box shows with the field's
// decimals stores as it reads (0.29 V stores 29, although 0.29 × 100 is 28.999… in binary).
FCLINK_EXPORT double shownValue(const ParameterField &field, qint32 stored);
FCLINK_EXPORT qint64 storedValue(const ParameterField &field, double shown);

} // namespace fclink

#endif // FCLINK_PARAMETERFIELDS_H
