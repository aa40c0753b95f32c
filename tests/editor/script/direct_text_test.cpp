#include <gtest/gtest.h>

#include <filesystem>

#include "common/files.h"
#include "editor/script/direct_text.h"
#include "tests/support/fake_clock.h"
#include "tests/support/scripted_message_boxes.h"

namespace orv::editor {
namespace {

using orv::testing::FakeClock;
using orv::testing::ScriptedMessageBoxes;

const std::string TruncateQuestion =
    "The size of the macro exceeds the 5,000 character limit.  The macro will be truncated to "
    "5,000 characters. Would you like to exit and have the macro truncated?";

class DirectUpdateTest : public ::testing::Test {
  protected:
    void SetUp() override {
        macro.Nickname = "before";
        macro.SetScriptText("old");
        editor.NickName = "after";
        editor.IconChoice = "MAIN";
    }
    DirectUpdateOutcome Update(std::string_view text) { return DirectUpdate(editor, text, macro); }

    ScriptEditorFields editor;
    MacroRecord macro;
    ScriptedMessageBoxes boxes;
    FakeClock clock;
};

TEST_F(DirectUpdateTest, LimitIsAskedBeforeAnythingIsWritten) {
    struct Case {
        std::size_t Length;
        bool Asked;
        int Answer;
        DirectUpdateOutcome Outcome;
        std::size_t Stored;
    };
    const Case cases[] = {
        {5000, false, 0, DirectUpdateOutcome::Saved, 5000},
        {5001, true, MsgResult::No, DirectUpdateOutcome::Declined, 0},
        {5001, true, MsgResult::Yes, DirectUpdateOutcome::Saved, 5000},
    };
    for (const Case& c : cases) {
        SetUp();
        if (c.Asked)
            boxes.Expect(TruncateQuestion, c.Answer, "Warning");
        EXPECT_EQ(Update(std::string(c.Length, 'x')), c.Outcome) << c.Length;
        if (c.Outcome == DirectUpdateOutcome::Declined) {
            EXPECT_EQ(macro.Nickname, "before");
            EXPECT_EQ(macro.ScriptText(), "old");
        } else {
            EXPECT_EQ(macro.Nickname, "after");
            EXPECT_EQ(macro.ScriptText().size(), c.Stored);
        }
    }
}

TEST_F(DirectUpdateTest, TruncationKeepsTokensWholeAndTabsStayAsTheyAre) {
    boxes.Expect(TruncateQuestion, MsgResult::Yes, "Warning");
    std::string text = std::string(4996, 'x') + "<ENTER>";
    ASSERT_EQ(Update(text), DirectUpdateOutcome::Saved);
    EXPECT_EQ(macro.ScriptText(), std::string(4996, 'x'));

    // An untouched script at the limit with a tab is saved without a question.
    text = "a\t" + std::string(4989, 'x') + "<ENTER>";
    ASSERT_EQ(Update(text), DirectUpdateOutcome::Saved);
    EXPECT_EQ(macro.ScriptText(), text);
}

TEST_F(DirectUpdateTest, ActivationNamesAreChecked) {
    editor.IsExisting = true;
    editor.ActKind = ActivationKind::Cueword;
    editor.CuewordName = "a b";
    boxes.Expect(BadCuewordNameMessage, MsgResult::Ok, "Error");
    EXPECT_EQ(Update("x"), DirectUpdateOutcome::Refused);
    EXPECT_EQ(macro.ScriptText(), "old");

    editor.CuewordName = "ab-c";
    EXPECT_EQ(Update("x"), DirectUpdateOutcome::Saved);
    EXPECT_EQ(macro.CuewordText, "ab-c");

    editor.ActKind = ActivationKind::WindowTitle;
    editor.CuewordName = " ";
    boxes.Expect("No Window title has been entered.", MsgResult::Ok, "Error");
    EXPECT_EQ(Update("y"), DirectUpdateOutcome::Refused);
}

TEST(DirectImport, LongFilesAreAskedAndCutBeforeATokenAndEndOfFileIsDropped) {
    ScriptedMessageBoxes boxes;
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / "orvane_direct_import.txt";
    ASSERT_TRUE(ReplaceFileContents(path.string(), std::string(6000, 'q')));
    boxes.Expect(ImportTooLongQuestion, MsgResult::No, "Warning");
    EXPECT_FALSE(ImportScriptText(path.string(), ""));
    boxes.Expect(ImportTooLongQuestion, MsgResult::Yes, "Warning");
    EXPECT_EQ(ImportScriptText(path.string(), ""), std::string(5000, 'q'));
    // A token that the limit would cut in two is left out whole.
    const std::string head(4995, 'q');
    ASSERT_TRUE(ReplaceFileContents(path.string(), head + "<ENTER>tail"));
    boxes.Expect(ImportTooLongQuestion, MsgResult::Yes, "Warning");
    EXPECT_EQ(ImportScriptText(path.string(), ""), head);

    ASSERT_TRUE(ReplaceFileContents(path.string(), "hello\x1A"));
    EXPECT_EQ(ImportScriptText(path.string(), ""), "hello");
    std::filesystem::remove(path);

    boxes.Expect("The file \"" + path.string() + "\" could not be read.", MsgResult::Ok, "Error");
    EXPECT_FALSE(ImportScriptText(path.string(), ""));
}

}  // namespace
}  // namespace orv::editor
