#include <gtest/gtest.h>

#include <filesystem>

#include "common/script/reader.h"
#include "common/files.h"
#include "common/files.h"
#include "common/script/script_list.h"
#include "common/script/writer.h"
#include "tests/support/fake_clock.h"
#include "tests/support/scripted_message_boxes.h"

namespace orv {
namespace {

using C = CommandCode;
using testing::FakeClock;
using testing::ScriptedMessageBoxes;

const std::string TooLong =
    "The size of the macro exceeds the 5,000 character limit.  The macro will be truncated "
    "to 5,000 characters. Would you like to exit and have the macro truncated?";

class ScriptWriter : public ::testing::Test {
  protected:
    void SetUp() override {
        folder =
            std::filesystem::temp_directory_path() /
            ("orvane_writer_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        parkPath = InFolder(folder.string(), "TAVROL.TMP");
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    SaveResult Save(const std::vector<CommandLine>& lines, bool park = false) {
        return SaveIt(editor, lines, park, programDir.empty() ? folder.string() : programDir,
                      macro);
    }

    std::filesystem::path folder;
    std::string parkPath;
    std::string programDir;
    ScriptEditorFields editor;
    MacroRecord macro;
    ScriptedMessageBoxes boxes;
    FakeClock clock;
};

TEST_F(ScriptWriter, NormalSaveFillsTheMacroFields) {
    editor.IsExisting = false;
    editor.ActKind = ActivationKind::Cueword;
    editor.CuewordName = "  brb-later!  ";
    editor.NickName = std::string(60, 'n');
    editor.IconChoice = "SOMEICON.ICO.EXTRA";
    editor.Scope = ScopeChoice::Program;
    macro.ScopeText = "kept";
    macro.TextLength = 99;
    SaveResult r = Save(ReadScript("Hello<ENTER><BEEP>"));
    ASSERT_EQ(r.Outcome, SaveOutcome::Saved);
    EXPECT_EQ(macro.Nickname, std::string(50, 'n'));
    EXPECT_EQ(macro.IconName, "SOMEICON.ICO");
    EXPECT_EQ(macro.MacroKind, MacroKind::Program);
    EXPECT_EQ(macro.CuewordText, "brb-later!");
    EXPECT_EQ(macro.ScopeText, "kept");
    EXPECT_EQ(macro.TextLength, 99);  // not the writer's field
    EXPECT_EQ(macro.ScriptText(), "Hello<ENTER><BEEP>");
    EXPECT_EQ(macro.Changed, clock.Now());
    // A new macro is enabled; the append that writes it counts it.
    EXPECT_EQ(macro.Enabled, 1);
}

TEST_F(ScriptWriter, WindowTitleActivationKeepsItsTitle) {
    editor.IsExisting = true;
    editor.ActKind = ActivationKind::WindowTitle;
    editor.CuewordName = " " + std::string(40, 'w');
    editor.Scope = ScopeChoice::Specific;
    macro.CuewordText = "old";
    macro.SetScriptText("old script");
    SaveResult r = Save({});
    ASSERT_EQ(r.Outcome, SaveOutcome::Saved);
    EXPECT_EQ(macro.ScopeText, std::string(30, 'w'));
    EXPECT_EQ(macro.CuewordText, "");
    EXPECT_EQ(macro.MacroKind, MacroKind::Window);
    EXPECT_EQ(macro.ScriptText(), "");  // an empty list gives an empty script
}

TEST_F(ScriptWriter, ActivationNamesAreChecked) {
    editor.ActKind = ActivationKind::Cueword;
    editor.CuewordName = "   ";
    boxes.Expect("No Cueword name was entered.", MsgResult::Ok, "Error");
    SaveResult r = Save(ReadScript("x"));
    EXPECT_EQ(r.Outcome, SaveOutcome::Refused);
    EXPECT_TRUE(r.FocusName);

    const std::string invalid =
        "The Cueword name has invalid characters in it.  Valid characters are A - Z, a - z, 0 - "
        "9 and ' ! @ # $ % ^ & _ = < > ? . ; , * - / +";
    for (std::string name : {"it's", "a b", "caf\xE9"}) {
        editor.CuewordName = name;
        boxes.Expect(invalid, MsgResult::Ok, "Error");
        EXPECT_EQ(Save(ReadScript("x")).Outcome, SaveOutcome::Refused) << name;
    }
    editor.ActKind = ActivationKind::WindowTitle;
    editor.CuewordName = "";
    boxes.Expect("No Window title has been entered.", MsgResult::Ok, "Error");
    EXPECT_EQ(Save(ReadScript("x")).Outcome, SaveOutcome::Refused);

    // A window or program scope names its window or program.
    editor.ActKind = ActivationKind::HotKey;
    macro.ScopeText = "  ";
    for (auto [scope, message] :
         {std::pair{ScopeChoice::Specific, "No window title has been entered.  Please correct."},
          std::pair{ScopeChoice::Program, "No program name has been entered.  Please correct."}}) {
        editor.Scope = scope;
        boxes.Expect(message, MsgResult::Ok, "Error");
        EXPECT_EQ(Save(ReadScript("x")).Outcome, SaveOutcome::Refused) << message;
    }
    EXPECT_EQ(macro.ScriptText(), "");
    EXPECT_EQ(Save(ReadScript("x"), true).Outcome, SaveOutcome::Parked) << "parking asks nothing";
    macro.ScopeText = "NOTEPAD.EXE";
    EXPECT_EQ(Save(ReadScript("x")).Outcome, SaveOutcome::Saved);
}

// "x<REM:" then a beep would be saved as "x<REM:<BEEP>": a remark, and the
// beep lost. Two text lines in a row are read back as one text, so the pair
// is checked as one.
TEST_F(ScriptWriter, TextEndingInAnUnfinishedTokenIsNotSaved) {
    std::vector<CommandLine> lines = {{"Text: x<REM:", C::Text, TextRec{"x<REM:"}}};
    lines.push_back(ReadScript("<BEEP>")[0]);
    boxes.Expect(
        "The script line \"Text: x<REM:\" cannot be saved.  The text ends in "
        "\"<REM:\", the beginning of a command, which would take in the line after "
        "it.  Please complete or remove it.",
        MsgResult::Ok, "Error");
    SaveResult refused = Save(lines);
    EXPECT_EQ(refused.Outcome, SaveOutcome::Refused);
    EXPECT_EQ(refused.FailedLine, 0u);
    EXPECT_EQ(macro.ScriptText(), "");

    lines[0] = {"Text: x<RE", C::Text, TextRec{"x<RE"}};
    lines.insert(lines.begin() + 1, {"Text: M:", C::Text, TextRec{"M:"}});
    boxes.Expect(
        "The script line \"Text: M:\" cannot be saved.  The text ends in \"<REM:\", "
        "the beginning of a command, which would take in the line after it.  Please "
        "complete or remove it.");
    EXPECT_EQ(Save(lines).FailedLine, 1u);

    // Typed as text, a whole token would come back as its command.
    lines = {ReadScript("<BEEP>")[0], {"Text: <REM:x>", C::Text, TextRec{"<REM:x>"}}};
    boxes.Expect(
        "The script line \"Text: <REM:x>\" cannot be saved.  Beside the lines around it, it "
        "would be read back as other commands.  Please change it.");
    EXPECT_EQ(Save(lines).FailedLine, 1u);

    // Nothing follows to be taken in: the texts are saved as they stand.
    for (std::string text :
         {"x<REM:", "Go to <HTTP:www.example.com", "<ALT:0", "a<MSD:12", "<TBOX:<HEAD:h>body",
          "<LAUNCHNO2:0102t<LAUNCH:p<PARAM>", "<NWCP:<NAME:u", "<REM:a>b<REM:"}) {
        lines = ReadScript("<BEEP>" + text);
        lines.back().Source.clear();  // typed in the dialog
        ASSERT_EQ(Save(lines).Outcome, SaveOutcome::Saved) << text;
        EXPECT_EQ(macro.ScriptText(), "<BEEP>" + text);
    }
}

TEST_F(ScriptWriter, IndentedLinesAreWrittenWithoutTheirBlanks) {
    std::string script = "<REP:0002:000001:000001><CTLD>a<CTLU><ENDREP>";
    std::vector<CommandLine> lines = ReadScript(script);
    SetIndents(lines);
    EXPECT_EQ(lines[1].Text, "   Control Key Down");
    EXPECT_EQ(Save(lines).Outcome, SaveOutcome::Saved);
    EXPECT_EQ(macro.ScriptText(), script);
}

TEST_F(ScriptWriter, LimitCutsOnlyWhenTheUserAgreesAndNeverSplitsAToken) {
    auto saved = [&](const std::string& script) {
        Save(ReadScript(script));
        return macro.ScriptText();
    };
    EXPECT_EQ(saved(std::string(5000, 'a')).size(), 5000u);

    boxes.Expect(TooLong, MsgResult::Yes, "Warning");
    EXPECT_EQ(saved(std::string(5001, 'a')), std::string(5000, 'a'));

    boxes.Expect(TooLong, MsgResult::Yes, "Warning");
    std::string head(4995, 'a');
    EXPECT_EQ(saved(head + "<BEEP>"), head);

    // A keystroke token inside a text line counts as a token too.
    boxes.Expect(TooLong, MsgResult::Yes, "Warning");
    EXPECT_EQ(saved(std::string(4996, 'a') + "<ENTER>b"), std::string(4996, 'a'));

    // No keeps the form open with everything in it, and the record as it was.
    macro.SetScriptText("before");
    boxes.Expect(TooLong, MsgResult::No, "Warning");
    EXPECT_EQ(Save(ReadScript(std::string(5001, 'a'))).Outcome, SaveOutcome::Refused);
    EXPECT_EQ(macro.ScriptText(), "before");
}

TEST(ScriptCut, CutsBeforeTheLastIncompleteToken) {
    EXPECT_EQ(CutScript("ab<BEEP>cd", 5), "ab");
    EXPECT_EQ(CutScript("ab<BEEP>cd", 8), "ab<BEEP>");
    EXPECT_EQ(CutScript("ab<BEEP>cd", 9), "ab<BEEP>c");
    EXPECT_EQ(CutScript("a<b<c>d", 4), "a<b<");  // "<c>" is no token
    EXPECT_EQ(CutScript("<MM/DD/YY{NF000}>", 10), "");
}

TEST_F(ScriptWriter, UnwritableLineStopsTheSaveWithItsReason) {
    std::vector<CommandLine> lines = ReadScript("<BEEP>");
    lines.push_back({"Remark: a>b", C::Remark, StringRec{"a>b"}});
    const std::string message =
        "The script line \"Remark: a>b\" cannot be saved.  The text \"a>b\" holds the character "
        "\">\", which would end the command early.  Please remove it.";
    boxes.Expect(message, MsgResult::Ok, "Error");
    EXPECT_EQ(Save(lines).Outcome, SaveOutcome::Refused);
    EXPECT_EQ(macro.ScriptText(), "");
    boxes.Expect(message, MsgResult::Ok, "Error");
    EXPECT_EQ(Save(lines, true).Outcome, SaveOutcome::Refused);
    EXPECT_FALSE(std::filesystem::exists(parkPath));
}

TEST_F(ScriptWriter, ParkingWritesTheWorkingFile) {
    editor.EditingTextFile = true;
    std::string script = "x<WMAX:\"CURRENT\">\xE9";
    EXPECT_EQ(Save(ReadScript(script), true).Outcome, SaveOutcome::Parked);
    EXPECT_EQ(ReadWholeFile(parkPath), script);
}

TEST_F(ScriptWriter, FailedParkingStopsTheOperation) {
    editor.EditingTextFile = true;
    programDir = (folder / "missing").string();
    parkPath = InFolder(programDir, "TAVROL.TMP");
    boxes.Expect("The file \"" + parkPath + "\" could not be written.", MsgResult::Ok, "Error");
    EXPECT_EQ(Save(ReadScript("x"), true).Outcome, SaveOutcome::Refused);
}

TEST_F(ScriptWriter, TextFileModeWritesTheFileWithoutChecks) {
    editor.EditingTextFile = true;
    editor.ActKind = ActivationKind::Cueword;  // an empty Cueword name does not matter here
    editor.TextFilePath = (folder / "notes.txt").string();
    ASSERT_TRUE(ReplaceFileContents(editor.TextFilePath, "old"));
    std::string long_text(6000, 'z');  // text files have no limit
    EXPECT_EQ(Save(ReadScript(long_text)).Outcome, SaveOutcome::TextFileWritten);
    EXPECT_EQ(ReadWholeFile(editor.TextFilePath), long_text);
}

TEST_F(ScriptWriter, ReadingWholeFiles) {
    std::string path = (folder / "a.txt").string();
    std::string bytes("one\0two\x1A", 8);
    ASSERT_TRUE(ReplaceFileContents(path, bytes));
    EXPECT_EQ(ReadWholeFile(path), bytes);
    EXPECT_EQ(ReadWholeFile((folder / "none.txt").string()), std::nullopt);
}

}  // namespace
}  // namespace orv
