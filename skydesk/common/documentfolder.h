#ifndef SKYDESK_DOCUMENTFOLDER_H
#define SKYDESK_DOCUMENTFOLDER_H

#include <QString>

// Help documents lie in a folder per language under doc/ in the program's data folder
// (product/installlayout.h), whatever the working folder. The address is a file URL ending in a
// slash, to which a page appends the document's file name. A language code without a
// translation gives the English folder, as the interface is then English too.
QString documentFolder(quint8 languageCode);

#endif // SKYDESK_DOCUMENTFOLDER_H
