#include <gtest/gtest.h>

#include "link/transferoperation.h"
#include "linktestsupport.h"
#include "model/models.h"

namespace zmp {
namespace {

using test::LinkRig;

class TransferTest : public ::testing::Test {
  protected:
    LinkRig rig;
    MemoryImage image;
    Records records;
    TransferOperation transfer{
        rig.port, rig.host, rig.flags, image, records, ModelMr4400, LinkOptions{7, rig.options.programDir}};
};

TEST_F(TransferTest, cancelBeforeOkClosesWithoutTouchingThePort)
{
    EXPECT_TRUE(transfer.cancel());
    EXPECT_TRUE(transfer.mayClose());
    EXPECT_FALSE(rig.flags.CancelFlag);
    EXPECT_TRUE(rig.port.openedWith.empty());
}

TEST_F(TransferTest, unknownOperationDoesNothing)
{
    EXPECT_FALSE(transfer.run(static_cast<OperationType>(11)));
    EXPECT_TRUE(rig.port.openedWith.empty());
    EXPECT_TRUE(rig.host.messages.empty());
}

TEST_F(TransferTest, closeBoxIsRefusedWhileBusy)
{
    bool refused = false;
    rig.host.onEvents = [&] { refused = refused || !transfer.mayClose(); };
    transfer.run(OperationType::Read);
    EXPECT_TRUE(refused);
    EXPECT_TRUE(transfer.mayClose());
    EXPECT_EQ(rig.host.busyChanges.front(), true);
    EXPECT_EQ(rig.host.busyChanges.back(), false);
}

TEST_F(TransferTest, usesTheChosenPortNumber)
{
    transfer.run(OperationType::Read);
    EXPECT_EQ(rig.port.portNumber, 7);
}

TEST_F(TransferTest, failedSynchronisationKeepsTheDialogOpen)
{
    rig.port.responder = [](const std::string&) { return std::string(); };
    EXPECT_FALSE(transfer.run(OperationType::Read));
    EXPECT_EQ(rig.host.statuses.back(), "can not syncing!!");
    EXPECT_FALSE(rig.flags.BusyFlag);
    EXPECT_TRUE(rig.port.writesStartingWith("#QMP").empty());
}

TEST_F(TransferTest, missingPortFailsWithAClearMessage)
{
    rig.port.opens = false;
    EXPECT_FALSE(transfer.run(OperationType::Program));
    EXPECT_EQ(rig.host.messageTexts(), std::vector<std::string>{"port inicialize error!!"});
    EXPECT_EQ(rig.host.messages[0].detail, "no such port");
    EXPECT_EQ(rig.host.messages[0].title, "Program to Radio");
    EXPECT_FALSE(rig.flags.BusyFlag);
}

TEST_F(TransferTest, debugModeShowsEachStatusWithAPause)
{
    rig.flags.DebugMode = true;
    rig.port.opens = false;
    transfer.run(OperationType::Read);
    EXPECT_EQ(rig.host.statuses,
              (std::vector<std::string>{"startsync...", "19200,N,8,1", "can not syncing!!"}));
    EXPECT_EQ(rig.host.sleptMs, 3 * 500);
}

} // namespace
} // namespace zmp
