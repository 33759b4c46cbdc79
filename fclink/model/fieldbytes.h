#ifndef FCLINK_FIELDBYTES_H
#define FCLINK_FIELDBYTES_H

#include <QStringList>
#include <QtGlobal>

// A field's bytes inside a 210-byte block, for the library's own code that works on the block's
// bytes in place (the process-wide block under its lock, the link's copies of it). Everyone else
// reads and writes fields through BlockImage, whose two readings these are.
namespace fclink {

struct ParameterField;

// The field's value under its type, signed or unsigned (BlockImage::fileValue).
qint32 readField(const quint8 *block, const ParameterField &field);
// The field's value as it is meant (BlockImage::value): as readField, except for the signed
// bytes that hold values up to 255 (the gains), which are read unsigned.
qint32 readValue(const quint8 *block, const ParameterField &field);
// Stores value into the field, cut to the field's 8 or 16 bits.
void writeField(quint8 *block, const ParameterField &field, qint32 value);
// The names of the fields whose bytes differ between two blocks, in block order.
QStringList differingFields(const quint8 *first, const quint8 *second);

} // namespace fclink

#endif // FCLINK_FIELDBYTES_H
