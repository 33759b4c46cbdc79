#include "clickedlabel.h"

ClickedLabel::ClickedLabel(QWidget *parent) : QLabel(parent)
{
    QPalette linkPalette = palette();
    linkPalette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(linkPalette);
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
