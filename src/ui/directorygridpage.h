#pragma once

#include "ui/gridpage.h"

namespace zmp {

class DirectoryGridModel;

// The Individual or Group Directory grid: every slot; a row leads to its
// Memory ID or Group ID node.
class DirectoryGridPage : public GridPage {
    Q_OBJECT

  public:
    DirectoryGridPage(PageContext context, QWidget* parent = nullptr);

    void fill(const std::string& nodeKey) override;

  protected:
    std::string jumpKey(int row) const override;

  private:
    DirectoryGridModel* model_ = nullptr;
    bool memoryId_ = true;
};

} // namespace zmp
