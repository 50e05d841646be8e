#include "ui/channelgridmodel.h"

#include "ui/gridtext.h"

namespace zmp {

void ChannelGridModel::reload(const ChannelTable& table)
{
    beginResetModel();
    table_ = &table;
    rows_.clear();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].Enable) rows_.push_back(i);
    endResetModel();
}

int ChannelGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ChannelGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ChannelGridColumnCount;
}

QVariant ChannelGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole || !table_) return {};
    const ChannelRecord& channel = (*table_)[rows_[static_cast<std::size_t>(index.row())]];
    if (channel.Position < 0 || static_cast<std::size_t>(channel.Position) >= plan_.size()) return {};
    const ChannelPlanEntry& row = plan_[static_cast<std::size_t>(channel.Position)];
    return QString::fromStdString(groupGridCell(row, channel, index.column()));
}

QVariant ChannelGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ChannelGridColumnCount)
        return {};
    return QString::fromUtf8(groupGridColumns()[static_cast<std::size_t>(section)].header);
}

} // namespace zmp
