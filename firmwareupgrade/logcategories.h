#ifndef FIRMWAREUPGRADE_LOGCATEGORIES_H
#define FIRMWAREUPGRADE_LOGCATEGORIES_H

// The upgrade library's log category: each step an upgrade reports, and why a port or file failed.
#include "firmwareupgrade_global.h"

#include <QLoggingCategory>

namespace fwupgrade {

FIRMWAREUPGRADE_EXPORT const QLoggingCategory &lcUpgrade();

} // namespace fwupgrade

#endif // FIRMWAREUPGRADE_LOGCATEGORIES_H
