#pragma once

#include <optional>
#include <vector>

#include <QDialog>

#include "backup/backupentry.h"

class QPushButton;
class QTreeWidget;

namespace zmp {

// File > "Backups…": the automatic backups, newest first, with their date,
// whether they were read or programmed, the MMSI and the destination. Open
// (or a double click) hands the chosen backup back.
class BackupsDialog : public QDialog {
    Q_OBJECT

  public:
    explicit BackupsDialog(std::vector<BackupEntry> entries, QWidget* parent = nullptr);

    // The backup the user opened; nothing when the dialog was closed.
    const std::optional<BackupEntry>& chosen() const { return chosen_; }
    // "2026-12-08T06:26:10Z" in the local time zone, "2026-12-08 07:26:10".
    static QString localTime(const std::string& utc);

  private:
    void fillList();
    void openCurrent();

    std::vector<BackupEntry> entries_;
    std::optional<BackupEntry> chosen_;
    QTreeWidget* list_ = nullptr;
    QPushButton* open_ = nullptr;
};

} // namespace zmp
