#include "files/configfilereader.h"

#include <string_view>

#include "files/configlayout.h"
#include "files/configvalue.h"
#include "files/filereading.h"
#include "files/profilereader.h"
#include "image/dscmirror.h"
#include "image/settingstable.h"
#include "message/messagetexts.h"
#include "model/fillingscope.h"
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

    std::string text(const std::string& key) const
    {
        return present_ ? table_.lookupValue(section_, key) : "";
    }
    // Whether the key held a flag.
    bool flag(const std::string& key, bool& field) const
    {
        const auto value = ConfigValue::toFlag(text(key));
        if (value) field = *value;
        return value.has_value();
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

    template <class Record, std::size_t N>
    void record(const std::array<FieldKey<Record>, N>& keys, Record& target) const
    {
        for (const FieldKey<Record>& key : keys) {
            if (key.kind == FieldKind::Flag)
                flag(key.key, target.*key.flag);
            else if (key.kind == FieldKind::Frequency)
                frequency(key.key, target.*key.number);
            else
                textInto(key.key, target.*key.text);
        }
    }

  private:
    const SectionTable& table_;
    std::string section_;
    bool present_;
};

void readSettingRows(const SectionFields& fields, std::span<const SettingRow> rows, SettingValues& settings)
{
    for (const SettingRow& row : rows) {
        if (!row.key) continue;
        std::int16_t& field = settings[static_cast<std::size_t>(row.slot)];
        if (isFlag(row))
            fields.flagSetting(row.key, field);
        else
            fields.integer(row.key, field);
    }
}

void readGroupSetup(const SectionTable& table, Records& records)
{
    const SectionFields fields(table, GroupSetupSection);
    for (int g = 0; g < UsableGroupCount; ++g) {
        UsableGroup& group = records.groups[g];
        fields.flag(GroupKeys[g], group.Enable);
        fields.integer(numbered(PriorityChKey, g), group.PriorityCh);
        fields.textInto(numbered(StatusNameKey, g), group.StatusName);
    }
    for (int i = 0; i < ExpGroupFlagCount; ++i)
        fields.flag(numbered(ExpChGroupKey, i), records.groups[ExpCh].ExpGroupFlags[i]);
}

void readCommonSetup(const SectionTable& table, Records& records)
{
    const SectionFields fields(table, CommonSetupSection);
    readSettingRows(fields, commonSettings(), records.settings);
}

void readDsc(const SectionTable& table, Records& records)
{
    SectionFields(table, DscBasicSection).textInto(UserMmsiKey, records.userMmsi);
    for (const char* section : {DscBasicSection, DscAdvancedSection, DscDisplaySection}) {
        const SectionFields fields(table, section);
        for (const DscSettingRow& row : dscSettings()) {
            if (!row.key || std::string_view(row.section) != section) continue;
            bool value = false;
            if (fields.flag(dscKey(row), value)) setDscValue(row, records, value);
        }
    }
    dscFlagsFromSettings(records);
}

void readAtis(const SectionTable& table, Records& records)
{
    const SectionFields common(table, AtisCommonSection);
    readSettingRows(common, atisSettings(), records.settings);
    common.textInto(AtisCodeKey, records.atisCode);
    const SectionFields callSigns(table, AtisCallSignSection);
    for (int i = 0; i < CallSignCount; ++i) {
        callSigns.textInto(numbered(CallSignMidKey, i + 1), records.callSigns[i].Mid);
        callSigns.textInto(numbered(CallSignDispKey, i + 1), records.callSigns[i].Disp);
    }
}

void readPlanChannel(const SectionFields& fields, ChannelRecord& channel, int position)
{
    channel.Position = static_cast<std::int16_t>(position);
    fields.record(PlanChannelKeys, channel);
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
        const std::string position = fields.text(PositionKey);
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
        fields.record(WxChannelKeys, channels[idx]);
    }
}

void readDirectory(const SectionTable& table, Directory& directory, const char* prefix)
{
    for (std::size_t n = 0; n < directory.size(); ++n) {
        const SectionFields fields(table, numbered(prefix, static_cast<int>(n + 1)));
        fields.record(DirectoryKeys, directory[n]);
    }
}

void readExp(const SectionTable& table, ChannelTable& channels)
{
    for (std::size_t n = 0; n < channels.size(); ++n) {
        const SectionFields fields(table, numbered(ExpPrefix, static_cast<int>(n + 1)));
        fields.record(ExpChannelKeys, channels[n]);
    }
}

FileOutcome refuseUnreadable(const FileContext& context, const std::string& path, const FileError& error)
{
    context.flags.ErrorFlag = true;
    context.flags.CancelFlag = true;
    context.log.write(msg::FileRead2Source, error.logText());
    return FileOutcome::failure(msg::FileReadError, titleText(context.model), MessageIcon::Warning,
                                error.reasonFor(path));
}

// The parser's bounds were exceeded (a line or the whole table too large):
// not a configuration file of any size this system writes.
FileError oversizeError(SectionTable::Status status)
{
    if (status == SectionTable::Status::LineTooLong)
        return {EFBIG, "Line longer than " + std::to_string(SectionTable::MaxLineLength) + " characters"};
    return {EFBIG, "Too many keys for a configuration file"};
}

bool modelTypeIs(const std::string& found, int model)
{
    const auto number = ConfigValue::toInt32(found);
    return number && *number == model;
}

// An empty file is told as such: it holds no [MAIN] to look into.
std::string modelTypeReason(const std::string& path, int model, const std::string& found)
{
    const std::string wanted = "MODELTYPE=" + std::to_string(model) + " expected";
    FileError ignored;
    if (found.empty() && regularFileSize(path, ignored) == 0) return path + ": The file is empty, " + wanted;
    return path + ": " + (found.empty() ? "No MODELTYPE in [MAIN], " : "MODELTYPE=" + found + ", ") + wanted;
}

} // namespace

void ConfigFileReader::fill(const SectionTable& table, Records& records, bool hasAtis,
                            const std::function<void()>& pendingEvents)
{
    readGroupSetup(table, records);
    readCommonSetup(table, records);
    readDsc(table, records);
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
    return modelTypeIs(ProfileReader::readString(path, MainSection, ModelTypeKey), model);
}

FileOutcome ConfigFileReader::read(const std::string& path, Records& records, const FileContext& context,
                                   const Reset& reset)
{
    ProcessFlags& flags = context.flags;
    flags.ErrorFlag = false;
    SectionTable table;
    FileError error;
    if (!table.parseFile(path, error)) return refuseUnreadable(context, path, error);
    if (!table.ok()) return refuseUnreadable(context, path, oversizeError(table.status()));
    if (reset) reset();
    const FillingScope filling(flags);
    FileOutcome outcome = FileOutcome::success();
    if (flags.ErrorFlag) {
        outcome = FileOutcome::silentFailure();
    } else if (const std::string found = ProfileReader::readString(path, MainSection, ModelTypeKey);
               !modelTypeIs(found, context.model)) {
        flags.ErrorFlag = true;
        outcome = FileOutcome::failure(msg::ModelTypeError, titleText(context.model), MessageIcon::Critical,
                                       modelTypeReason(path, context.model, found));
    } else {
        fill(table, records, context.hasAtis, context.pendingEvents);
    }
    if (!outcome.ok) flags.CancelFlag = true;
    return outcome;
}

} // namespace zmp
