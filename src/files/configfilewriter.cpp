#include "files/configfilewriter.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "codec/mmsitext.h"
#include "files/atomicfile.h"
#include "files/configlayout.h"
#include "files/configvalue.h"
#include "image/settingstable.h"
#include "message/messagetexts.h"
#include "model/fillingscope.h"
#include "model/models.h"

namespace zmp {
namespace {

using namespace configlayout;

// Collects the lines of the file. A text can never end its line early:
// line breaks inside a value would make the rest of it a line of its own.
class Lines {
  public:
    void section(const std::string& name) { line("[" + name + "]"); }
    void value(const std::string& key, const std::string& text) { line(key + "=" + oneLine(text)); }
    void verbatim(const std::string& key, const std::string& text) { line(key + "=#" + oneLine(text)); }
    void flag(const std::string& key, bool on) { value(key, ConfigValue::flag(on)); }
    void integer(const std::string& key, long long number) { value(key, std::to_string(number)); }
    std::string take() { return std::move(text_); }

    template <class Record, std::size_t N>
    void record(const std::array<FieldKey<Record>, N>& keys, const Record& source)
    {
        for (const FieldKey<Record>& key : keys) {
            switch (key.kind) {
            case FieldKind::Flag:
                flag(key.key, source.*key.flag);
                break;
            case FieldKind::Text:
                value(key.key, source.*key.text);
                break;
            case FieldKind::MarkedText:
                verbatim(key.key, source.*key.text);
                break;
            case FieldKind::Frequency:
                value(key.key, ConfigValue::frequency(source.*key.number));
                break;
            case FieldKind::Mmsi:
                value(key.key, mmsiAsWritten(source.*key.text));
                break;
            }
        }
    }

