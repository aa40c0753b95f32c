#include "player/cd_position.h"

#include <gtest/gtest.h>

#include <vector>

namespace orv::player {
namespace {

TEST(CdPositionTest, PackingKeepsEveryByte) {
    const CdPosition at{7, 3, 45, 62};
    EXPECT_EQ(PackTmsf(at), 0x3E2D0307u);
    EXPECT_EQ(UnpackTmsf(PackTmsf(at)), at);
}

TEST(CdPositionTest, StepsCarryAndBorrowAcrossTracks) {
    // Two short tracks between longer ones: 3:00, 0:10, 0:20, 2:00.
    const std::vector<std::uint32_t> disc{180, 10, 20, 120};
    struct Case {
        CdPosition from;
        std::int64_t seconds;
        CdPosition to;
    };
    const Case cases[] = {
        {{1, 2, 50, 9}, 5, {1, 2, 55, 9}},
        {{1, 2, 50, 9}, 45, {4, 0, 5, 9}},  // over both short tracks
        {{2, 0, 5, 0}, 3, {2, 0, 8, 0}},
        {{4, 1, 50, 9}, 100, {4, 1, 59, 0}},  // past the last track: its last second
        {{4, 0, 5, 9}, -45, {1, 2, 50, 9}},   // back over both short tracks
        {{4, 0, 5, 9}, -35, {2, 0, 0, 9}},
        {{2, 0, 5, 4}, -300, {1, 0, 0, 0}},  // before track 1: its start
        {{1, 0, 30, 4}, -31, {1, 0, 0, 0}},
        {{3, 0, 0, 1}, -1, {2, 0, 9, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.from.Track) + " " + std::to_string(c.seconds));
        EXPECT_EQ(StepPosition(c.from, c.seconds, disc), c.to);
    }
    EXPECT_EQ(StepPosition({1, 0, 0, 0}, 5, {}), (CdPosition{1, 0, 0, 0}));
}

}  // namespace
}  // namespace orv::player
