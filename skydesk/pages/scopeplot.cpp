#include "scopeplot.h"

#include <QPainter>

#include <algorithm>
#include <limits>

namespace {
const QColor kLineColours[8] = {QColor(0xe0, 0x4f, 0x4f), QColor(0x3c, 0xb3, 0x71),
                                QColor(0x3d, 0x8b, 0xe0), QColor(0xf0, 0xa0, 0x30),
                                QColor(0xb0, 0x6c, 0xe0), QColor(0x30, 0xc8, 0xc8),
                                QColor(0xe8, 0xe0, 0x50), QColor(0xf0, 0x80, 0xc0)};
const QColor kHint(0x5a, 0x6a, 0x7a);
constexpr double kPanelGap = 4.0;
constexpr double kTimeLabelHeight = 16.0;
constexpr int kTimeSteps = 5;
} // namespace

ScopePlot::ScopePlot(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(300, 200);
}

QVector<ScopePlot::Group> ScopePlot::groups()
{
    using C = Channel;
    return {
        {tr("Attitude (degree)"), 10.0, {C::Roll, C::Pitch}},
        {tr("Heading (degree)"), 360.0, {C::Heading}, 360.0},
        {tr("Gyroscope (degree/s)"), 20.0, {C::GyroX, C::GyroY, C::GyroZ}},
        {tr("Acceleration (m/s^2)"), 4.0, {C::AccX, C::AccY, C::AccZ}},
        {tr("Altitude (m)"), 2.0, {C::Altitude}},
        {tr("Voltage (V)"), 1.0, {C::Voltage}},
        {tr("Compass error"), 10.0, {C::Compass}},
        {tr("RC channels"),
         200.0,
         {C::Rc1, C::Rc2, C::Rc3, C::Rc4, C::Rc5, C::Rc6, C::Rc7, C::Rc8}},
    };
}

QString ScopePlot::channelName(Channel channel)
{
    switch (channel) {
    case Channel::Roll:
        return tr("Roll");
    case Channel::Pitch:
        return tr("Pitch");
    case Channel::Heading:
        return tr("Heading");
    case Channel::GyroX:
    case Channel::AccX:
        return QStringLiteral("X");
    case Channel::GyroY:
    case Channel::AccY:
        return QStringLiteral("Y");
    case Channel::GyroZ:
    case Channel::AccZ:
        return QStringLiteral("Z");
    case Channel::Altitude:
        return tr("Altitude");
    case Channel::Voltage:
        return tr("Voltage");
    case Channel::Compass:
        return tr("Compass error");
    default:
        return tr("RC %1").arg(int(channel) - int(Channel::Rc1) + 1);
    }
}

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

void ScopePlot::setChannels(const QVector<Channel> &channels)
{
    m_channels = channels;
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
        PlotStrip::Series line{channelName(channel),
                               kLineColours[group.channels.indexOf(channel) % 8],
                               {},
                               group.period};
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
    if (low > high)
        low = high = 0.0;
    if (group.period > 0.0) {
        // One whole turn, from 0 or, for values given as -180..180, centred on 0.
        low = low < 0.0 ? -group.period / 2.0 : 0.0;
        high = low + group.period;
    } else {
        PlotStrip::niceRange(&low, &high, group.minimumSpan);
    }
    PlotStrip strip(group.title, low, high);
    strip.setSeries(series);
    strip.setWindow(m_windowSeconds, newest);
    strip.setTimeGrid(m_windowSeconds / kTimeSteps);
    return strip;
}

QVector<PlotStrip> ScopePlot::panels() const
{
    QVector<PlotStrip> strips;
    for (const Group &group : groups()) {
        QVector<Channel> chosen;
        for (Channel channel : group.channels) {
            if (m_channels.contains(channel))
                chosen.append(channel);
        }
        if (!chosen.isEmpty())
            strips.append(panelFor(group, chosen));
    }
    // One time axis: every plot begins after the widest value labels of any panel.
    const QFont labels = PlotStrip::labelFont(font());
    double labelWidth = 0.0;
    for (const PlotStrip &strip : strips)
        labelWidth = std::max(labelWidth, strip.labelWidth(labels));
    for (PlotStrip &strip : strips)
        strip.setLabelWidth(labelWidth);
    return strips;
}

QVector<QRectF> ScopePlot::panelAreas(int count) const
{
    QVector<QRectF> areas;
    if (count <= 0)
        return areas;
    const QRectF all = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5 - kTimeLabelHeight);
    const double height = (all.height() - kPanelGap * (count - 1)) / count;
    for (int i = 0; i < count; ++i)
        areas.append(QRectF(all.left(), all.top() + i * (height + kPanelGap), all.width(), height));
    return areas;
}

void ScopePlot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QVector<PlotStrip> strips = panels();
    if (strips.isEmpty()) {
        painter.setPen(kHint);
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap,
                         tr("Choose the channels to plot in the list on the left."));
        return;
    }
    const QVector<QRectF> areas = panelAreas(strips.size());
    // Panels, grids, titles, legends and labels change only with the choice, the window, the
    // ranges or the size; only the lines move with every cycle.
    QString key = QStringLiteral("%1x%2").arg(width()).arg(height());
    for (const PlotStrip &strip : strips)
        key += QLatin1Char('#') + strip.frameKey();
    if (key != m_frameKey || m_frame.size() != size() * devicePixelRatioF()) {
        m_frame = QPixmap(size() * devicePixelRatioF());
        m_frame.setDevicePixelRatio(devicePixelRatioF());
        m_frame.fill(Qt::transparent);
        QPainter frame(&m_frame);
        frame.setFont(font());
        frame.setRenderHint(QPainter::Antialiasing);
        for (int i = 0; i < strips.size(); ++i)
            strips.at(i).paintFrame(frame, areas.at(i));
        const QFont labels = PlotStrip::labelFont(font());
        paintTimeLabels(frame, strips.last().layout(areas.last(), labels).plot);
        m_frameKey = key;
    }
    painter.drawPixmap(0, 0, m_frame);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < strips.size(); ++i)
        strips.at(i).paintLines(painter, areas.at(i));
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
