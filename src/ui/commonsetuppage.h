#pragma once

#include <vector>

#include "image/settingstable.h"
#include "ui/page.h"

class QComboBox;
class QGroupBox;
class QLabel;

namespace zmp {

class FocusHints;

// pictCommon: scanning, transmit power, time, weather alert and units.
class CommonSetupPage : public Page {
    Q_OBJECT

  public:
    explicit CommonSetupPage(PageContext context, QWidget* parent = nullptr);

    void fill(const std::string& nodeKey) override;

  private:
    struct Row {
        const SettingRow* setting = nullptr;
        QLabel* label = nullptr;
        QComboBox* list = nullptr;
    };

    void createControls();
    void addRow(QGroupBox* frame, const SettingRow& setting);
    int positionOf(const Row& row) const;
    void onChosen(const Row& row, int index);
    void applyScanRule();
    const Row* rowOf(int slot) const;

    std::vector<Row> rows_;
    FocusHints* hints_ = nullptr;
};

} // namespace zmp
