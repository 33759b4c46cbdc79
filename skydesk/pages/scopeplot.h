#ifndef SKYDESK_SCOPEPLOT_H
#define SKYDESK_SCOPEPLOT_H

#include "fclink/model/telemetrysnapshot.h"
#include "plotstrip.h"

#include <QPixmap>
#include <QString>
#include <QVector>
#include <QWidget>

// The sensor scope's plots: the chosen telemetry channels over the last 10 or 60 seconds, one
// panel per kind of value (attitude, heading, gyro rates, accelerations, altitude, voltage, compass
// error, RC channels) with a legend of its channels. All panels share one time axis. Paused, it
// holds the picture while it keeps collecting, so that resuming shows the present again.
class ScopePlot : public QWidget
{
    Q_OBJECT

public:
    using Channel = fclink::TelemetryChannel;

    // The longest window: what is kept.
    static constexpr double kLongestWindowSeconds = 60.0;

    struct Group
    {
        QString title;
        double minimumSpan; // the smallest value range a panel shows
        QVector<Channel> channels;
        // Values that come round again (a heading): the panel shows one whole turn and draws
        // no line across a wrap. 0: the range follows the values.
        double period = 0.0;
    };

    explicit ScopePlot(QWidget *parent = nullptr);

    // The panels in the order they are stacked, each with its channels.
    static QVector<Group> groups();
    // A channel's name in its panel's legend.
    static QString channelName(Channel channel);

    void addSnapshot(double time, const fclink::TelemetrySnapshot &snapshot);
    void clear();
    int sampleCount() const { return m_history.size(); }

    void setChannels(const QVector<Channel> &channels);
    QVector<Channel> channels() const { return m_channels; }
    void setWindowSeconds(double seconds);
    double windowSeconds() const { return m_windowSeconds; }
    void setPaused(bool paused);
    bool isPaused() const { return m_paused; }

    // The panels as they are painted now, and the area each fills.
    QVector<PlotStrip> panels() const;
    QVector<QRectF> panelAreas(int count) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Sample
    {
        double time;
        fclink::TelemetrySnapshot snapshot;
    };

    const QVector<Sample> &shown() const { return m_paused ? m_held : m_history; }
    PlotStrip panelFor(const Group &group, const QVector<Channel> &chosen) const;
    void paintTimeLabels(QPainter &painter, const QRectF &plot) const;

    QVector<Sample> m_history;
    QVector<Sample> m_held; // the picture while paused
    QVector<Channel> m_channels;
    double m_windowSeconds = 10.0;
    bool m_paused = false;
    QPixmap m_frame; // what stays from one cycle to the next, see paintEvent
    QString m_frameKey;
};

#endif // SKYDESK_SCOPEPLOT_H
