#include "common/ui/fit_text.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

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
