#ifndef SKYDESK_ELIDINGLABEL_H
#define SKYDESK_ELIDINGLABEL_H

#include <QLabel>
#include <QString>

class QFontMetrics;

// A one-line plain-text label that never cuts its text at its edge: what does not fit is
// elided at the end ("...") and the whole text is the tool tip, as long as the text is cut. The
// label can shrink below its text's width, so a long notice gives way to its neighbours.
class ElidingLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ElidingLabel(QWidget *parent = nullptr);

    // The rule: text as it is shown in width pixels (whole when it fits).
    static QString elided(const QString &text, const QFontMetrics &metrics, int width);

    void setFullText(const QString &text);
    QString fullText() const { return m_fullText; }
    bool isElided() const { return text() != m_fullText; }

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void refresh();

    QString m_fullText;
};

#endif // SKYDESK_ELIDINGLABEL_H
