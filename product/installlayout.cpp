#include "installlayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString InstallLayout::dataFolder()
{
    return dataFolderFor(QCoreApplication::applicationDirPath());
}

QString InstallLayout::dataFolderFor(const QString &programFolder)
{
    // KESTO_DATA_FROM_BINDIR is the data folder seen from the programs' folder in the install
    // layout ("../share/kesto-tarvel2-assistant"); the build writes it from GNUInstallDirs.
    const QString installed =
        QDir::cleanPath(programFolder + QLatin1Char('/') + QLatin1String(KESTO_DATA_FROM_BINDIR));
    if (QFileInfo(installed).isDir())
        return installed;
    return programFolder;
}

QString InstallLayout::siblingProgram(const QString &baseName)
{
    return programIn(QCoreApplication::applicationDirPath(), baseName);
}

QString InstallLayout::programIn(const QString &folder, const QString &baseName)
{
    if (folder.isEmpty())
        return QString();
#ifdef Q_OS_WIN
    const QString name = baseName + QStringLiteral(".exe");
#else
    const QString name = baseName;
#endif
    const QFileInfo candidate(QDir(folder).filePath(name));
    if (!candidate.isFile() || !candidate.isExecutable())
        return QString();
    return candidate.absoluteFilePath();
}
