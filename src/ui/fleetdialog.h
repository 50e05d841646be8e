#pragma once

#include <QDialog>

#include <functional>
#include <memory>
#include <string>

#include "fleet/fleetlist.h"
#include "fleet/fleetsummary.h"
#include "link/serialport.h"
#include "model/memoryimage.h"
#include "model/processflags.h"
#include "model/records.h"
#include "platform/fleetloglock.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace zmp {

class FleetRunner;

// What the fleet dialog starts from: the editor's configuration as the
// base, and how to reach the ports and the backups.
struct FleetDialogContext {
    const Records& base;
    const MemoryImage& image;
    int model = 0;
    bool hasAtis = false;
    std::string port; // the editor's port, the first one offered
    std::function<std::unique_ptr<SerialPort>(const std::string& device)> makePort;
    std::function<std::string()> chooseList; // a file dialog; empty when cancelled
    std::string programDir;
    std::string backupDir;
    std::string destination;
    ProcessFlags switches;
    bool verify = true;
};

// File > "Program a Fleet…": the fleet list, the ports and the log; a
// table of every radio's state and progress while the fleet is programmed.
// Cancel lets the radios being programmed cancel cleanly and starts no other.
class FleetDialog : public QDialog {
    Q_OBJECT

  public:
    explicit FleetDialog(FleetDialogContext context, QWidget* parent = nullptr);
    ~FleetDialog() override;

    bool running() const;
    void reject() override;

  signals:
    // The run has ended, its summary shown.
    void fleetFinished();

  private:
    void chooseList();
    void start();
    bool readList(FleetList& list);
    void fillTable(const FleetList& list);
    void showRadio(const FleetRadio& radio);
    void showSummary(const FleetSummary& summary);
    void setRunning(bool running);
    void say(const QString& text);

    FleetDialogContext context_;
    std::unique_ptr<FleetRunner> runner_;
    QLineEdit* list_ = nullptr;
    QLineEdit* ports_ = nullptr;
    QLineEdit* log_ = nullptr;
    FleetLogLock logLock_;
    QCheckBox* fillDirectory_ = nullptr;
    QLineEdit* groupMmsi_ = nullptr;
    QCheckBox* acceptWarnings_ = nullptr;
    QCheckBox* again_ = nullptr;
    QLabel* status_ = nullptr;
    QTableWidget* table_ = nullptr;
    QPushButton* browse_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace zmp
