#include <gtest/gtest.h>

#include "files/memorysettingsstore.h"
#include "image/newimage.h"
#include "linktestsupport.h"
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
    const char* lastMessage;
    const char* backupOperation; // nullptr: no backup kept
    const char* backupOutcome;
};

const Case Cases[] = {
    {"read", OperationType::Read, true, {}, -1, TransferOutcome::Complete, "Complete!!", "read", "complete"},
    {"program",
     OperationType::Program,
     true,
     {},
     -1,
     TransferOutcome::Complete,
     "Complete!!",
     "programmed",
     "complete"},
    {"misstoredUnverified",
     OperationType::Program,
     false,
     {.misstoredByte = 0x0900},
     -1,
     TransferOutcome::CompleteNotVerified,
     "Complete!! (not verified)",
     "programmed",
     "complete, not verified"},
    {"misstoredVerified",
     OperationType::Program,
     true,
     {.misstoredByte = 0x0900},
     -1,
     TransferOutcome::Failed,
     "Verify Error!!",
     "programmed",
     "failed"},
    {"refusedByte",
     OperationType::Program,
     true,
     {.refusedByte = 0x0900},
     -1,
     TransferOutcome::Failed,
     "Communication Error!!",
     "programmed",
     "failed"},
    {"programCancelled",
     OperationType::Program,
     true,
     {},
     40,
     TransferOutcome::Cancelled,
     nullptr,
     "programmed",
     "cancelled"},
    {"notReady",
     OperationType::Read,
     true,
     {.busyStatusCount = 100},
     -1,
     TransferOutcome::Failed,
     "Radio not ready!!",
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

TEST_P(TransferCase, decidesTheOutcomeAndTheBackup)
{
    const Case& c = GetParam();
    state.flags.modified = true;
    Transfer transfer(c.type, rig.port, host, state, {1, rig.options.programDir, c.verify});
    if (c.cancelAtWrite >= 0)
        host.onEvents = [&] {
            if (static_cast<int>(rig.radio.writeFrames().size()) >= c.cancelAtWrite) transfer.cancel();
        };
    transfer.run();
    EXPECT_EQ(transfer.outcome(), c.outcome);
    const auto texts = host.messageTexts();
    if (c.lastMessage) {
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts.back(), c.lastMessage);
    }

    BackupStore store(test::scratchFolder() / "backups");
    std::string problem;
    const auto kept = transfer.keepBackup(store, {"USA", "/dev/ttyUSB0"}, problem);
    EXPECT_EQ(problem, "");
    ASSERT_EQ(store.entries().size(), c.backupOperation ? 1u : 0u);
    if (c.backupOperation) {
        EXPECT_EQ(store.entries()[0].operation, c.backupOperation);
        EXPECT_EQ(store.entries()[0].outcome, c.backupOutcome);
        EXPECT_EQ(store.entries()[0].port, "/dev/ttyUSB0");
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

} // namespace
} // namespace zmp
