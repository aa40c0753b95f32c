#include "hook/hook_watch.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

// A fake of the two clocks: the system's last input and what the hooks saw.
struct Session {
    HookWatch watch;
    std::uint32_t now = 0;
    std::uint32_t lastInput = 0;

    void Input(bool hooksSeeIt) {
        now += 40;
        lastInput = now;
        if (hooksSeeIt)
            watch.Seen(now + 1);
    }
    bool Check() {
        now += HookWatch::CheckIntervalMs;
        if (!watch.HooksLost(lastInput, now))
            return false;
        watch.Seen(now);  // installed again
        return true;
    }
};

TEST(HookWatch, HooksThatStopSeeingInputWhileTheSystemHasSomeAreInstalledAgainOnce) {
    for (std::uint32_t start : {0u, 0xFFFFF000u}) {  // and across the tick count's wrap
        Session s;
        s.now = start;
        s.watch.Seen(start);
        s.Input(true);
        s.Input(true);
        EXPECT_FALSE(s.Check()) << "the hooks saw every input";
        EXPECT_FALSE(s.Check()) << "no input at all";
        s.Input(false);  // the system removed the hooks
        s.Input(false);
        EXPECT_TRUE(s.Check());
        EXPECT_FALSE(s.Check()) << "the same input again";
        s.Input(true);
        EXPECT_FALSE(s.Check());
    }
}

TEST(HookWatch, InputStillOnItsWayIsNotALoss) {
    HookWatch watch;
    watch.Seen(1000);
    EXPECT_FALSE(watch.HooksLost(5000, 5000 + HookWatch::InFlightMs - 1));
    EXPECT_TRUE(watch.HooksLost(5000, 5000 + HookWatch::InFlightMs));
    EXPECT_FALSE(watch.HooksLost(1000, 9000)) << "the input the hooks saw last";
}

}  // namespace
}  // namespace orv
