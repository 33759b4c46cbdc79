#include "logcategories.h"

namespace fwupgrade {

Q_LOGGING_CATEGORY(lcUpgrade, "upgrade", QtInfoMsg)

} // namespace fwupgrade
