#include "glattachment.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QTextDocument>

GLAttachment GLAttachment::inspect(const QString &path)
{
    GLAttachment entry;
    entry.path = path;
    const QFileInfo info(path);
    if (info.isSymLink())
        entry.linkTarget = info.symLinkTarget();
    if (!info.exists())
        entry.kind = Missing;
    else if (info.isDir())
        entry.kind = Folder;
    else if (!info.isFile())
        entry.kind = Special;
    else if (!info.isReadable())
        entry.kind = Unreadable;
    else
        entry.kind = RegularFile;
    entry.size = entry.kind == RegularFile ? info.size() : 0;
    return entry;
}

QString GLAttachment::fileName() const
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString GLAttachment::displayName() const
{
    const QString name = printable(fileName());
    if (linkTarget.isEmpty())
        return name;
    return name + QStringLiteral(" \u2192 ") + printable(QFileInfo(linkTarget).fileName());
}

QString GLAttachment::toolTip() const
{
    const QString name = printable(fileName());
    return plainToolTip(linkTarget.isEmpty() ? name
                                             : name + QStringLiteral(" \u2192 ") + linkTarget);
}

QString GLAttachment::printable(const QString &name)
{
    QString shown = name;
    for (QChar &c : shown) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    }
    return shown;
}

QString GLAttachment::plainToolTip(const QString &text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    return QStringLiteral("<p style=\"white-space:pre\">") + text.toHtmlEscaped() +
           QStringLiteral("</p>");
}

QString GLAttachment::byteText(qint64 bytes)
{
    if (bytes >= 1048576)
        return QStringLiteral("%1 MB").arg(double(bytes) / 1048576.0, 0, 'f', 2);
    if (bytes >= 1024)
        return QStringLiteral("%1 KB").arg(double(bytes) / 1024.0, 0, 'f', 2);
    return QStringLiteral("%1 B").arg(bytes);
}

QSize GLAttachment::pictureSize(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead())
        return QSize();
    return reader.size();
}

bool GLAttachment::isTooLargeAPicture(const QSize &pixels)
{
    return qint64(pixels.width()) * pixels.height() > MaxPicturePixels;
}
