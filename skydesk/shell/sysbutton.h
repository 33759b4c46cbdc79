#ifndef SKYDESK_SYSBUTTON_H
#define SKYDESK_SYSBUTTON_H

#include "skydesk/common/qtversion.h"

#include <QPixmap>
#include <QPushButton>

// A title-bar button drawn from a sprite: a horizontal strip of four equal frames, of which the
// first three show the normal, hovered and pressed states. A release emits clicked() wherever
// the pointer is at that moment.
class sysButton : public QPushButton
{
    Q_OBJECT

public:
    enum State
    {
        Normal = 0,
        Hovered = 1,
        Pressed = 2
    };

    sysButton(const QString &pictureName, const QString &toolTip, QWidget *parent = nullptr);

    int state() const { return m_state; }

protected:
    void enterEvent(WidgetEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void setState(State state);

    int m_state = Normal;
    QPixmap m_sprite;
    int m_frameWidth = 0;
    int m_frameHeight = 0;
};

#endif // SKYDESK_SYSBUTTON_H
