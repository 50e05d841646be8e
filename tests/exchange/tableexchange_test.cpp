// Channel tables and directories out to CSV and back: round trips that
// leave the configuration file byte for byte as it was, edits that land,
// and every kind of refused import, which changes nothing.
#include <gtest/gtest.h>

#include "exchange/tableexchange.h"
#include "files/configfilewriter.h"
#include "history/recordsequal.h"
#include "image/imagecodec.h"
#include "image/newimage.h"
#include "model/memoryimage.h"
#include "model/models.h"

using namespace zmp;

namespace {

// A configuration as a radio would give it: decoded from an image, so that
// the MMSIs carry their tenth digit and the frequencies come from BCD.
Records decodedRecords()
{
    Records records;
    MemoryImage image;
    EXPECT_TRUE(makeNewImage(ModelMr4400, records, image));
    records.usa[32].ChTag = "CALL, 16";
    records.exp[0] = records.exp[1];
    records.exp[0].Enable = true;
    records.exp[0].CHDisplayL = "7A";
    records.exp[0].CHDisplayR = "B";
    records.exp[0].Rxfreq = 156.025;
    records.exp[0].Txfreq = 160.625;
    records.exp[0].ChTag = "WORK";
    records.memoryId[0] = {true, "HARBOUR", "003669999", {}};
    records.memoryId[1] = {true, "FRIEND", "232123456", {}};
    records.groupId[0] = {true, "FLEET", "036612345", {}};
    ImageCodec::encode(records, ModelMr4400, image);
    ImageCodec::decode(image, records);
    return records;
}

std::string datText(const Records& records)
{
    return ConfigFileWriter::compose(records, ModelMr4400, true);
}

// Replaces the first occurrence of a cell's text in the line that starts
// with the given key.
std::string edited(std::string csv, const std::string& lineStart, const std::string& from,
                   const std::string& to)
{
    const auto line = csv.find("\r\n" + lineStart) + 2;
    const auto at = csv.find(from, line);
    return csv.replace(at, from.size(), to);
}

std::vector<std::string> importExpectingFailure(const Records& records, ExchangeTable table,
                                                const std::string& csv)
{
    Records copy = records;
    const auto errors = TableExchange::importCsv(copy, table, csv);
    EXPECT_FALSE(errors.empty());
    EXPECT_EQ(datText(copy), datText(records)) << "a refused import changed the records";
    EXPECT_TRUE(recordsEqual(copy, records));
    return errors;
}

} // namespace

TEST(TableExchange, everyTableRoundTripsByteForByte)
{
    const Records records = decodedRecords();
    for (const ExchangeTable table : ExchangeTables) {
        Records copy = records;
        const std::string csv = TableExchange::exportCsv(records, table);
        EXPECT_EQ(TableExchange::importCsv(copy, table, csv), std::vector<std::string>{})
            << exchangeTableId(table);
        EXPECT_EQ(datText(copy), datText(records)) << exchangeTableId(table);
        EXPECT_TRUE(recordsEqual(copy, records)) << exchangeTableId(table);
    }
}

TEST(TableExchange, exportShowsTheEditorsFields)
{
    const Records records = decodedRecords();
    const std::string usa = TableExchange::exportCsv(records, ExchangeTable::Usa);
    EXPECT_EQ(usa.substr(0, usa.find("\r\n")),
              "CH,Enable,Tx Enable,Low Power Only,Power Up,Duplex,Scan Memory,CH Name");
    EXPECT_NE(usa.find("\r\n16,1,"), std::string::npos);
    EXPECT_NE(usa.find(",\"CALL, 16\"\r\n"), std::string::npos);
    const std::string exp = TableExchange::exportCsv(records, ExchangeTable::Exp);
    EXPECT_NE(exp.find("\r\n1,1,7A,B,156.0250,160.6250,"), std::string::npos);
    EXPECT_EQ(TableExchange::exportCsv(records, ExchangeTable::MemoryId),
              "No.,STATION NAME,MMSI\r\n1,HARBOUR,003669999\r\n2,FRIEND,232123456\r\n");
    EXPECT_EQ(TableExchange::exportCsv(records, ExchangeTable::GroupId),
              "No.,GROUP NAME,MMSI\r\n1,FLEET,036612345\r\n");
}

