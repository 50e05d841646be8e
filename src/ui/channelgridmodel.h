#pragma once

#include <vector>

#include <QAbstractTableModel>

#include "codec/channelplan.h"
#include "model/records.h"

namespace zmp {

// The channel grid of one channel group: its enabled channels in record
// order, read from the records whenever the grid is shown.
class ChannelGridModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    ChannelGridModel(const ChannelPlan& plan, QObject* parent) : QAbstractTableModel(parent), plan_(plan) {}

    void reload(const ChannelTable& table);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    const ChannelPlan& plan_;
    const ChannelTable* table_ = nullptr;
    std::vector<std::size_t> rows_; // record indexes of the enabled channels
};

} // namespace zmp
