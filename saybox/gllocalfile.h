#ifndef GLLOCALFILE_H
#define GLLOCALFILE_H

#include <QByteArray>
#include <QString>

#include <memory>

class QFile;

// A local file opened for reading only when it is a regular file, and without ever waiting:
// opening a FIFO would wait for a writer, and a device may never end. The kind is checked on
// the opened file itself, so that a path swapped for something else in between is caught too.
class GLLocalFile
{
public:
    enum Status
    {
        Open,
        Missing,
        NotRegular, // a folder, a device, a FIFO or a socket
        Unreadable
    };

    explicit GLLocalFile(const QString &path);
    ~GLLocalFile();
    GLLocalFile(const GLLocalFile &) = delete;
    GLLocalFile &operator=(const GLLocalFile &) = delete;

    Status status() const { return openStatus; }
    bool isOpen() const { return openStatus == Open; }
    // The size when it was opened, and now.
    qint64 size() const { return openedSize; }
    qint64 currentSize() const;

    // Up to max bytes from offset; 0 at the end of the file, -1 on a read error.
    qint64 read(qint64 offset, char *buffer, qint64 max);
    // The whole file if it holds at most limit bytes, else an empty array.
    QByteArray readAll(qint64 limit);

private:
    Status openStatus = Missing;
    qint64 openedSize = 0;
#ifdef Q_OS_UNIX
    int fd = -1;
#else
    std::unique_ptr<QFile> file;
#endif
};

#endif // GLLOCALFILE_H
