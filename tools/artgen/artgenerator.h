#ifndef ARTGEN_ARTGENERATOR_H
#define ARTGEN_ARTGENERATOR_H

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

// A catalogue of compiled-in pictures, the main program's (Skydesk) or the feedback program's
// (Saybox): for each file its path under the output folder (the same path the resource system
// gives it), its size and how it is painted. Writes them all (PNG, ICO or animated GIF), each only
// when its bytes changed, so that unchanged pictures keep their time stamps and the resource
// compiler does not run again for nothing. Before painting anything it makes sure the system's
// fonts can draw every language's lettering, so that a missing font stops the build instead of
// leaving empty boxes in a picture.
class ArtGenerator
{
public:
    enum class Catalogue
    {
        Skydesk,
        Saybox
    };

    // version is shown on the main program's splash picture.
    ArtGenerator(Catalogue catalogue, const QString &version);

    // Every path this generator writes, in catalogue order.
    QStringList fileNames() const;

    // Writes every picture under outputDir; on failure (a font that cannot draw some lettering
    // included) returns false with a message.
    bool writeAll(const QString &outputDir, QString *error) const;

private:
    void addSkydeskPictures(const QString &version);
    void addSayboxPictures();
    bool writePictures(const QString &outputDir, QString *error) const;
    bool writeIcons(const QString &outputDir, QString *error) const;
    bool writeAnimations(const QString &outputDir, QString *error) const;

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
    // Frames shown in turn, looping forever; soft edges are laid on matte.
    struct Animation
    {
        QString path;
        QSize size;
        int frameCount;
        int frameDelayMs;
        QColor matte;
        std::function<QImage(int)> paintFrame;
    };

    QVector<Picture> m_pictures;
    QVector<Icon> m_icons;
    QVector<Animation> m_animations;
    // Run before painting; each returns false with a message when a picture cannot be made.
    QVector<std::function<bool(QString *)>> m_checks;
};

#endif // ARTGEN_ARTGENERATOR_H
