#ifndef ARTGEN_ARTGENERATOR_H
#define ARTGEN_ARTGENERATOR_H

#include <QImage>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

// The catalogue of the main program's compiled-in pictures: for each file its path under the
// output folder (the same path the resource system gives it), its size and how it is painted.
// Writes them all, each only when its bytes changed, so that unchanged pictures keep their time
// stamps and the resource compiler does not run again for nothing.
class ArtGenerator
{
public:
    explicit ArtGenerator(const QString &version);

    // Every path this generator writes, in catalogue order.
    QStringList fileNames() const;

    // Writes every picture under outputDir; on failure returns false with a message.
    bool writeAll(const QString &outputDir, QString *error) const;

private:
    struct Picture
    {
        QString path;
        QSize size;
        std::function<QImage()> paint;
    };
    struct Icon
    {
        QString path;
        QVector<int> sizes;
        std::function<QImage(int)> paint;
    };

    QVector<Picture> m_pictures;
    QVector<Icon> m_icons;
};

#endif // ARTGEN_ARTGENERATOR_H
