#pragma once

#include <QAbstractTableModel>

#include "model/records.h"

namespace zmp {

// A directory grid: one row per slot of the Memory ID or Group ID list,
// registered or not.
class DirectoryGridModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit DirectoryGridModel(QObject* parent) : QAbstractTableModel(parent) {}

    void reload(const Directory& directory, bool memoryId);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    const Directory* directory_ = nullptr;
    bool memoryId_ = true;
};

} // namespace zmp
