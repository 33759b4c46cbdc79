#include "channelplot.h"

#include <QPainter>

#include <algorithm>

namespace {
const QColor kLineColours[8] = {QColor(0xe0, 0x4f, 0x4f), QColor(0x3c, 0xb3, 0x71),
                                QColor(0x3d, 0x8b, 0xe0), QColor(0xf0, 0xa0, 0x30),
                                QColor(0xb0, 0x6c, 0xe0), QColor(0x30, 0xc8, 0xc8),
                                QColor(0xe8, 0xe0, 0x50), QColor(0xf0, 0x80, 0xc0)};
const QColor kHint(0x5a, 0x6a, 0x7a);
} // namespace

ChannelPlot::ChannelPlot(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(300, 200);
}

QVector<ChannelPlot::Group> ChannelPlot::groups()
{
    using C = Channel;
    const QString degree = tr("°");
    return {
        {tr("Attitude (degree)"), 10.0, {C::Roll, C::Pitch}, 0.0, degree},
        {tr("Heading (degree)"), 360.0, {C::Heading}, 360.0, degree},
        {tr("Gyroscope (degree/s)"), 20.0, {C::GyroX, C::GyroY, C::GyroZ}, 0.0, tr("°/s")},
        {tr("Acceleration (m/s^2)"), 4.0, {C::AccX, C::AccY, C::AccZ}, 0.0, tr("m/s²")},
        {tr("Altitude (m)"), 2.0, {C::Altitude}, 0.0, tr("m")},
        {tr("Voltage (V)"), 1.0, {C::Voltage}, 0.0, tr("V")},
        {tr("Compass error"), 10.0, {C::Compass}, 0.0, QString()},
        {tr("RC channels"),
         200.0,
         {C::Rc1, C::Rc2, C::Rc3, C::Rc4, C::Rc5, C::Rc6, C::Rc7, C::Rc8},
         0.0,
         QString()},
    };
}

ChannelPlot::Group ChannelPlot::groupOf(Channel channel)
{
    for (const Group &group : groups()) {
        if (group.channels.contains(channel))
            return group;
    }
    return {};
}

QString ChannelPlot::channelName(Channel channel)
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

QColor ChannelPlot::channelColour(Channel channel)
{
    return kLineColours[std::max(0, int(groupOf(channel).channels.indexOf(channel))) % 8];
}

void ChannelPlot::panelRange(const Group &group, double *low, double *high)
{
    if (*low > *high)
        *low = *high = 0.0;
    if (group.period > 0.0) {
        // One whole turn, from 0 or, for values given as -180..180, centred on 0.
        *low = *low < 0.0 ? -group.period / 2.0 : 0.0;
        *high = *low + group.period;
    } else {
        PlotStrip::niceRange(low, high, group.minimumSpan);
    }
}

void ChannelPlot::setChannels(const QVector<Channel> &channels)
{
    m_channels = channels;
    update();
}

void ChannelPlot::addLines(PlotStrip *, const QVector<Channel> &, const QRectF &) const {}

double ChannelPlot::minimumLabelWidth(const QFont &) const
{
    return 0.0;
}

QString ChannelPlot::emptyText() const
{
    return tr("Choose the channels to plot in the list on the left.");
}

QVector<ChannelPlot::Channel> ChannelPlot::chosenOf(const Group &group) const
{
    QVector<Channel> chosen;
    for (Channel channel : group.channels) {
        if (m_channels.contains(channel))
            chosen.append(channel);
    }
    return chosen;
}

QVector<PlotStrip> ChannelPlot::framedPanels() const
{
    QVector<PlotStrip> strips;
    for (const Group &group : groups()) {
        const QVector<Channel> chosen = chosenOf(group);
        if (!chosen.isEmpty())
            strips.append(panelFor(group, chosen));
    }
    // One time axis: every plot begins after the widest value labels of any panel.
    const QFont labels = PlotStrip::labelFont(font());
    double labelWidth = minimumLabelWidth(labels);
    for (const PlotStrip &strip : strips)
        labelWidth = std::max(labelWidth, strip.labelWidth(labels));
    for (PlotStrip &strip : strips)
        strip.setLabelWidth(labelWidth);
    return strips;
}

QVector<PlotStrip> ChannelPlot::panels() const
{
    QVector<PlotStrip> strips = framedPanels();
    const QVector<QRectF> plots = plotAreasOf(strips);
    int panel = 0;
    for (const Group &group : groups()) {
        const QVector<Channel> chosen = chosenOf(group);
        if (chosen.isEmpty())
            continue;
        addLines(&strips[panel], chosen, plots.at(panel));
        ++panel;
    }
    return strips;
}

QVector<QRectF> ChannelPlot::plotAreas() const
{
    return plotAreasOf(framedPanels());
}

QVector<QRectF> ChannelPlot::plotAreasOf(const QVector<PlotStrip> &strips) const
{
    const QFont labels = PlotStrip::labelFont(font());
    const QVector<QRectF> areas = panelAreas(strips.size());
    QVector<QRectF> plots;
    for (int i = 0; i < strips.size(); ++i)
        plots.append(strips.at(i).layout(areas.at(i), labels).plot);
    return plots;
}

QVector<QRectF> ChannelPlot::panelAreas(int count) const
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

void ChannelPlot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintPanels(painter);
}

void ChannelPlot::paintPanels(QPainter &painter)
{
    const QVector<PlotStrip> strips = panels();
    if (strips.isEmpty()) {
        paintHint(painter, emptyText());
        return;
    }
    const QVector<QRectF> areas = panelAreas(strips.size());
    // Panels, grids, titles, legends and labels change only with the choice, the window, the
    // ranges or the size; the lines may move with every cycle.
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
    painter.setFont(font());
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < strips.size(); ++i)
        strips.at(i).paintLines(painter, areas.at(i));
}

void ChannelPlot::paintHint(QPainter &painter, const QString &text) const
{
    painter.setPen(kHint);
    painter.drawText(rect().adjusted(20, 0, -20, 0), Qt::AlignCenter | Qt::TextWordWrap, text);
}
