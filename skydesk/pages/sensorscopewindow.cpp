#include "sensorscopewindow.h"

#include "fclink/link/commrt.h"
#include "scopeplot.h"
#include "ui_sensorscopewindow.h"

#include <QShowEvent>
#include <QTreeWidgetItem>

#include <iterator>

namespace {
constexpr int kChannelRole = Qt::UserRole;
constexpr double kWindowSeconds[] = {10.0, 60.0};
} // namespace

SensorScopeWindow::SensorScopeWindow(QWidget *parent, Commrt *link)
    : QWidget(parent, Qt::Window), m_ui(new Ui::SensorScopeWindowUi), m_link(link)
{
    m_ui->setupUi(this);
    buildChannelList();
    m_clock.start();
    connect(m_ui->treeWidgetChannels, &QTreeWidget::itemChanged, this,
            &SensorScopeWindow::channelsChosen);
    connect(m_ui->comboBoxWindow, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &SensorScopeWindow::windowChosen);
    connect(m_ui->pushButtonPause, &QPushButton::toggled, this, &SensorScopeWindow::pauseToggled);
    connect(m_link, &Commrt::telemetryChanged, this, &SensorScopeWindow::takeTelemetry);
    channelsChosen();
    windowChosen(m_ui->comboBoxWindow->currentIndex());
}

SensorScopeWindow::~SensorScopeWindow()
{
    delete m_ui;
}

ScopePlot *SensorScopeWindow::plot() const
{
    return m_ui->widgetScopePlot;
}

void SensorScopeWindow::buildChannelList()
{
    QTreeWidget *tree = m_ui->treeWidgetChannels;
    const QVector<ScopePlot::Group> groups = ScopePlot::groups();
    for (int g = 0; g < groups.size(); ++g) {
        auto *groupItem = new QTreeWidgetItem(tree, {groups.at(g).title});
        groupItem->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
        for (ScopePlot::Channel channel : groups.at(g).channels) {
            auto *item = new QTreeWidgetItem(groupItem, {ScopePlot::channelName(channel)});
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            item->setData(0, kChannelRole, int(channel));
            // The gyro rates to begin with, as on the tools page.
            const bool gyro = channel == ScopePlot::Channel::GyroX ||
                              channel == ScopePlot::Channel::GyroY ||
                              channel == ScopePlot::Channel::GyroZ;
            item->setCheckState(0, gyro ? Qt::Checked : Qt::Unchecked);
        }
        groupItem->setExpanded(g < groups.size() - 1); // the eight RC channels stay folded
    }
}

void SensorScopeWindow::channelsChosen()
{
    QVector<ScopePlot::Channel> chosen;
    for (QTreeWidgetItemIterator it(m_ui->treeWidgetChannels); *it; ++it) {
        const QVariant channel = (*it)->data(0, kChannelRole);
        if (channel.isValid() && (*it)->checkState(0) == Qt::Checked)
            chosen.append(ScopePlot::Channel(channel.toInt()));
    }
    plot()->setChannels(chosen);
}

void SensorScopeWindow::windowChosen(int index)
{
    if (index >= 0 && index < int(std::size(kWindowSeconds)))
        plot()->setWindowSeconds(kWindowSeconds[index]);
}

void SensorScopeWindow::pauseToggled(bool paused)
{
    plot()->setPaused(paused);
    m_ui->pushButtonPause->setText(paused ? tr("Resume") : tr("Pause"));
}

void SensorScopeWindow::takeTelemetry()
{
    if (isVisible())
        plot()->addSnapshot(m_clock.elapsed() / 1000.0, fclink::telemetryNow());
}

void SensorScopeWindow::showEvent(QShowEvent *event)
{
    // What the closed window missed would show as a straight line across the gap. A window
    // coming back from being minimised kept collecting and keeps what it has.
    if (!event->spontaneous())
        plot()->clear();
    QWidget::showEvent(event);
}
