#include "report/reporttext.h"

#include "reporttestsupport.h"

#include <gtest/gtest.h>

namespace zmp {
namespace {

using test::sectionLines;
using test::splitLines;

std::string cell(const std::string& text, std::size_t width)
{
    return test::pad(text, width);
}

class ReportTextTest : public ::testing::Test {
  protected:
    std::string report() { return reportText({records, image, ModelMr4400, hasAtis}); }

    std::vector<std::string> section(const std::string& heading) { return sectionLines(report(), heading); }

    Records records = test::planRecords();
    MemoryImage image;
    bool hasAtis = false;
};

TEST_F(ReportTextTest, linesAreSeparatedByCrLfWithoutOneAfterTheLast)
{
    const std::string text = report();
    EXPECT_TRUE(text.starts_with("##### Usable CH Group Setup #####\r\n"));
    EXPECT_FALSE(text.ends_with("\r\n"));
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1))
        EXPECT_EQ(text[at - 1], '\r') << "bare LF at " << at;
}

TEST_F(ReportTextTest, sectionsComeInOrderEachAfterOneEmptyLine)
{
    const std::vector<std::string> expected{"##### Usable CH Group Setup #####",
                                            "##### Common Setup #####",
                                            "##### DSC Setup (Basic Setup) #####",
                                            "##### DSC Setup (Advanced Setup) #####",
                                            "##### DSC Setup (Display Setup) #####",
                                            "##### Programable USA Channel #####",
                                            "##### Programable International Channel #####",
                                            "##### Programable Canada Channel #####",
                                            "##### Programable Wx Channel #####",
                                            "##### Memory ID Setting #####",
                                            "##### Group ID Setting #####",
                                            "##### Programable Exp Channel #####"};
    const std::vector<std::string> lines = splitLines(report());
    std::vector<std::string> headings;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i].starts_with("#####")) continue;
        headings.push_back(lines[i]);
        if (i > 0) {
            EXPECT_EQ(lines[i - 1], "") << lines[i];
            EXPECT_NE(lines[i - 2], "") << lines[i];
        }
    }
    EXPECT_EQ(headings, expected);
}

TEST_F(ReportTextTest, usableGroupSectionShowsEnablePriorityStatusAndExpGroups)
{
    records.groups[Group1] = {true, 32, "BOAT", {}};
    records.groups[Group2] = {false, 240, "   ", {}};
    records.groups[Group3] = {true, -1, "", {}};
    records.groups[ExpCh] = {true, 0, "EXPS", {true, false, true}};
    const std::vector<std::string> lines = section("##### Usable CH Group Setup #####");
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[1], std::string(35, ' ') +
                            "Group1            Group2            Group3            EXP CH            ");
    EXPECT_EQ(lines[2],
              cell("Enable", 35) + cell("On", 18) + cell("Off", 18) + cell("On", 18) + cell("On", 18));
    EXPECT_EQ(lines[3], cell("Priority CH", 35) + cell("16", 18) + cell("EXP1", 18) + cell("Off", 18));
    EXPECT_EQ(lines[4], cell("Status Name", 35) + cell("BOAT", 18) + cell("----", 18) + cell("----", 18) +
                            cell("EXPS", 18));
    EXPECT_EQ(lines[5], cell("EXP CH", 35) + cell("On", 18) + cell("Off", 18) + cell("On", 18));
}

TEST_F(ReportTextTest, expGroupFlagsShowDashesWhileTheExpGroupIsDisabled)
{
    records.groups[ExpCh] = {false, 0, "", {true, true, true}};
    EXPECT_EQ(section("##### Usable CH Group Setup #####").at(5),
              cell("EXP CH", 35) + cell("---", 18) + cell("---", 18) + cell("---", 18));
}

TEST_F(ReportTextTest, priorityBeyondTheExpChannelsIsOff)
{
    records.groups[Group1].PriorityCh = 279;
    records.groups[Group2].PriorityCh = 280;
    records.groups[Group3].PriorityCh = 239;
    EXPECT_EQ(section("##### Usable CH Group Setup #####").at(3),
              cell("Priority CH", 35) + cell("EXP40", 18) + cell("Off", 18) + cell("119A", 18));
}

