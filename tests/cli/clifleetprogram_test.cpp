// zmp-cli fleet program against several emulated radios, each on its own
// pseudo-terminal, through the real serial-port adapter.
#include <gtest/gtest.h>

#include <QLockFile>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "cli/qtportfactory.h"
#include "clitestsupport.h"
#include "image/imagemap.h"
#include "platform/fleetloglock.h"
#include "radiosim/radioimage.h"
#include "support/runningradio.h"

namespace zmp {
namespace {

using test::CliResult;
using test::readBytes;
using test::writeBytes;

// The bytes of the radio's identity: User MMSI, ATIS code and their counters.
constexpr int IdentityFirst = address::UserMmsi;
constexpr int IdentityLast = address::AtisCodeCounter;

const char* const ThreeRadios = "Label,User MMSI,ATIS Code\r\n"
                                "Sea Breeze,366123456,9366123456\r\n"
                                "Tern,366123457,\r\n"
                                "Osprey,366123458,9366123458\r\n";

class CliFleetProgramTest : public ::testing::Test, public test::CliFixtureBase {
  protected:
    void SetUp() override
    {
        environment.makePort = qtPortFactory(store);
        environment.backupDir = path("backups");
        ASSERT_EQ(run({"new", path("base.dat")}).status, 0);
        std::string text = readBytes(file("base.dat"));
        text.replace(text.find("Status name 0=USA"), 17, "Status name 0=ABC");
        writeBytes(file("base.dat"), text);
        writeBytes(file("fleet.csv"), ThreeRadios);
    }

    void startRadios(const std::vector<radiosim::SimOptions>& options,
                     const MemoryImage& memory = radiosim::RadioImage::fresh())
    {
        radios_.clear();
        for (radiosim::SimOptions each : options) {
            each.baud = 0;
            radios_.push_back(std::make_unique<test::RunningRadio>(memory, each));
        }
    }
    // fleet program on every radio's port, or with --port auto among the
    // system's devices; the radios have ended when it returns.
    CliResult program(std::vector<std::string> args, const std::string& input = "", bool portAuto = false)
    {
        args.insert(args.begin(), {"fleet", "program", path("base.dat"), path("fleet.csv"),
                                   "--accept-warnings", "--log", path("log.csv")});
        std::vector<ListedPort> listed;
        for (const auto& radio : radios_) {
            listed.push_back({radio->devicePath(), radio->devicePath()});
            if (!portAuto) args.insert(args.end(), {"--port", radio->devicePath()});
        }
        if (portAuto) args.insert(args.end(), {"--port", "auto"});
        environment.portCandidates = [listed] { return listed; };
        CliResult result = run(args, input);
        for (const auto& radio : radios_)
            radio->stop();
        return result;
    }
    const radiosim::RadioProtocol& radio(std::size_t i) const { return radios_[i]->sim.protocol(); }
    std::string port(std::size_t i) const { return radios_[i]->devicePath(); }
    std::string identity(std::size_t i) const
    {
        const MemoryImage& memory = radio(i).memory();
        return std::string(memory.bytes.begin() + IdentityFirst, memory.bytes.begin() + IdentityLast + 1);
    }

