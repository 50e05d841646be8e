#pragma once

#include <array>

#include "model/records.h"
#include "ui/page.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace zmp {

class FocusHints;
class ValidatedField;

// pictUsable: which channel groups the radio offers, their priority
// channels and status names, and the expansion group's memberships.
class UsableSetupPage : public Page {
    Q_OBJECT

  public:
    explicit UsableSetupPage(PageContext context, QWidget* parent = nullptr);

    void fill(const std::string& nodeKey) override;
    bool canLeave() override;

  private:
    struct GroupRow {
        QCheckBox* usable = nullptr;
        QLabel* priorityLabel = nullptr;
        QComboBox* priority = nullptr;
        QLabel* statusLabel = nullptr;
        QLineEdit* statusName = nullptr;
        ValidatedField* statusField = nullptr;
    };

    void createControls();
    QWidget* createGroupFrame(const char* caption, int firstGroup, int lastGroup);
    QWidget* createExpMembershipFrame();
    void createRow(QWidget* frame, int group);
    void fillPriorityList(int group);
    void fillExpCaptions();
    void applyGroupEnable(int group);
    void onUsableClicked(int group, bool checked);
    void onPriorityChosen(int group, int index);
    void onExpClicked(int member, bool checked);
    void storeStatusName(int group, const std::string& name);

    std::array<GroupRow, UsableGroupCount> rows_{};
    std::array<QCheckBox*, 3> expMembers_{};
    FocusHints* hints_ = nullptr;
};

} // namespace zmp