TEST_F(ReportTextTest, commonSectionShowsTheOptionTexts)
{
    SettingValues& s = records.settings;
    s[slot::Scan] = 1;
    s[slot::ResumeTime] = 3;
    s[slot::DualWatch] = 1;
    s[slot::TimeDisplay] = 1;
    s[slot::OffsetTime] = -1;
    s[slot::Format] = 1;
    s[slot::Weater] = 3;
    s[slot::Sog] = 2;
    s[slot::Distance] = 1;
    const std::vector<std::string> expected{"##### Common Setup #####",
                                            "[Scanning Function]",
                                            cell("SCAN:", 35) + cell("On", 18),
                                            cell("Resume Time:", 35) + cell("3Sec", 18),
                                            cell("PTT SCAN Clear:", 35) + cell("Off", 18),
                                            cell("Dual Watch:", 35) + cell("On", 18),
                                            "",
                                            "[Time Setup]",
                                            cell("Time Display:", 35) + cell("Local", 18),
                                            cell("Offset Time:", 35) + cell("-0:30", 18),
                                            cell("Format:", 35) + cell("24H", 18),
                                            "",
                                            "[Weather CH Function]",
                                            cell("Weather Alert:", 35) + cell("ON", 35),
                                            "",
                                            "[Units of Measure]",
                                            cell("SOG:", 35) + cell("KMH", 35),
                                            cell("Distance:", 35) + cell("Sm", 35)};
    EXPECT_EQ(section("##### Common Setup #####"), expected);
}

TEST_F(ReportTextTest, valuesWithoutAnOptionTextShowEmpty)
{
    records.settings[slot::Weater] = 1;
    records.settings[slot::OffsetTime] = 30;
    const std::vector<std::string> lines = section("##### Common Setup #####");
    EXPECT_EQ(lines.at(9), cell("Offset Time:", 35) + std::string(18, ' '));
    EXPECT_EQ(lines.at(13), cell("Weather Alert:", 35) + std::string(35, ' '));
}

TEST_F(ReportTextTest, dscBasicSectionUsesRawStatusNamesAndTheImageCounter)
{
    records.groups[Group1].StatusName = "   ";
    records.groups[Group2].StatusName = "";
    records.groups[Group3].StatusName = "SEA";
    records.settings[slot::UsableDsc + 1] = 1;
    records.userMmsi = "1234567890";
    records.dscFlags[dscslot::DistressCancelCall] = true;
    records.dscFlags[dscslot::ReceivedGeografic] = true;
    image[645] = 1;
    const std::vector<std::string> lines = section("##### DSC Setup (Basic Setup) #####");
    const std::vector<std::string> expected{"##### DSC Setup (Basic Setup) #####",
                                            "[Usable DSC CH Group]",
                                            cell("   :", 35) + cell("Off", 20),
                                            cell(":", 35) + cell("On", 20),
                                            cell("SEA:", 35) + cell("Off", 20),
                                            "",
                                            cell("User MMSI:", 35) + "1234567890  ----- Count  1",
                                            cell("Distress Cancel Call:", 35) + cell("On", 18),
                                            "",
                                            "[DSC Beep Output]",
                                            cell("Send Distress Alert:", 35) + cell("Off", 18),
                                            cell("Received All Ships:", 35) + cell("Off", 18),
                                            cell("Received Individual:", 35) + cell("Off", 18),
                                            cell("Received Group:", 35) + cell("Off", 18),
                                            cell("Received Geografic:", 35) + cell("On", 18),
                                            cell("Received POS Request:", 35) + cell("Off", 18),
                                            cell("Received POS Reporting:", 35) + cell("Off", 18)};
    EXPECT_EQ(lines, expected);
}

TEST_F(ReportTextTest, userMmsiCountIsPrintedInDecimal)
{
    image[645] = 200;
    records.userMmsi = "";
    EXPECT_EQ(section("##### DSC Setup (Basic Setup) #####").at(6),
              cell("User MMSI:", 35) + std::string(12, ' ') + "----- Count  200");
}

