#include "common/ui/accelerators.h"

#include <gtest/gtest.h>

#include <vector>

namespace orv {
namespace {

TEST(AcceleratorsTest, TheLetterAfterASingleAmpersandOfAVisibleTab) {
    struct Case {
        std::vector<AcceleratedTab> tabs;
        char letter;
        int expected;
    };
    const Case cases[] = {
        {{{"M&acros"}, {"&Quick Wizards"}}, 'a', 0},
        {{{"M&acros"}, {"&Quick Wizards"}}, 'Q', 1},
        {{{"M&acros"}, {"&Quick Wizards"}}, 'm', -1},  // M is not marked
        {{{"&&x"}, {"Fish &&&Chips"}}, 'x', -1},       // "&&" is an ampersand
        {{{"&&x"}, {"Fish &&&Chips"}}, 'c', 1},
        {{{"&Hidden", false}, {"&Help"}}, 'h', 1},  // a hidden tab is skipped
        {{{"&Hidden", false}}, 'h', -1},
        {{{"&One"}, {"&Other"}}, 'o', 0},  // the first of two
        {{{"Trailing&"}, {"None"}}, 0, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TabForAccelerator(c.tabs, c.letter), c.expected)
            << c.tabs[0].Caption << " / " << c.letter;
    EXPECT_EQ(AcceleratorOf("M&acros"), 'A');
    EXPECT_EQ(AcceleratorOf("&&x"), 0);
}

}  // namespace
}  // namespace orv
