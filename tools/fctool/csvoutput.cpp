#include "csvoutput.h"

#include "console.h"

#include <QFile>

#include <cerrno>
#include <cstring>

CsvOutput::CsvOutput(const QString &name) : m_name(name) {}

CsvOutput::~CsvOutput()
{
    if (m_file && !toStandardOutput())
        std::fclose(m_file);
}

QString CsvOutput::shownName() const
{
    return toStandardOutput() ? QStringLiteral("standard output") : m_name;
}

void CsvOutput::reportFailure(int error) const
{
    printError(QStringLiteral("%1: cannot be written: %2")
                   .arg(shownName(), QString::fromLocal8Bit(std::strerror(error ? error : EIO))));
}

bool CsvOutput::open()
{
    if (toStandardOutput()) {
        m_file = stdout;
        return true;
    }
    errno = 0;
    m_file = std::fopen(QFile::encodeName(m_name).constData(), "wb");
    if (!m_file) {
        reportFailure(errno);
        return false;
    }
    return true;
}

bool CsvOutput::write(const QByteArray &row)
{
    if (toStandardOutput())
        return printBytes(row); // the end of the run says what became of standard output
    errno = 0;
    const bool written = std::fwrite(row.constData(), 1, static_cast<std::size_t>(row.size()),
                                     m_file) == static_cast<std::size_t>(row.size()) &&
                         std::fflush(m_file) == 0;
    if (written) {
        m_wholeRows += row.size();
        return true;
    }
    const int error = errno;
    // What reached the disk of the row is taken off again: the file ends with a whole row.
    std::fclose(m_file);
    m_file = nullptr;
    QFile::resize(m_name, m_wholeRows);
    reportFailure(error);
    return false;
}
