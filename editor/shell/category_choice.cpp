#include "editor/shell/category_choice.h"

#include <algorithm>

namespace orv::editor {

std::vector<Category> ChooseCategoryLines(const CategoryList& list) {
    std::vector<Category> lines;
    for (const Category& c : list.Entries())
        if (c.Id != 0)
            lines.push_back(c);
    std::stable_sort(lines.begin(), lines.end(),
                     [](const Category& a, const Category& b) { return a.Name < b.Name; });
    return lines;
}

}  // namespace orv::editor
