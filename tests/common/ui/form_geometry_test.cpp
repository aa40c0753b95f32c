#include "common/ui/form_geometry.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(KeptOnScreenTest, MovesAndShrinksOnlyWhatLeavesTheScreen) {
    struct Case {
        ScreenRect saved;
        ScreenRect kept;
    };
    const Case cases[] = {
        {{10, 20, 300, 200}, {10, 20, 300, 200}},      // on the screen: unchanged
        {{900, 700, 300, 200}, {500, 400, 300, 200}},  // beyond the right and bottom edges
        {{-50, -8, 300, 200}, {0, 0, 300, 200}},       // above and left of the screen
        {{100, 100, 1000, 900}, {0, 0, 800, 600}},     // larger than the screen
        {{100, 100, -5, 0}, {100, 100, 0, 0}},         // no size at all
    };
    for (const Case& c : cases) {
        ScreenRect kept = KeptOnScreen(c.saved, 800, 600);
        EXPECT_EQ(kept, c.kept) << c.saved.Left << "," << c.saved.Top;
    }
}

TEST(KeptOnScreenTest, CentresOnTheScreen) {
    EXPECT_EQ(Centred(200, 100, 800, 600), (ScreenRect{300, 250, 200, 100}));
    EXPECT_EQ(Centred(1000, 100, 800, 600).Left,
              -100);  // wider than the screen: centred all the same
}

}  // namespace
}  // namespace orv
