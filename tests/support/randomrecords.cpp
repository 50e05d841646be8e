#include "support/randomrecords.h"

#include "image/dscsettingstable.h"
#include "image/fieldcodec.h"

namespace zmp::test {

Records RandomRecords::records()
{
    Records r;
    for (auto& g : r.groups) {
        g.Enable = coin();
        g.PriorityCh = number(0, 0xFFFF);
        g.StatusName = text(4);
    }
    r.groups[ExpCh].ExpGroupFlags = {coin(), coin(), coin()};
    for (ChannelTable* t : {&r.usa, &r.intl, &r.can})
        fillPlanTable(*t);
    for (auto& c : r.wx)
        fillCommon(c);
    for (auto& c : r.exp)
        fillExp(c);
    fillSettings(r);
    fillDirectory(r.memoryId);
    fillDirectory(r.groupId);
    return r;
}

std::string RandomRecords::text(int maxLength)
{
    static const std::string allowed =
        "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-+().*/, ";
    std::string t;
    const int length = number(0, maxLength);
    for (int i = 0; i < length; ++i)
        t += allowed[static_cast<std::size_t>(number(0, int(allowed.size()) - 1))];
    t.erase(t.find_last_not_of(' ') + 1);
    return t;
}

std::string RandomRecords::digits(int count)
{
    std::string d;
    for (int i = 0; i < count; ++i)
        d += static_cast<char>('0' + number(0, 9));
    return d;
}

std::string RandomRecords::mmsi()
{
    // A ninth digit is always followed by the forced tenth digit 0.
    const int length = number(1, 9);
    return length < 9 ? digits(length) : digits(9) + "0";
}

char RandomRecords::displayCharacter()
{
    static const std::string allowed = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz ";
    return allowed[static_cast<std::size_t>(number(0, int(allowed.size()) - 1))];
}

void RandomRecords::fillCommon(ChannelRecord& c)
{
    c.Enable = coin();
    c.ScanMemory = coin();
    c.ChTag = text(16);
}

void RandomRecords::fillTransmit(ChannelRecord& c)
{
    c.TxEnable = coin();
    c.LowPower = c.TxEnable && coin();
    c.PowUp = coin();
}

void RandomRecords::fillPlanTable(ChannelTable& table)
{
    for (auto& c : table) {
        fillCommon(c);
        fillTransmit(c);
        c.DuplexCapable = true;
        c.Duplex = coin();
        c.Scramble = static_cast<std::int16_t>(number(0, 7));
    }
}

void RandomRecords::fillExp(ChannelRecord& c)
{
    fillCommon(c);
    fillTransmit(c);
    c.Scramble = static_cast<std::int16_t>(number(0, 31));
    c.CHDisplayL = {displayCharacter(), displayCharacter()};
    if (c.CHDisplayL == "  ") c.CHDisplayL = "0 ";
    c.CHDisplayR = coin() ? std::string(1, displayCharacter()) : std::string();
    c.Rxfreq = frequency();
    c.Txfreq = frequency();
}

void RandomRecords::fillSettings(Records& r)
{
    for (const SettingRow& row : commonSettings())
        r.settings[static_cast<std::size_t>(row.slot)] = static_cast<std::int16_t>(settingValue(row));
    for (const DscSettingRow& row : dscSettings())
        setDscValue(row, r, coin());
    r.userMmsi = coin() ? mmsi() : "";
    r.atisCode = coin() ? digits(number(1, 10)) : "";
    r.autoPos = {
        coin(), number(0, 0x7FFF), number(0, 255), mmsi(), number(0, 255), number(0, 2), number(0, 255), 0,
        0};
}

// Any value the image can hold for the setting; 0 for one it holds nowhere.
int RandomRecords::settingValue(const SettingRow& row)
{
    switch (row.imageForm) {
    case ImageForm::FlagByte:
    case ImageForm::Bit:
        return number(0, 1);
    case ImageForm::Byte:
        return number(0, 255);
    case ImageForm::HalfHourOffset:
        return number(-MaxHalfHourOffset, MaxHalfHourOffset);
    case ImageForm::None:
        break;
    }
    return 0;
}

void RandomRecords::fillDirectory(Directory& directory)
{
    const int used = number(0, int(directory.size()));
    for (int i = 0; i < used; ++i) {
        auto& e = directory[static_cast<std::size_t>(i)];
        e.Enable = true;
        e.Mmsid = mmsi();
        e.TagName = text(11);
    }
}

} // namespace zmp::test
