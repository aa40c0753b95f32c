// The bridges, one row per family: a line edited and confirmed unchanged
// comes back identical and saves to the same text; Cancel changes nothing;
// new lines land where the style says, with their display wording.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "common/script/display.h"
#include "common/script/reader.h"
#include "common/ras_text.h"
#include "editor/commands/win32/date_time_dialog.h"
#include "editor/commands/win32/device_dialogs.h"
#include "editor/commands/win32/dialup_dialog.h"
#include "editor/commands/win32/email_dialogs.h"
#include "editor/commands/win32/file_dialogs.h"
#include "editor/commands/win32/flow_dialogs.h"
#include "editor/commands/win32/media_dialogs.h"
#include "editor/commands/win32/mouse_dialogs.h"
#include "editor/commands/win32/network_dialog.h"
#include "editor/commands/win32/sound_web_dialogs.h"
#include "editor/commands/win32/system_dialogs.h"
#include "editor/commands/win32/text_dialog.h"
#include "editor/commands/win32/wait_dialog.h"
#include "editor/commands/win32/window_dialogs.h"
#include "editor/script/win32/text_insert_dialog.h"
#include "tests/editor/script/win32/script_editor_fixture.h"

namespace orv::editor {
namespace {

using orv::testing::ModalDriver;
using testing::PressKey;

struct FamilyRow {
    std::string Golden;
    // Expects the family's dialog and closes it with OK (or Escape).
    std::function<void(ModalDriver&, bool ok)> Dialog;
};

template <class D>
FamilyRow Row(std::string golden) {
    return {std::move(golden), [](ModalDriver& driver, bool ok) {
                driver.Expect<D>([ok](D& f) {
                    if (ok)
                        f.Buttons.OkButton.Click();
                    else
                        PressKey(f, VK_ESCAPE);
                });
            }};
}

template <>
FamilyRow Row<TModText>(std::string golden) {
    return {std::move(golden), [](ModalDriver& driver, bool ok) {
                driver.Expect<TModText>([ok](TModText& f) {
                    if (ok)
                        f.UpdateButton.Click();
                    else
                        PressKey(f, VK_ESCAPE);
                });
            }};
}

class CommandBridgesTest : public testing::ScriptEditorTest {
  protected:
    std::vector<FamilyRow> Families() {
        std::string dir = ShortPath(folder.Path());
        std::string textFile = ShortPath(MakeFile("notes.txt", "ab"));
        std::string video = ShortPath(MakeFile("clip.avi", "RIFF"));
        return {
            Row<TModText>("Dear <SHIFT>sir<ENTER>"),
            Row<TDateOrTime>("<" + std::string(DateFormatTable[0].Name) + "{YF012}>"),
            Row<TDoDelay2>("<DELAY:01.50>"),
            Row<TDoPausePos>("<PAUSE:005,040Hi>"),
            Row<TDoRepeat>("<II>"),
            Row<TDoSpeed>("<SPEED:00.50>"),
            Row<TDoActive>("<ACTIVATE:Calc>"),
            Row<TDoSizeIt>("<WPOS:0010,0020Calc>"),
            Row<TDoSystemCommand>("<WMAX:Notepad>"),
            Row<TDoMouse>("<MMS:00012,00300>"),
            Row<TDoRemark>("<REM:totals>"),
            Row<TDoClipboard>("<CLIPP>"),
            Row<TDoKeyUpDown>("<ALTU>"),
            Row<TDoDOSFiles>("<CHDIR:" + dir + ">"),
            Row<TDoNick>("<MACRUN:Daily>"),
            Row<TDoTBox>("<TBOX:<HEAD:Note>Line one\r\nLine two>"),
            Row<TDoExplore>("<EXPLORE:" + folder.Path() + ">"),
            Row<TDoRecycle>("<CASCDESK>"),
            Row<TDoReboot>("<LOGOFF>"),
            Row<TDoSysControls>("<SSTIME:05>"),
            Row<TDoWaitWin>("<WAITWIN:010:Calc>"),
            Row<TDoTextInsert>("<TFILE:" + textFile + ">"),
            Row<TDoSound>("<BEEP>"),
            Row<TDoWebStuff>("<FTP:ftp://x>"),
            Row<TDoNetConn>("<NWDPF:M:>"),
            Row<TDoDialup>("<HANG>"),
            Row<TDoAVI>("<AVIE:" + video + ">"),
            Row<TDoCDRom>("<CDGOTO:07>"),
            Row<TDoVolume>("<MIDIMUTE>"),
            Row<TDoScreen>("<SCREEN:000>"),
            Row<TDoTheEmail>("<EMAIL:RNR2S2A3>"),
        };
    }
};

TEST_F(CommandBridgesTest, AnEditedLineConfirmedUnchangedIsTheSameLineAndText) {
    for (const FamilyRow& row : Families()) {
        SCOPED_TRACE(row.Golden);
        std::vector<CommandLine> before = ReadScript(row.Golden);
        ASSERT_EQ(before.size(), 1u);
        EXPECT_EQ(Run(row.Golden,
                      [&](TDoScripting& f) {
                          f.SelectLine(0);
                          row.Dialog(driver, false);
                          f.EditButton.Click();
                          EXPECT_EQ(f.Modified, 0);
                          EXPECT_EQ(f.Model().Lines(), before);
                          row.Dialog(driver, true);
                          f.EditButton.Click();
                          EXPECT_EQ(f.Modified, 1);
                          ASSERT_EQ(f.Model().Count(), 1);
                          EXPECT_EQ(f.Model().Lines()[0].Code, before[0].Code);
                          EXPECT_EQ(f.Model().Lines()[0].Record, before[0].Record);
                          EXPECT_EQ(f.Script.Item(0),
                                    DisplayLine(before[0].Code, before[0].Record));
                          EXPECT_EQ(f.Model().Selected(), 0);
                          f.SaveButton.Click();
                      }),
                  IDOK);
        EXPECT_EQ(macro.ScriptText(), row.Golden);
    }
}

// The test prefix has no printer: the edited line's printer is not among
// the rows, so OK refuses and Cancel keeps the line.
TEST_F(CommandBridgesTest, APrinterLineWithoutItsPrinterStaysAsItWas) {
    std::vector<CommandLine> before = ReadScript("<DEFPRT:Office Laser>");
    Run("<DEFPRT:Office Laser>", [&](TDoScripting& f) {
        f.SelectLine(0);
        driver.Expect<TDoDefPrint>([&](TDoDefPrint& d) {
            boxes.Expect("No printer setting selected.", MsgResult::Ok, "Error");
            d.Buttons.OkButton.Click();
            EXPECT_TRUE(d.IsOpen());
            PressKey(d, VK_ESCAPE);
        });
        f.EditButton.Click();
        EXPECT_EQ(f.Modified, 0);
        EXPECT_EQ(f.Model().Lines(), before);
        f.CancelButton.Click();
    });
}

// A new line of a family that serves several codes starts on the code's choice.
TEST_F(CommandBridgesTest, NewDeviceLinesStartOnTheirCodesChoice) {
    Run("", [&](TDoScripting& f) {
        driver.Expect<TDoSound>([](TDoSound& d) {
            EXPECT_TRUE(d.WaveFile.Checked());
            PressKey(d, VK_ESCAPE);
        });
        AddNamed(f, "Sound Wave File");
        driver.Expect<TDoWebStuff>([](TDoWebStuff& d) {
            EXPECT_EQ(d.ProgPath.Text(), "ftp://");
            d.ProgPath.SetText("ftp://files");
            d.Buttons.OkButton.Click();
        });
        AddNamed(f, "Web FTP");
        driver.Expect<TDoCDRom>([](TDoCDRom& d) { d.Buttons.OkButton.Click(); });
        AddNamed(f, "CD-Rom Close Tray");
        driver.Expect<TDoVolume>([](TDoVolume& d) { d.Buttons.OkButton.Click(); });
        AddNamed(f, "Audio Bass");
        EXPECT_EQ(Texts(f), (std::vector<std::string>{"Web FTP: ftp://files", "CD-Rom Close Tray",
                                                      "Audio Bass Up"}));
        f.SaveButton.Click();
    });
    EXPECT_EQ(macro.ScriptText(), "<FTP:ftp://files><CDCLOSE><BASSUP>");
}

TEST_F(CommandBridgesTest, NewLinesLandWhereTheStyleSaysWithTheirWording) {
    Run("<REM:one><REM:two>", [&](TDoScripting& f) {
        f.SelectLine(1);
        driver.Expect<TDoRemark>([](TDoRemark& d) {
            d.Comments.SetText("before");
            d.Buttons.OkButton.Click();
        });
        AddNamed(f, "Remark", AddStyle::Before);
        driver.Expect<TDoKeyUpDown>([](TDoKeyUpDown& d) {
            EXPECT_TRUE(d.AltDown.Checked());
            d.Buttons.OkButton.Click();
        });
        AddNamed(f, "Alt Key", AddStyle::After);
        AddNamed(f, "Repeat End");
        EXPECT_EQ(Texts(f),
                  (std::vector<std::string>{"Remark: one", "Remark: before", "Alt Key Down",
                                            "   Remark: two", "Repeat End"}));
        EXPECT_EQ(f.Model().Selected(), 4);
        EXPECT_EQ(f.Modified, 1);
        f.SaveButton.Click();
    });
    EXPECT_EQ(macro.ScriptText(), "<REM:one><REM:before><ALTD><REM:two><ENDREP>");
}

TEST_F(CommandBridgesTest, AnOlderShellAndAMissingDialUpServiceAddNothing) {
    commands.Browser4OrLater = false;
    host.RasLoaded = false;
    Run("<REM:one>", [&](TDoScripting& f) {
        boxes.Expect(OldShellMessage, MsgResult::Ok, "Warning");
        AddNamed(f, "DeskTop Minimize All");
        boxes.Expect(std::string(RasMissingText), MsgResult::Ok, "Warning");
        AddNamed(f, "Dial-Up Networking");
        EXPECT_EQ(f.Model().Count(), 1);
        EXPECT_EQ(f.Modified, 0);
        f.CancelButton.Click();
    });
}

}  // namespace
}  // namespace orv::editor
