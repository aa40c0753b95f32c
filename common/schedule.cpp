#include "common/schedule.h"

#include "common/string_routines.h"
#include "common/whole_numbers.h"

namespace orv {
namespace {

constexpr int MonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Gregorian: a century year is a leap year only when divisible by 400, so a
// run set for 29 February 2100 is refused instead of never coming.
bool IsLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month) {
    return month == 2 && IsLeapYear(year) ? 29 : MonthDays[month - 1];
}

// A whole number within [low, high], or nothing; blanks around it are allowed.
std::optional<int> InRange(const std::string& text, int low, int high) {
    std::optional<std::int32_t> value = ParseWholeNumber(TrimStr(text));
    if (!value || *value < low || *value > high)
        return std::nullopt;
    return *value;
}

std::optional<ScheduleRefusal> CheckTimeOfDay(const ScheduleEntry& e) {
    if (!InRange(e.Hour, 1, 12))
        return ScheduleRefusal{"Invalid hour specified.", ScheduleField::Hour};
    if (!InRange(e.Minute, 0, 59))
        return ScheduleRefusal{"Invalid minute specified.", ScheduleField::Minute};
    return std::nullopt;
}

int Hour24(int hour12, bool pm) {
    return hour12 % 12 + (pm ? 12 : 0);
}

std::optional<ScheduleRefusal> CheckOnce(const ScheduleEntry& e, const DateTimeParts& now) {
    if (auto refusal = CheckTimeOfDay(e))
        return refusal;
    std::optional<int> year = InRange(e.Year, 1000, 9999);
    if (!year)
        return ScheduleRefusal{"Invalid year specified.", ScheduleField::Year};
    int month = e.MonthIndex + 1;
    if (month < 1 || month > 12)
        return ScheduleRefusal{"Invalid month specified.", ScheduleField::Month};
    std::optional<int> day = InRange(e.Day, 1, DaysInMonth(*year, month));
    if (!day)
        return ScheduleRefusal{"Invalid day of month specified.", ScheduleField::Day};
    const char* elapsed = "Specified date has already elapsed.";
    if (*year != now.year) {
        if (*year < now.year)
            return ScheduleRefusal{elapsed, ScheduleField::Year};
    } else if (month != now.month) {
        if (month < now.month)
            return ScheduleRefusal{elapsed, ScheduleField::Month};
    } else if (*day != now.day) {
        if (*day < now.day)
            return ScheduleRefusal{elapsed, ScheduleField::Day};
    } else if (const int chosen =
                   Hour24(*InRange(e.Hour, 1, 12), e.Pm) * 60 + *InRange(e.Minute, 0, 59),
               current = now.hour * 60 + now.minute;
               chosen < current || (chosen == current && now.second + now.millisecond > 0)) {
        // The run falls at the start of its minute: later in it, it is gone.
        return ScheduleRefusal{"Specified time has already elapsed.", ScheduleField::Hour};
    }
    return std::nullopt;
}

std::optional<ScheduleRefusal> CheckMinutes(const ScheduleEntry& e, int high, const char* message) {
    if (!InRange(e.Minutes, high == 59 ? 0 : 1, high))
        return ScheduleRefusal{message, ScheduleField::Minutes};
    return std::nullopt;
}

int Number(const std::string& text) {
    return WholeNumberOr(TrimStr(text));
}

}  // namespace

std::optional<ScheduleRefusal> CheckSchedule(const ScheduleEntry& e, const DateTimeParts& now) {
    switch (e.Kind) {
        case ScheduleKind::Once:
            return CheckOnce(e, now);
        case ScheduleKind::Hourly:
            return CheckMinutes(e, 59, "Invalid minutes specified.");
        case ScheduleKind::Daily:
        case ScheduleKind::Weekly:
            return CheckTimeOfDay(e);
        case ScheduleKind::Monthly:
            if (auto refusal = CheckTimeOfDay(e))
                return refusal;
            if (!InRange(e.Day, 1, 31))
                return ScheduleRefusal{"Invalid day of month specified.", ScheduleField::Day};
            return std::nullopt;
        case ScheduleKind::Other:
            return CheckMinutes(e, 720, "Invalid minutes specified.  Must be between 1 and 720.");
        case ScheduleKind::Idle:
            return CheckMinutes(e, 90, "Invalid minutes specified.  Must be between 1 and 90.");
        case ScheduleKind::Startup:
            break;
    }
    return std::nullopt;
}

