#include "files/radiocomparison.h"

#include <charconv>
#include <optional>

#include "codec/channellabels.h"
#include "codec/channelplan.h"
#include "codec/mmsitext.h"
#include "codec/optiontables.h"
#include "files/configdiff.h"
#include "files/configfilewriter.h"
#include "files/configlayout.h"
#include "files/configvalue.h"
#include "files/pagecaptions.h"
#include "image/settingstable.h"
#include "message/messagetexts.h"
#include "model/models.h"

namespace zmp {

namespace {

using namespace configlayout;

// How a page shows a value of the file.
enum class Shown { Text, OnOff, Power, Mmsi, PriorityChannel, Option, Model };

struct Place {
    std::string page;
    std::string caption;
    std::string node;
    std::string field;
    Shown shown = Shown::Text;
    OptionTable options = nullptr;
};

using Found = std::optional<Place>;

int number(const std::string& text)
{
    return ConfigValue::toInt32(text).value_or(0);
}

std::string indexed(const std::string& name, int index)
{
    return name + "_" + std::to_string(index);
}

std::string shownText(const Place& place, const std::string& value)
{
    if (value.empty()) return value;
    switch (place.shown) {
    case Shown::OnOff:
        return onOffText(ConfigValue::toFlag(value).value_or(false));
    case Shown::Power:
        return powerText(value == "1");
    case Shown::Mmsi:
        return shownMmsi(value);
    case Shown::PriorityChannel:
        return priorityChannelLabel(number(value));
    case Shown::Option: {
        const std::string text = optionText(place.options(), number(value));
        return text.empty() ? value : text;
    }
    case Shown::Model:
        return modelName(number(value));
    case Shown::Text:
        break;
    }
    return value;
}

// "Priority CH 2" is number 2 of "Priority CH ".
bool numberedKey(const std::string& key, const std::string& name, int count, int& index)
{
    for (index = 0; index < count; ++index)
        if (key == name + std::to_string(index)) return true;
    return false;
}

Found groupSetupPlace(const std::string& key)
{
    const auto place = [](std::string caption, std::string field, Shown shown) {
        return Place{GroupSetupSection, std::move(caption), "Usable", std::move(field), shown};
    };
    int g = 0;
    for (g = 0; g < UsableGroupCount; ++g)
        if (key == GroupKeys[g]) return place(msg::GroupCaptions[g], indexed("chkUsable", g), Shown::OnOff);
    if (numberedKey(key, PriorityChKey, UsableGroupCount, g))
        return place(std::string(msg::GroupCaptions[g]) + ": " + pagecaption::PriorityCh,
                     indexed("cmbUsablePri", g), Shown::PriorityChannel);
    if (numberedKey(key, StatusNameKey, UsableGroupCount, g))
        return place(std::string(msg::GroupCaptions[g]) + ": " + pagecaption::StatusName,
                     indexed("txtUsable", g), Shown::Text);
    if (numberedKey(key, ExpChGroupKey, ExpGroupFlagCount, g))
        return place(std::string(msg::GroupCaptions[ExpCh]) + ": " + GroupKeys[g], indexed("chkEXP", g),
                     Shown::OnOff);
    return {};
}

Found commonPlace(const std::string& key)
{
    for (const SettingRow& row : commonSettings())
        if (row.key && key == row.key)
            return Place{CommonSetupSection, std::string(row.frame) + ": " + row.caption,
                         "Common",           row.objectName,
                         Shown::Option,      row.pageOptions};
    return {};
}

constexpr const char* DscPage = "DSC Setup";

Place dscPlace(std::string caption, std::string field, Shown shown)
{
    return {DscPage, std::move(caption), "DSC", std::move(field), shown};
}

Found dscSettingPlace(const std::string& section, const std::string& key)
{
    if (section == DscBasicSection && key == UserMmsiKey)
        return dscPlace("User MMSI", "txtUserMMSI", Shown::Mmsi);
    for (const DscSettingRow& row : dscSettings())
        if (row.key && row.control && section == row.section && key == dscKey(row))
            return dscPlace(dscPlaceCaption(row), dscControl(row), row.power ? Shown::Power : Shown::OnOff);
    return {};
}

// The ATIS boxes have no place in the radio's memory; the code has.
Found atisPlace(const std::string& key)
{
    if (key != AtisCodeKey) return {};
    return Place{"ATIS Setup", pagecaption::AtisCode, "ATIS", "txtATIScode"};
}

// The record of a section named by a prefix and a number: "CHUSA12".
bool recordSection(const std::string& section, const char* prefix, int& index)
{
    const std::string start = prefix;
    if (section.size() <= start.size() || section.compare(0, start.size(), start) != 0) return false;
    const char* first = section.data() + start.size();
    const char* last = section.data() + section.size();
    const auto result = std::from_chars(first, last, index);
    return result.ec == std::errc() && result.ptr == last;
}

// A record's page, the record's name on it and whether its controls are
// numbered by the record (the weather page's rows).
struct RecordPage {
    std::string page;
    std::string owner;
    std::string node;
    int row = -1;
};

template <class Record, std::size_t N>
Found recordPlace(const std::array<FieldKey<Record>, N>& keys, const std::string& key,
                  const RecordPage& record)
{
    for (const FieldKey<Record>& field : keys) {
        if (key != field.key || !field.shown.caption) continue;
        const Shown shown = field.kind == FieldKind::Flag   ? Shown::OnOff
                            : field.kind == FieldKind::Mmsi ? Shown::Mmsi
                                                            : Shown::Text;
        const std::string control =
            record.row < 0 ? std::string(field.shown.control) : indexed(field.shown.control, record.row);
        return Place{record.page, record.owner + ": " + field.shown.caption, record.node, control, shown};
    }
    return {};
}

std::string planChannelName(const ChannelTable& table, int index)
{
    const ChannelPlan& plan = channelPlan();
    if (index < 0 || static_cast<std::size_t>(index) >= table.size()) return "CH";
    const int position = table[static_cast<std::size_t>(index)].Position;
    if (position < 0 || static_cast<std::size_t>(position) >= plan.size()) return "CH";
    return "CH" + plan[static_cast<std::size_t>(position)].Label;
}

Found planPlace(const std::string& section, const std::string& key, const Records& records)
{
    constexpr std::array<const char*, 3> Prefixes{UsaPrefix, IntlPrefix, CanPrefix};
    constexpr std::array<const char*, 3> Nodes{"PU", "PI", "PC"};
    for (int g = Group1; g <= Group3; ++g) {
        int k = 0;
        if (!recordSection(section, Prefixes[g], k)) continue;
        return recordPlace(
            PlanChannelKeys, key,
            {GroupKeys[g], planChannelName(groupTable(records, g), k), Nodes[g] + std::to_string(k)});
    }
    return {};
}

Found directoryPlace(const std::string& section, const std::string& key)
{
    int n = 0;
    const bool memoryId = recordSection(section, MemoryIdPrefix, n);
    if (!memoryId && !recordSection(section, GroupIdPrefix, n)) return {};
    const std::string number = std::to_string(n);
    RecordPage record{memoryId ? msg::IndividualDirectoryCaption : msg::GroupDirectoryCaption,
                      (memoryId ? "Memory ID" : "Group ID") + number, (memoryId ? "SM" : "SG") + number};
    Found place = recordPlace(DirectoryKeys, key, record);
    // The name field has the directory's own caption.
    if (place && key == DirectoryKeys[1].key)
        place->caption = record.owner + (memoryId ? ": Station Name" : ": Group Name");
    return place;
}

Found channelRecordPlace(const std::string& section, const std::string& key, const Records& records)
{
    int n = 0;
    if (recordSection(section, WxPrefix, n)) {
        const std::string label = std::to_string(n + 1);
        return recordPlace(WxChannelKeys, key,
                           {"Weather", "WX" + std::string(label.size() < 2 ? "0" : "") + label, "PW", n});
    }
    if (recordSection(section, ExpPrefix, n))
        return recordPlace(ExpChannelKeys, key,
                           {"EXP Channel", "EXP" + std::to_string(n), "E" + std::to_string(n)});
    return planPlace(section, key, records);
}

Found placeOf(const std::string& section, const std::string& key, const Records& records)
{
    if (section == MainSection)
        return key == ModelTypeKey ? Found(Place{"General", "Model", "General", "", Shown::Model}) : Found();
    if (section == GroupSetupSection) return groupSetupPlace(key);
    if (section == CommonSetupSection) return isHeldByImage(section, key) ? commonPlace(key) : Found();
    if (Found place = dscSettingPlace(section, key)) return place;
    if (section == AtisCommonSection) return atisPlace(key);
    if (Found place = directoryPlace(section, key)) return place;
    return channelRecordPlace(section, key, records);
}

} // namespace

std::vector<ComparedSetting> compareWithRadio(const ComparedConfiguration& radio,
                                              const ComparedConfiguration& editor)
{
    const std::string radioText = ConfigFileWriter::compose(radio.records, radio.model, radio.hasAtis);
    const std::string editorText = ConfigFileWriter::compose(editor.records, editor.model, editor.hasAtis);
    std::vector<ComparedSetting> settings;
    for (const auto& pair :
         ConfigDiff::compareAll(ConfigDiff::entries(radioText), ConfigDiff::entries(editorText))) {
        const Found place = placeOf(pair.section, pair.key, editor.records);
        if (!place) continue;
        settings.push_back({place->page, place->caption, shownText(*place, pair.a), shownText(*place, pair.b),
                            pair.differs, place->node, place->field});
    }
    return settings;
}

} // namespace zmp
