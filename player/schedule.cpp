#include "player/schedule.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "common/clock.h"
#include "common/hotkeys.h"
#include "common/string_routines.h"
#include "player/run_state.h"

namespace orv::player {
namespace {

constexpr std::int64_t MinuteMs = 60'000;
constexpr std::int64_t HourMs = 60 * MinuteMs;
constexpr std::int64_t DayMs = 24 * HourMs;
// A clock that jumped further than this (a machine asleep for a year) is
// looked at only for its last year.
constexpr std::int64_t LongestGapDays = 366;

// Whole milliseconds: ticks that land exactly on a scheduled minute count as
// reaching it, whatever the rounding of the day fraction.
std::int64_t NowMs() {
    return std::llround(CurrentClock().Now() * static_cast<double>(DayMs));
}

int DayFlagIndex(int weekday) {
    // Flags run Monday .. Sunday; weekdays 1 Sunday .. 7 Saturday.
    return weekday == 1 ? 6 : weekday - 2;
}

// The date of a day-bound row (once, daily, weekly, monthly) is one of its days.
bool OnItsDay(const Scheduler::ScheduleEntry& row, const DateTimeParts& date) {
    switch (row.Kind) {
        case ScheduleKind::Once:
            return date.year == row.Year && date.month == row.Month && date.day == row.Day;
        case ScheduleKind::Daily:
            return row.DayFlags[DayFlagIndex(date.dayOfWeek)] != 0;
        case ScheduleKind::Weekly:
            return date.dayOfWeek == row.Weekday;
        case ScheduleKind::Monthly:
            return date.day == row.Day;
        default:
            return false;
    }
}

// The last of a day-bound row's moments in (previous, now] on one of its days.
std::optional<std::int64_t> DayMomentPassed(const Scheduler::ScheduleEntry& row,
                                            std::int64_t previous, std::int64_t now) {
    std::int64_t first = previous / DayMs;
    const std::int64_t last = now / DayMs;
    if (last - first > LongestGapDays)
        first = last - LongestGapDays;
    std::optional<std::int64_t> passed;
    for (std::int64_t day = first; day <= last; ++day) {
        const std::int64_t moment = day * DayMs + row.TimeOfDayMs;
        if (moment > previous && moment <= now &&
            OnItsDay(row, DecodeDateTime(static_cast<DateTime>(day))))
            passed = moment;
    }
    return passed;
}

// The last moment at the row's minute past an hour, at or before now, when
// it lies after previous.
std::optional<std::int64_t> HourMomentPassed(const Scheduler::ScheduleEntry& row,
                                             std::int64_t previous, std::int64_t now) {
    std::int64_t moment = now / HourMs * HourMs + row.MinutePastHour * MinuteMs;
    if (moment > now)
        moment -= HourMs;
    if (moment <= previous)
        return std::nullopt;
    return moment;
}

// The row stands for the same macro at the same moments, wherever a deleted
// or moved macro put it in the file.
bool SameSchedule(const Scheduler::ScheduleEntry& a, const Scheduler::ScheduleEntry& b) {
    const auto moments = [](const Scheduler::ScheduleEntry& r) {
        return std::tie(r.Nickname, r.Kind, r.DayFlags, r.Year, r.Month, r.Day, r.MinutePastHour,
                        r.Minutes, r.Weekday, r.TimeOfDayMs);
    };
    return moments(a) == moments(b);
}

}  // namespace

Scheduler::Scheduler(const SettingsBlock& settings, HookTable& table, ScheduleHost& host)
    : settings_(settings),
      table_(table),
      host_(host),
      previousMs_(NowMs()),
      idleTick_(CurrentClock().TickCount()) {}

void Scheduler::CheckAndSetTime() {
    // A rebuild of the same file keeps what still waits for a busy player.
    std::vector<ScheduleEntry> before;
    if (builtFrom_ == settings_.MacroFiles[0].str())
        before = std::move(rows_);
    builtFrom_ = settings_.MacroFiles[0].str();
    rows_.clear();
    bool idleExists = false;
    const std::int64_t now = NowMs();
    const std::uint32_t tick = CurrentClock().TickCount();
    for (int i = 1; i <= table_.EntryCount(); ++i) {
        const MacroEntry entry = table_.Entry(i);
        MacroRecord record;
        if (!entry.Enabled || entry.Activation != ActivationCode::Scheduled ||
            !host_.ReadMacroRecord(i, record))
            continue;
        const auto kind = static_cast<ScheduleKind>(record.ScheduleKind);
        if (kind == ScheduleKind::Idle)
            idleExists = true;
        if (record.ScheduleKind < 1 || record.ScheduleKind > 7 ||
            static_cast<int>(rows_.size()) >= MaxRows)
            continue;
        ScheduleEntry row;
        row.Macro = i;
        row.Nickname = record.Nickname.str();
        row.Kind = kind;
        row.DayFlags = record.DayFlags;
        row.Year = record.Year;
        row.Month = record.Month;
        row.Day = record.Day;
        row.MinutePastHour = record.MinutePastHour;
        row.Minutes = record.Minutes;
        row.Weekday = record.Weekday;
        row.PassedMs = now;
        row.LastTick = tick;
        // A damaged record (its time or minute out of range) never fires.
        if (kind == ScheduleKind::Once || kind == ScheduleKind::Daily ||
            kind == ScheduleKind::Weekly || kind == ScheduleKind::Monthly) {
            const std::optional<int> minuteOfDay = ScheduledMinuteOfDay(record);
            if (!minuteOfDay)
                continue;
            row.TimeOfDayMs = *minuteOfDay * MinuteMs;
        } else if (kind == ScheduleKind::Hourly && row.MinutePastHour > 59) {
            continue;
        }
        // The same row again keeps its wait and what it already ran (a
        // clock set back before the rebuild must not bring those again).
        for (const ScheduleEntry& old : before) {
            if (!SameSchedule(old, row))
                continue;
            if (old.PendingMs)
                row.PendingMs = old.PendingMs;
            row.PassedMs = std::max(row.PassedMs, old.PassedMs);
        }
        rows_.push_back(row);
    }
    idleMacroExists_ = idleExists;
    table_.SetIdleMacroExists(idleExists);
    // Pushed every time: the library must count from zero with the table.
    table_.SetIdleSeconds(0);
    host_.PushIdle();
    idleTick_ = CurrentClock().TickCount();
    idleCarryMs_ = 0;
}

void Scheduler::CountIdleTime() {
    if (!idleMacroExists_)
        return;
    host_.RefreshIdle();
    // The time that really passed: the tick interval is only nominal.
    const std::uint32_t tick = CurrentClock().TickCount();
    const std::uint32_t elapsed = tick - idleTick_ + idleCarryMs_;
    idleTick_ = tick;
    idleCarryMs_ = elapsed % 1000;
    table_.SetIdleSeconds(table_.IdleSeconds() + elapsed / 1000);
    host_.PushIdle();
}

void Scheduler::CheckOutTimerMacros() {
    CountIdleTime();
    // A tick inside a run this tick started.
    if (ticking_)
        return;
    const RaisedFlag ticking(ticking_);
    const std::int64_t now = NowMs();
    const std::uint32_t tick = CurrentClock().TickCount();
    for (ScheduleEntry& row : rows_)
        if (const std::optional<std::int64_t> moment = Due(row, now, tick))
            row.PendingMs = moment;
    previousMs_ = now;
    // Looked up afresh after each run: a run handles messages, and the editor
    // may rebuild the table meanwhile. A busy player keeps them all pending.
    while (ScheduleEntry* row = FirstPending()) {
        if (!host_.MayStartRun())
            return;
        row->PendingMs.reset();
        RunScheduledMacro(ScheduleEntry(*row));
    }
}

Scheduler::ScheduleEntry* Scheduler::FirstPending() {
    ScheduleEntry* first = nullptr;
    for (ScheduleEntry& row : rows_)
        if (row.PendingMs && (!first || *row.PendingMs < *first->PendingMs))
            first = &row;
    return first;
}

std::optional<std::int64_t> Scheduler::Due(ScheduleEntry& row, std::int64_t now,
                                           std::uint32_t tick) {
    // A clock now more than a day behind the row's last moment was wrong
    // then (set on by mistake; daylight saving moves an hour): the moments
    // it ran ahead were never due, and the row takes up from now.
    if (row.PassedMs - now > DayMs)
        row.PassedMs = now;
    // Moments after the previous tick, and after the last one the row ran.
    const std::int64_t after = std::max(previousMs_, row.PassedMs);
    std::optional<std::int64_t> moment;
    switch (row.Kind) {
        case ScheduleKind::Once:
        case ScheduleKind::Daily:
        case ScheduleKind::Weekly:
        case ScheduleKind::Monthly:
            moment = DayMomentPassed(row, after, now);
            break;
        case ScheduleKind::Hourly:
            moment = HourMomentPassed(row, after, now);
            break;
        case ScheduleKind::Other: {
            // Missed intervals are skipped, not made up: one run, then on the
            // grid again. The tick count wraps; the difference does not.
            const std::int64_t interval = row.Minutes * MinuteMs;
            const std::uint32_t elapsed = tick - row.LastTick;
            if (interval == 0 || elapsed < interval)
                return std::nullopt;
            const std::int64_t late = elapsed % interval;
            row.LastTick = static_cast<std::uint32_t>(tick - late);
            return now - late;
        }
        case ScheduleKind::Idle:
            if (row.Done || static_cast<std::int64_t>(table_.IdleSeconds()) <= row.Minutes * 60)
                return std::nullopt;
            row.Done = true;
            table_.SetIdleFired(true);
            host_.PushIdle();
            return now;
        case ScheduleKind::Startup:
            break;
    }
    if (moment)
        row.PassedMs = *moment;
    return moment;
}

bool Scheduler::Prepare(const MacroRecord& record) {
    const std::string scope = UpperAscii(record.ScopeText.str());
    if (record.MacroKind == MacroKind::Window && !host_.ActivateIt(scope))
        return false;
    if (record.MacroKind == MacroKind::Program && !host_.ActivateProg(scope))
        return false;
    if (settings_.UseWaveFile)
        host_.DoWave(settings_.WaveFile.str(), settings_.WaveFileWait);
    return true;
}

void Scheduler::RunScheduledMacro(const ScheduleEntry& row) {
    MacroRecord record;
    if (!host_.ReadMacroRecord(row.Macro, record) || !Prepare(record))
        return;
    host_.RunUnattended(row.Macro, record);
}

void Scheduler::ClearScheduleDone() {
    for (ScheduleEntry& row : rows_) {
        row.Done = false;
        // An idle macro the busy player could not run: the idleness is over.
        if (row.Kind == ScheduleKind::Idle)
            row.PendingMs.reset();
    }
    table_.SetIdleFired(false);
    // The library zeroed its count at the input; a tick that read the count
    // just before may have pushed the old one back.
    table_.SetIdleSeconds(0);
    host_.PushIdle();
    idleTick_ = CurrentClock().TickCount();
    idleCarryMs_ = 0;
}

void Scheduler::DoStartUpMacros(bool startupRequest, std::string_view startupNickname) {
    MacroRecord record;
    if (startupRequest && !startupNickname.empty()) {
        const std::string wanted = UpperAscii(startupNickname);
        int match = 0;
        for (int i = 1; i <= table_.EntryCount() && !match; ++i)
            if (UpperAscii(settings_.Nickname[i].str()) == wanted)
                match = i;
        if (!match)
            host_.NoMacroNamed(startupNickname);
        else if (host_.MayStartRun() && host_.ReadMacroRecord(match, record))
            host_.RunUnattended(match, record);
    }
    for (int i = 1; i <= table_.EntryCount(); ++i) {
        const MacroEntry entry = table_.Entry(i);
        if (!entry.Enabled || entry.Activation != ActivationCode::Scheduled ||
            !host_.ReadMacroRecord(i, record) ||
            record.ScheduleKind != static_cast<int>(ScheduleKind::Startup))
            continue;
        if (!host_.MayStartRun())
            return;
        // A missing window or program skips only this macro.
        if (Prepare(record))
            host_.RunUnattended(i, record);
    }
}

}  // namespace orv::player
