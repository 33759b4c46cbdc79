#include "logcategories.h"

Q_LOGGING_CATEGORY(lcFtp, "saybox.ftp", QtInfoMsg)
Q_LOGGING_CATEGORY(lcSaybox, "saybox", QtInfoMsg)
