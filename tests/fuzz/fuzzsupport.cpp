#include "fuzzsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

void fuzzFailed(const char *condition, const char *file, int line)
{
    std::fprintf(stderr, "%s:%d: does not hold: %s\n", file, line, condition);
    std::fflush(stderr);
    std::abort();
}

namespace {

// In memory where the system offers it: the targets that read files write one or more for every
// input, and a disk (with the syncs of safe saves) would set the pace.
QString scratchParent()
{
    const QFileInfo memory(QStringLiteral("/dev/shm"));
    return memory.isDir() && memory.isWritable() ? memory.filePath() : QDir::tempPath();
}

} // namespace

QString fuzzScratchFolder()
{
    static QTemporaryDir folder(scratchParent() + QStringLiteral("/kesto-fuzz-XXXXXX"));
    if (!folder.isValid())
        fuzzFailed("the scratch folder can be made", __FILE__, __LINE__);
    return folder.path();
}

void writeScratchFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fuzzFailed("the scratch file can be written", __FILE__, __LINE__);
}

namespace {

void dropUnlessSevere(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

void silenceQtMessages()
{
    static const bool installed = [] {
        qInstallMessageHandler(dropUnlessSevere);
        return true;
    }();
    Q_UNUSED(installed);
}
