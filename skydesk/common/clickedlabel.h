#ifndef SKYDESK_CLICKEDLABEL_H
#define SKYDESK_CLICKEDLABEL_H

#include "skydesk/common/qtversion.h"

#include <QLabel>

// A blue text label that reads like a link: underlined while the pointer is over it, and
// clicked() when a mouse button is released on it, or when Space or Enter is pressed while it
// has the keyboard focus.
class ClickedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ClickedLabel(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void enterEvent(WidgetEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_savedText;
};

#endif // SKYDESK_CLICKEDLABEL_H
