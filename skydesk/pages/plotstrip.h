#ifndef SKYDESK_PLOTSTRIP_H
#define SKYDESK_PLOTSTRIP_H

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QVector>

class QPainter;

// One rolling plot panel: a title with a legend beside it, value labels on the left and the lines
// of the last seconds, the newest sample at the right edge. The tools page's small plots and the
// sensor scope paint their panels with it.
class PlotStrip
{
public:
    struct Series
    {
        QString name; // shown in the legend
        QColor colour;
        QVector<QPointF> points; // x: time in seconds, increasing; y: value
        // Values that come round again after this much (a heading: 360); a step of more than
        // half of it is a wrap and draws no line. 0: no wrap.
        double period = 0.0;
    };

    // Where the parts of a panel go inside its area.
    struct Layout
    {
        QRectF title;
        QRectF legend;
        QRectF upperLabel; // the value at the top of the plot
        QRectF lowerLabel; // the value at the bottom
        QRectF plot;       // the lines and the grid
    };

    PlotStrip(const QString &title, double low, double high);

    void setSeries(const QVector<Series> &series) { m_series = series; }
    const QVector<Series> &series() const { return m_series; }
    double low() const { return m_low; }
    double high() const { return m_high; }
    // The time span shown and the time at the right edge.
    void setWindow(double seconds, double newest);
    // Vertical grid lines every step seconds back from the right edge; none when 0. On whole
    // steps, they lie at whole multiples of the step instead, where a clock's labels go.
    void setTimeGrid(double stepSeconds, bool onWholeSteps = false)
    {
        m_timeStep = stepSeconds;
        m_gridOnWholeSteps = onWholeSteps;
    }
    // Panels stacked over one time axis reserve the same width for their value labels, the
    // widest any of them needs, so that their plots begin at the same x.
    double labelWidth(const QFont &font) const;
    void setLabelWidth(double width) { m_labelWidth = width; }
    // Where the vertical grid lines of a plot area go, right to left.
    QVector<double> timeGridX(const QRectF &plot) const;
    // The stretches of a series a plot area shows, in its coordinates; split where it wraps.
    QVector<QPolygonF> linePieces(const Series &series, const QRectF &plot) const;

    // The font of titles, legends and labels, a little smaller than the widget's.
    static QFont labelFont(const QFont &widgetFont);
    Layout layout(const QRectF &area, const QFont &font) const;
    void paint(QPainter &painter, const QRectF &area) const;
    // The two halves of paint(): what stays while the samples move (panel, grid, title, legend,
    // value labels), and the lines. A painter may keep the first and redraw only the lines.
    void paintFrame(QPainter &painter, const QRectF &area) const;
    void paintLines(QPainter &painter, const QRectF &area) const;
    // Equal for two panels whose frames look the same at the same size.
    QString frameKey() const;

    // A readable range covering low..high: both ends rounded out to a step of 1, 2, 2.5 or 5
    // times a power of ten, at least minimumSpan wide.
    static void niceRange(double *low, double *high, double minimumSpan);
    // Text for a value label: as few digits as the range needs.
    static QString labelText(double value);

private:
    double legendWidth(const QFont &font) const;

    QString m_title;
    double m_low;
    double m_high;
    double m_windowSeconds = 10.0;
    double m_newest = 0.0;
    double m_timeStep = 0.0;
    bool m_gridOnWholeSteps = false;
    double m_labelWidth = 0.0;
    QVector<Series> m_series;
};

#endif // SKYDESK_PLOTSTRIP_H
