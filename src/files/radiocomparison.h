#pragma once

#include <string>
#include <vector>

#include "model/records.h"

namespace zmp {

// One configuration of a comparison: the records with the model and the
// ATIS choice their configuration file is written for.
struct ComparedConfiguration {
    const Records& records;
    int model = 0;
    bool hasAtis = false;
};

// One value of the configuration as the editor's page shows it: what the
// radio holds beside what the editor holds.
struct ComparedSetting {
    std::string page;    // as the tree names the page: "Common Setup", "Group1", "Individual Directory"
    std::string caption; // as the page names the field: "Scanning Function: SCAN", "CH16: CH Name"
    std::string radio;
    std::string editor;
    bool differs = false;
    std::string node;  // the tree node of the page that holds the field
    std::string field; // the object name of the field's control

    bool operator==(const ComparedSetting&) const = default;
};

// Every value the radio holds, in the order of the configuration file,
// compared as the file holds it (an MMSI read with its tenth place is the
// same MMSI). Values the radio's memory has no place for (the ATIS boxes,
// the call signs, a channel's "A" display mark) are left out: neither
// side's value can be in the radio.
std::vector<ComparedSetting> compareWithRadio(const ComparedConfiguration& radio,
                                              const ComparedConfiguration& editor);

} // namespace zmp
