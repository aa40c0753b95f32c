#include "common/ui/form_geometry.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

// A screen of 800 x 600 whose taskbar takes its bottom 40 pixels.
constexpr ScreenRect WorkArea{0, 0, 800, 560};
// The same on a second monitor left of the primary one, taskbar on top.
constexpr ScreenRect LeftMonitorWorkArea{-1024, 40, 1024, 728};

TEST(KeptOnScreenTest, MovesAndShrinksOnlyWhatLeavesTheWorkArea) {
    struct Case {
        ScreenRect saved;
        ScreenRect area;
        ScreenRect kept;
        ScreenRect moved;  // placed by the program: never shrunk
    };
    const Case cases[] = {
        // On the work area: unchanged.
        {{10, 20, 300, 200}, WorkArea, {10, 20, 300, 200}, {10, 20, 300, 200}},
        // Beyond the right and bottom edges; the bottom is the taskbar's top.
        {{900, 700, 300, 200}, WorkArea, {500, 360, 300, 200}, {500, 360, 300, 200}},
        // Above and left of the screen.
        {{-50, -8, 300, 200}, WorkArea, {0, 0, 300, 200}, {0, 0, 300, 200}},
        // Larger than the work area: shrunk, or its caption shown.
        {{100, 100, 1000, 900}, WorkArea, {0, 0, 800, 560}, {0, 0, 1000, 900}},
        // Taller than the work area only: the screen's height is not the limit.
        {{0, 0, 300, 580}, WorkArea, {0, 0, 300, 560}, {0, 0, 300, 580}},
        // No size at all.
        {{100, 100, -5, 0}, WorkArea, {100, 100, 0, 0}, {100, 100, -5, 0}},
        // A work area that does not start at 0, 0.
        {{-2000, 0, 300, 200}, LeftMonitorWorkArea, {-1024, 40, 300, 200}, {-1024, 40, 300, 200}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.saved.Left << "," << c.saved.Top);
        EXPECT_EQ(KeptOnScreen(c.saved, c.area), c.kept);
        EXPECT_EQ(MovedOnto(c.saved, c.area), c.moved);
    }
}

TEST(KeptOnScreenTest, CentresOnTheWorkArea) {
    EXPECT_EQ(Centred(200, 100, WorkArea), (ScreenRect{300, 230, 200, 100}));
    EXPECT_EQ(Centred(200, 100, LeftMonitorWorkArea), (ScreenRect{-612, 354, 200, 100}));
    EXPECT_EQ(Centred(1000, 100, WorkArea).Left,
              -100);  // wider than the screen: centred all the same
}

}  // namespace
}  // namespace orv
