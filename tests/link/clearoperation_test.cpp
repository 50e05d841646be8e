#include <gtest/gtest.h>

#include "link/transferoperation.h"
#include "linktestsupport.h"
#include "model/models.h"

namespace zmp {
namespace {

using test::LinkRig;
using test::SentFrame;

class ClearTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        image.fill(0x33);
        before = image;
        records.userMmsi = "123456789";
        records.atisCode = "9123456789";
    }

    LinkRig rig;
    MemoryImage image;
    MemoryImage before;
    Records records;
};

TEST_F(ClearTest, successfulMmsiAndAtisClearsEmptyTheirTexts)
{
    TransferOperation transfer(rig.port, rig.host, rig.flags, image, records, ModelMr4400, rig.options);
    transfer.run(OperationType::ClearMmsi);
    EXPECT_EQ(records.userMmsi, "");
    EXPECT_EQ(records.atisCode, "9123456789");
    transfer.run(OperationType::ClearAtis);
    EXPECT_EQ(records.atisCode, "");
}

TEST_F(ClearTest, failedBlockClearRestoresTheImage)
{
    rig.radio.fault = [](const SentFrame& f, int) -> std::optional<std::string> {
        if (f.word == "#QMPWR" && f.address == 0x5E00) return "";
        return std::nullopt;
    };
    TransferOperation transfer(rig.port, rig.host, rig.flags, image, records, ModelMr4400, rig.options);
    EXPECT_FALSE(transfer.run(OperationType::ClearAll));
    EXPECT_EQ(image.bytes, before.bytes);
    EXPECT_EQ(rig.host.messages.back().title, "Program to Radio");
    EXPECT_FALSE(rig.flags.CompletedFlag);
}

TEST_F(ClearTest, cancelledClearRestoresTheImageQuietly)
{
    TransferOperation transfer(rig.port, rig.host, rig.flags, image, records, ModelMr4400, rig.options);
    rig.host.onEvents = [&] {
        if (rig.radio.writeFrames().size() == 3) transfer.cancel();
    };
    EXPECT_FALSE(transfer.run(OperationType::ClearAll));
    EXPECT_EQ(rig.radio.writeFrames().size(), 3u);
    EXPECT_EQ(image.bytes, before.bytes);
    EXPECT_TRUE(rig.host.messages.empty());
}

} // namespace
} // namespace zmp
