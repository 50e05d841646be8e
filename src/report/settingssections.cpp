#include "report/settingssections.h"

#include "codec/channellabels.h"
#include "codec/fixedwidthtext.h"
#include "codec/mmsitext.h"
#include "codec/optiontables.h"
#include "image/settingstable.h"

#include <array>
#include <utility>

namespace zmp {

namespace {

constexpr int ValueWidth = 18;

bool setting(const Records& records, int slot)
{
    return records.settings[static_cast<std::size_t>(slot)] != 0;
}

bool dscFlag(const Records& records, int slot)
{
    return records.dscFlags[static_cast<std::size_t>(slot)];
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

const std::array<const char*, 7> BeepLabels{
    "Send Distress Alert:", "Received All Ships:",   "Received Individual:",   "Received Group:",
    "Received Geografic:",  "Received POS Request:", "Received POS Reporting:"};
const std::array<const char*, CallKindCount> CallKindTitles{"[All Ships Call]",      "[Group Call]",
                                                            "[Individual Call]",     "[PositionRequest Call]",
                                                            "[PositionReport Call]", "[Test Call]"};
const std::array<const char*, CategoryCount> CategoryLabels{"Distress:", "Urgency:", "Safty:", "Routine:"};

SettingsLine expGroupLine(const UsableGroup& expGroup)
{
    SettingsLine line{"EXP CH", {}};
    for (bool flag : expGroup.ExpGroupFlags)
        line.values.push_back({expGroup.Enable ? onOffText(flag) : "---", ValueWidth});
    return line;
}

void addUsableDscGroups(const Records& records, std::vector<SettingsLine>& lines, int valueWidth)
{
    lines.push_back(title("[Usable DSC CH Group]"));
    for (int g = Group1; g <= Group3; ++g)
        lines.push_back(valueLine(records.groups[static_cast<std::size_t>(g)].StatusName + ":",
                                  onOffText(setting(records, slot::UsableDsc + g)), valueWidth));
    lines.push_back(emptyLine());
}

// The text report shows the beeps and the distress cancel call as the image holds them.
void addTextBasicLines(const ReportInput& input, std::vector<SettingsLine>& lines)
{
    const Records& records = input.records;
    const std::string count = std::to_string(input.image[UserMmsiCountAddress]);
    lines.push_back(
        {"User MMSI:",
         {{mmsiAsWritten(records.userMmsi), 12}, {"-----", 5}, {" ", 1}, {"Count", 7}, {count, 0}}});
    lines.push_back(valueLine("Distress Cancel Call:", onOffText(records.distressCancelCall)));
    lines.push_back(emptyLine());
    lines.push_back(title("[DSC Beep Output]"));
    for (std::size_t i = 0; i < BeepLabels.size(); ++i)
        lines.push_back(valueLine(
            BeepLabels[i], onOffText(dscFlag(records, dscslot::SendDistressAlert + static_cast<int>(i)))));
}

// The printed report shows the call and beep settings of the DSC page.
void addPrintedBasicLines(const ReportInput& input, std::vector<SettingsLine>& lines)
{
    const Records& records = input.records;
    const std::string count = std::to_string(input.image[UserMmsiCountAddress]);
    lines.push_back({"User MMSI:", {{mmsiAsWritten(records.userMmsi), 0}, {"Count", 0}, {count, 0}}});
    const std::array<const char*, 4> callLabels{
        "Distress Cancel Call:", "Stanby Mode:", "POS Request:", "POS Reporting:"};
    for (int i = 0; i < 4; ++i) {
        SettingsLine line = valueLine(callLabels[static_cast<std::size_t>(i)],
                                      onOffText(setting(records, slot::PosRequest + i)));
        if (i >= 2) line.values.push_back({powerText(setting(records, slot::PosRequestTx + i)), 0});
        lines.push_back(line);
    }
    lines.push_back(emptyLine());
    lines.push_back(title("[DSC Beep Output]"));
    for (std::size_t i = 0; i < BeepLabels.size(); ++i) {
        const std::string label = i == 4 ? "Received Geographic:" : BeepLabels[i];
        lines.push_back(valueLine(label, onOffText(setting(records, slot::BeepOut + static_cast<int>(i)))));
    }
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
    SettingsSection section{"##### DSC Setup (Basic Setup) #####", {}};
    if (rendering == ReportRendering::Text) {
        addUsableDscGroups(input.records, section.lines, 20);
        addTextBasicLines(input, section.lines);
    } else {
        addUsableDscGroups(input.records, section.lines, ValueWidth);
        addPrintedBasicLines(input, section.lines);
    }
    return section;
}

SettingsSection dscAdvancedSection(const Records& records)
{
    SettingsSection section{"##### DSC Setup (Advanced Setup) #####", {}};
    for (int kind = 0; kind < CallKindCount; ++kind) {
        if (kind > 0) section.lines.push_back(emptyLine());
        section.lines.push_back(title(CallKindTitles[static_cast<std::size_t>(kind)]));
        for (int category = 0; category < CategoryCount; ++category)
            section.lines.push_back(
                {CategoryLabels[static_cast<std::size_t>(category)],
                 {{onOffText(dscFlag(records, dscslot::receive(kind, category))), ValueWidth},
                  {powerText(dscFlag(records, dscslot::transmit(kind, category))), ValueWidth}}});
    }
    return section;
}

SettingsSection dscDisplaySection(const Records& records)
{
    return {
        "##### DSC Setup (Display Setup) #####",
        {valueLine("Individual Reply Menu:", onOffText(dscFlag(records, dscslot::IndividualReplyMenu))),
         valueLine("Individual ACK Menu:", onOffText(dscFlag(records, dscslot::IndividualAckMenu))),
         valueLine("POS Request Reply Menu:", onOffText(dscFlag(records, dscslot::PosRequestReplyMenu)))}};
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
