#include "common/categories.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/files.h"
#include "common/side_files.h"
#include "tests/support/scratch_folder.h"

namespace orv {
namespace {

class CategoryFileTest : public ::testing::Test {
  protected:
    std::string Contents() const {
        FilePtr f = OpenFile(file, "rb");
        std::string text;
        for (int c; f && (c = std::fgetc(f.get())) != EOF;) text += static_cast<char>(c);
        return text;
    }

    testing::ScratchFolder scratch{"orvcat"};
    std::string folder = scratch.Path();
    std::string file = InFolder(folder, "ORVAN.OVC");
    CategoryList list;
};

TEST_F(CategoryFileTest, PairsLoadInOrderAndSaveTheSame) {
    ASSERT_TRUE(ReplaceFileContents(file, "Mail\r\n7\r\nWeb\r\n3\r\n"));
    list.LoadCatFile(file);
    EXPECT_EQ(list.Entries(),
              (std::vector<Category>{{" *All Categories* ", 0}, {"Mail", 7}, {"Web", 3}}));
    EXPECT_EQ(list.HighestId(), 7);
    ASSERT_TRUE(list.SaveCatFile(file));
    EXPECT_EQ(Contents(), "Mail\r\n7\r\nWeb\r\n3\r\n");
}

TEST_F(CategoryFileTest, BadPairsAndALoneNameAreDropped) {
    ASSERT_TRUE(
        ReplaceFileContents(file, "Zero\r\n0\r\nText\r\nx\r\nTwo\r\n2abc\nDup\r\n2\r\nLast"));
    list.LoadCatFile(file);
    ASSERT_EQ(list.Entries().size(), 3u);
    EXPECT_EQ(list.Entries()[1], (Category{"Two", 2}));
    EXPECT_EQ(list.Entries()[2], (Category{"Dup", 2})) << "nothing is merged";
    EXPECT_EQ(list.HighestId(), 2);
    ASSERT_TRUE(list.SaveCatFile(file));
    EXPECT_EQ(Contents(), "Two\r\n2\r\nDup\r\n2\r\n");
}

TEST_F(CategoryFileTest, EmptyOrMissingFileGivesTheHeadAlone) {
    list.Add("Old", 9);
    list.LoadCatFile(InFolder(folder, "NONE.OVC"));
    EXPECT_EQ(list.Entries().size(), 1u);
    EXPECT_EQ(list.HighestId(), 1);
    ASSERT_TRUE(ReplaceFileContents(file, ""));
    list.LoadCatFile(file);
    EXPECT_EQ(list.Entries().size(), 1u);
    std::string longName(300, 'n');
    ASSERT_TRUE(ReplaceFileContents(file, longName + "\r\n4\r\n"));
    list.LoadCatFile(file);
    EXPECT_EQ(list.Entries()[1].Name.size(), 255u);
}

TEST_F(CategoryFileTest, LoadedLibraryGetsItsCategoryFileMadeOrRead) {
    const std::string library = InFolder(folder, "ORVAN.ORN");
    ASSERT_TRUE(ReplaceFileContents(library, "library bytes"));
    list.Add("Stale", 5);
    GetCatFile(list, library);
    EXPECT_EQ(list.Entries().size(), 1u);
    EXPECT_TRUE(FileExists(file));
    EXPECT_EQ(Contents(), "");
    list.Add("Games", 2);
    ASSERT_TRUE(list.SaveCatFile(CategoryFileName(library)));
    CategoryList again;
    GetCatFile(again, library);
    EXPECT_EQ(again.Entries().back(), (Category{"Games", 2}));

    // A library not ending in ".ORN" keeps its own bytes.
    const std::string odd = InFolder(folder, "MACROS.DAT");
    ASSERT_TRUE(ReplaceFileContents(odd, "library bytes"));
    GetCatFile(list, odd);
    file = odd;
    EXPECT_EQ(Contents(), "library bytes");
}

TEST_F(CategoryFileTest, FailedSaveIsReportedToTheCaller) {
    EXPECT_FALSE(list.SaveCatFile(InFolder(InFolder(folder, "missing"), "X.OVC")));
}

}  // namespace
}  // namespace orv
