#include "editor/shell/export_library.h"

#include <gtest/gtest.h>

#include <filesystem>

#ifdef _WIN32
#include <windows.h>
#endif

#include "common/files.h"
#include "common/side_files.h"
#include "common/string_routines.h"
#include "tests/editor/shell/memory_library.h"
#include "tests/support/scripted_message_boxes.h"

namespace orv::editor {
namespace {

using orv::testing::ScriptedMessageBoxes;
using testing::Macro;

class ExportTest : public ::testing::Test {
  protected:
    ExportTest() {
        library.Path = folder / "ORVAN.ORN";
        for (int n = 1; n <= 10; ++n)
            library.Records.push_back(Macro("m" + std::to_string(n), 30000));
        EXPECT_TRUE(ReplaceFileContents(library.Path, LibraryBytes));
    }

    const std::string LibraryBytes = "the open library";
    testing::TempFolder folder;
    std::string target = folder / "OUT.ORN";
    testing::MemoryLibrary library;
    ScriptedMessageBoxes boxes;
};

TEST_F(ExportTest, PopupMenuKeepsTheMembersExportedWithIt) {
    MacroRecord& menu = library.Records[9];
    menu.MacroKind = MacroKind::PopupMenu;
    menu.SetPopupMembers({3, 7, 9});
    boxes.Expect(ExportMessage::Complete, MsgResult::Ok, "ok");

    ASSERT_EQ(ExportMacros({7, 9, 10}, target, library), ListedWrite::Written);

    std::vector<MacroRecord> out = testing::RecordsOf(ReadWholeFile(target).value_or(""));
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0].Nickname, "m7");
    EXPECT_EQ(out[1].Nickname, "m9");
    EXPECT_EQ(out[2].PopupMembers(), (std::vector<int>{1, 2}));
}

TEST_F(ExportTest, OpenLibraryAndItsSideFilesAreRefused) {
    // Other names of the same files: through "." and a second link.
    std::filesystem::create_hard_link(library.Path, folder / "ALIAS.ORN");
    ASSERT_TRUE(ReplaceFileContents(CategoryFileName(library.Path), "categories"));
    // The remap and sync files are not there yet: only their folder is.
    const std::string inDot = InFolder(folder / ".", "ORVAN");
    std::vector<std::string> refused = {folder / "orvan.orn",
                                        CategoryFileName(library.Path),
                                        RemapFileName(library.Path),
                                        SyncFileName(library.Path),
                                        inDot + ".ORN",
                                        inDot + ".OVC",
                                        inDot + ".OVS",
                                        "orvan.ovs",
                                        folder / "ALIAS.ORN"};
#ifdef _WIN32
    char shortFolder[MAX_PATH];
    ASSERT_GT(GetShortPathNameA(folder.Path().c_str(), shortFolder, MAX_PATH), 0u);
    ASSERT_NE(std::string(shortFolder), folder.Path());
    refused.push_back(InFolder(shortFolder, "ORVAN.MAS"));
#endif
    const std::filesystem::path started = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    for (const std::string& name : refused) {
        SCOPED_TRACE(name);
        boxes.Expect(ExportMessage::OpenLibrary, MsgResult::Ok, "Error");
        EXPECT_EQ(ExportMacros({1}, name, library), ListedWrite::NotWritten);
        EXPECT_FALSE(PathTaken(InFolder(folder.Path(), "ORVAN.OVS")));
    }
    std::filesystem::current_path(started);
    EXPECT_EQ(ReadWholeFile(library.Path), LibraryBytes);
}

TEST_F(ExportTest, FailureLeavesAnEarlierExportAsItWas) {
    ASSERT_TRUE(ReplaceFileContents(target, "earlier export"));
    library.Unreadable = {9};
    boxes.Expect(ExportMessage::ReadFailed, MsgResult::Ok, "Error");
    EXPECT_EQ(ExportMacros({7, 9}, target, library), ListedWrite::NotRead);
    EXPECT_EQ(ReadWholeFile(target), "earlier export");

    boxes.Expect(ExportMessage::CreateFailed, MsgResult::Ok, "Error");
    EXPECT_EQ(ExportMacros({7}, InFolder(folder / "missing", "OUT.ORN"), library),
              ListedWrite::NotWritten);
    EXPECT_EQ(ReadWholeFile(library.Path), LibraryBytes);
}

}  // namespace
}  // namespace orv::editor
