// bench-link: a full read, a full program and a program with its verify
// against the emulated radio pacing its line at 57600 baud, through the
// real serial-port adapter. Prints the wall time, the protocol's floor (the
// 10 ms pause before every send, the mandated pauses, every byte of both
// directions at line rate), their ratio and the CPU time of the whole
// process apart from the emulator's thread. Goals: a read within 1.00 of
// its floor, a program within 1.10, CPU at most 1.5 % of the wall time, and
// program plus verify at most 2.0 times the program alone.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <pthread.h>
#include <thread>

#include <QCoreApplication>

#include "image/newimage.h"
#include "link/transferoperation.h"
#include "link/writeplan.h"
#include "model/models.h"
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
    MessageAnswer showMessage(const Message& message) override
    {
        if (message.icon == MessageIcon::Critical || message.icon == MessageIcon::Warning)
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

double cpuSeconds(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// The process's CPU time less the emulator's: what a zmp-cli process spends.
double linkCpuSeconds(clockid_t simClock)
{
    return cpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - cpuSeconds(simClock);
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

Measurement measure(OperationType type, bool verify = false)
{
    radiosim::SimOptions options;
    options.baud = Baud;
    radiosim::RadioSim sim(radiosim::RadioImage::fresh(), options);
    std::thread radio([&sim] { sim.run(); });
    clockid_t simClock{};
    pthread_getcpuclockid(radio.native_handle(), &simClock);
    Measurement m;
    {
        QtSerialPort port{SerialPortNames(nullptr)};
        port.setDevicePath(sim.devicePath());
        BenchHost host;
        TransferFlags flags;
        MemoryImage image;
        Records records;
        makeNewImage(ModelMr4400, records, image);
        TransferOperation transfer(port, host, flags, image, records, ModelMr4400,
                                   LinkOptions{1, {}, verify});
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = linkCpuSeconds(simClock);
        transfer.run(type);
        m.cpu = linkCpuSeconds(simClock) - cpuStart;
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

bool report(const char* name, const Measurement& m, int pausesMs, double ratioGoal)
{
    const double floor = floorSeconds(m.traffic, pausesMs);
    const double ratio = m.wall / floor;
    const double cpuShare = 100.0 * m.cpu / m.wall;
    std::printf("%-8s %9.3f s wall  %9.3f s floor  ratio %5.3f  cpu %7.3f s (%4.1f %%)  "
                "%ld sends, %ld + %ld bytes%s\n",
                name, m.wall, floor, ratio, m.cpu, cpuShare, m.traffic.computerMessages,
                m.traffic.computerBytes, m.traffic.radioBytes, m.completed ? "" : "  NOT COMPLETED");
    return m.completed && ratio <= ratioGoal && cpuShare <= 1.5;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::printf("bench-link: emulated radio at %d baud; goals: read ratio <= 1.00, program ratio <= 1.10, "
                "cpu <= 1.5 %% of wall, program + verify <= 2.0 x program\n",
                Baud);
    const int programPausesMs = ResyncPauseMs + skippedProgramBlocks() * SkippedBlockPauseMs + EndPauseMs;
    const bool readOk = report("read", measure(OperationType::Read), ResyncPauseMs + EndPauseMs, 1.00);
    const Measurement program = measure(OperationType::Program);
    const bool programOk = report("program", program, programPausesMs, 1.10);
    const Measurement verified = measure(OperationType::Program, true);
    const bool verifiedOk = report("verified", verified, programPausesMs, 1.10);
    const double verifyRatio = verified.wall / program.wall;
    std::printf("program + verify: %.3f s, %.3f x the program alone\n", verified.wall, verifyRatio);
    const bool met = readOk && programOk && verifiedOk && verifyRatio <= 2.0;
    std::printf("bench-link: %s\n", met ? "goals met" : "goals NOT met");
    return 0;
}
