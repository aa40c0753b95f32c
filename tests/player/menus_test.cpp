#include "player/menus.h"

#include <gtest/gtest.h>

#include "common/hotkeys.h"
#include "common/macro_texts.h"

namespace orv::player {
namespace {

TEST(Menus, OptionsFromTheCuewordText) {
    const MenuOptions icons = ReadMenuOptions("Y22");
    EXPECT_TRUE(icons.TrayIcon);
    EXPECT_EQ(icons.Mode, MenuMode::Icons);
    EXPECT_EQ(icons.IconSize, 32);
    const MenuOptions other = ReadMenuOptions("N19");
    EXPECT_FALSE(other.TrayIcon);
    EXPECT_EQ(other.Mode, MenuMode::ScriptText);
    EXPECT_EQ(other.IconSize, 16);
    EXPECT_EQ(ReadMenuOptions("").Mode, MenuMode::NameAndScope);
    EXPECT_EQ(ReadMenuOptions("N34").IconSize, 64);
}

TEST(Menus, Layouts) {
    struct Case {
        MenuMode mode;
        int entries, iconSize;
        int width, height, abortTop, script, script2;
    };
    const Case cases[] = {
        {MenuMode::Icons, 8, 32, 288, 58, 37, 0, 0},
        {MenuMode::Icons, 3, 16, 80, 42, 21, 0, 0},
        {MenuMode::Icons, 10, 16, 180, 62, 41, 0, 0},
        {MenuMode::NameAndScope, 3, 16, 300, 101, 80, 59, 0},
        {MenuMode::ScriptText, 18, 16, 300, 356, 335, 314, 0},
        {MenuMode::NameAndScope, 20, 16, 604, 356, 335, 314, 42},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entries);
        const MenuLayout l = LayOutMenu(c.mode, c.entries, c.iconSize);
        EXPECT_EQ(l.ClientWidth, c.width);
        EXPECT_EQ(l.ClientHeight, c.height);
        EXPECT_EQ(l.AbortTop, c.abortTop);
        EXPECT_EQ(l.ScriptHeight, c.script);
        EXPECT_EQ(l.Script2Height, c.script2);
    }
    const MenuLayout grid = LayOutMenu(MenuMode::Icons, 10, 32);
    ASSERT_EQ(grid.Buttons.size(), 10u);
    EXPECT_EQ(grid.Buttons[7], (MenuBounds{252, 0, 36, 36}));
    EXPECT_EQ(grid.Buttons[9], (MenuBounds{0, 36, 36, 36}));
}

TEST(Menus, Placement) {
    EXPECT_EQ(PlaceMenu(-1, 300, 100, 1024, 768), (MenuPlace{362, 334}));
    EXPECT_EQ(PlaceMenu(500, 300, 100, 1024, 768), (MenuPlace{500, 668}));
    // At the right edge it turns to the left of the click, never past 0.
    EXPECT_EQ(PlaceMenu(900, 300, 100, 1024, 768), (MenuPlace{600, 668}));
    EXPECT_EQ(PlaceMenu(900, 1000, 100, 1024, 768), (MenuPlace{0, 668}));
}

TEST(Menus, KeysAndRowLabels) {
    const std::pair<char, int> keys[] = {{'0', 0}, {'9', 9}, {'a', 10}, {'J', 19},
                                         {' ', 0}, {'#', 0}, {'K', -1}, {'z', -1}};
    for (auto [key, index] : keys) EXPECT_EQ(MenuKeyIndex(key, 20), index) << key;
    EXPECT_EQ(MenuKeyIndex('3', 3), -1) << "beyond the entries";
    EXPECT_EQ(MenuRowLabel(0), "0");
    EXPECT_EQ(MenuRowLabel(9), "9");
    EXPECT_EQ(MenuRowLabel(10), "A");
    EXPECT_EQ(MenuRowLabel(19), "J");
}

TEST(Menus, ColumnTexts) {
    EXPECT_EQ(MenuEntryName("Sign", 5, ""), "Sign");
    EXPECT_EQ(MenuEntryName(" ", ActivationCode::None, ""), "None");
    EXPECT_EQ(MenuEntryName("", ActivationCode::WindowTitle, ""), "Window Title");
    EXPECT_EQ(MenuEntryName("", ActivationCode::Scheduled, ""), "Timed Macro");
    EXPECT_EQ(MenuEntryName("", ActivationCode::Cueword, "sig"), "sig");
    EXPECT_EQ(MenuEntryName("", 5, ""), KeyName(5));
    EXPECT_EQ(ScopeText(MacroKind::Global, "x", ScopeWording::Menu), "GLOBAL");
    EXPECT_EQ(ScopeText(MacroKind::PopupMenu, "x", ScopeWording::Menu), "Popup Menu");
    EXPECT_EQ(ScopeText(MacroKind::Window, "Notepad", ScopeWording::Menu), "Notepad");
}

TEST(Menus, EntriesThatExist) {
    MacroRecord menu;
    menu.SetPopupMembers({2, 7, 3});
    EXPECT_EQ(MenuEntries(menu, 5), (std::vector<int>{2, 3}));
}

TEST(Menus, TopWindowEntriesByTitleAndProgram) {
    HookTable table;
    table.SetMacroCount(5);
    table.SetEntry(1, {.Kind = MacroKind::Window, .ScopeText = "alpha pad"});
    table.SetEntry(2, {.Kind = MacroKind::Window, .ScopeText = "Gamma"});
    table.SetEntry(3, {.Kind = MacroKind::Program, .ScopeText = "notepad", .Enabled = false});
    table.SetEntry(4, {.Kind = MacroKind::Global, .ScopeText = ""});
    table.SetEntry(5, {.Kind = MacroKind::Window, .ScopeText = "Pad"});
    EXPECT_EQ(TopWindowEntries(table, "Alpha Pad - Editor", "C:\\NOTEPAD.EXE"),
              (std::vector<int>{1, 3, 5}));
    EXPECT_TRUE(TopWindowEntries(table, "Other", "other.exe").empty());
    table.SetMacroCount(45);
    for (int i = 6; i <= 45; ++i) table.SetEntry(i, {.Kind = MacroKind::Window, .ScopeText = "x"});
    EXPECT_EQ(TopWindowEntries(table, "x", "").size(),
              static_cast<std::size_t>(MaxTopWindowEntries));
}

}  // namespace
}  // namespace orv::player
