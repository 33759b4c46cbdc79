#ifndef FCLINK_BLOCKIMAGE_H
#define FCLINK_BLOCKIMAGE_H

#include "fclink/fclink_global.h"
#include "fclink/model/uavparam.h"

#include <QByteArray>
#include <QStringList>

#include <array>

namespace fclink {

struct ParameterField;

// The 210 bytes of one parameter block as a value: a copy of the controller's block, a snapshot,
// a backup or a parameter file's contents. Its fields are read and written through the field
// table, so nobody outside the model needs to know where a field lies or how wide it is.
//
// A field has two readings. value() is what the field means: its type's value, except for the
// signed bytes that hold values up to 255 (the gains), which are read unsigned. fileValue() is
// what a parameter file keeps: the type's value throughout, so a gain of 200 is kept as -56.
class FCLINK_EXPORT BlockImage
{
public:
    // Every byte 0.
    BlockImage() = default;
    explicit BlockImage(const quint8 *bytes);
    explicit BlockImage(const UavParam &block);
    // The block a factory-fresh controller would hold: every field at its default.
    static BlockImage defaults();

    qint32 value(const ParameterField &field) const;
    qint32 fileValue(const ParameterField &field) const;
    // Stores value into the field, cut to the field's 8 or 16 bits.
    void setValue(const ParameterField &field, qint32 value);
    // The same by the field's name, which must be a field's (a mistake in the code stops the
    // program).
    qint32 value(const char *fieldName) const;
    void setValue(const char *fieldName, qint32 value);

    // The names of the fields whose bytes differ from other's, in block order.
    QStringList differingFields(const BlockImage &other) const;

    const quint8 *bytes() const { return m_bytes.data(); }
    quint8 *bytes() { return m_bytes.data(); }
    QByteArray toByteArray() const;
    UavParam toStruct() const;

    bool operator==(const BlockImage &other) const { return m_bytes == other.m_bytes; }
    bool operator!=(const BlockImage &other) const { return m_bytes != other.m_bytes; }

private:
    std::array<quint8, kParameterBlockSize> m_bytes{};
};

} // namespace fclink

#endif // FCLINK_BLOCKIMAGE_H
