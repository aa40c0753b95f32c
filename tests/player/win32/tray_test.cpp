// The tray as the user meets it: the icons of the menu macros, the main
// icon's menu read back from the real pop-up menu window and chosen from by
// its letters.
#include "player/win32/tray.h"

#include <gtest/gtest.h>

#include <functional>

#include "common/hotkeys.h"
#include "common/macro_record.h"
#include "common/ui/win32/about_box.h"
#include "common/win32/icons.h"
#include "tests/support/ui/form_testing.h"

namespace orv::player {
namespace {

class RecordingTrayHost final : public TrayHost {
  public:
    bool MacroRunning() override { return Running; }
    void AbortRun() override { Calls.push_back("abort"); }
    bool CanDoMenu() override { return true; }
    void ActivateMe() override { Calls.push_back("editor"); }
    void ReinstallHooks() override { Calls.push_back("hooks"); }
    void EndCapture() override { Calls.push_back("end capture"); }
    void RunMenuIcon(int macro, int x) override {
        Calls.push_back("menu " + std::to_string(macro) + " at " + std::to_string(x));
    }
    void Terminate() override { Calls.push_back("terminate"); }

    bool Running = false;
    std::vector<std::string> Calls;
};

// Runs inside the menu's own loop once its window shows: the items, the
// submenu's after its own, then the keys that choose.
struct MenuReader {
    static inline std::vector<std::string> Items;
    static inline std::vector<std::pair<UINT, WPARAM>> Keys;

    static void Read(HMENU menu) {
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            char text[100] = {};
            GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
            Items.push_back(*text ? text : "-");
            if (HMENU sub = GetSubMenu(menu, i))
                Read(sub);
        }
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
        HWND window = FindWindowA("#32768", nullptr);
        if (!window || !IsWindowVisible(window))
            return;
        KillTimer(nullptr, id);
        Read(reinterpret_cast<HMENU>(SendMessageA(window, MN_GETHMENU, 0, 0)));
        for (auto [message, key] : Keys) PostMessageA(window, message, key, 0);
    }
};

class TrayTest : public ::testing::Test {
  protected:
    TrayTest() {
        owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                nullptr, nullptr);
    }
    ~TrayTest() override { DestroyWindow(owner); }

    // The main icon's menu opened by a right click on it, chosen from by keys.
    void RightClickAndChoose(std::vector<std::pair<UINT, WPARAM>> keys) {
        MenuReader::Items.clear();
        MenuReader::Keys = std::move(keys);
        SetTimer(nullptr, 0, 50, MenuReader::Tick);
        HWND icon = FindWindowA("OrvaneTaskIcon", TrayText::Title);
        ASSERT_NE(icon, nullptr);
        SendMessageA(icon, WM_USER, 0, WM_RBUTTONUP);
    }

    SettingsBlock settings;
    HookTable table;
    RecordingTrayHost host;
    HWND owner;
    PlayerTray tray{settings, table, host};
};

TEST_F(TrayTest, SixteenTrayMenusGiveFifteenIconsWithTheirNicknamesAndMacroNumbers) {
    for (int i = 1; i <= 18; ++i) {
        // Macro 2 is no menu and macro 3 wants no icon: 16 menus want one.
        table.SetEntry(i, {i == 2 ? MacroKind::Global : MacroKind::PopupMenu, "", true,
                           ActivationCode::None, 0});
        settings.CuewordText[i] = "Y13";
        settings.Nickname[i] = "menu " + std::to_string(i);
        settings.Icon[i] = {IconChoice::Source::Menu, {}};
    }
    settings.CuewordText[3] = "N13";
    settings.Icon[1] = {IconChoice::Source::File, "C:\\no such folder\\gone.ico"};
    table.SetMacroCount(18);
    tray.DoMenuTaskIcon();

    const auto& icons = tray.MenuIcons();
    ASSERT_EQ(icons.size(), 15u);
    EXPECT_EQ(icons[0]->TaskIconID(), 1);
    EXPECT_EQ(icons[1]->TaskIconID(), 4);
    EXPECT_EQ(icons[14]->TaskIconID(), 17);
    EXPECT_EQ(icons[14]->ToolTip(), "menu 17");
    for (const auto& icon : icons) EXPECT_EQ(icon->Icon(), LoadProgramIcon(OrvaneIcon::Menu, true));

    // A right click on a menu icon runs its macro at the click.
    SendMessageA(FindWindowA("OrvaneTaskIcon", "menu 4"), WM_USER, 4, WM_RBUTTONUP);
    ASSERT_EQ(host.Calls.size(), 1u);
    EXPECT_EQ(host.Calls[0].rfind("menu 4 at ", 0), 0u);
    tray.ClearMenuTaskIcon();
    EXPECT_EQ(FindWindowA("OrvaneTaskIcon", "menu 4"), nullptr);
}

TEST_F(TrayTest, TheMainIconsMenuListsItsItemsInOrderAndRunsTheChosenOne) {
    tray.DoTaskIcon(owner);
    // "&Tools" and "&Terminate Orvane" share their letter: the last item.
    RightClickAndChoose({{WM_KEYDOWN, VK_UP}, {WM_KEYDOWN, VK_RETURN}});
    EXPECT_EQ(MenuReader::Items, (std::vector<std::string>{
                                     "&Open Editor", "&Tools", "&Restore Keyboard and Mouse Hooks",
                                     "&Launch Mouse Locator", "&Help", "&About", "-",
                                     "&Orvane Home Page", "-", "&Terminate Orvane"}));
    EXPECT_EQ(host.Calls, std::vector<std::string>{"terminate"});

    orv::testing::ModalDriver driver;
    driver.Expect<TAboutBox>([&](TAboutBox& about) {
        EXPECT_EQ(about.Caption(), "About");
        EXPECT_EQ(about.ProductName.Text(), "Orvane Player");
        // The menu again while the box shows: no second box.
        RightClickAndChoose({{WM_CHAR, 'a'}});
        about.Close(IDOK);
    });
    RightClickAndChoose({{WM_CHAR, 'a'}});
    // The hooks, from the submenu.
    RightClickAndChoose({{WM_KEYDOWN, VK_DOWN},
                         {WM_KEYDOWN, VK_DOWN},
                         {WM_KEYDOWN, VK_RIGHT},
                         {WM_KEYDOWN, VK_RETURN}});

    // During a run the right click aborts it instead.
    host.Running = true;
    SendMessageA(FindWindowA("OrvaneTaskIcon", TrayText::Title), WM_USER, 0, WM_RBUTTONUP);
    EXPECT_EQ(host.Calls, (std::vector<std::string>{"terminate", "hooks", "abort"}));
}

}  // namespace
}  // namespace orv::player
