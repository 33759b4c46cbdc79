#include "titlewidget.h"

#include "skydesk/common/stylesheet.h"
#include "sysbutton.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QWindow>

titleWidget::titleWidget(QWidget *parent)
    : QWidget(parent),
      m_menuButton(new sysButton(QStringLiteral("title_bar_menu.png"), tr("Language"), this)),
      m_minButton(new sysButton(QStringLiteral("sys_button_min.png"), tr("Min"), this)),
      m_closeButton(new sysButton(QStringLiteral("sys_button_close.png"), tr("Close"), this)),
      m_feedbackButton(
          new sysButton(QStringLiteral("title_bar_feedback.png"), tr("Feedback"), this)),
      m_titleLabel(new QLabel(tr("  KESTO Tarvel 2 Assistant  "), this)),
      m_languageLabel(new QLabel(tr("Language"), this)),
      m_systemMove([](QWindow *window) { return window->startSystemMove(); })
{
    setStyleSheet(StyleSheet::chrome());
    m_titleLabel->setObjectName(QStringLiteral("labelTitle"));
    m_minButton->setAccessibleName(tr("Minimise")); // its tool tip says only "Min"
    m_menuButton->setObjectName(QStringLiteral("pushButtonLanguage"));
    m_feedbackButton->setObjectName(QStringLiteral("pushButtonFeedback"));
    m_minButton->setObjectName(QStringLiteral("pushButtonMinimise"));
    m_closeButton->setObjectName(QStringLiteral("pushButtonClose"));
    // Tab goes through the buttons as they stand, left to right.
    setTabOrder(m_menuButton, m_feedbackButton);
    setTabOrder(m_feedbackButton, m_minButton);
    setTabOrder(m_minButton, m_closeButton);
    m_titleLabel->setFixedHeight(20);
    m_titleLabel->setFont(QFont(QStringLiteral("Arial"), -1, QFont::Bold));

    QPalette white = m_languageLabel->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    m_languageLabel->setPalette(white);
    m_languageLabel->setFont(QFont(QStringLiteral("Arial"), -1, QFont::Normal));

    connect(m_menuButton, &QPushButton::clicked, this, &titleWidget::showMenu);
    connect(m_feedbackButton, &QPushButton::clicked, this, &titleWidget::showFeedback);
    connect(m_minButton, &QPushButton::clicked, this, &titleWidget::showMin);
    // Closing the window ends the program; the window may first ask (a flash running).
    connect(m_closeButton, &QPushButton::clicked, this, [this] { window()->close(); });

    auto *titleRow = new QHBoxLayout;
    titleRow->setContentsMargins(5, 0, 0, 0);
    titleRow->addSpacing(2);
    titleRow->addWidget(m_titleLabel, 0, Qt::AlignVCenter);

    auto *row = new QHBoxLayout(this);
    row->setSpacing(0);
    row->setContentsMargins(0, 0, 0, 0);
    row->addLayout(titleRow);
    row->addStretch();
    row->addWidget(m_languageLabel);
    row->addWidget(m_menuButton);
    row->addWidget(m_feedbackButton);
    row->addWidget(m_minButton);
    row->addWidget(m_closeButton);
    setFixedHeight(25);
}

bool titleWidget::leftOfButtons(int x) const
{
    return x + kButtonZoneWidth <= width() - 1;
}

void titleWidget::mousePressEvent(QMouseEvent *event)
{
    if (!leftOfButtons(event->pos().x()))
        return;
    m_pressPosition = event->pos();
    m_dragging = true;
    m_movesItself = false;
}

// The first move of a drag goes to the window system, which then moves the window until the
// button is released; where it refuses (some X11 window managers, offscreen) the bar moves the
// window by the pointer's way.
void titleWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton) || !m_dragging)
        return;
    QWidget *window = parentWidget() ? parentWidget() : this;
    if (!m_movesItself) {
        QWindow *handle = window->window()->windowHandle();
        if (handle && m_systemMove && m_systemMove(handle)) {
            m_dragging = false; // the release goes to the window system
            return;
        }
        m_movesItself = true;
    }
    window->move(window->pos() + (event->pos() - m_pressPosition));
}

void titleWidget::mouseReleaseEvent(QMouseEvent *)
{
    m_dragging = false;
    m_movesItself = false;
}

void titleWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (leftOfButtons(event->pos().x()))
        emit showMax();
}

void titleWidget::setDocumentTitle(const QString &document)
{
    const QString program = tr("  KESTO Tarvel 2 Assistant  ").trimmed();
    m_titleLabel->setText(QStringLiteral("  %1  ").arg(
        document.isEmpty() ? program : tr("%1 - %2").arg(program, document)));
}

QString titleWidget::titleText() const
{
    return m_titleLabel->text().trimmed();
}
