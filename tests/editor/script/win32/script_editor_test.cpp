// The script editor form and its text-file mode, driven as the user would.
#include "editor/script/win32/script_editor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/hotkeys.h"
#include "common/script/script_list.h"
#include "common/script/writer.h"
#include "editor/commands/win32/flow_dialogs.h"
#include "editor/commands/win32/text_dialog.h"
#include "editor/script/win32/text_insert_dialog.h"
#include "tests/editor/script/win32/script_editor_fixture.h"
#include "tests/editor/shell/memory_library.h"
#include "editor/script/text_insert.h"
#include "tests/support/ui/recorded_printer.h"
#include "tests/support/ui/recorded_shell.h"
#include "tests/support/ui/scripted_dialogs.h"

namespace orv::editor {
namespace {

using testing::PressKey;

using ScriptEditorFormTest = testing::ScriptEditorTest;

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST_F(ScriptEditorFormTest, SaveFillsTheRecordAndANewMacroIsCountedOnce) {
    host.SelectScope = [](const std::string&, std::uint8_t, bool) {
        return std::optional<ScopeSelection>({"Notepad", 1});
    };
    EXPECT_EQ(Run(
                  "<REM:a>",
                  [&](TDoScripting& f) {
                      EXPECT_EQ(f.Caption(), "Macro Scripting Editor  (GLOBAL)");
                      EXPECT_EQ(f.Model().Count(), 0);
                      boxes.Expect("No command selected.  Please select one.", MsgResult::Ok,
                                   "Error");
                      f.AddButton.Click();
                      EXPECT_EQ(f.Model().Count(), 0);
                      EXPECT_FALSE(f.EditButton.Enabled());
                      boxes.Expect("No Item Selected.", MsgResult::Ok, "Error");
                      f.EditLine();
                      f.NickName.SetText("Greeting");
                      f.WindowRadio.Click();
                      EXPECT_EQ(f.Caption(), "Macro Scripting Editor  (Window Title: )");
                      AddNamed(f, "Repeat Prompt Start");
                      AddNamed(f, "Repeat End");
                      // A window scope names its window before it is saved.
                      boxes.Expect("No window title has been entered.  Please correct.",
                                   MsgResult::Ok, "Error");
                      f.SaveButton.Click();
                      ASSERT_TRUE(f.IsOpen());
                      f.SelectButton.Click();
                      f.SaveButton.Click();
                  },
                  false),
              IDOK);
    EXPECT_EQ(macro.ScopeText.str(), "Notepad");
    EXPECT_EQ(macro.ScriptText(), "<PROMPTREP><ENDREP>");
    EXPECT_EQ(macro.Nickname.str(), "Greeting");
    EXPECT_EQ(macro.MacroKind, MacroKind::Window);
    EXPECT_EQ(macro.Enabled, 1);
    EXPECT_EQ(macro.IconName.str(), "MAIN");
}

TEST_F(ScriptEditorFormTest, TheTopPanelFollowsTheActivationKind) {
    struct Case {
        ActivationKind Kind;
        const char* Label;
        bool Schedule, Properties, NameBox, HotKey, ScopeRadios;
    };
    const Case cases[] = {
        {ActivationKind::HotKey, "Hot Key", false, false, false, true, true},
        {ActivationKind::Timed, "Timed Macros", true, false, false, false, true},
        {ActivationKind::Cueword, "Cueword", false, true, true, false, true},
        {ActivationKind::None, "None", false, false, false, false, true},
        {ActivationKind::WindowTitle, "Window Title", false, false, true, false, false},
    };
    macro.ScopeText = "A window title of twenty-odd";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Label);
        ActKind = c.Kind;
        Run("<REM:a>", [&](TDoScripting& f) {
            EXPECT_EQ(f.ActLabel.Text(), c.Label);
            EXPECT_EQ(IsWindowVisible(f.SetSchedule.Handle()) != 0, c.Schedule);
            EXPECT_EQ(IsWindowVisible(f.Properties.Handle()) != 0, c.Properties);
            EXPECT_EQ(IsWindowVisible(f.CueName.Handle()) != 0, c.NameBox);
            EXPECT_EQ(IsWindowVisible(f.HotKeyLabel.Handle()) != 0, c.HotKey);
            EXPECT_EQ(f.WindowRadio.Enabled(), c.ScopeRadios);
            EXPECT_EQ(f.ProgramRadio.Enabled(), c.ScopeRadios);
            if (c.Kind == ActivationKind::WindowTitle) {
                EXPECT_EQ(f.CueName.Text(), "A window title of twenty-odd");
            }
            EXPECT_FALSE(f.WizardButton.Enabled());
            // Enter in a list never saves; Escape closes without saving.
            f.Script.SetFocus();
            PressKey(f, VK_RETURN);
            EXPECT_TRUE(f.IsOpen());
            PressKey(f, VK_ESCAPE);
        });
        EXPECT_EQ(macro.Changed, 0u);
    }
}

