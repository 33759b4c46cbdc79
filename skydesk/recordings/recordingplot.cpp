#include "recordingplot.h"

#include "skydesk/common/qtversion.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <utility>

namespace {

const QColor kCursor(255, 255, 255, 170);
const QColor kReadoutGround(0x16, 0x22, 0x30, 225);
const QColor kReadoutEdge(0x2c, 0x3d, 0x50);
const QColor kMark(255, 255, 255, 45);
constexpr double kWheelZoom = 0.8; // the span after one notch of the wheel or one + key
constexpr double kArrowShare = 0.1;
constexpr double kMinimumLabelGap = 90.0; // pixels between two times on the axis
constexpr double kMarkThreshold = 3.0;    // pixels a marking drag needs to count
// What the value labels need at the least: a stable width keeps the plots' left edge (and the
// time under the pointer) in place while zooming changes the ranges.
const char kWidestUsualLabel[] = "-0000.0";

QString plainNumber(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    // A value that rounds to zero from below shows as 0.0, not -0.0.
    if (text.startsWith(QLatin1Char('-')) &&
        std::all_of(text.cbegin() + 1, text.cend(),
                    [](QChar c) { return c == QLatin1Char('0') || c == QLatin1Char('.'); }))
        text.remove(0, 1);
    return text;
}

} // namespace

RecordingPlot::RecordingPlot(QWidget *parent) : ChannelPlot(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    m_summaries.resize(fclink::kTelemetryChannelCount);
    m_statistics.resize(fclink::kTelemetryChannelCount);
    m_hasStatistics.fill(false, fclink::kTelemetryChannelCount);
}

void RecordingPlot::setRecording(fclink::TelemetryRecording recording, bool keepView)
{
    const bool wasWhole = m_view.isWhole();
    m_recording = std::move(recording);
    m_summaries.clear();
    for (int channel = 0; channel < fclink::kTelemetryChannelCount; ++channel) {
        m_summaries.append(
            ChannelSummary(m_recording.channels[channel], groupOf(Channel(channel)).period));
    }
    ++m_generation;
    const QVector<qint64> &times = m_recording.timeMs;
    if (times.isEmpty())
        m_view.setExtent(0.0, 0.0);
    else
        m_view.setExtent(times.first(), times.last());
    // A view of the whole recording stays so when a reload finds it longer.
    if (!keepView || wasWhole)
        m_view.fit();
    m_hasStatistics.fill(false);
    emit viewChanged();
    update();
}

void RecordingPlot::setMessage(const QString &message)
{
    m_message = message;
    update();
}

void RecordingPlot::showSpan(double startMs, double endMs)
{
    const TimeView before = m_view;
    m_view.show(startMs, endMs);
    viewMoved(before);
}

void RecordingPlot::fit()
{
    showSpan(m_view.firstMs(), m_view.lastMs());
}

void RecordingPlot::zoom(double factor, double aroundMs)
{
    const TimeView before = m_view;
    const double x = xAt(aroundMs);
    m_view.zoom(factor, aroundMs);
    // New ranges may need wider value labels, which moves the plots' left edge: put the time
    // back where it was on the screen.
    const double drift = timeAt(x) - aroundMs;
    if (std::fabs(drift) > 1e-6)
        m_view.move(-drift);
    viewMoved(before);
}

void RecordingPlot::move(double byMs)
{
    const TimeView before = m_view;
    m_view.move(byMs);
    viewMoved(before);
}

void RecordingPlot::viewMoved(const TimeView &before)
{
    if (before.start() == m_view.start() && before.end() == m_view.end())
        return;
    emit viewChanged();
    update();
}

recordingspan::Rows RecordingPlot::visibleRows() const
{
    return recordingspan::rowsBetween(m_recording.timeMs, m_view.start(), m_view.end());
}

recordingspan::Statistics RecordingPlot::statistics(Channel channel) const
{
    const int index = int(channel);
    if (m_statisticsStart != m_view.start() || m_statisticsEnd != m_view.end()) {
        m_hasStatistics.fill(false);
        m_statisticsStart = m_view.start();
        m_statisticsEnd = m_view.end();
    }
    if (!m_hasStatistics.at(index)) {
        m_statistics[index] = m_summaries.at(index).statistics(visibleRows());
        m_hasStatistics[index] = true;
    }
    return m_statistics.at(index);
}

double RecordingPlot::timeAt(double x) const
{
    const QVector<QRectF> plots = plotAreas();
    const QRectF plot = plots.isEmpty() ? QRectF(rect()) : plots.first();
    if (plot.width() <= 0.0)
        return m_view.start();
    return m_view.start() + (x - plot.left()) / plot.width() * m_view.span();
}

