#include "sensorplot.h"

#include <QPainter>
#include <QPainterPath>

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

void SensorPlot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF all = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const double half = all.height() / 2.0;
    paintPlot(painter, QRectF(all.left(), all.top(), all.width(), half - 3),
              tr("Gyroscope (degree/s)"), true, kGyroMinimumSpan);
    paintPlot(painter, QRectF(all.left(), all.top() + half + 3, all.width(), half - 3),
              tr("Acceleration (m/s^2)"), false, kAccMinimumSpan);
}

void SensorPlot::paintPlot(QPainter &painter, const QRectF &area, const QString &title, bool gyro,
                           double minimumSpan) const
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(kPanel);
    painter.drawRoundedRect(area, 4, 4);

    QFont font = painter.font();
    font.setPointSizeF(std::max(7.0, font.pointSizeF() - 1.5));
    painter.setFont(font);
    const double titleHeight = QFontMetricsF(font).height() + 4;
    const QRectF plot = area.adjusted(34, titleHeight, -6, -6);

    double largest = 0.0;
    for (const Sample &s : m_samples)
        for (int axis = 0; axis < 3; ++axis)
            largest = std::max(largest, double(std::fabs(gyro ? s.gyro[axis] : s.acc[axis])));
    const double scale = scaleFor(largest, minimumSpan);

    painter.setPen(QPen(kGrid, 1));
    for (int line = -2; line <= 2; ++line) {
        const double y = plot.center().y() - line * plot.height() / 4.0;
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
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
    painter.drawText(QRectF(area.left(), plot.top() - 6, 30, 12), Qt::AlignRight | Qt::AlignVCenter,
                     QString::number(scale, 'g', 3));
    painter.drawText(QRectF(area.left(), plot.bottom() - 6, 30, 12),
                     Qt::AlignRight | Qt::AlignVCenter, QString::number(-scale, 'g', 3));

    if (m_samples.size() < 2)
        return;
    const double newest = m_samples.last().time;
    auto toPoint = [&](double time, double value) {
        const double x = plot.right() - (newest - time) / kWindowSeconds * plot.width();
        const double y = plot.center().y() - value / scale * plot.height() / 2.0;
        return QPointF(x, std::clamp(y, plot.top(), plot.bottom()));
    };
    for (int axis = 0; axis < 3; ++axis) {
        QPainterPath path;
        for (int i = 0; i < m_samples.size(); ++i) {
            const Sample &s = m_samples.at(i);
            const QPointF point = toPoint(s.time, gyro ? s.gyro[axis] : s.acc[axis]);
            if (i == 0)
                path.moveTo(point);
            else
                path.lineTo(point);
        }
        painter.setPen(QPen(kAxisColours[axis], 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }
}
