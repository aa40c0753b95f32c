// The direct script text editor: command buttons inserting at the caret, the
// limit, the text box, the icon, leaving without update, and export.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string_view>

#include "common/files.h"
#include "common/script/reader.h"
#include "common/script/script_list.h"
#include "editor/commands/dialup_command.h"
#include "editor/commands/encryption.h"
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
#include "editor/commands/win32/symbol_search_dialogs.h"
#include "editor/commands/win32/system_dialogs.h"
#include "editor/commands/win32/wait_dialog.h"
#include "editor/commands/win32/window_dialogs.h"
#include "editor/script/bridges.h"
#include "editor/script/win32/direct_editor.h"
#include "editor/script/win32/text_insert_dialog.h"
#include "tests/editor/script/win32/script_editor_fixture.h"

namespace orv::editor {
namespace {

using orv::testing::ModalDriver;
using orv::testing::ScriptedFileDialogs;
using testing::PressKey;

const char* const TooLong = "Text exceeds maximum length.  Text not added.";

class DirectEditorTest : public testing::ScriptEditorTest {
  protected:
    // Shows the editor on the existing macro with that script; step drives
    // it and must close it; nested expects the forms it opens.
    int Run(const std::string& script, std::function<void(TModHotKeys&)> step,
            const std::function<void()>& nested = {}) {
        macro.SetScriptText(script);
        TModHotKeys form(host);
        form.IsExisting = 1;
        form.ActKind = ActKind;
        driver.Expect<TModHotKeys>(std::move(step));
        if (nested)
            nested();
        int result = form.ShowModal();
        saved = form.Saved;
        return result;
    }

    // A command button, or the symbol button of the keystroke keys.
    static TButton& Button(TModHotKeys& f, std::string_view caption) {
        if (f.Keys.Symbols.Text() == caption)
            return f.Keys.Symbols;
        for (TButton& b : f.CommandButtons)
            if (b.Text() == caption)
                return b;
        ADD_FAILURE() << caption;
        return f.CommandButtons.front();
    }

    // The command a button opens; a symbol goes in as typed text.
    static CommandCode Code(std::string_view caption) {
        for (int i = 0; i < DirectCommandButtonCount; ++i)
            if (caption == DirectCommandButtons[i].Caption)
                return DirectCommandButtons[i].Code;
        return CommandCode::Text;
    }

