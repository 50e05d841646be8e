// Programming and the clear operations end to end: what reaches the
// emulated radio, in which order, and what the image holds afterwards.
#include <gtest/gtest.h>

#include <utility>

#include "codec/checksum.h"
#include "image/newimage.h"
#include "linkptyrig.h"
#include "message/messagetexts.h"
#include "model/models.h"

using namespace zmp;
using zmp::radiosim::RadioRequest;

namespace {

using Write = std::pair<int, int>; // address, length

void addSingles(std::vector<Write>& writes, int first, int last)
{
    for (int a = first; a <= last; ++a)
        writes.emplace_back(a, 1);
}

void addBlocks(std::vector<Write>& writes, int first, int last, int size = 64)
{
    for (int a = first; a <= last; a += size)
        writes.emplace_back(a, size);
}

std::vector<Write> writesOf(const test::PtyLinkRig& rig)
{
    std::vector<Write> writes;
    for (const auto& write : rig.requestsOf(RadioRequest::Kind::Write))
        writes.emplace_back(write.address, write.length);
    return writes;
}

void addDscTxRanges(std::vector<Write>& writes)
{
    for (int first : {0x0300, 0x0380, 0x0400, 0x0480, 0x0500, 0x0580})
        addBlocks(writes, first, first + 0x5F, 32);
}

// Every byte the radio was sent now equals the image's.
int writtenDifferences(const test::PtyLinkRig& rig)
{
    int differences = 0;
    for (const auto& [address, length] : writesOf(rig))
        for (int a = address; a < address + length; ++a)
            differences += rig.radio().memory()[a] != rig.image[a];
    return differences;
}

bool touches(const std::vector<Write>& writes, int first, int last)
{
    for (const auto& [address, length] : writes)
        if (address <= last && address + length - 1 >= first) return true;
    return false;
}

class LinkPtyWrite : public ::testing::Test {
  protected:
    void prepare(test::PtyLinkRig& rig)
    {
        ASSERT_TRUE(makeNewImage(ModelMr4400, rig.records, rig.image));
        before = rig.image;
    }

    MemoryImage before;
};

} // namespace

TEST_F(LinkPtyWrite, programWritesThePlanInAscendingOrder)
{
    test::PtyLinkRig rig(test::patternedRadio());
    prepare(rig);
    rig.records.atisCode.clear();
    rig.image[0x028B] = 0x07;

    EXPECT_TRUE(rig.run(OperationType::Program));
    EXPECT_TRUE(rig.flags.CompletedFlag);
    EXPECT_TRUE(rig.host.showed(msg::Complete));

    std::vector<Write> expected;
    addSingles(expected, 0x00A0, 0x00BF);
    addBlocks(expected, 0x00C0, 0x00FF);
    addSingles(expected, 0x0110, 0x013F);
    addBlocks(expected, 0x0140, 0x017F);
    addSingles(expected, 0x0280, 0x02AF);
    addSingles(expected, 0x02C0, 0x02DF);
    addBlocks(expected, 0x0300, 0x06FF);
    addBlocks(expected, 0x0800, 0x45FF);
    addBlocks(expected, 0x4700, 0x50FF);
    const auto writes = writesOf(rig);
    EXPECT_EQ(writes, expected);
    EXPECT_EQ(std::count_if(writes.begin(), writes.end(), [](const Write& w) { return w.second == 1; }), 160);
    EXPECT_EQ(std::count_if(writes.begin(), writes.end(), [](const Write& w) { return w.second == 64; }),
              306);

    EXPECT_EQ(rig.image[0x005F], byteSum(rig.image, 0x0042, 0x005F - 0x0042));
    EXPECT_EQ(rig.image[0x028B], 0x07);
    EXPECT_EQ(rig.radio().memory()[0x028B], 0x07);
    EXPECT_EQ(writtenDifferences(rig), 0);
    // Model code, product code and everything above 0x50FF stay the radio's.
    const MemoryImage radio = test::patternedRadio();
    for (int a : {0x0080, 0x0081, 0x0100, 0x0105, 0x5100, 0x7FFF})
        EXPECT_EQ(rig.radio().memory()[a], radio[a]) << a;
    // 0 % before the first step, 100 % at the final one, then the dialog's reset to 0 %.
    ASSERT_GE(rig.host.progress.size(), 3u);
    EXPECT_EQ(rig.host.progress.front(), 0);
    EXPECT_EQ(rig.host.progress.end()[-2], 100);
    EXPECT_EQ(rig.host.progress.back(), 0);
}

struct ClearCase {
    const char* name;
    OperationType type;
    std::vector<Write> writes;
};

std::vector<ClearCase> clearCases()
{
    std::vector<ClearCase> cases;
    auto add = [&cases](const char* name, OperationType type, auto fill) {
        ClearCase c{name, type, {}};
        fill(c.writes);
        cases.push_back(std::move(c));
    };
    add("mmsi", OperationType::ClearMmsi, [](auto& w) { addSingles(w, 0x0280, 0x0285); });
    add("atis", OperationType::ClearAtis, [](auto& w) {
        addSingles(w, 0x0286, 0x028B);
        w.insert(w.end(), {{0x0132, 1}, {0x0142, 1}, {0x0152, 1}});
    });
    add("dscLog", OperationType::ClearDscLog, [](auto& w) { addBlocks(w, 0x6900, 0x78FF); });
    add("distressLog", OperationType::ClearDistressLog, [](auto& w) { addBlocks(w, 0x7900, 0x7FBF); });
    add("individual", OperationType::ClearIndividual, [](auto& w) { addBlocks(w, 0x4700, 0x4BFF); });
    add("group", OperationType::ClearGroup, [](auto& w) { addBlocks(w, 0x4F00, 0x50FF); });
    add("wayPoint", OperationType::ClearWayPoint, [](auto& w) { addBlocks(w, 0x5100, 0x5E7F); });
    add("dscTxLog", OperationType::ClearDscTxLog, [](auto& w) {
        addDscTxRanges(w);
        addBlocks(w, 0x6300, 0x68FF);
    });
    add("all", OperationType::ClearAll, [](auto& w) {
        addDscTxRanges(w);
        addBlocks(w, 0x4700, 0x4BFF);
        addBlocks(w, 0x4F00, 0x7FBF);
    });
    return cases;
}

