#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "files/memorysettingsstore.h"
#include "image/newimage.h"
#include "linktestsupport.h"
#include "support/filebytes.h"
#include "transfer/transfer.h"

namespace zmp {
namespace {

using test::LinkRig;

struct Case {
    const char* name;
    OperationType type;
    bool verify;
    test::RadioFaults faults;
    int cancelAtWrite; // -1: never
    TransferOutcome outcome;
    const char* lastMessage;     // the link's
    const char* closing;         // the transfer's own closing message; nullptr: none
    const char* closingDetail;   // nullptr: none
    const char* backupOperation; // nullptr: no backup kept
    const char* backupOutcome;
};

constexpr const char* PartlyWritten = "The radio may hold a partly written configuration.";
constexpr const char* ProgramAgain = "Program it again before using the radio.";

const Case Cases[] = {
    {"read",
     OperationType::Read,
     true,
     {},
     -1,
     TransferOutcome::Complete,
     "Complete!!",
     nullptr,
     nullptr,
     "read",
     "complete"},
    {"program",
     OperationType::Program,
     true,
     {},
     -1,
     TransferOutcome::Complete,
     "Complete!!",
     nullptr,
     nullptr,
     "programmed",
     "complete"},
    {"misstoredUnverified",
     OperationType::Program,
     false,
     {.misstoredByte = 0x0900},
     -1,
     TransferOutcome::CompleteNotVerified,
     "Complete!! (not verified)",
     nullptr,
     nullptr,
     "programmed",
     "complete, not verified"},
    {"misstoredVerified",
     OperationType::Program,
     true,
     {.misstoredByte = 0x0900},
     -1,
     TransferOutcome::Failed,
     "Verify Error!!",
     PartlyWritten,
     ProgramAgain,
     "programmed",
     "failed"},
    {"refusedByte",
     OperationType::Program,
     true,
     {.refusedByte = 0x0900},
     -1,
     TransferOutcome::Failed,
     "Communication Error!!",
     PartlyWritten,
     ProgramAgain,
     "programmed",
     "failed"},
    {"programCancelled",
     OperationType::Program,
     true,
     {},
     40,
     TransferOutcome::Cancelled,
     nullptr,
     "Cancelled.",
     "The radio may hold a partly written configuration. Program it again before using the radio.",
     "programmed",
     "cancelled"},
    // Cancel to the busy radio's question is a cancel, not a radio found not ready.
    {"busyClearCancelled",
     OperationType::ClearGroup,
     true,
     {.busyStatusCount = 100},
     -1,
     TransferOutcome::Cancelled,
     "Radio is busy!!",
     "Cancelled.",
     nullptr,
     nullptr,
     nullptr},
    {"clear",
     OperationType::ClearAll,
     true,
     {},
     -1,
     TransferOutcome::Complete,
     "Complete!!",
     nullptr,
     nullptr,
     nullptr,
     nullptr},
};

class TransferCase : public ::testing::TestWithParam<Case> {
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(makeNewImage(state.model, state.records, state.image));
        rig.radio.faults = GetParam().faults;
        rig.radio.memory.bytes[0x0300] = 0x41;
    }

    LinkRig rig;
    // A refusing radio must not keep the test asking to re-synchronise.
    test::RecordingHost host{rig.clock, test::RecordingHost::Unscripted::Decline};
    DocumentState state;
    MemorySettingsStore settings;
};

TEST_P(TransferCase, decidesTheOutcomeTheBackupAndWhatToTell)
{
    const Case& c = GetParam();
    state.flags.modified = true;
    Transfer transfer(c.type, rig.port, host, state, {1, rig.options.programDir, c.verify});
    BackupStore store(test::scratchFolder() / "backups");
    transfer.keepBackupsIn(store, {"USA", "/dev/ttyUSB0"});
    // What the backups index holds when the first write goes out.
    std::optional<std::vector<BackupEntry>> atFirstWrite;
    host.onEvents = [&] {
        const auto writes = static_cast<int>(rig.radio.writeFrames().size());
        if (writes > 0 && !atFirstWrite) atFirstWrite = store.entries();
        if (c.cancelAtWrite >= 0 && writes >= c.cancelAtWrite) transfer.cancel();
    };
    transfer.run();
    EXPECT_EQ(transfer.outcome(), c.outcome);
    const auto texts = host.messageTexts();
    if (c.lastMessage) {
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts.back(), c.lastMessage);
    }
    const auto closing = transfer.closingMessage();
    EXPECT_EQ(closing ? closing->text : "", c.closing ? c.closing : "");
    EXPECT_EQ(closing ? closing->detail : "", c.closingDetail ? c.closingDetail : "");

