#include <gtest/gtest.h>

#include <fstream>

#include "link/portcontrol.h"
#include "linktestsupport.h"

namespace zmp {
namespace {

using test::LinkRig;

TEST(PortControl, portOpenKeepsAnOpenPortAtItsSpeed)
{
    LinkRig rig;
    const PortControl ports(rig.context);
    ASSERT_TRUE(ports.portInit());
    EXPECT_TRUE(ports.portOpen());
    EXPECT_EQ(rig.port.openedWith, std::vector<std::string>{"19200,N,8,1"});
    EXPECT_EQ(rig.host.statuses, std::vector<std::string>{"19200,N,8,1"});
}

TEST(PortControl, closedPortOpensAtTheTransferSpeed)
{
    LinkRig rig;
    const PortControl ports(rig.context);
    EXPECT_TRUE(ports.portOpen());
    ports.close();
    rig.flags.SlowLink = true;
    EXPECT_TRUE(ports.portOpen());
    EXPECT_EQ(rig.port.openedWith, (std::vector<std::string>{"57600,N,8,1", "19200,N,8,1"}));
    EXPECT_TRUE(rig.host.statuses.empty());
}

TEST(PortControl, failedOpeningIsLoggedInDebugMode)
{
    LinkRig rig;
    rig.flags.DebugMode = true;
    rig.port.opens = false;
    EXPECT_FALSE(PortControl(rig.context).portInitCp());
    EXPECT_TRUE(rig.host.messages.empty());
    std::ifstream log(rig.options.programDir + "/err.log");
    std::string line;
    std::getline(log, line);
    EXPECT_NE(line.find(":frmRadio.PortInitCP -> 3no such port"), std::string::npos) << line;
}

} // namespace
} // namespace zmp
