#pragma once

#include <array>

#include "model/records.h"
#include "ui/page.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace zmp {

class FocusHints;
class ValidatedField;

// pictATIS: the usable and killer ATIS channel groups and the ATIS code,
// for a model with ATIS.
class AtisSetupPage : public Page {
    Q_OBJECT

  public:
    explicit AtisSetupPage(PageContext context, QWidget* parent = nullptr);

    void fill(const std::string& nodeKey) override;
    bool canLeave() override;

  private:
    QGroupBox* createGroupBoxes(const char* title, const char* name, int firstSlot,
                                std::array<QCheckBox*, UsableGroupCount>& boxes);
    QGroupBox* createCodeFrame();
    void storeAtisCode(const std::string& code);

    std::array<QCheckBox*, UsableGroupCount> usable_{};
    std::array<QCheckBox*, UsableGroupCount> killer_{};
    QLabel* codeLabel_ = nullptr;
    QLineEdit* code_ = nullptr;
    ValidatedField* codeField_ = nullptr;
    QLineEdit* count_ = nullptr;
    FocusHints* hints_ = nullptr;
};

} // namespace zmp