double RecordingPlot::xAt(double ms) const
{
    const QVector<QRectF> plots = plotAreas();
    const QRectF plot = plots.isEmpty() ? QRectF(rect()) : plots.first();
    return plot.left() + (ms - m_view.start()) / m_view.span() * plot.width();
}

int RecordingPlot::cursorRow() const
{
    if (!m_pointerInside || !m_message.isEmpty())
        return -1;
    return recordingspan::nearestRow(m_recording.timeMs, pointerTime());
}

QString RecordingPlot::timeText(double ms, int decimals)
{
    const QString sign = ms < 0.0 ? QStringLiteral("-") : QString();
    qint64 scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    const qint64 units = std::llround(std::fabs(ms) / 1000.0 * scale);
    const qint64 seconds = units / scale;
    QString text =
        seconds >= 3600
            ? QStringLiteral("%1:%2:%3")
                  .arg(seconds / 3600)
                  .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
                  .arg(seconds % 60, 2, 10, QLatin1Char('0'))
            : QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
    if (decimals > 0)
        text += QStringLiteral(".%1").arg(units % scale, decimals, 10, QLatin1Char('0'));
    return sign + text;
}

QString RecordingPlot::valueText(Channel channel, double value, int extraDecimals)
{
    if (std::isnan(value))
        return QStringLiteral("\u2013");
    const QString number = plainNumber(value, fclink::telemetryDecimals(channel) + extraDecimals);
    const QString unit = groupOf(channel).unit;
    if (unit.isEmpty())
        return number;
    // Degrees follow the number directly; other units after a space.
    return unit.startsWith(QChar(0x00b0)) ? number + unit : number + QLatin1Char(' ') + unit;
}

double RecordingPlot::timeStepMs() const
{
    static const double steps[] = {100.0,   200.0,   500.0,   1e3,      2e3,      5e3,
                                   10e3,    15e3,    30e3,    60e3,     120e3,    300e3,
                                   600e3,   900e3,   1800e3,  3600e3,   7200e3,   10800e3,
                                   21600e3, 43200e3, 86400e3, 172800e3, 432000e3, 864000e3};
    const double plotWidth = std::max(100.0, width() - 80.0);
    for (double step : steps) {
        if (step / m_view.span() * plotWidth >= kMinimumLabelGap)
            return step;
    }
    return steps[std::size(steps) - 1];
}

PlotStrip RecordingPlot::panelFor(const Group &group, const QVector<Channel> &chosen) const
{
    double low = std::numeric_limits<double>::max();
    double high = std::numeric_limits<double>::lowest();
    QVector<PlotStrip::Series> series;
    for (Channel channel : chosen) {
        const recordingspan::Statistics shown = statistics(channel);
        if (shown.count > 0) {
            low = std::min(low, shown.minimum);
            high = std::max(high, shown.maximum);
        }
        series.append({channelName(channel), channelColour(channel), {}, group.period});
    }
    panelRange(group, &low, &high);
    PlotStrip strip(group.title, low, high);
    strip.setSeries(series);
    strip.setWindow(m_view.span() / 1000.0, m_view.end() / 1000.0);
    strip.setTimeGrid(timeStepMs() / 1000.0, true);
    return strip;
}

void RecordingPlot::addLines(PlotStrip *strip, const QVector<Channel> &chosen,
                             const QRectF &plot) const
{
    // One pair of points per pixel column of the screen at most.
    const int columns = std::max(1, int(std::ceil(plot.width() * devicePixelRatioF())));
    const QVector<int> columnRows =
        recordingspan::columnRows(m_recording.timeMs, m_view.start(), m_view.end(), columns);
    QVector<PlotStrip::Series> series = strip->series();
    for (int i = 0; i < series.size() && i < chosen.size(); ++i) {
        series[i].points = m_summaries.at(int(chosen.at(i))).line(m_recording.timeMs, columnRows);
    }
    strip->setSeries(series);
}

void RecordingPlot::paintTimeLabels(QPainter &painter, const QRectF &plot) const
{
    painter.setPen(palette().color(QPalette::WindowText));
    const double step = timeStepMs();
    const int decimals = step < 1000.0 ? 1 : 0;
    const double top = plot.bottom() + kPanelGap + 6;
    const QFontMetricsF metrics(painter.font());
    for (double n = std::ceil(m_view.start() / step); n * step <= m_view.end(); ++n) {
        const double ms = n * step;
        const double x = plot.left() + (ms - m_view.start()) / m_view.span() * plot.width();
        const QString text = timeText(ms, decimals);
        const double width = metrics.horizontalAdvance(text) + 4;
        // Kept inside the widget at either end.
        const double left = std::clamp(x - width / 2.0, 0.0, std::max(0.0, this->width() - width));
        painter.drawText(QRectF(left, top, width, kTimeLabelHeight), Qt::AlignHCenter, text);
    }
}

