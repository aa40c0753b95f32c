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
// Clock offsets this close are one setting of the clock: the wall clock and
// the tick count drift apart a little.
constexpr std::int64_t SameSettingMs = MinuteMs;
// Passed moments a row keeps: a clock set wrong and right again leaves one
// for each setting.
constexpr std::size_t MostPassedMoments = 8;
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

// The same moments: a row of the same file with them is the same row,
// whatever its nickname or number now.
bool SameSchedule(const Scheduler::ScheduleEntry& a, const Scheduler::ScheduleEntry& b) {
    const auto moments = [](const Scheduler::ScheduleEntry& r) {
        return std::tie(r.Kind, r.DayFlags, r.Year, r.Month, r.Day, r.MinutePastHour, r.Minutes,
                        r.Weekday, r.TimeOfDayMs);
    };
    return moments(a) == moments(b);
}

// Which earlier row a new one is, most alike first: the same macro at the
// same number, the macro moved, the macro renamed.
bool SameRow(int likeness, const Scheduler::ScheduleEntry& old,
             const Scheduler::ScheduleEntry& row) {
    if (!SameSchedule(old, row))
        return false;
    switch (likeness) {
        case 0:
            return old.Nickname == row.Nickname && old.Macro == row.Macro;
        case 1:
            return old.Nickname == row.Nickname;
        default:
            return true;
    }
}
constexpr int Likenesses = 3;

// A moment passed on a clock set at least as far on, and no earlier than
// this one, says nothing more.
void AddPassed(std::vector<Scheduler::ScheduleEntry::Passed>& moments,
               Scheduler::ScheduleEntry::Passed passed) {
    std::erase_if(moments, [&](const Scheduler::ScheduleEntry::Passed& earlier) {
        return earlier.MomentMs <= passed.MomentMs &&
               earlier.OffsetMs >= passed.OffsetMs - SameSettingMs;
    });
    if (moments.size() == MostPassedMoments)
        moments.erase(moments.begin());
    moments.push_back(passed);
}

}  // namespace

Scheduler::Scheduler(const SettingsBlock& settings, HookTable& table, ScheduleHost& host)
    : settings_(settings),
      table_(table),
      host_(host),
      previousMs_(NowMs()),
      idleTick_(CurrentClock().TickCount()),
      lastTick_(idleTick_) {}

std::int64_t Scheduler::ClockOffsetMs(std::int64_t now, std::uint32_t tick) {
    elapsedMs_ += static_cast<std::uint32_t>(tick - lastTick_);
    lastTick_ = tick;
    return now - elapsedMs_;
}

std::vector<Scheduler::ScheduleEntry> Scheduler::RowsBefore() {
    const std::string file = settings_.MacroFiles[0].str();
    if (file == builtFrom_)
        return std::move(rows_);
    if (!rows_.empty())
        earlierRows_[builtFrom_] = std::move(rows_);
    builtFrom_ = file;
    const auto found = earlierRows_.find(file);
    if (found == earlierRows_.end())
        return {};
    std::vector<ScheduleEntry> before = std::move(found->second);
    earlierRows_.erase(found);
    return before;
}

// Each earlier row goes to one new row at most, so twins (a copied macro)
// keep their own. A rebuild of the file loaded carries the row over whole:
// its wait for a busy player, its interval, the moments it ran. A file loaded
// again after another keeps only the moments: the rest waited for a library
// that was gone.
void Scheduler::CarryOver(std::vector<ScheduleEntry>& before, bool sameLoad) {
    std::vector<bool> taken(before.size()), carried(rows_.size());
    for (int likeness = 0; likeness < Likenesses; ++likeness)
        for (std::size_t r = 0; r < rows_.size(); ++r)
            for (std::size_t o = 0; o < before.size() && !carried[r]; ++o) {
                if (taken[o] || !SameRow(likeness, before[o], rows_[r]))
                    continue;
                taken[o] = carried[r] = true;
                ScheduleEntry& row = rows_[r];
                if (sameLoad) {
                    row.PendingMs = before[o].PendingMs;
                    row.LastTick = before[o].LastTick;
                    row.PassedMoments = std::move(before[o].PassedMoments);
                } else {
                    for (const ScheduleEntry::Passed& moment : before[o].PassedMoments)
                        AddPassed(row.PassedMoments, moment);
                }
            }
}

void Scheduler::CheckAndSetTime() {
    const bool sameLoad = builtFrom_ == settings_.MacroFiles[0].str();
    std::vector<ScheduleEntry> before = RowsBefore();
    rows_.clear();
    bool idleExists = false;
    const std::int64_t now = NowMs();
    const std::uint32_t tick = CurrentClock().TickCount();
    const std::int64_t offset = ClockOffsetMs(now, tick);
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
        row.PassedMoments = {{now, offset}};
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
        rows_.push_back(row);
    }
    CarryOver(before, sameLoad);
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
    const std::int64_t offset = ClockOffsetMs(now, tick);
    for (ScheduleEntry& row : rows_)
        if (const std::optional<std::int64_t> moment = Due(row, now, tick, offset))
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

std::optional<std::int64_t> Scheduler::Due(ScheduleEntry& row, std::int64_t now, std::uint32_t tick,
                                           std::int64_t offset) {
    // Moments after the previous tick, and after those the row passed. A
    // clock now set more than a day behind the one that passed a moment
    // (daylight saving moves an hour) shows that one was wrong (set on by
    // mistake): the moments it ran ahead were never due, and the row takes
    // up from now; set right again, they are done again.
    std::int64_t after = previousMs_;
    for (const ScheduleEntry::Passed& passed : row.PassedMoments)
        if (offset >= passed.OffsetMs - DayMs)
            after = std::max(after, passed.MomentMs);
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
        AddPassed(row.PassedMoments, {*moment, offset});
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
