#include "editor/shell/sort_order.h"

#include <gtest/gtest.h>

namespace orv::editor {
namespace {

TEST(SortOrder, OnlyAPermutationOfTheDigitsIsTaken) {
    struct Row {
        const char* value;
        std::string_view fallback;
        const char* expected;
    };
    const Row rows[] = {
        {"132", DefaultPrimarySort, "132"},   {"9", DefaultPrimarySort, "123"},
        {"12", DefaultPrimarySort, "123"},    {"1124", DefaultPrimarySort, "123"},
        {"124", DefaultPrimarySort, "123"},   {"", DefaultPrimarySort, "123"},
        {"51234", DefaultScopeSort, "51234"}, {"1124", DefaultScopeSort, "12345"},
        {"12346", DefaultScopeSort, "12345"}, {"1234", DefaultScopeSort, "12345"},
        {"11345", DefaultScopeSort, "12345"}, {"12:45", DefaultScopeSort, "12345"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CheckedSortOrder(row.value, row.fallback), row.expected) << row.value;
}

TEST(SortOrder, HeaderColumnsSetThePrimaryOrder) {
    EXPECT_EQ(HeaderSortOrder(2), "132");
    EXPECT_EQ(HeaderSortOrder(3), "213");
    EXPECT_EQ(HeaderSortOrder(4), "321");
    EXPECT_FALSE(HeaderSortOrder(0));
    EXPECT_FALSE(HeaderSortOrder(1));
    EXPECT_FALSE(HeaderSortOrder(5));
}

TEST(SortOrder, ArrowsMoveTheSelectedLineOnlyWhereItCanGo) {
    EXPECT_EQ(MoveArrowsFor(-1, 5), (MoveArrows{false, false}));
    EXPECT_EQ(MoveArrowsFor(0, 5), (MoveArrows{false, true}));
    EXPECT_EQ(MoveArrowsFor(2, 5), (MoveArrows{true, true}));
    EXPECT_EQ(MoveArrowsFor(4, 5), (MoveArrows{true, false}));
    EXPECT_EQ(MoveArrowsFor(0, 1), (MoveArrows{false, false}));
}

TEST(SortOrder, DialogLinesRoundTrip) {
    std::vector<std::string> lines = SortLines("51234", ScopeSortNames);
    EXPECT_EQ(lines.front(), "System");
    EXPECT_EQ(SortOrderOfLines(lines, ScopeSortNames), "51234");
    std::swap(lines[0], lines[1]);
    EXPECT_EQ(SortOrderOfLines(lines, ScopeSortNames), "15234");
    EXPECT_EQ(SortOrderOfLines(SortLines("213", PrimarySortNames), PrimarySortNames), "213");
}

}  // namespace
}  // namespace orv::editor
