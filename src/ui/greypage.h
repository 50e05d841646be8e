#pragma once

#include "ui/page.h"

namespace zmp {

// The empty grey page of the nodes that have nothing to edit.
class GreyPage : public Page {
    Q_OBJECT

  public:
    explicit GreyPage(PageContext context, QWidget* parent = nullptr);
};

} // namespace zmp
