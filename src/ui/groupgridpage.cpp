#include "ui/groupgridpage.h"

#include <QTableView>

#include "codec/channelplan.h"
#include "ui/channeldisplay.h"
#include "ui/channelgridmodel.h"
#include "ui/recordlookup.h"

namespace zmp {

namespace {

constexpr int ChannelGridHelpContext = 1077;

} // namespace

GroupGridPage::GroupGridPage(PageContext context, QWidget* parent) : GridPage(context, "MSFlexGrid1", parent)
{
    setObjectName(QStringLiteral("pageGroupGrid"));
    grid()->setAccessibleName(QStringLiteral("Channel list"));
    model_ = new ChannelGridModel(channelPlan(), this);
    grid()->setModel(model_);
    grid()->setProperty("helpContext", ChannelGridHelpContext);
}

void GroupGridPage::fill(const std::string& nodeKey)
{
    static const ChannelTable none;
    prefix_ = nodeKey.substr(0, 2);
    const ChannelTable* table = channelTableOfKey(state().records, nodeKey);
    model_->reload(table ? *table : none);
    applyColumns(groupGridColumns());
}

std::string GroupGridPage::jumpKey(int row) const
{
    const QString label = model_->data(model_->index(row, 0), Qt::DisplayRole).toString();
    const int position = planPositionOfLabel(channelPlan(), label.toStdString());
    return position < 0 ? std::string() : prefix_ + std::to_string(position);
}

} // namespace zmp
