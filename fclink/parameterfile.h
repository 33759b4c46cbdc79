#ifndef FCLINK_PARAMETERFILE_H
#define FCLINK_PARAMETERFILE_H

#include "fclink_global.h"

#include <QString>

namespace fclink {

// A parameter file is an INI settings file with one key per parameter-block field, var0..var198
// (181 unused), each value a decimal integer read and written under the field's type.

// Writes all 198 fields of a 210-byte block. The file is written beside its final name first
// and moved into place, so a failed save leaves an existing file as it was.
FCLINK_EXPORT bool saveParameterFile(const QString &path, const quint8 *block, QString *error);

// Reads a file that must be complete: every key present, every value an integer within its
// field's type. On the first problem it returns false with a message naming the key, and
// block is left untouched.
FCLINK_EXPORT bool loadParameterFileStrict(const QString &path, quint8 *block, QString *error);

} // namespace fclink

#endif // FCLINK_PARAMETERFILE_H
