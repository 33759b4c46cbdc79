#ifndef ARTGEN_CONTROLPAINTER_H
#define ARTGEN_CONTROLPAINTER_H

#include <QImage>

// The small pictures the page style sheet puts into controls: drop-down and spin box arrows,
// check box and radio button indicators (16 x 16) and the slider handle (18 x 18). Checked
// indicators are teal with a white mark; hover rings them in teal; disabled ones turn grey.
class ControlPainter
{
public:
    enum class Look
    {
        Normal,
        Hovered,
        Pressed,
        Disabled
    };
    enum class Direction
    {
        Up,
        Down
    };

    static constexpr int indicatorSize = 16;
    static constexpr int handleSize = 18;

    // The combo box arrow (12 x 8).
    static QImage comboArrow(bool enabled);
    // The spin box arrows (9 x 6).
    static QImage spinArrow(Direction direction, bool enabled);

    static QImage checkBox(bool checked, Look look);
    static QImage radioButton(bool checked, Look look);
    static QImage sliderHandle(Look look);
};

#endif // ARTGEN_CONTROLPAINTER_H
