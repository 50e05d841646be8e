#include "datafiletestsupport.h"

#include <gtest/gtest.h>

#include "image/dscmirror.h"
#include "image/newimage.h"
#include "image/settingstable.h"

namespace zmp::datatest {

NewConfiguration newConfiguration(int model)
{
    NewConfiguration config;
    makeNewImage(model, config.records, config.image);
    return config;
}

namespace {

bool isAtisSlot(int s)
{
    return s >= slot::UsableAtis && s < slot::AtisKiller + 4;
}

// Slots the file carries: the common settings and the DSC and ATIS flags.
bool isFileSlot(int s)
{
    for (const SettingRow& row : commonSettings())
        if (row.key && s == row.slot) return true;
    return (s >= slot::UsableDsc && s < slot::UsableDsc + 3) ||
           (s >= slot::PosRequest && s < slot::BeepOut + 8) || isAtisSlot(s);
}

// The fields every channel section holds.
void varyChannel(ChannelRecord& channel, int i)
{
    channel.Enable = !channel.Enable;
    channel.ScanMemory = !channel.ScanMemory;
    channel.ChTag = i % 4 == 0 ? "  LEAD" + std::to_string(i) : "CH/" + std::to_string(i);
}

void varyPower(ChannelRecord& channel, int i)
{
    channel.LowPower = i % 2 == 0;
    channel.PowUp = i % 3 == 0;
}

void varyPlan(ChannelRecord& channel, int i)
{
    varyChannel(channel, i);
    varyPower(channel, i);
    channel.Duplex = channel.DuplexCapable && i % 2 == 1;
    channel.TxEnable = i % 5 != 0;
    channel.DispayA = i % 7 == 0;
}

void varyExp(ChannelRecord& channel, int i)
{
    varyChannel(channel, i);
    varyPower(channel, i);
    channel.CHDisplayL = std::to_string(10 + i % 90);
    channel.CHDisplayR = i % 2 ? "A" : "";
    // The decode adds 100 to the stored digits; keep its binary noise.
    channel.Rxfreq = 100.0 + (56.0055 + 0.0125 * i);
    channel.Txfreq = i % 3 ? 100.0 + (60.6 + 0.025 * i) : 0.0;
}

void varySettings(Records& r)
{
    for (int s = 0; s < slot::Count; ++s)
        if (isFileSlot(s)) r.settings[s] = static_cast<std::int16_t>(s % 2);
    r.settings[slot::ResumeTime] = 2;
    r.settings[slot::OffsetTime] = -3;
    r.settings[slot::Weater] = 4;
    r.settings[slot::Sog] = 1;
    r.settings[slot::Distance] = 2;
    for (int f = dscslot::Advanced; f <= dscslot::PosRequestReplyMenu; ++f)
        r.dscFlags[f] = (f % 3) == 1;
    dscFlagsFromSettings(r);
    r.userMmsi = "123456789";
    r.atisCode = "9123456789";
    for (int i = 0; i < CallSignCount; ++i)
        r.callSigns[i] = {"MID" + std::to_string(i), "Boat " + std::to_string(i)};
}

void varyDirectory(Directory& directory, const std::string& stem)
{
    for (std::size_t n = 0; n < directory.size(); ++n) {
        directory[n].Enable = n % 2 == 0;
        directory[n].TagName = n % 3 ? stem + std::to_string(n) : "  " + stem;
        directory[n].Mmsid = std::to_string(100000000 + n);
    }
}

} // namespace

Records variedRecords(int model)
{
    Records r = newConfiguration(model).records;
    for (int g = 0; g < UsableGroupCount; ++g) {
        r.groups[g].Enable = g != 1;
        r.groups[g].PriorityCh = 10 * g + 1;
        r.groups[g].StatusName = "G" + std::to_string(g);
    }
    r.groups[ExpCh].PriorityCh = 241;
    r.groups[ExpCh].ExpGroupFlags = {true, false, true};
    varySettings(r);
    for (ChannelTable* table : {&r.usa, &r.intl, &r.can})
        for (std::size_t i = 0; i < table->size(); ++i)
            varyPlan((*table)[i], static_cast<int>(i));
    for (std::size_t i = 0; i < r.wx.size(); ++i)
        varyChannel(r.wx[i], static_cast<int>(i));
    for (std::size_t i = 0; i < r.exp.size(); ++i)
        varyExp(r.exp[i], static_cast<int>(i));
    varyDirectory(r.memoryId, "MEM");
    varyDirectory(r.groupId, "GRP");
    return r;
}

namespace {

void expectSameChannel(const ChannelRecord& a, const ChannelRecord& b, bool exp, const std::string& where)
{
    SCOPED_TRACE(where);
    EXPECT_EQ(a.Enable, b.Enable);
    EXPECT_EQ(a.ScanMemory, b.ScanMemory);
    EXPECT_EQ(a.ChTag, b.ChTag);
    EXPECT_EQ(a.LowPower, b.LowPower);
    EXPECT_EQ(a.PowUp, b.PowUp);
    if (exp) {
        EXPECT_EQ(a.CHDisplayL, b.CHDisplayL);
        EXPECT_EQ(a.CHDisplayR, b.CHDisplayR);
        EXPECT_NEAR(a.Rxfreq, b.Rxfreq, 1e-9);
        EXPECT_NEAR(a.Txfreq, b.Txfreq, 1e-9);
    } else {
        EXPECT_EQ(a.Position, b.Position);
        EXPECT_EQ(a.Duplex, b.Duplex);
        EXPECT_EQ(a.TxEnable, b.TxEnable);
        EXPECT_EQ(a.DispayA, b.DispayA);
    }
}

void expectSameTable(const ChannelTable& a, const ChannelTable& b, bool planFields, bool exp,
                     const char* name)
{
    ASSERT_EQ(a.size(), b.size()) << name;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const std::string where = std::string(name) + " " + std::to_string(i);
        if (planFields || exp) {
            expectSameChannel(a[i], b[i], exp, where);
        } else {
            SCOPED_TRACE(where);
            EXPECT_EQ(a[i].Enable, b[i].Enable);
            EXPECT_EQ(a[i].ScanMemory, b[i].ScanMemory);
            EXPECT_EQ(a[i].ChTag, b[i].ChTag);
        }
    }
}

void expectSameDirectory(const Directory& a, const Directory& b, const char* name)
{
    ASSERT_EQ(a.size(), b.size()) << name;
    for (std::size_t n = 0; n < a.size(); ++n) {
        SCOPED_TRACE(std::string(name) + " " + std::to_string(n + 1));
        EXPECT_EQ(a[n].Enable, b[n].Enable);
        EXPECT_EQ(a[n].TagName, b[n].TagName);
        EXPECT_EQ(a[n].Mmsid, b[n].Mmsid);
    }
}

} // namespace

