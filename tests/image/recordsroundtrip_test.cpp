#include <gtest/gtest.h>

#include <random>

#include "image/imagecodec.h"
#include "model/models.h"

namespace zmp {
namespace {

// Builds records in the form a decode produces (canonical texts, digit
// strings and frequencies), so that encode followed by decode must give
// every field the image holds back unchanged.
class RecordGenerator {
  public:
    explicit RecordGenerator(unsigned seed) : random_(seed) {}

    Records records()
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

  private:
    bool coin() { return number(0, 1) == 1; }
    int number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    std::string text(int maxLength)
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

    std::string digits(int count)
    {
        std::string d;
        for (int i = 0; i < count; ++i)
            d += static_cast<char>('0' + number(0, 9));
        return d;
    }

    std::string mmsi()
    {
        // A ninth digit is always followed by the forced tenth digit 0.
        const int length = number(1, 9);
        return length < 9 ? digits(length) : digits(9) + "0";
    }

    char displayCharacter()
    {
        static const std::string allowed = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz ";
        return allowed[static_cast<std::size_t>(number(0, int(allowed.size()) - 1))];
    }

    double frequency() { return coin() ? 0.0 : (1000001 + number(0, 999998)) / 10000.0; }

    void fillCommon(ChannelRecord& c)
    {
        c.Enable = coin();
        c.ScanMemory = coin();
        c.ChTag = text(16);
    }

    void fillTransmit(ChannelRecord& c)
    {
        c.TxEnable = coin();
        c.LowPower = c.TxEnable && coin();
        c.PowUp = coin();
    }

    void fillPlanTable(ChannelTable& table)
    {
        for (auto& c : table) {
            fillCommon(c);
            fillTransmit(c);
            c.DuplexCapable = true;
            c.Duplex = coin();
            c.Scramble = static_cast<std::int16_t>(number(0, 7));
        }
    }

    void fillExp(ChannelRecord& c)
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

    void fillSettings(Records& r)
    {
        for (int s : {slot::Scan, slot::PttScanClear, slot::DualWatch, slot::TimeDisplay, slot::Format})
            r.settings[static_cast<std::size_t>(s)] = static_cast<std::int16_t>(number(0, 1));
        for (int s : {slot::ResumeTime, slot::Weater, slot::Sog, slot::Distance})
            r.settings[static_cast<std::size_t>(s)] = static_cast<std::int16_t>(number(0, 255));
        r.settings[slot::OffsetTime] = static_cast<std::int16_t>(number(-24, 24));
        for (int g = 0; g < 4; ++g)
            r.settings[static_cast<std::size_t>(slot::UsableDsc + g)] =
                static_cast<std::int16_t>(number(0, 1));
        for (int s = 0; s < 56; ++s)
            if (s != 7) r.dscFlags[static_cast<std::size_t>(s)] = coin();
        for (int s = 56; s < 59; ++s)
            r.dscFlags[static_cast<std::size_t>(s)] = coin();
        r.distressCancelCall = coin();
        r.userMmsi = coin() ? mmsi() : "";
        r.atisCode = coin() ? digits(number(1, 10)) : "";
        r.autoPos = {coin(),
                     number(0, 0x7FFF),
                     number(0, 255),
                     mmsi(),
                     number(0, 255),
                     number(0, 2),
                     number(0, 255),
                     0,
                     0};
    }

    void fillDirectory(Directory& directory)
    {
        const int used = number(0, int(directory.size()));
        for (int i = 0; i < used; ++i) {
            auto& e = directory[static_cast<std::size_t>(i)];
            e.Enable = true;
            e.Mmsid = mmsi();
            e.TagName = text(11);
        }
    }

