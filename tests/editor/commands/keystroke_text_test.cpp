#include "editor/commands/keystroke_text.h"

#include <gtest/gtest.h>

#include <set>

#include "common/script/catalogue.h"

namespace orv::editor {
namespace {

TEST(KeystrokeTextTest, InsertsWithinTheLimitAtTheSelectionStart) {
    std::string full(4990, 'a');
    EXPECT_TRUE(CheckSize(full, 10));
    EXPECT_FALSE(CheckSize(full, 11));
    EXPECT_EQ(TextTooLongMessage, "Text exceeds maximum length.  Text not added.");

    // A selection of "cd" (2..4) is kept: the token goes before it.
    Insertion in = InsertAt("abcdef", 2, "<TAB>");
    EXPECT_EQ(in.Text, "ab<TAB>cdef");
    EXPECT_EQ(in.Caret, 7);
    EXPECT_EQ(InsertAt("ab", 99, "<F1>").Text, "ab<F1>");
    EXPECT_EQ(InsertAt("ab", -1, "x").Caret, 1);
}

TEST(KeystrokeTextTest, UpdateWritesTabsAndCutsBeforeASplitToken) {
    EXPECT_EQ(UpdateText("a\tb").Text, "a<TAB>b");
    EXPECT_EQ(UpdateText("a\tb").Notice, "");

    UpdatedText cut = UpdateText(std::string(4995, 'x') + "<ENTER>y");
    EXPECT_EQ(cut.Text, std::string(4995, 'x'));
    EXPECT_EQ(cut.Notice,
              "The size of the macro exceeds the 5,000 character limit.  The macro will be "
              "truncated to 5,000 characters.");

    UpdatedText exact = UpdateText(std::string(5000, 'y'));
    EXPECT_EQ(exact.Text.size(), 5000u);
    EXPECT_EQ(exact.Notice, "");
}

TEST(KeystrokeTextTest, TheTextLineCarriesTheNoticeAndKeepsAnOpenCommandAtItsEnd) {
    TextOutcome cut = ComposeText({std::string(4995, 'x') + "<ENTER>y"});
    EXPECT_EQ(cut.CommandText, std::string(4995, 'x'));
    EXPECT_FALSE(cut.Raw.Notice.empty());
    EXPECT_EQ(cut.Code, CommandCode::Text);

    // Typed as it stands: only a save whose next line it would take in refuses it.
    TextOutcome open = ComposeText({"Go to <HTTP:www.example.com"});
    EXPECT_FALSE(open.Refused);
    EXPECT_EQ(open.CommandText, "Go to <HTTP:www.example.com");
}

TEST(KeystrokeTextTest, FindNextWalksCaseInsensitivelyAndStartsOverWhenNotFound) {
    const std::string text = "abcABCabc";
    int pos = 0;
    for (int expected : {0, 3, 6}) {
        SearchHit hit = FindNext(text, "ABC", pos);
        ASSERT_TRUE(hit.Found);
        EXPECT_EQ(hit.SelStart, expected);
        EXPECT_EQ(hit.SelLength, 3);
        pos = hit.SearchPos;
    }
    SearchHit miss = FindNext(text, "ABC", pos);
    EXPECT_FALSE(miss.Found);
    EXPECT_EQ(miss.SearchPos, 0);
    EXPECT_EQ(FindNext(text, "ABC", miss.SearchPos).SelStart, 0);
    // A text that shrank since the last search is searched from its end.
    EXPECT_FALSE(FindNext("ab", "b", 40).Found);
    EXPECT_EQ(NotFoundMessage("x"), "\"x\"was not found.");
}

TEST(KeystrokeTextTest, ReplaceAllScansLeftToRightAndKeepsTheRestsCase) {
    struct Row {
        const char *text, *find, *replacement, *result;
        int count;
    };
    for (Row r : {Row{"aXa", "a", "aa", "aaXaa", 2}, Row{"xFOOy", "foo", "bar", "xbary", 1},
                  Row{"AaAa", "aa", "b", "bb", 2}, Row{"abc", "z", "q", "abc", 0},
                  Row{"abc", "", "q", "abc", 0}}) {
        Replacement out = ReplaceAll(r.text, r.find, r.replacement);
        EXPECT_EQ(out.Text, r.result) << r.text;
        EXPECT_EQ(out.Count, r.count) << r.text;
    }
    EXPECT_EQ(ReplacedMessage("a", 2), "\"a\"was replaced 2 times.");
}

TEST(KeystrokeTextTest, EveryButtonAndListTokenIsAKeystrokeTokenOfTheCatalogue) {
    std::set<std::string_view> catalogue;
    for (const KeystrokeToken& k : KeystrokeTokens) catalogue.insert(k.Token);
    std::set<std::string_view> offered;
    for (const KeyButton& b : KeyButtons) offered.insert(b.Token);
    for (const MiscEntry& e : MiscBoxEntries) offered.insert(e.Token);
    // Between them the buttons and the list offer every keystroke token once.
    EXPECT_EQ(offered, catalogue);
    EXPECT_EQ(offered.size(), KeyButtons.size() + MiscBoxEntries.size());
}

TEST(KeystrokeTextTest, SymbolColumnsHoldEightConsecutiveCodes) {
    EXPECT_EQ(SymbolCode(0, 0), 128);
    EXPECT_EQ(SymbolCode(0, 7), 135);
    EXPECT_EQ(SymbolCode(15, 0), 248);
    EXPECT_EQ(SymbolCode(15, 7), 255);
}

TEST(SearchRequestTest, ConfirmedOnlyWithAFindTextCutButNotTrimmed) {
    SearchRequest blank = ReadSearchRequest(" ", "");
    EXPECT_TRUE(blank.Confirmed);
    EXPECT_EQ(blank.FindText, " ");
    EXPECT_FALSE(ReadSearchRequest("", "x").Confirmed);
    SearchRequest longOne = ReadSearchRequest(std::string(300, 'f'), std::string(300, 'r'));
    EXPECT_EQ(longOne.FindText.size(), 255u);
    EXPECT_EQ(longOne.ReplaceText.size(), 255u);
}

}  // namespace
}  // namespace orv::editor
