#pragma once

#include <array>
#include <span>

#include "image/settingstable.h"
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
    QGroupBox* createGroupBoxes(std::span<const SettingRow> rows, std::size_t first);
    QGroupBox* createCodeFrame();
    void storeAtisCode(const std::string& code);

    // One box per row of the ATIS settings, in the rows' order.
    std::array<QCheckBox*, 2 * UsableGroupCount> boxes_{};
    QLabel* codeLabel_ = nullptr;
    QLineEdit* code_ = nullptr;
    ValidatedField* codeField_ = nullptr;
    QLineEdit* count_ = nullptr;
    FocusHints* hints_ = nullptr;
};

} // namespace zmp