TEST_F(ScriptEditorFormTest, ALockedScopeAndTheScopeDialogSetTheCaption) {
    std::string shownName;
    host.SelectScope = [&](const std::string& name, std::uint8_t match, bool programMode) {
        shownName = name;
        EXPECT_EQ(match, 1);
        EXPECT_TRUE(programMode);
        return std::optional<ScopeSelection>({"CALC.EXE", 2});
    };
    Run(
        "<REM:a>",
        [&](TDoScripting& f) {
            EXPECT_FALSE(f.GlobalRadio.Enabled());
            EXPECT_TRUE(f.WindowRadio.Checked());
            EXPECT_EQ(f.Caption(), "Macro Scripting Editor  (Window Title: )");
            f.ProgramRadio.Click();
            EXPECT_TRUE(f.SelectButton.Enabled());
            f.SelectButton.Click();
            EXPECT_EQ(f.Caption(), "Macro Scripting Editor  (Program: CALC.EXE)");
            f.SaveButton.Click();
        },
        false, true);
    EXPECT_EQ(macro.ScopeText.str(), "CALC.EXE");
    EXPECT_EQ(macro.ScopeMatch, 2);
    EXPECT_EQ(macro.MacroKind, MacroKind::Program);
}

TEST_F(ScriptEditorFormTest, ABadCuewordNameIsFocusedAndTheRecordKept) {
    ActKind = ActivationKind::Cueword;
    macro.CuewordText = "sig";
    macro.CuewordCase = 1;
    macro.CuewordRemove = 1;
    MacroRecord before = macro;
    before.SetScriptText("<REM:a>");
    EXPECT_EQ(Run("<REM:a>",
                  [&](TDoScripting& f) {
                      EXPECT_TRUE(IsWindowVisible(f.Properties.Handle()));
                      EXPECT_FALSE(IsWindowVisible(f.HotKeyLabel.Handle()));
                      EXPECT_EQ(f.CueName.Text(), "sig");
                      f.CueName.SetText("si'g");
                      boxes.Expect(
                          "The Cueword name has invalid characters in it.  Valid characters are "
                          "A - Z, a - z, 0 - 9 and ' ! @ # $ % ^ & _ = < > ? . ; , * - / +",
                          MsgResult::Ok, "Error");
                      f.SaveButton.Click();
                      EXPECT_TRUE(f.IsOpen());
                      EXPECT_TRUE(f.CueName.Focused());
                      boxes.Expect(std::string(DiscardChangesQuestion), MsgResult::Yes, "Warning");
                      f.CancelButton.Click();
                  }),
              IDCANCEL);
    EXPECT_EQ(testing::RecordFileBytes({macro}), testing::RecordFileBytes({before}));
}

// Opened and saved unchanged, older forms and a text ending in a token begun
// stay as they were; a line that would take in the one after it is refused
// and shown.
TEST_F(ScriptEditorFormTest, AnUntouchedScriptSavesByteForByteAndARefusedLineIsShown) {
    const std::string script =
        "<LAUNCHYES:01Word<LAUNCH:w.exe><REPEAT:0002>x<ENDREP><MM/DD/YY{Y}><SPEED:00001>"
        "Go to <HTTP:www.example.com";
    EXPECT_EQ(Run(script, [&](TDoScripting& f) { f.SaveButton.Click(); }), IDOK);
    EXPECT_EQ(macro.ScriptText(), script);

    EXPECT_EQ(Run("<BEEP>",
                  [&](TDoScripting& f) {
                      f.SelectLine(0);
                      driver.Expect<TModText>([](TModText& d) {
                          d.NewFormat.SetText("x<REM:");
                          d.UpdateButton.Click();
                      });
                      AddNamed(f, "Text", AddStyle::Before);
                      f.SelectLine(1);
                      boxes.Expect(
                          "The script line \"Text: x<REM:\" cannot be saved.  The text ends in "
                          "\"<REM:\", the beginning of a command, which would take in the line "
                          "after it.  Please complete or remove it.",
                          MsgResult::Ok, "Error");
                      f.SaveButton.Click();
                      EXPECT_TRUE(f.IsOpen());
                      EXPECT_EQ(f.Script.ItemIndex(), 0);
                      boxes.Expect(std::string(DiscardChangesQuestion), MsgResult::Yes, "Warning");
                      f.CancelButton.Click();
                  }),
              IDCANCEL);
    EXPECT_EQ(macro.ScriptText(), "<BEEP>");
}

