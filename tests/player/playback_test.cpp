#include "player/playback.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/player/recording_host.h"

namespace orv::player {
namespace {

class PlaybackTest : public ::testing::Test {
  protected:
    testing::RecordingHost host;
    RunState state;
    Playback playback{host, state};
};

TEST_F(PlaybackTest, WaitsScaleWithTheSpeedExceptTheExactOne) {
    state.PlaybackSpeed = 0.333;
    playback.KeyDelay(100);  // truncated to whole milliseconds
    EXPECT_EQ(host.IdleMs, 33u);
    state.PlaybackSpeed = 0;
    playback.KeyDelay(100);
    playback.PauseFor(5);
    playback.TimedPauseFor(5);
    EXPECT_EQ(host.IdleMs, 33u);
    playback.PauseForNoSpeed(1.5);
    EXPECT_EQ(host.IdleMs, 1533u);
    // Nothing waits for a negative time, and a wait never runs backwards.
    state.PlaybackSpeed = 1;
    playback.KeyDelay(-50);
    playback.PauseFor(-3);
    EXPECT_EQ(host.IdleMs, 1533u);
}

TEST_F(PlaybackTest, AWaitEndsAtTheAbortAndPumpsMessagesThroughout) {
    int pumps = 0;
    host.OnPump = [&] {
        if (++pumps == 4)
            state.AbortFlag = true;
    };
    playback.WaitForTimer(3'600'000);
    EXPECT_EQ(pumps, 4);
    EXPECT_LT(host.IdleMs, 1000u);
    EXPECT_EQ(host.Trace, (std::vector<std::string>{"timer open", "timer close"}));
}

TEST_F(PlaybackTest, ScreenSizeIsNeverZero) {
    host.Screen = {0, -5};
    playback.GetSystemSize();
    EXPECT_EQ(state.ScreenWidth, 1);
    EXPECT_EQ(state.ScreenHeight, 1);
    playback.MouseMoveTo(10, 10);
    EXPECT_EQ(host.Trace.back(), "move 16384,16384");
}

// Absolute moves map onto the rectangle around every monitor: a pixel of a
// monitor left of or above the primary one is reachable; each lands on its
// own pixel whether the system rounds or truncates a x extent / 65536.
TEST_F(PlaybackTest, AbsoluteMovesReachEveryMonitor) {
    struct Case {
        double pixel;
        std::int32_t start, extent;
        std::int32_t absolute;
    };
    const Case cases[] = {
        {0, 0, 1280, 12},          // the primary screen's first pixel
        {1279, 0, 1280, 65497},    // and its last
        {5000, 0, 1280, 65497},    // beyond it: held at the edge
        {-1920, -1920, 3200, 5},   // a monitor left of the primary: its first pixel
        {-1, -1920, 3200, 39306},  // its last, beside the primary's first
        {0, -1920, 3200, 39326},   // the primary's first
        {-5000, -1920, 3200, 5},   // off the left monitor: its edge
        {10.9, 0, 0, 16384},       // no screen at all: one pixel
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.pixel << " on " << c.start << "+" << c.extent);
        const std::int32_t a = AbsoluteMouseCoordinate(c.pixel, c.start, c.extent);
        EXPECT_EQ(a, c.absolute);
        const std::int32_t length = std::max(c.extent, 1);
        const std::int32_t pixel =
            std::clamp(static_cast<std::int32_t>(c.pixel), c.start, c.start + length - 1);
        EXPECT_EQ(c.start + a * length / 65536, pixel) << "truncated";
        EXPECT_EQ(c.start + (a * length + 32768) / 65536, pixel) << "rounded";
    }
    host.Monitors = VirtualScreenArea{-1920, 0, 3200, 1024};
    playback.MouseMoveTo(-1, 10);
    EXPECT_EQ(host.Trace.back(), "move 39306,656");
    EXPECT_EQ(host.MoveFlags, MouseFlag::Absolute | MouseFlag::VirtualDesk | MouseFlag::Move);
}

// Modifiers the user holds (a hot key pressed again, Shift held while the
// macro types) never mix into the macro's characters: each keystroke goes
// without them, and they are back after it, each as the very key (left or
// right, AltGr's two), while the user still holds it.
TEST_F(PlaybackTest, TheUsersModifiersAreLetGoForEachKeystroke) {
    constexpr ModifierKeySet LeftCtrl = ModifierKeyBit(VKey::LeftControl),
                             RightCtrl = ModifierKeyBit(VKey::RightControl),
                             LeftShift = ModifierKeyBit(VKey::LeftShift),
                             RightShift = ModifierKeyBit(VKey::RightShift),
                             LeftAlt = ModifierKeyBit(VKey::LeftMenu),
                             AltGr = LeftCtrl | ModifierKeyBit(VKey::RightMenu);
    struct Case {
        ModifierKeySet user;
        const char* text;
        std::vector<std::string> trace;
        ModifierKeySet letGo = 0;  // during the keystroke
    };
    const Case cases[] = {
        {LeftCtrl, "a", {"u162", "d65", "u65", "d162"}},
        // Shift the character needs stays; Ctrl goes for it.
        {LeftCtrl | LeftShift, "A", {"u162", "d16", "d65", "u65", "u16", "d162"}},
        {LeftShift, "A", {"d16", "d65", "u65", "u16"}},
        {RightShift, "a", {"u161", "d65", "u65", "d161"}},
        {RightCtrl | LeftShift, "A", {"u163", "d16", "d65", "u65", "u16", "d163"}},
        // Letting go of Alt alone would open the window's menu.
        {LeftAlt, "1", {"d232", "u232", "u164", "d49", "u49", "d164"}},
        {AltGr, "a", {"d232", "u232", "u162", "u165", "d65", "u65", "d162", "d165"}},
        // One the user let go of meanwhile stays up; the other side comes back.
        {LeftCtrl, "a", {"u162", "d65", "u65"}, LeftCtrl},
        {LeftCtrl | RightCtrl,
         "ab",
         {"u162", "u163", "d65", "u65", "d162", "u162", "d66", "u66", "d162"},
         RightCtrl},
    };
    for (const Case& c : cases) {
        testing::RecordingHost user;
        Playback typing{user, state};
        user.UserModifiers = c.user;
        user.LetGoMeanwhile = c.letGo;
        HeldModifiers held;
        typing.TypeText(c.text, held);
        EXPECT_EQ(user.Trace, c.trace) << c.text;
    }
}

TEST_F(PlaybackTest, ReleasingEverythingLeavesNothingDownAndIsIdempotent) {
    HeldModifiers held;
    playback.TypeChar('A', held);  // releases its own Shift
    playback.PostVKey(VKey::Control, false);
    playback.PostVKey(VKey::Control, false);  // a second press needs no second release
    playback.MouseButton(MouseFlag::RightDown);
    playback.ReleaseEverything();
    EXPECT_TRUE(host.StillDown().empty());
    const std::size_t events = host.Trace.size();
    playback.ReleaseEverything();
    EXPECT_EQ(host.Trace.size(), events);
}

}  // namespace
}  // namespace orv::player