    std::uint8_t saved = 0;
};

struct ButtonRow {
    const char* Caption;
    // What the dialog's defaults, confirmed, put in; empty when the dialog
    // refuses them and is left.
    std::string Inserted;
    std::function<void(ModalDriver&)> Dialog;
    // The form the text is compared in: an enciphered text by its plain
    // text, since every enciphering takes a new seed.
    std::function<std::string(const std::string&)> Compared = [](const std::string& t) {
        return t;
    };
};

// A row whose dialog opens for a new command, gets the least it needs from
// fill (which may also close it) and is confirmed.
template <class D>
ButtonRow Row(const char* caption, std::string inserted, std::function<void(D&)> fill = {}) {
    return {caption, std::move(inserted), [fill](ModalDriver& driver) {
                driver.Expect<D>([fill](D& f) {
                    EXPECT_EQ(f.FreshInsert, 1) << f.Caption();
                    if (fill)
                        fill(f);
                    if (f.IsOpen())
                        f.Buttons.OkButton.Click();
                });
            }};
}

TEST_F(DirectEditorTest, EveryCommandButtonOpensItsDialogFreshAndInsertsAtTheCaret) {
    const std::string program = MakeFile("calc.exe", "");
    const std::string macros = MakeFile("office.orn", "");
    const std::string video = MakeFile("clip.avi", "");
    const std::string keys = MakeFile("keys.txt", "<REM:in file>");
    const std::string here = folder.Path();
    auto refusal = [this](TForm& f, const std::string& message) {
        boxes.Expect(message, MsgResult::Ok, "Error");
        PressKey(f, VK_RETURN);
        EXPECT_TRUE(f.IsOpen()) << message;
    };
    ButtonRow encrypt = Row<TDoEncrypt>("ENCRYPT", "<ETEXT:secret>",
                                        [](TDoEncrypt& f) { f.Password.SetText("secret"); });
    encrypt.Compared = [](const std::string& t) {
        std::size_t end = t.find('>', 7);
        if (end == std::string::npos)
            return t;
        return t.substr(0, 7) + DecryptIt(t.substr(7, end - 7)) + t.substr(end);
    };
    const ButtonRow rows[] = {
        Row<TDoActive>("ACTIVATE", "<LAUNCHYES2:0512Calc<LAUNCH:" + ShortPath(program) + ">",
                       [&](TDoActive& f) {
                           f.WinTitle.SetText("Calc");
                           f.ProgPath.SetText(program);
                           f.DelaySecs.SetText("5");
                       }),
        Row<TDoSizeIt>("SIZE / POS", "<WSIZE:0640,0480Calc>",
                       [](TDoSizeIt& f) {
                           f.Window.WinTitle.SetText("Calc");
                           f.TheWidth.SetText("640");
                           f.TheHeight.SetText("480");
                       }),
        Row<TDoSystemCommand>("WIN CTRLS", "<WMAX:Notepad>",
                              [](TDoSystemCommand& f) { f.Window.WinTitle.SetText("Notepad"); }),
        Row<TDoDelay2>("DELAY", "<DELAY:02.50>", [](TDoDelay2& f) { f.Seconds.SetText("2.5"); }),
        Row<TDoPausePos>("PAUSE", "<PAUSE:000,000>"),
        Row<TDoRepeat>("REPEAT", "<REP:0010:000001:000001>"),
        Row<TDoSpeed>("SPEED", "<SPKEY:0025>", [](TDoSpeed& f) { f.Count.SetText("25"); }),
        Row<TDoSwap>("SWAP FILE", "<SWAP:" + ShortPath(macros) + ">",
                     [&](TDoSwap& f) { f.ProgPath.SetText(macros); }),
        Row<TDoRemark>("REMARK", "<REM:note>", [](TDoRemark& f) { f.Comments.SetText("note"); }),
        Row<TDateOrTime>("DATE", "<MM/DD/YY{NF000}>"),
        Row<TDateOrTime>("TIME", "<hh:mm{N}>"),
        Row<TDoSpecial>("Symbols", "\x80"),
        Row<TDoSpecial>("SYMBOLS", "\x80"),
        Row<TDoMouse>("MOUSE", "<MMS:00000,00000>"),
        // A new clipboard command starts on the start of a copy.
        Row<TDoClipboard>("CLIPBOARD", "<BEGCLIP>"),
        Row<TDoKeyUpDown>("KEY UP/ DN", "<CTLD>"),
        Row<TDoSound>("SOUND", "<BEEP>"),
        Row<TDoWebStuff>("WEB SITE", "<HTTP:http://>"),
        Row<TDoWebStuff>("FTP", "<FTP:ftp://>"),
        Row<TDoNetConn>("NETWORK", "<NWC:<NAME:><PASS:>M:\\\\srv\\sh>",
                        [](TDoNetConn& f) {
                            EXPECT_EQ(f.DriveBox.ItemIndex(), 1);
                            f.DriveBox.SetItemIndex(f.DriveBox.IndexOf("M:"));
                            f.ProgPath.SetText("\\\\srv\\sh");
                        }),
        Row<TDoTextInsert>("LOAD TEXT", "<TFILE:" + ShortPath(keys) + ">",
                           [&](TDoTextInsert& f) { f.PathBox.SetText(keys); }),
        Row<TDoDOSFiles>("FILES", "<CHDIR:" + ShortPath(here) + ">",
                         [&](TDoDOSFiles& f) { f.ProgPath.SetText(here); }),
        Row<TDoExplore>("EXPLORER", "<EXPLORE:" + here + ">",
                        [&](TDoExplore& f) { f.ProgPath.SetText(here); }),
        Row<TDoRecycle>("DESKTOP", "<CASCDESK>"),
        Row<TDoNick>("MACROS", "<MACRUN:TYPING>", [](TDoNick& f) { f.ProgPath.SetText("TYPING"); }),
        Row<TDoAVI>("AVI", "<AVII:" + ShortPath(video) + ">",
                    [&](TDoAVI& f) { f.ProgPath.SetText(video); }),
        Row<TDoCDRom>("AUDIO CD", "<CDPLAY>"),
        // A new command selects no printer (and Wine's spooler lists none to
        // pick): the dialog's own refusal, then Escape.
        Row<TDoDefPrint>("PRINTER", "",
                         [&](TDoDefPrint& f) {
                             refusal(f, "No printer setting selected.");
                             PressKey(f, VK_ESCAPE);
                         }),
        Row<TDoScreen>("SCREEN", "<SCREEN:000>"),
        Row<TDoVolume>("VOLUME", "<AUDOFF>"),
        Row<TDoReboot>("REBOOT", "<LOGOFF>"),
        Row<TDoSysControls>("SYS CTRLS", "<SSON>"),
        encrypt,
        Row<TDoTBox>("TEXT BOX", "<TBOX:<HEAD:Hi>there>",
                     [](TDoTBox& f) {
                         f.Header.SetText("Hi");
                         f.Contents.SetText("there");
                     }),
        // A box without a heading is still a box.
        Row<TDoTBox>("TEXT BOX", "<TBOX:<HEAD:>text>",
                     [](TDoTBox& f) { f.Contents.SetText("text"); }),
        Row<TDoWaitWin>("WAIT", "<WAITWIN:010:Calc>",
                        [](TDoWaitWin& f) { f.WinTitle.SetText("Calc"); }),
        // Wine's phone book is empty: a new command's dial refused, then the
        // hang-up, which needs no entry.
        Row<TDoDialup>("DIAL-UP", "<HANG>",
                       [&](TDoDialup& f) {
                           refusal(f, std::string(NoEntryMessage));
                           f.Hang.Click();
                       }),
        Row<TDoTheEmail>("E-MAIL",
                         "<EMAIL:RNR1S1\x01\x01"
                         "A1>"),
    };
    std::set<std::string_view> covered;
    for (const ButtonRow& row : rows) covered.insert(row.Caption);
    EXPECT_EQ(covered.size(), DirectCommandButtonCount + 1u);  // and Symbols
    for (const ButtonRow& row : rows) {
        SCOPED_TRACE(row.Caption);
        Run(
            "AB",
            [&](TModHotKeys& f) {
                f.NewFormat.SetSelection(1, 0);
                Button(f, row.Caption).Click();
                std::string text = f.NewFormat.Text();
                ASSERT_EQ(text.substr(0, 1) + text.substr(text.size() - 1), "AB");
                std::string inserted = text.substr(1, text.size() - 2);
                EXPECT_EQ(row.Compared(inserted), row.Inserted);
                EXPECT_EQ(f.NewFormat.SelStart(), static_cast<int>(1 + inserted.size()));
                if (!inserted.empty()) {
                    // The reader takes it back as one command of the button's family.
                    std::vector<CommandLine> lines = ReadScript(inserted);
                    ASSERT_EQ(lines.size(), 1u);
                    EXPECT_EQ(BridgeFor(lines[0].Code), BridgeFor(Code(row.Caption)));
                }
                f.UpdateButton.Click();
            },
            [&] { row.Dialog(driver); });
        EXPECT_EQ(row.Compared(macro.ScriptText().substr(1, macro.ScriptText().size() - 2)),
                  row.Inserted);
    }
}

TEST_F(DirectEditorTest, ACommandThatDoesNotFitIsRefused) {
    boxes.Expect(TooLong, MsgResult::Ok, "Error");
    Run(
        std::string(4995, 'x'),
        [&](TModHotKeys& f) {
            Button(f, "REMARK").Click();
            EXPECT_EQ(f.NewFormat.Text().size(), 4995u);
            f.CancelButton.Click();
        },
        [&] {
            driver.Expect<TDoRemark>([](TDoRemark& f) {
                f.Comments.SetText("too long");
                f.Buttons.OkButton.Click();
            });
        });
}

TEST_F(DirectEditorTest, LoadTextOffersNoScriptEditor) {
    Run(
        "AB",
        [&](TModHotKeys& f) {
            Button(f, "LOAD TEXT").Click();
            EXPECT_EQ(f.NewFormat.Text(), "AB");
            f.CancelButton.Click();
        },
        [&] {
            driver.Expect<TDoTextInsert>([](TDoTextInsert& f) {
                EXPECT_FALSE(f.ScriptButton.Visible());
                PressKey(f, VK_ESCAPE);
            });
        });
}

TEST_F(DirectEditorTest, LeavingWithoutUpdateAsksOnlyAfterAChangeAndKeepsTheRecord) {
    for (bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "Escape" : "Cancel");
        auto leave = [escape](TModHotKeys& f) {
            if (escape)
                PressKey(f, VK_ESCAPE);
            else
                f.CancelButton.Click();
        };
        // Unchanged: it closes at once.
        Run("keep", [&](TModHotKeys& f) { leave(f); });
        // Changed: No keeps the editor with the edits, Yes lets them go.
        boxes.Expect(std::string(DiscardChangesQuestion), MsgResult::No, "Warning");
        boxes.Expect(std::string(DiscardChangesQuestion), MsgResult::Yes, "Warning");
        Run("keep", [&](TModHotKeys& f) {
            f.NewFormat.SetText("changed");
            f.NickName.SetText("other");
            leave(f);
            EXPECT_TRUE(f.IsOpen());
            EXPECT_EQ(f.NewFormat.Text(), "changed");
            leave(f);
        });
        // Back after a save the file refused, untouched since: the record
        // holds edits no file holds, so it asks all the same.
        boxes.Expect(std::string(DiscardChangesQuestion), MsgResult::No, "Warning");
        boxes.Expect(std::string(DiscardChangesQuestion), MsgResult::Yes, "Warning");
        Run("keep", [&](TModHotKeys& f) {
            f.HoldsUnsavedEdits = true;
            leave(f);
            EXPECT_TRUE(f.IsOpen());
            leave(f);
        });
        EXPECT_EQ(saved, 0);
        EXPECT_EQ(macro.ScriptText(), "keep");
        EXPECT_EQ(macro.Nickname.str(), "TYPING");
    }
}

TEST_F(DirectEditorTest, AWindowTitleActivationIsShownAndSavedWhole) {
    ActKind = ActivationKind::WindowTitle;
    macro.ScopeText = "A window title of twenty-odd";
    Run("x", [&](TModHotKeys& f) {
        EXPECT_EQ(f.CuewordName.Text(), "A window title of twenty-odd");
        f.UpdateButton.Click();
    });
    EXPECT_EQ(saved, 1);
    EXPECT_EQ(macro.ScopeText.str(), "A window title of twenty-odd");
}

TEST_F(DirectEditorTest, AMissingIconIsSavedAsTheProgramsOwn) {
    macro.IconName = "GONE.ICO";
    Run("x", [&](TModHotKeys& f) {
        EXPECT_EQ(f.IconName(), "MAIN");
        f.UpdateButton.Click();
    });
    EXPECT_EQ(saved, 1);
    EXPECT_EQ(macro.IconName.str(), "MAIN");
}

// Export asks the system's dialog before replacing a file; a file it cannot
// write, the open library and its side files are said and kept as they were.
TEST_F(DirectEditorTest, ExportRefusalsAreSaidAndKeepTheTarget) {
    ScriptedFileDialogs files;
    const std::string locked = MakeFile("locked.txt", "old contents");
    SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY);
    settings.MacroFiles[0] = MakeFile("OPEN.ORN", "library");
    const std::string side = MakeFile("OPEN.OVS", "side");
    const struct Row {
        std::string Target, Message;
    } rows[] = {
        {locked, "The file \"" + locked + "\" could not be written."},
        {settings.MacroFiles[0].str(), LibraryAsTextMessage},
        {side, LibraryAsTextMessage},
    };
    for (const Row& row : rows) {
        const std::optional<std::string> before = ReadWholeFile(row.Target);
        files.ExpectSave(row.Target);
        boxes.Expect(row.Message, MsgResult::Ok, "Error");
        Run("new text", [&](TModHotKeys& f) {
            f.MenuExport.Click();
            f.CancelButton.Click();
        });
        EXPECT_TRUE(files.Shown().back().OverwritePrompt);
        EXPECT_EQ(ReadWholeFile(row.Target), before);
    }
    SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Import takes a text file whole, less a final end-of-file mark; what is no
// text file is refused and the script kept.
TEST_F(DirectEditorTest, ImportTakesTextFilesWholeAndRefusesTheRest) {
    ScriptedFileDialogs files;
    settings.MacroFiles[0] = MakeFile("OPEN.ORN", "library");
    const std::string nul = MakeFile("zero.txt", std::string("before\0after", 12));
    const struct Row {
        std::string File, Shown, Message;
    } rows[] = {
        {MakeFile("in.txt", "typed\x1A"), "typed", ""},
        {nul, "x", "The file \"" + nul + "\" is not a text file.  Please choose a different file."},
        {settings.MacroFiles[0].str(), "x", LibraryAsTextMessage},
    };
    for (const Row& row : rows) {
        files.ExpectOpen(row.File);
        if (!row.Message.empty())
            boxes.Expect(row.Message, MsgResult::Ok, "Error");
        Run("x", [&](TModHotKeys& f) {
            f.MenuImport.Click();
            EXPECT_EQ(f.NewFormat.Text(), row.Shown);
            if (row.Shown != "x")  // an import changed the text
                boxes.Expect(std::string(DiscardChangesQuestion), MsgResult::Yes, "Warning");
            f.CancelButton.Click();
        });
    }
}

}  // namespace
}  // namespace orv::editor
