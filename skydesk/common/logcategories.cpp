#include "logcategories.h"

// Debug lines are off unless QT_LOGGING_RULES turns them on; the pages' refresh line of the IOC
// functions shows by default, as it always has.

Q_LOGGING_CATEGORY(lcShell, "skydesk.shell", QtInfoMsg)
Q_LOGGING_CATEGORY(lcPages, "skydesk.pages")
Q_LOGGING_CATEGORY(lcUpdate, "skydesk.update", QtInfoMsg)
Q_LOGGING_CATEGORY(lcHistory, "skydesk.history", QtInfoMsg)
