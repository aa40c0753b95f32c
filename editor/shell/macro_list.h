// The macro list of the editor's main window: which macros its rows show and
// in what order, the texts of a row, and the type-ahead search over them.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/hook_table.h"
#include "common/settings.h"
#include "editor/shell/sort_order.h"

namespace orv::editor {

// One macro as the list shows it.
struct ListMacro {
    int Number = 0;
    std::uint16_t Activation = 0;
    std::int16_t Kind = 0;  // the scope kind
    std::string ScopeText;
    std::string Nickname;
    std::string CuewordText;
    std::uint32_t CategoryId = 0;
    bool Enabled = false;
};

// Macro n as the editor's tables show it.
ListMacro ListMacroOf(const SettingsBlock& settings, const HookTable& table, int n);
// Macros 1..count from the editor's tables.
std::vector<ListMacro> ListMacrosOf(const SettingsBlock& settings, const HookTable& table);

// Whether two lines show the same macro: its kind, activation, scope,
// Cueword, category and (but for a system macro, whose shown name is the
// program's own) its nickname. Neither its number, which a delete before it
// changes, nor whether it is enabled tells what the macro is.
bool ShowsSameMacro(const ListMacro& a, const ListMacro& b);

// The activation column: the hot key's name, "Timed Macro", the Cueword,
// "None" or "Window Title"; empty for a code of no kind.
std::string ActivationText(const ListMacro& macro);

// Grid row r (1..) shows macro RowMacro(r); row 0 is the header.
class MacroListModel {
  public:
    // Takes the macros of category filter (0: all), in the sort order (an
    // order that is no permutation counts as the default).
    void FillList(std::vector<ListMacro> macros, std::uint32_t filter, const SortSettings& sort);

    bool Empty() const { return rows_.empty(); }
    // The header and the rows; one blank row when the list is empty.
    int RowCount() const { return Empty() ? 2 : static_cast<int>(rows_.size()) + 1; }
    // The macro of row r, or nullptr for the header, a blank or a missing row.
    const ListMacro* RowMacro(int row) const;
    // The first row that shows the macro, or -1.
    int ReverseSort(int macroNumber) const;
    // The row nearest to row among the rows there are.
    int NearestRow(int row) const { return std::clamp(row, 1, RowCount() - 1); }
    // After a refill, the row that shows shown, the macro formerRow showed
    // before. Two macros may show alike (a copy without an activation), so
    // the nearest row whose macro isShown tells to be that very macro (its
    // record as read) wins; else the row alike at its number, else the
    // nearest row alike, else (it has gone) the nearest row.
    int RowShowing(const ListMacro& shown, int formerRow,
                   const std::function<bool(const ListMacro& line)>& isShown) const;
    // The first row whose activation text, upper-cased, starts with search;
    // -1 for none or an empty search.
    int DoSearchIt(std::string_view search) const;

  private:
    std::vector<ListMacro> rows_;
};

// The characters typed into the list since the last reset.
class TypeAhead {
  public:
    void Clear() { text_.clear(); }
    // Tab, line feed, Enter and Escape clear; Backspace takes the last
    // character back; any other character is appended upper-cased.
    const std::string& Type(char c);
    const std::string& Text() const { return text_; }

  private:
    std::string text_;
};

}  // namespace orv::editor
