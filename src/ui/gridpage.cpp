#include "ui/gridpage.h"

#include <QHeaderView>
#include <algorithm>

#include <QKeyEvent>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include "message/messagetexts.h"
#include "ui/focushints.h"
#include "ui/twips.h"

namespace zmp {

GridPage::GridPage(PageContext context, const char* gridName, QWidget* parent) : Page(context, parent)
{
    grid_ = new QTableView(this);
    grid_->setObjectName(QString::fromUtf8(gridName));
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setWordWrap(false);
    // Tab leaves the grid as in every view; the arrows move inside it.
    grid_->setTabKeyNavigation(false);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setDefaultSectionSize(twipsToPixels(GridRowHeightTwips, logicalDpiY()));
    grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->horizontalHeader()->setHighlightSections(false);
    grid_->installEventFilter(this);
    auto* hints = new FocusHints(this);
    hints->add(grid_, msg::GridHint);
    connect(hints, &FocusHints::hintShown, this, &Page::hintChanged);
    connect(grid_, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) jump(index.row());
    });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);
}

// A column is as wide as its layout says, or wider when its header or a
// cell needs more in the grid's font: a 16-character name is never cut.
void GridPage::applyColumns(const GridColumn* columns, int count)
{
    const double dpi = logicalDpiX();
    for (int c = 0; c < count; ++c)
        grid_->setColumnWidth(c, std::max(twipsToPixels(columns[c].widthTwips, dpi), textWidth(c)));
}

int GridPage::textWidth(int column) const
{
    const QAbstractItemModel* model = grid_->model();
    const int margin =
        2 * (grid_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid_) + 1) + 1;
    const QString header = model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    const int headerMargin = 2 * grid_->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, grid_) + 1;
    int width = grid_->horizontalHeader()->fontMetrics().horizontalAdvance(header) + headerMargin;
    if (grid_->font() != measuredFont_) {
        advances_.clear();
        measuredFont_ = grid_->font();
    }
    const int rows = model->rowCount();
    for (int row = 0; row < rows; ++row) {
        const QString text = model->data(model->index(row, column), Qt::DisplayRole).toString();
        width = std::max(width, advanceOf(text) + margin);
    }
    return width;
}

int GridPage::advanceOf(const QString& text) const
{
    auto known = advances_.constFind(text);
    if (known == advances_.constEnd())
        known = advances_.insert(text, grid_->fontMetrics().horizontalAdvance(text));
    return *known;
}

bool GridPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const QModelIndex current = grid_->currentIndex();
            if (current.isValid()) jump(current.row());
            return true;
        }
    }
    return Page::eventFilter(watched, event);
}

void GridPage::jump(int row)
{
    const std::string key = jumpKey(row);
    if (!key.empty()) emit nodeJumpRequested(QString::fromStdString(key));
}

} // namespace zmp
