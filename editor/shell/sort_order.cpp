#include "editor/shell/sort_order.h"

namespace orv::editor {

std::string CheckedSortOrder(std::string_view order, std::string_view fallback) {
    const std::size_t n = fallback.size();
    if (order.size() != n)
        return std::string(fallback);
    std::array<bool, 10> seen{};
    for (char c : order) {
        if (c < '1' || c > static_cast<char>('0' + n) || seen[c - '0'])
            return std::string(fallback);
        seen[c - '0'] = true;
    }
    return std::string(order);
}

SortSettings CheckedSortSettings(std::string_view primary, std::string_view activation,
                                 std::string_view scope) {
    return {CheckedSortOrder(primary, DefaultPrimarySort),
            CheckedSortOrder(activation, DefaultActivationSort),
            CheckedSortOrder(scope, DefaultScopeSort)};
}

std::optional<std::string> HeaderSortOrder(int column) {
    switch (column) {
        case 2:
            return "132";
        case 3:
            return "213";
        case 4:
            return "321";
        default:
            return std::nullopt;
    }
}

MoveArrows MoveArrowsFor(int index, int count) {
    if (index < 0 || index >= count)
        return {};
    return {index > 0, index < count - 1};
}

}  // namespace orv::editor
