// The macro menu ("Choose A Macro") of pop-up-menu macros and of the
// top-window menu: its entries, its layout in each display mode, where it
// opens, the key of each row and the texts of its columns.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/hook_table.h"
#include "common/macro_record.h"

namespace orv::player {

// How a menu shows its entries: the first part of each entry's script, a
// grid of icon buttons, or each entry's nickname and scope.
enum class MenuMode { ScriptText = 1, Icons = 2, NameAndScope = 3 };

// The three option characters a menu macro keeps in its Cueword text.
struct MenuOptions {
    bool TrayIcon = false;
    MenuMode Mode = MenuMode::NameAndScope;
    int IconSize = 16;  // pixels
};
MenuOptions ReadMenuOptions(const std::string& cuewordText);

// The member macros of a menu record that exist: numbers above the library's
// macro count name no record and are left out.
std::vector<int> MenuEntries(const MacroRecord& menu, int macroCount);

// The most entries the top-window menu lists.
constexpr int MaxTopWindowEntries = 36;

// The top-window menu's entries: every macro of kind 2 whose scope text is in
// the foreground window's title and every macro of kind 3 whose scope text is
// in its program's name (upper-cased both), in file order; enabled or not.
std::vector<int> TopWindowEntries(const HookTable& table, const std::string& title,
                                  const std::string& program);

struct MenuBounds {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    friend bool operator==(const MenuBounds&, const MenuBounds&) = default;
};

constexpr int MenuRowHeight = 17;
constexpr int MenuRowsLeft = 18;  // rows of the left list before the right one starts

struct MenuLayout {
    int ClientWidth = 0, ClientHeight = 0;
    int AbortTop = 0;  // also the message label's, in the list modes
    // List modes: the two lists' heights; the right one 0 when hidden.
    int ScriptHeight = 0, Script2Height = 0;
    // Icon mode: each entry's button.
    std::vector<MenuBounds> Buttons;
};
MenuLayout LayOutMenu(MenuMode mode, int entries, int iconSize);

// Where the menu opens: centred on the screen, or, opened from a menu tray
// icon (trayX not -1), on the bottom of the screen at the click, turned to
// the left of it at the right edge, never left of 0.
struct MenuPlace {
    int Left = 0, Top = 0;
    friend bool operator==(const MenuPlace&, const MenuPlace&) = default;
};
MenuPlace PlaceMenu(int trayX, int width, int height, int screenWidth, int screenHeight);

// The entry a key chooses in the list modes: '0'..'9' and 'A'..'Z' (either
// case) give 0..35, any other key 0; -1 when that is beyond the entries.
int MenuKeyIndex(char key, int entries);
// The label of row index k: "0".."9", then "A" on.
std::string MenuRowLabel(int k);

// The name column of an entry: its nickname, or for a blank one what
// activates it.
std::string MenuEntryName(const std::string& nickname, std::uint16_t activation,
                          const std::string& cueword);

namespace MenuText {
inline constexpr const char* WarningCaption = "Warning";
inline constexpr const char* NoTopWindowMacros =
    "There are no macros defined with a specific window title or program name that match the "
    "current top most active window.";
}  // namespace MenuText

}  // namespace orv::player
