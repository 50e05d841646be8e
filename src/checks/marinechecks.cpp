#include "checks/marinechecks.h"

#include <algorithm>

#include "checks/mmsiform.h"
#include "checks/mmsiverdict.h"
#include "codec/channellabels.h"
#include "rules/fieldrules.h"

namespace zmp {

namespace {

using Warnings = std::vector<CheckWarning>;

bool allDigits(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string groupName(int group)
{
    return group == ExpCh ? "EXP CH Group" : "Group" + std::to_string(group + 1);
}

// One number: its digit count first, then what it stands for.
void checkNumber(NumberRole role, const std::string& digits, std::size_t length, const std::string& item,
                 CheckWarning where, Warnings& warnings)
{
    if (digits.size() != length || !allDigits(digits)) {
        where.text = item + " " + digits + ": not " + std::to_string(length) + " digits";
        warnings.push_back(where);
        return;
    }
    const MmsiVerdict verdict = judgeNumber(role, digits);
    if (verdict.problem.empty()) return;
    where.text = item + " " + digits + ": " + verdict.problem;
    warnings.push_back(where);
}

void checkTenthDigit(const std::string& stored, const std::string& item, CheckWarning where,
                     Warnings& warnings)
{
    const std::string problem = strayTenthDigitProblem(stored);
    if (problem.empty()) return;
    where.text = item + " " + nineDigitMmsi(stored) + ": " + problem;
    warnings.push_back(where);
}

void checkDirectory(const Directory& directory, bool groupId, Warnings& warnings)
{
    const CheckSubject subject = groupId ? CheckSubject::GroupId : CheckSubject::MemoryId;
    const std::string kind = groupId ? "Group ID " : "Memory ID ";
    for (std::size_t i = 0; i < directory.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const std::string item = kind + std::to_string(number);
        const std::string digits = nineDigitMmsi(directory[i].Mmsid);
        if (!digits.empty()) {
            checkNumber(groupId ? NumberRole::GroupId : NumberRole::MemoryId, digits, 9, item,
                        {subject, number, {}}, warnings);
            checkTenthDigit(directory[i].Mmsid, item, {subject, number, {}}, warnings);
        } else if (directory[i].Enable) {
            warnings.push_back(
                {subject, number,
                 item + ": added without an MMSI; the radio drops it and every entry after it"});
        }
    }
}

bool priorityEnabled(const Records& records, int group, int channel)
{
    if (channel >= ExpPriorityBase)
        return records.exp[static_cast<std::size_t>(channel - ExpPriorityBase)].Enable;
    const ChannelTable& table = groupTable(records, group);
    return std::any_of(table.begin(), table.end(), [channel](const ChannelRecord& record) {
        return record.Position == channel && record.Enable;
    });
}

void checkPriorityChannels(const Records& records, Warnings& warnings)
{
    for (int group = Group1; group <= Group3; ++group) {
        const UsableGroup& usable = records.groups[static_cast<std::size_t>(group)];
        if (!usable.Enable || usable.PriorityCh < 0 || usable.PriorityCh >= PriorityLimit) continue;
        if (priorityEnabled(records, group, usable.PriorityCh)) continue;
        warnings.push_back({CheckSubject::PriorityChannel, group,
                            groupName(group) + ": priority channel " +
                                priorityChannelLabel(usable.PriorityCh) + " is not enabled"});
    }
}

void checkDscGroups(const Records& records, Warnings& warnings)
{
    int firstDscGroup = -1;
    for (int group = 0; group < UsableGroupCount; ++group) {
        const auto index = static_cast<std::size_t>(group);
        if (records.settings[static_cast<std::size_t>(slot::UsableDsc) + index] == 0) continue;
        if (firstDscGroup < 0) firstDscGroup = group;
        if (records.groups[index].Enable) continue;
        warnings.push_back(
            {CheckSubject::UsableDsc, group, groupName(group) + ": DSC is on but the group is not usable"});
    }
    if (firstDscGroup >= 0 && trimSpaces(records.userMmsi).empty())
        warnings.push_back(
            {CheckSubject::UserMmsi, 0, "User MMSI: empty while DSC is on for " + groupName(firstDscGroup)});
}

} // namespace

std::vector<CheckWarning> MarineChecks::run(const Records& records)
{
    Warnings warnings;
    const std::string userMmsi = nineDigitMmsi(records.userMmsi);
    if (!userMmsi.empty()) {
        checkNumber(NumberRole::UserMmsi, userMmsi, 9, "User MMSI", {CheckSubject::UserMmsi, 0, {}},
                    warnings);
        checkTenthDigit(records.userMmsi, "User MMSI", {CheckSubject::UserMmsi, 0, {}}, warnings);
    }
    const std::string atis = trimSpaces(records.atisCode);
    if (!atis.empty())
        checkNumber(NumberRole::AtisCode, atis, 10, "ATIS code", {CheckSubject::AtisCode, 0, {}}, warnings);
    checkDirectory(records.memoryId, false, warnings);
    checkDirectory(records.groupId, true, warnings);
    checkPriorityChannels(records, warnings);
    checkDscGroups(records, warnings);
    return warnings;
}

} // namespace zmp
