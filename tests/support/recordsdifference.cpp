#include "support/recordsdifference.h"

#include <sstream>

namespace zmp::test {

namespace {

std::string describe(const ChannelRecord& c)
{
    std::ostringstream out;
    out << "{Position " << c.Position << ", Enable " << c.Enable << ", LowPower " << c.LowPower << ", PowUp "
        << c.PowUp << ", Duplex " << c.Duplex << ", DuplexCapable " << c.DuplexCapable << ", TxEnable "
        << c.TxEnable << ", DispayA " << c.DispayA << ", ScanMemory " << c.ScanMemory << ", ChTag \""
        << c.ChTag << "\", Scramble " << c.Scramble << ", ReceiveOnly " << c.ReceiveOnly << ", CHDisplayL \""
        << c.CHDisplayL << "\", CHDisplayR \"" << c.CHDisplayR << "\", Txfreq " << c.Txfreq << ", Rxfreq "
        << c.Rxfreq << "}";
    return out.str();
}

std::string describe(const UsableGroup& g)
{
    std::ostringstream out;
    out << "{Enable " << g.Enable << ", PriorityCh " << g.PriorityCh << ", StatusName \"" << g.StatusName
        << "\", ExpGroupFlags " << g.ExpGroupFlags[0] << g.ExpGroupFlags[1] << g.ExpGroupFlags[2] << "}";
    return out.str();
}

std::string describe(const DirectoryEntry& e)
{
    std::ostringstream out;
    out << "{Enable " << e.Enable << ", TagName \"" << e.TagName << "\", Mmsid \"" << e.Mmsid
        << "\", MemberFlags ";
    for (const bool member : e.MemberFlags)
        out << member;
    out << "}";
    return out.str();
}

std::string describe(const AtisCallSign& c)
{
    return "{Mid \"" + c.Mid + "\", Disp \"" + c.Disp + "\"}";
}

std::string describe(const AutoPosSettings& a)
{
    std::ostringstream out;
    out << "{Enable " << a.Enable << ", Channel " << a.Channel << ", Interval " << a.Interval << ", Mmsi \""
        << a.Mmsi << "\", MarineEnable " << a.MarineEnable << ", SelectCall " << a.SelectCall
        << ", LastAddress " << a.LastAddress << ", MenuDisplay " << a.MenuDisplay << ", RcEnable "
        << a.RcEnable << "}";
    return out.str();
}

template <class T>
std::string describe(const T& value)
{
    std::ostringstream out;
    out << value;
    return out.str();
}

class DifferenceList {
  public:
    template <class T>
    void compare(const std::string& name, const T& expected, const T& actual)
    {
        if (!(expected == actual))
            out_ << name << ": expected " << describe(expected) << ", got " << describe(actual) << "\n";
    }

    template <class Range>
    void compareEach(const std::string& name, const Range& expected, const Range& actual)
    {
        if (expected.size() != actual.size()) {
            out_ << name << ": expected " << expected.size() << " entries, got " << actual.size() << "\n";
            return;
        }
        for (std::size_t i = 0; i < expected.size(); ++i)
            compare(name + "[" + std::to_string(i) + "]", expected[i], actual[i]);
    }

    std::string text() const { return out_.str(); }

  private:
    std::ostringstream out_;
};

} // namespace

std::string recordsDifference(const Records& expected, const Records& actual)
{
    DifferenceList list;
    list.compareEach("groups", expected.groups, actual.groups);
    list.compareEach("usa", expected.usa, actual.usa);
    list.compareEach("intl", expected.intl, actual.intl);
    list.compareEach("can", expected.can, actual.can);
    list.compareEach("wx", expected.wx, actual.wx);
    list.compareEach("exp", expected.exp, actual.exp);
    list.compareEach("settings", expected.settings, actual.settings);
    list.compareEach("dscFlags", expected.dscFlags, actual.dscFlags);
    list.compare("autoPos", expected.autoPos, actual.autoPos);
    list.compareEach("memoryId", expected.memoryId, actual.memoryId);
    list.compareEach("groupId", expected.groupId, actual.groupId);
    list.compare("userMmsi", expected.userMmsi, actual.userMmsi);
    list.compare("atisCode", expected.atisCode, actual.atisCode);
    list.compareEach("callSigns", expected.callSigns, actual.callSigns);
    return list.text();
}

::testing::AssertionResult sameRecords(const Records& expected, const Records& actual)
{
    if (expected == actual) return ::testing::AssertionSuccess();
    const std::string difference = recordsDifference(expected, actual);
    // A member the list above does not name yet differs: say so rather than nothing.
    return ::testing::AssertionFailure()
           << (difference.empty() ? "the records differ in a member the difference list does not show\n"
                                  : difference);
}

} // namespace zmp::test
