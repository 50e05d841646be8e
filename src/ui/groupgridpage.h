#pragma once

#include "ui/gridpage.h"

namespace zmp {

class ChannelGridModel;

// The channel grid of Group1, Group2 or Group3: the group's enabled
// channels; a row leads to its channel node.
class GroupGridPage : public GridPage {
    Q_OBJECT

  public:
    GroupGridPage(PageContext context, QWidget* parent = nullptr);

    void fill(const std::string& nodeKey) override;

  protected:
    std::string jumpKey(int row) const override;

  private:
    ChannelGridModel* model_ = nullptr;
    std::string prefix_;
};

} // namespace zmp