TEST_F(ReportTextTest, dscAdvancedSectionListsReceiveAndTransmitOfEveryCallKind)
{
    records.dscFlags[static_cast<std::size_t>(dscslot::receive(0, 0))] = true;
    records.dscFlags[static_cast<std::size_t>(dscslot::transmit(5, 3))] = true;
    const std::vector<std::string> lines = section("##### DSC Setup (Advanced Setup) #####");
    ASSERT_EQ(lines.size(), 1u + 6 * 5 + 5);
    EXPECT_EQ(lines[1], "[All Ships Call]");
    EXPECT_EQ(lines[2], cell("Distress:", 35) + cell("On", 18) + cell("Low", 18));
    EXPECT_EQ(lines[4], cell("Safty:", 35) + cell("Off", 18) + cell("Low", 18));
    EXPECT_EQ(lines[6], "");
    EXPECT_EQ(lines[7], "[Group Call]");
    EXPECT_EQ(lines[13], "[Individual Call]");
    EXPECT_EQ(lines[19], "[PositionRequest Call]");
    EXPECT_EQ(lines[25], "[PositionReport Call]");
    EXPECT_EQ(lines[31], "[Test Call]");
    EXPECT_EQ(lines[35], cell("Routine:", 35) + cell("Off", 18) + cell("Hi", 18));
}

TEST_F(ReportTextTest, dscDisplaySectionShowsTheThreeMenus)
{
    records.dscFlags[dscslot::IndividualAckMenu] = true;
    const std::vector<std::string> expected{"##### DSC Setup (Display Setup) #####",
                                            cell("Individual Reply Menu:", 35) + cell("Off", 18),
                                            cell("Individual ACK Menu:", 35) + cell("On", 18),
                                            cell("POS Request Reply Menu:", 35) + cell("Off", 18)};
    EXPECT_EQ(section("##### DSC Setup (Display Setup) #####"), expected);
}

TEST_F(ReportTextTest, atisSectionOnlyForAModelWithAtis)
{
    EXPECT_EQ(report().find("ATIS"), std::string::npos);
    hasAtis = true;
    records.groups[Group1].StatusName = "   ";
    records.groups[ExpCh].StatusName = "XP";
    records.settings[slot::UsableAtis + 3] = 1;
    records.atisCode = "9123456789";
    const std::vector<std::string> expected{"##### ATIS Setup (Common) #####",
                                            std::string(35, ' ') + cell("   ", 18) + cell("", 18) +
                                                cell("", 18) + cell("XP", 18),
                                            cell("Usable ATIS CH Group:", 35) + cell("Off", 18) +
                                                cell("Off", 18) + cell("Off", 18) + cell("On", 18),
                                            cell("ATIS Code:", 35) + cell("9123456789", 18)};
    EXPECT_EQ(section("##### ATIS Setup (Common) #####"), expected);
    const std::vector<std::string> lines = splitLines(report());
    const auto atis = std::find(lines.begin(), lines.end(), "##### ATIS Setup (Common) #####");
    EXPECT_EQ(*(atis + 5), "##### Programable USA Channel #####");
}

TEST_F(ReportTextTest, channelTableWithoutEnabledRecordsHasOnlyItsHeader)
{
    const std::vector<std::string> expected{"##### Programable USA Channel #####",
                                            "CH   RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  MEM  CH Name",
                                            "---  -------  -------  --  ---  --  ---  ---  ------------"};
    EXPECT_EQ(section("##### Programable USA Channel #####"), expected);
}

TEST_F(ReportTextTest, planChannelRowsFollowTheirFlagsAndThePlanFrequencies)
{
    ChannelRecord& duplex = records.intl[32];
    duplex.Enable = duplex.LowPower = duplex.PowUp = duplex.Duplex = duplex.TxEnable = duplex.ScanMemory =
        true;
    duplex.ChTag = "DISTRESS";
    records.intl[33].Enable = true;
    ChannelRecord& receiveOnly = records.intl[2];
    receiveOnly.Enable = receiveOnly.ReceiveOnly = true;
    receiveOnly.ChTag = "WX";
    const std::vector<std::string> lines = section("##### Programable International Channel #####");
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[3], "01   156.050  ---.---  --  ---  --  ---  ---  WX          ");
    EXPECT_EQ(lines[4], "16   161.400  156.800  TX  LOW  UP  DUP  MEM  DISTRESS    ");
    EXPECT_EQ(lines[5], "16A  156.800  156.800  --  ---  --  ---  ---              ");
}

