#include "editor/script/print_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orv::editor {
namespace {

// Ten units a character; a page of 1700 x 2200 gives margins of 100 and a
// printable width of 1500, a bottom limit of 2000 and a line height of 22.
const PrintPage Page{1700, 2200, 20};
int Width(std::string_view text) {
    return static_cast<int>(text.size()) * 10;
}

std::vector<std::string> Lines(int n) {
    std::vector<std::string> lines;
    for (int i = 0; i < n; ++i) lines.push_back("Remark: " + std::to_string(i));
    return lines;
}

TEST(PrintLayoutTest, RowsRunFromTheMarginsToTheBottomLimit) {
    // Rows 2.. sit at 100 + row * 22; the line at 2014 (row 87, past 2000)
    // is the last on its page.
    std::vector<PrintedPage> pages = LayOutScript("Typing", Lines(100), 1, Page, Width);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0][0], (PrintedText{100, 100, "Orvane Script for Typing"}));
    EXPECT_EQ(pages[0][1], (PrintedText{100, 144, "Remark: 0"}));
    EXPECT_EQ(pages[0].size(), 1u + 86u);
    EXPECT_EQ(pages[0].back().Y, 2014);
    EXPECT_EQ(pages[1][0], (PrintedText{100, 100, "Remark: 86"}));
    EXPECT_EQ(pages[1].size(), 14u);
}

TEST(PrintLayoutTest, TextsAreShortenedFromTheirEndAndNothingFittingEnds) {
    std::string wide(200, 'w');
    std::vector<PrintedPage> pages = LayOutScript(wide, {wide}, 1, Page, Width);
    EXPECT_EQ(pages[0][0].Text, "Orvane Script for " + std::string(150, 'w'));
    EXPECT_EQ(pages[0][1].Text, std::string(150, 'w'));

    // A page too narrow for any character: the texts end empty.
    PrintPage narrow{5, 2200, 20};
    pages = LayOutScript("Typing", {"Remark: 1"}, 1, narrow, Width);
    EXPECT_EQ(pages[0][0].Text, "Orvane Script for ");
    EXPECT_EQ(pages[0][1].Text, "");
}

TEST(PrintLayoutTest, EachCopyStartsOnAPageOfItsOwn) {
    std::vector<PrintedPage> pages = LayOutScript("Typing", Lines(2), 2, Page, Width);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0], pages[1]);
    EXPECT_EQ(pages[1].size(), 3u);
}

TEST(PrintLayoutTest, LineHeightIsTheSampleHeightAndATenth) {
    PrintPage odd{1700, 2200, 25};  // 27.5 rounds to 28
    std::vector<PrintedPage> pages = LayOutScript("T", Lines(1), 1, odd, Width);
    EXPECT_EQ(pages[0][1].Y, 100 + 2 * 28);
    PrintPage negative{1700, 2200, -5};
    pages = LayOutScript("T", Lines(1), 1, negative, Width);
    EXPECT_EQ(pages[0][1].Y, 100);
}

TEST(PrintLayoutTest, HeadingNamesTheActivation) {
    EXPECT_EQ(ScriptPrintHeading("N", ActivationKind::HotKey, "c", "w", "Ctrl+A"), "N  (Ctrl+A)");
    EXPECT_EQ(ScriptPrintHeading("N", ActivationKind::Timed, "c", "w", "k"), "N  (Timed Macro)");
    EXPECT_EQ(ScriptPrintHeading("N", ActivationKind::Cueword, "sig", "w", "k"),
              "N  (Cueword:sig)");
    EXPECT_EQ(ScriptPrintHeading("N", ActivationKind::WindowTitle, "c", "Notepad", "k"),
              "N  (Window Title: Notepad)");
    EXPECT_EQ(ScriptPrintHeading("N", ActivationKind::None, "c", "w", "k"), "N");
}

}  // namespace
}  // namespace orv::editor
