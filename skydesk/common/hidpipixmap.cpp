#include "hidpipixmap.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QImageReader>
#include <QMutex>
#include <QThreadPool>
#include <QWaitCondition>

namespace {

// Pictures decoded ahead on the thread pool, by the path they were asked for under.
struct PreloadedPictures
{
    struct Entry
    {
        QString file; // the file read for the path: the path itself or its "@2x" picture
        QImage image;
        bool decoded = false;
    };
    QMutex mutex;
    QWaitCondition decoded;
    QHash<QString, Entry> entries;
};

Q_GLOBAL_STATIC(PreloadedPictures, preloaded)

qreal screenRatio(qreal ratio)
{
    return ratio > 0 ? ratio : qApp->devicePixelRatio();
}

// The file to read for a path on a screen of that ratio: the "@2x" picture where the screen
// scales and there is one (Qt reads such a file as a picture for a pixel ratio of two).
QString fileFor(const QString &path, qreal ratio)
{
    if (ratio > 1.0) {
        const int dot = path.lastIndexOf(QLatin1Char('.'));
        const QString doubled = path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
        if (QFile::exists(doubled))
            return doubled;
    }
    return path;
}

// The picture decoded ahead for path, waiting for it if it is still being decoded; a null image
// when none was, or when it was read from another file than the one wanted now.
QImage takePreloaded(const QString &path, const QString &file)
{
    PreloadedPictures *store = preloaded();
    QMutexLocker locker(&store->mutex);
    auto entry = store->entries.find(path);
    while (entry != store->entries.end() && !entry->decoded) {
        store->decoded.wait(&store->mutex);
        entry = store->entries.find(path);
    }
    if (entry == store->entries.end())
        return QImage();
    const PreloadedPictures::Entry taken = store->entries.take(path);
    return taken.file == file ? taken.image : QImage();
}

} // namespace

QPixmap HiDpiPixmap::load(const QString &path, qreal ratio)
{
    const QString file = fileFor(path, screenRatio(ratio));
    const QImage image = takePreloaded(path, file);
    if (!image.isNull())
        return QPixmap::fromImage(image);
    return QPixmap(file);
}

QPixmap HiDpiPixmap::loadScaled(const QString &path, qreal scale)
{
    if (scale == 1.0)
        return load(path);
    QPixmap pixmap = load(path, screenRatio(0) * scale);
    pixmap.setDevicePixelRatio(pixmap.devicePixelRatio() / scale);
    return pixmap;
}

void HiDpiPixmap::preload(const QStringList &paths)
{
    const qreal ratio = screenRatio(0);
    PreloadedPictures *store = preloaded();
    for (const QString &path : paths) {
        const QString file = fileFor(path, ratio);
        {
            QMutexLocker locker(&store->mutex);
            if (store->entries.contains(path))
                continue;
            store->entries.insert(path, PreloadedPictures::Entry{file, QImage(), false});
        }
        QThreadPool::globalInstance()->start([store, path, file] {
            QImage image = QImageReader(file).read();
            // In the form the screen's pixmaps take, so that making the pixmap copies nothing.
            if (image.hasAlphaChannel())
                image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QMutexLocker locker(&store->mutex);
            PreloadedPictures::Entry &entry = store->entries[path];
            entry.image = image;
            entry.decoded = true;
            store->decoded.wakeAll();
        });
    }
}

QSize HiDpiPixmap::logicalSize(const QPixmap &pixmap)
{
    return (QSizeF(pixmap.size()) / pixmap.devicePixelRatio()).toSize();
}
