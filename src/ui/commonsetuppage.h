#pragma once

#include <vector>

#include "codec/optiontables.h"
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

    // The choices of a list and the setting they store; a flag setting
    // stores its choice as true or false.
    struct Choice {
        const char* frame;
        const char* label;
        const char* name;
        int slot;
        bool flag;
        OptionList entries;
    };
    static const std::vector<Choice>& choices();

  private:
    struct Row {
        const Choice* choice = nullptr;
        QLabel* label = nullptr;
        QComboBox* list = nullptr;
    };

    void createControls();
    void addRow(QGroupBox* frame, const Choice& choice);
    int positionOf(const Row& row) const;
    void onChosen(const Row& row, int index);
    void applyScanRule();
    const Row* rowOf(int slot) const;

    std::vector<Row> rows_;
    FocusHints* hints_ = nullptr;
};

} // namespace zmp
