#include <gtest/gtest.h>

#include <filesystem>

#include "common/script/reader.h"
#include "common/script/script_files.h"
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
    "\"The size of the macro exceeds the 5,000 character limit.  The macro will be truncated "
    "to 5,000 characters.";

class ScriptWriter : public ::testing::Test {
  protected:
    void SetUp() override {
        folder =
            std::filesystem::temp_directory_path() /
            ("orvane_writer_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        parkPath = (folder / "TAVROL.TMP").string();
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    SaveResult Save(const std::vector<CommandLine>& lines, bool park = false) {
        return SaveIt(editor, lines, park, parkPath);
    }

    std::filesystem::path folder;
    std::string parkPath;
    ScriptEditorFields editor;
    ScriptedMessageBoxes boxes;
    FakeClock clock;
};

TEST_F(ScriptWriter, NormalSaveFillsTheMacroFields) {
    editor.IsExisting = false;
    editor.ActKind = 3;
    editor.CuewordName = "  brb-later!  ";
    editor.NickName = std::string(60, 'n');
    editor.IconChoice = "SOMEICON.ICO.EXTRA";
    editor.Scope = ScopeChoice::Program;
    SaveResult r = Save(ReadScript("Hello<ENTER><BEEP>"));
    ASSERT_EQ(r.Outcome, SaveOutcome::Saved);
    EXPECT_TRUE(r.Fields.NewMacro);
    EXPECT_EQ(r.Fields.Nickname, std::string(50, 'n'));
    EXPECT_EQ(r.Fields.IconName, "SOMEICON.ICO");
    EXPECT_EQ(r.Fields.MacroKind, 3);
    EXPECT_EQ(r.Fields.CuewordText, "brb-later!");
    EXPECT_EQ(r.Fields.ScopeText, std::nullopt);
    EXPECT_EQ(r.Fields.ScriptText, "Hello<ENTER><BEEP>");
    EXPECT_EQ(r.Fields.Changed, clock.Now());
}

TEST_F(ScriptWriter, WindowTitleActivationKeepsItsTitle) {
    editor.IsExisting = true;
    editor.ActKind = 7;
    editor.CuewordName = " " + std::string(40, 'w');
    editor.Scope = ScopeChoice::Specific;
    SaveResult r = Save({});
    ASSERT_EQ(r.Outcome, SaveOutcome::Saved);
    EXPECT_FALSE(r.Fields.NewMacro);
    EXPECT_EQ(r.Fields.ScopeText, std::string(30, 'w'));
    EXPECT_EQ(r.Fields.CuewordText, "");
    EXPECT_EQ(r.Fields.MacroKind, 2);
    EXPECT_EQ(r.Fields.ScriptText, "");  // an empty list gives an empty script
}

TEST_F(ScriptWriter, ActivationNamesAreChecked) {
    editor.ActKind = 3;
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
    editor.ActKind = 7;
    editor.CuewordName = "";
    boxes.Expect("No Window title has been entered.", MsgResult::Ok, "Error");
    EXPECT_EQ(Save(ReadScript("x")).Outcome, SaveOutcome::Refused);
}

TEST_F(ScriptWriter, IndentedLinesAreWrittenWithoutTheirBlanks) {
    std::string script = "<REP:0002:000001:000001><CTLD>a<CTLU><ENDREP>";
    std::vector<CommandLine> lines = ReadScript(script);
    SetIndents(lines);
    EXPECT_EQ(lines[1].Text, "   Control Key Down");
    EXPECT_EQ(Save(lines).Fields.ScriptText, script);
}

TEST_F(ScriptWriter, LimitCutsWithAMessageAndNeverSplitsAToken) {
    SaveResult exact = Save(ReadScript(std::string(5000, 'a')));
    EXPECT_EQ(exact.Fields.ScriptText.size(), 5000u);

    boxes.Expect(TooLong, MsgResult::Ok, "Error");
    EXPECT_EQ(Save(ReadScript(std::string(5001, 'a'))).Fields.ScriptText, std::string(5000, 'a'));

    boxes.Expect(TooLong, MsgResult::Ok, "Error");
    std::string head(4995, 'a');
    EXPECT_EQ(Save(ReadScript(head + "<BEEP>")).Fields.ScriptText, head);

    // A keystroke token inside a text line counts as a token too.
    boxes.Expect(TooLong, MsgResult::Ok, "Error");
    EXPECT_EQ(Save(ReadScript(std::string(4996, 'a') + "<ENTER>b")).Fields.ScriptText,
              std::string(4996, 'a'));
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
    parkPath = (folder / "missing" / "TAVROL.TMP").string();
    boxes.Expect("The file \"" + parkPath + "\" could not be written.", MsgResult::Ok, "Error");
    EXPECT_EQ(Save(ReadScript("x"), true).Outcome, SaveOutcome::Refused);
}

TEST_F(ScriptWriter, TextFileModeWritesTheFileWithoutChecks) {
    editor.EditingTextFile = true;
    editor.ActKind = 3;  // an empty Cueword name does not matter here
    editor.TextFilePath = (folder / "notes.txt").string();
    ASSERT_TRUE(WriteWholeFile(editor.TextFilePath, "old"));
    std::string long_text(6000, 'z');  // text files have no limit
    EXPECT_EQ(Save(ReadScript(long_text)).Outcome, SaveOutcome::TextFileWritten);
    EXPECT_EQ(ReadWholeFile(editor.TextFilePath), long_text);
}

TEST_F(ScriptWriter, WholeFileWriteReplacesAndLeavesNoTemporary) {
    std::string path = (folder / "a.txt").string();
    ASSERT_TRUE(WriteWholeFile(path, "one"));
    ASSERT_TRUE(WriteWholeFile(path, "two"));
    EXPECT_EQ(ReadWholeFile(path), "two");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                            std::filesystem::directory_iterator()),
              1);
    EXPECT_EQ(ReadWholeFile((folder / "none.txt").string()), std::nullopt);
}

}  // namespace
}  // namespace orv
