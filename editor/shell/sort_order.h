// The sort settings of the macro list: the three orders as the list applies
// them, the orders a click on a column header sets, and the names by which
// the sort order dialog shows and reads back the digits.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv::editor {

inline constexpr std::string_view DefaultPrimarySort = "123";
inline constexpr std::string_view DefaultActivationSort = "12345";
inline constexpr std::string_view DefaultScopeSort = "12345";

// order when it is a permutation of the digits 1..n, else fallback: a
// hand-edited value must never make a digit index past the tables.
std::string CheckedSortOrder(std::string_view order, std::string_view fallback);

struct SortSettings {
    std::string Primary{DefaultPrimarySort};
    std::string Activation{DefaultActivationSort};
    std::string Scope{DefaultScopeSort};
};

// The stored values, each checked.
SortSettings CheckedSortSettings(std::string_view primary, std::string_view activation,
                                 std::string_view scope);

// The "Primary Sort" a right click on the header of grid column column sets
// (2 activation, 3 nickname, 4 scope); none for the other columns.
std::optional<std::string> HeaderSortOrder(int column);

// The dialog's names of the digits 1..n of each order.
inline constexpr std::array<const char*, 3> PrimarySortNames = {"Activation", "Nickname", "Scope"};
inline constexpr std::array<const char*, 5> ActivationSortNames = {
    "Hot Key", "Cueword", "Timed Macro", "None", "Window Title"};
inline constexpr std::array<const char*, 5> ScopeSortNames = {
    "Global", "Specific Window", "Specific Program", "PopUp Menu", "System"};

// Which arrows of a list of count lines may move its selected line (index,
// -1 for none) up or down.
struct MoveArrows {
    bool Up = false;
    bool Down = false;
    bool operator==(const MoveArrows&) const = default;
};
MoveArrows MoveArrowsFor(int index, int count);

// The list lines of an order, first-ranked first.
template <std::size_t N>
std::vector<std::string> SortLines(std::string_view order,
                                   const std::array<const char*, N>& names) {
    std::vector<std::string> lines;
    for (char digit : order) lines.emplace_back(names[digit - '1']);
    return lines;
}

// The order the lines stand in; a line that names no digit adds none.
template <std::size_t N>
std::string SortOrderOfLines(const std::vector<std::string>& lines,
                             const std::array<const char*, N>& names) {
    std::string order;
    for (const std::string& line : lines)
        for (std::size_t d = 0; d < N; ++d)
            if (line == names[d]) {
                order += static_cast<char>('1' + d);
                break;
            }
    return order;
}

}  // namespace orv::editor
