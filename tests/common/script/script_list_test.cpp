#include <gtest/gtest.h>

#include <filesystem>

#include "common/script/reader.h"
#include "common/files.h"
#include "common/files.h"
#include "common/script/script_list.h"
#include "tests/support/scripted_message_boxes.h"

namespace orv {
namespace {

using C = CommandCode;
using testing::ScriptedMessageBoxes;

std::vector<std::string> Indented(std::string_view script) {
    std::vector<CommandLine> lines = ReadScript(script);
    SetIndents(lines);
    std::vector<std::string> texts;
    for (const CommandLine& line : lines) texts.push_back(line.Text);
    return texts;
}

TEST(Indentation, BlocksIndentByCommand) {
    EXPECT_EQ(Indented("<REP:0002:000001:000001><BASSUP><PROMPTREP><BEGCLIP><CLIPC><ENDCLIP>"
                       "<ENDREP><ENDREP><BEEP>"),
              (std::vector<std::string>{
                  "Repeat Start: 2 Times, Starting at 1 Stepping by 1", "   Audio Bass Up",
                  "   Repeat Prompt Start: (prompt for repeat count at "
                  "macro play time)",
                  "      Clipboard Start Copy", "         Clipboard Copy",
                  "      Clipboard End Copy", "   Repeat End", "Repeat End", "Sound Beep"}));
}

TEST(Indentation, ModifierKeysAndUnbalancedEnds) {
    EXPECT_EQ(Indented("<ENDREP><ENDREP><SHFD>A<SHFU><BEEP>"),
              (std::vector<std::string>{"Repeat End", "Repeat End", "Shift Key Down", "   Text: A",
                                        "Shift Key Up", "Sound Beep"}));
    // Audio and MIDI lines that end in " Up" or " Down" are no blocks.
    EXPECT_EQ(Indented("<AUDDOWN><MIDIUP><BEEP>"),
              (std::vector<std::string>{"Audio Volume Down", "MIDI Volume Up", "Sound Beep"}));
}

TEST(Indentation, RunsAgainOverIndentedLines) {
    std::vector<CommandLine> lines = ReadScript("<REP:0001:000001:000001><BEEP><ENDREP>");
    SetIndents(lines);
    lines.erase(lines.begin());
    SetIndents(lines);
    EXPECT_EQ(lines[0].Text, "Sound Beep");
}

TEST(CopyingLines, CopyStandsAboveTheSourceWithItsOwnRecord) {
    std::vector<CommandLine> lines = ReadScript("<REP:0003:000010:000005><BEEP><ENDREP>");
    std::optional<int> selection = CopyLine(lines, 0);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(selection, 1);
    EXPECT_EQ(lines[0].Record, lines[1].Record);
    EXPECT_EQ(lines[1].Text, "   Repeat Start: 3 Times, Starting at 10 Stepping by 5");
    std::get<RepeatRec>(lines[0].Record).Count = 9;
    EXPECT_EQ(std::get<RepeatRec>(lines[1].Record).Count, 3);

    selection = CopyLine(lines, 3);  // the last line
    EXPECT_EQ(selection, 4);
    EXPECT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[4].Code, C::RepeatEnd);
}

TEST(CopyingLines, NeedsASelection) {
    ScriptedMessageBoxes boxes;
    boxes.Expect("No script line selected.  Please select one.", MsgResult::Ok, "Error");
    std::vector<CommandLine> lines = ReadScript("<BEEP>");
    EXPECT_EQ(CopyLine(lines, std::nullopt), std::nullopt);
    EXPECT_EQ(lines.size(), 1u);
}

TEST(CopyingLines, LineWithoutCommandSelectsTheNext) {
    std::vector<CommandLine> lines = ReadScript("<BEEP>");
    lines.insert(lines.begin(), CommandLine{"stray", C::None, TextRec{}});
    EXPECT_EQ(CopyLine(lines, 0), 1);
    EXPECT_EQ(lines.size(), 2u);
}

TEST(LoadingFiles, ReplacesTheListUnindented) {
    std::string path = (std::filesystem::temp_directory_path() / "orvane_load_test.txt").string();
    ASSERT_TRUE(ReplaceFileContents(path, "<REP:0001:000001:000001>x<ENDREP>"));
    std::string loaded;
    std::vector<CommandLine> lines = ReadScript("<BEEP><BEEP>");
    ASSERT_TRUE(LoadFile(path, "", loaded, lines));
    EXPECT_EQ(loaded, "<REP:0001:000001:000001>x<ENDREP>");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].Text, "Text: x");
    std::filesystem::remove(path);
}

// What no text file is (missing, holding a NUL, the open library or a side
// file of it) is refused with its message, the list and the text kept.
TEST(LoadingFiles, RefusedFilesLeaveTheListAsItWas) {
    ScriptedMessageBoxes boxes;
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    const std::string text = (folder / "orvane_zero.txt").string();
    const std::string library = (folder / "orvane_open.ORN").string();
    ASSERT_TRUE(ReplaceFileContents(text, std::string("before\0after", 12)));
    ASSERT_TRUE(ReplaceFileContents(library, "<BEEP>"));
    const std::string missing = (folder / "orvane_no_such_file.txt").string();
    const struct Row {
        std::string Path, Message;
    } rows[] = {
        {missing, "The file \"" + missing + "\" could not be read."},
        {text, "The file \"" + text + "\" is not a text file.  Please choose a different file."},
        {library, LibraryAsTextMessage},
        {(folder / "orvane_open.OVS").string(), LibraryAsTextMessage},
    };
    for (const Row& row : rows) {
        boxes.Expect(row.Message, MsgResult::Ok, "Error");
        std::string loaded = "before";
        std::vector<CommandLine> lines = ReadScript("<BEEP>");
        EXPECT_FALSE(LoadFile(row.Path, library, loaded, lines)) << row.Path;
        EXPECT_EQ(loaded, "before");
        EXPECT_EQ(lines.size(), 1u);
    }
    std::filesystem::remove(text);
    std::filesystem::remove(library);
}

}  // namespace
}  // namespace orv
