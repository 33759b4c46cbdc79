#ifndef SKYDESK_TITLEWIDGET_H
#define SKYDESK_TITLEWIDGET_H

#include <QPoint>
#include <QWidget>

#include <functional>

class QLabel;
class QWindow;
class sysButton;

// The title bar of the frameless main window: the product name, the language menu, feedback,
// minimise and close buttons. Dragging it anywhere left of the buttons moves the window: the
// window system moves it where it can (the only way under Wayland), else the bar does.
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

    // Hands a drag to the window system; false where it cannot take it. QWindow::startSystemMove
    // unless replaced.
    using SystemMove = std::function<bool(QWindow *)>;
    void setSystemMove(SystemMove systemMove) { m_systemMove = std::move(systemMove); }

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
    // Whether the window system refused this drag, so the bar moves the window itself.
    bool m_movesItself = false;
    sysButton *m_menuButton;
    sysButton *m_minButton;
    sysButton *m_closeButton;
    sysButton *m_feedbackButton;
    QLabel *m_titleLabel;
    QLabel *m_languageLabel;
    SystemMove m_systemMove;
};

#endif // SKYDESK_TITLEWIDGET_H
