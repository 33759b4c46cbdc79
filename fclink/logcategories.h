#ifndef FCLINK_LOGCATEGORIES_H
#define FCLINK_LOGCATEGORIES_H

// The link library's log categories; QT_LOGGING_RULES="fclink.*.debug=true" shows them all.
#include "fclink_global.h"

#include <QLoggingCategory>

namespace fclink {

// The serial link: ports opened, lost and reopened, serial errors, the worker.
FCLINK_EXPORT const QLoggingCategory &lcLink();
// Parameter files read and written.
FCLINK_EXPORT const QLoggingCategory &lcFile();
// The configuration history's folder.
FCLINK_EXPORT const QLoggingCategory &lcSnapshots();

} // namespace fclink

#endif // FCLINK_LOGCATEGORIES_H
