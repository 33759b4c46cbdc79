#ifndef FCLINK_PARAMETERFIELDS_H
#define FCLINK_PARAMETERFIELDS_H

#include "fclink_global.h"

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

// One named field of the parameter block: where it lies, how its value is read, and the number
// of its key ("var<N>") in a parameter file. The key number is not the offset.
struct ParameterField
{
    const char *name;
    int offset;
    FieldType type;
    int fileKey;

    int size() const { return (type == FieldType::Int16 || type == FieldType::UInt16) ? 2 : 1; }
    QString fileKeyName() const { return QStringLiteral("var%1").arg(fileKey); }
};

// All 198 fields in offset order; together they cover the 210 bytes exactly once.
FCLINK_EXPORT const QVector<ParameterField> &parameterFields();

// The field with this exact name, or null.
FCLINK_EXPORT const ParameterField *findParameterField(const QString &name);

FCLINK_EXPORT qint32 fieldMinimum(FieldType type);
FCLINK_EXPORT qint32 fieldMaximum(FieldType type);
FCLINK_EXPORT bool valueFitsField(FieldType type, qint64 value);
FCLINK_EXPORT QString fieldTypeName(FieldType type);

// Reads a field from a 210-byte block, signed or unsigned as its type says.
FCLINK_EXPORT qint32 readField(const quint8 *block, const ParameterField &field);

// Stores value into the field, cut to the field's 8 or 16 bits.
FCLINK_EXPORT void writeField(quint8 *block, const ParameterField &field, qint32 value);

// The names of the fields whose bytes differ between two 210-byte blocks, in block order.
FCLINK_EXPORT QStringList differingFields(const quint8 *first, const quint8 *second);

} // namespace fclink

#endif // FCLINK_PARAMETERFIELDS_H
