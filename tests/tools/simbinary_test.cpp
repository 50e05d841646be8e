#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "radiosim/linktext.h"
#include "radiosim/radioimage.h"
#include "support/ptyclient.h"
#include "support/scratchfolder.h"
#include "support/simprocess.h"

using zmp::radiosim::LinkText;
using zmp::radiosim::RadioImage;

using zmp::test::PtyClient;
using zmp::test::SimProcess;

namespace {

std::string scratchFile(const std::string& name)
{
    return (zmp::test::scratchFolder() / name).string();
}

} // namespace

TEST(SimBinary, printsTheDeviceFirstAndDumpsTheMemoryWhenStopped)
{
    const std::string dump = scratchFile("dump.hex");
    std::filesystem::remove(dump);
    SimProcess sim({"--baud", "0", "--dump", dump, "--poke", "0x0105=58"});
    const std::string device = sim.firstLine();
    ASSERT_EQ(device.rfind("/dev/pts/", 0), 0u) << device;
    {
        PtyClient computer(device);
        computer.send(LinkText::frame("#QMPRD", {"0100", "06"}));
        EXPECT_EQ(computer.readUntil("\r\n#QMPDT", 5000).substr(0, 8), "#CMDOK\r\n");
        EXPECT_NE(computer.readUntil("\r\n").find("4B5437333958"), std::string::npos); // "KT739X"
        computer.send(LinkText::frame("#QMPWR", {"4700", "02", "0102"}));
        EXPECT_EQ(computer.readUntil("#CMDOK\r\n"), "#CMDOK\r\n");
    }
    EXPECT_EQ(sim.stop(), 0);
    EXPECT_EQ(sim.restOfOutput(), "");
    zmp::MemoryImage memory;
    std::string error;
    ASSERT_TRUE(RadioImage::load(dump, memory, error)) << error;
    EXPECT_EQ(memory[0x0105], 0x58);
    EXPECT_EQ(memory[0x4700], 0x01);
    EXPECT_EQ(memory[0x4701], 0x02);
    EXPECT_EQ(memory[0x7FFE], 0x11);
}

TEST(SimBinary, startsFromAnImageFileAndEndsAfterAHangUp)
{
    const std::string image = scratchFile("start.hex");
    auto memory = RadioImage::fresh();
    memory[0x4000] = 0x3C;
    std::string error;
    ASSERT_TRUE(RadioImage::save(image, memory, error)) << error;
    SimProcess sim({"--baud", "0", "--image", image, "--hangup-after", "1"});
    PtyClient computer(sim.firstLine());
    computer.send(LinkText::frame("#QMPRD", {"4000", "01"}));
    EXPECT_NE(computer.readUntil("\r\n#QMPDT").find("#CMDOK"), std::string::npos);
    EXPECT_EQ(computer.readUntil("\r\n").substr(0, 11), "\t4000\t01\t3C");
    EXPECT_TRUE(computer.waitForHangUp());
    EXPECT_EQ(sim.wait(), 0);
}

TEST(SimBinary, refusesBadArgumentsAndImages)
{
    const std::string shortImage = scratchFile("short.hex");
    std::ofstream(shortImage, std::ios::binary) << "too short";
    EXPECT_EQ(SimProcess({"--image", shortImage}).wait(), 1);
    EXPECT_EQ(SimProcess({"--busy"}).wait(), 2);
    SimProcess help({"--help"});
    EXPECT_EQ(help.wait(), 0);
    EXPECT_EQ(help.restOfOutput().rfind("Usage: zmp-radio-sim", 0), 0u);
}

// A file in the way of --link is kept, and a dump that could not be written
// at the end is refused at the start.
TEST(SimBinary, keepsAFileInTheWayOfTheLinkAndRefusesADumpItCannotWrite)
{
    const std::filesystem::path folder = zmp::test::scratchFolder();
    const std::string file = (folder / "keep.dat").string();
    std::ofstream(file) << "keep";
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--link", file},
                                                 {"--dump", (folder / "missing" / "dump.hex").string()},
                                                 {"--dump", folder.string()}}) {
        SimProcess sim(args);
        EXPECT_EQ(sim.wait(), 1) << args[1];
    }
    std::string text;
    std::ifstream(file) >> text;
    EXPECT_EQ(text, "keep");
}
