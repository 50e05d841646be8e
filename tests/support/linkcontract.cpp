#include "support/linkcontract.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "codec/checksum.h"
#include "image/imagecodec.h"
#include "image/newimage.h"
#include "support/patternedradio.h"
#include "support/recordsdifference.h"

namespace zmp::test {

namespace {

using Kind = SeenRequest::Kind;

std::unique_ptr<ContractRig> newRig(const RigMaker& maker, const MemoryImage& radio,
                                    const RadioFaults& faults, MemoryImage& before, Records& recordsBefore)
{
    std::unique_ptr<ContractRig> rig = maker.make(radio, faults);
    makeNewImage(ModelMr4400, rig->records, rig->image);
    before = rig->image;
    recordsBefore = rig->records;
    return rig;
}

// The configuration ranges a read takes from the radio; the image keeps
// its own bytes everywhere else.
bool copied(int a)
{
    const std::pair<int, int> ranges[] = {{0x0080, 0x0081}, {0x00A1, 0x017F}, {0x0280, 0x02A5},
                                          {0x02C0, 0x02EF}, {0x0300, 0x06FF}, {0x0800, 0x45FF},
                                          {0x4700, 0x50FF}, {0x7FFE, 0x7FFF}};
    return std::any_of(std::begin(ranges), std::end(ranges),
                       [a](const auto& r) { return a >= r.first && a <= r.second; });
}

// What a program writes: the configuration, never the identity or the logs.
bool programmed(int a)
{
    const std::pair<int, int> ranges[] = {{0x00A0, 0x00FF}, {0x0110, 0x017F}, {0x0280, 0x02AF},
                                          {0x02C0, 0x02DF}, {0x0300, 0x06FF}, {0x0800, 0x45FF},
                                          {0x4700, 0x50FF}};
    return std::any_of(std::begin(ranges), std::end(ranges),
                       [a](const auto& r) { return a >= r.first && a <= r.second; });
}

std::vector<SeenRequest> blockReads(const ContractRig& rig)
{
    std::vector<SeenRequest> reads = rig.requestsOf(Kind::Read);
    std::erase_if(reads, [](const SeenRequest& r) { return r.length != 64; });
    return reads;
}

std::vector<Write> writesOf(const ContractRig& rig)
{
    std::vector<Write> writes;
    for (const SeenRequest& write : rig.requestsOf(Kind::Write))
        writes.emplace_back(write.address, write.length);
    return writes;
}

// The reads of the verify: those after the last write.
std::vector<int> readsAfterTheWrites(const ContractRig& rig)
{
    std::vector<int> reads;
    for (const SeenRequest& request : rig.requests()) {
        if (request.kind == Kind::Write) reads.clear();
        if (request.kind == Kind::Read) reads.push_back(request.address);
    }
    return reads;
}

bool touches(const std::vector<Write>& writes, int first, int last)
{
    return std::any_of(writes.begin(), writes.end(),
                       [&](const Write& w) { return w.first <= last && w.first + w.second - 1 >= first; });
}

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

void addDscTxRanges(std::vector<Write>& writes)
{
    for (int first : {0x0300, 0x0380, 0x0400, 0x0480, 0x0500, 0x0580})
        addBlocks(writes, first, first + 0x5F, 32);
}

std::vector<Write> programPlan()
{
    std::vector<Write> plan;
    addSingles(plan, 0x00A0, 0x00BF);
    addBlocks(plan, 0x00C0, 0x00FF);
    addSingles(plan, 0x0110, 0x013F);
    addBlocks(plan, 0x0140, 0x017F);
    addSingles(plan, 0x0280, 0x02AF);
    addSingles(plan, 0x02C0, 0x02DF);
    addBlocks(plan, 0x0300, 0x06FF);
    addBlocks(plan, 0x0800, 0x45FF);
    addBlocks(plan, 0x4700, 0x50FF);
    return plan;
}

} // namespace

std::unique_ptr<ContractRig> LinkContract::makeRig(const RadioFaults& faults)
{
    return makeRig(patternedRadio(), faults);
}

std::unique_ptr<ContractRig> LinkContract::makeRig(const MemoryImage& radio, const RadioFaults& faults)
{
    return newRig(GetParam(), radio, faults, before, recordsBefore);
}

template <class Case>
std::unique_ptr<ContractRig> LinkContractWith<Case>::makeRig(const MemoryImage& radio,
                                                             const RadioFaults& faults)
{
    return newRig(std::get<0>(this->GetParam()), radio, faults, before, recordsBefore);
}

template class LinkContractWith<IdentityCase>;
template class LinkContractWith<ClearCase>;
template class LinkContractWith<RefusedByteCase>;
template class LinkContractWith<MisstoredByteCase>;

// Reading.

TEST_P(LinkContract, readsEveryBlockAndCopiesOnlyTheConfigurationRanges)
{
    const MemoryImage radio = patternedRadio();
    auto rig = makeRig(radio);
    EXPECT_TRUE(rig->run(OperationType::Read));
    EXPECT_TRUE(rig->flags.CompletedFlag);
    EXPECT_FALSE(rig->flags.ErrorFlag);
    EXPECT_FALSE(rig->flags.BusyFlag);
    EXPECT_FALSE(rig->portOpenAfterRun());
    EXPECT_TRUE(rig->host.showed("Complete!!"));

    const auto reads = blockReads(*rig);
    ASSERT_EQ(reads.size(), 512u);
    for (std::size_t i = 0; i < reads.size(); ++i)
        EXPECT_EQ(reads[i].address, int(i) * 64);
    // The last block brings the bar to 100 %; the dialog then sets it back to 0 %.
    ASSERT_GE(rig->host.progress.size(), 2u);
    EXPECT_EQ(rig->host.progress.end()[-2], 100);
    EXPECT_EQ(rig->host.progress.back(), 0);
    for (int a = 0; a < ImageSize; ++a)
        ASSERT_EQ(rig->image[a], copied(a) ? radio[a] : before[a]) << "address " << a;

    Records decoded = recordsBefore;
    ImageCodec::decode(rig->image, decoded);
    EXPECT_TRUE(sameRecords(decoded, rig->records));
}

TEST_P(LinkContract, readProgressReachesOneHundredAndCompletes)
{
    auto rig = makeRig();
    rig->run(OperationType::Read);
    ASSERT_FALSE(rig->host.progress.empty());
    EXPECT_EQ(rig->host.progress.front(), 0);
    EXPECT_EQ(*std::max_element(rig->host.progress.begin(), rig->host.progress.end()), 100);
    ASSERT_EQ(rig->host.messages.size(), 1u);
    EXPECT_EQ(rig->host.messages[0].text, "Complete!!");
    EXPECT_EQ(rig->host.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(rig->host.messages[0].title, "Read from Radio");
}

TEST_P(LinkContract, readDecodesTheImageIntoTheRecords)
{
    auto rig = makeRig();
    rig->run(OperationType::Read);
    Records expected;
    ImageCodec::decode(rig->image, expected);
    EXPECT_EQ(rig->records.userMmsi, expected.userMmsi);
    EXPECT_EQ(rig->records.settings, expected.settings);
    EXPECT_EQ(rig->records.memoryId[0].Mmsid, expected.memoryId[0].Mmsid);
}

TEST_P(LinkContract, cancelledReadSendsCanAndLeavesImageAndRecords)
{
    auto rig = makeRig();
    ContractRig& r = *rig;
    r.host.onEvents = [&r] {
        if (!r.host.progress.empty() && r.host.progress.back() >= 25) r.cancel();
    };
    EXPECT_FALSE(r.run(OperationType::Read));
    EXPECT_TRUE(r.flags.CancelFlag);
    EXPECT_FALSE(r.flags.CompletedFlag);
    EXPECT_GE(r.cancelsReceived(), 1);
    EXPECT_LT(r.requestsOf(Kind::Read).size(), 512u);
    EXPECT_EQ(r.image.bytes, before.bytes);
    EXPECT_TRUE(sameRecords(recordsBefore, r.records));
}

TEST_P(LinkContractIdentity, refusesAWrongRadioBeforeReading)
{
    MemoryImage radio = patternedRadio();
    for (const auto& [address, value] : param().pokes)
        radio[address] = value;
    auto rig = makeRig(radio);

    EXPECT_EQ(rig->run(OperationType::Read, param().model), param().accepted);
    EXPECT_EQ(rig->flags.CompletedFlag, param().accepted);
    const auto reads = rig->requestsOf(Kind::Read);
    if (param().accepted) {
        EXPECT_FALSE(rig->host.showed("ModelType Error !!"));
        EXPECT_EQ(reads.size(), 3u + 512u);
        return;
    }
    EXPECT_TRUE(rig->flags.ErrorFlag);
    EXPECT_TRUE(blockReads(*rig).empty());
    EXPECT_LE(reads.size(), 3u);
    ASSERT_EQ(rig->host.messages.size(), 1u);
    EXPECT_EQ(rig->host.messages[0].text, "ModelType Error !!");
    EXPECT_EQ(rig->host.messages[0].title, "Read from Radio");
    // What the radio reported, and what to do.
    const std::string& detail = rig->host.messages[0].detail;
    EXPECT_NE(detail.find(": the radio reports "), std::string::npos) << detail;
    EXPECT_NE(detail.find("Is this configuration for the radio's model?"), std::string::npos) << detail;
    EXPECT_EQ(rig->image.bytes, before.bytes);
}

std::vector<IdentityCase> identityCases()
{
    return {
        {"firstModelCopy", {{0x0081, 0x31}}, ModelMr4400, false},
        {"secondModelCopy", {{0x7FFF, 0x31}}, ModelMr4400, false},
        {"bothModelCopiesEqualButWrong", {{0x0081, 0x31}, {0x7FFF, 0x31}}, ModelMr4400, false},
        {"unknownModel", {}, 2, false},
        {"mr4400m", {}, ModelMr4400M, true},
        {"productSixthCharacter", {{0x0105, 'X'}}, ModelMr4400, false},
        {"productSeventhByte", {{0x0106, 'X'}}, ModelMr4400, true},
    };
}

// Busy at every status request: Cancel to the question is the user's
// cancel, not a radio found not ready.
TEST_P(LinkContract, busyRadioCancelledIsACancel)
{
    auto rig = makeRig(RadioFaults{.busyStatusCount = 5});
    rig->host.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(rig->run(OperationType::Read));
    EXPECT_EQ(rig->host.messageTexts(), (std::vector<std::string>{"Radio is busy!!"}));
    EXPECT_TRUE(rig->flags.CancelFlag);
    EXPECT_FALSE(rig->flags.CompletedFlag);
    EXPECT_TRUE(rig->requestsOf(Kind::Read).empty());
    EXPECT_EQ(rig->image.bytes, before.bytes);
}

TEST_P(LinkContract, busyRadioIsAskedAgainOnRetry)
{
    auto rig = makeRig(RadioFaults{.busyStatusCount = 1});
    rig->host.answers = {MessageAnswer::Retry};
    EXPECT_TRUE(rig->run(OperationType::ClearMmsi));
    ASSERT_FALSE(rig->host.messages.empty());
    EXPECT_EQ(rig->host.messages.front().text, "Radio is busy!!");
    EXPECT_EQ(rig->host.messages.front().icon, MessageIcon::Warning);
    EXPECT_EQ(rig->requestsOf(Kind::Status).size(), 2u);
    EXPECT_TRUE(rig->flags.CompletedFlag);
}

// Programming.

TEST_P(LinkContract, programWritesThePlanInAscendingOrder)
{
    auto rig = makeRig();
    rig->records.atisCode.clear();
    rig->image[0x028B] = 0x07;

    EXPECT_TRUE(rig->run(OperationType::Program));
    EXPECT_TRUE(rig->flags.CompletedFlag);
    EXPECT_EQ(rig->host.messageTexts(), std::vector<std::string>{"Complete!!"});

    const auto writes = writesOf(*rig);
    EXPECT_EQ(writes, programPlan());
    EXPECT_EQ(std::count_if(writes.begin(), writes.end(), [](const Write& w) { return w.second == 1; }), 160);
    EXPECT_EQ(std::count_if(writes.begin(), writes.end(), [](const Write& w) { return w.second == 64; }),
              306);
    for (std::size_t i = 1; i < writes.size(); ++i)
        EXPECT_LT(writes[i - 1].first, writes[i].first);
    EXPECT_EQ(rig->image[0x028B], 0x07);
    EXPECT_EQ(rig->radioMemory()[0x028B], 0x07);
    // 0 % before the first step, 100 % at the final one, then the dialog's reset to 0 %.
    ASSERT_GE(rig->host.progress.size(), 3u);
    EXPECT_EQ(rig->host.progress.front(), 0);
    EXPECT_EQ(rig->host.progress.end()[-2], 100);
    EXPECT_EQ(rig->host.progress.back(), 0);
}

TEST_P(LinkContract, radioReceivesThePreparedImageOnlyWhereThePlanWrites)
{
    const MemoryImage radio = patternedRadio();
    auto rig = makeRig(radio);
    rig->run(OperationType::Program);
    EXPECT_EQ(rig->image[0x005F], byteSum(rig->image, 0x0042, 0x005F - 0x0042));
    for (int a = 0; a < ImageSize; ++a)
        ASSERT_EQ(rig->radioMemory()[a], programmed(a) ? rig->image[a] : radio[a]) << "address " << a;
}

TEST_P(LinkContract, programProgressRunsFromZeroToOneHundred)
{
    auto rig = makeRig();
    rig->run(OperationType::Program);
    ASSERT_FALSE(rig->host.progress.empty());
    EXPECT_EQ(rig->host.progress.front(), 0);
    EXPECT_EQ(*std::max_element(rig->host.progress.begin(), rig->host.progress.end()), 100);
}

// Every attempt at one byte of a single-byte run refused: the run still
// writes its last byte, but the program fails.
TEST_P(LinkContractRefusedByte, failsTheProgram)
{
    auto rig = makeRig(patternedRadio(), RadioFaults{.refusedByte = param().address});
    rig->host.answers = {MessageAnswer::Cancel}; // no re-synchronisation
    EXPECT_FALSE(rig->run(OperationType::Program));
    EXPECT_EQ(rig->requestsOf(Kind::Write).back().address, param().lastWrite);
    EXPECT_TRUE(rig->flags.ErrorFlag);
    EXPECT_FALSE(rig->flags.CompletedFlag);
    EXPECT_FALSE(rig->host.showed("Complete!!"));
    ASSERT_FALSE(rig->host.messages.empty());
    EXPECT_EQ(rig->host.messages.back().text, "Communication Error!!");
    EXPECT_EQ(rig->host.messages.back().title, "Program to Radio");
}

std::vector<RefusedByteCase> refusedByteCases()
{
    return {{"firstRun", 0x00A5, 0x00BF}, {"secondRun", 0x0115, 0x013F}};
}

// A radio that acknowledged a block but stored another byte.
TEST_P(LinkContractMisstoredByte, verifyReportsTheFirstByteTheRadioDidNotKeep)
{
    const int address = param().address;
    auto rig = makeRig(patternedRadio(), RadioFaults{.misstoredByte = address});
    EXPECT_FALSE(rig->run(OperationType::Program));
    EXPECT_TRUE(rig->flags.ErrorFlag);
    EXPECT_FALSE(rig->flags.CompletedFlag);
    ASSERT_FALSE(rig->host.messages.empty());
    const Message& failure = rig->host.messages.back();
    EXPECT_EQ(failure.text, "Verify Error!!");
    EXPECT_EQ(failure.title, "Program to Radio");
    const std::uint8_t written = rig->image[address];
    char expected[120];
    std::snprintf(expected, sizeof expected,
                  "The radio holds 0x%02X at 0x%04X where 0x%02X was written (%s).",
                  unsigned(std::uint8_t(~written)), unsigned(address), unsigned(written), param().entry);
    EXPECT_EQ(failure.detail, expected);
    ASSERT_FALSE(readsAfterTheWrites(*rig).empty());
    EXPECT_EQ(readsAfterTheWrites(*rig).back(), address / 64 * 64);
}

std::vector<MisstoredByteCase> misstoredByteCases()
{
    return {{"memoryIdEntry5", 0x4740, "Memory ID entry 5"}, {"groupIdEntry3", 0x4F23, "Group ID entry 3"}};
}

// Clearing.

TEST_P(LinkContractClear, erasesTheImageAndWritesTheSameBytesToTheRadio)
{
    const MemoryImage radio = patternedRadio();
    auto rig = makeRig(radio);
    EXPECT_TRUE(rig->run(param().type));
    EXPECT_TRUE(rig->flags.CompletedFlag);
    EXPECT_EQ(rig->host.messageTexts(), std::vector<std::string>{"Complete!!"});
    EXPECT_EQ(rig->host.messages[0].title, operationCaption(param().type));

    MemoryImage expected = before;
    for (const Fill& f : param().changes)
        for (int a = f.first; a <= f.last; ++a)
            expected[a] = f.value;
    EXPECT_EQ(rig->image.bytes, expected.bytes);

    const auto writes = writesOf(*rig);
    EXPECT_EQ(writes, param().writes);
    std::set<int> written;
    for (const auto& [address, length] : writes)
        for (int a = address; a < address + length; ++a)
            written.insert(a);
    for (int a = 0; a < ImageSize; ++a)
        ASSERT_EQ(rig->radioMemory()[a], written.count(a) ? rig->image[a] : radio[a]) << "address " << a;
}

std::vector<ClearCase> clearCases()
{
    std::vector<ClearCase> cases;
    const std::vector<Fill> dscTx = {{0x0300, 0x035F, 0xFF}, {0x0380, 0x03DF, 0xFF}, {0x0400, 0x045F, 0xFF},
                                     {0x0480, 0x04DF, 0xFF}, {0x0500, 0x055F, 0xFF}, {0x0580, 0x05DF, 0xFF},
                                     {0x6300, 0x68FF, 0xFF}};
    auto add = [&cases](const char* name, OperationType type, std::vector<Fill> changes, auto writes) {
        ClearCase c{name, type, std::move(changes), {}};
        writes(c.writes);
        cases.push_back(std::move(c));
    };
    add("mmsi", OperationType::ClearMmsi, {{0x0280, 0x0284, 0xFF}, {0x0285, 0x0285, 0x00}},
        [](auto& w) { addSingles(w, 0x0280, 0x0285); });
    add("atis", OperationType::ClearAtis,
        {{0x0286, 0x028A, 0xFF},
         {0x028B, 0x028B, 0},
         {0x0132, 0x0132, 0},
         {0x0142, 0x0142, 0},
         {0x0152, 0x0152, 0}},
        [](auto& w) {
            addSingles(w, 0x0286, 0x028B);
            w.insert(w.end(), {{0x0132, 1}, {0x0142, 1}, {0x0152, 1}});
        });
    add("dscLog", OperationType::ClearDscLog, {{0x6900, 0x78FF, 0xFF}},
        [](auto& w) { addBlocks(w, 0x6900, 0x78FF); });
    add("distressLog", OperationType::ClearDistressLog, {{0x7900, 0x7FBF, 0xFF}},
        [](auto& w) { addBlocks(w, 0x7900, 0x7FBF); });
    add("individual", OperationType::ClearIndividual, {{0x4700, 0x4BFF, 0xFF}},
        [](auto& w) { addBlocks(w, 0x4700, 0x4BFF); });
    add("group", OperationType::ClearGroup, {{0x4F00, 0x50FF, 0xFF}},
        [](auto& w) { addBlocks(w, 0x4F00, 0x50FF); });
    add("wayPoint", OperationType::ClearWayPoint, {{0x5100, 0x5E7F, 0xFF}, {0x5100, 0x5163, 0x00}},
        [](auto& w) { addBlocks(w, 0x5100, 0x5E7F); });
    add("dscTxLog", OperationType::ClearDscTxLog, dscTx, [](auto& w) {
        addDscTxRanges(w);
        addBlocks(w, 0x6300, 0x68FF);
    });
    std::vector<Fill> all = {{0x6900, 0x78FF, 0xFF}, {0x7900, 0x7FBF, 0xFF}, {0x4700, 0x4BFF, 0xFF},
                             {0x4F00, 0x50FF, 0xFF}, {0x5100, 0x5E7F, 0xFF}, {0x5100, 0x5163, 0x00}};
    all.insert(all.end(), dscTx.begin(), dscTx.end());
    add("all", OperationType::ClearAll, all, [](auto& w) {
        addDscTxRanges(w);
        addBlocks(w, 0x4700, 0x4BFF);
        addBlocks(w, 0x4F00, 0x7FBF);
    });
    return cases;
}

TEST_P(LinkContract, dscLogProgressPassesThroughTheWholeMemory)
{
    auto rig = makeRig();
    rig->run(OperationType::ClearDscLog);
    EXPECT_GE(rig->host.progress.size(), 512u);
    EXPECT_EQ(*std::max_element(rig->host.progress.begin(), rig->host.progress.end()), 100);
}

TEST_P(LinkContract, wayPointClearSplitsTheDirectory)
{
    auto rig = makeRig();
    ASSERT_TRUE(rig->run(OperationType::ClearWayPoint));
    for (int a = 0x5100; a <= 0x5E7F; ++a) {
        const std::uint8_t erased = a <= 0x5163 ? 0x00 : 0xFF;
        ASSERT_EQ(rig->image[a], erased) << a;
        ASSERT_EQ(rig->radioMemory()[a], erased) << a;
    }
}

TEST_P(LinkContract, clearAllLeavesTheKeptAreasAlone)
{
    const MemoryImage radio = patternedRadio();
    auto rig = makeRig(radio);
    ASSERT_TRUE(rig->run(OperationType::ClearAll));
    const auto writes = writesOf(*rig);
    EXPECT_FALSE(touches(writes, 0x4C00, 0x4EFF));
    EXPECT_FALSE(touches(writes, 0x7FC0, 0x7FFF));
    EXPECT_FALSE(touches(writes, 0x0280, 0x028B));
    EXPECT_TRUE(touches(writes, 0x5E80, 0x62FF));
    for (int a = 0x4C00; a <= 0x4EFF; ++a)
        ASSERT_EQ(rig->radioMemory()[a], radio[a]) << a;
    for (int a = 0x7900; a <= 0x7FBF; ++a)
        ASSERT_EQ(rig->radioMemory()[a], 0xFF) << a;
}

// The last of the nine single-byte writes refused: the image and the ATIS
// code are as they were before the clear.
TEST_P(LinkContract, failedAtisClearRestoresEveryByte)
{
    auto rig = makeRig(RadioFaults{.refusedByte = 0x0152});
    for (int a = 0x0286; a <= 0x028A; ++a)
        rig->image[a] = std::uint8_t(0x10 + a - 0x0286);
    rig->image[0x028B] = 0x02;
    rig->image[0x0132] = rig->image[0x0142] = rig->image[0x0152] = 0x5A;
    rig->records.atisCode = "1234567890";
    const MemoryImage kept = rig->image;
    rig->host.answers = {MessageAnswer::Cancel}; // no re-synchronisation

    EXPECT_FALSE(rig->run(OperationType::ClearAtis));
    EXPECT_TRUE(rig->flags.ErrorFlag);
    EXPECT_FALSE(rig->flags.CompletedFlag);
    EXPECT_TRUE(rig->host.showed("confirm the synchronization of the communication"));
    EXPECT_EQ(rig->image.bytes, kept.bytes);
    EXPECT_EQ(rig->records.atisCode, "1234567890");
    ASSERT_FALSE(rig->host.messages.empty());
    EXPECT_EQ(rig->host.messages.back().text, "Communication Error!!");
    EXPECT_EQ(rig->host.messages.back().title, "Clear Data ATIS");
}

TEST_P(LinkContract, byteRefusedInTheMiddleOfAnMmsiClearRestoresTheImage)
{
    auto rig = makeRig(RadioFaults{.refusedByte = 0x0281});
    rig->records.userMmsi = "123456789";
    rig->host.answers = {MessageAnswer::Cancel}; // no re-synchronisation
    EXPECT_FALSE(rig->run(OperationType::ClearMmsi));
    EXPECT_EQ(rig->image.bytes, before.bytes);
    EXPECT_EQ(rig->records.userMmsi, "123456789");
    EXPECT_FALSE(rig->flags.CompletedFlag);
    ASSERT_FALSE(rig->host.messages.empty());
    EXPECT_EQ(rig->host.messages.back().text, "Communication Error!!");
    EXPECT_EQ(rig->host.messages.back().title, "Clear Data");
}

TEST_P(LinkContract, refusedIdentityLeavesTheImageBeforeAClear)
{
    MemoryImage radio = patternedRadio();
    radio[0x0100] = 'X';
    auto rig = makeRig(radio);
    EXPECT_FALSE(rig->run(OperationType::ClearWayPoint));
    EXPECT_EQ(rig->image.bytes, before.bytes);
    EXPECT_TRUE(rig->requestsOf(Kind::Write).empty());
}

} // namespace zmp::test
