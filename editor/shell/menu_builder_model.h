// What "Build Macro Menu" decides: which macros a pop-up menu lists and in
// what order, which of its buttons are open, how the menu's options are
// stored in the record, and where a chosen icon file goes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/macro_record.h"
#include "editor/shell/macro_list.h"

namespace orv::editor {

// A menu lists at most this many macros.
constexpr int MaxMenuMembers = 36;

// The two lists of the builder: the macros that may still go into the menu
// (in number order) and the menu's members (in menu order), each with the
// selected line (-1 for none).
class MenuBuilderModel {
  public:
    enum class Placement { AtEnd, Before, After };

    // FillIt: members not among the macros offered (numbers above the count,
    // or macros moved since) are dropped; system macros and members are not
    // available.
    void FillIt(std::vector<ListMacro> macros, const std::vector<int>& members);

    const std::vector<ListMacro>& Available() const { return available_; }
    const std::vector<ListMacro>& InMenu() const { return inMenu_; }
    int AvailableIndex() const { return availableIndex_; }
    int MenuIndex() const { return menuIndex_; }
    void SelectAvailable(int index);
    void SelectInMenu(int index);

    // AddALine: the selected available macro into the menu; false when no
    // available line is selected (or the menu is full).
    bool Add(Placement placement);
    // The selected member back into the available list, in number order;
    // false when no member is selected.
    bool Remove();
    // Exchange the selected member with its neighbour, which keeps the
    // selection; nothing at the ends.
    void MoveUp();
    void MoveDown();

    struct Enabling {
        bool Add = false;  // the three add buttons
        bool Remove = false, Up = false, Down = false;
    };
    Enabling EnableDisable() const;

    std::vector<int> Members() const;

  private:
    std::vector<ListMacro> available_;
    std::vector<ListMacro> inMenu_;
    int availableIndex_ = -1;
    int menuIndex_ = -1;
};

// What the menu shows of each macro (the second option character).
enum class MenuDisplay { FirstPart = 1, Icons = 2, NicknameAndScope = 3 };

// The icon sizes of the menu, by index.
inline constexpr const char* MenuIconSizes[] = {"16 x 16", "24 x 24", "32 x 32", "48 x 48",
                                                "64 x 64"};

inline constexpr const char* MenuIconName = "MENU";

// Everything the builder stores of a pop-up menu.
struct PopupMenuChoices {
    std::string Nickname;
    bool Tray = false;
    MenuDisplay Display = MenuDisplay::NicknameAndScope;
    int IconSize = 0;  // an index of MenuIconSizes
    std::string IconName = MenuIconName;
    std::vector<int> Members;

    friend bool operator==(const PopupMenuChoices&, const PopupMenuChoices&) = default;
};

// The menu stored in a record; an unknown display reads as nickname and
// scope, a size character outside "0".."4" as 0.
PopupMenuChoices PopupMenuChoicesOf(const MacroRecord& record);
// The three option characters: tray "Y"/"N", display, "0" + icon size.
std::string MenuOptionText(const PopupMenuChoices& choices);
// OK: the choices into the record as a pop-up menu (a new one enabled).
void WritePopupMenu(const PopupMenuChoices& choices, bool isNew, MacroRecord& record);
// Whether the player must rebuild its tray icons: a new menu with its own
// tray icon, or a nickname or tray box that differs from what was shown.
bool MenuInTrayAfter(bool isNew, const PopupMenuChoices& shown, const PopupMenuChoices& saved);

// The "Quick Info" box of a macro of either list, a paragraph apart.
std::string MenuQuickInfoText(const MacroRecord& macro);

// Where an icon file the user chose goes in the program's "Icons" folder.
// A stored icon name holds at most 12 characters, so a longer name is copied
// under a shorter one that no other icon there has.
struct IconPlacement {
    enum class Action {
        UseInPlace,   // already in the folder under a name that fits
        Copy,         // copy the chosen file to Name
        UseExisting,  // a different file of that name is there: open it instead
        NoRoom,       // no short name is left
    };
    Action What = Action::UseInPlace;
    std::string Name;
};
IconPlacement PlaceIcon(std::string_view chosenPath, std::string_view iconsFolder);
// True when the name ends in ".ICO", in any letter case.
bool IsIconFileName(std::string_view path);

}  // namespace orv::editor
