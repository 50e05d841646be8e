#include "ui/fleetrunner.h"

#include <utility>

#include "platform/portthreads.h"

namespace zmp {

FleetRunner::FleetRunner(FleetRunSetup setup, QObject* parent)
    : QObject(parent), setup_(std::move(setup)), plan_{setup_.list,  setup_.base,      setup_.image,
                                                       setup_.model, setup_.directory, setup_.again},
      backups_(setup_.backupDir, setup_.model, setup_.hasAtis, setup_.destination),
      scheduler_(plan_, setup_.log, this)
{
    for (const std::string& device : setup_.devices)
        stations_.push_back(std::make_unique<LinkStation>(
            device, [this, device] { return setup_.makePort(device); }, wait_, backups_, setup_.settings));
}

FleetRunner::~FleetRunner()
{
    scheduler_.cancel();
}

void FleetRunner::start()
{
    running_ = true;
    std::vector<FleetStation*> stations;
    for (const auto& station : stations_)
        stations.push_back(station.get());
    thread_ = std::jthread([this, stations] {
        FleetSummary summary = scheduler_.run(stations, runOnPortThreads);
        QMetaObject::invokeMethod(
            this,
            [this, summary = std::move(summary)] {
                running_ = false;
                emit finished(summary);
            },
            Qt::QueuedConnection);
    });
}

// On a port's thread, under the scheduler's lock: a copy goes to the editor's thread.
void FleetRunner::radioChanged(const FleetRadio& radio)
{
    QMetaObject::invokeMethod(
        this, [this, radio] { emit radioUpdated(radio); }, Qt::QueuedConnection);
}

} // namespace zmp
