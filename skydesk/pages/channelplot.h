#ifndef SKYDESK_CHANNELPLOT_H
#define SKYDESK_CHANNELPLOT_H

#include "fclink/model/telemetrysnapshot.h"
#include "plotstrip.h"

#include <QPixmap>
#include <QString>
#include <QVector>
#include <QWidget>

// Telemetry channels drawn over one time axis: one panel per kind of value (attitude, heading,
// gyro rates, accelerations, altitude, voltage, compass error, RC channels) with a legend of the
// chosen channels, and the time labels under the last panel. Subclasses say where the values come
// from (the live scope, a recording) and what the time axis reads.
class ChannelPlot : public QWidget
{
    Q_OBJECT

public:
    using Channel = fclink::TelemetryChannel;

    struct Group
    {
        QString title;
        double minimumSpan; // the smallest value range a panel shows
        QVector<Channel> channels;
        // Values that come round again (a heading): the panel shows one whole turn and draws
        // no line across a wrap. 0: the range follows the values.
        double period = 0.0;
        QString unit; // of every channel in the group; empty for plain numbers
    };

    explicit ChannelPlot(QWidget *parent = nullptr);

    // The panels in the order they are stacked, each with its channels.
    static QVector<Group> groups();
    static Group groupOf(Channel channel);
    // A channel's name in its panel's legend.
    static QString channelName(Channel channel);
    static QColor channelColour(Channel channel);
    // The value range a panel of the group shows for values from low to high.
    static void panelRange(const Group &group, double *low, double *high);

    void setChannels(const QVector<Channel> &channels);
    QVector<Channel> channels() const { return m_channels; }

    // The panels as they are painted now, and the area each fills.
    QVector<PlotStrip> panels() const;
    QVector<QRectF> panelAreas(int count) const;
    // Where the panels' lines go, top to bottom; all begin and end at the same x.
    QVector<QRectF> plotAreas() const;

protected:
    // A panel's title, value range and legend; its lines too, unless addLines() draws them.
    virtual PlotStrip panelFor(const Group &group, const QVector<Channel> &chosen) const = 0;
    // Lines that need to know the plot area (one point pair per pixel column, say), added once
    // every panel has its place.
    virtual void addLines(PlotStrip *strip, const QVector<Channel> &chosen,
                          const QRectF &plot) const;
    // The time axis under the last panel's plot area.
    virtual void paintTimeLabels(QPainter &painter, const QRectF &plot) const = 0;
    virtual QString emptyText() const;
    // The width every panel keeps for its value labels at the least, so that the plots' left
    // edge stays put while the ranges change.
    virtual double minimumLabelWidth(const QFont &labelFont) const;

    // The panels with their titles, ranges and legends; without the lines addLines() adds.
    QVector<PlotStrip> framedPanels() const;
    // The channels of a group that are chosen, in the group's order.
    QVector<Channel> chosenOf(const Group &group) const;
    void paintHint(QPainter &painter, const QString &text) const;
    // The panels, their lines and the time labels, as paintEvent() shows them.
    void paintPanels(QPainter &painter);
    void paintEvent(QPaintEvent *event) override;

    static constexpr double kPanelGap = 4.0;
    static constexpr double kTimeLabelHeight = 16.0;

private:
    QVector<QRectF> plotAreasOf(const QVector<PlotStrip> &strips) const;

    QVector<Channel> m_channels;
    QPixmap m_frame; // what stays while only the lines move, see paintPanels()
    QString m_frameKey;
};

#endif // SKYDESK_CHANNELPLOT_H
