#pragma once

#include <string>

#include "model/records.h"
#include "ui/page.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace zmp {

class ValidatedField;

// pictG: one Memory ID or Group ID entry. "Add" registers the first free
// slot, "Delete" removes an entry and moves the following ones up, and the
// name and MMSI are stored when their field is validated.
class DirectoryEntryPage : public Page {
    Q_OBJECT

  public:
    DirectoryEntryPage(PageContext context, QWidget* parent = nullptr);

    void fill(const std::string& nodeKey) override;
    bool canLeave() override;

  private:
    void createControls();
    void connectControls();
    void layOut(bool groupId);
    void showSlotState(int registered);
    void setFieldsEnabled(bool enabled);
    void refill();
    bool editable();
    DirectoryEntry* entry();
    Directory* directory();
    void onAdd(bool checked);
    void onDelete();
    void deleteEntry();
    void createFields();
    void storeName(const std::string& name);
    void storeMmsi(const std::string& mmsi);

    QLabel* nameLabel_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLabel* mmsiLabel_ = nullptr;
    QLabel* groupZero_ = nullptr;
    QLineEdit* mmsi_ = nullptr;
    QCheckBox* add_ = nullptr;
    QCheckBox* delete_ = nullptr;
    std::string key_;
    int slot_ = 0; // 1-based
    bool groupId_ = false;
    ValidatedField* nameField_ = nullptr;
    ValidatedField* mmsiField_ = nullptr;
};

} // namespace zmp
