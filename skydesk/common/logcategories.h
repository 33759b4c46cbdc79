#ifndef SKYDESK_LOGCATEGORIES_H
#define SKYDESK_LOGCATEGORIES_H

// Skydesk's log categories, one per part; QT_LOGGING_RULES="skydesk.*.debug=true" shows them.
#include <QLoggingCategory>

// The window, its settings file and style sheet.
Q_DECLARE_LOGGING_CATEGORY(lcShell)
// The configuration pages.
Q_DECLARE_LOGGING_CATEGORY(lcPages)
// Update checks, firmware downloads and guarded upgrades.
Q_DECLARE_LOGGING_CATEGORY(lcUpdate)
// Snapshots of the configuration history.
Q_DECLARE_LOGGING_CATEGORY(lcHistory)

#endif // SKYDESK_LOGCATEGORIES_H
