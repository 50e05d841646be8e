#include "ui/directorygridpage.h"

#include <QTableView>

#include "ui/directorygridmodel.h"
#include "ui/recordlookup.h"

namespace zmp {

DirectoryGridPage::DirectoryGridPage(PageContext context, QWidget* parent)
    : GridPage(context, "MSFlexGrid2", parent)
{
    setObjectName(QStringLiteral("pageDirectoryGrid"));
    grid()->setAccessibleName(QStringLiteral("Directory list"));
    model_ = new DirectoryGridModel(this);
    grid()->setModel(model_);
}

void DirectoryGridPage::fill(const std::string& nodeKey)
{
    static const Directory none;
    memoryId_ = !isGroupDirectoryKey(nodeKey);
    const Directory* directory = directoryOfKey(state().records, nodeKey);
    model_->reload(directory ? *directory : none, memoryId_);
    applyColumns(directoryGridColumns(memoryId_));
}

std::string DirectoryGridPage::jumpKey(int row) const
{
    return (memoryId_ ? "SM" : "SG") + std::to_string(row + 1);
}

} // namespace zmp
