#pragma once

#include <optional>
#include <string>

#include <QObject>

#include "exchange/exchangetable.h"

class QMenu;
class QPoint;
class QTableView;

namespace zmp {

class DialogService;
class MainWindow;
class MessageService;

// File > Export and Import, and the context menu of the grids: a channel
// table or directory to and from a CSV file.
class TableExchangeUi : public QObject {
    Q_OBJECT

  public:
    TableExchangeUi(MainWindow& window, MessageService& messages, DialogService& dialogs);

    // One item per table in each menu.
    void fillMenus(QMenu& exportMenu, QMenu& importMenu);
    // Gives the grid a context menu for the table of the node it shows.
    void addGridMenu(QTableView& grid);

    void exportTable(ExchangeTable table);
    void importTable(ExchangeTable table);
    // The table the selected tree node shows, if it shows one.
    std::optional<ExchangeTable> shownTable() const;

  signals:
    // An import changed the records.
    // An import changed the records: the step's name for the edit history.
    void imported(const std::string& step);

  private:
    void showGridMenu(QTableView& grid, const QPoint& at);
    void tell(const std::string& text);

    MainWindow& window_;
    MessageService& messages_;
    DialogService& dialogs_;
};

} // namespace zmp
