#include "plotstrip.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {
const QColor kPanel(0x16, 0x22, 0x30);
const QColor kGrid(0x2c, 0x3d, 0x50);
const QColor kText(0xd8, 0xe4, 0xef);
constexpr double kMargin = 6.0;
constexpr double kLegendGap = 8.0;

double roundedStep(double needed)
{
    const double step = std::pow(10.0, std::floor(std::log10(needed)));
    for (double factor : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        if (step * factor >= needed * (1.0 - 1e-9))
            return step * factor;
    }
    return step * 10.0;
}
} // namespace

PlotStrip::PlotStrip(const QString &title, double low, double high)
    : m_title(title), m_low(low), m_high(high)
{
}

void PlotStrip::setWindow(double seconds, double newest)
{
    m_windowSeconds = seconds;
    m_newest = newest;
}

QFont PlotStrip::labelFont(const QFont &widgetFont)
{
    QFont font = widgetFont;
    font.setPointSizeF(std::max(7.0, widgetFont.pointSizeF() - 1.5));
    return font;
}

double PlotStrip::legendWidth(const QFont &font) const
{
    const QFontMetricsF metrics(font);
    double width = 0.0;
    for (const Series &series : m_series)
        width += metrics.horizontalAdvance(series.name) + kLegendGap;
    return std::max(0.0, width - kLegendGap);
}

PlotStrip::Layout PlotStrip::layout(const QRectF &area, const QFont &font) const
{
    const QFontMetricsF metrics(font);
    const double titleHeight = metrics.height() + 4;
    const double labelHeight = metrics.height();
    const double labelWidth = std::max(m_labelWidth, this->labelWidth(font));
    Layout parts;
    const double titleBottom = area.top() + 2 + titleHeight;
    const double legend = legendWidth(font);
    parts.legend = QRectF(area.right() - kMargin - legend, area.top() + 2, legend, titleHeight);
    const double titleRight =
        legend > 0.0 ? parts.legend.left() - kLegendGap : area.right() - kMargin;
    parts.title = QRectF(area.left() + kMargin, area.top() + 2,
                         std::max(0.0, titleRight - area.left() - kMargin), titleHeight);
    // The value labels sit centred on the plot's top and bottom lines, so the plot begins half a
    // label below the title row and ends half a label above the panel's edge.
    const double plotLeft = area.left() + kMargin + labelWidth + 4;
    const double plotTop = titleBottom + labelHeight / 2.0 + 1;
    const double plotBottom = area.bottom() - std::max(kMargin, labelHeight / 2.0 + 2);
    parts.plot = QRectF(QPointF(plotLeft, plotTop),
                        QPointF(area.right() - kMargin, std::max(plotTop, plotBottom)));
    parts.upperLabel = QRectF(area.left() + kMargin / 2, plotTop - labelHeight / 2.0,
                              labelWidth + kMargin / 2, labelHeight);
    parts.lowerLabel = parts.upperLabel.translated(0, parts.plot.height());
    return parts;
}

double PlotStrip::labelWidth(const QFont &font) const
{
    const QFontMetricsF metrics(font);
    return std::max({metrics.horizontalAdvance(labelText(m_high)),
                     metrics.horizontalAdvance(labelText(m_low)),
                     metrics.horizontalAdvance("-00")});
}

QVector<double> PlotStrip::timeGridX(const QRectF &plot) const
{
    QVector<double> xs;
    if (m_timeStep <= 0.0)
        return xs;
    if (m_gridOnWholeSteps) {
        const double oldest = m_newest - m_windowSeconds;
        for (double step = std::ceil(oldest / m_timeStep); step * m_timeStep <= m_newest; ++step)
            xs.append(plot.right() -
                      (m_newest - step * m_timeStep) / m_windowSeconds * plot.width());
        return xs;
    }
    // Counted in whole steps rather than summed, so that every panel gets the very same x.
    for (int step = 1; step * m_timeStep < m_windowSeconds - 1e-9; ++step)
        xs.append(plot.right() - step * m_timeStep / m_windowSeconds * plot.width());
    return xs;
}

