#include "testfolders.h"

#include <QDir>
#include <QFile>

void useTestFolders(const QString &root)
{
    const QDir folder(root);
    const QString runtime = folder.filePath(QStringLiteral("runtime"));
    folder.mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
    qputenv("XDG_CACHE_HOME", folder.filePath(QStringLiteral("cache")).toUtf8());
    qputenv("XDG_DATA_HOME", folder.filePath(QStringLiteral("data")).toUtf8());
}
