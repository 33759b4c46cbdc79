#ifndef FCTOOL_CSVOUTPUT_H
#define FCTOOL_CSVOUTPUT_H

#include <QByteArray>
#include <QString>

#include <cstdio>

// Where telemetry --csv writes: a file, or standard output for "-". Every row is written and
// flushed whole as it comes; when one cannot be (a full disk), a file is cut back to the rows
// before it, so whatever ends the run it holds whole rows only, and the message names the file
// and the system's reason.
class CsvOutput
{
public:
    explicit CsvOutput(const QString &name);
    ~CsvOutput();
    CsvOutput(const CsvOutput &) = delete;
    CsvOutput &operator=(const CsvOutput &) = delete;

    // False with the message printed when the file cannot be created.
    bool open();
    // Writes one row (or the header) whole; false otherwise, with the message printed for a
    // file (for standard output the end of the run prints it).
    bool write(const QByteArray &row);

private:
    bool toStandardOutput() const { return m_name == QLatin1String("-"); }
    QString shownName() const;
    void reportFailure(int error) const;

    QString m_name;
    std::FILE *m_file = nullptr;
    long m_wholeRows = 0; // bytes of the rows written whole so far
};

#endif // FCTOOL_CSVOUTPUT_H
