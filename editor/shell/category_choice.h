// The lines of the "Categories" dialog: every category but the head entry,
// sorted by name, each keeping its id so that the choice names exactly one
// category even when two share a name.
#pragma once

#include <vector>

#include "common/categories.h"

namespace orv::editor {

std::vector<Category> ChooseCategoryLines(const CategoryList& list);

inline constexpr const char* NoCategorySelectedMessage = "No category has been selected.";
inline constexpr const char* NoCategoryNameMessage = "No name has been entered for the category.";

}  // namespace orv::editor
