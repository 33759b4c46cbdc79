#ifndef SKYDESK_CAPTIONLABEL_H
#define SKYDESK_CAPTIONLABEL_H

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QWidget>

// A caption laid over a picture, as a child of the picture's label: bold lettering in one
// colour, optionally led by a numbered teal badge (a step of a diagram) and lifted off a dark
// picture by a soft shadow. It sizes itself to its text, shrinking the lettering to fit when a
// translation runs long, and lets the mouse through to what lies beneath.
class CaptionLabel : public QWidget
{
    Q_OBJECT

public:
    CaptionLabel(const QString &text, QWidget *picture);

    QString text() const { return m_text; }
    int step() const { return m_step; }
    int pixelSize() const { return m_pixelSize; }

    // The number badge before the text; 0 shows none.
    void setStep(int step) { m_step = step; }
    void setColour(const QColor &colour) { m_colour = colour; }
    void setShadow(bool shadow) { m_shadow = shadow; }
    // Lettering size and spacing; Chinese lettering is drawn two pixels larger to stay legible.
    void setLettering(int pixelSize, qreal letterSpacing = 0);

    // Sizes the caption and places it on anchor (in the picture's coordinates): centred on it,
    // or starting (Qt::AlignLeft) or ending (Qt::AlignRight) there, centred vertically. The
    // lettering shrinks (down to 9 pixels) to keep the caption within maxWidth, and the caption
    // is moved to stay within bounds.
    void place(const QPointF &anchor, Qt::Alignment alignment, qreal maxWidth,
               const QRectF &bounds);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QFont letteringFont(int pixelSize) const;
    qreal contentWidth(const QFont &font) const;

    QString m_text;
    int m_step = 0;
    QColor m_colour = Qt::white;
    bool m_shadow = false;
    int m_pixelSize = 11;
    qreal m_letterSpacing = 0;
};

#endif // SKYDESK_CAPTIONLABEL_H