TEST_F(ScriptEditorFormTest, AnIconFromElsewhereIsCopiedIntoANewIconsFolder) {
    orv::testing::ScriptedFileDialogs files;
    // An icon file: the header of an icon with no images is enough to copy.
    std::string elsewhere = folder.Path() + "\\away";
    CreateDirectoryA(elsewhere.c_str(), nullptr);
    std::string icon = elsewhere + "\\FACE.ICO";
    std::ofstream(icon, std::ios::binary) << std::string("\0\0\1\0\0\0", 6);
    std::string icons = folder.Path() + "\\Icons";
    ASSERT_FALSE(std::filesystem::exists(icons));
    Run("<REM:a>", [&](TDoScripting& f) {
        files.ExpectOpen(elsewhere + "\\FACE.TXT");
        boxes.Expect("Invalid file type selected.", MsgResult::Ok, "Error");
        f.IconButton.OnClick();
        files.ExpectOpen(icon);
        f.IconButton.OnClick();
        EXPECT_EQ(f.IconName(), "FACE.ICO");
        boxes.Expect("Reset icon to program default?", MsgResult::Yes, "");
        f.IconButton.OnMouseDown(MouseButton::Right, 0, 1, 1);
        EXPECT_EQ(f.IconName(), "MAIN");
        files.ExpectOpen(icon);
        boxes.Expect(
            "The selected icon could not be opened.  An icon of this name already exists in the "
            "default icon folder.  It will be opened instead.",
            MsgResult::Ok, "Error");
        f.IconButton.OnClick();
        f.SaveButton.Click();
    });
    EXPECT_TRUE(std::filesystem::exists(icons + "\\FACE.ICO"));
    EXPECT_EQ(files.Shown().at(0).InitialDir, icons);
    EXPECT_EQ(macro.IconName.str(), "FACE.ICO");
}

TEST_F(ScriptEditorFormTest, EscapeAsksOnlyAfterAChangeAndKeepsTheRecord) {
    const std::string script = "<BEEP>";
    EXPECT_EQ(Run(script, [](TDoScripting& f) { PressKey(f, VK_ESCAPE); }), IDCANCEL);
    // The dialogs behind the buttons change the record itself.
    host.SelectScope = [](const std::string&, std::uint8_t, bool) {
        return std::optional<ScopeSelection>({"Beta", 1});
    };
    host.EditSchedule = [](MacroRecord& m) {
        m.Hour = 7;
        m.Minute = 30;
    };
    host.EditCuewordOptions = [](MacroRecord& m) {
        m.CuewordRemove = m.CuewordRemove == 1 ? 2 : 1;
    };
    struct Change {
        const char* What;
        ActivationKind ActKind;
        std::int16_t Kind;
        std::function<void(TDoScripting&)> Make;
    };
    const Change changes[] = {
        {"a line deleted", ActivationKind::HotKey, MacroKind::Global,
         [](TDoScripting& f) {
             f.SelectLine(0);
             f.DeleteButton.Click();
         }},
        {"the window chosen anew", ActivationKind::HotKey, MacroKind::Window,
         [](TDoScripting& f) { f.SelectButton.Click(); }},
        {"the schedule set", ActivationKind::Timed, MacroKind::Global,
         [](TDoScripting& f) { f.SetSchedule.Click(); }},
        {"the Cueword options set", ActivationKind::Cueword, MacroKind::Global,
         [](TDoScripting& f) { f.Properties.Click(); }},
        {"back after a save the file refused, untouched since", ActivationKind::HotKey,
         MacroKind::Global, [](TDoScripting& f) { f.HoldsUnsavedEdits = true; }},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.What);
        ActKind = change.ActKind;
        macro.MacroKind = change.Kind;
        macro.ScopeText = change.Kind == MacroKind::Window ? "Alpha" : "";
        macro.CuewordText = "cue";
        macro.CuewordRemove = 1;
        macro.Hour = 0;
        const std::string scope = macro.ScopeText.str();
        boxes.Expect(std::string(DiscardChangesQuestion), MsgResult::No, "Warning");
        boxes.Expect(std::string(DiscardChangesQuestion), MsgResult::Yes, "Warning");
        Run(script, [&](TDoScripting& f) {
            change.Make(f);
            PressKey(f, VK_ESCAPE);
            ASSERT_TRUE(f.IsOpen()) << "thrown away without a question";
            f.CancelButton.Click();
        });
        EXPECT_EQ(macro.ScriptText(), script);
        EXPECT_EQ(macro.ScopeText.str(), scope) << "the record kept a cancelled choice";
        EXPECT_EQ(macro.Hour, 0);
        EXPECT_EQ(macro.CuewordRemove, 1);
    }
}

