#pragma once

#include <random>
#include <string>

#include "image/settingstable.h"
#include "model/records.h"

namespace zmp::test {

// Builds records in the form a decode produces (canonical texts, digit
// strings and frequencies), so that encode followed by decode must give
// every field the image holds back unchanged. The same seed gives the
// same records.
class RandomRecords {
  public:
    explicit RandomRecords(unsigned seed) : random_(seed) {}

    Records records();

  private:
    bool coin() { return number(0, 1) == 1; }
    int number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    std::string text(int maxLength);
    std::string digits(int count);
    std::string mmsi();
    char displayCharacter();
    double frequency() { return coin() ? 0.0 : (1000001 + number(0, 999998)) / 10000.0; }
    void fillCommon(ChannelRecord& c);
    void fillTransmit(ChannelRecord& c);
    void fillPlanTable(ChannelTable& table);
    void fillExp(ChannelRecord& c);
    void fillSettings(Records& r);
    int settingValue(const SettingRow& row);
    void fillDirectory(Directory& directory);

    std::mt19937 random_;
};

} // namespace zmp::test
