#ifndef FCLINK_PARAMETERFILE_H
#define FCLINK_PARAMETERFILE_H

#include "fclink/fclink_global.h"
#include "fclink/model/blockimage.h"
#include "fclink/model/parameterblock.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

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

// A preset is a parameter file that holds only some keys, in the same section and key=value
// form. It is checked as a whole file is (no key twice, no key that is none of ours, no junk
// line, every value one its field holds) and must hold at least one key. On the first problem
// it returns false with a message naming the file and the line; values is left untouched.
// The values come in block order.
FCLINK_EXPORT bool loadPresetFile(const QString &path, QVector<FieldValue> *values, QString *error);

// Writes the named fields of block as a preset (in the order of their keys); every name must be
// a field's.
FCLINK_EXPORT bool savePresetFile(const QString &path, const BlockImage &block,
                                  const QStringList &fieldNames, QString *error);

// The contents of a parameter file after the fields whose bytes differ between before and
// after took after's values: only the value of each such key changes, and every other byte
// (other keys' values as they were written, comments, order, line ends) stays. A changed key
// the contents lack is added at the end.
FCLINK_EXPORT QByteArray changedParameterFile(const QByteArray &contents, const BlockImage &before,
                                              const BlockImage &after);

// Writes contents to path beside its final name first and moves it into place.
FCLINK_EXPORT bool saveFileContents(const QString &path, const QByteArray &contents,
                                    QString *error);

} // namespace fclink

#endif // FCLINK_PARAMETERFILE_H