    std::mt19937 random_;
};

void expectSameChannel(const ChannelRecord& a, const ChannelRecord& b, bool plan, bool exp)
{
    EXPECT_EQ(a.Enable, b.Enable);
    EXPECT_EQ(a.ScanMemory, b.ScanMemory);
    EXPECT_EQ(a.ChTag, b.ChTag);
    if (!plan && !exp) return;
    EXPECT_EQ(a.TxEnable, b.TxEnable);
    EXPECT_EQ(a.LowPower, b.LowPower);
    EXPECT_EQ(a.PowUp, b.PowUp);
    EXPECT_EQ(a.Scramble, b.Scramble);
    if (plan) {
        EXPECT_EQ(a.Duplex, b.Duplex);
    }
    if (!exp) return;
    EXPECT_EQ(a.CHDisplayL, b.CHDisplayL);
    EXPECT_EQ(a.CHDisplayR, b.CHDisplayR);
    EXPECT_DOUBLE_EQ(a.Rxfreq, b.Rxfreq);
    EXPECT_DOUBLE_EQ(a.Txfreq, b.Txfreq);
}

void expectSameTable(const ChannelTable& a, const ChannelTable& b, bool plan, bool exp)
{
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        SCOPED_TRACE(i);
        expectSameChannel(a[i], b[i], plan, exp);
    }
}

void expectSameDirectory(const Directory& a, const Directory& b)
{
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].Enable, b[i].Enable) << i;
        EXPECT_EQ(a[i].Mmsid, b[i].Mmsid) << i;
        EXPECT_EQ(a[i].TagName, b[i].TagName) << i;
    }
}

void expectSameSettings(const Records& a, const Records& b)
{
    for (int s : {5, 6, 7, 8, 9, 10, 11, 13, 15, 16, 18, 19, 20, 21})
        EXPECT_EQ(a.settings[static_cast<std::size_t>(s)], b.settings[static_cast<std::size_t>(s)])
            << "slot " << s;
    for (int s = 0; s < 59; ++s)
        if (s != 7) {
            EXPECT_EQ(a.dscFlags[static_cast<std::size_t>(s)], b.dscFlags[static_cast<std::size_t>(s)])
                << "dsc " << s;
        }
    EXPECT_EQ(a.distressCancelCall, b.distressCancelCall);
    EXPECT_EQ(a.userMmsi, b.userMmsi);
    EXPECT_EQ(a.atisCode, b.atisCode);
    EXPECT_EQ(a.autoPos.Enable, b.autoPos.Enable);
    EXPECT_EQ(a.autoPos.Channel, b.autoPos.Channel);
    EXPECT_EQ(a.autoPos.Interval, b.autoPos.Interval);
    EXPECT_EQ(a.autoPos.Mmsi, b.autoPos.Mmsi);
    EXPECT_EQ(a.autoPos.MarineEnable, b.autoPos.MarineEnable);
    EXPECT_EQ(a.autoPos.SelectCall, b.autoPos.SelectCall);
    if (a.autoPos.SelectCall < 2) {
        EXPECT_EQ(a.autoPos.LastAddress, b.autoPos.LastAddress);
    }
}

class RecordsRoundTrip : public ::testing::TestWithParam<unsigned> {};

TEST_P(RecordsRoundTrip, DecodeGivesBackEveryFieldTheImageHolds)
{
    RecordGenerator generator(GetParam());
    Records written = generator.records();
    MemoryImage image;
    std::mt19937 background(GetParam());
    for (auto& b : image.bytes)
        b = static_cast<std::uint8_t>(background());
    ImageCodec::encode(written, ModelMr4400M, image);
    Records read;
    ImageCodec::decode(image, read);
    for (int g = 0; g < UsableGroupCount; ++g) {
        const auto& w = written.groups[static_cast<std::size_t>(g)];
        const auto& r = read.groups[static_cast<std::size_t>(g)];
        EXPECT_EQ(w.Enable, r.Enable) << g;
        EXPECT_EQ(w.StatusName, r.StatusName) << g;
        if (g < 3) {
            EXPECT_EQ(w.PriorityCh, r.PriorityCh) << g;
        }
    }
    EXPECT_EQ(written.groups[ExpCh].ExpGroupFlags, read.groups[ExpCh].ExpGroupFlags);
    expectSameSettings(written, read);
    expectSameTable(written.usa, read.usa, true, false);
    expectSameTable(written.intl, read.intl, true, false);
    expectSameTable(written.can, read.can, true, false);
    expectSameTable(written.wx, read.wx, false, false);
    expectSameTable(written.exp, read.exp, false, true);
    expectSameDirectory(written.memoryId, read.memoryId);
    expectSameDirectory(written.groupId, read.groupId);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RecordsRoundTrip, ::testing::Values(7u, 8u, 9u, 1130u));

} // namespace
} // namespace zmp