TEST(TableExchange, editedCellsLandInTheRecords)
{
    Records records = decodedRecords();
    std::string usa = TableExchange::exportCsv(records, ExchangeTable::Usa);
    usa = edited(usa, "06,", "06,1,", "06,0,");
    ASSERT_EQ(TableExchange::importCsv(records, ExchangeTable::Usa, usa), std::vector<std::string>{});
    EXPECT_FALSE(records.usa[12].Enable); // plan row 12 is channel 06
    const std::string directory = "No.,STATION NAME,MMSI\r\n1,PILOT,211234560\r\n\r\n";
    ASSERT_EQ(TableExchange::importCsv(records, ExchangeTable::MemoryId, directory),
              std::vector<std::string>{});
    EXPECT_EQ(records.memoryId[0].TagName, "PILOT");
    EXPECT_EQ(records.memoryId[0].Mmsid, "211234560");
    EXPECT_TRUE(records.memoryId[0].Enable);
    EXPECT_FALSE(records.memoryId[1].Enable);
    EXPECT_EQ(records.memoryId[1].Mmsid, "");
    const std::string groups = "No.,GROUP NAME,MMSI\r\n1,CLUB,023212345\r\n";
    ASSERT_EQ(TableExchange::importCsv(records, ExchangeTable::GroupId, groups), std::vector<std::string>{});
    EXPECT_EQ(records.groupId[0].Mmsid, "023212345");
}

TEST(TableExchange, badShapesAreRefusedWithLineAndColumn)
{
    const Records records = decodedRecords();
    const std::string usa = TableExchange::exportCsv(records, ExchangeTable::Usa);
    EXPECT_EQ(
        importExpectingFailure(records, ExchangeTable::Usa, "CH,Enable\r\n"),
        (std::vector<std::string>{"line 1, column Tx Enable: the header row must name this column here",
                                  "line 1, column Low Power Only: the header row must name this column here",
                                  "line 1, column Power Up: the header row must name this column here",
                                  "line 1, column Duplex: the header row must name this column here",
                                  "line 1, column Scan Memory: the header row must name this column here",
                                  "line 1, column CH Name: the header row must name this column here"}));
    EXPECT_EQ(importExpectingFailure(records, ExchangeTable::Usa, ""),
              std::vector<std::string>{"line 1: no header row"});
    EXPECT_EQ(importExpectingFailure(records, ExchangeTable::Usa, usa.substr(0, usa.size() - 20) + "\"x\r\n"),
              std::vector<std::string>{"line 241: a quoted field is not closed"});
    // A quoting fault hides no other row's problem.
    std::string faults = usa;
    faults.insert(faults.find("\r\n", faults.find("\r\n") + 2), "x\"");
    faults[faults.find(',', faults.rfind("\r\n", faults.find("CALL, 16"))) + 1] = '7'; // its Enable
    EXPECT_EQ(importExpectingFailure(records, ExchangeTable::Usa, faults),
              (std::vector<std::string>{"line 2: a quote inside an unquoted field",
                                        "line 34, column Enable: not 1 or 0"}));
    const std::string header = usa.substr(0, usa.find("\r\n") + 2);
    const std::string firstRow =
        usa.substr(header.size(), usa.find("\r\n", header.size()) + 2 - header.size());
    EXPECT_EQ(importExpectingFailure(records, ExchangeTable::Usa, header + firstRow).back(),
              "line 3, column CH: rows missing; the table has 240 rows, the file 1");
    EXPECT_EQ(importExpectingFailure(records, ExchangeTable::Usa,
                                     usa + usa.substr(usa.rfind("\r\n", usa.size() - 3) + 2)),
              std::vector<std::string>{"line 242, column CH: one row too many; the table has 240 rows"});
    EXPECT_EQ(
        importExpectingFailure(records, ExchangeTable::Usa, edited(usa, "06,", "06,1,", "16,1,")),
        std::vector<std::string>{
            "line 14, column CH: does not match the channel of this line; rows cannot be moved or renamed"});
    EXPECT_EQ(importExpectingFailure(records, ExchangeTable::Usa, edited(usa, "06,", "\r\n", ",extra\r\n")),
              std::vector<std::string>{"line 14, column 9: more columns than the header names"});
    EXPECT_EQ(importExpectingFailure(records, ExchangeTable::MemoryId, "No.,STATION NAME,MMSI\r\n1,A\r\n"),
              std::vector<std::string>{"line 2, column MMSI: missing"});
}

