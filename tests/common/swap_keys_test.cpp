#include "common/swap_keys.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/files.h"
#include "common/side_files.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/scripted_message_boxes.h"

namespace orv {
namespace {

TEST(SwapKeys, IdentityTableHoldsTheKeysInTheirOrder) {
    const SwapKeyTable& t = IdentitySwapTable();
    EXPECT_EQ(t[0], 'A');
    EXPECT_EQ(t[25], 'Z');
    EXPECT_EQ(t[26], 'a');
    EXPECT_EQ(t[52], '0');
    EXPECT_EQ(t[62], ' ');
    EXPECT_EQ(t[77], '/');
    EXPECT_EQ(t[78], ':');
    EXPECT_EQ(t[84], '@');
    EXPECT_EQ(t[85], '[');
    EXPECT_EQ(t[90], '`');
    EXPECT_EQ(t[91], '}');
    EXPECT_EQ(t[92], '~');
    EXPECT_FALSE(SwapsInUse(t));
    SwapKeyTable fresh{};
    EXPECT_TRUE(SwapsInUse(fresh)) << "a block never loaded";
    InitSwapKeys(fresh);
    fresh[3] = 'E';
    EXPECT_TRUE(SwapsInUse(fresh));
}

TEST(SwapKeys, RemapFileIsMadeOnceThenRead) {
    testing::ScratchFolder scratch{"orvswap"};
    const std::string& folder = scratch.Path();
    const std::string library = InFolder(folder, "ORVAN.ORN");
    SwapKeyTable block{};
    EXPECT_EQ(GetSwapFile(library, block), SwapFileResult::Loaded);
    EXPECT_EQ(block, IdentitySwapTable());
    EXPECT_EQ(std::filesystem::file_size(RemapFileName(library)), 93u);

    block[0] = 'Q';
    ASSERT_TRUE(SaveSwapKeys(RemapFileName(library), block));
    SwapKeyTable again{};
    EXPECT_EQ(GetSwapFile(library, again), SwapFileResult::Loaded);
    EXPECT_EQ(again[0], 'Q');

    ASSERT_TRUE(ReplaceFileContents(RemapFileName(library), "short"));
    EXPECT_EQ(LoadSwapKeys(RemapFileName(library), again), SwapFileResult::Damaged);
    EXPECT_EQ(again[0], 'Q') << "a damaged file leaves the table alone";
    ASSERT_TRUE(ReplaceFileContents(RemapFileName(library), std::string(94, 'a')));
    EXPECT_EQ(LoadSwapKeys(RemapFileName(library), again), SwapFileResult::Damaged)
        << "one table and nothing else";
    EXPECT_EQ(LoadSwapKeys(InFolder(folder, "NONE.OVS"), again), SwapFileResult::NotOpened);
    std::filesystem::remove_all(folder);
}

// A damaged side file beside a library: the library loaded before it keeps
// its own remapping on a reload, another library's is never used.
TEST(SwapKeys, ADamagedRemapFileIsSaidAndNeverTakesAnotherLibrarysTable) {
    testing::ScratchFolder scratch{"orvswap"};
    testing::ScriptedMessageBoxes boxes;
    const std::string first = InFolder(scratch.Path(), "A.ORN");
    const std::string second = InFolder(scratch.Path(), "B.ORN");
    SwapKeyTable mapped = IdentitySwapTable();
    mapped[26] = 'b';  // 'a' types 'b'
    ASSERT_TRUE(SaveSwapKeys(RemapFileName(first), mapped));
    ASSERT_TRUE(ReplaceFileContents(RemapFileName(second), "short"));
    SwapKeyTable block{};
    std::string sideFile;
    TakeLibraryRemap(first, sideFile, block);
    EXPECT_EQ(block, mapped);

    boxes.Expect("The key remap file " + RemapFileName(second) +
                 " is damaged, so no keys are remapped.  It is left as it is.");
    TakeLibraryRemap(second, sideFile, block);
    EXPECT_EQ(block, IdentitySwapTable());
    EXPECT_EQ(*ReadWholeFile(RemapFileName(second)), "short");

    TakeLibraryRemap(first, sideFile, block);
    ASSERT_TRUE(ReplaceFileContents(RemapFileName(first), "cut"));
    boxes.Expect("The key remap file " + RemapFileName(first) +
                 " is damaged, so the keys stay remapped as before.  It is left as it is.");
    TakeLibraryRemap(first, sideFile, block);
    EXPECT_EQ(block, mapped);
}

}  // namespace
}  // namespace orv
