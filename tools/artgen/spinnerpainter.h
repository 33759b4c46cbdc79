#ifndef ARTGEN_SPINNERPAINTER_H
#define ARTGEN_SPINNERPAINTER_H

#include <QColor>
#include <QImage>

// The frames of the feedback program's busy spinner: twelve dots on a ring, the leading one in
// deep teal and the ones behind it fading to grey and shrinking; each frame moves the lead one
// place clockwise. The spinner sits on the program's light grey panel, which is the matte its
// soft edges are laid on when the frames become a GIF.
class SpinnerPainter
{
public:
    static constexpr int size = 48;
    static constexpr int frameCount = 12;
    static constexpr int frameDelayMs = 80;

    static QColor matte();
    static QImage frame(int index);
};

#endif // ARTGEN_SPINNERPAINTER_H
