#ifndef FCLINK_PARAMETERFILE_H
#define FCLINK_PARAMETERFILE_H

#include "fclink/fclink_global.h"
#include "fclink/model/blockimage.h"

#include <QString>

namespace fclink {

// A parameter file is an INI settings file with one key per parameter-block field, var0..var198
// (181 unused), each value a decimal integer read and written under the field's type.

// Writes all 198 fields of a block. The file is written beside its final name first
// and moved into place, so a failed save leaves an existing file as it was.
FCLINK_EXPORT bool saveParameterFile(const QString &path, const BlockImage &block, QString *error);

// Reads a file that must be complete: every key present, every value an integer its field holds
// (a gain as -128..127 or 0..255), and nothing that is no parameter file: no key given twice,
// no key that is none of ours, no line that is no key and value, no more than 64 KiB. Lines
// may end in LF, CR LF or CR, and a UTF-8 byte-order mark may come first (files are written
// without one). Only the type is checked, not whether a value makes sense
// for the pilot, so a backup restores byte for byte whatever it holds. On the first problem it
// returns false with a message naming the key or line (translated where the program has a
// translation installed), and block is left untouched.
FCLINK_EXPORT bool loadParameterFileStrict(const QString &path, BlockImage *block, QString *error);

} // namespace fclink

#endif // FCLINK_PARAMETERFILE_H
