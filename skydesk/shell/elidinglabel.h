#ifndef SKYDESK_ELIDINGLABEL_H
#define SKYDESK_ELIDINGLABEL_H

#include <QLabel>
#include <QString>

class QFont;

// A plain-text label that never cuts its text at its edge: a text wider than the label wraps
// at word boundaries onto as many lines as the label's height holds; what still does not fit is
// elided at the end ("...") and the whole text is the tool tip, as long as the text is cut. The
// label can shrink below its text's width, so a long notice gives way to its neighbours.
class ElidingLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ElidingLabel(QWidget *parent = nullptr);

    // The rule: text as it is shown in width pixels on at most maxLines lines (whole when it
    // fits), the lines joined by line breaks.
    static QString elided(const QString &text, const QFont &font, int width, int maxLines = 1);

    void setFullText(const QString &text);
    // A tool tip kept whether or not the text is cut, until the next text.
    void setFixedToolTip(const QString &tip);
    QString fullText() const { return m_fullText; }
    bool isElided() const { return m_elided; }

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void refresh();

    int linesThatFit() const;

    QString m_fullText;
    QString m_fixedToolTip;
    bool m_elided = false;
};

#endif // SKYDESK_ELIDINGLABEL_H
