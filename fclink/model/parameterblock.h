#ifndef FCLINK_PARAMETERBLOCK_H
#define FCLINK_PARAMETERBLOCK_H

#include "fclink/fclink_global.h"
#include "fclink/model/blockimage.h"

#include <QVector>

namespace fclink {

struct ParameterField;

// A value to be written into one field of the parameter block.
struct FieldValue
{
    const ParameterField *field;
    qint32 value;
};

// One field's value before and after a write, as its meaning reads it (BlockImage::value).
struct FieldChange
{
    qint32 before;
    qint32 after;
};

// The process-wide parameter block (uavParam) as the program and tools use it: every access
// takes the block's lock, so nobody outside the link library needs to know about that lock.
// Uploading is the link's business (Commrt::uploadParameters and Commrt::uploadFields).
class FCLINK_EXPORT ParameterBlock
{
public:
    // The block as it holds now.
    static BlockImage copy();
    // Replaces the whole block. Nothing is uploaded.
    static void replace(const BlockImage &block);
    // Writes each value into its field (cut to the field's width), all under one hold of the
    // lock, and returns for each the field's value before and after. Nothing is uploaded.
    static QVector<FieldChange> write(const QVector<FieldValue> &values);
};

} // namespace fclink

#endif // FCLINK_PARAMETERBLOCK_H