class LinkPtyClear : public LinkPtyWrite, public ::testing::WithParamInterface<ClearCase> {};

TEST_P(LinkPtyClear, writesTheErasedBytesOfItsKind)
{
    test::PtyLinkRig rig(test::patternedRadio());
    prepare(rig);

    EXPECT_TRUE(rig.run(GetParam().type));
    EXPECT_TRUE(rig.flags.CompletedFlag);
    EXPECT_TRUE(rig.host.showed(msg::Complete));
    EXPECT_EQ(writesOf(rig), GetParam().writes);
    EXPECT_EQ(writtenDifferences(rig), 0);
}

INSTANTIATE_TEST_SUITE_P(Kinds, LinkPtyClear, ::testing::ValuesIn(clearCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LinkPtyWrite, wayPointClearSplitsTheDirectory)
{
    test::PtyLinkRig rig(test::patternedRadio());
    prepare(rig);
    ASSERT_TRUE(rig.run(OperationType::ClearWayPoint));
    for (int a = 0x5100; a <= 0x5E7F; ++a) {
        const std::uint8_t erased = a <= 0x5163 ? 0x00 : 0xFF;
        ASSERT_EQ(rig.image[a], erased) << a;
        ASSERT_EQ(rig.radio().memory()[a], erased) << a;
    }
}

TEST_F(LinkPtyWrite, clearAllLeavesTheKeptAreasAlone)
{
    test::PtyLinkRig rig(test::patternedRadio());
    prepare(rig);
    ASSERT_TRUE(rig.run(OperationType::ClearAll));
    const auto writes = writesOf(rig);
    EXPECT_FALSE(touches(writes, 0x4C00, 0x4EFF));
    EXPECT_FALSE(touches(writes, 0x7FC0, 0x7FFF));
    EXPECT_FALSE(touches(writes, 0x0280, 0x028B));
    EXPECT_TRUE(touches(writes, 0x5E80, 0x62FF));
    const MemoryImage radio = test::patternedRadio();
    for (int a = 0x4C00; a <= 0x4EFF; ++a)
        ASSERT_EQ(rig.radio().memory()[a], radio[a]) << a;
    for (int a = 0x7900; a <= 0x7FBF; ++a)
        ASSERT_EQ(rig.radio().memory()[a], 0xFF) << a;
}

TEST_F(LinkPtyWrite, failedAtisClearRestoresEveryByte)
{
    auto options = test::PtyLinkRig::unpaced();
    // Status, two model-code reads and the product code come first; the
    // last of the nine single-byte writes and every later frame are refused.
    options.faults.refusedFrames.parse("13-60");
    test::PtyLinkRig rig(test::patternedRadio(), options);
    prepare(rig);
    for (int a = 0x0286; a <= 0x028A; ++a)
        rig.image[a] = std::uint8_t(0x10 + a - 0x0286);
    rig.image[0x028B] = 0x02;
    rig.image[0x0132] = rig.image[0x0142] = rig.image[0x0152] = 0x5A;
    rig.records.atisCode = "1234567890";
    const MemoryImage kept = rig.image;

    EXPECT_FALSE(rig.run(OperationType::ClearAtis));
    EXPECT_TRUE(rig.flags.ErrorFlag);
    EXPECT_FALSE(rig.flags.CompletedFlag);
    EXPECT_TRUE(rig.host.showed(msg::ConfirmSync));
    EXPECT_TRUE(rig.host.showed(msg::CommunicationError));
    EXPECT_EQ(rig.image.bytes, kept.bytes);
    EXPECT_EQ(rig.records.atisCode, "1234567890");
}

// One byte of a single-byte run the radio never takes: the program fails,
// though the run's last byte was taken.
TEST_F(LinkPtyWrite, byteTheRadioRefusesFailsTheProgram)
{
    auto options = test::PtyLinkRig::unpaced();
    options.faults.refusedByte = 0x0115;
    test::PtyLinkRig rig(test::patternedRadio(), options);
    prepare(rig);
    EXPECT_FALSE(rig.run(OperationType::Program));
    EXPECT_FALSE(rig.flags.CompletedFlag);
    EXPECT_FALSE(rig.host.showed(msg::Complete));
    EXPECT_TRUE(rig.host.showed(msg::CommunicationError));
    EXPECT_EQ(rig.requestsOf(RadioRequest::Kind::Write).back().address, 0x013F);
}

TEST_F(LinkPtyWrite, verifyCatchesAByteTheRadioStoredOtherwise)
{
    auto options = test::PtyLinkRig::unpaced();
    options.faults.misstoredByte = 0x4F23; // Group ID entry 3
    test::PtyLinkRig rig(test::patternedRadio(), options);
    prepare(rig);
    EXPECT_FALSE(rig.run(OperationType::Program));
    EXPECT_FALSE(rig.flags.CompletedFlag);
    ASSERT_FALSE(rig.host.messages.empty());
    EXPECT_EQ(rig.host.messages.back().text, "Verify Error!!");
    EXPECT_NE(rig.host.messages.back().detail.find(" at 0x4F23 where "), std::string::npos);
    EXPECT_NE(rig.host.messages.back().detail.find("(Group ID entry 3)"), std::string::npos);
}
