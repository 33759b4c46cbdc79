#include "sensorscopewindow.h"

#include "fclink/link/commrt.h"
#include "scopeplot.h"
#include "skydesk/common/windowfit.h"
#include "ui_sensorscopewindow.h"

#include <QShowEvent>

#include <iterator>

namespace {
constexpr double kWindowSeconds[] = {10.0, 60.0};
} // namespace

SensorScopeWindow::SensorScopeWindow(QWidget *parent, Commrt *link)
    : QWidget(parent, Qt::Window), m_ui(new Ui::SensorScopeWindowUi), m_link(link)
{
    m_ui->setupUi(this);
    WindowFit::keepOnScreenWhenShown(this);
    m_clock.start();
    connect(m_ui->treeWidgetChannels, &ChannelChooser::chosenChanged, this,
            &SensorScopeWindow::channelsChosen);
    connect(m_ui->comboBoxWindow, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &SensorScopeWindow::windowChosen);
    connect(m_ui->pushButtonPause, &QPushButton::toggled, this, &SensorScopeWindow::pauseToggled);
    connect(m_link, &Commrt::telemetryChanged, this, &SensorScopeWindow::takeTelemetry);
    // The gyro rates to begin with, as on the tools page.
    using C = ScopePlot::Channel;
    m_ui->treeWidgetChannels->setChosen({C::GyroX, C::GyroY, C::GyroZ});
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

void SensorScopeWindow::channelsChosen()
{
    plot()->setChannels(m_ui->treeWidgetChannels->chosen());
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
