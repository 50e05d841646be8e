// bench-link: a full read and a full program against the emulated radio
// pacing its line at 57600 baud, through the real serial-port adapter.
// Prints the wall time, the protocol's floor (the 10 ms pause before every
// send, the mandated pauses, every byte of both directions at line rate),
// their ratio and the CPU time the link spent. Goals: ratio <= 1.10 and
// CPU under 5 % of the wall time.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <thread>

#include <QCoreApplication>

#include "model/models.h"
#include "image/newimage.h"
#include "link/transferoperation.h"
#include "link/writeplan.h"
#include "platform/qtserialport.h"
#include "platform/serialportnames.h"
#include "radiosim/linepacer.h"
#include "radiosim/radioimage.h"
#include "radiosim/radiosim.h"

using namespace zmp;

namespace {

constexpr int Baud = 57600;
constexpr int SendPauseMs = 10;
constexpr int ResyncPauseMs = 1000;
constexpr int SkippedBlockPauseMs = 50;
constexpr int EndPauseMs = 500;

// A host that waits as the dialog does, on the real clock, serving Qt's
// events on every pass, and answers every message with its default.
class BenchHost : public LinkHost {
  public:
    LinkAnswer showMessage(const LinkMessage& message) override
    {
        if (message.icon == LinkIcon::Error || message.icon == LinkIcon::Warning)
            std::fprintf(stderr, "bench-link: %s: %s\n", message.title.c_str(), message.text.c_str());
        return message.defaultAnswer;
    }
    void showStatus(const std::string&) override {}
    void showProgress(int) override {}
    void setBusy(bool) override {}
    void processEvents() override { QCoreApplication::processEvents(); }
    void sleep(int ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
    std::int64_t nowMs() override
    {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
};

double threadCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

int skippedProgramBlocks()
{
    int count = 0;
    for (const WriteStep& step : WritePlan::steps())
        count += step.kind == WriteStep::Kind::Pause;
    return count;
}

struct Measurement {
    double wall = 0;
    double cpu = 0;
    bool completed = false;
    radiosim::TrafficStats traffic;
};

Measurement measure(OperationType type)
{
    radiosim::SimOptions options;
    options.baud = Baud;
    radiosim::RadioSim sim(radiosim::RadioImage::fresh(), options);
    std::thread radio([&sim] { sim.run(); });
    Measurement m;
    {
        QtSerialPort port{SerialPortNames(nullptr)};
        port.setDevicePath(sim.devicePath());
        BenchHost host;
        ProcessFlags flags;
        MemoryImage image;
        Records records;
        makeNewImage(ModelMr4400, records, image);
        TransferOperation transfer(port, host, flags, image, records, ModelMr4400, LinkOptions{});
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = threadCpuSeconds();
        transfer.run(type);
        m.cpu = threadCpuSeconds() - cpuStart;
        m.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        m.completed = flags.CompletedFlag;
        transfer.release();
    }
    sim.stop();
    radio.join();
    m.traffic = sim.stats();
    return m;
}

double floorSeconds(const radiosim::TrafficStats& traffic, int pausesMs)
{
    const double byteSeconds = std::chrono::duration<double>(radiosim::LinePacer::byteTime(Baud)).count();
    return double(traffic.computerMessages) * SendPauseMs / 1000.0 +
           double(traffic.computerBytes + traffic.radioBytes) * byteSeconds + pausesMs / 1000.0;
}

bool report(const char* name, const Measurement& m, int pausesMs)
{
    const double floor = floorSeconds(m.traffic, pausesMs);
    const double ratio = m.wall / floor;
    const double cpuShare = 100.0 * m.cpu / m.wall;
    std::printf("%-8s %9.3f s wall  %9.3f s floor  ratio %5.3f  cpu %7.3f s (%4.1f %%)  "
                "%ld sends, %ld + %ld bytes%s\n",
                name, m.wall, floor, ratio, m.cpu, cpuShare, m.traffic.computerMessages,
                m.traffic.computerBytes, m.traffic.radioBytes, m.completed ? "" : "  NOT COMPLETED");
    return m.completed && ratio <= 1.10 && cpuShare < 5.0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::printf("bench-link: emulated radio at %d baud; goals: ratio <= 1.10, cpu < 5 %% of wall\n", Baud);
    const bool readOk = report("read", measure(OperationType::Read), ResyncPauseMs + EndPauseMs);
    const bool programOk = report("program", measure(OperationType::Program),
                                  ResyncPauseMs + skippedProgramBlocks() * SkippedBlockPauseMs + EndPauseMs);
    std::printf("bench-link: %s\n", readOk && programOk ? "goals met" : "goals NOT met");
    return 0;
}
