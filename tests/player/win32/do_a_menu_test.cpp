// "Choose A Macro" driven as the user would: a row's key, a double click in
// either list, Escape, and the buttons of icon mode with their hints.
#include "player/win32/forms/do_a_menu.h"

#include <gtest/gtest.h>

#include "common/win32/system_routines.h"
#include "player/win32/forms/cap_complete.h"
#include "tests/support/ui/form_picture.h"
#include "tests/support/ui/form_testing.h"

namespace orv::player {
namespace {

using orv::testing::ModalDriver;
using orv::testing::PressKey;
using orv::testing::TypeText;
using orv::testing::WriteFormPicture;

std::vector<MenuEntry> Entries(int n) {
    std::vector<MenuEntry> entries;
    for (int k = 0; k < n; ++k)
        entries.push_back({100 + k, "name " + std::to_string(k), "GLOBAL", "script", {}});
    return entries;
}

MenuOptions Mode(MenuMode mode) {
    MenuOptions options;
    options.Mode = mode;
    options.IconSize = 32;
    return options;
}

int Choose(ModalDriver& driver, int entries, MenuMode mode, std::function<void(TDoAMenu&)> step) {
    driver.Expect<TDoAMenu>(std::move(step));
    TDoAMenu menu(Entries(entries), Mode(mode), -1);
    menu.ShowModal();
    return menu.Answer;
}

TEST(DoAMenu, KeysChooseTheirRow) {
    ModalDriver driver;
    struct Case {
        const char* keys;
        int answer;
    };
    // "2" the third row, a letter from the eleventh on, any other key the
    // first; a key beyond the rows nothing.
    const Case cases[] = {{"2", 102}, {"b", 111}, {" ", 100}, {"zq2", 102}};
    for (const Case& c : cases) {
        EXPECT_EQ(Choose(driver, 20, MenuMode::NameAndScope,
                         [&](TDoAMenu& f) {
                             EXPECT_EQ(f.Caption(), "Choose A Macro");
                             TypeText(f, c.keys);
                         }),
                  c.answer)
            << c.keys;
    }
}

TEST(DoAMenu, EscapeAndCancelChooseNothing) {
    ModalDriver driver;
    EXPECT_EQ(
        Choose(driver, 3, MenuMode::NameAndScope, [](TDoAMenu& f) { PressKey(f, VK_ESCAPE); }), -1);
    EXPECT_EQ(Choose(driver, 3, MenuMode::ScriptText, [](TDoAMenu& f) { f.AbortButton.Click(); }),
              -1);
}

TEST(DoAMenu, TheRightListCountsFromEighteen) {
    ModalDriver driver;
    EXPECT_EQ(Choose(driver, 20, MenuMode::NameAndScope,
                     [](TDoAMenu& f) {
                         EXPECT_TRUE(f.Script2.Visible());
                         EXPECT_EQ(f.Script.Count(), 18);
                         EXPECT_EQ(f.Script2.Count(), 2);
                         EXPECT_EQ(f.ClientWidth(), 604);
                         EXPECT_EQ(f.Script2.GetBounds().Height, 42);
                         f.Script2.SetItemIndex(1);
                         f.Script2.OnDblClick();
                     }),
              119);
    EXPECT_EQ(Choose(driver, 3, MenuMode::NameAndScope,
                     [](TDoAMenu& f) {
                         EXPECT_FALSE(f.Script2.Visible());
                         EXPECT_EQ(f.ClientWidth(), 300);
                         f.Script.SetItemIndex(2);
                         f.Script.OnDblClick();
                     }),
              102);
}

TEST(DoAMenu, IconModeShowsAButtonPerEntry) {
    ModalDriver driver;
    EXPECT_EQ(Choose(driver, 8, MenuMode::Icons,
                     [](TDoAMenu& f) {
                         EXPECT_EQ(f.ClientWidth(), 288);
                         EXPECT_EQ(f.ClientHeight(), 58);
                         EXPECT_FALSE(f.Script.Visible());
                         ASSERT_EQ(f.SpeedButtons.size(), 8u);
                         EXPECT_EQ(f.SpeedButtons[7]->Hint(), "name 7");
                         EXPECT_EQ(f.SpeedButtons[7]->GetBounds().Left, 252);
                         TypeText(f, "1");
                         EXPECT_TRUE(f.IsOpen()) << "keys choose nothing in icon mode";
                         f.SpeedButtons[4]->OnClick();
                     }),
              104);
}

// Opened from a menu tray icon near either corner, the whole window, caption,
// frame and Cancel included, is on the screen.
TEST(DoAMenu, ATrayMenuLiesWhollyOnTheScreen) {
    ModalDriver driver;
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    for (const int trayX : {screenWidth - 5, 5}) {
        SCOPED_TRACE(trayX);
        driver.Expect<TDoAMenu>([&](TDoAMenu& f) {
            RECT window{}, cancel{};
            GetWindowRect(f.Handle(), &window);
            GetWindowRect(f.AbortButton.Handle(), &cancel);
            EXPECT_GE(window.left, 0);
            EXPECT_LE(window.right, screenWidth);
            EXPECT_EQ(window.bottom, screenHeight);
            EXPECT_LE(cancel.bottom, screenHeight);
            PressKey(f, VK_ESCAPE);
        });
        TDoAMenu menu(Entries(20), Mode(MenuMode::NameAndScope), trayX);
        menu.ShowModal();
    }
}

class NoSecondWindow final : public SecondWindow {
  public:
    void SetSecondWindow(HWND, bool) override {}
};

// The pictures of the menu and of "Capture Complete" beside the other forms'.
TEST(FormPictures, MenuAndCaptureForms) {
    const char* wanted = std::getenv("ORVANE_FORM_PICTURES");
    std::string folder = wanted && *wanted ? wanted : ProgramDir() + "\\form-pictures";
    CreateDirectoryA(folder.c_str(), nullptr);
    TDoAMenu menu(Entries(20), Mode(MenuMode::NameAndScope), -1);
    // One list leaves the message the least room.
    TDoAMenu oneList(Entries(5), Mode(MenuMode::NameAndScope), -1);
    EXPECT_TRUE(WriteFormPicture(oneList, folder + "\\TDoAMenu-one-list.bmp"));
    MacroRecord record;
    auto table = std::make_unique<HookTable>();
    SettingsBlock settings;
    NoSecondWindow second;
    TCapComplete complete(record, "NOTEPAD.EXE", *table, settings, second);
    const std::initializer_list<TForm*> forms = {&menu, &complete};
    for (TForm* form : forms) {
        std::string path = folder + "\\" + form->Name() + ".bmp";
        EXPECT_TRUE(WriteFormPicture(*form, path)) << path;
    }
    orv::testing::ClickEachRadioOf(forms);
}

}  // namespace
}  // namespace orv::player
