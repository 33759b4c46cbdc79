#ifndef SKYDESK_DIAGRAMCAPTIONS_H
#define SKYDESK_DIAGRAMCAPTIONS_H

#include <QCoreApplication>

class QLabel;

// The translated captions of the advanced settings page's pictures, which carry no lettering of
// their own: LOW, IDLE and HIGH on the motor idle speed gauge, and the numbered steps of the two
// go-home diagrams. Each goes where its drawing leaves room for it (the SVG sources name the
// spots).
class DiagramCaptions
{
    Q_DECLARE_TR_FUNCTIONS(DiagramCaptions)

public:
    // Lays LOW, IDLE and HIGH over the motor idle speed picture.
    static void captionGauge(QLabel *gauge);
    // Lays the steps of the hover or the altitude go-home diagram over its picture, replacing
    // those of the other one.
    static void captionGoHome(QLabel *diagram, bool altitudeVariant);
};

#endif // SKYDESK_DIAGRAMCAPTIONS_H
