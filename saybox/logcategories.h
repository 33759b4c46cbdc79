#ifndef SAYBOX_LOGCATEGORIES_H
#define SAYBOX_LOGCATEGORIES_H

#include <QLoggingCategory>

// The feedback uploader: FTP commands, their failures and each submission's outcome.
Q_DECLARE_LOGGING_CATEGORY(lcFtp)
// The program itself: its window, settings and translations.
Q_DECLARE_LOGGING_CATEGORY(lcSaybox)

#endif // SAYBOX_LOGCATEGORIES_H
