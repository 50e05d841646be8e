#include <gtest/gtest.h>

#include <set>

#include "link/transferoperation.h"
#include "linktestsupport.h"
#include "model/models.h"

namespace zmp {
namespace {

using test::LinkRig;
using test::SentFrame;

struct Fill {
    int first;
    int last;
    std::uint8_t value;
};

struct ClearCase {
    const char* name;
    OperationType type;
    std::vector<Fill> changes;                // in order, on the image
    std::vector<std::pair<int, int>> written; // address ranges sent to the radio
    int requests;                             // write requests sent
};

const std::vector<Fill> DscTxSmall = {{0x0300, 0x035F, 0xFF}, {0x0380, 0x03DF, 0xFF}, {0x0400, 0x045F, 0xFF},
                                      {0x0480, 0x04DF, 0xFF}, {0x0500, 0x055F, 0xFF}, {0x0580, 0x05DF, 0xFF}};

std::vector<std::pair<int, int>> rangesOf(const std::vector<Fill>& fills)
{
    std::vector<std::pair<int, int>> ranges;
    for (const Fill& f : fills)
        ranges.emplace_back(f.first, f.last);
    return ranges;
}

std::vector<ClearCase> clearCases()
{
    std::vector<Fill> dscTx = DscTxSmall;
    dscTx.push_back({0x6300, 0x68FF, 0xFF});
    std::vector<std::pair<int, int>> dscTxWritten = rangesOf(dscTx);
    std::vector<Fill> all = {{0x6900, 0x78FF, 0xFF}, {0x7900, 0x7FBF, 0xFF}, {0x4700, 0x4BFF, 0xFF},
                             {0x4F00, 0x50FF, 0xFF}, {0x5100, 0x5E7F, 0xFF}, {0x5100, 0x5163, 0x00}};
    all.insert(all.end(), dscTx.begin(), dscTx.end());
    std::vector<std::pair<int, int>> allWritten = rangesOf(DscTxSmall);
    allWritten.insert(allWritten.end(), {{0x4700, 0x4BFF}, {0x4F00, 0x7FBF}});
    return {
        {"mmsi",
         OperationType::ClearMmsi,
         {{0x0280, 0x0284, 0xFF}, {0x0285, 0x0285, 0x00}},
         {{0x0280, 0x0285}},
         6},
        {"atis",
         OperationType::ClearAtis,
         {{0x0286, 0x028A, 0xFF},
          {0x028B, 0x028B, 0},
          {0x0132, 0x0132, 0},
          {0x0142, 0x0142, 0},
          {0x0152, 0x0152, 0}},
         {{0x0286, 0x028B}, {0x0132, 0x0132}, {0x0142, 0x0142}, {0x0152, 0x0152}},
         9},
        {"dscLog", OperationType::ClearDscLog, {{0x6900, 0x78FF, 0xFF}}, {{0x6900, 0x78FF}}, 64},
        {"distressLog", OperationType::ClearDistressLog, {{0x7900, 0x7FBF, 0xFF}}, {{0x7900, 0x7FBF}}, 27},
        {"individual", OperationType::ClearIndividual, {{0x4700, 0x4BFF, 0xFF}}, {{0x4700, 0x4BFF}}, 20},
        {"group", OperationType::ClearGroup, {{0x4F00, 0x50FF, 0xFF}}, {{0x4F00, 0x50FF}}, 8},
        {"wayPoint",
         OperationType::ClearWayPoint,
         {{0x5100, 0x5E7F, 0xFF}, {0x5100, 0x5163, 0x00}},
         {{0x5100, 0x5E7F}},
         54},
        {"dscTxLog", OperationType::ClearDscTxLog, dscTx, dscTxWritten, 18 + 24},
        {"all", OperationType::ClearAll, all, allWritten, 18 + 215},
    };
}

class ClearTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        image.fill(0x33);
        before = image;
        radioBefore = rig.radio.memory;
        records.userMmsi = "123456789";
        records.atisCode = "9123456789";
    }

    LinkRig rig;
    MemoryImage image;
    MemoryImage before;
    MemoryImage radioBefore;
    Records records;
};

class ClearKindTest : public ClearTest, public ::testing::WithParamInterface<ClearCase> {};

