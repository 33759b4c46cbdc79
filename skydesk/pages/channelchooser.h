#ifndef SKYDESK_CHANNELCHOOSER_H
#define SKYDESK_CHANNELCHOOSER_H

#include "channelplot.h"

#include <QTreeWidget>
#include <QVector>

// The list of telemetry channels to plot: one tickable entry per panel of a ChannelPlot with its
// channels under it, so that a whole panel is ticked at once. The eight RC channels start folded.
class ChannelChooser : public QTreeWidget
{
    Q_OBJECT

public:
    using Channel = ChannelPlot::Channel;

    explicit ChannelChooser(QWidget *parent = nullptr);

    QVector<Channel> chosen() const;
    void setChosen(const QVector<Channel> &channels);

signals:
    void chosenChanged();

private:
    void build();
};

#endif // SKYDESK_CHANNELCHOOSER_H
