#ifndef SKYDESK_SCOPEPLOT_H
#define SKYDESK_SCOPEPLOT_H

#include "channelplot.h"

#include <QVector>

// The sensor scope's plots: the chosen telemetry channels over the last 10 or 60 seconds, the
// newest at the right edge. Paused, it holds the picture while it keeps collecting, so that
// resuming shows the present again.
class ScopePlot : public ChannelPlot
{
    Q_OBJECT

public:
    // The longest window: what is kept.
    static constexpr double kLongestWindowSeconds = 60.0;

    explicit ScopePlot(QWidget *parent = nullptr);

    void addSnapshot(double time, const fclink::TelemetrySnapshot &snapshot);
    void clear();
    int sampleCount() const { return m_history.size(); }

    void setWindowSeconds(double seconds);
    double windowSeconds() const { return m_windowSeconds; }
    void setPaused(bool paused);
    bool isPaused() const { return m_paused; }

protected:
    PlotStrip panelFor(const Group &group, const QVector<Channel> &chosen) const override;
    void paintTimeLabels(QPainter &painter, const QRectF &plot) const override;

private:
    struct Sample
    {
        double time;
        fclink::TelemetrySnapshot snapshot;
    };

    const QVector<Sample> &shown() const { return m_paused ? m_held : m_history; }

    QVector<Sample> m_history;
    QVector<Sample> m_held; // the picture while paused
    double m_windowSeconds = 10.0;
    bool m_paused = false;
};

#endif // SKYDESK_SCOPEPLOT_H