QVector<QPolygonF> PlotStrip::linePieces(const Series &series, const QRectF &plot) const
{
    QVector<QPolygonF> pieces;
    const double span = m_high - m_low;
    if (span <= 0.0 || m_windowSeconds <= 0.0)
        return pieces;
    const double oldest = m_newest - m_windowSeconds;
    // Only the stretch that shows, with the sample just before it to reach the left edge.
    auto first =
        std::lower_bound(series.points.cbegin(), series.points.cend(), oldest,
                         [](const QPointF &point, double time) { return point.x() < time; });
    if (first != series.points.cbegin())
        --first;
    QPolygonF line;
    line.reserve(int(series.points.cend() - first));
    for (auto point = first; point != series.points.cend(); ++point) {
        if (series.period > 0.0 && point != first &&
            std::fabs(point->y() - (point - 1)->y()) > series.period / 2.0) {
            pieces.append(line);
            line.clear();
        }
        const double px = plot.right() - (m_newest - point->x()) / m_windowSeconds * plot.width();
        const double value = std::clamp(point->y(), m_low, m_high);
        line.append(QPointF(px, plot.bottom() - (value - m_low) / span * plot.height()));
    }
    pieces.append(line);
    return pieces;
}

void PlotStrip::niceRange(double *low, double *high, double minimumSpan)
{
    double span = std::max(*high - *low, minimumSpan);
    const double middle = (*high + *low) / 2.0;
    double from = middle - span / 2.0;
    double to = middle + span / 2.0;
    // Four grid steps over the range; the ends lie on whole steps.
    double step = roundedStep(span / 4.0);
    for (;;) {
        const double roundedFrom = std::floor(from / step + 1e-9) * step;
        const double roundedTo = std::ceil(to / step - 1e-9) * step;
        if (roundedTo - roundedFrom <= 4.0 * step + 1e-9) {
            *low = roundedFrom;
            *high = roundedTo;
            return;
        }
        step = roundedStep(step * 1.0001);
    }
}

QString PlotStrip::labelText(double value)
{
    if (std::fabs(value) < 1e-9)
        return QStringLiteral("0");
    return QString::number(value, 'g', 4);
}

void PlotStrip::paint(QPainter &painter, const QRectF &area) const
{
    paintFrame(painter, area);
    paintLines(painter, area);
}

QString PlotStrip::frameKey() const
{
    QString key = QStringLiteral("%1|%2|%3|%4|%5|%6")
                      .arg(m_title)
                      .arg(m_low)
                      .arg(m_high)
                      .arg(m_windowSeconds)
                      .arg(m_timeStep)
                      .arg(m_labelWidth);
    if (m_gridOnWholeSteps) // the grid moves with the time at the right edge
        key += QStringLiteral("|%1").arg(m_newest, 0, 'g', 17);
    for (const Series &series : m_series)
        key += QLatin1Char('|') + series.name + series.colour.name();
    return key;
}

void PlotStrip::paintFrame(QPainter &painter, const QRectF &area) const
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(kPanel);
    painter.drawRoundedRect(area, 4, 4);

    const QFont font = labelFont(painter.font());
    painter.setFont(font);
    const Layout parts = layout(area, font);
    const QRectF &plot = parts.plot;

    painter.setPen(QPen(kGrid, 1));
    for (int line = 0; line <= 4; ++line) {
        const double y = plot.top() + line * plot.height() / 4.0;
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    for (double x : timeGridX(plot))
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    painter.setPen(kText);
    const QFontMetricsF metrics(font);
    painter.drawText(parts.title, Qt::AlignLeft | Qt::AlignVCenter,
                     metrics.elidedText(m_title, Qt::ElideRight, parts.title.width()));
    double x = parts.legend.left();
    for (const Series &series : m_series) {
        painter.setPen(series.colour);
        const double width = metrics.horizontalAdvance(series.name);
        painter.drawText(QRectF(x, parts.legend.top(), width, parts.legend.height()),
                         Qt::AlignCenter, series.name);
        x += width + kLegendGap;
    }
    painter.setPen(kText);
    painter.drawText(parts.upperLabel, Qt::AlignRight | Qt::AlignVCenter, labelText(m_high));
    painter.drawText(parts.lowerLabel, Qt::AlignRight | Qt::AlignVCenter, labelText(m_low));
}

void PlotStrip::paintLines(QPainter &painter, const QRectF &area) const
{
    const QRectF plot = layout(area, labelFont(painter.font())).plot;
    painter.save();
    painter.setClipRect(plot);
    painter.setBrush(Qt::NoBrush);
    for (const Series &series : m_series) {
        // One pixel wide: a thicker antialiased line costs several times as much to draw.
        painter.setPen(QPen(series.colour, 1.0));
        for (const QPolygonF &piece : linePieces(series, plot)) {
            if (piece.size() >= 2)
                painter.drawPolyline(piece);
        }
    }
    painter.restore();
}
