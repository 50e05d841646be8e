#pragma once

#include <string>

#include <QFont>
#include <QHash>
#include <QString>

#include "ui/gridtext.h"
#include "ui/page.h"

class QTableView;

namespace zmp {

// A page that is one read-only grid. Double-clicking a row, or Enter in
// the grid, jumps to that row's tree node, which opens its editor.
class GridPage : public Page {
    Q_OBJECT

  public:
    GridPage(PageContext context, const char* gridName, QWidget* parent);

    QTableView* grid() const { return grid_; }

  protected:
    // The node key of a data row (0 is the first row under the header);
    // empty when the row leads nowhere.
    virtual std::string jumpKey(int row) const = 0;
    template <std::size_t N>
    void applyColumns(const std::array<GridColumn, N>& columns)
    {
        applyColumns(columns.data(), static_cast<int>(N));
    }
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void applyColumns(const GridColumn* columns, int count);
    // The width the header and the widest cell of a column need.
    int textWidth(int column) const;
    // The width of a cell's text in the grid's font.
    int advanceOf(const QString& text) const;
    void jump(int row);

    QTableView* grid_ = nullptr;
    // Measuring text is most of a page switch, and every switch shows the
    // same texts again: each is measured once per font.
    mutable QHash<QString, int> advances_;
    mutable QFont measuredFont_;
};

} // namespace zmp
