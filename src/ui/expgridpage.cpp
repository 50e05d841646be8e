#include "ui/expgridpage.h"

#include <QTableView>

#include "ui/expgridmodel.h"

namespace zmp {

namespace {

constexpr int ChannelGridHelpContext = 1077;

} // namespace

ExpGridPage::ExpGridPage(PageContext context, QWidget* parent) : GridPage(context, "MSFlexGrid1", parent)
{
    setObjectName(QStringLiteral("pageExpGrid"));
    grid()->setAccessibleName(QStringLiteral("EXP channel list"));
    model_ = new ExpGridModel(this);
    grid()->setModel(model_);
    grid()->setProperty("helpContext", ChannelGridHelpContext);
}

void ExpGridPage::fill(const std::string&)
{
    model_->reload(state().records.exp);
    applyColumns(expGridColumns());
}

std::string ExpGridPage::jumpKey(int row) const
{
    return "E" + std::to_string(row + 1);
}

} // namespace zmp
