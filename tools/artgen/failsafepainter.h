#ifndef ARTGEN_FAILSAFEPAINTER_H
#define ARTGEN_FAILSAFEPAINTER_H

#include <QFont>
#include <QImage>
#include <QString>

class QPainter;
class QPointF;

// The two fail-safe diagrams of the advanced settings page (360 x 200), one per interface
// language: what the aircraft does when it loses the transmitter's signal. Hover: it stays where
// it is. Altitude go-home: it climbs to the go-home altitude, flies back over the home point
// (the "H" pad) and lands. The diagrams number the steps and name them in the language.
class FailsafePainter
{
public:
    enum class Language
    {
        English,
        Chinese,
        German
    };

    // The file name suffix of each language: en, zh, ge.
    static QString suffix(Language language);

    static QImage hover(Language language);
    static QImage altitudeGoHome(Language language);

    // Whether the system has a font that draws every caption of the language with glyphs of
    // its own; otherwise false with a message naming what is missing.
    static bool checkLettering(Language language, QString *error);

private:
    struct Captions
    {
        QString signalLost;
        QString hoverInPlace;
        QString climb;
        QString returnHome;
        QString land;
    };

    static Captions captions(Language language);
    static QFont captionFont(Language language);

    static QImage scene();
    static void paintCraft(QPainter &painter, const QPointF &centre, qreal opacity);
    static void paintTransmitter(QPainter &painter, const QPointF &centre);
    static void paintSignalLost(QPainter &painter, const QPointF &centre);
    static void paintHomePad(QPainter &painter, const QPointF &centre);
    // A step: its number badge and caption, centred vertically on anchor.y(); the pair is
    // centred on anchor.x(), or starts or ends there for Qt::AlignLeft or Qt::AlignRight.
    static void paintStep(QPainter &painter, const QPointF &anchor, Qt::Alignment alignment,
                          int step, const QString &caption, const QFont &font, qreal maxWidth);
};

#endif // ARTGEN_FAILSAFEPAINTER_H
