#include "documentfolder.h"

#include "product/installlayout.h"

#include <QUrl>

QString documentFolder(quint8 languageCode)
{
    static const char *const folders[] = {"/doc/en_US/", "/doc/zh_CN/", "/doc/de_GE/"};
    // A code without a translation shows the English interface, and so the English help.
    const QString language = QLatin1String(folders[languageCode <= 2 ? languageCode : 0]);
    // QUrl::fromLocalFile gives file:///C:/... on Windows and file:///home/... elsewhere, a
    // valid address on both (joining "file:///" with a path that starts with "/" would not be).
    return QUrl::fromLocalFile(InstallLayout::dataFolder() + language).toString();
}