    EXPECT_EQ(transfer.backupProblem(), "");
    ASSERT_EQ(store.entries().size(), c.backupOperation ? 1u : 0u);
    if (c.backupOperation) {
        EXPECT_EQ(store.entries()[0].operation, c.backupOperation);
        EXPECT_EQ(store.entries()[0].outcome, c.backupOutcome);
        EXPECT_EQ(store.entries()[0].port, "/dev/ttyUSB0");
    }
    if (c.type == OperationType::Program) {
        ASSERT_TRUE(atFirstWrite);
        ASSERT_EQ(atFirstWrite->size(), 1u);
        EXPECT_EQ(atFirstWrite->front().outcome, "unfinished");
    }

    // Only a completed read replaces the document's configuration.
    ConfigurationDocument document(state, settings);
    const bool read = c.type == OperationType::Read && c.outcome == TransferOutcome::Complete;
    EXPECT_EQ(transfer.takeRead(document), read);
    EXPECT_EQ(state.flags.modified, !read);
    if (c.type == OperationType::Read) {
        EXPECT_EQ(state.image[0x0300] == 0x41, read);
    }
}

INSTANTIATE_TEST_SUITE_P(Transfers, TransferCase, ::testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.name); });

// A backups folder that cannot be made costs the transfer nothing: the
// program completes and the reason is there to be told once.
TEST(TransferBackups, unusableFolderIsToldAndTheProgramGoesOn)
{
    LinkRig rig;
    test::RecordingHost host{rig.clock};
    DocumentState state;
    ASSERT_TRUE(makeNewImage(state.model, state.records, state.image));
    const auto blocked = test::scratchFolder() / "file";
    test::writeBytes(blocked, "not a folder");
    BackupStore store(blocked / "backups");
    Transfer transfer(OperationType::Program, rig.port, host, state, {1, rig.options.programDir, true});
    transfer.keepBackupsIn(store, {"USA", "/dev/ttyUSB0"});
    transfer.run();
    EXPECT_EQ(transfer.outcome(), TransferOutcome::Complete);
    EXPECT_FALSE(transfer.backup());
    EXPECT_EQ(transfer.backupProblem().rfind((blocked / "backups").string() + ": ", 0), 0u)
        << transfer.backupProblem();
}

// Asked for, a copy of the radio is read and kept before the program: what
// the radio held can always be put back. A copy that is cancelled ends the
// transfer before anything is written.
TEST(TransferBackups, radioCopyIsKeptBeforeAnythingIsWritten)
{
    for (const bool cancelCopy : {false, true}) {
        SCOPED_TRACE(cancelCopy ? "cancelled copy" : "copy");
        LinkRig rig;
        test::RecordingHost host{rig.clock};
        DocumentState state;
        ASSERT_TRUE(makeNewImage(state.model, state.records, state.image));
        rig.radio.memory.bytes[0x0300] = 0x41;
        const std::uint8_t programmed = state.image[0x0300];
        ASSERT_NE(programmed, 0x41);
        BackupStore store(test::scratchFolder() / (cancelCopy ? "cancelled" : "kept"));
        Transfer transfer(OperationType::Program, rig.port, host, state, {1, rig.options.programDir, true});
        transfer.keepBackupsIn(store, {"USA", "/dev/ttyUSB0"});
        transfer.setCopyRadioFirst(true);
        host.onEvents = [&] {
            if (cancelCopy && rig.radio.frames.size() > 20) transfer.cancel();
        };
        transfer.run();
        const std::vector<BackupEntry> kept = store.entries();
        if (cancelCopy) {
            EXPECT_EQ(transfer.outcome(), TransferOutcome::Cancelled);
            EXPECT_TRUE(rig.radio.writeFrames().empty());
            EXPECT_TRUE(kept.empty());
            continue;
        }
        EXPECT_EQ(transfer.outcome(), TransferOutcome::Complete);
        EXPECT_EQ(host.messageTexts(), std::vector<std::string>{"Complete!!"});
        ASSERT_EQ(kept.size(), 2u);
        EXPECT_EQ(kept[0].operation, "radio-copy");
        EXPECT_EQ(kept[0].outcome, "complete");
        EXPECT_EQ(test::readBytes(store.imagePath(kept[0]))[0x0300], '\x41');
        EXPECT_EQ(kept[1].operation, "programmed");
        EXPECT_EQ(rig.radio.memory[0x0300], programmed);
        EXPECT_EQ(state.image[0x0300], programmed);
    }
}

} // namespace
} // namespace zmp
