#ifndef SKYDESK_TITLEWIDGET_H
#define SKYDESK_TITLEWIDGET_H

#include <QPoint>
#include <QWidget>

class QLabel;
class sysButton;

// The title bar of the frameless main window: the product name, the language menu, feedback,
// minimise and close buttons. Dragging it anywhere left of the buttons moves the window.
class titleWidget : public QWidget
{
    Q_OBJECT

public:
    // The rightmost pixels that hold the buttons and never start a drag.
    static constexpr int kButtonZoneWidth = 170;

    explicit titleWidget(QWidget *parent = nullptr);

    bool isDragging() const { return m_dragging; }
    // What the window shows besides the program's name ("Offline: NAME"), or nothing.
    void setDocumentTitle(const QString &document);
    QString titleText() const;

signals:
    void showMin();
    void showMax();
    void showMenu();
    void showFeedback();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool leftOfButtons(int x) const;

    QPoint m_pressPosition;
    bool m_dragging = false;
    sysButton *m_menuButton;
    sysButton *m_minButton;
    sysButton *m_closeButton;
    sysButton *m_feedbackButton;
    QLabel *m_titleLabel;
    QLabel *m_languageLabel;
};

#endif // SKYDESK_TITLEWIDGET_H
