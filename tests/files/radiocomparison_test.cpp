#include <gtest/gtest.h>

#include <functional>

#include "files/radiocomparison.h"
#include "image/newimage.h"
#include "model/models.h"

namespace zmp {
namespace {

using Edit = std::function<void(Records& radio, Records& editor)>;

struct Case {
    const char* name;
    Edit edit;
    std::vector<std::string> row; // page, caption, radio, editor, node, field
};

std::vector<std::string> shown(const ComparedSetting& s)
{
    return {s.page, s.caption, s.radio, s.editor, s.node, s.field};
}

// The rows that differ after the edit, the radio being a new configuration.
std::vector<std::vector<std::string>> differences(const Edit& edit)
{
    Records radio;
    MemoryImage image{};
    makeNewImage(ModelMr4400, radio, image);
    Records editor = radio;
    edit(radio, editor);
    std::vector<std::vector<std::string>> rows;
    for (const ComparedSetting& s : compareWithRadio({radio, ModelMr4400, true}, {editor, ModelMr4400, true}))
        if (s.differs) rows.push_back(shown(s));
    return rows;
}

void PrintTo(const Case& c, std::ostream* out)
{
    *out << c.name;
}

class RadioComparison : public ::testing::TestWithParam<Case> {};

// Each value is named and shown as its page shows it, with the page and the
// field that holds it.
TEST_P(RadioComparison, namesTheValueAsItsPageShowsIt)
{
    EXPECT_EQ(differences(GetParam().edit), std::vector<std::vector<std::string>>{GetParam().row});
}

const Case Cases[] = {
    {"commonOption",
     [](Records& r, Records& e) { r.settings[slot::DualWatch] = 0, e.settings[slot::DualWatch] = 1; },
     {"Common Setup", "Scanning Function: Dual Watch", "Off", "On", "Common", "cmbCommonDual"}},
    {"valueOfNoChoice",
     [](Records& r, Records& e) { r.settings[slot::Weater] = 255, e.settings[slot::Weater] = 3; },
     {"Common Setup", "Weather CH Function: Weather Alert", "255", "On", "Common", "cmbCommonWeater"}},
    {"priorityChannel",
     [](Records& r, Records& e) { r.groups[0].PriorityCh = 65535, e.groups[0].PriorityCh = 32; },
     {"Usable CH Group Setup", "Group1: Priority CH", "Off", "16", "Usable", "cmbUsablePri_0"}},
    {"channelName",
     [](Records&, Records& e) { e.usa[32].ChTag = "HARBOUR"; },
     {"Group1", "CH16: CH Name", "DISTRESS", "HARBOUR", "PU32", "txtCTag"}},
    {"weatherRow",
     [](Records&, Records& e) { e.wx[2].ScanMemory = !e.wx[2].ScanMemory; },
     {"Weather", "WX03: Scan", "Off", "On", "PW", "chkDScan_2"}},
    {"directoryMmsi",
     [](Records&, Records& e) { e.memoryId[2].Mmsid = "2111234560"; },
     {"Individual Directory", "Memory ID3: MMSI", "", "211123456", "SM3", "txtGMMSI"}},
    {"groupName",
     [](Records&, Records& e) { e.groupId[0].TagName = "FLEET"; },
     {"Group Directory", "Group ID1: Group Name", "", "FLEET", "SG1", "txtGPosi"}},
    {"callPower",
     [](Records&, Records& e) { e.dscFlags[dscslot::transmit(0, 0)] = true; },
     {"DSC Setup", "ALL Ships Call: Distress TX", "Low", "Hi", "DSC", "cmbUsableDscAllShipsCallTX_0"}},
};

INSTANTIATE_TEST_SUITE_P(Values, RadioComparison, ::testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.name); });

// What the radio's memory has no place for always differs after a read and
// is left out; an MMSI read with its tenth place is the MMSI typed.
TEST(RadioComparisonLeavesOut, whatTheRadioCannotHoldOrHoldsAlike)
{
    EXPECT_TRUE(differences([](Records& r, Records& e) {
                    e.settings[slot::UsableAtis + 1] = 1;
                    e.settings[slot::AtisKiller + 3] = 1;
                    e.usa[5].DispayA = !r.usa[5].DispayA;
                    e.callSigns[0].Mid = "123";
                    r.userMmsi = "3661234560";
                    e.userMmsi = "366123456";
                }).empty());
}

} // namespace
} // namespace zmp
