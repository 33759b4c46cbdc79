#ifndef SKYDESK_RECORDINGPLOT_H
#define SKYDESK_RECORDINGPLOT_H

#include "channelsummary.h"
#include "fclink/storage/telemetryrecording.h"
#include "recordingspan.h"
#include "skydesk/pages/channelplot.h"
#include "timeview.h"

#include <QPixmap>
#include <QString>
#include <QVector>

// A recording's chosen channels over the stretch of it that is shown, in the sensor scope's
// panels, with the recording's clock on the time axis. The wheel zooms around the pointer,
// dragging moves, dragging with the right button (or Shift) marks a stretch to show; the arrow
// keys move, + and - zoom, Home shows the whole recording. A cursor line follows the pointer with
// the time and each channel's value there.
//
// Each panel draws at most two points per pixel column, whatever the number of rows; the picture
// is kept until the view, the choice or the size changes, so the cursor only paints over it.
class RecordingPlot : public ChannelPlot
{
    Q_OBJECT

public:
    explicit RecordingPlot(QWidget *parent = nullptr);

    // Takes the recording; keepView keeps the stretch shown (as far as it still lies within),
    // otherwise the whole recording is shown.
    void setRecording(fclink::TelemetryRecording recording, bool keepView);
    const fclink::TelemetryRecording &recording() const { return m_recording; }
    // Shown instead of the panels while it is not empty (while the file is read).
    void setMessage(const QString &message);

    const TimeView &view() const { return m_view; }
    void showSpan(double startMs, double endMs);
    void fit();
    void zoom(double factor, double aroundMs);
    void move(double byMs);

    // The rows of the stretch shown, and each channel's minimum, maximum and mean over them.
    recordingspan::Rows visibleRows() const;
    recordingspan::Statistics statistics(Channel channel) const;

    // The recording's time at a widget x on the plots' time axis, and back.
    double timeAt(double x) const;
    double xAt(double ms) const;
    // The row the cursor shows (the nearest to the pointer), -1 while the pointer is not over
    // the plots.
    int cursorRow() const;
    double pointerTime() const { return timeAt(m_pointerX); }

    // The plots as they are shown, without the cursor, at the screen's scale.
    QPixmap picture();

    // A time of the recording's clock: m:ss or h:mm:ss, with decimals of a second.
    static QString timeText(double ms, int decimals);
    // A channel's value with its unit, to the controller's resolution plus extraDecimals.
    static QString valueText(Channel channel, double value, int extraDecimals = 0);

signals:
    void viewChanged();

protected:
    PlotStrip panelFor(const Group &group, const QVector<Channel> &chosen) const override;
    void addLines(PlotStrip *strip, const QVector<Channel> &chosen,
                  const QRectF &plot) const override;
    void paintTimeLabels(QPainter &painter, const QRectF &plot) const override;
    double minimumLabelWidth(const QFont &labelFont) const override;

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    enum class Drag
    {
        None,
        Move,
        Mark
    };

    void viewMoved(const TimeView &before);
    void pointerAt(double x);
    double timeStepMs() const;
    QString pictureKey() const;
    void renderPanels(QPixmap *into);
    void paintCursor(QPainter &painter, const QVector<QRectF> &plots) const;
    void paintFocus(QPainter &painter) const;
    void paintReadout(QPainter &painter, const QRectF &plot, double x,
                      const QVector<Channel> &chosen, int row) const;
    void paintMark(QPainter &painter, const QVector<QRectF> &plots) const;

    fclink::TelemetryRecording m_recording;
    QVector<ChannelSummary> m_summaries; // one per channel, sharing the recording's columns
    int m_generation = 0;                // counts the recordings taken, for the picture's key
    TimeView m_view;
    QString m_message;

    // Worked out once per view and reused by every panel and the statistics table.
    mutable QVector<recordingspan::Statistics> m_statistics;
    mutable QVector<bool> m_hasStatistics;
    mutable double m_statisticsStart = 0.0;
    mutable double m_statisticsEnd = 0.0;

    QPixmap m_picture;
    QString m_pictureKey;

    bool m_pointerInside = false;
    double m_pointerX = 0.0;
    Drag m_drag = Drag::None;
    double m_pressX = 0.0;
    TimeView m_pressView;
};

#endif // SKYDESK_RECORDINGPLOT_H
