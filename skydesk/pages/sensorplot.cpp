#include "sensorplot.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
const QColor kAxisColours[3] = {QColor(0xe0, 0x4f, 0x4f), QColor(0x3c, 0xb3, 0x71),
                                QColor(0x3d, 0x8b, 0xe0)};
constexpr double kGyroMinimumSpan = 20.0; // degrees per second
constexpr double kAccMinimumSpan = 12.0;  // m/s², keeps gravity on the scale
constexpr double kPanelGap = 3.0;
} // namespace

SensorPlot::SensorPlot(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void SensorPlot::addSample(const Sample &sample)
{
    m_samples.append(sample);
    const double oldest = sample.time - kWindowSeconds;
    const auto firstKept = std::find_if(m_samples.begin(), m_samples.end(),
                                        [oldest](const Sample &s) { return s.time >= oldest; });
    m_samples.erase(m_samples.begin(), firstKept);
    update();
}

void SensorPlot::clear()
{
    m_samples.clear();
    update();
}

double SensorPlot::scaleFor(double largestMagnitude, double minimumSpan)
{
    const double needed = std::max(largestMagnitude * 1.1, minimumSpan);
    const double step = std::pow(10.0, std::floor(std::log10(needed)));
    for (double factor : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        if (step * factor >= needed)
            return step * factor;
    }
    return step * 10.0;
}

QRectF SensorPlot::panelArea(Panel which) const
{
    const QRectF all = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const double half = all.height() / 2.0;
    if (which == GyroPanel)
        return QRectF(all.left(), all.top(), all.width(), half - kPanelGap);
    return QRectF(all.left(), all.top() + half + kPanelGap, all.width(), half - kPanelGap);
}

PlotStrip SensorPlot::panel(Panel which) const
{
    const bool gyro = which == GyroPanel;
    static const char *const names[3] = {"X", "Y", "Z"};
    QVector<PlotStrip::Series> series(3);
    double largest = 0.0;
    for (int axis = 0; axis < 3; ++axis) {
        series[axis].name = QLatin1String(names[axis]);
        series[axis].colour = kAxisColours[axis];
        series[axis].points.reserve(m_samples.size());
        for (const Sample &s : m_samples) {
            const double value = gyro ? s.gyro[axis] : s.acc[axis];
            series[axis].points.append(QPointF(s.time, value));
            largest = std::max(largest, std::fabs(value));
        }
    }
    const double scale = scaleFor(largest, gyro ? kGyroMinimumSpan : kAccMinimumSpan);
    PlotStrip strip(gyro ? tr("Gyroscope (degree/s)") : tr("Acceleration (m/s^2)"), -scale, scale);
    strip.setSeries(series);
    strip.setWindow(kWindowSeconds, m_samples.isEmpty() ? 0.0 : m_samples.last().time);
    return strip;
}

void SensorPlot::paintEvent(QPaintEvent *)
{
    const PlotStrip panels[2] = {panel(GyroPanel), panel(AccPanel)};
    const QString key = QStringLiteral("%1x%2|%3|%4|%5")
                            .arg(width())
                            .arg(height())
                            .arg(font().key(), panels[0].frameKey(), panels[1].frameKey());
    if (key != m_framesKey) {
        const qreal ratio = devicePixelRatioF();
        m_frames = QPixmap(size() * ratio);
        m_frames.setDevicePixelRatio(ratio);
        m_frames.fill(Qt::transparent);
        QPainter frames(&m_frames);
        frames.setFont(font());
        frames.setRenderHint(QPainter::Antialiasing);
        for (Panel which : {GyroPanel, AccPanel})
            panels[which].paintFrame(frames, panelArea(which));
        m_framesKey = key;
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_frames);
    painter.setRenderHint(QPainter::Antialiasing);
    for (Panel which : {GyroPanel, AccPanel})
        panels[which].paintLines(painter, panelArea(which));
}
