#include "player/wait_commands.h"

#include <gtest/gtest.h>

#include "player/interpreter.h"
#include "tests/player/fake_wait_desk.h"
#include "tests/player/recording_host.h"
#include "tests/player/sample_token.h"

namespace orv::player {
namespace {

using testing::FakeSignals;
using testing::NoWindows;
using testing::RecordingHost;
using Trace = std::vector<std::string>;

class WaitCommandsTest : public ::testing::Test, public testing::WaitingRun {
  protected:
    WaitCommandsTest() { host.FamiliesSet[FamilyId::Waits] = &waits; }
    void Run(std::string_view script) {
        ASSERT_TRUE(interpreter.RunMacro(script, RunOrigin::Unattended));
    }
    // An event that comes once the clock has passed a moment.
    void At(std::uint64_t ms, std::function<void()> event) {
        host.OnPump = [this, ms, event] {
            if (host.NowMs >= ms && event) {
                event();
                host.OnPump = {};
            }
        };
    }
};

constexpr std::uint64_t TenHours = 10ull * 3600 * 1000;

TEST_F(WaitCommandsTest, WaitsEndOnTheirEventAndGiveTheirByteBack) {
    struct Case {
        std::string script;
        std::function<void(WaitEvents&)> event;
        std::string byte;
    };
    const Case cases[] = {
        // No limit: outlasts ten hours.
        {"<WAITLM:000>", [](WaitEvents& e) { e.Click(1); }, "byte 0"},
        {"<WAITRM:001>", [](WaitEvents& e) { e.Click(2); }, "byte 0"},
        {"<WAITKEY:001:36>", [](WaitEvents& e) { e.LastKeySeen = 112; }, "byte 1"},
        {"<WAITTXTN:001:abc>",
         [](WaitEvents& e) {
             for (char c : std::string("xABC")) e.WaitTextChar(0, c);
         },
         "byte 2"},
        {"<WAITTXTY:001:aB>",
         [](WaitEvents& e) {
             for (char c : std::string("ab\baB")) e.WaitTextChar(0, c);
         },
         "byte 2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        signals.Calls.clear();
        host.Trace.clear();
        const bool unlimited = c.script.find(":000>") != std::string::npos;
        At(host.NowMs + (unlimited ? TenHours : 30'000), [this, &c] { c.event(waits.Events); });
        Run(c.script + "x");
        EXPECT_EQ(host.Typed(), "x");
        EXPECT_TRUE(host.Notices().empty());
        EXPECT_EQ(signals.Calls, (Trace{c.byte + "=1", c.byte + "=0"}));
    }
}

TEST_F(WaitCommandsTest, TimeOutsShowTheirNoticeAndAbort) {
    struct Case {
        std::string script;
        std::string notice;
    };
    const Case cases[] = {
        {"<WAITWIN:001:Later>",
         "Wait For Window Error: The Window Title of \"LATER\" did not appear within the "
         "specified time of 1 minutes.  Macro will abort."},
        {"<WAITWLF:002:Editor>",
         "Wait For Window Error: The Window Title of \"EDITOR\" did not lose focus within the "
         "specified time of 2 minutes.  Macro will abort."},
        {"<WAITPROG:001:notepad>",
         "Wait For Program To Terminate Error: The Program \"NOTEPAD\" did not terminate within "
         "the specified time of 1 minutes.  Macro will abort."},
        {"<WAITMM:001>",
         "Wait For Mouse Click Error: Middle click did not occur within the specified time of 1 "
         "minutes.  Macro will abort."},
        {"<WAITKEY:001:36>",
         "Wait For Key Press: The \"F1\" key was not pressed within the specified time of 1 "
         "minutes.  Macro will abort."},
        {"<WAITTXTY:001:abc>",
         "Wait For Text Error: Text \"abc\" was not typed within the specified time of 1 "
         "minutes.  Macro will abort."},
    };
    signals.ForegroundTitle = "Editor - notes";
    signals.Running = "NOTEPAD.EXE";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        host.Trace.clear();
        Run("y" + c.script + "x");
        // The waits that watch the foreground window let the keys played
        // before them arrive first: the marker.
        const bool watchesWindow = c.script.starts_with("<WAITW");
        EXPECT_EQ(host.Typed(), watchesWindow ? "y[43]" : "y");
        // The time-out's notice alone: no abort notice after it.
        EXPECT_EQ(host.Notices(), Trace{c.notice});
        EXPECT_TRUE(state.AbortFlag);
        EXPECT_EQ(signals.Bytes, (std::array<bool, 4>{}));
    }
}

// A wait with no limit can last for hours: the fine timer the timed wait
// before it asked for is given back meanwhile, and asked for again after.
TEST_F(WaitCommandsTest, AWaitWithNoLimitGivesTheFineTimerBack) {
    const std::uint64_t clickAt = host.NowMs + TenHours;
    int heldWhileUnlimited = -1;
    host.OnPump = [&] {
        if (signals.Bytes[0])
            heldWhileUnlimited = std::max(heldWhileUnlimited, host.FineTimerHeld);
        if (host.NowMs >= clickAt && signals.Bytes[0])
            waits.Events.Click(1);
    };
    Run("a<WAITTIME:00000001>b<WAITLM:000>c<WAITTIME:00000001>d");
    EXPECT_EQ(host.Typed(), "abcd");
    EXPECT_EQ(heldWhileUnlimited, 0);
    EXPECT_EQ(host.FineTimerAsks, 2);
    EXPECT_EQ(host.FineTimerHeld, 0);
}

TEST_F(WaitCommandsTest, AnAbortEndsAWaitAndGivesItsByteBack) {
    At(host.NowMs + 5000, [this] { state.AbortFlag = true; });
    Run("<WAITKEY:000:48>x");
    EXPECT_EQ(signals.Calls, (Trace{"byte 1=1", "byte 1=0"}));
    EXPECT_EQ(host.Typed(), "");
}

TEST_F(WaitCommandsTest, WaitWhileBusyPressesTheMarkerAndWaitsForItsAnswer) {
    signals.AnswerMarkerAtOnce = false;
    At(host.NowMs + 2000, [this] { signals.Bytes[3] = false; });
    Run("y<WAITPB>x");
    EXPECT_EQ(signals.Calls, (Trace{"byte 3=1", "clear wait timer", "byte 3=0"}));
    EXPECT_EQ(host.Keys(), (Trace{"d89", "u89", "d43", "u43", "d88", "u88"}));

    // Nothing played yet, or since the last answer: nothing to wait for.
    signals.AnswerMarkerAtOnce = true;
    signals.Calls.clear();
    host.Trace.clear();
    Run("<WAITPB>x<WAITPB><WAITPB>");
    EXPECT_EQ(signals.Calls, (Trace{"byte 3=1", "clear wait timer", "byte 3=0"}));
    // A window run as administrator came to the front: the marker would
    // never reach the hooks, so no wait for it; the run ends at the next key.
    signals.Calls.clear();
    host.Trace.clear();
    At(host.NowMs + 500, [this] { host.ElevatedTitle = "Admin"; });
    Run("y<DELAY:01.00><WAITPB>x");
    EXPECT_EQ(signals.Calls, Trace{});
    EXPECT_EQ(host.Typed(), "y");
    EXPECT_EQ(host.Notices().size(), 1u);
}

TEST_F(WaitCommandsTest, KeyNumbers) {
    EXPECT_EQ(WaitKeyOf(0)->VirtualKey, 'A');
    EXPECT_EQ(WaitKeyOf(35)->Name, "9");
    EXPECT_EQ(WaitKeyOf(36)->VirtualKey, 112);
    EXPECT_EQ(WaitKeyOf(36)->Name, "F1");
    EXPECT_EQ(WaitKeyOf(47)->Name, "F12");
    EXPECT_EQ(WaitKeyOf(53)->Name, "SHIFT");
    EXPECT_FALSE(WaitKeyOf(54));
    EXPECT_FALSE(WaitKeyOf(-1));
}

TEST_F(WaitCommandsTest, EveryCommandOfTheFamilyWaitsOnItsSignal) {
    const auto idle = testing::FormsThatDidNothing(
        FamilyId::Waits,
        [&](const std::string& token) {
            signals.Calls.clear();
            host.Trace.clear();
            state.AbortFlag = false;
            // A wait without a limit ends by an abort, as the user ends it.
            At(host.NowMs + TenHours, [this] { state.AbortFlag = true; });
            // Played first: there is something to wait for.
            Run("y" + token);
        },
        [&] { return !signals.Calls.empty() || !host.Notices().empty(); });
    EXPECT_TRUE(idle.empty()) << ::testing::PrintToString(idle);
}

}  // namespace
}  // namespace orv::player
