// What the main window's operations on macros decide before they touch a
// window or a file: the record a new macro starts from, the questions before a
// removal, the next category id and whether a nickname can name a desktop link.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "common/activation_kind.h"
#include "common/categories.h"
#include "common/date_time.h"
#include "common/hook_table.h"
#include "common/macro_record.h"
#include "common/settings.h"

namespace orv::editor {

// A macro that does not exist yet: the built-in icon, top-most window scope,
// the Cueword options of the settings, today's date for a schedule and no
// category. Every road that adds a macro starts here, never from the record
// last edited.
MacroRecord NewMacroRecord(const SettingsBlock& settings, DateTime now);

// The editors' activation kind of a stored activation code: 1 hot key,
// 2 timed, 3 Cueword, 6 none, 7 window title.
ActivationKind ActKindOf(std::uint16_t activation);

// Macro n has a hot key that another global, pop-up menu or system macro
// also has: the editors then keep it from being global.
bool SharesGlobalHotKey(const HookTable& table, int n);

// The first question before a macro is removed ("Delete", Yes/No).
std::string RemoveQuestion(std::uint16_t activation, std::string_view cueword);
// The second one, when a pop-up menu lists the macro.
std::string MenuMemberQuestion(std::uint16_t activation, std::string_view cueword);

// An id above every id in use, in the category file and in the macros, so a
// new category never collects the macros of a removed one.
std::int32_t NextCategoryId(const CategoryList& categories,
                            std::span<const std::uint32_t> macroCategories);

// Why macro `macro` (1-based) cannot be put on the desktop, or nothing: it
// needs a nickname of its own (compared upper-cased) that can name the link
// file and end the player's "/A" switch.
std::optional<std::string> DesktopLinkRefusal(int macro, std::span<const std::string> nicknames);

inline constexpr const char* DesktopLinkAdded = "DeskTop Icon Added.";

}  // namespace orv::editor
