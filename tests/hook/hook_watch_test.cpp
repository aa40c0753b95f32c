#include "hook/hook_watch.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

// A fake of the clocks: the system's last input of any kind, its key input
// as the hook thread hears of it, and what the hooks saw.
struct Session {
    HookedInput hooked = HookedInput::KeysAndMouse;
    HookWatch watch;
    std::uint32_t now = 0;
    std::uint32_t lastInput = 0;

    void Input(bool key, bool hooksSeeIt) {
        now += 40;
        lastInput = now;
        if (key)
            watch.KeyInput(now);
        if (hooksSeeIt)
            watch.Seen(now + 1);
    }
    bool Check() {
        now += HookWatch::CheckIntervalMs;
        if (!watch.HooksLost(hooked, lastInput, now))
            return false;
        watch.Seen(now);  // installed again
        return true;
    }
};

TEST(HookWatch, HooksThatStopSeeingInputWhileTheSystemHasSomeAreInstalledAgainOnce) {
    for (HookedInput hooked : {HookedInput::KeysAndMouse, HookedInput::Keys}) {
        for (std::uint32_t start : {0u, 0xFFFFF000u}) {  // and across the tick count's wrap
            Session s;
            s.hooked = hooked;
            s.now = start;
            s.watch.Seen(start);
            s.Input(true, true);
            s.Input(true, true);
            EXPECT_FALSE(s.Check()) << "the hooks saw every input";
            EXPECT_FALSE(s.Check()) << "no input at all";
            s.Input(true, false);  // the system removed the hooks
            s.Input(true, false);
            EXPECT_TRUE(s.Check());
            EXPECT_FALSE(s.Check()) << "the same input again";
            s.Input(true, true);
            EXPECT_FALSE(s.Check());
        }
    }
}

// The keyboard hook alone (hot keys, no recording) sees no mouse input,
// which moves the system's clock all the same: a minute of it is no loss.
TEST(HookWatch, AKeyboardHookAloneIsNotLostWhileTheUserOnlyUsesTheMouse) {
    Session s;
    s.hooked = HookedInput::Keys;
    s.now = 1000;
    s.watch.Seen(s.now);
    for (int check = 0; check < 30; ++check) {
        s.Input(false, false);
        EXPECT_FALSE(s.Check()) << "check " << check;
    }
    s.Input(true, false);
    EXPECT_TRUE(s.Check()) << "a key it missed";
}

TEST(HookWatch, InputStillOnItsWayIsNotALoss) {
    HookWatch watch;
    watch.Seen(1000);
    const auto both = HookedInput::KeysAndMouse;
    EXPECT_FALSE(watch.HooksLost(both, 5000, 5000 + HookWatch::InFlightMs - 1));
    EXPECT_TRUE(watch.HooksLost(both, 5000, 5000 + HookWatch::InFlightMs));
    EXPECT_FALSE(watch.HooksLost(both, 1000, 9000)) << "the input the hooks saw last";
}

}  // namespace
}  // namespace orv
