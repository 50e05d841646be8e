#pragma once

#include <array>
#include <vector>

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
    // One list and the setting it stores: a SettingValues slot or a
    // DscFlags slot. A call row's list also enables its power list.
    struct Binding {
        QComboBox* list = nullptr;
        bool dscFlag = false;
        int slot = 0;
        QComboBox* power = nullptr;
    };

    void createControls();
    QWidget* createBasicTab();
    QWidget* createAdvancedTab(int firstKind, int lastKind, bool withClear);
    QWidget* createDisplayTab();
    QGroupBox* createUsableFrame(QWidget* tab);
    QGroupBox* createMmsiFrame(QWidget* tab);
    QGroupBox* createCallRows(QWidget* tab);
    QGroupBox* createBeepFrame(QWidget* tab);
    QGroupBox* createCallKindFrame(QWidget* tab, int kind, int column);
    QGroupBox* createClearFrame(QWidget* tab);
    QComboBox* addRow(QGroupBox* frame, const std::string& label, const QString& name, bool dscFlag,
                      int slot);
    QComboBox* addPowerList(QGroupBox* frame, const QString& name, bool dscFlag, int slot);
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
