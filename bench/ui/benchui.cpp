// bench-ui: start-up to a shown, idle main window, and New, Open and Save
// of a full configuration, each timed in a real main window (offscreen
// unless a display is asked for). New carries the pauses the editor
// prescribes (its 100 ms timer and 500 ms wait); they are reported apart.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>

#include "files/memorysettingsstore.h"
#include "image/newimage.h"
#include "ui/filemenuhandler.h"
#include "ui/mainwindow.h"

#include "benchuisupport.h"

using namespace zmp;

namespace {

constexpr int Rounds = 7;
constexpr double NewPausesMs = 600.0;

std::filesystem::path programFolder()
{
    const std::filesystem::path folder = bench::freshProgramFolder("zmp-bench-ui");
    Records records;
    MemoryImage image;
    makeNewImage(ModelMr4400, records, image);
    std::ofstream(folder / "USA_1130.ini", std::ios::binary)
        .write(reinterpret_cast<const char*>(image.bytes.data()),
               static_cast<std::streamsize>(image.bytes.size()));
    return folder;
}

// Every channel enabled and named, every directory slot and EXP channel used.
void fillCompletely(Records& records)
{
    for (auto& group : records.groups)
        group.Enable = true;
    for (ChannelTable* table : {&records.usa, &records.intl, &records.can, &records.wx, &records.exp})
        for (std::size_t i = 0; i < table->size(); ++i) {
            ChannelRecord& channel = (*table)[i];
            channel.Enable = true;
            channel.ScanMemory = true;
            channel.ChTag = "NAME" + std::to_string(i % 100);
        }
    for (std::size_t i = 0; i < records.exp.size(); ++i) {
        records.exp[i].Rxfreq = records.exp[i].Txfreq = 156.025 + 0.025 * static_cast<double>(i);
        records.exp[i].CHDisplayL = "E" + std::to_string(i % 10);
    }
    for (Directory* directory : {&records.memoryId, &records.groupId})
        for (std::size_t i = 0; i < directory->size(); ++i) {
            (*directory)[i].Enable = true;
            (*directory)[i].TagName = "STATION" + std::to_string(i);
            (*directory)[i].Mmsid = "0" + std::to_string(21100000 + static_cast<int>(i));
        }
    records.userMmsi = "2111111110";
}

struct Editor {
    explicit Editor(const std::filesystem::path& folder)
    {
        state.programDir = folder;
        window = std::make_unique<MainWindow>(MainWindowServices{
            state, settings, messages, dialogs, [] { return std::unique_ptr<SerialPort>(); }, {}});
    }
    EditorState state;
    MemorySettingsStore settings;
    bench::SilentMessages messages;
    bench::FixedDialogs dialogs;
    std::unique_ptr<MainWindow> window;
};

void settle()
{
    while (QCoreApplication::eventDispatcher()->processEvents(QEventLoop::AllEvents)) {
    }
}

double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

struct Timing {
    std::vector<double> wallMs;
    std::vector<double> cpuMs;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Wall time less the prescribed pauses is the work; on a loaded machine
// the CPU time of the user-interface thread is the steadier measure.
void report(const char* name, const Timing& timing, double pausesMs, double goalMs)
{
    const double work = median(timing.wallMs) - pausesMs;
    const double cpu = median(timing.cpuMs);
    std::printf("%-30s wall %7.1f ms  pauses %5.1f ms  work %7.1f ms  cpu %7.1f ms  goal < %4.0f ms  %s\n",
                name, median(timing.wallMs), pausesMs, work, cpu, goalMs,
                std::min(work, cpu) < goalMs ? "ok" : "SLOW");
}

template <typename Step>
Timing time(Step step)
{
    Timing timing;
    for (int i = 0; i < Rounds; ++i) {
        QElapsedTimer clock;
        const double cpuStart = threadCpuMs();
        clock.start();
        step();
        timing.wallMs.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        timing.cpuMs.push_back(threadCpuMs() - cpuStart);
    }
    return timing;
}

} // namespace

int main(int argc, char* argv[])
{
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    const std::filesystem::path folder = programFolder();
    std::vector<std::unique_ptr<Editor>> started;
    report("start-up to shown idle window", time([&] {
               auto editor = std::make_unique<Editor>(folder);
               editor->window->startUp();
               editor->window->show();
               while (!editor->window->windowHandle() || !editor->window->windowHandle()->isExposed())
                   QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
               settle();
               started.push_back(std::move(editor));
           }),
           0.0, 300.0);
    started.clear();
    Editor editor(folder);
    editor.window->startUp();
    editor.window->show();
    settle();
    fillCompletely(editor.state.records);
    editor.dialogs.path = (folder / "full.dat").string();
    report("Save (full configuration)", time([&] { editor.window->fileMenu().saveCommand(false); }), 0.0,
           100.0);
    report("Open (full configuration)", time([&] { editor.window->fileMenu().open(); }), 0.0, 100.0);
    report("New", time([&] {
               editor.window->fileMenu().newFile();
               while (editor.window->fileMenu().newPending() || !editor.window->isEnabled())
                   QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
           }),
           NewPausesMs, 100.0);
    editor.state.flags.modified = false;
    std::filesystem::remove_all(folder);
    return 0;
}
