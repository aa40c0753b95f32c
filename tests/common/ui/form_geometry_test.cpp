#include "common/ui/form_geometry.h"

#include <gtest/gtest.h>

#include "common/ui/fit_text.h"

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

TEST(FitTextTest, CutsFromTheEndWithoutAnEllipsis) {
    int measured = 0;
    auto fiveEach = [&measured](std::string_view s) {
        ++measured;
        return static_cast<int>(s.size()) * 5;
    };
    struct Case {
        const char* text;
        int width;
        const char* fitted;
    };
    const Case cases[] = {
        {"Macros", 30, "Macros"},
        {"Macros", 29, "Macro"},
        {"Macros", 5, "M"},
        {"Macros", 4, ""},
        {"", 0, ""},
        {"Macros", -1, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitText(c.text, c.width, fiveEach), c.fitted) << c.text << " in " << c.width;

    measured = 0;
    EXPECT_EQ(FitText(std::string(1000, 'x'), 50, fiveEach), std::string(10, 'x'));
    EXPECT_LT(measured, 15);  // halving, not one measurement per character
}

TEST(FitTextTest, FollowsTheMeasureOfWideCharacters) {
    auto wideW = [](std::string_view s) {
        int width = 0;
        for (char c : s) width += c == 'W' ? 10 : 3;
        return width;
    };
    EXPECT_EQ(FitText("aWWa", 15, wideW), "aW");
    EXPECT_EQ(FitText("Waaa", 9, wideW), "");
}

}  // namespace
}  // namespace orv
