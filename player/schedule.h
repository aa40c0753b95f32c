// Timed macros: the schedule table built from the macro file, the tick that
// plays the rows that came due since the previous tick, idle time, and the
// start-up pass that runs the "/A" macro and the start-up-scheduled ones.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/hook_table.h"
#include "common/macro_record.h"
#include "common/schedule.h"
#include "common/settings.h"

namespace orv::player {

// What the scheduler asks of the rest of the player.
class ScheduleHost {
  public:
    virtual ~ScheduleHost() = default;
    virtual bool ReadMacroRecord(int n, MacroRecord& out) = 0;
    // A run may start now (none under way, no menu, capture or pause); a
    // refusal says nothing: nobody asked for the run.
    virtual bool MayStartRun() = 0;
    // Bring forward the window whose title holds the text / the running
    // program whose name holds it; false when there is none.
    virtual bool ActivateIt(std::string_view titlePart) = 0;
    virtual bool ActivateProg(std::string_view name) = 0;
    // The alarm sound, waiting for its end when asked to.
    virtual void DoWave(const std::string& file, bool wait) = 0;
    // Plays macro n (its record as read) as the current macro, without the
    // in-use byte or the end marker; returns when the run ended.
    virtual void RunUnattended(int n, const MacroRecord& record) = 0;
    // The start-up request named a macro the file does not have.
    virtual void NoMacroNamed(std::string_view nickname) = 0;
    // The idle section of the hook table from and to the hook library.
    virtual void RefreshIdle() = 0;
    virtual void PushIdle() = 0;
};

class Scheduler {
  public:
    static constexpr int MaxRows = 500;

    // One enabled timed macro (any kind but start-up), as the tick tests it.
    struct ScheduleEntry {
        int Macro = 0;
        std::string Nickname;  // the macro as read, through renumbering
        ScheduleKind Kind = ScheduleKind::Once;
        std::array<std::uint8_t, 7> DayFlags{};  // Monday .. Sunday
        int Year = 0, Month = 0, Day = 0;
        int MinutePastHour = 0;
        int Minutes = 0;  // the interval, or the idle minutes
        int Weekday = 0;  // 1 Sunday .. 7 Saturday
        std::int64_t TimeOfDayMs = 0;
        // A moment the row fell due (at first, when it was built), and the
        // wall clock's lead over the real time then.
        struct Passed {
            std::int64_t MomentMs = 0;
            std::int64_t OffsetMs = 0;
        };
        // The moments at and before which the row never runs again while the
        // clock is not set more than a day behind the one that passed them;
        // a few, as a clock put wrong and right again leaves them.
        std::vector<Passed> PassedMoments;
        // Every N minutes: the tick count of the last firing on the row's
        // grid, so an interval is real time whatever the wall clock does.
        std::uint32_t LastTick = 0;
        bool Done = false;  // idle: fired since the last input
        // Due while the player was busy: the moment it fell due, kept until
        // the player is free; a later moment of the row takes its place.
        std::optional<std::int64_t> PendingMs;
    };

    // The first tick looks back to now.
    Scheduler(const SettingsBlock& settings, HookTable& table, ScheduleHost& host);

    // Rebuilds the table from the macro file; new rows count from now, the
    // rows it had keep what they ran and wait for.
    void CheckAndSetTime();
    // Rows exist: the tick timer should run.
    bool HasRows() const { return !rows_.empty(); }
    const std::vector<ScheduleEntry>& Rows() const { return rows_; }

    // One tick of the timer: idle bookkeeping, then every row that came due
    // since the previous tick, or is still waiting for a busy player, is
    // played in the order they fell due. However far the clock jumped
    // forward (a machine asleep, a clock set on), a row runs once for the
    // moments it skipped; set back, it runs no moment it already ran.
    void CheckOutTimerMacros();
    // Input after idleness: idle macros may fire again.
    void ClearScheduleDone();
    // A little after start: the macro named by "/A" (when asked for), then
    // every enabled start-up macro in file order.
    void DoStartUpMacros(bool startupRequest, std::string_view startupNickname);

  private:
    // The moment the row fell due since the previous tick, if it did.
    std::optional<std::int64_t> Due(ScheduleEntry& row, std::int64_t now, std::uint32_t tick,
                                    std::int64_t offset);
    // The wall clock's lead over the tick count, which never goes back.
    std::int64_t ClockOffsetMs(std::int64_t now, std::uint32_t tick);
    // The earlier rows of the library being loaded (the rows of one switched
    // away are kept for its return).
    std::vector<ScheduleEntry> RowsBefore();
    void CarryOver(std::vector<ScheduleEntry>& before, bool sameLoad);
    void CountIdleTime();
    // The pending row that fell due first; nullptr when none.
    ScheduleEntry* FirstPending();
    void RunScheduledMacro(const ScheduleEntry& row);
    // Scope and alarm of a macro about to run; false when its window or
    // program is missing.
    bool Prepare(const MacroRecord& record);

    const SettingsBlock& settings_;
    HookTable& table_;
    ScheduleHost& host_;
    std::vector<ScheduleEntry> rows_;
    std::string builtFrom_;  // the macro file the rows were built from
    // The rows of the files loaded before, by file: a library switched away
    // and back keeps the moments its rows ran.
    std::map<std::string, std::vector<ScheduleEntry>> earlierRows_;
    bool idleMacroExists_ = false;
    std::int64_t previousMs_ = 0;
    std::uint32_t idleTick_ = 0;
    std::uint32_t idleCarryMs_ = 0;
    bool ticking_ = false;
    // The tick count, widened so that its wrap is no jump of the clock.
    std::uint32_t lastTick_ = 0;
    std::int64_t elapsedMs_ = 0;
};

}  // namespace orv::player
