#ifndef GLATTACHMENT_H
#define GLATTACHMENT_H

#include <QByteArray>
#include <QSize>
#include <QString>

// What a path chosen for the feedback is, found from the file system's records alone: nothing
// here opens the file, so a FIFO or a device can never hold up the window. Only regular files
// (or symbolic links to them) can be attached.
class GLAttachment
{
public:
    enum Kind
    {
        Missing,
        RegularFile,
        Folder,
        Special, // a device, a FIFO or a socket
        Unreadable
    };

    // Pictures decode to four bytes a pixel: beyond this a thumbnail costs too much.
    static constexpr qint64 MaxPicturePixels = 16 * 1024 * 1024;

    static GLAttachment inspect(const QString &path);

    QString path;
    Kind kind = Missing;
    qint64 size = 0;
    // Where a symbolic link leads (the file that is sent), or "" for a file of its own.
    QString linkTarget;

    bool isAttachable() const { return kind == RegularFile; }
    QString fileName() const;
    // The row's text before the size: the name, and for a link the target it sends.
    QString displayName() const;

    // The name, and for a link its whole target, as a tool tip that shows them as they are.
    QString toolTip() const;

    // The name with control characters replaced by "_", as in the remote name, so that a
    // newline or a tab never splits or shifts a row.
    static QString printable(const QString &name);
    // A tool tip showing text as it is, even when it looks like markup.
    static QString plainToolTip(const QString &text);

    // "2.30 MB", "1.50 KB", "300 B".
    static QString byteText(qint64 bytes);

    // The picture's size from its header (the picture is not decoded), or an invalid size when
    // the bytes are no picture that can be read.
    static QSize pictureSize(const QByteArray &bytes);
    static bool isTooLargeAPicture(const QSize &pixels);
};

#endif // GLATTACHMENT_H
