#include "editor/shell/category_choice.h"

#include <gtest/gtest.h>

namespace orv::editor {
namespace {

TEST(CategoryChoice, SortedWithoutTheHeadAndEachWithItsOwnId) {
    CategoryList list;
    list.Add("Work", 2);
    list.Add("Games", 3);
    list.Add("Mail", 4);
    list.Add("Games", 5);
    EXPECT_EQ(ChooseCategoryLines(list),
              (std::vector<Category>{{"Games", 3}, {"Games", 5}, {"Mail", 4}, {"Work", 2}}));
    EXPECT_TRUE(ChooseCategoryLines(CategoryList{}).empty());
}

}  // namespace
}  // namespace orv::editor
