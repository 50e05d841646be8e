#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <mutex>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "cliradiofixture.h"
#include "radiosim/radioimage.h"
#include "support/waitfor.h"

namespace zmp {
namespace {

using test::CliResult;
using test::readBytes;

class CliRadioCommandsTest : public test::CliRadioFixture {
  protected:
    // Ctrl+C to the real program (with --debug, so that its status lines show
    // how far it got) once stderr holds `until`; returns the exit status.
    int interruptRealProgram(const std::vector<std::string>& args, const std::string& until,
                             const std::string& errPath, int signal = SIGINT)
    {
        const std::string binary =
            (std::filesystem::path(std::getenv("ZMP_PROGRAM_DIR")) / "zmp-cli").string();
        std::vector<std::string> all{
            binary, "--debug", "--yes", "--program-dir", programDir.string(), "--port", sim->devicePath()};
        all.insert(all.end(), args.begin(), args.end());
        const pid_t child = fork();
        if (child == 0) {
            setenv("XDG_CONFIG_HOME", path("config").c_str(), 1);
            setenv("XDG_DATA_HOME", path("data").c_str(), 1);
            if (!freopen(errPath.c_str(), "w", stderr)) _exit(99);
            std::vector<char*> argv;
            for (std::string& arg : all)
                argv.push_back(arg.data());
            argv.push_back(nullptr);
            execv(binary.c_str(), argv.data());
            _exit(98);
        }
        test::waitFor([&] { return readBytes(errPath).find(until) != std::string::npos; },
                      std::chrono::seconds(30));
        kill(child, signal);
        int status = 0;
        waitpid(child, &status, 0);
        stopRadio();
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
};

TEST_F(CliRadioCommandsTest, readSavesWhatTheRadioHolds)
{
    startRadio(radioNamed("XYZ"));
    const CliResult result = runRadio({"read", path("radio.dat")});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.err.find("zmp-cli: Complete!!\n"), std::string::npos) << result.err;
    EXPECT_NE(readBytes(file("radio.dat")).find("Status name 0=XYZ\r\n"), std::string::npos);
}

TEST_F(CliRadioCommandsTest, programWritesTheFileIntoTheRadio)
{
    ASSERT_EQ(run({"new", path("a.dat")}).status, 0);
    std::string text = readBytes(file("a.dat"));
    text.replace(text.find("Status name 0=USA"), 17, "Status name 0=ABC");
    test::writeBytes(file("a.dat"), text);
    startRadio(radiosim::RadioImage::fresh());
    const CliResult result = runRadio({"program", path("a.dat")});
    EXPECT_EQ(result.status, 0) << result.err;
    const MemoryImage& radio = sim->protocol().memory();
    EXPECT_EQ(std::string(radio.bytes.begin() + 307, radio.bytes.begin() + 310), "ABC");
}

TEST_F(CliRadioCommandsTest, clearWritesTheClearedImageToOut)
{
    ASSERT_EQ(run({"new", path("a.dat")}).status, 0);
    std::string text = readBytes(file("a.dat"));
    text.replace(text.find("User MMSI=#"), 11, "User MMSI=#123456789");
    test::writeBytes(file("a.dat"), text);
    ASSERT_EQ(run({"convert", path("a.dat"), path("a.hex")}).status, 0);
    ASSERT_EQ(readBytes(file("a.hex"))[640], '\x12');
    startRadio(radiosim::RadioImage::fresh());
    const CliResult result = runRadio({"clear", "mmsi", path("a.hex"), path("cleared.hex")});
    EXPECT_EQ(result.status, 0) << result.err;
    const std::string cleared = readBytes(file("cleared.hex"));
    ASSERT_EQ(cleared.size(), 32768u);
    EXPECT_EQ(cleared.substr(640, 5), std::string(5, '\xFF'));
}

TEST_F(CliRadioCommandsTest, interruptedReadExitsThreeAndWritesNothing)
{
    std::atomic<bool> interrupted{true};
    environment.interrupted = &interrupted;
    startRadio(radiosim::RadioImage::fresh());
    const CliResult result = runRadio({"read", path("radio.hex")});
    EXPECT_EQ(result.status, 3) << result.err;
    EXPECT_FALSE(std::filesystem::exists(file("radio.hex")));
}

TEST_F(CliRadioCommandsTest, busyRadioIsRetriedOnlyWithYes)
{
    radiosim::SimOptions options;
    options.faults.busyStatusCount = 1;
    startRadio(radiosim::RadioImage::fresh(), options);
    CliResult result = run({"--port", sim->devicePath(), "read", path("radio.hex")});
    stopRadio();
    EXPECT_EQ(result.status, 3) << result.err;
    EXPECT_NE(result.err.find("zmp-cli: Radio is busy!! (cancelled; --yes answers retry)\n"
                              "zmp-cli: Cancelled.\n"),
              std::string::npos)
        << result.err;

    startRadio(radiosim::RadioImage::fresh(), options);
    result = runRadio({"clear", "group"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.err.find("zmp-cli: Radio is busy!! (retry)\n"), std::string::npos) << result.err;
}

// --yes against a radio that never stops being busy gives up, instead of
// asking for its status for ever. The watchdog only keeps a regression
// from hanging the suite: it cancels, which fails the test.
TEST_F(CliRadioCommandsTest, yesGivesUpOnARadioThatStaysBusy)
{
    radiosim::SimOptions options;
    options.faults.busyStatusCount = 1'000'000;
    startRadio(radiosim::RadioImage::fresh(), options);
    std::atomic<bool> interrupted{false};
    environment.interrupted = &interrupted;
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    std::thread watchdog([&] {
        std::unique_lock<std::mutex> lock(mutex);
        if (!finished.wait_for(lock, std::chrono::seconds(60), [&] { return done; })) interrupted = true;
    });
    const CliResult result = runRadio({"read", path("radio.hex")});
    {
        const std::lock_guard<std::mutex> lock(mutex);
        done = true;
    }
    finished.notify_one();
    watchdog.join();
    EXPECT_EQ(result.status, 3) << result.err;
    EXPECT_NE(result.err.find("zmp-cli: Radio is busy!! (cancelled: --yes gave up after 3 answers)\n"
                              "zmp-cli: Cancelled.\n"),
              std::string::npos)
        << result.err;
    int statusRequests = 0;
    for (const auto& request : sim->protocol().requests())
        statusRequests += request.kind == radiosim::RadioRequest::Kind::Status;
    EXPECT_EQ(statusRequests, 4);
    EXPECT_FALSE(std::filesystem::exists(file("radio.hex")));
}

// clear erases only when asked: on a terminal the user answers, off one
// only --yes does; a refusal leaves the radio alone (the device here does
// not exist: a clear that goes ahead fails to open it).
struct ClearQuestionCase {
    const char* name;
    bool yes;
    bool terminal;
    const char* input;
    int status;
    const char* firstLine; // DEV stands for the device
};

const ClearQuestionCase ClearQuestionCases[] = {
    {"nobodyToAsk", false, false, "", 2,
     "zmp-cli: Erase the individual directory in the radio on DEV? (not erased; --yes answers yes)\n"},
    {"declined", false, true, "n\n", 3,
     "zmp-cli: Erase the individual directory in the radio on DEV? [y/N] "},
    {"accepted", false, true, "y\n", 1,
     "zmp-cli: Erase the individual directory in the radio on DEV? [y/N] zmp-cli: port inicialize error!!\n"},
    {"yes", true, false, "", 1, "zmp-cli: port inicialize error!!\n"},
};

class CliClearQuestionTest : public test::CliRadioFixture,
                             public ::testing::WithParamInterface<ClearQuestionCase> {};

TEST_P(CliClearQuestionTest, clearErasesOnlyWhenTheUserSaysSo)
{
    const ClearQuestionCase& c = GetParam();
    environment.stdinIsTerminal = c.terminal;
    const std::string device = path("ttyNONE");
    std::vector<std::string> args{"--port", device, "clear", "individual"};
    if (c.yes) args.insert(args.begin(), "--yes");
    const CliResult result = run(args, c.input);
    EXPECT_EQ(result.status, c.status) << result.err;
    std::string expected = c.firstLine;
    if (const std::size_t at = expected.find("DEV"); at != std::string::npos) expected.replace(at, 3, device);
    EXPECT_EQ(result.err.substr(0, expected.size()), expected) << result.err;
    if (c.status != 1) {
        EXPECT_EQ(result.err, expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, CliClearQuestionTest, ::testing::ValuesIn(ClearQuestionCases),
                         [](const auto& info) { return std::string(info.param.name); });

// On a terminal the phase is one line drawn in place, waiting, then reading
// with its percentage and the time left; it is gone before the outcome, and
// nothing else is left on the screen.
TEST_F(CliRadioCommandsTest, phaseLineOnATerminalIsDrawnInPlaceAndRemoved)
{
    environment.stderrIsTerminal = true;
    startRadio(radiosim::RadioImage::fresh());
    const std::string device = sim->devicePath();
    const CliResult result = runRadio({"--no-backup", "read", path("radio.hex")});
    EXPECT_EQ(result.status, 0) << result.err;
    const std::string erase = "\x1b[K";
    EXPECT_EQ(result.err.rfind("\rWaiting for the radio on " + device + "\u2026 attempt 1 of 3" + erase, 0),
              0u)
        << result.err;
    EXPECT_NE(result.err.find("\rReading\u2026 0%, about 17 s left" + erase), std::string::npos)
        << result.err;
    EXPECT_NE(result.err.find("\rReading\u2026 100%" + erase), std::string::npos) << result.err;
    const std::string end = "\r" + erase + "zmp-cli: Complete!!\n";
    ASSERT_GE(result.err.size(), end.size());
    EXPECT_EQ(result.err.substr(result.err.size() - end.size()), end) << result.err;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
}

// Every way a transfer goes wrong ends with the system's message, then the
// device, what was seen and what to do; nothing but that is printed, the
// exit status says failed, and a read writes no file.
struct FaultCase {
    const char* name;
    void (*fault)(radiosim::FaultPlan&);
    std::vector<std::string> args; // IN: a new configuration, OUT: the output file
    int status;
    std::vector<std::string> lines; // each after "zmp-cli: "; DEV stands for the device
};

const std::string CheckRadio =
    "Is the radio switched on and in PC mode, and the cable plugged in? Then try again.";
const std::string CheckLink = "Check the cable and that the radio is still in PC mode, then try again.";

const FaultCase FaultCases[] = {
    {"silent",
     [](radiosim::FaultPlan& f) { f.silent = true; },
     {"read", "OUT"},
     1,
     {"No connection with the radio.", "DEV: no answer from the radio. " + CheckRadio}},
    {"garbageSyncReply",
     [](radiosim::FaultPlan& f) { f.syncReply = "#CMDNO"; },
     {"read", "OUT"},
     1,
     {"No connection with the radio.",
      "DEV: reply \"#CMDNO\" to \"#CMDSY\" instead of \"#CMDOK\". " + CheckRadio}},
    {"refusedSync",
     [](radiosim::FaultPlan& f) { f.syncReply = "ERROR"; },
     {"read", "OUT"},
     1,
     {"No connection with the radio.", "DEV: reply \"ERROR\" to \"#CMDSY\". " + CheckRadio}},
    {"refusedLinkMode",
     [](radiosim::FaultPlan& f) { f.refuseLinkMode = true; },
     {"read", "OUT"},
     1,
     {"ACMD Command error!!", "DEV: reply \"ERROR\" to \"ACMD:002\". " + CheckRadio}},
    {"garbageLinkModeReply",
     [](radiosim::FaultPlan& f) { f.linkModeReply = "HELLO"; },
     {"read", "OUT"},
     1,
     {"error!!", "DEV: reply \"HELLO\" to \"ACMD:002\". " + CheckRadio}},
    {"otherModel",
     [](radiosim::FaultPlan& f) { f.modelCode = 1234; },
     {"read", "OUT"},
     1,
     {"ModelType Error !!",
      "DEV: the radio reports model code 1234 where 4400 is expected. Is this configuration for the "
      "radio's model?"}},
    {"badChecksum",
     [](radiosim::FaultPlan& f) { f.badChecksumReplies.parse("5"); },
     {"read", "OUT"},
     1,
     {"Communication Error!!", "DEV: checksum of the block at 0x0040 wrong. " + CheckLink}},
    {"silentMidRead",
     [](radiosim::FaultPlan& f) { f.silentAfterFrames = 10; },
     {"read", "OUT"},
     1,
     {"Communication Error!!",
      "DEV: no answer for 30 s to the request for the block at 0x0180. " + CheckLink}},
    {"hangUp",
     [](radiosim::FaultPlan& f) { f.hangUpAfterFrames = 40; },
     {"read", "OUT"},
     1,
     {"Communication Error!!", "The connection to DEV was lost. " + CheckRadio}},
    {"refusedByte",
     [](radiosim::FaultPlan& f) { f.refusedByte = 0x0133; },
     {"program", "IN"},
     1,
     {"confirm the synchronization of the communication (cancelled; --yes answers continue)",
      "Communication Error!!", "DEV: reply \"ERROR\" to the request for the byte at 0x0133. " + CheckLink,
      "The radio may hold a partly written configuration.", "Program it again before using the radio."}},
    {"misstoredByteNotVerified",
     [](radiosim::FaultPlan& f) { f.misstoredByte = 0x0133; },
     {"--no-verify", "program", "IN"},
     0,
     {"Complete!! (not verified)"}},
};

void PrintTo(const FaultCase& fault, std::ostream* out)
{
    *out << fault.name;
}

class CliFaultTest : public test::CliRadioFixture, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(CliFaultTest, failureSaysWhatWasSeenAndWhatToDo)
{
    ASSERT_EQ(run({"new", path("a.dat")}).status, 0);
    radiosim::SimOptions options;
    GetParam().fault(options.faults);
    startRadio(radiosim::RadioImage::fresh(), options);
    const std::string device = sim->devicePath();
    std::vector<std::string> args{"--no-backup", "--port", device};
    for (const std::string& arg : GetParam().args)
        args.push_back(arg == "IN" ? path("a.dat") : arg == "OUT" ? path("radio.hex") : arg);
    const CliResult result = run(args);
    stopRadio();
    EXPECT_EQ(result.status, GetParam().status) << result.err;
    std::string expected;
    for (std::string line : GetParam().lines) {
        if (const std::size_t at = line.find("DEV"); at != std::string::npos) line.replace(at, 3, device);
        expected += "zmp-cli: " + line + "\n";
    }
    EXPECT_EQ(result.err, expected);
    EXPECT_FALSE(std::filesystem::exists(file("radio.hex")));
}

INSTANTIATE_TEST_SUITE_P(Faults, CliFaultTest, ::testing::ValuesIn(FaultCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A radio that acknowledges a byte but keeps another: the program fails
// with the address and the setting; --no-verify does not look.
TEST_F(CliRadioCommandsTest, programVerifiesWhatTheRadioKeptUnlessTold)
{
    ASSERT_EQ(run({"new", path("a.dat")}).status, 0);
    radiosim::SimOptions options;
    options.faults.misstoredByte = 0x0133; // Group1's status name
    startRadio(radiosim::RadioImage::fresh(), options);
    CliResult result = runRadio({"program", path("a.dat")});
    EXPECT_EQ(result.status, 1) << result.err;
    EXPECT_NE(result.err.find("zmp-cli: Verify Error!!\nzmp-cli: The radio holds "), std::string::npos)
        << result.err;
    EXPECT_NE(result.err.find(" at 0x0133 where "), std::string::npos) << result.err;
    EXPECT_NE(result.err.find(" (Group1).\n"), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find("Complete!!"), std::string::npos) << result.err;

    startRadio(radiosim::RadioImage::fresh(), options);
    result = runRadio({"--no-verify", "program", path("a.dat")});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.err.find("zmp-cli: Complete!! (not verified)\n"), std::string::npos) << result.err;
    int reads = 0;
    for (const auto& request : sim->protocol().requests())
        reads += request.kind == radiosim::RadioRequest::Kind::Read;
    EXPECT_EQ(reads, 3); // the model and product checks only
}

TEST_F(CliRadioCommandsTest, missingPortFailsInAnOrderlyWay)
{
    const CliResult result = run({"--port", path("no-such-device"), "read", path("radio.hex")});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("zmp-cli: port inicialize error!!\nzmp-cli: " + path("no-such-device") + ": "),
              std::string::npos)
        << result.err;
    EXPECT_FALSE(std::filesystem::exists(file("radio.hex")));
}

// Ctrl+C while the link talks to the radio: the transfer is cancelled, the
// exit status is 3, and no output file is written.
TEST_F(CliRadioCommandsTest, interruptOfTheRealProgramCancelsTheTransfer)
{
    startRadio(radiosim::RadioImage::fresh());
    const std::string errPath = path("stderr");
    EXPECT_EQ(interruptRealProgram({"read", path("radio.hex")}, "#CMDSY", errPath), 3) << readBytes(errPath);
    EXPECT_NE(readBytes(errPath).find("zmp-cli: Cancelled.\n"), std::string::npos) << readBytes(errPath);
    EXPECT_FALSE(std::filesystem::exists(file("radio.hex")));
}

// Ctrl+C once writing began: the radio may be partly written, and the
// backup recorded before the first write says the program was cancelled.
// A closed terminal and a polite kill end it the same way.
TEST_F(CliRadioCommandsTest, interruptedProgramSaysTheRadioMayBePartlyWritten)
{
    ASSERT_EQ(run({"new", path("a.dat")}).status, 0);
    for (const int signal : {SIGINT, SIGHUP, SIGTERM}) {
        startRadio(radiosim::RadioImage::fresh());
        const std::string errPath = path("stderr" + std::to_string(signal));
        EXPECT_EQ(interruptRealProgram({"program", path("a.dat")}, "radio writing...", errPath, signal), 3)
            << signal << readBytes(errPath);
        EXPECT_NE(readBytes(errPath).find("zmp-cli: Cancelled.\nzmp-cli: The radio may hold a partly written "
                                          "configuration. Program it again before using the radio.\n"),
                  std::string::npos)
            << signal << readBytes(errPath);
    }
    const std::string index = readBytes(file("data") / "ZMP" / "backups" / "index.txt");
    EXPECT_NE(index.find("\tprogrammed\t"), std::string::npos) << index;
    std::size_t cancelled = 0;
    for (std::size_t at = index.find("\tcancelled\t"); at != std::string::npos;
         at = index.find("\tcancelled\t", at + 1))
        ++cancelled;
    EXPECT_EQ(cancelled, 3u) << index;
}

} // namespace
} // namespace zmp
