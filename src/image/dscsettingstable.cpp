#include "image/dscsettingstable.h"

#include <array>

#include "image/imagemap.h"

namespace zmp {

namespace {

constexpr int UsableRows = UsableGroupCount;
constexpr int CallRows = 4;
constexpr int BeepOutRows = 8;
constexpr int ImageBeepRows = dscslot::ReceivedPosReporting + 1;
constexpr int DisplayRows = 3;
constexpr int RowCount = UsableRows + 2 * CallRows + BeepOutRows + 1 + ImageBeepRows +
                         2 * CallKindCount * CategoryCount + DisplayRows;

// The EXP group's usable flag is held by the image only.
constexpr std::array<const char*, UsableGroupCount> UsableCaptions{"Group1", "Group2", "Group3", "EXP"};

constexpr std::array<const char*, CallRows> CallCaptions{"Distress Cancel Call", "Standby Mode",
                                                         "POS Request", "POS Reporting"};
constexpr std::array<const char*, CallRows> CallReportCaptions{
    "Distress Cancel Call:", "Stanby Mode:", "POS Request:", "POS Reporting:"};
constexpr int FirstPrintedPower = 2;

constexpr std::array<const char*, BeepOutRows> BeepCaptions{
    "Send Distress Alert", "Received All Ships",   "Received Individual",    "Received Group",
    "Received Geographic", "Received POS Request", "Received POS Reporting", "POS Reporting"};
// The text report prints the image's beeps with the spelling it always had.
constexpr std::array<const char*, ImageBeepRows> ImageBeepCaptions{
    "Send Distress Alert:", "Received All Ships:",   "Received Individual:",   "Received Group:",
    "Received Geografic:",  "Received POS Request:", "Received POS Reporting:"};
constexpr std::array<int, ImageBeepRows> BeepBytes{0,
                                                   address::ReceivedAllShips,
                                                   address::ReceivedIndividual,
                                                   address::ReceivedGroup,
                                                   address::ReceivedGeografic,
                                                   address::ReceivedPosRequest,
                                                   address::ReceivedPosReporting};
constexpr int SendDistressAlertBit = 7;
constexpr int DistressCancelBit = 6;

// A call kind's .dat key and report title, its page frame, and the name
// its lists are numbered from.
struct CallKind {
    const char* key;
    const char* frame;
    const char* control;
};
constexpr std::array<CallKind, CallKindCount> CallKinds{
    {{"All Ships Call", "ALL Ships Call", "cmbUsableDscAllShipsCall"},
     {"Group Call", "Group Call", "cmbUsableDscGroupCall"},
     {"Individual Call", "Individual Call", "cmbUsableDscIndividualCall"},
     {"PositionRequest Call", "Position Request Call", "cmbUsablePosReqCall"},
     {"PositionReport Call", "Position Report Call", "cmbUsablePosRepCall"},
     {"Test Call", "Test Call", "cmbUsableTestCall"}}};
constexpr std::array<const char*, CategoryCount> Categories{"Distress", "Urgency", "Safety", "Routine"};
constexpr std::array<const char*, CategoryCount> CategoryReportCaptions{
    "Distress:", "Urgency:", "Safty:", "Routine:"};
constexpr int ReceiveHighBit = 7;
constexpr int TransmitHighBit = 3;

constexpr std::array<const char*, DisplayRows> DisplayKeys{"Individual Reply Menu", "Individual ACK Menu",
                                                           "POS Request Reply Menu"};
constexpr std::array<const char*, DisplayRows> DisplayReportCaptions{
    "Individual Reply Menu:", "Individual ACK Menu:", "POS Request Reply Menu:"};
constexpr std::array<int, DisplayRows> DisplaySlots{dscslot::IndividualReplyMenu, dscslot::IndividualAckMenu,
                                                    dscslot::PosRequestReplyMenu};
constexpr std::array<int, DisplayRows> DisplayBits{4, 3, 2};

constexpr std::size_t at(int index)
{
    return static_cast<std::size_t>(index);
}

// Filled at compile time: a row too many, or one too few, does not compile.
class RowList {
  public:
    constexpr void add(const DscSettingRow& row) { rows_.at(count_++) = row; }
    constexpr std::array<DscSettingRow, RowCount> rows() const
    {
        if (count_ != rows_.size()) throw "the row count is not the number of rows added";
        return rows_;
    }

