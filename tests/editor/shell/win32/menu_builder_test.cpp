// "Build Macro Menu" on the main window's library, driven as the user would,
// and the quick wizard page beside it.
#include "editor/shell/win32/menu_builder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "common/files.h"
#include "common/hotkeys.h"
#include "common/win32/system_routines.h"
#include "tests/editor/shell/win32/main_window_fixture.h"
#include "tests/support/ui/form_picture.h"
#include "tests/support/ui/form_testing.h"

namespace orv::editor {
namespace {

using orv::testing::ModalDriver;
using orv::testing::ScriptedFileDialogs;
using orv::testing::WriteFormPicture;
using testing::Macro;
using testing::MouseAt;
using testing::PressKey;
using testing::WriteLibrary;

// A 16 x 16 icon of 32-bit colour with its AND mask.
void WriteIconFile(const std::string& path) {
    std::string bytes;
    auto u16 = [&](unsigned v) {
        bytes += static_cast<char>(v & 0xFF);
        bytes += static_cast<char>((v >> 8) & 0xFF);
    };
    auto u32 = [&](unsigned v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    };
    constexpr unsigned Colour = 16 * 16 * 4, Mask = 16 * 4;
    u16(0), u16(1), u16(1);
    u16(16 | 16 << 8), u16(0), u16(1), u16(32), u32(40 + Colour + Mask), u32(22);
    u32(40), u32(16), u32(32), u16(1), u16(32), u32(0), u32(Colour + Mask);
    u32(0), u32(0), u32(0), u32(0);
    bytes.append(Colour, '\x80');
    bytes.append(Mask, '\0');
    std::ofstream(path, std::ios::binary) << bytes;
}

// The user's click on a line: it is selected and the list says so.
void Choose(TListBox& list, const std::string& nickname) {
    const int index = list.IndexOf(nickname);
    ASSERT_GE(index, 0) << nickname;
    list.SetItemIndex(index);
    list.OnChange();
}

class MenuBuilderTest : public testing::MainWindowFixture {
  protected:
    PopupMenuEdit Edit(MacroRecord& record, bool isExisting, bool holdsUnsavedEdits = false) {
        return EditPopupMenu(main->Handle(), record, isExisting, holdsUnsavedEdits, context);
    }
    MacroRecord Stored(int n) {
        MacroRecord record;
        EXPECT_TRUE(macros.ReadMacroRecord(n, record));
        return record;
    }
};

TEST_F(MenuBuilderTest, ANewMenuTakesTwoMacrosShowsQuickInfoAndGoesInTheTray) {
    Open();
    ModalDriver driver;  // after the main window's own show
    MacroRecord record = Macro("", 88);
    record.CategoryId = 4;
    const MacroRecord typeName = Stored(1);
    driver.Expect<TDoBuildMenu>([&](TDoBuildMenu& f) {
        EXPECT_EQ(f.HotKeyLabel.Text(), KeyName(88));
        for (const ListMacro& m : f.Lists().Available())
            EXPECT_NE(m.Kind, MacroKind::System) << m.Nickname;
        EXPECT_TRUE(f.ShowNick.Checked());
        EXPECT_FALSE(f.AddButton.Enabled());
        EXPECT_FALSE(f.RemoveIt.Enabled());

        // Pressed on one line and released on another: no quick info.
        MouseAt(f.OptionBox, WM_LBUTTONDOWN, 20, 5);
        MouseAt(f.OptionBox, WM_LBUTTONUP, 20, 25);
        boxes.Expect(MenuQuickInfoText(typeName), MsgResult::Ok, "Quick Info");
        MouseAt(f.OptionBox, WM_LBUTTONDOWN, 20, 5);
        MouseAt(f.OptionBox, WM_LBUTTONUP, 20, 5);

        Choose(f.OptionBox, "SIGNATURE");
        EXPECT_TRUE(f.AddButton.Enabled());
        f.AddButton.Click();
        Choose(f.OptionBox, "TYPE NAME");
        f.InsertAfter.Click();
        EXPECT_EQ(f.Lists().Members(), (std::vector<int>{2, 1}));
        EXPECT_EQ(f.Script.ItemIndex(), 1);
        EXPECT_TRUE(f.DoUp.Enabled());
        EXPECT_FALSE(f.DoDown.Enabled());
        f.DoUp.Click();
        EXPECT_EQ(f.Lists().Members(), (std::vector<int>{1, 2}));
        f.NickName.SetText("Tools");
        f.SysTray.Click();
        f.OkButton.Click();
    });
    const PopupMenuEdit result = Edit(record, false);
    EXPECT_TRUE(result.Saved);
    EXPECT_TRUE(result.MenuInTray);
    EXPECT_EQ(record.MacroKind, MacroKind::PopupMenu);
    EXPECT_EQ(record.Enabled, 1);
    EXPECT_EQ(record.PopupMembers(), (std::vector<int>{1, 2}));
    EXPECT_EQ(record.CuewordText.str(), "Y30");
    EXPECT_EQ(record.IconName.str(), "MENU");
    EXPECT_EQ(record.Nickname.str(), "Tools");
    EXPECT_EQ(record.ActivationCode, 88);
}

TEST_F(MenuBuilderTest, AnExistingMenuDropsAGoneMemberAndItsGoneIconAndLeavesTheTrayAlone) {
    MacroRecord menu = Macro("MENU OF THINGS", 70, MacroKind::PopupMenu);
    menu.SetPopupMembers({2, 9});
    menu.CuewordText = "N21";
    menu.IconName = "GONE.ICO";
    WriteLibrary(library, {Macro("TYPE NAME", 65), Macro("SECOND", 66), menu});
    Open();
    ModalDriver driver;

    MacroRecord record = Stored(3);
    driver.Expect<TDoBuildMenu>([](TDoBuildMenu& f) {
        EXPECT_EQ(f.NickName.Text(), "MENU OF THINGS");
        EXPECT_EQ(f.Lists().Members(), (std::vector<int>{2}));
        EXPECT_EQ(f.IconName(), "MENU");
        EXPECT_TRUE(f.ShowIcon.Checked());
        EXPECT_EQ(f.IconSize.ItemIndex(), 1);
        f.MenuExit.Click();
    });
    EXPECT_FALSE(Edit(record, true).Saved);
    EXPECT_EQ(record.IconName.str(), "GONE.ICO");

    driver.Expect<TDoBuildMenu>([](TDoBuildMenu& f) { f.OkButton.Click(); });
    const PopupMenuEdit result = Edit(record, true);
    EXPECT_TRUE(result.Saved);
    EXPECT_FALSE(result.MenuInTray);
    EXPECT_EQ(record.PopupMembers(), (std::vector<int>{2}));
    EXPECT_EQ(record.IconName.str(), "MENU");
    EXPECT_EQ(record.CuewordText.str(), "N21");
}

// Ok after a member changed in the file: the menu stays with the rest of
// what the user built (the members after it the macros chosen), said, and
// saves with Ok again.
TEST_F(MenuBuilderTest, AMemberChangedMeanwhileLeavesTheMenuBuiltButIt) {
    WriteLibrary(library, {Macro("TYPE NAME", 65), Macro("SECOND", 66), Macro("THIRD", 67),
                           Macro("FOURTH", 68)});
    Open();
    ModalDriver driver;
    MacroRecord record = Macro("", 88);
    driver.Expect<TDoBuildMenu>([&](TDoBuildMenu& f) {
        for (const char* name : {"TYPE NAME", "SECOND", "THIRD"}) {
            Choose(f.OptionBox, name);
            f.AddButton.Click();
        }
        f.NickName.SetText("Tools");
        WriteLibrary(library, {Macro("TYPE NAME", 65), Macro("OTHER", 66), Macro("THIRD", 67),
                               Macro("FOURTH", 68)});
        boxes.Expect(MenuMembersMovedMessage);
        f.OkButton.Click();
        EXPECT_EQ(f.Lists().Members(), (std::vector<int>{1, 3}));
        EXPECT_EQ(f.OptionBox.IndexOf("SECOND"), -1);
        EXPECT_GE(f.Script.IndexOf("THIRD"), 0);
        EXPECT_EQ(f.Script.IndexOf("FOURTH"), -1);
        EXPECT_EQ(f.NickName.Text(), "Tools");
        f.OkButton.Click();
    });
    EXPECT_TRUE(Edit(record, false).Saved);
    EXPECT_EQ(record.PopupMembers(), (std::vector<int>{1, 3}));
    EXPECT_EQ(record.Nickname.str(), "Tools");
}

TEST_F(MenuBuilderTest, AnIconOfA14CharacterNameIsCopiedUnder12AndShownNextTime) {
    std::filesystem::create_directories(folder / "pics");
    const std::string chosen = folder / "pics\\SMILEYFACE.ICO";
    WriteIconFile(chosen);
    Open();
    ModalDriver driver;
    ScriptedFileDialogs dialogs;

    MacroRecord record = Stored(3);
    driver.Expect<TDoBuildMenu>([&](TDoBuildMenu& f) {
        dialogs.ExpectOpen(folder / "pics\\notes.txt");
        boxes.Expect("Invalid file type selected.", MsgResult::Ok, "Error");
        f.MySpeedClick();
        dialogs.ExpectOpen(chosen);
        f.MySpeedClick();
        EXPECT_EQ(f.IconName(), "SMILEYFA.ICO");
        f.OkButton.Click();
    });
    ASSERT_TRUE(Edit(record, true).Saved);
    EXPECT_EQ(dialogs.Shown().at(0).InitialDir, folder / "Icons");
    EXPECT_EQ(record.IconName.str(), "SMILEYFA.ICO");
    EXPECT_EQ(ReadWholeFile(folder / "Icons\\SMILEYFA.ICO"), ReadWholeFile(chosen));
    ASSERT_TRUE(macros.SaveMacroRecord(3, record));

    record = Stored(3);
    driver.Expect<TDoBuildMenu>([&](TDoBuildMenu& f) {
        EXPECT_EQ(f.IconName(), "SMILEYFA.ICO");
        boxes.Expect("Reset icon to program default?", MsgResult::Yes);
        MouseAt(f.MySpeed, WM_RBUTTONUP, 5, 5);
        EXPECT_EQ(f.IconName(), "MENU");
        // A change is not lost to one Escape: No keeps the builder open.
        boxes.Expect(std::string(DiscardChangesQuestion), MsgResult::No, "Warning");
        PressKey(f, VK_ESCAPE);
        ASSERT_TRUE(f.IsOpen());
        boxes.Expect(std::string(DiscardChangesQuestion), MsgResult::Yes, "Warning");
        f.CancelButton.Click();
    });
    EXPECT_FALSE(Edit(record, true).Saved);

    // Back after a save the file refused, untouched since: the record holds
    // edits no file holds, so Escape asks all the same.
    driver.Expect<TDoBuildMenu>([&](TDoBuildMenu& f) {
        boxes.Expect(std::string(DiscardChangesQuestion), MsgResult::No, "Warning");
        PressKey(f, VK_ESCAPE);
        ASSERT_TRUE(f.IsOpen());
        boxes.Expect(std::string(DiscardChangesQuestion), MsgResult::Yes, "Warning");
        f.CancelButton.Click();
    });
    EXPECT_FALSE(Edit(record, true, true).Saved);
}

TEST_F(MenuBuilderTest, TheWizardPageHasAPictureButtonPerKindThatCallsItsWizard) {
    std::vector<int> chosen;
    TMainWin& w = Open();
    w.Launchers().QuickWizard = [&](int kind) { chosen.push_back(kind); };
    EXPECT_EQ(w.WizButtons.Count(), 28);
    EXPECT_EQ(w.WizButtons.Button(28), nullptr);
    w.MyPage.SetActivePage(w.PageWiz);
    w.WizButtons.Button(29)->Click();
    w.WizardItems.Item(25)->Click();
    EXPECT_EQ(chosen, (std::vector<int>{29, 25}));
    EXPECT_EQ(w.WizardItems.Item(27), nullptr);
    EXPECT_EQ(w.FirstTimeSetup1.Caption(), "&First Time Setup");
}

TEST_F(MenuBuilderTest, FormPictures) {
    const char* wanted = std::getenv("ORVANE_FORM_PICTURES");
    std::string pictures = wanted && *wanted ? wanted : ProgramDir() + "\\form-pictures";
    CreateDirectoryA(pictures.c_str(), nullptr);
    // The main window unshown, on its wizard page; it loads the library.
    main = std::make_unique<TMainWin>(context);
    main->MyPage.SetActivePage(main->PageWiz);
    EXPECT_TRUE(WriteFormPicture(*main, pictures + "\\TMainWin-QuickWizards.bmp"));
    MacroRecord record = Stored(3);
    record.SetPopupMembers({1, 2});
    TDoBuildMenu builder(record, context);
    builder.IsExisting = true;
    EXPECT_TRUE(WriteFormPicture(builder, pictures + "\\TDoBuildMenu.bmp"));
    orv::testing::ClickEachRadioOf({&builder});
}

}  // namespace
}  // namespace orv::editor
