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
// stamps and the resource compiler does not run again for nothing. Before painting anything it
// makes sure the system's fonts can draw every language's lettering, so that a missing font
// stops the build instead of leaving empty boxes in a picture.
class ArtGenerator
{
public:
    explicit ArtGenerator(const QString &version);

    // Every path this generator writes, in catalogue order.
    QStringList fileNames() const;

    // Writes every picture under outputDir; on failure (a font that cannot draw some lettering
    // included) returns false with a message.
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
    // Run before painting; each returns false with a message when a picture cannot be made.
    QVector<std::function<bool(QString *)>> m_checks;
};

#endif // ARTGEN_ARTGENERATOR_H
