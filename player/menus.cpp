#include "player/menus.h"

#include <algorithm>

#include "common/macro_texts.h"
#include "common/string_routines.h"

namespace orv::player {
namespace {

constexpr int IconsPerRow = 9;
constexpr int ButtonMargin = 4;
constexpr int SingleListWidth = 300, DoubleListWidth = 604;
constexpr int LeftListHeight = 314;
constexpr int BelowLists = 42, BelowIcons = 22, ButtonRoom = 21;
constexpr int KeyedEntries = 36;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace

MenuOptions ReadMenuOptions(const std::string& cuewordText) {
    auto at = [&](std::size_t i) { return i < cuewordText.size() ? cuewordText[i] : '\0'; };
    MenuOptions options;
    options.TrayIcon = at(0) == 'Y';
    options.Mode = at(1) == '1'   ? MenuMode::ScriptText
                   : at(1) == '2' ? MenuMode::Icons
                                  : MenuMode::NameAndScope;
    static constexpr int Sizes[] = {16, 24, 32, 48, 64};
    const char size = at(2);
    options.IconSize = size >= '0' && size <= '4' ? Sizes[size - '0'] : 16;
    return options;
}

std::vector<int> MenuEntries(const MacroRecord& menu, int macroCount) {
    std::vector<int> entries = menu.PopupMembers();
    std::erase_if(entries, [&](int n) { return n > macroCount; });
    return entries;
}

std::vector<int> TopWindowEntries(const HookTable& table, const std::string& title,
                                  const std::string& program) {
    const std::string upperTitle = UpperAscii(title);
    const std::string upperProgram = UpperAscii(program);
    std::vector<int> entries;
    for (int i = 1; i <= table.EntryCount() && entries.size() < MaxTopWindowEntries; ++i) {
        const MacroEntry entry = table.Entry(i);
        const std::string scope = UpperAscii(entry.ScopeText);
        if ((entry.Kind == MacroKind::Window && Contains(upperTitle, scope)) ||
            (entry.Kind == MacroKind::Program && Contains(upperProgram, scope)))
            entries.push_back(i);
    }
    return entries;
}

MenuLayout LayOutMenu(MenuMode mode, int entries, int iconSize) {
    MenuLayout layout;
    entries = std::max(entries, 0);
    if (mode == MenuMode::Icons) {
        const int cell = iconSize + ButtonMargin;
        const int rows = (entries + IconsPerRow - 1) / IconsPerRow;
        layout.ClientHeight = rows * cell + BelowIcons;
        const int columns = entries > 8 ? IconsPerRow : entries > 3 ? entries : 4;
        layout.ClientWidth = columns * cell;
        for (int k = 0; k < entries; ++k)
            layout.Buttons.push_back(
                {(k % IconsPerRow) * cell, (k / IconsPerRow) * cell, cell, cell});
    } else if (entries <= MenuRowsLeft) {
        layout.ScriptHeight = entries * MenuRowHeight + 8;
        layout.ClientWidth = SingleListWidth;
        layout.ClientHeight = layout.ScriptHeight + BelowLists;
    } else {
        layout.ScriptHeight = LeftListHeight;
        layout.Script2Height = entries * MenuRowHeight - 298;
        layout.ClientWidth = DoubleListWidth;
        layout.ClientHeight = layout.ScriptHeight + BelowLists;
    }
    layout.AbortTop = layout.ClientHeight - ButtonRoom;
    return layout;
}

MenuPlace PlaceMenu(int trayX, int width, int height, int screenWidth, int screenHeight) {
    if (trayX == -1)
        return {(screenWidth - width) / 2, (screenHeight - height) / 2};
    int left = trayX + width > screenWidth ? trayX - width : trayX;
    return {std::max(left, 0), screenHeight - height};
}

int MenuKeyIndex(char key, int entries) {
    const char upper = UpperAscii(key);
    const int index = upper >= '0' && upper <= '9'   ? upper - '0'
                      : upper >= 'A' && upper <= 'Z' ? upper - 'A' + 10
                                                     : 0;
    return index < std::min(entries, KeyedEntries) ? index : -1;
}

std::string MenuRowLabel(int k) {
    return std::string(1, static_cast<char>(k <= 9 ? '0' + k : 'A' + (k - 10)));
}

std::string MenuEntryName(const std::string& nickname, std::uint16_t activation,
                          const std::string& cueword) {
    if (!TrimStr(nickname).empty())
        return nickname;
    return ActivationText(activation, cueword, ActivationStyle::PickList);
}

}  // namespace orv::player
