#include "history/recordsequal.h"

#include <algorithm>
#include <tuple>

namespace zmp {

namespace {

auto fields(const ChannelRecord& r)
{
    return std::tie(r.Position, r.Enable, r.LowPower, r.PowUp, r.Duplex, r.DuplexCapable, r.TxEnable, r.DispayA,
                    r.ScanMemory, r.ChTag, r.Scramble, r.ReceiveOnly, r.CHDisplayL, r.CHDisplayR, r.Txfreq, r.Rxfreq);
}

auto fields(const UsableGroup& g)
{
    return std::tie(g.Enable, g.PriorityCh, g.StatusName, g.ExpGroupFlags);
}

auto fields(const AutoPosSettings& a)
{
    return std::tie(a.Enable, a.Channel, a.Interval, a.Mmsi, a.MarineEnable, a.SelectCall, a.LastAddress,
                    a.MenuDisplay, a.RcEnable);
}

auto fields(const DirectoryEntry& e)
{
    return std::tie(e.Enable, e.TagName, e.Mmsid, e.MemberFlags);
}

auto fields(const AtisCallSign& c)
{
    return std::tie(c.Mid, c.Disp);
}

template <class Range>
bool sameRange(const Range& a, const Range& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const auto& x, const auto& y) { return fields(x) == fields(y); });
}

} // namespace

bool recordsEqual(const Records& a, const Records& b)
{
    return a.settings == b.settings && a.dscFlags == b.dscFlags && a.distressCancelCall == b.distressCancelCall &&
           a.userMmsi == b.userMmsi && a.atisCode == b.atisCode && fields(a.autoPos) == fields(b.autoPos) &&
           sameRange(a.groups, b.groups) && sameRange(a.usa, b.usa) && sameRange(a.intl, b.intl) &&
           sameRange(a.can, b.can) && sameRange(a.wx, b.wx) && sameRange(a.exp, b.exp) &&
           sameRange(a.memoryId, b.memoryId) && sameRange(a.groupId, b.groupId) &&
           sameRange(a.callSigns, b.callSigns);
}

} // namespace zmp
