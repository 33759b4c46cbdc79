#include "elidinglabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QTextLayout>

ElidingLabel::ElidingLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QString ElidingLabel::elided(const QString &text, const QFont &font, int width, int maxLines)
{
    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    if (maxLines <= 1 || width <= 0)
        return metrics.elidedText(text, Qt::ElideRight, qMax(0, width));
    // Whole words per line; the last line that fits takes the rest, elided.
    QTextLayout layout(text);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.setFont(font);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (lines.size() == maxLines - 1) {
            lines << metrics.elidedText(text.mid(line.textStart()).simplified(), Qt::ElideRight,
                                        width);
            break;
        }
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines.join(QLatin1Char('\n'));
}

void ElidingLabel::setFullText(const QString &text)
{
    m_fullText = text;
    m_fixedToolTip.clear();
    updateGeometry();
    refresh();
}

void ElidingLabel::setFixedToolTip(const QString &tip)
{
    m_fixedToolTip = tip;
    refresh();
}

QSize ElidingLabel::minimumSizeHint() const
{
    return QSize(0, QLabel::minimumSizeHint().height());
}

QSize ElidingLabel::sizeHint() const
{
    const QMargins margins = contentsMargins();
    return QSize(fontMetrics().horizontalAdvance(m_fullText) + margins.left() + margins.right() +
                     2 * margin(),
                 QLabel::sizeHint().height());
}

void ElidingLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    refresh();
}

void ElidingLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        refresh();
}

int ElidingLabel::linesThatFit() const
{
    return qMax(1, (contentsRect().height() - 2 * margin()) / fontMetrics().lineSpacing());
}

void ElidingLabel::refresh()
{
    const QString shown =
        elided(m_fullText, font(), contentsRect().width() - 2 * margin(), linesThatFit());
    if (shown != text())
        setText(shown);
    // Wrapped whole, the text only gained line breaks.
    QString unwrapped = shown;
    unwrapped.replace(QLatin1Char('\n'), QLatin1Char(' '));
    m_elided = unwrapped.simplified() != m_fullText.simplified();
    if (!m_fixedToolTip.isEmpty())
        setToolTip(m_fixedToolTip);
    else
        setToolTip(m_elided ? m_fullText : QString());
}
