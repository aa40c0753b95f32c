#include "editor/shell/menu_builder_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>

#include "common/hotkeys.h"
#include "tests/editor/shell/memory_library.h"

namespace orv::editor {
namespace {

using Placement = MenuBuilderModel::Placement;

// Macros 1..count, macro 5 a system macro.
std::vector<ListMacro> Macros(int count) {
    std::vector<ListMacro> macros;
    for (int n = 1; n <= count; ++n)
        macros.push_back({n, static_cast<std::uint16_t>(n),
                          n == 5 ? MacroKind::System : MacroKind::Global, "",
                          "M" + std::to_string(n), "", 0, true});
    return macros;
}

std::vector<int> Numbers(const std::vector<ListMacro>& lines) {
    std::vector<int> numbers;
    for (const ListMacro& m : lines) numbers.push_back(m.Number);
    return numbers;
}

TEST(MenuBuilder, PlacingRemovingAndMovingMembers) {
    struct Case {
        const char* name;
        std::vector<int> stored;
        int menuLine, availableLine;
        std::function<void(MenuBuilderModel&)> act;
        std::vector<int> members, available;
        int menuIndex, availableIndex;
        std::vector<int> notOffered = {};  // macros moved away since they were listed
    };
    auto add = [](Placement p) { return [p](MenuBuilderModel& m) { EXPECT_TRUE(m.Add(p)); }; };
    auto remove = [](MenuBuilderModel& m) { EXPECT_TRUE(m.Remove()); };
    auto up = [](MenuBuilderModel& m) { m.MoveUp(); };
    auto down = [](MenuBuilderModel& m) { m.MoveDown(); };
    auto none = [](MenuBuilderModel&) {};
    const Case cases[] = {
        {"add to empty", {}, -1, 1, add(Placement::AtEnd), {2}, {1, 3, 4, 6}, 0, 1},
        {"before in empty", {}, -1, 0, add(Placement::Before), {1}, {2, 3, 4, 6}, 0, 0},
        {"after in empty, last line", {}, -1, 4, add(Placement::After), {6}, {1, 2, 3, 4}, 0, 3},
        {"add to three", {4, 2, 6}, 0, 0, add(Placement::AtEnd), {4, 2, 6, 1}, {3}, 3, 0},
        {"before the second", {4, 2, 6}, 1, 1, add(Placement::Before), {4, 3, 2, 6}, {1}, 1, 0},
        {"after the second", {4, 2, 6}, 1, 1, add(Placement::After), {4, 2, 3, 6}, {1}, 2, 0},
        {"after the last", {4, 2, 6}, 2, 0, add(Placement::After), {4, 2, 6, 1}, {3}, 3, 0},
        {"before, none selected",
         {4, 2, 6},
         -1,
         0,
         add(Placement::Before),
         {1, 4, 2, 6},
         {3},
         0,
         0},
        {"remove into number order", {4, 2, 6}, 0, -1, remove, {2, 6}, {1, 3, 4}, 0, 2},
        {"remove the last", {4, 2, 6}, 2, -1, remove, {4, 2}, {1, 3, 6}, 1, 2},
        {"remove the only", {3}, 0, -1, remove, {}, {1, 2, 3, 4, 6}, -1, 2},
        {"up at the top", {4, 2, 6}, 0, -1, up, {4, 2, 6}, {1, 3}, 0, -1},
        {"down at the bottom", {4, 2, 6}, 2, -1, down, {4, 2, 6}, {1, 3}, 2, -1},
        {"up", {4, 2, 6}, 2, -1, up, {4, 6, 2}, {1, 3}, 1, -1},
        {"down", {4, 2, 6}, 0, -1, down, {2, 4, 6}, {1, 3}, 1, -1},
        {"member 7 of 6 dropped", {7, 3, 0}, -1, -1, none, {3}, {1, 2, 4, 6}, -1, -1},
        {"a listed system macro stays", {5}, -1, -1, none, {5}, {1, 2, 3, 4, 6}, -1, -1},
        {"members stay the macros chosen when one before them is no longer offered",
         {1, 2, 3},
         -1,
         -1,
         none,
         {1, 3},
         {4, 6},
         -1,
         -1,
         {2}},
        {"a member no longer offered is dropped wherever it stands",
         {6, 4, 2},
         -1,
         -1,
         none,
         {6, 2},
         {1, 3},
         -1,
         -1,
         {4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<ListMacro> offered = Macros(6);
        std::erase_if(offered, [&](const ListMacro& m) {
            return std::ranges::find(c.notOffered, m.Number) != c.notOffered.end();
        });
        MenuBuilderModel model;
        model.FillIt(offered, c.stored);
        model.SelectInMenu(c.menuLine);
        model.SelectAvailable(c.availableLine);
        c.act(model);
        EXPECT_EQ(model.Members(), c.members);
        EXPECT_EQ(Numbers(model.Available()), c.available);
        EXPECT_EQ(model.MenuIndex(), c.menuIndex);
        EXPECT_EQ(model.AvailableIndex(), c.availableIndex);
    }
}

TEST(MenuBuilder, ButtonsFollowTheSelectionsAndTheLimit) {
    struct Case {
        const char* name;
        int macros, members, menuLine, availableLine;
        bool add, remove, up, down;
    };
    const Case cases[] = {
        {"nothing selected", 6, 0, -1, -1, false, false, false, false},
        {"an available line", 6, 0, -1, 0, true, false, false, false},
        {"the first of three", 6, 3, 0, -1, false, true, false, true},
        {"the last of three", 6, 3, 2, -1, false, true, true, false},
        {"the only member", 6, 1, 0, 2, true, true, false, false},
        {"35 members", 40, 35, -1, 0, true, false, false, false},
        {"36 members", 40, 36, -1, 0, false, false, false, false},
        {"nothing left", 4, 4, 0, 0, false, true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<int> stored;
        for (int n = 1; static_cast<int>(stored.size()) < c.members; ++n)
            if (n != 5)
                stored.push_back(n);
        MenuBuilderModel model;
        model.FillIt(Macros(c.macros), stored);
        model.SelectInMenu(c.menuLine);
        model.SelectAvailable(c.availableLine);
        const MenuBuilderModel::Enabling e = model.EnableDisable();
        EXPECT_EQ(e.Add, c.add);
        EXPECT_EQ(e.Remove, c.remove);
        EXPECT_EQ(e.Up, c.up);
        EXPECT_EQ(e.Down, c.down);
        EXPECT_EQ(model.Add(Placement::AtEnd), c.add);
    }
}

TEST(MenuBuilder, OptionCharactersReadAndWritten) {
    struct Case {
        const char* stored;
        bool tray;
        MenuDisplay display;
        int size;
        const char* written;
    };
    const Case cases[] = {
        {"Y30", true, MenuDisplay::NicknameAndScope, 0, "Y30"},
        {"N12", false, MenuDisplay::FirstPart, 2, "N12"},
        {"N29", false, MenuDisplay::Icons, 0, "N20"},
        {"Y74", true, MenuDisplay::NicknameAndScope, 4, "Y34"},
        {"", false, MenuDisplay::NicknameAndScope, 0, "N30"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        MacroRecord record;
        record.CuewordText = c.stored;
        const PopupMenuChoices choices = PopupMenuChoicesOf(record);
        EXPECT_EQ(choices.Tray, c.tray);
        EXPECT_EQ(choices.Display, c.display);
        EXPECT_EQ(choices.IconSize, c.size);
        EXPECT_EQ(MenuOptionText(choices), c.written);
    }
}

TEST(MenuBuilder, ANewMenuIsWrittenAsAnEnabledPopupWithItsMembers) {
    PopupMenuChoices choices;
    choices.Nickname = "Tools";
    choices.Tray = true;
    choices.Members = {4, 2};
    MacroRecord record = testing::Macro("", 88);
    record.Enabled = 0;
    record.SetScriptText("typed text that was here");
    WritePopupMenu(choices, true, record);
    std::array<std::uint8_t, MacroRecord::Size> bytes{};
    record.Encode(bytes);
    EXPECT_EQ(bytes[MacroRecord::MacroKindAt], MacroKind::PopupMenu);
    EXPECT_EQ(bytes[MacroRecord::EnabledAt], 1);
    EXPECT_EQ(record.CuewordText.str(), "Y30");
    EXPECT_EQ(record.IconName.str(), "MENU");
    EXPECT_EQ(record.ActivationCode, 88);
    EXPECT_EQ(std::vector<int>(bytes.begin() + 100, bytes.begin() + 108),
              (std::vector<int>{2, 0, 4, 0, 2, 0, 0, 0}));
    EXPECT_EQ(PopupMenuChoicesOf(record).Members, choices.Members);
}

TEST(MenuBuilder, TheTrayIsRebuiltOnlyForANewTrayMenuOrAChangedNicknameOrTrayBox) {
    auto choices = [](std::string nickname, bool tray, std::vector<int> members = {}) {
        PopupMenuChoices c;
        c.Nickname = std::move(nickname);
        c.Tray = tray;
        c.Members = std::move(members);
        return c;
    };
    struct Case {
        const char* name;
        bool isNew;
        PopupMenuChoices shown, saved;
        bool inTray;
    };
    const Case cases[] = {
        {"new in the tray", true, choices("", false), choices("", true), true},
        {"new, named", true, choices("", false), choices("Mine", false), true},
        {"new, plain", true, choices("", false), choices("", false), false},
        {"unchanged", false, choices("Mine", true), choices("Mine", true, {3}), false},
        {"renamed", false, choices("Mine", false), choices("Yours", false), true},
        {"tray box off", false, choices("Mine", true), choices("Mine", false), true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MenuInTrayAfter(c.isNew, c.shown, c.saved), c.inTray) << c.name;
}

TEST(MenuBuilder, QuickInfoOfATimedWindowMacro) {
    MacroRecord m = testing::Macro("Report", ActivationCode::Scheduled, MacroKind::Window);
    m.ScopeText = "Notepad";
    m.ScopeMatch = 0;
    m.Enabled = 0;
    m.ScheduleKind = 6;
    m.Minutes = 15;
    m.SetScriptText(std::string(120, 'x'));
    EXPECT_EQ(MenuQuickInfoText(m),
              "Timed Macro\n\nName: Report\n\nScope: Notepad \"Window\" (If Active)\n\n"
              "Active: No\n\nSchdedule: every 15 minutes\n\nMacro: " +
                  std::string(100, 'x'));
    MacroRecord menu = testing::Macro("Menu", 65, MacroKind::PopupMenu);
    menu.SetPopupMembers({1, 2});
    EXPECT_EQ(MenuQuickInfoText(menu),
              "Hot Key: " + KeyName(65) +
                  "\n\nName: Menu\n\nScope: Popup Menu\n\nActive: Yes\n\nMacro: ");
}

TEST(MenuBuilder, AChosenIconGoesIntoTheIconsFolderUnderANameOfAtMost12) {
    testing::TempFolder folder;
    const std::string icons = folder / "Icons";
    std::filesystem::create_directories(icons);
    auto write = [](const std::string& path, const char* bytes) { std::ofstream(path) << bytes; };
    write(folder / "SMILEYFACE.ICO", "smile");
    write(folder / "HAPPY.ICO", "happy");
    write(folder / "FROWN.ico", "frown");
    write(InFolder(icons, "HAPPY.ICO"), "other happy");
    write(InFolder(icons, "SAD.ICO"), "sad");
    write(InFolder(icons, "GRUMPYFACES.ICO"), "grumpy");

    using A = IconPlacement::Action;
    struct Case {
        std::string chosen;
        std::function<void()> before;
        A action;
        const char* name;
    };
    const Case cases[] = {
        {InFolder(icons, "SAD.ICO"), {}, A::UseInPlace, "SAD.ICO"},
        {folder / "FROWN.ico", {}, A::Copy, "FROWN.ico"},
        {folder / "HAPPY.ICO", {}, A::UseExisting, "HAPPY.ICO"},
        {folder / "SMILEYFACE.ICO", {}, A::Copy, "SMILEYFA.ICO"},
        {folder / "SMILEYFACE.ICO", [&] { write(InFolder(icons, "SMILEYFA.ICO"), "smile"); },
         A::UseInPlace, "SMILEYFA.ICO"},
        {folder / "SMILEYFACE.ICO", [&] { write(InFolder(icons, "SMILEYFA.ICO"), "other"); },
         A::Copy, "SMILEY01.ICO"},
        {InFolder(icons, "GRUMPYFACES.ICO"), {}, A::Copy, "GRUMPYFA.ICO"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        if (c.before)
            c.before();
        const IconPlacement placed = PlaceIcon(c.chosen, icons);
        EXPECT_EQ(placed.What, c.action);
        EXPECT_EQ(placed.Name, c.name);
    }
    EXPECT_TRUE(IsIconFileName("C:\\a\\x.ico"));
    EXPECT_FALSE(IsIconFileName("C:\\a\\x.bmp"));
    EXPECT_FALSE(IsIconFileName("ICO"));
}

}  // namespace
}  // namespace orv::editor