  private:
    std::vector<std::unique_ptr<test::RunningRadio>> radios_;
};

// Five BCD bytes, then the counter byte.
std::string bcd(std::initializer_list<int> bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

// Each port takes the next row when it is free: which radio gets which row
// is not known beforehand, so each is found by the MMSI it holds. The ports
// are those that --port auto finds a radio on.
TEST_F(CliFleetProgramTest, eachRadioHoldsItsRowsIdentityAndOtherwiseTheBase)
{
    const CliResult none = program({}, "", true);
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("zmp-cli: no radio found: the system lists no serial device\n"),
              std::string::npos)
        << none.err;
    startRadios({{}, {}, {}});
    const CliResult result = program({}, "", true);
    EXPECT_EQ(result.status, 0) << result.err;
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_NE(result.err.find("radio found on " + port(i) + "\n"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("zmp-cli: waiting for radio 1 of 3 (Sea Breeze, 366123456) on "),
              std::string::npos)
        << result.err;
    const std::map<std::string, std::string> atisOfMmsi{
        {bcd({0x36, 0x61, 0x23, 0x45, 0x60}), bcd({0x93, 0x66, 0x12, 0x34, 0x56})},
        {bcd({0x36, 0x61, 0x23, 0x45, 0x70}), std::string(5, '\xFF')},
        {bcd({0x36, 0x61, 0x23, 0x45, 0x80}), bcd({0x93, 0x66, 0x12, 0x34, 0x58})}};
    std::set<std::string> programmed;
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const std::string mmsi = identity(i).substr(0, 5);
        ASSERT_TRUE(atisOfMmsi.contains(mmsi));
        programmed.insert(mmsi);
        EXPECT_EQ(identity(i).substr(6, 5), atisOfMmsi.at(mmsi));
        MemoryImage memory = radio(i).memory();
        const MemoryImage& first = radio(0).memory();
        std::copy(first.bytes.begin() + IdentityFirst, first.bytes.begin() + IdentityLast + 1,
                  memory.bytes.begin() + IdentityFirst);
        EXPECT_TRUE(memory.bytes == first.bytes)
            << "radio " << i << " differs from radio 0 beyond its identity";
        EXPECT_EQ(std::string(memory.bytes.begin() + 307, memory.bytes.begin() + 310), "ABC");
    }
    EXPECT_EQ(programmed.size(), 3u);
    EXPECT_NE(result.out.find("_programmed_Sea-Breeze)"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("3 radios: 3 complete\n"), std::string::npos) << result.out;
    const std::string log = readBytes(file("log.csv"));
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 4) << log;
}

// Nothing is sent to any radio for a list that is refused.
TEST_F(CliFleetProgramTest, refusedListTouchesNoRadio)
{
    for (const char* list : {"Label,User MMSI\r\nSea Breeze,366123456\r\nTern,366123456\r\n",
                             "Label,User MMSI,ATIS Code\r\nSea Breeze,366123456,93661234\r\n"}) {
        SCOPED_TRACE(list);
        writeBytes(file("fleet.csv"), list);
        startRadios({{}, {}});
        const CliResult result = program({});
        EXPECT_EQ(result.status, 1) << result.err;
        EXPECT_NE(result.err.find(path("fleet.csv") + ": refused: 1 error"), std::string::npos) << result.err;
        EXPECT_TRUE(radio(0).requests().empty());
        EXPECT_TRUE(radio(1).requests().empty());
        EXPECT_FALSE(std::filesystem::exists(file("log.csv")));
    }
}

// A radio that fails does not stop the others; a rerun with the log
// programs only the radios not done, and sends nothing to a port it does
// not need.
TEST_F(CliFleetProgramTest, failedRadioIsToldAndTheRerunDoesOnlyIt)
{
    std::vector<radiosim::SimOptions> options(3);
    options[1].faults.misstoredByte = 0x4000;
    startRadios(options);
    CliResult result = program({});
    EXPECT_EQ(result.status, 1) << result.err;
    EXPECT_NE(
        result.out.find("  " + port(1) +
                        "  failed: Verify Error!! The radio holds 0x00 at 0x4000 where 0xFF was written "
                        "(WX channel 1 name); the radio may hold a partly written configuration"),
        std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find("3 radios: 2 complete, 1 failed\n"), std::string::npos) << result.out;
    const std::string failedMmsi = identity(1).substr(0, 5);

    startRadios({{}, {}});
    result = program({});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("3 radios: 1 complete, 2 already done\n"), std::string::npos) << result.out;
    const std::size_t used = radio(0).requests().empty() ? 1 : 0;
    EXPECT_TRUE(radio(1 - used).requests().empty());
    EXPECT_EQ(identity(used).substr(0, 5), failedMmsi);
}

// One port on a terminal: the user is asked for each radio. The radio still
// connected when the second is asked for holds the first one's MMSI, so it
// is skipped unread-over, never given a second identity.
TEST_F(CliFleetProgramTest, onePortAsksForEachRadioAndSkipsOneWithAnotherIdentity)
{
    environment.stdinIsTerminal = true;
    writeBytes(file("fleet.csv"), "Label,User MMSI\r\nSea Breeze,366123456\r\nTern,366123457\r\n");
    startRadios({{}});
    const CliResult result = program({}, "\n\n");
    EXPECT_EQ(result.status, 1) << result.err;
    EXPECT_NE(result.err.find("Connect radio 1 of 2 (Sea Breeze, 366123456) and press Enter "),
              std::string::npos)
        << result.err;
    EXPECT_NE(result.err.find("Connect radio 2 of 2 (Tern, 366123457) and press Enter "), std::string::npos)
        << result.err;
    EXPECT_NE(result.out.find("2 of 2  Tern  366123457  " + port(0) +
                              "  skipped: the radio already holds User MMSI 366123456\n"),
              std::string::npos)
        << result.out;
    EXPECT_EQ(identity(0).substr(0, 5), bcd({0x36, 0x61, 0x23, 0x45, 0x60}));
}

// The log is rewritten whole as each radio finishes: a second run on it
// would drop the first one's lines and program its radios again.
TEST_F(CliFleetProgramTest, aLogAnotherRunHoldsIsRefusedBeforeAnyRadio)
{
    QLockFile otherRun(QString::fromStdString(FleetLogLock::lockPath(path("log.csv"))));
    ASSERT_TRUE(otherRun.tryLock(0));
    writeBytes(file("fleet.csv"), "Label,User MMSI\r\nSea Breeze,366123456\r\nTern,366123457\r\n");
    startRadios({{}, {}});
    const CliResult result = program({});
    EXPECT_EQ(result.status, 1) << result.err;
    EXPECT_NE(result.err.find("zmp-cli: " + path("log.csv") + ": in use by another fleet program (process " +
                              std::to_string(::getpid()) +
                              "); wait for it to end or name another log (no radio was touched)\n"),
              std::string::npos)
        << result.err;
    EXPECT_TRUE(radio(0).requests().empty());
    EXPECT_TRUE(radio(1).requests().empty());
    EXPECT_FALSE(std::filesystem::exists(file("log.csv")));
}

} // namespace
} // namespace zmp