  private:
    std::array<DscSettingRow, RowCount> rows_{};
    std::size_t count_ = 0;
};

constexpr void addUsable(RowList& list)
{
    for (int g = 0; g < UsableGroupCount; ++g) {
        DscSettingRow row{DscStore::Setting, slot::UsableDsc + g, ImageForm::FlagByte,
                          address::GroupBase + address::GroupStride * g + address::GroupDscOffset};
        row.section = DscBasicSection;
        row.key = g < ExpCh ? GroupKeys[at(g)] : nullptr;
        row.number = g;
        row.frame = UsableDscFrame;
        row.caption = UsableCaptions[at(g)];
        row.control = "cmbUsableDsc";
        list.add(row);
    }
}

constexpr DscSettingRow basicRow(int slot, int number, const char* key, const char* control)
{
    DscSettingRow row{DscStore::Setting, slot};
    row.section = DscBasicSection;
    row.key = key;
    row.numberedKey = true;
    row.number = number;
    row.control = control;
    return row;
}

constexpr void addCalls(RowList& list)
{
    for (int i = 0; i < CallRows; ++i) {
        DscSettingRow call = basicRow(slot::PosRequest + i, i, "PosRequest", "cmbUsableDscPosRequest");
        call.mirror = i == 0 ? dscslot::DistressCancelCall : -1;
        call.reportCaption = CallReportCaptions[at(i)];
        call.caption = CallCaptions[at(i)];
        list.add(call);
        DscSettingRow power = call;
        power.slot = slot::PosRequestTx + i;
        power.power = true;
        power.mirror = -1;
        power.reportCaption = i >= FirstPrintedPower ? "" : nullptr;
        list.add(power);
    }
}

constexpr void addBeepOut(RowList& list)
{
    for (int i = 0; i < BeepOutRows; ++i) {
        DscSettingRow row = basicRow(slot::BeepOut + i, i, "BeepOut", "cmbUsableDscBeepOut");
        row.mirror = i < ImageBeepRows ? i : -1;
        row.reportTitle = BeepFrame;
        row.reportCaption = i < ImageBeepRows ? (i == dscslot::ReceivedGeografic ? "Received Geographic:"
                                                                                 : ImageBeepCaptions[at(i)])
                                              : nullptr;
        row.frame = BeepFrame;
        row.caption = BeepCaptions[at(i)];
        list.add(row);
    }
}

constexpr DscSettingRow imageFlag(int slot, ImageForm form, int address, int bit, const char* reportCaption)
{
    DscSettingRow row{DscStore::Flag, slot, form, address, bit, DscBasicSection};
    row.reportCaption = reportCaption;
    return row;
}

constexpr void addImageBeeps(RowList& list)
{
    list.add(imageFlag(dscslot::DistressCancelCall, ImageForm::Bit, address::DscFlagByte, DistressCancelBit,
                       "Distress Cancel Call:"));
    for (int i = 0; i < ImageBeepRows; ++i) {
        DscSettingRow row =
            i == dscslot::SendDistressAlert
                ? imageFlag(i, ImageForm::Bit, address::DscFlagByte, SendDistressAlertBit,
                            ImageBeepCaptions[at(i)])
                : imageFlag(i, ImageForm::FlagByte, BeepBytes[at(i)], 0, ImageBeepCaptions[at(i)]);
        row.reportTitle = BeepFrame;
        list.add(row);
    }
}

constexpr void addAdvanced(RowList& list)
{
    for (int kind = 0; kind < CallKindCount; ++kind) {
        const CallKind& call = CallKinds[at(kind)];
        for (int k = 0; k < CategoryCount; ++k) {
            DscSettingRow receive{DscStore::Flag,
                                  dscslot::receive(kind, k),
                                  ImageForm::Bit,
                                  address::AdvancedCalls + kind,
                                  ReceiveHighBit - k,
                                  DscAdvancedSection,
                                  call.key,
                                  true,
                                  k};
            receive.reportTitle = call.key;
            receive.reportCaption = CategoryReportCaptions[at(k)];
            receive.frame = call.frame;
            receive.caption = Categories[at(k)];
            receive.control = call.control;
            list.add(receive);
            DscSettingRow transmit = receive;
            transmit.slot = dscslot::transmit(kind, k);
            transmit.bit = TransmitHighBit - k;
            transmit.power = true;
            transmit.reportCaption = "";
            list.add(transmit);
        }
    }
}

constexpr void addDisplay(RowList& list)
{
    for (int i = 0; i < DisplayRows; ++i) {
        DscSettingRow row{DscStore::Flag,     DisplaySlots[at(i)], ImageForm::Bit,    address::DscFlagByte,
                          DisplayBits[at(i)], DscDisplaySection,   DisplayKeys[at(i)]};
        row.number = i;
        row.reportCaption = DisplayReportCaptions[at(i)];
        row.frame = DisplayFrame;
        row.caption = DisplayKeys[at(i)];
        row.control = "cmbDscDisplay";
        list.add(row);
    }
}

constexpr std::array<DscSettingRow, RowCount> buildRows()
{
    RowList list;
    addUsable(list);
    addCalls(list);
    addBeepOut(list);
    addImageBeeps(list);
    addAdvanced(list);
    addDisplay(list);
    return list.rows();
}

constexpr std::array<DscSettingRow, RowCount> Rows = buildRows();

} // namespace

std::span<const DscSettingRow> dscSettings()
{
    return Rows;
}

std::span<const DscSettingRow> usableDscSettings()
{
    return dscSettings().first(UsableRows);
}

bool isSentToRadio(const DscSettingRow& row)
{
    return row.imageForm != ImageForm::None || row.mirror >= 0;
}

bool dscValue(const DscSettingRow& row, const Records& records)
{
    if (row.store == DscStore::Flag) return records.dscFlags[at(row.slot)];
    return records.settings[at(row.slot)] != 0;
}

void setDscValue(const DscSettingRow& row, Records& records, bool value)
{
    if (row.store == DscStore::Flag)
        records.dscFlags[at(row.slot)] = value;
    else
        records.settings[at(row.slot)] = value ? 1 : 0;
}

std::string dscKey(const DscSettingRow& row)
{
    std::string key = row.key;
    if (row.power) key += "TX";
    return row.numberedKey ? key + std::to_string(row.number) : key;
}

std::string dscControl(const DscSettingRow& row)
{
    return std::string(row.control) + (row.power ? "TX_" : "_") + std::to_string(row.number);
}

std::string dscPlaceCaption(const DscSettingRow& row)
{
    const std::string frame = row.frame;
    return (frame.empty() ? "" : frame + ": ") + row.caption + (row.power ? " TX" : "");
}

void decodeDscSetting(const DscSettingRow& row, const MemoryImage& image, Records& records)
{
    if (row.imageForm == ImageForm::None) return;
    setDscValue(row, records, decodeImageValue(row.imageForm, row.address, row.bit, image) != 0);
}

void encodeDscSetting(const DscSettingRow& row, MemoryImage& image, const Records& records)
{
    encodeImageValue(row.imageForm, row.address, row.bit, image, dscValue(row, records) ? 1 : 0);
}

} // namespace zmp
