#include "ui/directorygridmodel.h"

#include "ui/gridtext.h"

namespace zmp {

void DirectoryGridModel::reload(const Directory& directory, bool memoryId)
{
    beginResetModel();
    directory_ = &directory;
    memoryId_ = memoryId;
    endResetModel();
}

int DirectoryGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !directory_ ? 0 : static_cast<int>(directory_->size());
}

int DirectoryGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : DirectoryGridColumnCount;
}

QVariant DirectoryGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole || !directory_) return {};
    const int row = index.row();
    return QString::fromStdString(
        directoryGridCell((*directory_)[static_cast<std::size_t>(row)], row + 1, index.column()));
}

QVariant DirectoryGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= DirectoryGridColumnCount)
        return {};
    return QString::fromUtf8(directoryGridColumns(memoryId_)[static_cast<std::size_t>(section)].header);
}

} // namespace zmp
