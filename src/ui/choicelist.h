#pragma once

#include <QComboBox>

namespace zmp {

// A drop-down list of the settings pages. Assistive technology picks an
// entry by selecting it in the open list, which does not make it current;
// this list takes such an entry as chosen.
class ChoiceList : public QComboBox {
    Q_OBJECT

  public:
    using QComboBox::QComboBox;

    void showPopup() override;

  private:
    void takeSelectedEntry();

    bool following_ = false;
};

} // namespace zmp
