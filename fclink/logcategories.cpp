#include "logcategories.h"

namespace fclink {

Q_LOGGING_CATEGORY(lcLink, "fclink.link", QtInfoMsg)
Q_LOGGING_CATEGORY(lcFile, "fclink.file", QtInfoMsg)
Q_LOGGING_CATEGORY(lcSnapshots, "fclink.snapshots", QtInfoMsg)

} // namespace fclink
