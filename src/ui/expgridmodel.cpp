#include "ui/expgridmodel.h"

#include "ui/gridtext.h"

namespace zmp {

void ExpGridModel::reload(const ChannelTable& table)
{
    beginResetModel();
    table_ = &table;
    endResetModel();
}

int ExpGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !table_ ? 0 : static_cast<int>(table_->size());
}

int ExpGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ChannelGridColumnCount;
}

QVariant ExpGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole || !table_) return {};
    const int row = index.row();
    return QString::fromStdString(
        expGridCell((*table_)[static_cast<std::size_t>(row)], row + 1, index.column()));
}

QVariant ExpGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ChannelGridColumnCount)
        return {};
    return QString::fromUtf8(expGridColumns()[static_cast<std::size_t>(section)].header);
}

} // namespace zmp
