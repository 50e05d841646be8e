// bench-pages: the time of one node switch, from the selection to the page
// filled and painted, for every kind of page of the channel grids, the
// weather page, the directory editors and the channel editor, in a real
// (offscreen) main window with every channel, EXP channel and directory slot
// in use, so the group grids hold all 240 rows. The target is one frame
// (16 ms) per switch.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QStackedWidget>

#include "files/memorysettingsstore.h"
#include "image/newimage.h"
#include "ui/mainwindow.h"

#include "benchuisupport.h"

using namespace zmp;

namespace {

constexpr int Rounds = 25;
constexpr double FrameMs = 16.0;

void fillCompletely(Records& records)
{
    for (auto& group : records.groups)
        group.Enable = true;
    for (ChannelTable* table : {&records.usa, &records.intl, &records.can, &records.wx, &records.exp})
        for (std::size_t i = 0; i < table->size(); ++i) {
            (*table)[i].Enable = true;
            (*table)[i].ChTag = "NAME" + std::to_string(i % 100);
        }
    for (std::size_t i = 0; i < records.exp.size(); ++i) {
        records.exp[i].Rxfreq = records.exp[i].Txfreq = 156.025 + 0.025 * static_cast<double>(i);
        records.exp[i].CHDisplayL = "E" + std::to_string(i % 10);
    }
    for (Directory* directory : {&records.memoryId, &records.groupId})
        for (std::size_t i = 0; i < directory->size(); ++i) {
            (*directory)[i].Enable = true;
            (*directory)[i].TagName = "STATION" + std::to_string(i);
            (*directory)[i].Mmsid = std::to_string(211000000 + static_cast<int>(i));
        }
}

// One switch from the logo page to the node: fill, show and paint.
double switchMs(MainWindow& window, const std::string& key)
{
    window.selectNodeByKey("General");
    QApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    window.selectNodeByKey(key);
    window.findChild<QStackedWidget*>("pageStack")->currentWidget()->repaint();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    EditorState state;
    state.programDir = bench::freshProgramFolder("zmp-bench-pages");
    MemorySettingsStore settings;
    bench::SilentMessages messages;
    bench::FixedDialogs dialogs;
    MainWindow window({state, settings, messages, dialogs, [] { return std::unique_ptr<SerialPort>(); },
                       [](int) { return std::string(); }});
    if (!window.startUp()) return 1;
    window.show();
    fillCompletely(state.records);
    window.refreshTree();
    QApplication::processEvents();
    bool allWithin = true;
    std::printf("%-12s %10s %10s\n", "node", "median ms", "max ms");
    for (const char* key :
         {"PU", "PI", "PC", "ExpChannel", "PW", "SM", "SG", "PU32", "PC239", "E1", "SM1", "SG32"}) {
        std::vector<double> times;
        for (int round = 0; round < Rounds; ++round)
            times.push_back(switchMs(window, key));
        std::sort(times.begin(), times.end());
        const double median = times[times.size() / 2];
        allWithin = allWithin && median < FrameMs;
        std::printf("%-12s %10.3f %10.3f\n", key, median, times.back());
    }
    std::printf("target: every median under %.0f ms: %s\n", FrameMs, allWithin ? "met" : "NOT met");
    state.flags.modified = false;
    return 0;
}
