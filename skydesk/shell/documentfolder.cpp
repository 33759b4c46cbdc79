#include "documentfolder.h"

#include <QDir>
#include <QUrl>

QString documentFolder(quint8 languageCode)
{
    static const char *const folders[] = {"/doc/en_US/", "/doc/zh_CN/", "/doc/de_GE/"};
    const QString language =
        languageCode <= 2 ? QLatin1String(folders[languageCode]) : QStringLiteral("/doc/");
    // QUrl::fromLocalFile gives file:///C:/... on Windows and file:///home/... elsewhere, a
    // valid address on both (joining "file:///" with a path that starts with "/" would not be).
    return QUrl::fromLocalFile(QDir::currentPath() + language).toString();
}