ScheduleEntry NextWholeHourOnce(DateTime now) {
    const DateTimeParts parts = DecodeDateTime(now);
    const DateTime midnight = EncodeDateTime(parts.year, parts.month, parts.day);
    // Whole days decode exactly; the hour is counted, not added as a fraction.
    const DateTimeParts day = DecodeDateTime(parts.hour < 23 ? midnight : midnight + 1);
    const int hour = (parts.hour + 1) % 24;
    ScheduleEntry e;
    e.Kind = ScheduleKind::Once;
    e.Hour = std::to_string(hour % 12 == 0 ? 12 : hour % 12);
    e.Minute = "00";
    e.Pm = hour >= 12;
    e.Year = std::to_string(day.year);
    e.MonthIndex = day.month - 1;
    e.Day = std::to_string(day.day);
    e.WeekdayIndex = day.dayOfWeek - 1;
    return e;
}

std::optional<ScheduleRefusal> UpdateSchedule(const ScheduleEntry& entry, const DateTimeParts& now,
                                              MacroRecord& macro) {
    std::optional<ScheduleRefusal> refusal = CheckSchedule(entry, now);
    if (!refusal)
        StoreSchedule(entry, macro);
    return refusal;
}

void StoreSchedule(const ScheduleEntry& e, MacroRecord& macro) {
    macro.ScheduleKind = static_cast<std::int16_t>(e.Kind);
    for (std::size_t i = 0; i < e.Days.size(); ++i) macro.DayFlags[i] = e.Days[i] ? 1 : 0;
    auto timeOfDay = [&] {
        macro.Hour = static_cast<std::uint8_t>(Number(e.Hour));
        macro.Minute = static_cast<std::uint8_t>(Number(e.Minute));
        macro.Pm = e.Pm ? 1 : 0;
    };
    switch (e.Kind) {
        case ScheduleKind::Once:
            timeOfDay();
            macro.Year = static_cast<std::uint16_t>(Number(e.Year));
            macro.Month = static_cast<std::uint8_t>(e.MonthIndex + 1);
            macro.Day = static_cast<std::uint8_t>(Number(e.Day));
            break;
        case ScheduleKind::Hourly:
            macro.MinutePastHour = static_cast<std::uint8_t>(Number(e.Minutes));
            break;
        case ScheduleKind::Daily:
            timeOfDay();
            break;
        case ScheduleKind::Weekly:
            timeOfDay();
            macro.Weekday = static_cast<std::uint8_t>(e.WeekdayIndex + 1);
            break;
        case ScheduleKind::Monthly:
            timeOfDay();
            macro.Day = static_cast<std::uint8_t>(Number(e.Day));
            break;
        case ScheduleKind::Other:
        case ScheduleKind::Idle:
            macro.Minutes = static_cast<std::uint16_t>(Number(e.Minutes));
            break;
        case ScheduleKind::Startup:
            break;
    }
}

std::optional<int> ScheduledMinuteOfDay(const MacroRecord& macro) {
    if (macro.Hour > 12 || macro.Minute > 59)
        return std::nullopt;
    const int hour12 = macro.Hour % 12;
    return (macro.Pm ? hour12 + 12 : hour12) * 60 + macro.Minute;
}

bool HoldsTimeOfDay(const MacroRecord& macro) {
    return macro.Hour >= 1 && macro.Hour <= 12 && macro.Minute <= 59;
}

bool HoldsOnceTime(const MacroRecord& macro) {
    return macro.ScheduleKind == static_cast<int>(ScheduleKind::Once) && HoldsTimeOfDay(macro);
}

void DefaultTimer(MacroRecord& macro, DateTime now) {
    DateTimeParts today = DecodeDateTime(now);
    macro.Year = static_cast<std::uint16_t>(today.year);
    macro.Month = static_cast<std::uint8_t>(today.month);
    macro.Day = static_cast<std::uint8_t>(today.day);
    macro.Weekday = static_cast<std::uint8_t>(today.dayOfWeek);
}

}  // namespace orv
