#pragma once

#include <QAbstractTableModel>

#include "model/records.h"

namespace zmp {

// The expansion channel grid: every EXP record, enabled or not.
class ExpGridModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit ExpGridModel(QObject* parent) : QAbstractTableModel(parent) {}

    void reload(const ChannelTable& table);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    const ChannelTable* table_ = nullptr;
};

} // namespace zmp