void expectSameFileFields(const Records& a, const Records& b, bool withAtis)
{
    for (int g = 0; g < UsableGroupCount; ++g) {
        SCOPED_TRACE("group " + std::to_string(g));
        EXPECT_EQ(a.groups[g].Enable, b.groups[g].Enable);
        EXPECT_EQ(a.groups[g].PriorityCh, b.groups[g].PriorityCh);
        EXPECT_EQ(a.groups[g].StatusName, b.groups[g].StatusName);
    }
    EXPECT_EQ(a.groups[ExpCh].ExpGroupFlags, b.groups[ExpCh].ExpGroupFlags);
    for (int s = 0; s < slot::Count; ++s)
        if (isFileSlot(s) && (withAtis || !isAtisSlot(s))) {
            EXPECT_EQ(a.settings[s], b.settings[s]) << "slot " << s;
        }
    for (int f = 0; f < dscslot::Count; ++f)
        if (f >= dscslot::Advanced && f <= dscslot::PosRequestReplyMenu) {
            EXPECT_EQ(a.dscFlags[f], b.dscFlags[f]) << "DSC flag " << f;
        }
    EXPECT_EQ(a.userMmsi, b.userMmsi);
    if (withAtis) {
        EXPECT_EQ(a.atisCode, b.atisCode);
        for (int i = 0; i < CallSignCount; ++i) {
            EXPECT_EQ(a.callSigns[i].Mid, b.callSigns[i].Mid);
            EXPECT_EQ(a.callSigns[i].Disp, b.callSigns[i].Disp);
        }
    }
    expectSameTable(a.usa, b.usa, true, false, "USA");
    expectSameTable(a.intl, b.intl, true, false, "INT");
    expectSameTable(a.can, b.can, true, false, "CAN");
    expectSameTable(a.wx, b.wx, false, false, "WX");
    expectSameTable(a.exp, b.exp, false, true, "EXP");
    expectSameDirectory(a.memoryId, b.memoryId, "Memory ID");
    expectSameDirectory(a.groupId, b.groupId, "Group ID");
}

} // namespace zmp::datatest
