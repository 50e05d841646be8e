#pragma once

#include "ui/gridpage.h"

namespace zmp {

class ExpGridModel;

// The expansion channel grid: all 64 EXP channels; a row leads to its
// EXP node.
class ExpGridPage : public GridPage {
    Q_OBJECT

  public:
    ExpGridPage(PageContext context, QWidget* parent = nullptr);

    void fill(const std::string& nodeKey) override;

  protected:
    std::string jumpKey(int row) const override;

  private:
    ExpGridModel* model_ = nullptr;
};

} // namespace zmp
