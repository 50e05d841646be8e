// bench-fleet: a fleet of eight radios programmed and verified on four
// ports at once, each an emulated radio pacing its line at 57600 baud,
// through the real serial-port adapter, against one radio programmed and
// verified alone. A port takes its next radio as soon as it is free (the
// emulator stands for the next radio: the time a user takes to change
// radios is not the link's). Goal: the fleet within 2.3 times the one
// radio, and the CPU of the process apart from the emulators under 1 % of
// a core per port.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>
#include <pthread.h>
#include <string>
#include <thread>
#include <vector>

#include <QCoreApplication>

#include "fleet/fleetscheduler.h"
#include "fleetlink/linkstation.h"
#include "image/newimage.h"
#include "link/transferflags.h"
#include "link/transferoperation.h"
#include "model/models.h"
#include "platform/portthreads.h"
#include "platform/qtserialport.h"
#include "platform/serialportnames.h"
#include "radiosim/radioimage.h"
#include "radiosim/radiosim.h"

using namespace zmp;

namespace {

constexpr int Baud = 57600;
constexpr int Ports = 4;
constexpr int Radios = 8;
constexpr double Goal = 2.3;
constexpr double CpuGoalPerPort = 1.0; // percent of a core

// The next radio is there as soon as the port is free.
class ReadyWait : public RadioWait {
  public:
    bool await(SerialPort&, int, const FleetJob&, bool, std::string&) override { return true; }
};

double cpuSeconds(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// Emulated radios on threads of their own, whose CPU time is not the link's.
class EmulatedRadios {
  public:
    explicit EmulatedRadios(int count)
    {
        radiosim::SimOptions options;
        options.baud = Baud;
        for (int i = 0; i < count; ++i)
            sims_.push_back(std::make_unique<radiosim::RadioSim>(radiosim::RadioImage::fresh(), options));
        for (const auto& sim : sims_)
            threads_.emplace_back([&sim] { sim->run(); });
    }
    ~EmulatedRadios()
    {
        for (const auto& sim : sims_)
            sim->stop();
        for (auto& thread : threads_)
            thread.join();
    }
    std::string device(int i) const { return sims_[static_cast<std::size_t>(i)]->devicePath(); }
    double cpu()
    {
        double total = 0;
        for (auto& thread : threads_) {
            clockid_t clock{};
            pthread_getcpuclockid(thread.native_handle(), &clock);
            total += cpuSeconds(clock);
        }
        return total;
    }

  private:
    std::vector<std::unique_ptr<radiosim::RadioSim>> sims_;
    std::vector<std::thread> threads_;
};

FleetList fleetOf(int radios)
{
    FleetList list;
    list.readable = true;
    for (int i = 0; i < radios; ++i) {
        FleetRow row;
        row.line = i + 2;
        row.label = "Radio " + std::to_string(i + 1);
        row.userMmsi = std::to_string(366123400 + i);
        list.rows.push_back(row);
    }
    return list;
}

struct Measurement {
    double wall = 0;
    double cpu = 0;
    bool completed = false;
};

std::unique_ptr<SerialPort> portOn(const std::string& device)
{
    auto port = std::make_unique<QtSerialPort>(SerialPortNames(nullptr));
    port->setDevicePath(device);
    return port;
}

// One program and its verify, as zmp-cli program does it.
Measurement programAlone(const Records& records, const MemoryImage& base)
{
    EmulatedRadios radio(1);
    const auto port = portOn(radio.device(0));
    auto image = std::make_unique<MemoryImage>(base);
    Records written = records;
    written.userMmsi = "366123400";
    TransferFlags flags;
    struct QuietHost : LinkHost {
        MessageAnswer showMessage(const Message& message) override { return message.defaultAnswer; }
        void showStatus(const std::string&) override {}
        void showProgress(int) override {}
        void setBusy(bool) override {}
        void processEvents() override {}
        void sleep(int ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
        std::int64_t nowMs() override
        {
            using namespace std::chrono;
            return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
        }
    } host;
    TransferOperation transfer(*port, host, flags, *image, written, ModelMr4400, LinkOptions{1, {}, true});
    const auto start = std::chrono::steady_clock::now();
    transfer.run(OperationType::Program);
    transfer.release();
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 0,
            flags.CompletedFlag && !flags.ErrorFlag};
}

Measurement fleet(const Records& records, const MemoryImage& image)
{
    EmulatedRadios radios(Ports);
    const FleetList list = fleetOf(Radios);
    const FleetPlan plan{list, records, image, ModelMr4400, {}, true};
    ReadyWait wait;
    FleetBackups backups({}, ModelMr4400, false, {});
    std::vector<std::unique_ptr<LinkStation>> stations;
    std::vector<FleetStation*> running;
    for (int i = 0; i < Ports; ++i) {
        stations.push_back(std::make_unique<LinkStation>(
            radios.device(i), [device = radios.device(i)] { return portOn(device); }, wait, backups,
            StationSettings{{1, {}, true}, {}}));
        running.push_back(stations.back().get());
    }
    FleetLog log;
    FleetScheduler scheduler(plan, log);
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - radios.cpu();
    const FleetSummary summary = scheduler.run(running, runOnPortThreads);
    const double cpu = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - radios.cpu() - cpuStart;
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!summary.succeeded()) std::fputs(summary.text(list).c_str(), stderr);
    return {wall, cpu, summary.count(FleetOutcome::Complete) == Radios};
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::printf("bench-fleet: %d radios on %d emulated radios at %d baud; goals: at most %.1f x one program "
                "and verify, cpu under %.1f %% of a core per port\n",
                Radios, Ports, Baud, Goal, CpuGoalPerPort);
    Records records;
    MemoryImage image;
    makeNewImage(ModelMr4400, records, image);
    const Measurement one = programAlone(records, image);
    std::printf("one radio   %8.3f s%s\n", one.wall, one.completed ? "" : "  NOT COMPLETED");
    const Measurement all = fleet(records, image);
    const double ratio = all.wall / one.wall;
    const double cpuShare = 100.0 * all.cpu / all.wall / Ports;
    std::printf("fleet       %8.3f s  ratio %5.3f  cpu %6.3f s (%4.2f %% of a core per port)%s\n", all.wall,
                ratio, all.cpu, cpuShare, all.completed ? "" : "  NOT COMPLETED");
    const bool met = one.completed && all.completed && ratio <= Goal && cpuShare < CpuGoalPerPort;
    std::printf("bench-fleet: %s\n", met ? "goals met" : "goals NOT met");
    return 0;
}