TEST_P(ClearKindTest, erasesTheImageAndWritesTheSameBytesToTheRadio)
{
    const ClearCase c = GetParam();
    TransferOperation transfer(rig.port, rig.host, rig.flags, image, records, ModelMr4400, rig.options);
    EXPECT_TRUE(transfer.run(c.type));
    EXPECT_TRUE(rig.flags.CompletedFlag);
    EXPECT_EQ(rig.host.messageTexts(), std::vector<std::string>{"Complete!!"});
    EXPECT_EQ(rig.host.messages[0].title, operationCaption(c.type));

    MemoryImage expected = before;
    for (const Fill& f : c.changes) {
        for (int a = f.first; a <= f.last; ++a)
            expected[a] = f.value;
    }
    EXPECT_EQ(image.bytes, expected.bytes);

    std::set<int> written;
    for (const auto& [first, last] : c.written) {
        for (int a = first; a <= last; ++a)
            written.insert(a);
    }
    for (int a = 0; a < ImageSize; ++a) {
        ASSERT_EQ(rig.radio.memory[a], written.count(a) ? image[a] : radioBefore[a]) << "address " << a;
    }
    EXPECT_EQ(static_cast<int>(rig.radio.writeFrames().size()), c.requests);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ClearKindTest, ::testing::ValuesIn(clearCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ClearTest, successfulMmsiAndAtisClearsEmptyTheirTexts)
{
    TransferOperation transfer(rig.port, rig.host, rig.flags, image, records, ModelMr4400, rig.options);
    transfer.run(OperationType::ClearMmsi);
    EXPECT_EQ(records.userMmsi, "");
    EXPECT_EQ(records.atisCode, "9123456789");
    transfer.run(OperationType::ClearAtis);
    EXPECT_EQ(records.atisCode, "");
}

TEST_F(ClearTest, dscLogProgressPassesThroughTheWholeMemory)
{
    TransferOperation transfer(rig.port, rig.host, rig.flags, image, records, ModelMr4400, rig.options);
    transfer.run(OperationType::ClearDscLog);
    EXPECT_GE(rig.host.progress.size(), 512u);
    EXPECT_EQ(*std::max_element(rig.host.progress.begin(), rig.host.progress.end()), 100);
}

TEST_F(ClearTest, failedAtisClearRestoresEveryByte)
{
    rig.radio.fault = [](const SentFrame& f, int) -> std::optional<std::string> {
        if (f.word == "#QMPWR" && f.address == 0x0152) return "ERROR";
        return std::nullopt;
    };
    rig.host.answers = {MessageAnswer::Cancel};
    TransferOperation transfer(rig.port, rig.host, rig.flags, image, records, ModelMr4400, rig.options);
    EXPECT_FALSE(transfer.run(OperationType::ClearAtis));
    EXPECT_EQ(image.bytes, before.bytes);
    EXPECT_EQ(records.atisCode, "9123456789");
    const Message& failure = rig.host.messages.back();
    EXPECT_EQ(failure.text, "Communication Error!!");
    EXPECT_EQ(failure.title, "Clear Data ATIS");
}

TEST_F(ClearTest, byteRefusedInTheMiddleOfAnMmsiClearRestoresTheImage)
{
    rig.radio.fault = [](const SentFrame& f, int) -> std::optional<std::string> {
        if (f.word == "#QMPWR" && f.address == 0x0281) return "ERROR";
        return std::nullopt;
    };
    rig.host.answers = {MessageAnswer::Cancel}; // no re-synchronisation
    TransferOperation transfer(rig.port, rig.host, rig.flags, image, records, ModelMr4400, rig.options);
    EXPECT_FALSE(transfer.run(OperationType::ClearMmsi));
    EXPECT_EQ(image.bytes, before.bytes);
    EXPECT_EQ(records.userMmsi, "123456789");
    EXPECT_FALSE(rig.flags.CompletedFlag);
    EXPECT_EQ(rig.host.messages.back().text, "Communication Error!!");
    EXPECT_EQ(rig.host.messages.back().title, "Clear Data");
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

TEST_F(ClearTest, refusedIdentityLeavesTheImage)
{
    rig.radio.memory[0x0100] = 'X';
    TransferOperation transfer(rig.port, rig.host, rig.flags, image, records, ModelMr4400, rig.options);
    EXPECT_FALSE(transfer.run(OperationType::ClearWayPoint));
    EXPECT_EQ(image.bytes, before.bytes);
    EXPECT_TRUE(rig.radio.writeFrames().empty());
}

} // namespace
} // namespace zmp