  private:
    void line(const std::string& text)
    {
        text_ += text;
        text_ += "\r\n";
    }
    static std::string oneLine(const std::string& text)
    {
        if (text.find_first_of("\r\n") == std::string::npos) return text;
        std::string cleaned;
        for (const char c : text)
            if (c != '\r' && c != '\n') cleaned.push_back(c);
        return cleaned;
    }
    std::string text_;
};

void writeMain(Lines& out, int model)
{
    out.section(MainSection);
    out.verbatim("MODEL", modelName(model));
    out.verbatim("TYPE", FileType);
    out.verbatim("VERSION", FileVersion);
    out.integer(ModelTypeKey, model);
}

// A priority channel of none (negative) keeps its sign: its absolute
// value would name a real channel when the file is read back.
void writeGroupSetup(Lines& out, const Records& records)
{
    out.section(GroupSetupSection);
    for (int g = 0; g < UsableGroupCount; ++g)
        out.flag(GroupKeys[g], records.groups[g].Enable);
    for (int g = 0; g < UsableGroupCount; ++g)
        out.integer(numbered(PriorityChKey, g), records.groups[g].PriorityCh);
    for (int g = 0; g < UsableGroupCount; ++g)
        out.value(numbered(StatusNameKey, g), records.groups[g].StatusName);
    for (int i = 0; i < ExpGroupFlagCount; ++i)
        out.value(numbered(ExpChGroupKey, i), ConfigValue::namedFlag(records.groups[ExpCh].ExpGroupFlags[i]));
}

// The rows' keys in the order given.
void writeSettingRows(Lines& out, std::span<const SettingRow> rows, const SettingValues& settings)
{
    for (const SettingRow& row : rows) {
        const int value = settings[static_cast<std::size_t>(row.slot)];
        if (row.fileForm == FileForm::Flag)
            out.flag(row.key, value != 0);
        else
            out.integer(row.key, row.fileForm == FileForm::Integer ? std::abs(value) : value);
    }
}

void writeCommonSetup(Lines& out, const Records& records)
{
    out.section(CommonSetupSection);
    std::vector<SettingRow> rows;
    for (const SettingRow& row : commonSettings())
        if (row.key) rows.push_back(row);
    std::ranges::sort(rows, {}, &SettingRow::filePosition);
    writeSettingRows(out, rows, records.settings);
}

void writeDscRows(Lines& out, std::span<const DscSettingRow> rows, const char* section,
                  const Records& records)
{
    for (const DscSettingRow& row : rows)
        if (row.key && std::string_view(row.section) == section)
            out.flag(dscKey(row), dscValue(row, records));
}

// The basic section opens with the usable groups and the User MMSI, as the
// ATIS section puts its code between its groups.
void writeDsc(Lines& out, const Records& records)
{
    const std::span<const DscSettingRow> usable = usableDscSettings();
    out.section(DscBasicSection);
    writeDscRows(out, usable, DscBasicSection, records);
    out.verbatim(UserMmsiKey, mmsiAsWritten(records.userMmsi));
    writeDscRows(out, dscSettings().subspan(usable.size()), DscBasicSection, records);
    out.section(DscAdvancedSection);
    writeDscRows(out, dscSettings(), DscAdvancedSection, records);
    out.section(DscDisplaySection);
    writeDscRows(out, dscSettings(), DscDisplaySection, records);
}

void writeAtis(Lines& out, const Records& records)
{
    out.section(AtisCommonSection);
    // The code stands between the usable groups and the killer groups.
    const std::span<const SettingRow> boxes = atisSettings();
    writeSettingRows(out, boxes.first(UsableGroupCount), records.settings);
    out.verbatim(AtisCodeKey, records.atisCode);
    writeSettingRows(out, boxes.subspan(UsableGroupCount), records.settings);
    out.section(AtisCallSignSection);
    for (int i = 0; i < CallSignCount; ++i) {
        out.value(numbered(CallSignMidKey, i + 1), records.callSigns[i].Mid);
        out.value(numbered(CallSignDispKey, i + 1), records.callSigns[i].Disp);
    }
}

void writePlanTable(Lines& out, const ChannelTable& table, const char* prefix)
{
    for (std::size_t k = 0; k < table.size(); ++k) {
        out.section(numbered(prefix, static_cast<int>(k)));
        out.integer(PositionKey, table[k].Position);
        out.record(PlanChannelKeys, table[k]);
    }
}

void writeWx(Lines& out, const ChannelTable& table)
{
    for (std::size_t idx = 0; idx < table.size(); ++idx) {
        out.section(numbered(WxPrefix, static_cast<int>(idx)));
        out.record(WxChannelKeys, table[idx]);
    }
}

void writeDirectory(Lines& out, const Directory& directory, const char* prefix,
                    const std::function<void()>& pendingEvents)
{
    for (std::size_t n = 0; n < directory.size(); ++n) {
        out.section(numbered(prefix, static_cast<int>(n + 1)));
        out.record(DirectoryKeys, directory[n]);
        if (pendingEvents) pendingEvents();
    }
}

void writeExp(Lines& out, const ChannelTable& table)
{
    for (std::size_t n = 0; n < table.size(); ++n) {
        out.section(numbered(ExpPrefix, static_cast<int>(n + 1)));
        out.record(ExpChannelKeys, table[n]);
    }
}

} // namespace

std::string ConfigFileWriter::compose(const Records& records, int model, bool hasAtis,
                                      const std::function<void()>& pendingEvents)
{
    Lines out;
    writeMain(out, model);
    writeGroupSetup(out, records);
    writeCommonSetup(out, records);
    writeDsc(out, records);
    if (hasAtis) writeAtis(out, records);
    writePlanTable(out, records.usa, UsaPrefix);
    writePlanTable(out, records.intl, IntlPrefix);
    writePlanTable(out, records.can, CanPrefix);
    writeWx(out, records.wx);
    writeDirectory(out, records.memoryId, MemoryIdPrefix, pendingEvents);
    writeDirectory(out, records.groupId, GroupIdPrefix, pendingEvents);
    writeExp(out, records.exp);
    return out.take();
}

FileOutcome ConfigFileWriter::write(const std::string& path, const Records& records,
                                    const FileContext& context)
{
    ProcessFlags& flags = context.flags;
    flags.ErrorFlag = false;
    FileError error;
    bool written = false;
    {
        const FillingScope filling(flags);
        const std::string text = compose(records, context.model, context.hasAtis, context.pendingEvents);
        written = writeFileAtomically(path, text, &error);
    }
    if (written) return FileOutcome::success();
    flags.ErrorFlag = true;
    flags.CancelFlag = true;
    context.log.write(msg::SaveFileAsSource, error.logText());
    return FileOutcome::failure(msg::FileSaveError, titleText(context.model), MessageIcon::Warning,
                                error.reasonFor(path));
}

} // namespace zmp