TEST_F(ScriptEditorFormTest, ClosingKeepsTheGeometryAndTheInsertMethod) {
    settings.ScriptWidth = 640;
    settings.ScriptHeight = 480;
    settings.InsertMethod = 1;
    Run("<REM:a>", [&](TDoScripting& f) {
        EXPECT_TRUE(f.InsertBefore.Checked());
        f.InsertAtEnd.Click();
        EXPECT_TRUE(f.InsertAtEnd.Checked());
        EXPECT_FALSE(f.InsertBefore.Checked());
        f.CancelButton.Click();
    });
    EXPECT_EQ(settings.InsertMethod, 3);
    EXPECT_EQ(settings.ScriptWidth, 640);
    EXPECT_EQ(settings.ScriptHeight, 480);
    EXPECT_EQ(settings.ScriptLeft, (GetSystemMetrics(SM_CXSCREEN) - 640) / 2);
    ASSERT_TRUE(configs.WriteScriptPageSettings());
    EXPECT_EQ(store.Raw("Script Page", "Width"), "640");
}

TEST_F(ScriptEditorFormTest, PrintingLaysTheScriptOutAndTheFontIsKept) {
    orv::testing::RecordedPrinter printer;
    orv::testing::ScriptedFontDialogs fonts;
    Run("<REP:0002:000001:000001><REM:a><ENDREP>", [&](TDoScripting& f) {
        printer.ExpectPrintDialog(2);
        f.MenuPrint.Click();
        FontDescription chosen{0, "Courier New", 12, FontStyle::Bold | FontStyle::Underline};
        fonts.ExpectFont(chosen);
        f.MenuPrinterFont.Click();
        printer.BusyElsewhere = true;
        boxes.Expect("Other print job currently in progress.", MsgResult::Ok, "Error");
        f.MenuPrint.Click();
        f.CancelButton.Click();
    });
    ASSERT_EQ(printer.Documents.size(), 1u);
    const orv::testing::PrintedDocument& doc = printer.Documents[0];
    EXPECT_EQ(doc.Title, "Orvane 99");
    ASSERT_EQ(doc.Pages.size(), 2u);
    EXPECT_EQ(doc.Pages[0], doc.Pages[1]);
    ASSERT_EQ(doc.Pages[0].size(), 4u);
    EXPECT_EQ(doc.Pages[0][0].Text, "Orvane Script for TYPING  (" + KeyName(65) + ")");
    EXPECT_EQ(doc.Pages[0][2].Text, "   Remark: a");
    EXPECT_EQ(settings.PrintListFont.Style, FontStyle::Bold);
    EXPECT_EQ(settings.PrintListFont.Name, "Courier New");
    EXPECT_EQ(notices.Posted, (std::vector<std::pair<int, int>>{{16, 0}}));
}

class TextFileModeTest : public testing::ScriptEditorTest {
  protected:
    // Two Text lines the reader would join, and a delay.
    void AddThreeLines(TDoScripting& f) {
        for (const char* text : {"ab", "cd"}) {
            driver.Expect<TModText>([text](TModText& d) {
                d.NewFormat.SetText(text);
                d.UpdateButton.Click();
            });
            AddNamed(f, "Text");
        }
        driver.Expect<TDoDelay2>([](TDoDelay2& d) {
            d.Seconds.SetText("2");
            d.Buttons.OkButton.Click();
        });
        AddNamed(f, "Delay");
    }
    void EnterMode(const std::string& file) {
        driver.Expect<TDoTextInsert>([file](TDoTextInsert& d) {
            EXPECT_TRUE(IsWindowVisible(d.ScriptButton.Handle()));
            d.PathBox.SetText(" " + file + " ");
            d.ScriptButton.Click();
            if (d.IsOpen())
                PressKey(d, VK_ESCAPE);
        });
    }
    const std::vector<std::string> threeLines{"Text: ab", "Text: cd", "Delay 2.00 Seconds"};
};