double RecordingPlot::minimumLabelWidth(const QFont &labelFont) const
{
    return QFontMetricsF(labelFont).horizontalAdvance(QLatin1String(kWidestUsualLabel));
}

QString RecordingPlot::pictureKey() const
{
    QString key = QStringLiteral("%1x%2@%3|%4|%5..%6|%7|")
                      .arg(width())
                      .arg(height())
                      .arg(devicePixelRatioF())
                      .arg(m_generation)
                      .arg(m_view.start(), 0, 'g', 17)
                      .arg(m_view.end(), 0, 'g', 17)
                      .arg(font().key());
    for (Channel channel : channels())
        key += QString::number(int(channel)) + QLatin1Char(',');
    return key;
}

void RecordingPlot::renderPanels(QPixmap *into)
{
    const qreal ratio = devicePixelRatioF();
    *into = QPixmap(size() * ratio);
    into->setDevicePixelRatio(ratio);
    into->fill(palette().color(QPalette::Window));
    QPainter painter(into);
    painter.setFont(font());
    paintPanels(painter);
}

QPixmap RecordingPlot::picture()
{
    QPixmap picture;
    renderPanels(&picture);
    return picture;
}

void RecordingPlot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_message.isEmpty()) {
        paintHint(painter, m_message);
        return;
    }
    if (m_recording.rowCount() == 0) {
        paintHint(painter, tr("The recording has no rows yet. Reload reads the file again."));
        return;
    }
    const QString key = pictureKey();
    if (key != m_pictureKey) {
        renderPanels(&m_picture);
        m_pictureKey = key;
    }
    painter.drawPixmap(0, 0, m_picture);
    const QVector<QRectF> plots = plotAreas();
    if (!plots.isEmpty()) {
        if (m_drag == Drag::Mark)
            paintMark(painter, plots);
        paintCursor(painter, plots);
    }
    paintFocus(painter);
}

// The arrow keys move the cursor while the plot has the focus; the style draws the mark the
// page's style sheet gives it.
void RecordingPlot::paintFocus(QPainter &painter) const
{
    if (!hasFocus())
        return;
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}

void RecordingPlot::paintMark(QPainter &painter, const QVector<QRectF> &plots) const
{
    const double from = std::min(m_pressX, m_pointerX);
    const double to = std::max(m_pressX, m_pointerX);
    for (const QRectF &plot : plots) {
        const QRectF band(QPointF(std::max(from, plot.left()), plot.top()),
                          QPointF(std::min(to, plot.right()), plot.bottom()));
        painter.fillRect(band, kMark);
    }
}

void RecordingPlot::paintCursor(QPainter &painter, const QVector<QRectF> &plots) const
{
    const int row = cursorRow();
    if (row < 0)
        return;
    const double ms = m_recording.timeMs.at(row);
    const double x = xAt(ms);
    if (x < plots.first().left() - 0.5 || x > plots.first().right() + 0.5)
        return;
    painter.setFont(PlotStrip::labelFont(font()));
    int panel = 0;
    for (const Group &group : groups()) {
        const QVector<Channel> chosen = chosenOf(group);
        if (chosen.isEmpty())
            continue;
        const QRectF &plot = plots.at(panel++);
        painter.setPen(QPen(kCursor, 1.0));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        paintReadout(painter, plot, x, chosen, row);
    }
    // The row's time on the axis, over the labels there.
    const QString time = timeText(ms, 3);
    const QFontMetricsF metrics(painter.font());
    const double width = metrics.horizontalAdvance(time) + 10;
    const double left = std::clamp(x - width / 2.0, 0.0, std::max(0.0, this->width() - width));
    const QRectF box(left, plots.last().bottom() + kPanelGap + 3, width, kTimeLabelHeight + 4);
    painter.fillRect(box, kReadoutGround);
    painter.setPen(Qt::white);
    painter.drawText(box, Qt::AlignCenter, time);
}

