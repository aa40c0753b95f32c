#include "editor/commands/win32/file_dialogs.h"

#include <gtest/gtest.h>

#include "common/win32/system_routines.h"
#include "tests/editor/commands/win32/command_dialog_testing.h"
#include "tests/support/ui/scripted_dialogs.h"

namespace orv::editor {
namespace {

using testing::PressKey;
using FileDialogsTest = testing::CommandDialogTest;

TEST_F(FileDialogsTest, ChangeDirectoryStoresTheFoldersShortForm) {
    std::string folder = ProgramDir() + "\\Change Directory Test Folder";
    CreateDirectoryA(folder.c_str(), nullptr);
    char shortPath[MAX_PATH] = {};
    ASSERT_GT(GetShortPathNameA(folder.c_str(), shortPath, MAX_PATH), 0u);

    orv::testing::ScriptedFolderDialogs folders;
    folders.ExpectFolder(folder + "\\");
    TDoDOSFiles d;
    driver.Expect<TDoDOSFiles>([this](TDoDOSFiles& f) {
        EXPECT_TRUE(f.ChangeDir.Checked());
        EXPECT_TRUE(f.ProgPath.Focused());
        EXPECT_EQ(f.FileLabel.Text(), "Directory/Folder");
        EXPECT_FALSE(IsWindowVisible(f.NewName.Handle()));
        f.BrowseButton.Click();
        PressKey(f, VK_RETURN);
    });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_EQ(d.CommandText, "<CHDIR:" + std::string(shortPath) + ">");
    EXPECT_EQ(folders.Titles, std::vector<std::string>{"Please specify a directory"});

    // A drive's root keeps its "\".
    d.FreshInsert = 0;
    d.ProgPath.SetText("C:\\");
    driver.Expect<TDoDOSFiles>([](TDoDOSFiles& f) { PressKey(f, VK_RETURN); });
    d.ShowModal();
    EXPECT_EQ(d.CommandText, "<CHDIR:C:\\>");

    // Copying asks for the new name before it looks for the file.
    d.CopyFile.SetChecked(true);
    d.ProgPath.SetText("C:\\no such file.txt");
    driver.Expect<TDoDOSFiles>([this](TDoDOSFiles& f) {
        EXPECT_TRUE(IsWindowVisible(f.NewName.Handle()));
        EXPECT_EQ(f.FileLabel.Text(), "Text File Path/Name");
        ExpectRefusalThenEscape(f, f.NewName, "No new name specified.  Please correct.");
    });
    d.ShowModal();
    ExpectEditKeepsTheLine<TDoDOSFiles, DOSFilesInput>(d, "<MKDIR:D:\\Any Folder>");
    RemoveDirectoryA(folder.c_str());
    ExpectEscapeCancels(d);
}

TEST_F(FileDialogsTest, ExploreTakesAnExistingFolderAsTyped) {
    orv::testing::ScriptedFolderDialogs folders;
    folders.ExpectFolder(ProgramDir());
    TDoExplore d;
    driver.Expect<TDoExplore>([](TDoExplore& f) {
        EXPECT_TRUE(f.ProgPath.Focused());
        f.BrowseButton.Click();
        PressKey(f, VK_RETURN);
    });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_EQ(d.CommandText, "<EXPLORE:" + ProgramDir() + ">");
    d.ProgPath.SetText(ProgramDir() + "\\none");
    driver.Expect<TDoExplore>([this](TDoExplore& f) {
        ExpectRefusalThenEscape(f, f.ProgPath, "Specified folder does not exist.  Please correct.");
    });
    d.ShowModal();
}

TEST_F(FileDialogsTest, NickOffersTheHighlightedNickname) {
    SettingsBlock settings;
    CommandContext context{settings};
    context.Nicknames = [] {
        return std::vector<MacroNickname>{{"Zeta", 1}, {"Capture", 5}, {"Alpha", 2}};
    };
    TDoNick d(context);
    driver.Expect<TDoNick>([this](TDoNick& f) {
        EXPECT_TRUE(f.Run.Checked() && f.ProgPath.Focused());
        ASSERT_EQ(f.NickList.Count(), 2);  // no system macro
        EXPECT_EQ(f.NickList.Item(0), "Alpha");
        f.NickList.SetItemIndex(1);
        boxes.Expect(
            "No nickname has been entered.  \"Zeta\" is currently highlighted.  Would you like "
            "to use it?",
            MsgResult::No, "Error");
        f.Buttons.OkButton.Click();
        EXPECT_TRUE(f.IsOpen() && f.ProgPath.Focused());
        boxes.Expect(
            "No nickname has been entered.  \"Zeta\" is currently highlighted.  Would you like "
            "to use it?",
            MsgResult::Yes, "Error");
        f.Deactivate.Click();
        f.Buttons.OkButton.Click();
    });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_EQ(d.CommandText, "<MACDEACT:Zeta>");
    EXPECT_EQ(d.MacroNickname, "Zeta");

    d.FreshInsert = 0;
    driver.Expect<TDoNick>([this](TDoNick& f) {
        f.NickList.SetItemIndex(0);
        testing::MouseAt(f.NickList, WM_LBUTTONDBLCLK, 5, 5);
        EXPECT_EQ(f.ProgPath.Text(), "Alpha");
        Enter(f, f.ProgPath, "a>b");
        ExpectRefusalThenEscape(f, f.ProgPath,
                                "The nickname \"a>b\" holds the character \">\", which would end "
                                "the command early.  Please remove it.");
    });
    d.ShowModal();
    ExpectEditKeepsTheLine<TDoNick, NickInput>(d, "<MACACT:Nobody Has This>");
}

TEST_F(FileDialogsTest, RecycleOnAnOldShellOffersTheArrangementsOnly) {
    SettingsBlock settings;
    CommandContext context{settings};
    context.Browser4OrLater = false;
    TDoRecycle d(context);
    driver.Expect<TDoRecycle>([](TDoRecycle& f) {
        EXPECT_TRUE(f.Cascade.Checked() && f.Cascade.Focused());
        EXPECT_TRUE(IsWindowEnabled(f.Horizontal.Handle()));
        EXPECT_FALSE(IsWindowEnabled(f.Minimize.Handle()));
        EXPECT_FALSE(IsWindowEnabled(f.UserDocs.Handle()));
        f.Horizontal.Click();
        PressKey(f, VK_RETURN);
    });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_EQ(d.CommandText, "<TILHDESK>");
    context.Browser4OrLater = true;
    ExpectEditKeepsTheLine<TDoRecycle, RecycleInput>(d, "<EXPRB>");
    EXPECT_EQ(d.OptionCode, 22);
}

}  // namespace
}  // namespace orv::editor