TEST_F(ReportTextTest, positionOutsideThePlanPrintsNoLabelAndNoFrequency)
{
    records.usa[5].Position = 300;
    records.usa[5].Enable = true;
    EXPECT_EQ(section("##### Programable USA Channel #####").at(3),
              "     ---.---  ---.---  --  ---  --  ---  ---              ");
}

TEST_F(ReportTextTest, everyWeatherChannelIsListedEnabledOrNot)
{
    records.wx[0].Enable = records.wx[0].ScanMemory = true;
    records.wx[0].ChTag = "WX1";
    records.wx[9].ChTag = "LAST";
    const std::vector<std::string> lines = section("##### Programable Wx Channel #####");
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[1], "CH  ENABLE  MEM  CH Name");
    EXPECT_EQ(lines[2], "--  ------  ---  ------------");
    EXPECT_EQ(lines[3], "1   ENABLE  MEM  WX1         ");
    EXPECT_EQ(lines[12], "10  ------  ---  LAST        ");
}

TEST_F(ReportTextTest, directoriesListEveryEntryWithDashesForEmptyFields)
{
    records.memoryId[0] = {true, "HARBOUR", "123456789"};
    records.groupId[31] = {true, "", "0123456780"};
    const std::vector<std::string> memory = section("##### Memory ID Setting #####");
    ASSERT_EQ(memory.size(), 3u + 80);
    EXPECT_EQ(memory[1], "No.  Station Name  MMSI");
    EXPECT_EQ(memory[2], "---  ------------  ---------");
    EXPECT_EQ(memory[3], "1    HARBOUR       123456789");
    EXPECT_EQ(memory[82], "80   ------------  ---------");
    const std::vector<std::string> group = section("##### Group ID Setting #####");
    ASSERT_EQ(group.size(), 3u + 32);
    EXPECT_EQ(group[1], "No.  Group Name    MMSI");
    EXPECT_EQ(group[34], "32   ------------  012345678");
}

TEST_F(ReportTextTest, expChannelsShowDisplayCharactersAndSnappedFrequencies)
{
    records.exp[0].Enable = records.exp[0].LowPower = true;
    records.exp[0].CHDisplayR = "A";
    records.exp[0].Rxfreq = 157.0133;
    records.exp[0].Txfreq = 157.0125;
    records.exp[1].CHDisplayL = "7";
    records.exp[1].ChTag = "PORT";
    records.exp[1].PowUp = true;
    records.exp[1].ScanMemory = true;
    const std::vector<std::string> lines = section("##### Programable Exp Channel #####");
    ASSERT_EQ(lines.size(), 3u + 64);
    EXPECT_EQ(lines[1], "CH  CHD  ENABLE  RX(MHz)   TX(MHz)   LOW  UP  MEM  CH Name");
    EXPECT_EQ(lines[2], "--  ---  ------  --------  --------  ---  --  ---  ------------");
    EXPECT_EQ(lines[3], "1     A  ENABLE  157.0100  157.0125  LOW  --  ---  ------------");
    EXPECT_EQ(lines[4], "2   7    ------  ---.----  ---.----  ---  UP  MEM  PORT        ");
    EXPECT_DOUBLE_EQ(records.exp[0].Rxfreq, 157.01);
    EXPECT_DOUBLE_EQ(records.exp[0].Txfreq, 157.0125);
}

TEST_F(ReportTextTest, expDisplayTakesTwoLeftCharactersAndTheLastSuffix)
{
    records.exp[0].CHDisplayL = "123";
    records.exp[0].CHDisplayR = "XY";
    EXPECT_TRUE(section("##### Programable Exp Channel #####").at(3).starts_with("1   12Y  "));
}

TEST_F(ReportTextTest, reportEndsWithTheLastExpChannel)
{
    records.exp[63].ChTag = "END";
    EXPECT_TRUE(report().ends_with("\r\n64" + std::string(7, ' ') +
                                   "------  ---.----  ---.----  ---  --  ---  END         "));
}

} // namespace
} // namespace zmp
