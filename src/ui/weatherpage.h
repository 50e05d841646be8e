#pragma once

#include <array>

#include "model/records.h"
#include "ui/page.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace zmp {

// pictD: one row per weather channel with its enable box, scan box and
// name; every change goes straight into the WX records.
class WeatherPage : public Page {
    Q_OBJECT

  public:
    WeatherPage(PageContext context, QWidget* parent = nullptr);

    void fill(const std::string& nodeKey) override;

  private:
    struct Row {
        QLabel* label = nullptr;
        QCheckBox* enable = nullptr;
        QCheckBox* scan = nullptr;
        QLineEdit* name = nullptr;
    };

    void createRow(int row);
    void connectRow(int row);
    // Names a row's controls after its channel for assistive technology.
    void nameRow(int row, const QString& channel);
    void applyEnableRule(int row);
    bool editable();
    ChannelRecord* record(int row);

    std::array<Row, WxChannelCount> rows_{};
};

} // namespace zmp
