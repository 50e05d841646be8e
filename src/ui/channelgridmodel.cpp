#include "ui/channelgridmodel.h"

#include "ui/gridtext.h"

namespace zmp {

void ChannelGridModel::reload(const ChannelTable& table)
{
    beginResetModel();
    cells_.clear();
    for (const ChannelRecord& channel : table) {
        if (!channel.Enable) continue;
        const bool known = channel.Position >= 0 && static_cast<std::size_t>(channel.Position) < plan_.size();
        for (int column = 0; column < ChannelGridColumnCount; ++column)
            cells_.push_back(known ? QString::fromStdString(groupGridCell(
                                         plan_[static_cast<std::size_t>(channel.Position)], channel, column))
                                   : QString());
    }
    endResetModel();
}

int ChannelGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(cells_.size() / ChannelGridColumnCount);
}

int ChannelGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ChannelGridColumnCount;
}

QVariant ChannelGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    return cells_[static_cast<std::size_t>(index.row() * ChannelGridColumnCount + index.column())];
}

QVariant ChannelGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ChannelGridColumnCount)
        return {};
    return QString::fromUtf8(groupGridColumns()[static_cast<std::size_t>(section)].header);
}

} // namespace zmp
