#ifndef TESTS_TESTFOLDERS_H
#define TESTS_TESTFOLDERS_H

// Points the per-user folders the programs use (runtime, cache, and the data location where the
// parameter backups and the configuration history go) into a test's own folder.
#include <QDir>
#include <QFile>

inline void useTestFolders(const QString &root)
{
    const QDir folder(root);
    folder.mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(folder.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", folder.filePath(QStringLiteral("runtime")).toUtf8());
    qputenv("XDG_CACHE_HOME", folder.filePath(QStringLiteral("cache")).toUtf8());
    qputenv("XDG_DATA_HOME", folder.filePath(QStringLiteral("data")).toUtf8());
}

#endif // TESTS_TESTFOLDERS_H
