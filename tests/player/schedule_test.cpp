#include "player/schedule.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>

#include "common/hotkeys.h"
#include "tests/support/fake_clock.h"

namespace orv::player {
namespace {

// Days from 1899-12-30 to 2026-01-05, a Monday.
constexpr double MondayStart = 46027.0;

// To the nearest second: the fake clock's day fractions drift a little.
std::string Stamp(DateTime at) {
    const DateTimeParts p = DecodeDateTime(std::round(at * 86400) / 86400);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", p.year, p.month, p.day,
                  p.hour, p.minute, p.second);
    return text;
}

class FakeScheduleHost final : public ScheduleHost {
  public:
    bool ReadMacroRecord(int n, MacroRecord& out) override {
        auto found = Records.find(n);
        if (found == Records.end())
            return false;
        out = found->second;
        return true;
    }
    bool MayStartRun() override {
        const DateTime now = CurrentClock().Now();
        return !Busy && !(now >= BusyFrom && now < BusyUntil);
    }
    bool ActivateIt(std::string_view title) override {
        Log.push_back("window " + std::string(title));
        return title != "MISSING";
    }
    bool ActivateProg(std::string_view name) override {
        Log.push_back("program " + std::string(name));
        return name != "MISSING";
    }
    void DoWave(const std::string& file, bool wait) override {
        Log.push_back("wave " + file + (wait ? " wait" : ""));
    }
    void RunUnattended(int n, const MacroRecord& record) override {
        Log.push_back("run " + std::to_string(n) + " " + record.ScriptText());
        Runs.push_back(Stamp(CurrentClock().Now()));
        if (DuringRun)
            DuringRun();
    }
    void NoMacroNamed(std::string_view nickname) override {
        Log.push_back("no macro " + std::string(nickname));
    }
    void RefreshIdle() override {}
    void PushIdle() override { ++IdlePushes; }

