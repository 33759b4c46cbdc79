#include "scopeplot.h"

#include <QPainter>

#include <algorithm>
#include <limits>

namespace {
constexpr int kTimeSteps = 5;
} // namespace

ScopePlot::ScopePlot(QWidget *parent) : ChannelPlot(parent) {}

void ScopePlot::addSnapshot(double time, const fclink::TelemetrySnapshot &snapshot)
{
    m_history.append({time, snapshot});
    const double oldest = time - kLongestWindowSeconds;
    const auto firstKept = std::find_if(m_history.begin(), m_history.end(),
                                        [oldest](const Sample &s) { return s.time >= oldest; });
    m_history.erase(m_history.begin(), firstKept);
    if (!m_paused)
        update();
}

void ScopePlot::clear()
{
    m_history.clear();
    m_held.clear();
    update();
}

void ScopePlot::setWindowSeconds(double seconds)
{
    m_windowSeconds = std::clamp(seconds, 1.0, kLongestWindowSeconds);
    update();
}

void ScopePlot::setPaused(bool paused)
{
    if (paused == m_paused)
        return;
    m_paused = paused;
    m_held = paused ? m_history : QVector<Sample>();
    update();
}

PlotStrip ScopePlot::panelFor(const Group &group, const QVector<Channel> &chosen) const
{
    const QVector<Sample> &samples = shown();
    const double newest = samples.isEmpty() ? 0.0 : samples.last().time;
    const double oldest = newest - m_windowSeconds;
    double low = std::numeric_limits<double>::max();
    double high = std::numeric_limits<double>::lowest();
    QVector<PlotStrip::Series> series;
    for (Channel channel : chosen) {
        PlotStrip::Series line{channelName(channel), channelColour(channel), {}, group.period};
        line.points.reserve(samples.size());
        for (const Sample &sample : samples) {
            const double value = fclink::telemetryValue(sample.snapshot, channel);
            line.points.append(QPointF(sample.time, value));
            if (sample.time >= oldest) {
                low = std::min(low, value);
                high = std::max(high, value);
            }
        }
        series.append(line);
    }
    panelRange(group, &low, &high);
    PlotStrip strip(group.title, low, high);
    strip.setSeries(series);
    strip.setWindow(m_windowSeconds, newest);
    strip.setTimeGrid(m_windowSeconds / kTimeSteps);
    return strip;
}

void ScopePlot::paintTimeLabels(QPainter &painter, const QRectF &plot) const
{
    painter.setPen(palette().color(QPalette::WindowText));
    const double top = plot.bottom() + kPanelGap + 6;
    for (int step = 0; step <= kTimeSteps; ++step) {
        const double seconds = m_windowSeconds * step / kTimeSteps;
        const double x = plot.right() - step * plot.width() / kTimeSteps;
        if (step == 0) // at the right edge: ends there rather than centred on it
            painter.drawText(QRectF(x - 80, top, 80, kTimeLabelHeight), Qt::AlignRight, tr("now"));
        else
            painter.drawText(QRectF(x - 40, top, 80, kTimeLabelHeight), Qt::AlignHCenter,
                             tr("-%1 s").arg(seconds));
    }
}
