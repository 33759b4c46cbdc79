#include "clickedlabel.h"

#include <QKeyEvent>

ClickedLabel::ClickedLabel(QWidget *parent) : QLabel(parent)
{
    QPalette linkPalette = palette();
    linkPalette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(linkPalette);
    // A keyboard user reaches it with Tab and clicks it with Space or Enter.
    setFocusPolicy(Qt::StrongFocus);
}

void ClickedLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            emit clicked();
        event->accept();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void ClickedLabel::enterEvent(WidgetEnterEvent *)
{
    m_savedText = text();
    setText(QStringLiteral("<u>") + m_savedText + QStringLiteral("</u>"));
}

void ClickedLabel::leaveEvent(QEvent *)
{
    setText(m_savedText);
}

void ClickedLabel::mouseReleaseEvent(QMouseEvent *)
{
    emit clicked();
}
