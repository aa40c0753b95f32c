// The schedule of a timed macro as its dialogs enter it: the check of the
// typed values, their storing into the macro record, and the default schedule
// a new macro starts with.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "common/date_time.h"
#include "common/macro_record.h"

namespace orv {

enum class ScheduleKind { Startup = 0, Once, Hourly, Daily, Weekly, Monthly, Other, Idle };

// The values of the schedule controls of the chosen kind, as typed.
struct ScheduleEntry {
    ScheduleKind Kind = ScheduleKind::Daily;
    std::array<bool, 7> Days{};  // Monday .. Sunday
    std::string Hour, Minute;
    bool Pm = false;
    std::string Year;
    int MonthIndex = 0;  // 0 January
    std::string Day;
    int WeekdayIndex = 0;  // 0 Sunday
    std::string Minutes;   // past the hour, every n (Other) or idle
};

// The control a refusal puts the focus on.
enum class ScheduleField { Hour, Minute, Year, Month, Day, Minutes };

struct ScheduleRefusal {
    std::string Message;
    ScheduleField Focus;
};

// The first value of the entry that may not be stored; now decides whether
// a single run lies in the past (to the minute: the current one still runs).
std::optional<ScheduleRefusal> CheckSchedule(const ScheduleEntry& entry, const DateTimeParts& now);

// A single run at the next whole hour after now, as its controls show it:
// what a one-time schedule offers, a moment still ahead; its weekday is that
// of the same date (past 23:00, tomorrow's).
ScheduleEntry NextWholeHourOnce(DateTime now);

// The record holds a time of day of its own to show: an hour and minute a
// 12-hour clock shows. A new macro's schedule (hour 0) holds none.
bool HoldsTimeOfDay(const MacroRecord& macro);

// The record holds a single run of its own to show: of that kind, at a time
// of day of its own.
bool HoldsOnceTime(const MacroRecord& macro);

// Writes the schedule fields of a checked entry into the record.
void StoreSchedule(const ScheduleEntry& entry, MacroRecord& macro);

// Checks the entry and stores it only when it passes: a refused entry leaves
// the record exactly as it was, since callers save whatever it holds.
std::optional<ScheduleRefusal> UpdateSchedule(const ScheduleEntry& entry, const DateTimeParts& now,
                                              MacroRecord& macro);

// The stored time of day of a timed macro in minutes after midnight (12 PM
// is noon, 12 AM midnight); nothing for a damaged record (hour above 12,
// minute above 59).
std::optional<int> ScheduledMinuteOfDay(const MacroRecord& macro);

// The schedule a new macro starts with: today's date and weekday.
void DefaultTimer(MacroRecord& macro, DateTime now);

}  // namespace orv
