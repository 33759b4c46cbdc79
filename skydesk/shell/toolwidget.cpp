#include "toolwidget.h"

#include "portselector.h"
#include "product/accessiblecombobox.h"
#include "skydesk/common/stylesheet.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVector>

#include <algorithm>

namespace {

// Small enough that an entry with its padding and the spacing above and below it fits the list's
// height.
constexpr int kPageListSpacing = 4;
// The bar as designed, and the page list in it.
constexpr int kBarHeight = 100;
constexpr int kPageListHeight = 90;
// What the Connect button keeps free beside its text, each side.
constexpr int kButtonEdge = 8;

} // namespace

toolWidget::toolWidget(QWidget *parent, bool withInternalPage)
    : QWidget(parent), m_connectButton(new QPushButton(tr("Connect"), this)),
      m_refreshButton(new QPushButton(this)), m_portSelector(new PortSelector(this)),
      m_pageList(new QListWidget(this))
{
    const QFont arial(QStringLiteral("Arial"));
    setFont(arial);
    setStyleSheet(StyleSheet::chrome());
    m_connectButton->setObjectName(QStringLiteral("pushButtonConnect"));
    m_refreshButton->setObjectName(QStringLiteral("pushButtonRefresh"));
    m_portSelector->setObjectName(QStringLiteral("comboBoxPort"));
    m_pageList->setObjectName(QStringLiteral("listWidgetPages"));
    buildPageList(withInternalPage);

    m_connectButton->setMinimumSize(60, 30);
    m_refreshButton->setFixedSize(24, 24);
    m_refreshButton->setIcon(QIcon(QStringLiteral(":/images/refresh.ico")));
    m_refreshButton->setToolTip(tr("Refresh the port list"));
    // The button shows only a picture; its tool tip says what it does.
    m_refreshButton->setAccessibleName(m_refreshButton->toolTip());
    AccessibleComboBox::install();
    m_portSelector->setAccessibleName(tr("Serial port"));
    m_portSelector->setMinimumSize(60, 20);
    m_portSelector->setFont(arial);
    m_connectButton->setFont(arial);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(5, 0, 5, 0);
    row->addWidget(m_pageList);
    // A window wider than designed (large fonts) keeps the port controls together at the right.
    row->addStretch(1);
    row->addWidget(m_portSelector);
    row->addWidget(m_refreshButton);
    row->addWidget(m_connectButton);
    keepConnectButtonWide();
    // Tab goes left to right: the port, its refresh, then Connect.
    setTabOrder(m_portSelector, m_refreshButton);
    setTabOrder(m_refreshButton, m_connectButton);

    connect(m_connectButton, &QPushButton::clicked, this, &toolWidget::connectPort);
    connect(m_refreshButton, &QPushButton::clicked, this, &toolWidget::refreshDevices);
}

// The page list takes no focus, so each page has Ctrl+1, Ctrl+2, ... of its own, said in its
// entry's tool tip and accessible description.
void toolWidget::addPageShortcut(int row)
{
    const QKeySequence keys(int(Qt::CTRL) | (Qt::Key_1 + row));
    auto *shortcut = new QShortcut(keys, this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, [this, row] { m_pageList->setCurrentRow(row); });
    QListWidgetItem *item = m_pageList->item(row);
    const QString hint =
        tr("%1 page (%2)").arg(item->text(), keys.toString(QKeySequence::NativeText));
    item->setToolTip(hint);
    item->setData(Qt::AccessibleDescriptionRole, hint);
}

QComboBox *toolWidget::portSelector() const
{
    return m_portSelector;
}

void toolWidget::buildPageList(bool withInternalPage)
{
    m_pageList->setViewMode(QListView::IconMode);
    m_pageList->setIconSize(QSize(50, 50));
    m_pageList->setMovement(QListView::Static);
    // The entries are laid out again whenever the list's size changes: a screen reader's bridge
    // asks where they lie while the list is still tiny, and a layout made then would stay, one
    // clipped entry per row.
    m_pageList->setResizeMode(QListView::Adjust);
    m_pageList->setMaximumWidth(600);
    m_pageList->setMaximumHeight(kPageListHeight);
    m_pageList->setSpacing(kPageListSpacing);
    m_pageList->setFocusPolicy(Qt::NoFocus);
    // The list is sized to show every entry; a scroll bar would only take room from them.
    m_pageList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pageList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    struct Entry
    {
        const char *icon;
        QString text;
    };
    QVector<Entry> pages = {{"://images/tool_advanced.png", tr("Setting")},
                            {"://images/tool_tools.png", tr("Tool")},
                            {"://images/tool_info.png", tr("Info")}};
    if (withInternalPage)
        pages.append({"://images/tool_internal.png", tr("Internal")});
    // The size is given: a font left without one takes the list's smaller one on Qt 6 when the
    // item is drawn, while Qt 5 draws it at 12 points.
    const QFont bold(QStringLiteral("Arial"), 12, QFont::Bold);
    for (const Entry &page : qAsConst(pages)) {
        auto *item = new QListWidgetItem(QIcon(QLatin1String(page.icon)), page.text, m_pageList);
        item->setTextAlignment(Qt::AlignHCenter);
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        item->setFont(bold);
        addPageShortcut(m_pageList->count() - 1);
    }
    m_pageList->setCurrentRow(0);
    keepPageListWide();
}