TEST_F(TextFileModeTest, CancelBringsTheMacrosOwnLinesBackExactly) {
    std::string file = MakeFile("keys.txt", "<REM:in file>");
    Run("", [&](TDoScripting& f) {
        AddThreeLines(f);
        f.SelectLine(1);
        EnterMode(file);
        AddNamed(f, "Load Text File");
        EXPECT_EQ(f.EditingTextFile, 1);
        EXPECT_EQ(Texts(f), (std::vector<std::string>{"Remark: in file"}));
        EXPECT_TRUE(IsWindowVisible(f.Banner.Handle()));
        EXPECT_EQ(f.Banner.Text(), "Edit Text File: " + file);
        EXPECT_EQ(ReadAll(folder.Path() + "\\TAVROL.TMP"),
                  "ab"
                  "cd<DELAY:02.00>");
        // The file's own text-file lines edit no further file in its place.
        driver.Expect<TDoTextInsert>([](TDoTextInsert& d) {
            EXPECT_FALSE(IsWindowVisible(d.ScriptButton.Handle()));
            EXPECT_FALSE(d.ScriptButton.Enabled());
            PressKey(d, VK_ESCAPE);
        });
        AddNamed(f, "Load Text File");
        EXPECT_EQ(Texts(f), (std::vector<std::string>{"Remark: in file"}));
        // The file's lines edited: Escape and the close box ask; No keeps the
        // mode and the edit, Yes leaves the mode with the file as it was.
        f.SelectLine(0);
        f.DeleteButton.Click();
        boxes.Expect(std::string(DiscardChangesQuestion), MsgResult::No, "Warning");
        PressKey(f, VK_ESCAPE);
        EXPECT_EQ(f.EditingTextFile, 1);
        boxes.Expect(std::string(DiscardChangesQuestion), MsgResult::No, "Warning");
        SendMessageA(f.Handle(), WM_CLOSE, 0, 0);
        ASSERT_TRUE(f.IsOpen());
        EXPECT_EQ(f.Script.Count(), 0);
        boxes.Expect(std::string(DiscardChangesQuestion), MsgResult::Yes, "Warning");
        f.CancelButton.Click();
        EXPECT_TRUE(f.IsOpen());
        EXPECT_EQ(f.EditingTextFile, 0);
        EXPECT_EQ(Texts(f), threeLines);
        EXPECT_EQ(f.Model().Selected(), 1);
        boxes.Expect(std::string(DiscardChangesQuestion), MsgResult::Yes, "Warning");
        f.CancelButton.Click();
    });
    EXPECT_EQ(ReadAll(file), "<REM:in file>");
}

TEST_F(TextFileModeTest, NotepadOpensTheShortPathAndTheMenuOffersNoScriptEditing) {
    orv::testing::RecordedShell shell;
    std::string file = MakeFile("keys.txt", "");
    Run("", [&](TDoScripting& f) {
        driver.Expect<TDoTextInsert>([&](TDoTextInsert& d) {
            EXPECT_FALSE(IsWindowVisible(d.ScriptButton.Handle()));
            d.PathBox.SetText(file + "x");
            boxes.Expect(TextInsertMessage::Unable, MsgResult::Ok, "Error");
            d.NotepadButton.Click();
            EXPECT_TRUE(d.PathBox.Focused());
            d.PathBox.SetText(file);
            d.NotepadButton.Click();
            EXPECT_TRUE(d.IsOpen());
            d.PathBox.SetText(file + "x");
            boxes.Expect(TextInsertMessage::Correct, MsgResult::No, "Warning");
            d.Buttons.OkButton.Click();
        });
        for (TMenuItem* item : f.MenuCommands.Items())
            if (item->Caption() == "&Insert a Text File")
                item->Click();
        EXPECT_EQ(Texts(f), (std::vector<std::string>{"Load Text File: keys.txtx"}));
        boxes.Expect(std::string(DiscardChangesQuestion), MsgResult::Yes, "Warning");
        f.CancelButton.Click();
    });
    EXPECT_EQ(shell.Openings, (std::vector<orv::testing::RecordedShell::Opened>{
                                  {"notepad.exe", "\"" + ShortPath(file) + "\""}}));
}

