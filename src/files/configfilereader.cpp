#include "files/configfilereader.h"

#include "files/configlayout.h"
#include "files/configvalue.h"
#include "files/filemessages.h"
#include "files/profilereader.h"
#include "image/dscmirror.h"
#include "model/models.h"

namespace zmp {
namespace {

using namespace configlayout;

// Reads the keys of one section into record fields, each with its conversion.
// An absent section answers every key with "" without looking it up.
class SectionFields {
public:
    SectionFields(const SectionTable& table, std::string section)
        : table_(table), section_(std::move(section)), present_(table.hasSection(section_))
    {
    }

    std::string text(const std::string& key) const { return present_ ? table_.lookupValue(section_, key) : ""; }
    void flag(const std::string& key, bool& field) const
    {
        if (const auto value = ConfigValue::toFlag(text(key))) field = *value;
    }
    void flagSetting(const std::string& key, std::int16_t& field) const
    {
        if (const auto value = ConfigValue::toFlag(text(key))) field = *value ? 1 : 0;
    }
    void integer(const std::string& key, std::int16_t& field) const
    {
        if (const auto value = ConfigValue::toInt16(text(key))) field = *value;
    }
    void integer(const std::string& key, std::int32_t& field) const
    {
        if (const auto value = ConfigValue::toInt32(text(key))) field = *value;
    }
    void frequency(const std::string& key, double& field) const
    {
        if (const auto value = ConfigValue::toFrequency(text(key))) field = *value;
    }
    void textInto(const std::string& key, std::string& field) const { field = text(key); }

private:
    const SectionTable& table_;
    std::string section_;
    bool present_;
};

void readGroupSetup(const SectionTable& table, Records& records)
{
    const SectionFields fields(table, GroupSetupSection);
    for (int g = 0; g < UsableGroupCount; ++g) {
        UsableGroup& group = records.groups[g];
        fields.flag(GroupKeys[g], group.Enable);
        fields.integer(numbered("Priority CH ", g), group.PriorityCh);
        fields.textInto(numbered("Status name ", g), group.StatusName);
    }
    for (int i = 0; i < ExpGroupFlagCount; ++i)
        fields.flag(numbered("Exp Ch Group ", i), records.groups[ExpCh].ExpGroupFlags[i]);
}

void readCommonSetup(const SectionTable& table, Records& records)
{
    const SectionFields fields(table, CommonSetupSection);
    for (const CommonSetting& setting : CommonSettings) {
        std::int16_t& field = records.settings[setting.slot];
        if (setting.kind == SettingKind::Flag)
            fields.flagSetting(setting.key, field);
        else
            fields.integer(setting.key, field);
    }
}

void readDscBasic(const SectionTable& table, Records& records)
{
    const SectionFields fields(table, DscBasicSection);
    for (int g = 0; g < DscGroupCount; ++g) fields.flagSetting(GroupKeys[g], records.settings[slot::UsableDsc + g]);
    fields.textInto("User MMSI", records.userMmsi);
    for (int i = 0; i < PosRequestCount; ++i) {
        fields.flagSetting(numbered("PosRequest", i), records.settings[slot::PosRequest + i]);
        fields.flagSetting(numbered("PosRequestTX", i), records.settings[slot::PosRequestTx + i]);
    }
    for (int i = 0; i < BeepOutCount; ++i) fields.flagSetting(numbered("BeepOut", i), records.settings[slot::BeepOut + i]);
}

void readDscAdvancedAndDisplay(const SectionTable& table, Records& records)
{
    const SectionFields advanced(table, DscAdvancedSection);
    for (int kind = 0; kind < CallKindCount; ++kind) {
        const std::string name = CallKinds[kind];
        for (int category = 0; category < CategoryCount; ++category) {
            advanced.flag(numbered(name.c_str(), category), records.dscFlags[dscslot::receive(kind, category)]);
            advanced.flag(numbered((name + "TX").c_str(), category), records.dscFlags[dscslot::transmit(kind, category)]);
        }
    }
    const SectionFields display(table, DscDisplaySection);
    for (std::size_t i = 0; i < DisplayMenuKeys.size(); ++i)
        display.flag(DisplayMenuKeys[i], records.dscFlags[DisplayMenuSlots[i]]);
}

void readAtis(const SectionTable& table, Records& records)
{
    const SectionFields common(table, AtisCommonSection);
    for (int g = 0; g < AtisGroupCount; ++g) {
        common.flagSetting(numbered("Usable ATIS CH Group", g), records.settings[slot::UsableAtis + g]);
        common.flagSetting(numbered("Usable ATIS Kikker CH Group", g), records.settings[slot::AtisKiller + g]);
    }
    common.textInto("Atis Code", records.atisCode);
    const SectionFields callSigns(table, AtisCallSignSection);
    for (int i = 0; i < CallSignCount; ++i) {
        callSigns.textInto(numbered("MID", i + 1), records.callSigns[i].Mid);
        callSigns.textInto(numbered("DISP", i + 1), records.callSigns[i].Disp);
    }
}

void readPlanChannel(const SectionFields& fields, ChannelRecord& channel, int position)
{
    channel.Position = static_cast<std::int16_t>(position);
    fields.flag("Enable", channel.Enable);
    fields.flag("LowPower", channel.LowPower);
    fields.flag("PowUp", channel.PowUp);
    fields.flag("Duplex", channel.Duplex);
    fields.flag("TxEnable", channel.TxEnable);
    fields.flag("DispayA", channel.DispayA);
    fields.flag("ScanMemory", channel.ScanMemory);
    fields.textInto("ChTag", channel.ChTag);
    channel.Duplex = channel.Duplex && channel.DuplexCapable;
}

// Sections are numbered 0, 1, 2, ... and end at the first one without a
// Position; each files its record by Position, not by its number. Section
// numbers beyond the last section of the file cannot exist, so the loop
// ends on any input.
void readPlanTable(const SectionTable& table, ChannelTable& channels, const char* prefix,
                   const std::function<void()>& pendingEvents)
{
    for (int k = 0; k <= table.lastSectionIndex(); ++k) {
        const SectionFields fields(table, numbered(prefix, k));
        const std::string position = fields.text("Position");
        if (position.empty()) return;
        const auto index = ConfigValue::leadingInteger(position);
        if (index && *index >= 0 && *index < static_cast<int>(channels.size()))
            readPlanChannel(fields, channels[static_cast<std::size_t>(*index)], *index);
        if (pendingEvents) pendingEvents();
    }
}

void readWx(const SectionTable& table, ChannelTable& channels)
{
    for (std::size_t idx = 0; idx < channels.size(); ++idx) {
        const SectionFields fields(table, numbered(WxPrefix, static_cast<int>(idx)));
        fields.flag("Enable", channels[idx].Enable);
        fields.flag("ScanMemory", channels[idx].ScanMemory);
        fields.textInto("ChTag", channels[idx].ChTag);
    }
}

void readDirectory(const SectionTable& table, Directory& directory, const char* prefix)
{
    for (std::size_t n = 0; n < directory.size(); ++n) {
        const SectionFields fields(table, numbered(prefix, static_cast<int>(n + 1)));
        fields.flag("Enable", directory[n].Enable);
        fields.textInto("TagName", directory[n].TagName);
        fields.textInto("Mmsid", directory[n].Mmsid);
    }
}

void readExp(const SectionTable& table, ChannelTable& channels)
{
    for (std::size_t n = 0; n < channels.size(); ++n) {
        const SectionFields fields(table, numbered(ExpPrefix, static_cast<int>(n + 1)));
        ChannelRecord& channel = channels[n];
        fields.flag("Enable", channel.Enable);
        fields.textInto("CHDisplayL", channel.CHDisplayL);
        fields.textInto("CHDisplayR", channel.CHDisplayR);
        fields.frequency("Rxfreq", channel.Rxfreq);
        fields.frequency("Txfreq", channel.Txfreq);
        fields.flag("LowPower", channel.LowPower);
        fields.flag("PowUp", channel.PowUp);
        fields.flag("ScanMemory", channel.ScanMemory);
        fields.textInto("ChTag", channel.ChTag);
    }
}

FileOutcome refuseUnreadable(const FileContext& context, const FileError& error)
{
    context.flags.ErrorFlag = true;
    context.flags.CancelFlag = true;
    context.log.write(filemessages::FileRead2Source, error.logText());
    return FileOutcome::failure(filemessages::FileReadError, titleText(context.model), MessageIcon::Warning);
}

// The parser's bounds were exceeded (a line or the whole table too large):
// not a configuration file of any size this system writes.
FileError oversizeError() { return FileError::fromErrno(EFBIG); }

}  // namespace

void ConfigFileReader::fill(const SectionTable& table, Records& records, bool hasAtis,
                            const std::function<void()>& pendingEvents)
{
    readGroupSetup(table, records);
    readCommonSetup(table, records);
    readDscBasic(table, records);
    dscFlagsFromSettings(records);
    readDscAdvancedAndDisplay(table, records);
    if (hasAtis) readAtis(table, records);
    readPlanTable(table, records.usa, UsaPrefix, pendingEvents);
    readPlanTable(table, records.intl, IntlPrefix, pendingEvents);
    readPlanTable(table, records.can, CanPrefix, pendingEvents);
    readWx(table, records.wx);
    readDirectory(table, records.memoryId, MemoryIdPrefix);
    readDirectory(table, records.groupId, GroupIdPrefix);
    readExp(table, records.exp);
}

bool ConfigFileReader::modelTypeMatches(const std::string& path, int model)
{
    const auto number = ConfigValue::toInt32(ProfileReader::readString(path, MainSection, ModelTypeKey));
    return number && *number == model;
}

FileOutcome ConfigFileReader::read(const std::string& path, Records& records, const FileContext& context,
                                   const Reset& reset)
{
    ProcessFlags& flags = context.flags;
    flags.ErrorFlag = false;
    SectionTable table;
    FileError error;
    if (!table.parseFile(path, error)) return refuseUnreadable(context, error);
    if (!table.ok()) return refuseUnreadable(context, oversizeError());
    if (reset) reset();
    // The reset makes a new image, which clears the filling flag when done.
    flags.filling = true;
    FileOutcome outcome = FileOutcome::success();
    if (flags.ErrorFlag) {
        outcome = FileOutcome::silentFailure();
    } else if (!modelTypeMatches(path, context.model)) {
        flags.ErrorFlag = true;
        outcome = FileOutcome::failure(filemessages::ModelTypeError, titleText(context.model), MessageIcon::Critical);
    } else {
        fill(table, records, context.hasAtis, context.pendingEvents);
    }
    if (!outcome.ok) flags.CancelFlag = true;
    flags.filling = false;
    return outcome;
}

}  // namespace zmp
