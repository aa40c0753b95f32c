#include "editor/shell/macro_import.h"

#include <gtest/gtest.h>

#include "common/files.h"
#include "common/hotkeys.h"
#include "tests/editor/shell/memory_library.h"
#include "tests/support/scripted_message_boxes.h"

namespace orv::editor {
namespace {

using orv::testing::ScriptedMessageBoxes;
using testing::Macro;

const DateTime Now = EncodeDateTime(2026, 3, 4, 10, 30, 0);

class OwnFileImport : public ::testing::Test {
  protected:
    // Writes the records as an own macro file named name.
    std::string OwnFile(const std::string& name, const std::vector<MacroRecord>& records) {
        std::string path = folder / name;
        EXPECT_TRUE(ReplaceFileContents(path, testing::RecordFileBytes(records)));
        return path;
    }

    testing::TempFolder folder;
    testing::MemoryLibrary library;
    ScriptedMessageBoxes boxes;
};

TEST_F(OwnFileImport, SystemMacrosAreNotListedButKeepPositions) {
    MacroRecord menu = Macro("Menu", 5, MacroKind::PopupMenu);
    menu.CuewordText = "Y20";
    menu.SetPopupMembers({2, 4, 5});
    std::string path =
        OwnFile("other.orn", {Macro("Sys", 261, MacroKind::System), Macro("A", 1),
                              Macro("Sys2", 262, MacroKind::System), Macro("B", 2), menu});
    for (int k = 0; k < 10; ++k) library.Records.push_back(Macro("own", 30000));

    std::optional<ImportSource> source = OpenImportSource(path);

    ASSERT_TRUE(source);
    ASSERT_EQ(source->Entries.size(), 3u);
    EXPECT_EQ(source->Entries[0].Nickname, "A");
    EXPECT_EQ(source->Entries[0].Position, 1);
    EXPECT_EQ(source->Entries[2].Position, 4);
    // Its members A (record 2) and B (record 4) come in as 12 and 13, the menu
    // itself (record 5), chosen first, as 11.
    ImportOutcome outcome = ImportChosen(*source, {2, 0, 1}, library, Now);
    EXPECT_EQ(outcome.Added, 3);
    EXPECT_TRUE(outcome.TrayMenu);
    ASSERT_EQ(library.Records.size(), 13u);
    EXPECT_EQ(library.Records[10].PopupMembers(), (std::vector<int>{12, 13, 11}));
    EXPECT_EQ(library.Records[11].Nickname, "A");
}

TEST_F(OwnFileImport, StopsWhenTheLibraryIsFullAndDropsMembersPastIt) {
    MacroRecord menu = Macro("Menu", 5, MacroKind::PopupMenu);
    menu.SetPopupMembers({1, 2, 3});
    std::string path =
        OwnFile("other.ORN", {Macro("A", 1), Macro("B", 2), Macro("C", 3), Macro("D", 4), menu});
    for (int k = 0; k < 497; ++k) library.Records.push_back(Macro("own", 30000));
    std::optional<ImportSource> source = OpenImportSource(path);
    ASSERT_TRUE(source);

    ImportOutcome outcome = ImportChosen(*source, {4, 0, 1, 2, 3}, library, Now);

    EXPECT_EQ(outcome.Added, 3);
    EXPECT_FALSE(outcome.TrayMenu);
    // A became 499; B became 500, past what a menu keeps; C was not imported.
    EXPECT_EQ(library.Records[497].PopupMembers(), (std::vector<int>{499}));
}

TEST_F(OwnFileImport, ChoiceChecksBeforeImporting) {
    std::string path =
        OwnFile("other.orn", {Macro("A", 1), Macro("B", 2), Macro("Window B", 2, MacroKind::Window),
                              Macro("C", 3), Macro("D", 4), Macro("E", 5)});
    std::optional<ImportSource> source = OpenImportSource(path);
    ASSERT_TRUE(source);

    const std::string clash =
        "A Global Hot Key for " + KeyName(2) + " already exists.  This macro will not be imported.";
    boxes.Expect(clash, MsgResult::Ok, "Warning");
    boxes.Expect(clash, MsgResult::Ok, "Warning");
    boxes.Expect(ImportMessage::ContinueWithExclusions, MsgResult::No, "Warning");
    ImportChoice choice = CheckImportChoice(*source, {1, 2}, {2, 30000, 2});
    EXPECT_EQ(choice.Chosen, (std::vector<int>{2}));  // a window macro's key does not clash
    EXPECT_FALSE(choice.Proceed);

    std::vector<std::uint16_t> full(498, 30000);
    boxes.Expect(
        "The maximum capacity of macros per file will be exceeded. The last 3 macros selected "
        "will not be imported.",
        MsgResult::Ok, "Warning");
    boxes.Expect(ImportMessage::ContinueWithExclusions, MsgResult::Yes, "Warning");
    choice = CheckImportChoice(*source, {0, 1, 3, 4, 5}, full);
    EXPECT_EQ(choice.Chosen.size(), 5u);
    EXPECT_TRUE(choice.Proceed);
    library.Records.assign(498, Macro("own", 30000));
    EXPECT_EQ(ImportChosen(*source, choice.Chosen, library, Now).Added, 2);
    EXPECT_EQ(library.Records.back().Nickname, "B");

    boxes.Expect(ImportMessage::NothingChosen, MsgResult::Ok, "Error");
    EXPECT_FALSE(CheckImportChoice(*source, {}, full).Proceed);
}

TEST_F(OwnFileImport, KindsByTheFileNameEnding) {
    EXPECT_EQ(ImportKindOf("C:\\X\\a.orn"), ImportKind::Own);
    EXPECT_EQ(ImportKindOf("a.Dr2"), ImportKind::Dravel);
    EXPECT_EQ(ImportKindOf("a.CUW"), ImportKind::Cueword);
    EXPECT_EQ(ImportKindOf("ORN"), std::nullopt);
    boxes.Expect(ImportMessage::WrongType, MsgResult::Ok, "Error");
    EXPECT_FALSE(OpenImportSource(folder / "list.txt"));
    boxes.Expect(ImportMessage::OpenFailed, MsgResult::Ok, "Error");
    EXPECT_FALSE(OpenImportSource(folder / "missing.cuw"));
}

}  // namespace
}  // namespace orv::editor
