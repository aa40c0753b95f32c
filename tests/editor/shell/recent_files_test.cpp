#include "editor/shell/recent_files.h"

#include <gtest/gtest.h>

namespace orv::editor {
namespace {

TEST(RecentFiles, DoLastFiles) {
    struct Row {
        const char* name;
        RecentFiles before;
        const char* oldFile;
        const char* newFile;
        RecentFiles after;
    };
    const Row rows[] = {
        {"the current file again", {"B", "C"}, "A", "A", {"A", "B", "C"}},
        {"entry 3 leaves its place", {"B", "C", "D", "E"}, "A", "D", {"A", "B", "C", "E"}},
        {"five full drop the last", {"B", "C", "D", "E", "F"}, "A", "X", {"A", "B", "C", "D", "E"}},
        {"five full, entry 5 chosen",
         {"B", "C", "D", "E", "F"},
         "A",
         "F",
         {"A", "B", "C", "D", "E"}},
        {"names compare exactly", {"b.orn"}, "A", "B.ORN", {"A", "b.orn"}},
    };
    for (const Row& row : rows) {
        RecentFiles recent = row.before;
        DoLastFiles(recent, row.oldFile, row.newFile);
        EXPECT_EQ(recent, row.after) << row.name;
    }
}

TEST(RecentFiles, MenuCaptionsAndSeparator) {
    RecentFiles recent{};
    EXPECT_FALSE(ShowsRecentSeparator(recent));
    recent[1] = "C:\\Macros\\WORK.ORN";
    EXPECT_TRUE(ShowsRecentSeparator(recent));
    EXPECT_FALSE(RecentFileCaption(recent, 0));
    EXPECT_EQ(RecentFileCaption(recent, 1), "&2   C:\\Macros\\WORK.ORN");
    EXPECT_FALSE(RecentFileCaption(recent, 5));
}

TEST(RecentFiles, FileNamesAndCaption) {
    EXPECT_TRUE(IsMacroFileName("C:\\x\\orvan.orn"));
    EXPECT_TRUE(IsMacroFileName(".ORN"));
    EXPECT_FALSE(IsMacroFileName("C:\\x\\orvan.txt"));
    EXPECT_FALSE(IsMacroFileName("ORN"));
    EXPECT_EQ(FileTitleOf("C:\\Program Files\\Orvane\\ORVAN.ORN"), "ORVAN");
    EXPECT_EQ(FileTitleOf("WORK.ORN"), "WORK");
    EXPECT_EQ(FileTitleOf("C:\\a\\ab"), "");
    EXPECT_EQ(CaptionText("ORVAN", false, "9/12/2026  8:00"), "Orvane Editor (ORVAN)");
    EXPECT_EQ(CaptionText("ORVAN", true, "9/12/2026  8:00"),
              "Orvane Editor (ORVAN)     9/12/2026  8:00");
}

}  // namespace
}  // namespace orv::editor
