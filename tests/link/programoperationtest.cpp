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

TEST_F(ProgramTest, writesThePlanInAscendingOrder)
{
    EXPECT_TRUE(transfer.run(OperationType::Program));
    const auto sent = rig.radio.writeFrames();
    const auto singles =
        std::count_if(sent.begin(), sent.end(), [](const SentFrame& f) { return f.length == 1; });
    const auto blocks =
        std::count_if(sent.begin(), sent.end(), [](const SentFrame& f) { return f.length == 64; });
    EXPECT_EQ(singles, 160);
    EXPECT_EQ(blocks, 306);
    EXPECT_EQ(sent.size(), 466u);
    for (std::size_t i = 1; i < sent.size(); ++i)
        EXPECT_LT(sent[i - 1].address, sent[i].address);
    EXPECT_TRUE(rig.flags.CompletedFlag);
    EXPECT_EQ(rig.host.messageTexts(), std::vector<std::string>{"Complete!!"});
}

TEST_F(ProgramTest, radioReceivesThePreparedImageOnlyWhereThePlanWrites)
{
    transfer.run(OperationType::Program);
    EXPECT_EQ(image[0x005F], byteSum(image, 0x0042, 0x005F - 0x0042));
    for (int a = 0; a < ImageSize; ++a) {
        ASSERT_EQ(rig.radio.memory[a], programmed(a) ? image[a] : radioBefore[a]) << "address " << a;
    }
}

TEST_F(ProgramTest, progressRunsFromZeroToOneHundred)
{
    transfer.run(OperationType::Program);
    EXPECT_EQ(rig.host.progress.front(), 0);
    EXPECT_EQ(*std::max_element(rig.host.progress.begin(), rig.host.progress.end()), 100);
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

// Every attempt at one byte in the middle of a single-byte run refused:
// the run still writes its last byte, but the program fails.
TEST_F(ProgramTest, byteRefusedInTheMiddleOfARunFailsTheProgram)
{
    rig.radio.fault = [](const SentFrame& f, int) -> std::optional<std::string> {
        if (f.word == "#QMPWR" && f.address == 0x00A5) return "ERROR";
        return std::nullopt;
    };
    rig.host.answers = {MessageAnswer::Cancel}; // no re-synchronisation
    EXPECT_FALSE(transfer.run(OperationType::Program));
    EXPECT_EQ(rig.radio.writeFrames().back().address, 0x00BF);
    EXPECT_TRUE(rig.flags.ErrorFlag);
    EXPECT_FALSE(rig.flags.CompletedFlag);
    EXPECT_FALSE(rig.host.showed("Complete!!"));
    EXPECT_EQ(rig.host.messages.back().text, "Communication Error!!");
    EXPECT_EQ(rig.host.messages.back().title, "Program to Radio");
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

// A radio that acknowledged a block but kept its old bytes.
TEST_F(ProgramTest, verifyReportsTheFirstByteTheRadioDidNotKeep)
{
    rig.radio.fault = [](const SentFrame& f, int) -> std::optional<std::string> {
        if (f.word == "#QMPWR" && f.address == 0x4740) return "#CMDOK\r\n";
        return std::nullopt;
    };
    EXPECT_FALSE(transfer.run(OperationType::Program));
    EXPECT_TRUE(rig.flags.ErrorFlag);
    EXPECT_FALSE(rig.flags.CompletedFlag);
    const Message& failure = rig.host.messages.back();
    EXPECT_EQ(failure.text, "Verify Error!!");
    EXPECT_EQ(failure.title, "Program to Radio");
    ASSERT_NE(image[0x4740], 0x5A);
    char expected[120];
    std::snprintf(expected, sizeof expected,
                  "The radio holds 0x5A at 0x4740 where 0x%02X was written (Memory ID entry 5).",
                  image[0x4740]);
    EXPECT_EQ(failure.detail, expected);
    EXPECT_EQ(readsAfterTheWrites(rig.radio).back(), 0x4740);
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
