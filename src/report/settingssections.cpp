#include "report/settingssections.h"

#include "codec/channellabels.h"
#include "codec/fixedwidthtext.h"
#include "codec/mmsitext.h"
#include "codec/optiontables.h"
#include "image/dscsettingstable.h"
#include "image/settingstable.h"

#include <array>
#include <string_view>
#include <utility>

namespace zmp {

namespace {

constexpr int ValueWidth = 18;

bool setting(const Records& records, int slot)
{
    return records.settings[static_cast<std::size_t>(slot)] != 0;
}

SettingsLine valueLine(std::string label, std::string value, int width = ValueWidth)
{
    return {std::move(label), {{std::move(value), width}}};
}

SettingsLine title(std::string text)
{
    return {std::move(text), {}};
}

SettingsLine emptyLine()
{
    return {};
}

SettingsLine fourValues(std::string label, const std::array<std::string, 4>& values)
{
    SettingsLine line{std::move(label), {}};
    for (const std::string& value : values)
        line.values.push_back({value, ValueWidth});
    return line;
}

SettingsLine expGroupLine(const UsableGroup& expGroup)
{
    SettingsLine line{"EXP CH", {}};
    for (bool flag : expGroup.ExpGroupFlags)
        line.values.push_back({expGroup.Enable ? onOffText(flag) : "---", ValueWidth});
    return line;
}

void addUsableDscGroups(const Records& records, std::vector<SettingsLine>& lines, int valueWidth)
{
    lines.push_back(title("[" + std::string(UsableDscFrame) + "]"));
    for (const DscSettingRow& row : usableDscSettings())
        if (row.key)
            lines.push_back(valueLine(records.groups[static_cast<std::size_t>(row.number)].StatusName + ":",
                                      onOffText(dscValue(row, records)), valueWidth));
    lines.push_back(emptyLine());
}

// The text report shows the DSC choices as the image holds them, the
// printed report as the page shows them.
bool reported(const DscSettingRow& row, ReportRendering rendering)
{
    if (!row.reportCaption) return false;
    return rendering == ReportRendering::Text ? row.imageForm != ImageForm::None : row.key != nullptr;
}

// A line per choice, its power beside it; a titled group of choices starts
// after an empty line.
void addDscLines(const Records& records, std::string_view section, ReportRendering rendering, int powerWidth,
                 std::vector<SettingsLine>& lines)
{
    const std::size_t first = lines.size();
    std::string_view group;
    for (const DscSettingRow& row : dscSettings()) {
        if (std::string_view(row.section) != section || !reported(row, rendering)) continue;
        const bool value = dscValue(row, records);
        if (row.power) {
            lines.back().values.push_back({powerText(value), powerWidth});
            continue;
        }
        if (row.reportTitle != group) {
            if (lines.size() > first) lines.push_back(emptyLine());
            group = row.reportTitle;
            if (!group.empty()) lines.push_back(title("[" + std::string(group) + "]"));
        }
        lines.push_back(valueLine(row.reportCaption, onOffText(value)));
    }
}

std::string userMmsiCount(const ReportInput& input)
{
    return std::to_string(input.image[UserMmsiCountAddress]);
}

} // namespace

SettingsSection usableGroupSection(const Records& records, ReportRendering rendering)
{
    const bool printed = rendering == ReportRendering::Printed;
    const auto& g = records.groups;
    SettingsSection section{"##### Usable CH Group Setup #####", {}};
    section.lines.push_back(fourValues("", {"Group1", "Group2", "Group3", printed ? "Exp CH" : "EXP CH"}));
    section.lines.push_back(fourValues("Enable", {onOffText(g[0].Enable), onOffText(g[1].Enable),
                                                  onOffText(g[2].Enable), onOffText(g[3].Enable)}));
    SettingsLine priority{"Priority CH", {}};
    for (int i = Group1; i <= Group3; ++i)
        priority.values.push_back(
            {priorityChannelLabel(g[static_cast<std::size_t>(i)].PriorityCh), ValueWidth});
    section.lines.push_back(priority);
    section.lines.push_back(fourValues(printed ? "Status name" : "Status Name",
                                       {freeFieldText(g[0].StatusName), freeFieldText(g[1].StatusName),
                                        freeFieldText(g[2].StatusName), freeFieldText(g[3].StatusName)}));
    section.lines.push_back(expGroupLine(g[ExpCh]));
    return section;
}

// Each frame of the Common page is a titled group of the report.
SettingsSection commonSection(const Records& records)
{
    SettingsSection section{"##### Common Setup #####", {}};
    std::string frame;
    for (const SettingRow& row : commonSettings()) {
        if (!row.reportCaption) continue;
        if (row.frame != frame) {
            if (!frame.empty()) section.lines.push_back(emptyLine());
            frame = row.frame;
            section.lines.push_back(title("[" + frame + "]"));
        }
        section.lines.push_back(valueLine(row.reportCaption,
                                          optionText(row.reportOptions(), shownValue(row, records.settings)),
                                          row.reportWidth));
    }
    return section;
}

SettingsSection dscBasicSection(const ReportInput& input, ReportRendering rendering)
{
    const Records& records = input.records;
    SettingsSection section{"##### DSC Setup (Basic Setup) #####", {}};
    if (rendering == ReportRendering::Text) {
        addUsableDscGroups(records, section.lines, 20);
        section.lines.push_back({"User MMSI:",
                                 {{mmsiAsWritten(records.userMmsi), 12},
                                  {"-----", 5},
                                  {" ", 1},
                                  {"Count", 7},
                                  {userMmsiCount(input), 0}}});
    } else {
        addUsableDscGroups(records, section.lines, ValueWidth);
        section.lines.push_back(
            {"User MMSI:", {{mmsiAsWritten(records.userMmsi), 0}, {"Count", 0}, {userMmsiCount(input), 0}}});
    }
    addDscLines(records, DscBasicSection, rendering, 0, section.lines);
    return section;
}

SettingsSection dscAdvancedSection(const Records& records)
{
    SettingsSection section{"##### DSC Setup (Advanced Setup) #####", {}};
    addDscLines(records, DscAdvancedSection, ReportRendering::Text, ValueWidth, section.lines);
    return section;
}

SettingsSection dscDisplaySection(const Records& records)
{
    SettingsSection section{"##### DSC Setup (Display Setup) #####", {}};
    addDscLines(records, DscDisplaySection, ReportRendering::Text, ValueWidth, section.lines);
    return section;
}

SettingsSection atisSection(const Records& records)
{
    const auto& g = records.groups;
    auto usable = [&records](int group) { return onOffText(setting(records, slot::UsableAtis + group)); };
    return {"##### ATIS Setup (Common) #####",
            {fourValues("", {g[0].StatusName, g[1].StatusName, g[2].StatusName, g[3].StatusName}),
             fourValues("Usable ATIS CH Group:", {usable(0), usable(1), usable(2), usable(3)}),
             valueLine("ATIS Code:", records.atisCode)}};
}

} // namespace zmp