    std::map<int, MacroRecord> Records;
    bool Busy = false;
    DateTime BusyFrom = 0, BusyUntil = 0;  // busy in between, too
    std::vector<std::string> Log;
    std::vector<std::string> Runs;
    std::function<void()> DuringRun;
    int IdlePushes = 0;
};

class ScheduleTest : public ::testing::Test {
  protected:
    // Macro n: enabled, timed, global, with its script "sN".
    MacroRecord& Timed(int n, ScheduleKind kind) {
        MacroRecord& r = host.Records[n];
        r.ActivationCode = ActivationCode::Scheduled;
        r.MacroKind = MacroKind::Global;
        r.Enabled = 1;
        r.ScheduleKind = static_cast<std::int16_t>(kind);
        r.SetScriptText("s" + std::to_string(n));
        return r;
    }
    // The hook table as the macro file loaded it.
    void Load() {
        int count = 0;
        for (auto& [n, r] : host.Records) {
            table.SetEntry(n, {r.MacroKind, r.ScopeText.str(), r.Enabled != 0, r.ActivationCode,
                               r.ScopeMatch});
            settings.Nickname[n] = r.Nickname;
            count = std::max(count, n);
        }
        table.SetMacroCount(count);
    }
    Scheduler& Build() {
        Load();
        scheduler.emplace(settings, table, host);
        scheduler->CheckAndSetTime();
        return *scheduler;
    }
    // Ticks every stepMs for so long.
    void TickFor(double hours, std::uint32_t stepMs = 10'000) { TickFor(clock, hours, stepMs); }
    void TickFor(orv::testing::FakeClock& on, double hours, std::uint32_t stepMs = 10'000) {
        const auto ticks = static_cast<long>(std::llround(hours * 3'600'000 / stepMs));
        for (long i = 0; i < ticks; ++i) {
            on.AdvanceMs(stepMs);
            scheduler->CheckOutTimerMacros();
        }
    }
    std::uint32_t IdleSeconds() const { return table.IdleSeconds(); }

    // Three seconds past midnight: ticks never land on a whole minute.
    orv::testing::FakeClock clock{MondayStart + 3.0 / 86400};
    SettingsBlock settings;
    HookTable table;
    FakeScheduleHost host;
    std::optional<Scheduler> scheduler;
};

TEST(ScheduledMinuteOfDay, TwelveIsNoonAfterPmAndMidnightAfterAm) {
    struct Case {
        int hour, minute, pm;
        std::optional<int> minutes;
    } const cases[] = {
        {12, 0, 1, 720},  {12, 15, 0, 15},          {1, 30, 1, 810},
        {11, 59, 0, 719}, {13, 0, 0, std::nullopt}, {5, 60, 1, std::nullopt},
    };
    for (const Case& c : cases) {
        MacroRecord r;
        r.Hour = static_cast<std::uint8_t>(c.hour);
        r.Minute = static_cast<std::uint8_t>(c.minute);
        r.Pm = static_cast<std::uint8_t>(c.pm);
        EXPECT_EQ(ScheduledMinuteOfDay(r), c.minutes) << c.hour << ":" << c.minute << " " << c.pm;
    }
}

struct DayBoundCase {
    const char* name;
    std::function<void(MacroRecord&)> set;
    std::vector<std::string> runs;
    // The player busy from and until these minutes after Monday's midnight.
    int busyFromMinute = 0, busyUntilMinute = 0;
};

class DayBoundTest : public ScheduleTest, public ::testing::WithParamInterface<DayBoundCase> {};

// A week and an hour from just after Monday's midnight (which a Monday
// 12:00 AM row built at that moment has already passed).
TEST_P(DayBoundTest, FiresOnceAtTheFirstTickAtOrAfterEachMomentOnItsDays) {
    GetParam().set(Timed(1, ScheduleKind::Daily));
    host.BusyFrom = MondayStart + GetParam().busyFromMinute / 1440.0;
    host.BusyUntil = MondayStart + GetParam().busyUntilMinute / 1440.0;
    Build();
    TickFor(24 * 7 + 1);
    EXPECT_EQ(host.Runs, GetParam().runs);
}

void Kind(MacroRecord& r, ScheduleKind kind) {
    r.ScheduleKind = static_cast<std::int16_t>(kind);
}

template <ScheduleKind K>
void Kind(MacroRecord& r) {
    Kind(r, K);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, DayBoundTest,
    ::testing::Values(DayBoundCase{"DailyMondayAndFriday8AM",
                                   [](MacroRecord& r) {
                                       Kind<ScheduleKind::Daily>(r);
                                       r.DayFlags = {1, 0, 0, 0, 1, 0, 0};
                                       r.Hour = 8;
                                   },
                                   {"2026-01-05 08:00:03", "2026-01-09 08:00:03"}},
                      DayBoundCase{"WeeklyMondayMidnightNeverOnTuesday",
                                   [](MacroRecord& r) {
                                       Kind<ScheduleKind::Weekly>(r);
                                       r.Weekday = 2;
                                       r.Hour = 12;
                                   },
                                   {"2026-01-12 00:00:03"}},
                      DayBoundCase{"MonthlyEighthMidnightNeverOnTheNinth",
                                   [](MacroRecord& r) {
                                       Kind<ScheduleKind::Monthly>(r);
                                       r.Day = 8;
                                       r.Hour = 12;
                                   },
                                   {"2026-01-08 00:00:03"}},
                      DayBoundCase{"OnceWednesday245PM",
                                   [](MacroRecord& r) {
                                       Kind<ScheduleKind::Once>(r);
                                       r.Year = 2026, r.Month = 1, r.Day = 7, r.Hour = 2,
                                       r.Minute = 45;
                                       r.Pm = 1;
                                   },
                                   {"2026-01-07 14:45:03"}},
                      DayBoundCase{"OnceInThePastNever",
                                   [](MacroRecord& r) {
                                       Kind<ScheduleKind::Once>(r);
                                       r.Year = 2025, r.Month = 1, r.Day = 7, r.Hour = 2;
                                   },
                                   {}},
                      // A busy player runs a due macro once it is free.
                      DayBoundCase{"OnceDueWhileBusyRunsWhenFree",
                                   [](MacroRecord& r) {
                                       Kind<ScheduleKind::Once>(r);
                                       r.Year = 2026, r.Month = 1, r.Day = 7, r.Hour = 1;
                                   },
                                   {"2026-01-07 01:02:03"},
                                   2 * 1440 + 59,
                                   2 * 1440 + 62},
                      DayBoundCase{"DailyDueWhileBusyRunsThatDay",
                                   [](MacroRecord& r) {
                                       r.DayFlags = {0, 1, 0, 0, 0, 0, 0};
                                       r.Hour = 9;
                                   },
                                   {"2026-01-06 09:02:03"},
                                   1440 + 8 * 60 + 59,
                                   1440 + 9 * 60 + 2},
                      // Busy past its next moment: Monday's run gives way to Tuesday's.
                      DayBoundCase{"DailyBusyPastItsNextMomentRunsOnce",
                                   [](MacroRecord& r) {
                                       r.DayFlags = {1, 1, 0, 0, 0, 0, 0};
                                       r.Hour = 9;
                                   },
                                   {"2026-01-06 09:30:03"},
                                   8 * 60 + 59,
                                   1440 + 9 * 60 + 30},
                      DayBoundCase{"DamagedHourNever",
                                   [](MacroRecord& r) {
                                       Kind<ScheduleKind::Daily>(r);
                                       r.DayFlags = {1, 1, 1, 1, 1, 1, 1};
                                       r.Hour = 13;
                                   },
                                   {}}),
    [](const ::testing::TestParamInfo<DayBoundCase>& info) { return info.param.name; });

TEST_F(ScheduleTest, HourlyFiresAtTheFirstTickOfItsMinuteInEveryHour) {
    Timed(1, ScheduleKind::Hourly).MinutePastHour = 0;
    Timed(2, ScheduleKind::Hourly).MinutePastHour = 30;
    Build();
    TickFor(2.5);
    EXPECT_EQ(host.Runs, (std::vector<std::string>{"2026-01-05 00:30:03", "2026-01-05 01:00:03",
                                                   "2026-01-05 01:30:03", "2026-01-05 02:00:03",
                                                   "2026-01-05 02:30:03"}));
    EXPECT_EQ(host.Log[0], "run 2 s2");
    EXPECT_EQ(host.Log[1], "run 1 s1");
}

TEST_F(ScheduleTest, EveryNMinutesCountsFromTheBuildAndSkipsMissedIntervals) {
    Timed(1, ScheduleKind::Other).Minutes = 15;
    Timed(2, ScheduleKind::Other).Minutes = 0;
    Build();
    TickFor(0.5);
    EXPECT_EQ(host.Runs, (std::vector<std::string>{"2026-01-05 00:15:03", "2026-01-05 00:30:03"}));
    // The machine slept for 50 minutes: one run, then on the grid again.
    clock.AdvanceMs(50 * 60'000);
    scheduler->CheckOutTimerMacros();
    TickFor(0.25);
    EXPECT_EQ(host.Runs, (std::vector<std::string>{"2026-01-05 00:15:03", "2026-01-05 00:30:03",
                                                   "2026-01-05 01:20:03", "2026-01-05 01:30:03"}));
}

// The wall clock moves under the rows (set back, set on, a machine asleep),
// also while the library is loaded again: no moment runs twice, skipped
// moments run once, intervals and idle time keep real time. Every row is due
// at 01:00 on Monday the 5th.
TEST_F(ScheduleTest, AClockThatMovesRunsNoMomentTwiceAndKeepsIntervalsOnRealTime) {
    constexpr std::int64_t HourMs = 3'600'000;
    constexpr std::int64_t DayMs = 24 * HourMs;
    // After the wall clock moved: the library loaded again.
    enum class Reload {
        None,
        Saved,           // the editor saved another macro
        Renamed,         // the row's macro got another nickname
        AnotherAndBack,  // another library loaded, then this one again
    };
    // The wall clock moved by jumpMs, the library reloaded, then ticks for
    // so many hours.
    struct Move {
        double hours;
        std::int64_t jumpMs;
        Reload reload = Reload::None;
    };
    struct Timeline {
        const char* name;
        std::vector<Move> moves;
    };
    const std::vector<Move> savedEvery5Minutes(30, Move{5.0 / 60, 0, Reload::Saved});
    constexpr std::size_t Timelines = 11;
    const Timeline timelines[Timelines] = {
        {"back 30 s", {{1.0, 0}, {0, -30'000}, {2.0 / 60, 0}}},
        {"back 1 h", {{1.5, 0}, {0, -HourMs}, {1.0, 0}}},
        {"forward 1 h", {{0.5, 0}, {0, HourMs}, {10.0 / 3600, 0}}},
        {"forward a day", {{1.5, 0}, {0, 24 * HourMs}, {10.0 / 3600, 0}}},
        // A clock set a week on by mistake and put right: the moments it ran
        // ahead were never due, and the rows take up from the right time.
        {"a week on and back",
         {{1.5, 0}, {0, 7 * 24 * HourMs}, {10.0 / 3600, 0}, {0, -7 * 24 * HourMs}, {1.0, 0}}},
        // Put wrong for a few minutes and right again: what ran stays done.
        {"two days back and right",
         {{1.5, 0}, {0, -2 * DayMs}, {5.0 / 60, 0}, {0, 2 * DayMs}, {1.0, 0}}},
        {"25 h back and right",
         {{1.5, 0}, {0, -25 * HourMs}, {5.0 / 60, 0}, {0, 25 * HourMs}, {1.0, 0}}},
        // The wrong clock passes 01:00 too: both settings keep their moment.
        {"49 h back for an hour and right",
         {{1.5, 0}, {0, -49 * HourMs}, {1.0, 0}, {0, 49 * HourMs}, {1.0, 0}}},
        // The repeated hour when daylight saving ends, the library loaded again in it.
        {"back 1 h, renamed", {{1.5, 0}, {1.0, -HourMs, Reload::Renamed}}},
        {"back 1 h, another library and back", {{1.5, 0}, {1.0, -HourMs, Reload::AnotherAndBack}}},
        {"saved every 5 minutes", savedEvery5Minutes},
    };
    using Runs = std::vector<std::string>;
    const Runs once{"2026-01-05 01:00:03"}, late{"2026-01-05 01:30:13"};
    const Runs onceAndNextDay{"2026-01-05 01:00:03", "2026-01-06 01:30:13"};
    const Runs onceAndAWeekOn{"2026-01-05 01:00:03", "2026-01-12 01:30:13"};
    const Runs onceAnHourApart{"2026-01-05 01:00:03", "2026-01-05 02:00:03"};
    const Runs idleOnce{"2026-01-05 00:30:13"};
    struct Row {
        const char* kind;
        std::function<void(MacroRecord&)> set;
        Runs runs[Timelines];
    };
    const auto at1Am = [](ScheduleKind kind, auto more) {
        return [=](MacroRecord& r) {
            Kind(r, kind);
            r.Hour = 1;
            more(r);
        };
    };
    const Row rows[] = {
        {"once",
         at1Am(ScheduleKind::Once, [](MacroRecord& r) { r.Year = 2026, r.Month = 1, r.Day = 5; }),
         {once, once, late, once, once, once, once, once, once, once, once}},
        {"daily",
         at1Am(ScheduleKind::Daily, [](MacroRecord& r) { r.DayFlags.fill(1); }),
         {once,
          once,
          late,
          onceAndNextDay,
          onceAndAWeekOn,
          once,
          once,
          {"2026-01-05 01:00:03", "2026-01-03 01:00:03"},
          once,
          once,
          once}},
        {"weekly",
         at1Am(ScheduleKind::Weekly, [](MacroRecord& r) { r.Weekday = 2; }),
         {once, once, late, once, onceAndAWeekOn, once, once, once, once, once, once}},
        {"monthly",
         at1Am(ScheduleKind::Monthly, [](MacroRecord& r) { r.Day = 5; }),
         {once, once, late, once, once, once, once, once, once, once, once}},
        // The 24 moments a day skipped: one run.
        {"hourly",
         [](MacroRecord& r) { Kind(r, ScheduleKind::Hourly); },
         {once,
          once,
          late,
          onceAndNextDay,
          {"2026-01-05 01:00:03", "2026-01-12 01:30:13", "2026-01-05 02:00:03"},
          onceAnHourApart,
          onceAnHourApart,
          {"2026-01-05 01:00:03", "2026-01-03 01:00:03", "2026-01-05 02:30:13",
           "2026-01-05 03:00:03"},
          once,
          once,
          onceAnHourApart}},
        // Real time: after the clock went back an hour, its next run comes an
        // hour after the last, at the same reading of the clock.
        {"every hour",
         [](MacroRecord& r) {
             Kind(r, ScheduleKind::Other);
             r.Minutes = 60;
         },
         {once,
          {"2026-01-05 01:00:03", "2026-01-05 01:00:03"},
          {},
          once,
          onceAnHourApart,
          onceAnHourApart,
          onceAnHourApart,
          {"2026-01-05 01:00:03", "2026-01-03 01:00:03", "2026-01-05 03:00:03"},
          {"2026-01-05 01:00:03", "2026-01-05 01:00:03"},
          // Loaded afresh: an hour from the load.
          {"2026-01-05 01:00:03", "2026-01-05 01:30:03"},
          onceAnHourApart}},
        {"idle half an hour",
         [](MacroRecord& r) {
             Kind(r, ScheduleKind::Idle);
             r.Minutes = 30;
         },
         {idleOnce,
          idleOnce,
          late,
          idleOnce,
          idleOnce,
          idleOnce,
          idleOnce,
          idleOnce,
          // A load counts idle time from zero.
          {"2026-01-05 00:30:13", "2026-01-05 01:00:13"},
          {"2026-01-05 00:30:13", "2026-01-05 01:00:13"},
          {}}},
    };
    const auto loadAgain = [this](Reload reload) {
        if (reload == Reload::Renamed)
            host.Records[1].Nickname = "renamed";
        if (reload == Reload::AnotherAndBack) {
            const std::map<int, MacroRecord> records = std::exchange(host.Records, {});
            settings.MacroFiles[0] = "B.MAC";
            Load();
            scheduler->CheckAndSetTime();
            settings.MacroFiles[0] = "A.MAC";
            host.Records = records;
        }
        if (reload != Reload::None) {
            Load();
            scheduler->CheckAndSetTime();
        }
    };
    for (std::size_t t = 0; t < Timelines; ++t) {
        for (const Row& row : rows) {
            orv::testing::FakeClock fresh{MondayStart + 3.0 / 86400};
            host.Records.clear();
            host.Runs.clear();
            settings.MacroFiles[0] = "A.MAC";
            row.set(Timed(1, ScheduleKind::Daily));
            Build();
            for (const Move& move : timelines[t].moves) {
                fresh.SetWallByMs(move.jumpMs);
                loadAgain(move.reload);
                TickFor(fresh, move.hours);
            }
            EXPECT_EQ(host.Runs, row.runs[t]) << row.kind << ", " << timelines[t].name;
        }
    }
}

// The clock set back half a minute after an every-minute run: the next run
// is a minute of real time later, not a minute and a half.
TEST_F(ScheduleTest, AnIntervalCountsRealTimeWhenTheClockIsSetBack) {
    Timed(1, ScheduleKind::Other).Minutes = 1;
    Build();
    TickFor(1.0 / 60);
    clock.SetWallByMs(-30'000);
    TickFor(1.0 / 60);
    EXPECT_EQ(host.Runs, (std::vector<std::string>{"2026-01-05 00:01:03", "2026-01-05 00:01:33"}));
}

TEST_F(ScheduleTest, AnIdleMacroFiresOnceUntilInputAndCountsTheTimeThatReallyPassed) {
    Timed(1, ScheduleKind::Idle).Minutes = 5;
    Build();
    EXPECT_TRUE(table.IdleMacroExists());
    TickFor(0.5);
    EXPECT_EQ(host.Runs, std::vector<std::string>{"2026-01-05 00:05:13"});
    EXPECT_TRUE(table.IdleFired());

    // Input: the library zeroed its count and said so.
    scheduler->ClearScheduleDone();
    EXPECT_EQ(IdleSeconds(), 0u);
    EXPECT_FALSE(table.IdleFired());
    // Ticks 30 s apart, whatever the timer's setting says: the count follows
    // the clock, fractions carried over.
    TickFor(6.0 / 60, 30'000);
    EXPECT_EQ(host.Runs.size(), 2u);
    EXPECT_EQ(host.Runs.back(), "2026-01-05 00:35:33");
    scheduler->ClearScheduleDone();
    TickFor(2 * 2.5 / 3600, 2'500);
    EXPECT_EQ(IdleSeconds(), 5u);
}

// Kept while busy, then run in the order they fell due, not in file order.
TEST_F(ScheduleTest, DueMacrosWaitForABusyPlayerAndScopedOnesNeedTheirWindowBeforeTheAlarm) {
    settings.UseWaveFile = true;
    settings.WaveFile = "alarm.wav";
    settings.WaveFileWait = true;
    MacroRecord& window = Timed(1, ScheduleKind::Hourly);
    window.MacroKind = MacroKind::Window;
    window.ScopeText = "Notepad";
    window.MinutePastHour = 50;
    MacroRecord& missing = Timed(2, ScheduleKind::Hourly);
    missing.MacroKind = MacroKind::Program;
    missing.ScopeText = "missing";
    missing.MinutePastHour = 40;
    Build();
    host.Busy = true;
    TickFor(1);
    EXPECT_TRUE(host.Log.empty());
    // The running macro changed the library: the same rows still wait.
    scheduler->CheckAndSetTime();
    host.Busy = false;
    TickFor(10.0 / 3600);
    EXPECT_EQ(host.Log, (std::vector<std::string>{"program MISSING", "window NOTEPAD",
                                                  "wave alarm.wav wait", "run 1 s1"}));
    EXPECT_EQ(host.Runs, std::vector<std::string>{"2026-01-05 01:00:13"});
}

// A macro deleted ahead of a waiting one moves it down: the wait follows the
// macro, and the deleted one's wait goes with it. Twins (a copied macro: the
// same nickname and moments) keep their own wait through a rebuild.
TEST_F(ScheduleTest, AWaitingRowFollowsItsOwnMacroThroughARebuild) {
    Timed(1, ScheduleKind::Hourly).MinutePastHour = 40;
    host.Records[1].Nickname = "gone";
    Timed(2, ScheduleKind::Hourly).MinutePastHour = 50;
    host.Records[2].Nickname = "kept";
    Build();
    host.Busy = true;
    TickFor(0.9);
    host.Records[1] = host.Records[2];
    host.Records.erase(2);
    Load();
    scheduler->CheckAndSetTime();
    host.Busy = false;
    TickFor(10.0 / 3600);
    EXPECT_EQ(host.Log, std::vector<std::string>{"run 1 s2"});

    host.Log.clear();
    for (int n : {1, 2}) {
        Timed(n, ScheduleKind::Hourly).MinutePastHour = 0;
        host.Records[n].Nickname = "Backup";
    }
    Load();
    scheduler->CheckAndSetTime();
    // The editor saves during the first twin's run.
    host.DuringRun = [this] {
        host.DuringRun = nullptr;
        scheduler->CheckAndSetTime();
    };
    TickFor(0.2);
    EXPECT_EQ(host.Log, (std::vector<std::string>{"run 1 s1", "run 2 s2"}));
}

TEST_F(ScheduleTest, ATickDuringAScheduledRunOnlyCountsIdleTime) {
    Timed(1, ScheduleKind::Hourly);
    Timed(2, ScheduleKind::Other).Minutes = 10;
    Timed(3, ScheduleKind::Idle).Minutes = 90;
    Build();
    host.Busy = true;
    TickFor(0.95);
    host.Busy = false;
    // The every-10-minutes macro fell due five times while busy: one run.
    TickFor(10.0 / 3600);
    host.DuringRun = [this] {
        host.DuringRun = nullptr;
        const std::uint32_t before = IdleSeconds();
        clock.AdvanceMs(20 * 60'000);
        scheduler->CheckOutTimerMacros();
        EXPECT_EQ(IdleSeconds(), before + 20 * 60);
    };
    TickFor(170.0 / 3600);
    // The every-10-minutes macro came due in the same tick, after the run.
    EXPECT_EQ(host.Log, (std::vector<std::string>{"run 2 s2", "run 1 s1", "run 2 s2"}));
    EXPECT_EQ(host.Runs, (std::vector<std::string>{"2026-01-05 00:57:13", "2026-01-05 01:00:03",
                                                   "2026-01-05 01:20:03"}));
}

TEST_F(ScheduleTest, StartUpRunsTheNamedMacroFirstThenEveryStartUpMacroInFileOrder) {
    settings.UseWaveFile = true;
    settings.WaveFile = "alarm.wav";
    Timed(1, ScheduleKind::Startup);
    MacroRecord& named = Timed(2, ScheduleKind::Daily);
    named.Nickname = "Mine";
    named.MacroKind = MacroKind::Window;
    named.ScopeText = "missing";
    MacroRecord& gone = Timed(3, ScheduleKind::Startup);
    gone.MacroKind = MacroKind::Window;
    gone.ScopeText = "missing";
    Timed(4, ScheduleKind::Startup).Enabled = 0;
    Timed(5, ScheduleKind::Startup);
    Build();
    scheduler->DoStartUpMacros(true, "mine");
    EXPECT_EQ(host.Log, (std::vector<std::string>{"run 2 s2", "wave alarm.wav", "run 1 s1",
                                                  "window MISSING", "wave alarm.wav", "run 5 s5"}));
    // A name no macro has is said; the start-up macros run all the same.
    host.Log.clear();
    scheduler->DoStartUpMacros(true, "Nobody");
    EXPECT_EQ(host.Log, (std::vector<std::string>{"no macro Nobody", "wave alarm.wav", "run 1 s1",
                                                  "window MISSING", "wave alarm.wav", "run 5 s5"}));
    // Start-up macros are never rows of the table.
    EXPECT_EQ(scheduler->Rows().size(), 1u);
}

}  // namespace
}  // namespace orv::player
