#include "editor/shell/schedule_text.h"

#include <array>

namespace orv::editor {

namespace {

constexpr std::array<const char*, 12> MonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
constexpr std::array<const char*, 7> WeekdayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                     "Thursday", "Friday", "Saturday"};

// A damaged record may hold a month or weekday past the names: it reads as
// its number rather than as a name from beyond the table.
template <std::size_t N>
std::string NameOr(const std::array<const char*, N>& names, int oneBased) {
    if (oneBased >= 1 && oneBased <= static_cast<int>(N))
        return names[oneBased - 1];
    return std::to_string(oneBased);
}

std::string TimeText(const MacroRecord& m) {
    std::string minute = std::to_string(m.Minute);
    if (minute.size() < 2)
        minute.insert(0, 1, '0');
    return std::to_string(m.Hour) + ":" + minute + (m.Pm ? "PM" : "AM");
}

std::string DaysText(const MacroRecord& m) {
    // Stored Monday first, shown Sunday first.
    constexpr std::array<const char*, 7> shortNames = {",Mon", ",Tue", ",Wed", ",Thu",
                                                       ",Fri", ",Sat", ",Sun"};
    std::string text;
    for (int shown = 0; shown < 7; ++shown) {
        int stored = (shown + 6) % 7;
        if (m.DayFlags[stored])
            text += shortNames[stored];
    }
    return text;
}

}  // namespace

std::string GetSched(const MacroRecord& m) {
    switch (m.ScheduleKind) {
        case 0:
            return "At Startup";
        case 1:
            return "Once at " + TimeText(m) + " on " + std::to_string(m.Day) + " " +
                   NameOr(MonthNames, m.Month) + " " + std::to_string(m.Year);
        case 2:
            return "Hourly at " + std::to_string(m.MinutePastHour) + " minutes past the hour";
        case 3:
            return "Daily at " + TimeText(m) + DaysText(m);
        case 4:
            return "Weekly at " + TimeText(m) + " on " + NameOr(WeekdayNames, m.Weekday);
        case 5:
            return "Monthly at " + TimeText(m) + " on day " + std::to_string(m.Day) +
                   " of each month";
        case 6:
            return "every " + std::to_string(m.Minutes) + " minutes";
        case 7:
            return "after " + std::to_string(m.Minutes) + " minutes of idle time";
        default:
            return "";
    }
}

}  // namespace orv::editor
