#pragma once

#include <array>
#include <span>
#include <vector>

#include "image/dscsettingstable.h"
#include "model/records.h"
#include "ui/page.h"

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace zmp {

class FocusHints;
class ValidatedField;

// pictDSC: the DSC settings on four tabs, the User MMSI and the buttons
// that clear data in the radio.
class DscSetupPage : public Page {
    Q_OBJECT

  public:
    explicit DscSetupPage(PageContext context, QWidget* parent = nullptr);

    void fill(const std::string& nodeKey) override;
    bool canLeave() override;

    static constexpr int ClearButtonCount = 7;

  private:
    // One list and the choice it stores. A call's list also enables its
    // power list.
    struct Binding {
        QComboBox* list = nullptr;
        const DscSettingRow* row = nullptr;
        QComboBox* power = nullptr;
    };

    void createControls();
    QWidget* createBasicTab();
    QWidget* createAdvancedTab(std::span<const char* const> frames, bool withClear);
    QWidget* createDisplayTab();
    QGroupBox* createUsableFrame(QWidget* tab);
    QGroupBox* createMmsiFrame(QWidget* tab);
    QGroupBox* createClearFrame(QWidget* tab);
    QGroupBox* createRowsFrame(QWidget* tab, const char* frame, int column = 0);
    void addRow(QGroupBox* frame, const DscSettingRow& row);
    void addPowerList(QGroupBox* frame, const DscSettingRow& row);
    void bind(QComboBox* list, const DscSettingRow& row);
    QComboBox* newList(QGroupBox* frame, const QString& name, const std::vector<std::string>& texts);
    void onChosen(const Binding& binding, int index);
    int storedValue(const Binding& binding) const;
    void storeUserMmsi(const std::string& mmsi);

    QTabWidget* tabs_ = nullptr;
    std::array<QLabel*, UsableGroupCount> usableLabels_{};
    QLineEdit* userMmsi_ = nullptr;
    ValidatedField* userMmsiField_ = nullptr;
    QLineEdit* count_ = nullptr;
    std::vector<Binding> bindings_;
    FocusHints* hints_ = nullptr;
};

} // namespace zmp
