#include "channelchooser.h"

namespace {
constexpr int kChannelRole = Qt::UserRole;
} // namespace

ChannelChooser::ChannelChooser(QWidget *parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setAccessibleName(tr("Channels")); // the list shows no heading of its own
    build();
    connect(this, &QTreeWidget::itemChanged, this, &ChannelChooser::chosenChanged);
}

void ChannelChooser::build()
{
    const QVector<ChannelPlot::Group> groups = ChannelPlot::groups();
    for (int g = 0; g < groups.size(); ++g) {
        auto *groupItem = new QTreeWidgetItem(this, {groups.at(g).title});
        groupItem->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
        for (Channel channel : groups.at(g).channels) {
            auto *item = new QTreeWidgetItem(groupItem, {ChannelPlot::channelName(channel)});
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            item->setData(0, kChannelRole, int(channel));
            item->setCheckState(0, Qt::Unchecked);
        }
        groupItem->setExpanded(g < groups.size() - 1);
    }
}

QVector<ChannelChooser::Channel> ChannelChooser::chosen() const
{
    QVector<Channel> channels;
    for (QTreeWidgetItemIterator it(const_cast<ChannelChooser *>(this)); *it; ++it) {
        const QVariant channel = (*it)->data(0, kChannelRole);
        if (channel.isValid() && (*it)->checkState(0) == Qt::Checked)
            channels.append(Channel(channel.toInt()));
    }
    return channels;
}

void ChannelChooser::setChosen(const QVector<Channel> &channels)
{
    {
        const QSignalBlocker quiet(this);
        for (QTreeWidgetItemIterator it(this); *it; ++it) {
            const QVariant channel = (*it)->data(0, kChannelRole);
            if (channel.isValid()) {
                const bool ticked = channels.contains(Channel(channel.toInt()));
                (*it)->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
            }
        }
    }
    emit chosenChanged();
}
