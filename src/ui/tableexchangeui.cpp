#include "ui/tableexchangeui.h"

#include <QMenu>
#include <QTableView>

#include "exchange/csvfile.h"
#include "exchange/tableexchange.h"
#include "files/atomicfile.h"
#include "message/messagetexts.h"
#include "ui/dialogservice.h"
#include "ui/mainwindow.h"
#include "ui/messageservice.h"
#include "ui/nodetree.h"

namespace zmp {

namespace {

// A message box shows this many problems and counts the rest.
constexpr std::size_t ShownProblems = 15;

QString itemCaption(ExchangeTable table)
{
    return QString::fromStdString(exchangeTableCaption(table)) + QStringLiteral("\u2026");
}

std::string problemList(const std::vector<std::string>& problems)
{
    std::string text;
    for (std::size_t i = 0; i < problems.size() && i < ShownProblems; ++i)
        text += "\n" + problems[i];
    if (problems.size() > ShownProblems)
        text += "\n\u2026 and " + std::to_string(problems.size() - ShownProblems) + " more";
    return text;
}

} // namespace

TableExchangeUi::TableExchangeUi(MainWindow& window, MessageService& messages, DialogService& dialogs)
    : QObject(&window), window_(window), messages_(messages), dialogs_(dialogs)
{
}

void TableExchangeUi::fillMenus(QMenu& exportMenu, QMenu& importMenu)
{
    for (const ExchangeTable table : ExchangeTables) {
        const QString id = QString::fromStdString(exchangeTableId(table));
        QAction* out = exportMenu.addAction(itemCaption(table), this, [this, table] { exportTable(table); });
        out->setObjectName(QStringLiteral("mnuFileExport_") + id);
        QAction* in = importMenu.addAction(itemCaption(table), this, [this, table] { importTable(table); });
        in->setObjectName(QStringLiteral("mnuFileImport_") + id);
    }
}

void TableExchangeUi::addGridMenu(QTableView& grid)
{
    grid.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&grid, &QWidget::customContextMenuRequested, this,
            [this, &grid](const QPoint& at) { showGridMenu(grid, at); });
}

void TableExchangeUi::showGridMenu(QTableView& grid, const QPoint& at)
{
    const auto table = shownTable();
    if (!table) return;
    QMenu menu(&grid);
    menu.setObjectName(QStringLiteral("mnuGridExchange"));
    menu.addAction(QStringLiteral("Export\u2026"), this, [this, table] { exportTable(*table); });
    menu.addAction(QStringLiteral("Import\u2026"), this, [this, table] { importTable(*table); });
    menu.exec(grid.viewport()->mapToGlobal(at));
}

std::optional<ExchangeTable> TableExchangeUi::shownTable() const
{
    const NodeTree& tree = window_.tree();
    const std::string key = tree.keyOf(tree.selectedIndex());
    if (key == "PU") return ExchangeTable::Usa;
    if (key == "PI") return ExchangeTable::Intl;
    if (key == "PC") return ExchangeTable::Can;
    if (key == "PW") return ExchangeTable::Wx;
    if (key == "ExpChannel") return ExchangeTable::Exp;
    if (key == "SM") return ExchangeTable::MemoryId;
    if (key == "SG") return ExchangeTable::GroupId;
    return std::nullopt;
}

void TableExchangeUi::exportTable(ExchangeTable table)
{
    if (!window_.leavePageCheck()) return;
    const std::string path = dialogs_.saveFileName(msg::CsvFilter, "");
    if (path.empty()) return;
    FileError error;
    if (!writeFileAtomically(path, TableExchange::exportCsv(window_.state().records, table), &error))
        tell(msg::UnableToWrite + path + "\n" + error.description);
}

void TableExchangeUi::importTable(ExchangeTable table)
{
    if (!window_.leavePageCheck()) return;
    const std::string path = dialogs_.openFileName(msg::CsvFilter, "");
    if (path.empty()) return;
    std::string text;
    if (const auto error = readCsvFile(path, text)) return tell(msg::UnableToRead + path + "\n" + *error);
    const auto problems = TableExchange::importCsv(window_.state().records, table, text);
    if (!problems.empty()) return tell(msg::NothingImported + path + ":" + problemList(problems));
    emit imported("Import " + exchangeTableCaption(table));
}

void TableExchangeUi::tell(const std::string& text)
{
    messages_.show(
        {window_.state().title(), text, MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok});
}

} // namespace zmp