void RecordingPlot::paintReadout(QPainter &painter, const QRectF &plot, double x,
                                 const QVector<Channel> &chosen, int row) const
{
    const QFontMetricsF metrics(painter.font());
    const double lineHeight = metrics.height();
    QStringList texts;
    for (Channel channel : chosen) {
        texts.append(channelName(channel) + QStringLiteral("  ") +
                     valueText(channel, m_recording.channels[int(channel)].at(row)));
    }
    // As many lines as the panel holds, then another column.
    const int perColumn = std::max(1, int((plot.height() - 6.0) / lineHeight));
    const int columns = (int(texts.size()) + perColumn - 1) / perColumn;
    QVector<double> widths(columns, 0.0);
    for (int i = 0; i < texts.size(); ++i)
        widths[i / perColumn] =
            std::max(widths[i / perColumn], metrics.horizontalAdvance(texts.at(i)));
    double boxWidth = 8.0 + 12.0 * (columns - 1);
    for (double width : widths)
        boxWidth += width;
    const double boxHeight = std::min(int(texts.size()), perColumn) * lineHeight + 6.0;
    double left = x + 8.0;
    if (left + boxWidth > plot.right())
        left = std::max(plot.left(), x - 8.0 - boxWidth);
    const QRectF box(left, plot.top() + 3.0, boxWidth, boxHeight);

    painter.save();
    painter.setClipRect(plot);
    painter.setPen(kReadoutEdge);
    painter.setBrush(kReadoutGround);
    painter.drawRect(box);
    double columnLeft = box.left() + 4.0;
    for (int column = 0; column < columns; ++column) {
        for (int line = 0; line < perColumn; ++line) {
            const int i = column * perColumn + line;
            if (i >= texts.size())
                break;
            painter.setPen(channelColour(chosen.at(i)));
            painter.drawText(QRectF(columnLeft, box.top() + 3.0 + line * lineHeight,
                                    widths.at(column) + 1.0, lineHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, texts.at(i));
        }
        columnLeft += widths.at(column) + 12.0;
    }
    painter.restore();
}

void RecordingPlot::pointerAt(double x)
{
    m_pointerInside = true;
    m_pointerX = x;
    update();
}

void RecordingPlot::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    pointerAt(mousePosition(event).x());
    m_pressX = mousePosition(event).x();
    m_pressView = m_view;
    const bool mark =
        event->button() == Qt::RightButton ||
        (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ShiftModifier));
    if (mark) {
        m_drag = Drag::Mark;
    } else if (event->button() == Qt::LeftButton) {
        m_drag = Drag::Move;
        setCursor(Qt::ClosedHandCursor);
    }
}

void RecordingPlot::mouseMoveEvent(QMouseEvent *event)
{
    const double x = mousePosition(event).x();
    pointerAt(x);
    if (m_drag != Drag::Move)
        return;
    // The time grabbed stays under the pointer.
    const TimeView before = m_view;
    const QVector<QRectF> plots = plotAreas();
    const double plotWidth = plots.isEmpty() ? width() : plots.first().width();
    m_view = m_pressView;
    m_view.move((m_pressX - x) / std::max(1.0, plotWidth) * m_pressView.span());
    viewMoved(before);
}

void RecordingPlot::mouseReleaseEvent(QMouseEvent *event)
{
    const double x = mousePosition(event).x();
    if (m_drag == Drag::Mark && std::fabs(x - m_pressX) >= kMarkThreshold)
        showSpan(timeAt(m_pressX), timeAt(x));
    m_drag = Drag::None;
    unsetCursor();
    update();
}

void RecordingPlot::wheelEvent(QWheelEvent *event)
{
    const double x = event->position().x();
    pointerAt(x);
    const double notches = event->angleDelta().y() / 120.0;
    if (notches != 0.0)
        zoom(std::pow(kWheelZoom, notches), timeAt(x));
    event->accept();
}

void RecordingPlot::keyPressEvent(QKeyEvent *event)
{
    const double span = m_view.span();
    // The keys zoom around the pointer while it is over the plots, else around the middle.
    const double around = m_pointerInside ? pointerTime() : m_view.start() + span / 2.0;
    switch (event->key()) {
    case Qt::Key_Left:
        move(-span * kArrowShare);
        break;
    case Qt::Key_Right:
        move(span * kArrowShare);
        break;
    case Qt::Key_PageUp:
        move(-span);
        break;
    case Qt::Key_PageDown:
        move(span);
        break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        zoom(kWheelZoom, around);
        break;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        zoom(1.0 / kWheelZoom, around);
        break;
    case Qt::Key_Home:
        fit();
        break;
    default:
        ChannelPlot::keyPressEvent(event);
        return;
    }
    event->accept();
}

void RecordingPlot::leaveEvent(QEvent *event)
{
    m_pointerInside = false;
    update();
    ChannelPlot::leaveEvent(event);
}
