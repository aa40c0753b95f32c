// The refusals of the mouse, wait, file and system dialogs: the exact
// message, the box to focus, and no command.
#include <gtest/gtest.h>

#include "editor/commands/file_commands.h"
#include "editor/commands/mouse_commands.h"
#include "editor/commands/system_commands.h"
#include "editor/commands/wait_command.h"
#include "tests/editor/commands/fake_file_checks.h"
#include "tests/editor/commands/outcome_testing.h"

namespace orv::editor {
namespace {

using testing::ExpectRefused;

TEST(CommandRefusals, MouseAndClipboard) {
    const std::string x = "Invalid X Position specified.  Please correct.";
    ExpectRefused(ComposeMouse({1, MoveTarget::Screen, "-12", "5"}), x, MouseField::XPos);
    ExpectRefused(ComposeMouse({1, MoveTarget::Window, "30001", "5"}), x, MouseField::XPos);
    ExpectRefused(ComposeMouse({1, MoveTarget::LastPosition, "1", "30001"}),
                  "Invalid Y Position specified.  Please correct.", MouseField::YPos);
    ExpectRefused(ComposeMouse({14, MoveTarget::Screen, "", "", "0"}),
                  "Invalid number of wheel clicks specified.  Please correct.",
                  MouseField::NumClicks);
    testing::FakeFileChecks files;
    ExpectRefused(ComposeClipboard({ClipboardChoice::SaveText, false, false, "  "}, files),
                  "No file name specified.  Please correct.", ClipboardField::ProgPath);
    ExpectRefused(
        ComposeClipboard({ClipboardChoice::CopyGraphicFile, false, false, "C:\\a.bmp"}, files),
        "Specified Bitmap File does not exist.  Please correct.", ClipboardField::ProgPath);
}

TEST(CommandRefusals, Waits) {
    WaitInput time{WaitKind::Time};
    time.Seconds = "60";
    ExpectRefused(ComposeWait(time), "Invalid Seconds specified.", WaitField::Seconds);
    time.Minutes = "-1";
    ExpectRefused(ComposeWait(time), "Invalid Minutes specified.", WaitField::Minutes);
    WaitInput title{WaitKind::Title, "Calc"};
    title.WaitMin = "0";
    ExpectRefused(ComposeWait(title), "Value must be greater than zero.", WaitField::WaitMin);
    title.WinTitle = "";
    ExpectRefused(ComposeWait(title), "No entry made for Window Title.  Please correct.",
                  WaitField::WinTitle);
    WaitInput key{WaitKind::Key};
    key.KeyIndex = -1;
    ExpectRefused(ComposeWait(key), "No key selected.  Please correct.", WaitField::TheKey);
    // A text of any length is cut at 255 when played: refused instead.
    WaitInput text{WaitKind::Text};
    text.TheText = std::string(250, 't');
    ExpectRefused(ComposeWait(text), "The command is longer than 255 characters.  Please correct.",
                  WaitField::TheText);
    EXPECT_EQ(WaitKeyNames()[50], "ENTER");
    EXPECT_EQ(WaitLayoutFor(WaitKind::RightClick).ClientHeight, 297);
}

TEST(CommandRefusals, FilesAndMacros) {
    testing::FakeFileChecks files;
    // The new name is asked for before the file is looked for.
    ExpectRefused(ComposeDOSFiles({FileCommand::Copy, "C:\\none.txt", ""}, files),
                  "No new name specified.  Please correct.", DOSFilesField::NewName);
    ExpectRefused(ComposeDOSFiles({FileCommand::Copy, "C:\\none.txt", "b"}, files),
                  "Specified Text File does not exist.  Please correct.", DOSFilesField::ProgPath);
    ExpectRefused(ComposeDOSFiles({FileCommand::ChangeDir, "C:\\none"}, files),
                  "Specified directory/folder does not exist.  Please correct.",
                  DOSFilesField::ProgPath);
    ExpectRefused(ComposeExplore({"C:\\none"}, files),
                  "Specified folder does not exist.  Please correct.", ExploreField::ProgPath);
    ExpectRefused(ComposeNick({NickAction::Run, ""}),
                  "No nickname has been entered.  Please correct.", NickField::ProgPath);
    ExpectRefused(ComposeNick({NickAction::Run, "a>b"}),
                  "The nickname \"a>b\" holds the character \">\", which would end the command "
                  "early.  Please remove it.",
                  NickField::ProgPath);
    EXPECT_EQ(NickListEntries({{"Zeta", 1}, {" ", 1}, {"Capture", 5}, {" Alpha ", 2}}),
              (std::vector<std::string>{"Zeta", "Alpha"}));
    EXPECT_FALSE(DesktopCommandOffered(4, false));
    EXPECT_TRUE(DesktopCommandOffered(3, false));
}

TEST(CommandRefusals, SystemTextBoxAndEncryptedText) {
    testing::FakeFileChecks files;
    files.AddFile("C:\\W.BMP", "C:\\W.BMP");
    auto number = [&](SysControl control, const char* n) {
        return ComposeSysControls({control, n}, files);
    };
    ExpectRefused(number(SysControl::ScreenTimer, "0"),
                  "Invalid minutes specified.  Valid values or 1 to 60.  Please correct.",
                  SysControlsField::Number);
    ExpectRefused(number(SysControl::KeySpeed, "32"),
                  "Invalid factor specified.  Valid values or 0 to 31.  0 = slowest speed.  "
                  "Please correct.",
                  SysControlsField::Number);
    SysControlsInput wall{SysControl::Wallpaper,   "",    "C:\\W.BMP", false,
                          WallPlacement::Position, "-99", "0"};
    ExpectRefused(ComposeSysControls(wall, files),
                  "Invalid X Coordinate specified. Please correct.", SysControlsField::XPos);
    wall.Tile = true;  // a tiled bitmap ignores the coordinates
    EXPECT_EQ(ComposeSysControls(wall, files).CommandText, "<WALLT:C:\\W.BMP>");
    wall.Track = "C:\\none.bmp";
    ExpectRefused(ComposeSysControls(wall, files),
                  "Specified bitmap file does not exist.  Please correct.",
                  SysControlsField::Track);

    ExpectRefused(ComposeTBox({"a>b", ""}),
                  "The heading \"a>b\" holds the character \">\", which would end the command "
                  "early.  Please remove it.",
                  TBoxField::Header);
    EXPECT_EQ(ComposeTBox({"", "x>y"}).Refused->Focus, TBoxField::Contents);
    EXPECT_EQ(ComposeTBox({"", std::string(500, 'c')}).CommandText.size(), 514u);  // no 255 rule

    EXPECT_TRUE(ComposeEncrypt({std::string(122, 'e')}).Accepted());
    ExpectRefused(ComposeEncrypt({std::string(123, 'e')}),
                  "The command is longer than 255 characters.  Please correct.",
                  EncryptField::Password);
}

}  // namespace
}  // namespace orv::editor
