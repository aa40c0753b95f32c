// The main window's small dialogs, driven as the user would.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "common/hotkeys.h"
#include "common/win32/system_routines.h"
#include "editor/shell/win32/activation_dialogs.h"
#include "editor/shell/win32/add_macro_dialog.h"
#include "editor/shell/win32/capture_forms.h"
#include "editor/shell/win32/category_forms.h"
#include "editor/shell/win32/macro_file_forms.h"
#include "editor/shell/win32/quick_info_form.h"
#include "editor/shell/win32/remap_dialogs.h"
#include "editor/shell/win32/sort_order_form.h"
#include "editor/shell/win32/user_manual.h"
#include "tests/editor/shell/memory_library.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/ui/form_picture.h"
#include "tests/support/ui/form_testing.h"
#include "tests/support/ui/recorded_shell.h"

namespace orv::editor {
namespace {

using orv::testing::ModalDriver;
using orv::testing::PressKey;
using orv::testing::ScriptedMessageBoxes;
using orv::testing::WriteFormPicture;
using testing::TempFolder;

TEST(SortOrderDialog, ArrowsMoveLinesAndOkStoresTheOrders) {
    SettingsBlock settings;
    settings.ScopeSort = "12345";
    settings.SortHeader = true;
    TSortOrder dialog(settings);
    ModalDriver driver;
    driver.Expect<TSortOrder>([](TSortOrder& f) {
        EXPECT_EQ(f.Primary.Lines.Item(0), "Activation");
        EXPECT_FALSE(f.Primary.Up.Enabled());
        f.Primary.Lines.SetItemIndex(1);
        f.Primary.EnableArrows();
        EXPECT_TRUE(f.Primary.Up.Enabled());
        f.Primary.Up.Click();  // Nickname to the top
        EXPECT_EQ(f.Primary.Lines.ItemIndex(), 0);
        EXPECT_FALSE(f.Primary.Up.Enabled());
        EXPECT_TRUE(f.Primary.Down.Enabled());
        f.Scope.Lines.SetItemIndex(4);
        f.Scope.EnableArrows();
        for (int i = 0; i < 4; ++i) f.Scope.Up.Click();  // System to the top
        f.SortHeader.Click();
        f.OkButton.Click();
    });
    EXPECT_EQ(dialog.ShowModal(), IDOK);
    EXPECT_EQ(settings.PrimarySort.str(), "213");
    EXPECT_EQ(settings.ActivationSort.str(), "12345");
    EXPECT_EQ(settings.ScopeSort.str(), "51234");
    EXPECT_FALSE(settings.SortHeader);

    driver.Expect<TSortOrder>([](TSortOrder& f) {
        f.Primary.Lines.SetItemIndex(0);
        f.Primary.EnableArrows();
        f.Primary.Down.Click();
        PressKey(f, VK_ESCAPE);
    });
    EXPECT_EQ(dialog.ShowModal(), IDCANCEL);
    EXPECT_EQ(settings.PrimarySort.str(), "213");
}

TEST(QuickInfoDialog, APopupMenuShowsNoScriptAndAHotKeyMacroItsKey) {
    TempFolder folder;
    MacroIcons icons;
    MacroRecord menu = testing::Macro("MY MENU", ActivationCode::None, MacroKind::PopupMenu);
    menu.IconName = "GONE.ICO";
    menu.Changed = EncodeDateTime(2024, 3, 5, 14, 7);
    TQuickInfo info(menu, icons, folder.Path());
    ModalDriver driver;
    driver.Expect<TQuickInfo>([](TQuickInfo& f) {
        EXPECT_EQ(f.ActivationLabel.Text(), "None");
        EXPECT_EQ(f.Line2.Text(), "MY MENU");
        EXPECT_EQ(f.Line3.Text(), "Popup Menu");
        EXPECT_EQ(f.Line4.Text(), "Yes");
        EXPECT_EQ(f.TextLabel.Text(), "");
        EXPECT_FALSE(f.Line6.Visible());
        EXPECT_EQ(f.LastMod.Text().rfind("Last Modified On ", 0), 0u);
        EXPECT_NE(f.LastMod.Text().find("2024"), std::string::npos);
        PressKey(f, VK_RETURN);
    });
    EXPECT_EQ(info.ShowModal(), IDOK);

    MacroRecord typing = testing::Macro("TYPING", 65, MacroKind::Window);
    typing.ScopeText = "Notes";
    typing.ScopeMatch = 0;
    typing.SetScriptText("hello");
    TQuickInfo second(typing, icons, folder.Path());
    driver.Expect<TQuickInfo>([](TQuickInfo& f) {
        EXPECT_EQ(f.ActivationLabel.Text(), "Hot Key:");
        EXPECT_EQ(f.Line1.Text(), KeyName(65));
        EXPECT_EQ(f.Line3.Text(), "Notes \"Window\" (If Running)");
        EXPECT_TRUE(f.Line6.Visible());
        EXPECT_EQ(f.Line6.Text(), "hello");
        PressKey(f, VK_ESCAPE);
    });
    second.ShowModal();
}

TEST(CategoryDialogs, ANameIsTrimmedAndBlanksAreRefused) {
    ScriptedMessageBoxes boxes;
    ModalDriver driver;
    TDoCategory rename;
    rename.Result = "Work";
    driver.Expect<TDoCategory>([&](TDoCategory& f) {
        EXPECT_EQ(f.CatName.Text(), "Work");
        f.CatName.SetText("   ");
        boxes.Expect("No name has been entered for the category.", MsgResult::Ok, "Error");
        f.OkButton.Click();
        EXPECT_TRUE(f.IsOpen());
        EXPECT_TRUE(f.CatName.Focused());
        f.CatName.SetText(" Home ");
        f.OkButton.Click();
    });
    EXPECT_EQ(rename.ShowModal(), IDOK);
    EXPECT_EQ(rename.Result, "Home");

    driver.Expect<TDoCategory>([](TDoCategory& f) {
        f.CatName.SetText("Other");
        PressKey(f, VK_ESCAPE);
    });
    rename.ShowModal();
    EXPECT_EQ(rename.Result, "Home");
}

TEST(CategoryDialogs, TheChoiceListsCategoriesByNameAndKeepsTheirIds) {
    CategoryList list;
    list.Add("Zeta", 4);
    list.Add("Alpha", 7);
    list.Add("Alpha", 9);
    TChooseCategory choose(list);
    ModalDriver driver;
    driver.Expect<TChooseCategory>([](TChooseCategory& f) {
        ASSERT_EQ(f.CatList.Count(), 3);
        EXPECT_EQ(f.CatList.Item(0), "Alpha");
        EXPECT_EQ(f.CatList.Item(2), "Zeta");
        EXPECT_EQ(f.CatList.ItemIndex(), 0);
        f.CatList.SetItemIndex(1);
        f.OkButton.Click();
    });
    EXPECT_EQ(choose.ShowModal(), IDOK);
    EXPECT_EQ(choose.Result, "Alpha");
    EXPECT_EQ(choose.ResultId, 9);

    driver.Expect<TChooseCategory>([](TChooseCategory& f) { PressKey(f, VK_ESCAPE); });
    choose.ShowModal();
    EXPECT_EQ(choose.Result, "");
}

TEST(UserManualDialog, OkOpensTheTutorialOrSaysItIsMissing) {
    TempFolder folder;
    ScriptedMessageBoxes boxes;
    orv::testing::RecordedShell shell;
    ModalDriver driver;
    TUserManual manual(folder.Path());
    driver.Expect<TUserManual>([&](TUserManual& f) {
        boxes.Expect(TutorialMissingMessage, MsgResult::Ok, "Error");
        f.OkButton.Click();
    });
    manual.ShowModal();
    EXPECT_TRUE(shell.Openings.empty());

    std::ofstream(folder / "OVTUT.PDF") << "%PDF";
    driver.Expect<TUserManual>([](TUserManual& f) { f.OkButton.Click(); });
    manual.ShowModal();
    ASSERT_EQ(shell.Openings.size(), 1u);
    EXPECT_EQ(shell.Openings[0].File, folder / "OVTUT.PDF");
}

template <class F>
void ClickHelp(ModalDriver& driver) {
    driver.Expect<F>([](F& f) {
        f.HelpButton.Click();
        f.Close(IDCANCEL);
    });
}

// The recorded help also fails the test for a keyword the help file has no
// page for.
TEST(HelpButtons, EachShellFormAsksForItsOwnKeyword) {
    orv::testing::RecordedHelp help;
    ModalDriver driver;
    SettingsBlock settings;
    NoNotices notices;
    testing::MemoryLibrary library;
    TSortOrder sort(settings);
    TCaptureDefaults defaults(settings, [] {});
    TDoSpecWind title, program;
    program.TitleMode = 0;
    TDoSwapKeys remapper(settings, notices);
    TMyExport exporting({{1, 65, MacroKind::Global, "", "A MACRO", "", 0, true}}, library);
    TMyImport importing(library, {});
    ClickHelp<TSortOrder>(driver);
    ClickHelp<TCaptureDefaults>(driver);
    ClickHelp<TDoSpecWind>(driver);
    ClickHelp<TDoSpecWind>(driver);
    ClickHelp<TDoSwapKeys>(driver);
    ClickHelp<TMyExport>(driver);
    ClickHelp<TMyImport>(driver);
    for (TForm* form : std::initializer_list<TForm*>{&sort, &defaults, &title, &program, &remapper,
                                                     &exporting, &importing})
        form->ShowModal();
    EXPECT_EQ(help.Keywords,
              (std::vector<std::string>{"Sort Order", "Capture Defaults", "Set Window Title",
                                        "Set Program Name", "Keyboard Remapper", "Export Macros",
                                        "Import Macros"}));
}

TEST(FormPictures, EveryShellForm) {
    const char* wanted = std::getenv("ORVANE_FORM_PICTURES");
    std::string folder = wanted && *wanted ? wanted : ProgramDir() + "\\form-pictures";
    CreateDirectoryA(folder.c_str(), nullptr);
    SettingsBlock settings;
    MacroIcons icons;
    MacroRecord record = testing::Macro("PICTURE", 65);
    CategoryList categories;
    TSortOrder sort(settings);
    TQuickInfo info(record, icons, folder);
    TDoCategory category;
    TChooseCategory choose(categories);
    TUserManual manual(folder);
    HookTable table;
    MemoryHookLibrary hooks;
    NoNotices notices;
    EditorLaunchers launchers;
    TAddNewHotKey add({record, table, hooks, notices, launchers, [] {}});
    const std::initializer_list<TForm*> forms = {&sort, &info, &category, &choose, &manual, &add};
    for (TForm* form : forms) {
        std::string path = folder + "\\" + form->Name() + ".bmp";
        EXPECT_TRUE(WriteFormPicture(*form, path)) << path;
    }
    orv::testing::ClickEachRadioOf(forms);
}

}  // namespace
}  // namespace orv::editor