TEST_F(TextFileModeTest, SavingTheFileReturnsToTheLineItCameFrom) {
    std::string file = MakeFile("keys.txt", "<REM:in file>");
    std::string other = MakeFile("other.txt", "");
    std::string script = "<REM:x><TFILE:" + ShortPath(other) + "><REM:y>";
    Run(script, [&](TDoScripting& f) {
        f.SelectLine(1);
        EnterMode(file);
        f.EditButton.Click();
        ASSERT_EQ(f.EditingTextFile, 1);
        f.SelectLine(0);
        driver.Expect<TDoRemark>([](TDoRemark& d) {
            d.Comments.SetText("changed");
            d.Buttons.OkButton.Click();
        });
        f.EditButton.Click();
        driver.Expect<TDoTextInsert>([&](TDoTextInsert& d) {
            EXPECT_EQ(d.PathBox.Text(), file);
            d.Buttons.OkButton.Click();
        });
        f.SaveButton.Click();
        EXPECT_EQ(f.EditingTextFile, 0);
        std::string shortFile = ShortPath(file);
        EXPECT_EQ(Texts(f),
                  (std::vector<std::string>{
                      "Remark: x", "Load Text File: " + shortFile.substr(shortFile.rfind('\\') + 1),
                      "Remark: y"}));
        f.SaveButton.Click();
    });
    EXPECT_EQ(ReadAll(file), "<REM:changed>");
    EXPECT_EQ(macro.ScriptText(), "<REM:x><TFILE:" + ShortPath(file) + "><REM:y>");
}

// No text file (a NUL in it, the open library) is edited as one; a text file
// that cannot be saved is said and kept, and its mode stays.
TEST_F(TextFileModeTest, WhatIsNoTextFileIsRefusedAndAFailedSaveKeepsTheFile) {
    settings.MacroFiles[0] = MakeFile("OPEN.ORN", "library");
    const std::string nul = MakeFile("zero.txt", std::string("<REM:a>\0b", 9));
    for (const auto& [file, message] :
         {std::pair{nul, "The file \"" + ShortPath(nul) +
                             "\" is not a text file.  Please choose a "
                             "different file."},
          std::pair{settings.MacroFiles[0].str(), std::string(LibraryAsTextMessage)}}) {
        Run("", [&](TDoScripting& f) {
            EnterMode(file);
            boxes.Expect(message, MsgResult::Ok, "Error");
            AddNamed(f, "Load Text File");
            EXPECT_EQ(f.EditingTextFile, 0);
            f.CancelButton.Click();
        });
        EXPECT_EQ(ReadAll(file), file == nul ? std::string("<REM:a>\0b", 9) : "library");
    }

    const std::string locked = MakeFile("locked.txt", "<REM:in file>");
    Run("", [&](TDoScripting& f) {
        EnterMode(locked);
        AddNamed(f, "Load Text File");
        ASSERT_EQ(f.EditingTextFile, 1);
        SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY);
        boxes.Expect("The file \"" + ShortPath(locked) + "\" could not be written.", MsgResult::Ok,
                     "Error");
        f.SaveButton.Click();
        EXPECT_EQ(f.EditingTextFile, 1);
        f.CancelButton.Click();
        f.CancelButton.Click();
    });
    SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadAll(locked), "<REM:in file>");
}

TEST_F(TextFileModeTest, AWorkingFileThatCannotBeWrittenKeepsNormalMode) {
    std::string file = MakeFile("keys.txt", "<REM:in file>");
    // A folder of that name can never be replaced by the file.
    std::string working = folder.Path() + "\\TAVROL.TMP";
    CreateDirectoryA(working.c_str(), nullptr);
    Run("", [&](TDoScripting& f) {
        AddThreeLines(f);
        EnterMode(file);
        boxes.Expect("The file \"" + working + "\" could not be written.", MsgResult::Ok, "Error");
        AddNamed(f, "Load Text File");
        EXPECT_EQ(f.EditingTextFile, 0);
        EXPECT_EQ(Texts(f), threeLines);
        boxes.Expect(std::string(DiscardChangesQuestion), MsgResult::Yes, "Warning");
        f.CancelButton.Click();
    });
}

}  // namespace
}  // namespace orv::editor
