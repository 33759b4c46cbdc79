#ifndef ARTGEN_FEEDBACKICONPAINTER_H
#define ARTGEN_FEEDBACKICONPAINTER_H

#include <QImage>

class QPainter;
class QPointF;

// The small pictures of the feedback program, which sits on a light grey panel: the icons of its
// three push buttons (24 x 24: add files, add pictures, submit), the remove button of a listed
// attachment (16 x 16, grey, red under the mouse) and the window icon (64 x 64, a speech
// bubble). They use the assistant's teal accent with dark slate outlines that read on light
// ground.
class FeedbackIconPainter
{
public:
    static constexpr int buttonIconSize = 24;
    static constexpr int removeButtonSize = 16;
    static constexpr int windowIconSize = 64;

    static QImage addFiles();
    static QImage addPictures();
    static QImage submit();
    // Drawn as a style sheet border image, so it keeps working when stretched a little.
    static QImage removeButton(bool hovered);
    static QImage windowIcon();

private:
    // A teal disc with a white plus and a white ring that sets it off what lies beneath.
    static void paintPlusBadge(QPainter &painter, const QPointF &centre, qreal radius);
    static void paintBubbleDots(QPainter &painter, const QPointF &centre, qreal spacing,
                                qreal radius);
};

#endif // ARTGEN_FEEDBACKICONPAINTER_H
