// Undo and redo over record snapshots, the typing steps that merge, and
// the saved step that the modified flag follows.
#include <gtest/gtest.h>

#include "history/recordhistory.h"
#include "history/recordsequal.h"

using namespace zmp;

namespace {

Records withName(const std::string& name)
{
    Records records;
    records.usa[0].ChTag = name;
    return records;
}

} // namespace

TEST(RecordsEqual, everyKindOfFieldCounts)
{
    const Records base;
    EXPECT_TRUE(recordsEqual(base, base));
    std::vector<Records> changed(8, base);
    changed[0].usa[239].Duplex = true;
    changed[1].exp[63].Rxfreq = 156.025;
    changed[2].groupId[31].MemberFlags[80] = true;
    changed[3].groups[ExpCh].ExpGroupFlags[2] = true;
    changed[4].settings[slot::UsableDsc] = 1;
    changed[5].autoPos.RcEnable = 1;
    changed[6].callSigns[31].Disp = "X";
    changed[7].userMmsi = "3661234560";
    for (const Records& records : changed)
        EXPECT_FALSE(recordsEqual(base, records));
}

TEST(RecordHistory, undoAndRedoWalkTheSteps)
{
    RecordHistory history;
    history.reset(withName("A"), true);
    EXPECT_FALSE(history.record(withName("A")));
    EXPECT_TRUE(history.record(withName("B")));
    EXPECT_TRUE(history.record(withName("C")));
    EXPECT_FALSE(history.atSaved());
    EXPECT_EQ(history.undo().usa[0].ChTag, "B");
    EXPECT_EQ(history.undo().usa[0].ChTag, "A");
    EXPECT_TRUE(history.atSaved());
    EXPECT_FALSE(history.canUndo());
    EXPECT_EQ(history.redo().usa[0].ChTag, "B");
    EXPECT_TRUE(history.canRedo());
    EXPECT_TRUE(history.record(withName("D"))); // a new edit drops the redo steps
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.undo().usa[0].ChTag, "B");
}

TEST(RecordHistory, undoAndRedoNameTheStepTheyTakeAndItsPlace)
{
    RecordHistory history;
    history.reset(withName("A"), true);
    EXPECT_EQ(history.undoLabel().name, "");
    history.record(withName("B"), "", {"Edit CH Name", "UA0"});
    history.record(withName("C"), "", {"Import USA channels (Group1)", "PU"});
    EXPECT_EQ(history.undoLabel().name, "Import USA channels (Group1)");
    EXPECT_EQ(history.redoLabel().name, "");
    history.undo();
    EXPECT_EQ(history.undoLabel().place, "UA0");
    EXPECT_EQ(history.redoLabel().place, "PU");
    history.undo();
    EXPECT_EQ(history.undoLabel().name, "");
    EXPECT_EQ(history.redoLabel().name, "Edit CH Name");
}

TEST(RecordHistory, typingInOneFieldIsOneStep)
{
    RecordHistory history;
    history.reset(withName(""), true);
    history.record(withName("C"), "txtCTag");
    history.record(withName("CH"), "txtCTag");
    history.record(withName("CH1"), "txtCTag");
    EXPECT_EQ(history.size(), 2u);
    history.record(withName("CH1X"), "txtGPosi");
    EXPECT_EQ(history.size(), 3u);
    EXPECT_EQ(history.undo().usa[0].ChTag, "CH1");
    EXPECT_EQ(history.undo().usa[0].ChTag, "");
    // Typing back to where the field started leaves no step behind.
    history.record(withName("X"), "txtCTag");
    history.record(withName(""), "txtCTag");
    EXPECT_EQ(history.size(), 1u);
    EXPECT_TRUE(history.atSaved());
}

TEST(RecordHistory, savedStepFollowsSaveAndIsLostWhenOverwritten)
{
    RecordHistory history;
    history.reset(withName("A"), false);
    EXPECT_FALSE(history.atSaved());
    history.record(withName("B"));
    history.markSaved();
    history.record(withName("C"));
    EXPECT_FALSE(history.atSaved());
    history.undo();
    EXPECT_TRUE(history.atSaved());
    history.undo();
    history.record(withName("E")); // the saved step B was on the dropped branch
    EXPECT_FALSE(history.atSaved());
    history.undo();
    EXPECT_FALSE(history.atSaved());
}

TEST(RecordHistory, oldestStepsGoBeyondTheLimit)
{
    RecordHistory history;
    history.reset(withName("0"), true);
    for (std::size_t i = 1; i <= RecordHistory::StepLimit + 10; ++i)
        history.record(withName(std::to_string(i)));
    EXPECT_EQ(history.size(), RecordHistory::StepLimit);
    while (history.canUndo())
        history.undo();
    EXPECT_EQ(history.current().usa[0].ChTag, "11");
    EXPECT_FALSE(history.atSaved());
}
