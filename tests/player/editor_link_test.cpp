#include "player/editor_link.h"

#include <gtest/gtest.h>

namespace orv::player {
namespace {

TEST(EditorLink, AMissingEditorIsSearchedOncePerOperationAndAFoundOneIsKept) {
    int searches = 0;
    std::uint32_t editor = 0;
    EditorLink link([&] {
        ++searches;
        return editor;
    });
    // A library load tells the editor of every macro: one search in all.
    for (int notice = 0; notice < 500; ++notice) EXPECT_EQ(link.Window(), 0u);
    EXPECT_EQ(searches, 1);
    editor = 77;
    EXPECT_EQ(link.Window(), 0u);
    link.NewOperation();
    EXPECT_EQ(link.Window(), 77u);
    link.NewOperation();
    EXPECT_EQ(link.Window(), 77u);
    EXPECT_EQ(searches, 2);
    // The editor closes: searched again, and not found.
    editor = 0;
    link.Forget();
    EXPECT_EQ(link.Window(), 0u);
    EXPECT_EQ(searches, 3);
}

}  // namespace
}  // namespace orv::player
