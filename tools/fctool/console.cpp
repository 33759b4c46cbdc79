#include "console.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// The reason the first write to standard output failed, or empty while all went well.
QString &outputFailure()
{
    static QString failure;
    return failure;
}

bool noteOutput(bool written)
{
    if (!written && outputFailure().isEmpty())
        outputFailure() = QString::fromLocal8Bit(std::strerror(errno ? errno : EIO));
    return written;
}

} // namespace

bool printBytes(const QByteArray &bytes)
{
    errno = 0;
    const bool written = std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()),
                                     stdout) == static_cast<std::size_t>(bytes.size()) &&
                         std::fflush(stdout) == 0;
    return noteOutput(written);
}

bool printLine(const QString &line)
{
    return printBytes(line.toLocal8Bit() + '\n');
}

void printError(const QString &message)
{
    const QByteArray text = QByteArrayLiteral("fctool: ") + message.toLocal8Bit() + '\n';
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stderr);
    std::fflush(stderr);
}

bool standardOutputWritten(QString *why)
{
    if (why)
        *why = outputFailure();
    return outputFailure().isEmpty();
}

bool finishStandardOutput()
{
    errno = 0;
    noteOutput(std::fflush(stdout) == 0 && !std::ferror(stdout));
    QString why;
    if (standardOutputWritten(&why))
        return true;
    printError(QStringLiteral("cannot write to standard output: %1").arg(why));
    return false;
}
