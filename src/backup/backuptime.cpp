#include "backup/backuptime.h"

#include <cstdio>

namespace zmp {

namespace {

struct Civil {
    int year;
    unsigned month, day;
    long hours, minutes, seconds;
};

Civil civilOf(BackupTime::TimePoint time)
{
    using namespace std::chrono;
    const auto seconds = floor<std::chrono::seconds>(time);
    const auto dayStart = floor<days>(seconds);
    const year_month_day date(dayStart);
    const hh_mm_ss clock(seconds - dayStart);
    return {static_cast<int>(date.year()),
            static_cast<unsigned>(date.month()),
            static_cast<unsigned>(date.day()),
            static_cast<long>(clock.hours().count()),
            static_cast<long>(clock.minutes().count()),
            static_cast<long>(clock.seconds().count())};
}

} // namespace

std::string BackupTime::indexText(TimePoint time)
{
    const Civil c = civilOf(time);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02ld:%02ld:%02ldZ", c.year, c.month, c.day, c.hours,
                  c.minutes, c.seconds);
    return text;
}

std::string BackupTime::fileText(TimePoint time)
{
    const Civil c = civilOf(time);
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02u%02u-%02ld%02ld%02ld", c.year, c.month, c.day, c.hours,
                  c.minutes, c.seconds);
    return text;
}

std::optional<BackupTime::TimePoint> BackupTime::parse(const std::string& text)
{
    using namespace std::chrono;
    int y = 0;
    unsigned mo = 0, d = 0, h = 0, mi = 0, s = 0;
    char zone = 0;
    if (text.size() != 20 ||
        std::sscanf(text.c_str(), "%4d-%2u-%2uT%2u:%2u:%2u%c", &y, &mo, &d, &h, &mi, &s, &zone) != 7 ||
        zone != 'Z')
        return std::nullopt;
    const year_month_day date{year(y), month(mo), day(d)};
    if (!date.ok() || h > 23 || mi > 59 || s > 60) return std::nullopt;
    return sys_days(date) + hours(h) + minutes(mi) + seconds(s);
}

} // namespace zmp
