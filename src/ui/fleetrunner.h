#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "fleet/fleetlog.h"
#include "fleet/fleetobserver.h"
#include "fleet/fleetscheduler.h"
#include "fleetlink/linkstation.h"

namespace zmp {

// Everything a fleet run of the editor needs; the runner keeps its own copies.
struct FleetRunSetup {
    FleetList list;
    Records base;
    MemoryImage image;
    int model = 0;
    FleetDirectoryOptions directory;
    bool again = false;
    FleetLog log;
    std::vector<std::string> devices;
    std::function<std::unique_ptr<SerialPort>(const std::string& device)> makePort;
    StationSettings settings;
    std::string backupDir; // empty: no backups kept
    bool hasAtis = false;
    std::string destination;
};

// A fleet run off the editor's thread: the scheduler on a thread of its
// own, each port on a thread of its own; every change of a radio, and the
// end, come back on the editor's thread as signals.
class FleetRunner : public QObject, private FleetObserver {
    Q_OBJECT

  public:
    explicit FleetRunner(FleetRunSetup setup, QObject* parent = nullptr);
    // Cancels a run still going and waits for it to end.
    ~FleetRunner() override;

    void start();
    // The radios being programmed cancel cleanly; no other is started.
    void cancel() { scheduler_.cancel(); }
    bool running() const { return running_; }
    const FleetList& list() const { return setup_.list; }

  signals:
    void radioUpdated(const zmp::FleetRadio& radio);
    void finished(const zmp::FleetSummary& summary);

  private:
    void radioChanged(const FleetRadio& radio) override;

    FleetRunSetup setup_;
    FleetPlan plan_;
    FleetBackups backups_;
    ProbedWait wait_;
    std::vector<std::unique_ptr<LinkStation>> stations_;
    FleetScheduler scheduler_;
    bool running_ = false;
    std::jthread thread_;
};

} // namespace zmp