void toolWidget::keepPageListWide()
{
    // However wide the other controls want to be, every entry stays visible on one row; with
    // large fonts the list, and the bar with it, grow taller than designed. The entries' padding
    // comes from the style sheet.
    m_pageList->ensurePolished();
    int width = kPageListSpacing + 2 * m_pageList->frameWidth();
    int tallest = 0;
    for (int row = 0; row < m_pageList->count(); ++row) {
        const QSize entry = m_pageList->sizeHintForIndex(m_pageList->model()->index(row, 0));
        width += entry.width() + 2 * kPageListSpacing;
        tallest = qMax(tallest, entry.height());
    }
    m_pageList->setMaximumWidth(qMax(m_pageList->maximumWidth(), width));
    m_pageList->setMinimumWidth(width);
    const int height = tallest + 2 * kPageListSpacing + 2 * m_pageList->frameWidth();
    m_pageList->setMaximumHeight(qMax(kPageListHeight, height));
    m_pageList->setMinimumHeight(qMin(height, m_pageList->maximumHeight()));
    setFixedHeight(qMax(kBarHeight, m_pageList->maximumHeight() + kBarHeight - kPageListHeight));
}

void toolWidget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    keepPageListWide();
}

// The button says "Connect" or "Disconnect": it is as wide as the wider of them, so neither
// touches its edges and the bar does not jump when it changes.
void toolWidget::keepConnectButtonWide()
{
    const QString shown = m_connectButton->text();
    m_connectButton->ensurePolished();
    int width = 0;
    for (const QString &text : {tr("Connect"), tr("Disconnect")}) {
        m_connectButton->setText(text);
        width =
            std::max({width, m_connectButton->sizeHint().width(),
                      m_connectButton->fontMetrics().horizontalAdvance(text) + 2 * kButtonEdge});
    }
    m_connectButton->setText(shown);
    m_connectButton->setFixedWidth(width);
}

int toolWidget::preselectedIndex(const QList<QString> &portNames, const QString &savedPort)
{
    const int exact = portNames.indexOf(savedPort);
    if (exact >= 0 && !savedPort.isEmpty())
        return exact;
    if (!savedPort.contains(QLatin1String("COM")))
        return -1;
    int found = -1;
    for (int i = 0; i < portNames.size(); ++i) {
        if (portNames.at(i).contains(savedPort))
            found = i;
    }
    return found;
}

void toolWidget::fillPorts(const QList<QString> &portNames, const QString &savedPort)
{
    updatePortCombo(portNames);
    const int index = preselectedIndex(portNames, savedPort);
    if (index >= 0)
        m_portSelector->setCurrentIndex(index);
}

void toolWidget::connectPort()
{
    if (m_connected) {
        emit serialDisconnect();
        showDisconnected();
        return;
    }
    if (m_mayConnect && !m_mayConnect())
        return;
    // The bar changes first: a port that fails to open reports back before the emit returns.
    showConnected();
    emit serialConnect();
}

void toolWidget::showConnected()
{
    m_connectButton->setText(tr("Disconnect"));
    m_connected = true;
    m_portSelector->setEnabled(false);
}

void toolWidget::onPortLost()
{
    showDisconnected();
}

void toolWidget::onPortReopened(const QString &portName)
{
    const int index = m_portSelector->findText(portName);
    if (index >= 0)
        m_portSelector->setCurrentIndex(index);
    showConnected();
}

void toolWidget::setPortControlsLocked(bool locked)
{
    m_locked = locked;
    m_connectButton->setEnabled(!locked);
    m_refreshButton->setEnabled(!locked);
    m_portSelector->setEnabled(!locked && !m_connected);
}

void toolWidget::showDisconnected()
{
    m_connectButton->setText(tr("Connect"));
    m_connected = false;
    m_portSelector->setEnabled(!m_locked);
}

void toolWidget::onDisplayCloseCOMPort()
{
    if (!m_connected)
        return;
    emit serialDisconnect();
    showDisconnected();
}

void toolWidget::refreshDevices()
{
    emit askCommrtThreadUpdateDevices();
}

// The selection never moves by itself: a selected port that is no longer listed (unplugged,
// perhaps mid-flash) stays in the list and selected, so the link opens or probes nothing the
// pilot did not choose, and it is selected still when it comes back. Only when nothing was
// selected does the first port become the selection. The link hears only of a real change.
void toolWidget::updatePortCombo(QList<QString> portNames)
{
    const QString selected = m_portSelector->currentText();
    if (!selected.isEmpty() && !portNames.contains(selected))
        portNames.append(selected);
    {
        const QSignalBlocker quiet(m_portSelector);
        m_portSelector->setPortNames(portNames);
        const int kept = portNames.indexOf(selected);
        m_portSelector->setCurrentIndex(kept >= 0 ? kept : (portNames.isEmpty() ? -1 : 0));
    }
    m_portSelector->setToolTip(m_portSelector->currentText());
    if (m_portSelector->currentText() != selected)
        emit m_portSelector->currentIndexChanged(m_portSelector->currentIndex());
}
