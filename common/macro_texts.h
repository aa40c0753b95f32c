// How both programs name a macro's activation and its scope: in their lists,
// menus, print, listing and quick info.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/macro_record.h"

namespace orv {

// Where an activation is shown: the lists and the menus name a Cueword and a
// key bare, the print puts "Cueword: " before a Cueword, the listing also
// puts "Hot Key: " before a key's name.
enum class ActivationStyle { PickList, Print, Listing };

// Empty for a code that is neither a hot key nor one of the other kinds.
std::string ActivationText(std::uint16_t code, std::string_view cueword, ActivationStyle style);
std::string ActivationText(const MacroRecord& record, ActivationStyle style);

// Where a scope is shown, each place in its own words:
//   Menu           "GLOBAL", "Popup Menu", else the scope text bare
//   PickList       "GLOBAL", "POPUP MENU", else the scope text bare
//   MacroList      "GLOBAL", "Popup Menu", "SYSTEM", "Window: " or "Program: "
//                  and the text; empty for a kind of none
//   Print          as MacroList, the text followed by " (Top Most Only)" or
//                  " (If Running)"
//   Listing        "Scope: GLOBAL", "Scope: Popup Menu", "Scope: SYSTEM", else
//                  "Window: " or "Program: ", the text, ", Top Most Only" or
//                  ", If Active"
//   QuickInfo      "GLOBAL", "Popup Menu", "SYSTEM", else the text, "Window" or
//                  "Program" in quotes, " (Top Most Only)" or " (If Running)"
//   MenuQuickInfo  "Scope: " and as QuickInfo, but " (If Active)"
// Where a kind of none is not left empty it is worded as a program's.
enum class ScopeWording { Menu, PickList, MacroList, Print, Listing, QuickInfo, MenuQuickInfo };

// topMostOnly: a window or program macro counts only on the top-most window.
std::string ScopeText(std::int16_t kind, std::string_view scopeText, ScopeWording wording,
                      bool topMostOnly = false);
std::string ScopeText(const MacroRecord& record, ScopeWording wording);

}  // namespace orv
