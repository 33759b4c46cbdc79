#include "sensorplot.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
const QColor kAxisColours[3] = {QColor(0xe0, 0x4f, 0x4f), QColor(0x3c, 0xb3, 0x71),
                                QColor(0x3d, 0x8b, 0xe0)};
const QColor kPanel(0x16, 0x22, 0x30);
const QColor kGrid(0x2c, 0x3d, 0x50);
const QColor kText(0xd8, 0xe4, 0xef);
constexpr double kGyroMinimumSpan = 20.0; // degrees per second
constexpr double kAccMinimumSpan = 12.0;  // m/s², keeps gravity on the scale
} // namespace

SensorPlot::SensorPlot(QWidget *parent) : QWidget(parent) {}

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

double SensorPlot::largestMagnitude(bool gyro) const
{
    double largest = 0.0;
    for (const Sample &s : m_samples)
        for (int axis = 0; axis < 3; ++axis)
            largest = std::max(largest, double(std::fabs(gyro ? s.gyro[axis] : s.acc[axis])));
    return largest;
}

QFont SensorPlot::labelFont() const
{
    QFont small = font();
    small.setPointSizeF(std::max(7.0, small.pointSizeF() - 1.5));
    return small;
}

QVector<SensorPlot::Plot> SensorPlot::layOut() const
{
    const QRectF all = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const double half = all.height() / 2.0;
    const double titleHeight = QFontMetricsF(labelFont()).height() + 4;
    QVector<Plot> plots;
    for (bool gyro : {true, false}) {
        const QRectF area = gyro ? QRectF(all.left(), all.top(), all.width(), half - 3)
                                 : QRectF(all.left(), all.top() + half + 3, all.width(), half - 3);
        plots.append({area, area.adjusted(34, titleHeight, -6, -6), gyro,
                      scaleFor(largestMagnitude(gyro), gyro ? kGyroMinimumSpan : kAccMinimumSpan)});
    }
    return plots;
}

void SensorPlot::paintEvent(QPaintEvent *)
{
    const QVector<Plot> plots = layOut();
    const qreal ratio = devicePixelRatioF();
    if (m_backdropSize != size() || m_backdropScales[0] != plots[0].scale ||
        m_backdropScales[1] != plots[1].scale) {
        m_backdrop = QPixmap(size() * ratio);
        m_backdrop.setDevicePixelRatio(ratio);
        m_backdrop.fill(Qt::transparent);
        QPainter backdrop(&m_backdrop);
        backdrop.setRenderHint(QPainter::Antialiasing);
        backdrop.setFont(labelFont());
        paintBackdrop(backdrop, plots[0], tr("Gyroscope (degree/s)"));
        paintBackdrop(backdrop, plots[1], tr("Acceleration (m/s^2)"));
        m_backdropSize = size();
        m_backdropScales[0] = plots[0].scale;
        m_backdropScales[1] = plots[1].scale;
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_backdrop);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Plot &plot : plots)
        paintLines(painter, plot);
}

void SensorPlot::paintBackdrop(QPainter &painter, const Plot &plot, const QString &title) const
{
    const QRectF &area = plot.area;
    const QRectF &lines = plot.lines;
    painter.setPen(Qt::NoPen);
    painter.setBrush(kPanel);
    painter.drawRoundedRect(area, 4, 4);

    painter.setPen(QPen(kGrid, 1));
    for (int line = -2; line <= 2; ++line) {
        const double y = lines.center().y() - line * lines.height() / 4.0;
        painter.drawLine(QPointF(lines.left(), y), QPointF(lines.right(), y));
    }
    const double titleHeight = lines.top() - area.top();
    painter.setPen(kText);
    painter.drawText(QRectF(area.left() + 6, area.top() + 2, area.width() - 12, titleHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, title);
    const QString axisNames[3] = {QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")};
    for (int axis = 0; axis < 3; ++axis) {
        painter.setPen(kAxisColours[axis]);
        painter.drawText(QRectF(area.right() - 60 + axis * 18, area.top() + 2, 16, titleHeight),
                         Qt::AlignCenter, axisNames[axis]);
    }
    painter.setPen(kText);
    painter.drawText(QRectF(area.left(), lines.top() - 6, 30, 12),
                     Qt::AlignRight | Qt::AlignVCenter, QString::number(plot.scale, 'g', 3));
    painter.drawText(QRectF(area.left(), lines.bottom() - 6, 30, 12),
                     Qt::AlignRight | Qt::AlignVCenter, QString::number(-plot.scale, 'g', 3));
}

void SensorPlot::paintLines(QPainter &painter, const Plot &plot) const
{
    if (m_samples.size() < 2)
        return;
    const QRectF &lines = plot.lines;
    const double newest = m_samples.last().time;
    QPolygonF points(m_samples.size());
    for (int axis = 0; axis < 3; ++axis) {
        for (int i = 0; i < m_samples.size(); ++i) {
            const Sample &s = m_samples.at(i);
            const double value = plot.gyro ? s.gyro[axis] : s.acc[axis];
            const double x = lines.right() - (newest - s.time) / kWindowSeconds * lines.width();
            const double y = lines.center().y() - value / plot.scale * lines.height() / 2.0;
            points[i] = QPointF(x, std::clamp(y, lines.top(), lines.bottom()));
        }
        QPen pen(kAxisColours[axis], 1.0);
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.drawPolyline(points);
    }
}
