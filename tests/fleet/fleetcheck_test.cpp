// A fleet list is judged whole before any radio is touched, and each
// radio's configuration is the base with its row's values.
#include <gtest/gtest.h>

#include "fleet/fleetcheck.h"
#include "fleet/fleetconfiguration.h"
#include "image/newimage.h"
#include "support/recordsdifference.h"

namespace zmp {
namespace {

// A new configuration without a warning of its own: DSC only on usable groups.
Records soundBase()
{
    Records records;
    MemoryImage image;
    EXPECT_TRUE(makeNewImage(ModelMr4400, records, image));
    for (std::size_t group = 0; group < records.groups.size(); ++group)
        if (!records.groups[group].Enable) records.settings[slot::UsableDsc + group] = 0;
    return records;
}

struct ListCase {
    const char* name;
    std::string csv;
    std::vector<std::string> problems;
    bool acceptedWithWarnings = false;
    bool hasAtis = true;
    std::string groupMmsi = {};
};

void PrintTo(const ListCase& c, std::ostream* out)
{
    *out << c.name;
}

const std::string Header = "Label,User MMSI,ATIS Code\r\n";

const ListCase ListCases[] = {
    {"sound", Header + "Sea Breeze,366123456,9366123456\r\n\r\n\"Tern, II\",366123457,\r\n", {}, true},
    {"mmsiTwice",
     Header + "Sea Breeze,366123456,\r\nTern,366123457,\r\nGull,366123456,\r\n",
     {"line 4, column User MMSI: 366123456 is also on line 2"}},
    {"atisCodes",
     Header + "A,366123456,91234567\r\nB,366123457,8366123457\r\nC,366123458,9366123458\r\nD,366123459,"
              "9366123458\r\n",
     {"line 2, column ATIS Code: 91234567 is not 10 digits",
      "line 3, column ATIS Code: warning: 8366123457: an ATIS code begins with 9",
      "line 5, column ATIS Code: 9366123458 is also on line 4"}},
    {"atisWithoutAtis",
     Header + "A,366123456,9366123456\r\n",
     {"line 2, column ATIS Code: the MR4400 has no ATIS"},
     false,
     false},
    {"labels",
     Header + "Sea_Breeze,366123456,\r\nLonger than 11,366123457,\r\n,366123458,\r\nTern,366123459,\r\n"
              "Tern,366123450,\r\n",
     {"line 2, column Label: the character '_' is not allowed in a name",
      "line 3, column Label: longer than 11 characters",
      "line 4, column Label: empty; each radio needs a label",
      "line 6, column Label: warning: Tern is also on line 5"}},
    {"mmsiWarningIsAccepted",
     "label,user mmsi\nA,299123456\n",
     {"line 2, column User MMSI: warning: 299123456: MID 299 is not allocated to any country"},
     true},
    {"mmsiDigits",
     Header + "A,36612345,\r\nB,,\r\n",
     {"line 2, column User MMSI: 36612345 is not 9 digits",
      "line 3, column User MMSI: empty; each radio needs its own"}},
    {"header",
     "Label,Call Sign,Label\r\nA,X,B\r\n",
     {"line 1, column Call Sign: not a column of a fleet list (Label, User MMSI, ATIS Code, Group1 Status "
      "Name, "
      "Group2 Status Name, Group3 Status Name, EXP CH Group Status Name)",
      "line 1, column Label: named twice",
      "line 1, column User MMSI: missing; a fleet list names the columns Label and User MMSI"}},
    {"semicolons",
     "Label;User MMSI\r\nA;366123456\r\n",
     {"line 1, column Label;User MMSI: not a column of a fleet list (Label, User MMSI, ATIS Code, Group1 "
      "Status "
      "Name, Group2 Status Name, Group3 Status Name, EXP CH Group Status Name); the cells of a CSV file are "
      "separated by commas",
      "line 1, column Label: missing; a fleet list names the columns Label and User MMSI",
      "line 1, column User MMSI: missing; a fleet list names the columns Label and User MMSI"}},
    {"statusNames",
     "Label,User MMSI,Group1 Status Name,EXP CH Group Status Name\r\nA,366123456,HARBOR,\r\nB,366123457,H_1,"
     "PORT\r\n",
     {"line 2, column Group1 Status Name: longer than 4 characters",
      "line 3, column Group1 Status Name: the character '_' is not allowed in a status name"}},
    {"strayCells",
     "Label,User MMSI,\r\nA,366123456,x\r\nB,366123457,,y\r\n",
     {"line 2: a value in column 3, which has no header", "line 3: more cells than the header row names"}},
    {"notCsv", Header + "A,\"366123456,\r\n", {"line 2: a quoted field is not closed"}},
    {"empty", Header, {"no radio in the list"}},
    {"groupMmsi",
     Header + "A,036612345,\r\n",
     {"line 2, column User MMSI: warning: 036612345: a ship station's MMSI begins with 2 to 7",
      "line 2, column User MMSI: 036612345 is the fleet's group MMSI"},
     false,
     true,
     "036612345"},
    {"badGroupMmsi",
     Header + "A,366123456,\r\n",
     {"--group-mmsi: 36612345 is not a group MMSI (0, the MID and 5 digits)"},
     false,
     true,
     "36612345"},
};

class FleetListCheck : public ::testing::TestWithParam<ListCase> {};

TEST_P(FleetListCheck, namesEveryProblemByLineAndColumn)
{
    const ListCase& c = GetParam();
    const Records base = soundBase();
    FleetProblems problems;
    FleetCheck::read(c.csv, {base, ModelMr4400, c.hasAtis}, {false, c.groupMmsi}, problems);
    std::vector<std::string> texts;
    for (const FleetProblem& problem : problems)
        texts.push_back(problem.text());
    EXPECT_EQ(texts, c.problems);
    EXPECT_EQ(fleetAccepted(problems, false), c.problems.empty());
    EXPECT_EQ(fleetAccepted(problems, true), c.acceptedWithWarnings);
}

INSTANTIATE_TEST_SUITE_P(Lists, FleetListCheck, ::testing::ValuesIn(ListCases),
                         [](const auto& info) { return std::string(info.param.name); });

const std::string Fleet = "Label,User MMSI,ATIS Code,Group2 Status Name\r\n"
                          "Sea Breeze,366123456,9366123456,HARB\r\nTern,366123457,,\r\nGull,366123458,,\r\n";

TEST(FleetConfiguration, eachRadioIsTheBaseWithItsRowAndTheOtherMembers)
{
    Records base = soundBase();
    base.userMmsi = "2111111110";
    base.atisCode = "9211111111";
    base.memoryId[0] = {true, "PILOT", "211234560", {}};
    base.memoryId[1] = {true, "GULL", "366123458", {}}; // already a member: not added twice
    FleetProblems problems;
    const FleetList list = FleetCheck::read(Fleet, {base, ModelMr4400, true}, {true, "036699999"}, problems);
    ASSERT_TRUE(problems.empty()) << problems.front().text();

    Records expected = base;
    expected.userMmsi = "3661234570";
    expected.atisCode = "";
    expected.memoryId[2] = {true, "Sea Breeze", "366123456", {}};
    expected.groupId[0] = {true, FleetGroupName, "036699999", {}};
    expected.groupId[0].MemberFlags[3] = true;
    EXPECT_TRUE(test::sameRecords(expected, FleetConfiguration::records(base, list, 1, {true, "036699999"})));

    expected = base;
    expected.userMmsi = "3661234560";
    expected.atisCode = "9366123456";
    expected.groups[1].StatusName = "HARB";
    expected.memoryId[2] = {true, "Tern", "366123457", {}};
    EXPECT_TRUE(test::sameRecords(expected, FleetConfiguration::records(base, list, 0, {true, ""})));
}

TEST(FleetConfiguration, aDirectoryTheMembersDoNotFitIsRefusedAndBaseWarningsAreToldOnce)
{
    Records base = soundBase();
    for (std::size_t i = 0; i < 79; ++i)
        base.memoryId[i] = {true, "SHIP", std::to_string(211000000 + i), {}};
    base.memoryId[5].Mmsid = "299000005"; // the base's own warning
    FleetProblems problems;
    FleetCheck::read(Fleet, {base, ModelMr4400, true}, {true, ""}, problems);
    std::vector<std::pair<FleetSource, std::string>> told;
    for (const FleetProblem& problem : problems)
        told.emplace_back(problem.source, problem.text());
    const decltype(told) expected{
        {FleetSource::Options,
         "--fill-directory: the Individual Directory holds 80 entries; the base uses 79 and "
         "the other radios of the fleet need 2"},
        {FleetSource::Base, "warning: Memory ID 6 299000005: MID 299 is not allocated to any country"}};
    EXPECT_EQ(told, expected);
}

} // namespace
} // namespace zmp