TEST(TableExchange, channelCellsFollowTheEditorsRules)
{
    const Records records = decodedRecords();
    const std::string usa = TableExchange::exportCsv(records, ExchangeTable::Usa);
    // Every error of the import: a refused cell is told once.
    const auto one = [&](ExchangeTable table, const std::string& csv) {
        std::string all;
        for (const std::string& error : importExpectingFailure(records, table, csv))
            all += (all.empty() ? "" : " | ") + error;
        return all;
    };
    EXPECT_EQ(one(ExchangeTable::Usa, edited(usa, "06,", "06,1,", "06,maybe,")),
              "line 14, column Enable: not 1 or 0");
    EXPECT_EQ(one(ExchangeTable::Usa, edited(usa, "16,", "CALL", "CA_L")),
              "line 34, column CH Name: the character '_' is not allowed in a name");
    EXPECT_EQ(one(ExchangeTable::Usa, edited(usa, "16,", "CALL", "CALLING ALL SHIPS NOW")),
              "line 34, column CH Name: longer than 16 characters");
    EXPECT_EQ(one(ExchangeTable::Usa, edited(usa, "16,", "CALL", "CAF\xC3\x89")),
              "line 34, column CH Name: a name takes no letters outside A to Z");
    EXPECT_EQ(one(ExchangeTable::Usa, edited(usa, "70,", "70,1,0,", "70,1,1,")),
              "line 142, column Tx Enable: the channel is receive only");
    const std::string exp = TableExchange::exportCsv(records, ExchangeTable::Exp);
    EXPECT_EQ(one(ExchangeTable::Exp, edited(exp, "1,", "156.0250", "156.0125")),
              "line 2, column Rx Frequency: not a frequency from 137 to 174 MHz on a 25 kHz step");
    EXPECT_EQ(one(ExchangeTable::Exp, edited(exp, "1,", "156.0250", "174.025")),
              "line 2, column Rx Frequency: not a frequency from 137 to 174 MHz on a 25 kHz step");
    EXPECT_EQ(one(ExchangeTable::Exp, edited(exp, "1,", "156.0250", "")),
              "line 2, column Rx Frequency: an enabled channel needs one");
    // A refused frequency on a channel enabled by the same row is not also
    // told as a missing one.
    EXPECT_EQ(one(ExchangeTable::Exp, edited(exp, "2,", "2,0,,,", "2,1,7A,,156.0125")),
              "line 3, column Rx Frequency: not a frequency from 137 to 174 MHz on a 25 kHz step");
    EXPECT_EQ(one(ExchangeTable::Exp, edited(exp, "1,", "7A,", "7,")),
              "line 2, column CH Display: two characters or none");
    EXPECT_EQ(one(ExchangeTable::Exp, edited(exp, "1,", "7A,", "7-,")),
              "line 2, column CH Display: only digits, letters and spaces");
    EXPECT_EQ(one(ExchangeTable::Exp, edited(exp, "1,", "7A,B,", "7A,BC,")),
              "line 2, column CH Suffix: one character or none");
}

TEST(TableExchange, directoryCellsFollowTheEditorsRules)
{
    const Records records = decodedRecords();
    const std::string head = "No.,STATION NAME,MMSI\r\n";
    const auto one = [&](ExchangeTable table, const std::string& csv) {
        const auto errors = importExpectingFailure(records, table, csv);
        return errors.empty() ? std::string() : errors.front();
    };
    EXPECT_EQ(one(ExchangeTable::MemoryId, head + "1,A,12345678\r\n"),
              "line 2, column MMSI: an MMSI has 9 digits");
    EXPECT_EQ(one(ExchangeTable::MemoryId, head + "1,A,23212345x\r\n"),
              "line 2, column MMSI: an MMSI has 9 digits");
    EXPECT_EQ(one(ExchangeTable::MemoryId, head + "1,A VERY LONG NAME,232123456\r\n"),
              "line 2, column STATION NAME: longer than 11 characters");
    EXPECT_EQ(one(ExchangeTable::MemoryId, head + "1,NONUMBER,\r\n"),
              "line 2, column MMSI: an entry with a name needs its MMSI");
    EXPECT_EQ(one(ExchangeTable::MemoryId, head + "1,,\r\n2,B,232123456\r\n"),
              "line 2, column MMSI: empty before further entries, which the radio would drop");
    EXPECT_EQ(one(ExchangeTable::MemoryId, head + "2,B,232123456\r\n"),
              "line 2, column No.: does not match the entry of this line; rows cannot be moved or renamed");
    std::string tooMany = head;
    for (int i = 1; i <= 81; ++i)
        tooMany += std::to_string(i) + ",S,232123456\r\n";
    EXPECT_EQ(one(ExchangeTable::MemoryId, tooMany),
              "line 82, column No.: one row too many; the directory has 80 entries");
    const std::string groups = "No.,GROUP NAME,MMSI\r\n";
    EXPECT_EQ(one(ExchangeTable::GroupId, groups + "1,G,232123456\r\n"),
              "line 2, column MMSI: a group MMSI begins with 0");
    EXPECT_EQ(one(ExchangeTable::GroupId, groups + "1,G,02321234\r\n"),
              "line 2, column MMSI: a group MMSI has 9 digits");
}
