#pragma once

#include <vector>

#include <QString>

#include <QAbstractTableModel>

#include "codec/channelplan.h"
#include "model/records.h"

namespace zmp {

// The channel grid of one channel group: its enabled channels in record
// order, read from the records whenever the grid is shown. The texts are
// made once a reload: the grid measures every one of them to size its
// columns, and paints them again on every scroll.
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
    std::vector<QString> cells_; // row by row, ChannelGridColumnCount a row
};

} // namespace zmp
