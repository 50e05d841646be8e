#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "codec/checksum.h"
#include "image/newimage.h"
#include "link/transferoperation.h"
#include "link/writeplan.h"
#include "linktestsupport.h"
#include "model/models.h"

namespace zmp {
namespace {

using test::LinkRig;
using test::SentFrame;

TEST(WritePlan, coversTheConfigurationInAscendingSteps)
{
    const auto& steps = WritePlan::steps();
    ASSERT_EQ(steps.size(), 325u);
    int singles = 0;
    int blocks = 0;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(steps[i].blockStart, static_cast<int>(i) * 64);
        if (steps[i].kind == WriteStep::Kind::Bytes) singles += steps[i].count;
        if (steps[i].kind == WriteStep::Kind::Block) ++blocks;
    }
    EXPECT_EQ(singles, 160);
    EXPECT_EQ(blocks, 306);
    EXPECT_EQ(steps.back().kind, WriteStep::Kind::Pause);
}

class ProgramTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(makeNewImage(ModelMr4400, records, image));
        radioBefore = rig.radio.memory;
    }

    LinkRig rig;
    MemoryImage image;
    MemoryImage radioBefore;
    Records records;
    TransferOperation transfer{rig.port, rig.host, rig.flags, image, records, ModelMr4400, rig.options};
};

bool programmed(int a)
{
    const std::pair<int, int> ranges[] = {{0x00A0, 0x00FF}, {0x0110, 0x017F}, {0x0280, 0x02AF},
                                          {0x02C0, 0x02DF}, {0x0300, 0x06FF}, {0x0800, 0x45FF},
                                          {0x4700, 0x50FF}};
    return std::any_of(std::begin(ranges), std::end(ranges),
                       [a](const auto& r) { return a >= r.first && a <= r.second; });
}

TEST_F(ProgramTest, failedWriteStopsWithCommunicationError)
{
    rig.radio.fault = [](const SentFrame& f, int) -> std::optional<std::string> {
        if (f.word == "#QMPWR" && f.address == 0x0800) return "";
        return std::nullopt;
    };
    EXPECT_FALSE(transfer.run(OperationType::Program));
    EXPECT_EQ(rig.host.messages.back().text, "Communication Error!!");
    EXPECT_EQ(rig.host.messages.back().title, "Program to Radio");
    EXPECT_EQ(rig.radio.writeFrames().back().address, 0x0800);
    EXPECT_FALSE(rig.flags.CompletedFlag);
}

std::vector<int> readsAfterTheWrites(const test::MiniRadio& radio)
{
    std::vector<int> reads;
    for (const SentFrame& f : radio.frames) {
        if (f.word == "#QMPWR") reads.clear();
        if (f.word == "#QMPRD") reads.push_back(f.address);
    }
    return reads;
}

TEST_F(ProgramTest, verifyReadsBackEveryWrittenBlockOnce)
{
    EXPECT_TRUE(transfer.run(OperationType::Program));
    const std::vector<int> reads = readsAfterTheWrites(rig.radio);
    ASSERT_EQ(reads.size(), 310u);
    for (int a = 0; a < 0x5100; ++a) {
        const int block = a / 64 * 64;
        if (!programmed(a)) continue;
        ASSERT_TRUE(std::find(reads.begin(), reads.end(), block) != reads.end()) << a;
    }
    EXPECT_TRUE(rig.flags.CompletedFlag);

    rig.options.verify = false;
    rig.radio.frames.clear();
    TransferOperation unverified{rig.port, rig.host, rig.flags, image, records, ModelMr4400, rig.options};
    EXPECT_TRUE(unverified.run(OperationType::Program));
    EXPECT_TRUE(readsAfterTheWrites(rig.radio).empty());
}

TEST_F(ProgramTest, cancelDuringASingleByteRunIsNotLost)
{
    rig.host.onEvents = [&] {
        if (rig.radio.writeFrames().size() == 5) transfer.cancel();
    };
    EXPECT_FALSE(transfer.run(OperationType::Program));
    EXPECT_LE(rig.radio.writeFrames().size(), 6u);
    EXPECT_TRUE(rig.flags.CancelFlag);
    EXPECT_TRUE(rig.host.messages.empty());
}

} // namespace
} // namespace zmp
