// The script language's page in the help file shows a pattern for every token
// the editor reads; a pattern with its letters filled in by digits must be
// that token, read as its command and, for the forms still written, written
// back as it stands.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "common/script/compose.h"
#include "common/script/reader.h"
#include "common/script/token_table.h"
#include "help/token_patterns.h"

namespace orv {
namespace {

// Every option taken, every letter a digit.
std::string Filled(std::string_view pattern) {
    std::string filled;
    for (char c : pattern) {
        if (c == '[' || c == ']')
            continue;
        filled += c >= 'a' && c <= 'z' ? '1' : c;
    }
    return filled;
}

TEST(HelpPatterns, EveryPatternFilledInIsItsToken) {
    for (const TokenForm& form : TokenTable()) {
        if (!(form.Use & TokenUse::Editor))
            continue;
        std::optional<std::string> pattern = TokenPattern(form);
        ASSERT_TRUE(pattern) << "no pattern for " << form.Head;
        std::string token = Filled(*pattern);
        SCOPED_TRACE(*pattern + " filled in as " + token);

        std::optional<TokenMatch> match = MatchToken(token, 0, TokenUse::Editor);
        ASSERT_TRUE(match);
        EXPECT_EQ(match->Form, &form);
        EXPECT_EQ(match->Length, token.size());

        std::vector<CommandLine> lines = ReadScript(token);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].Code, form.Code == CommandCode::Text ? CommandCode::Text : form.Code);
        if (form.Use & TokenUse::Written)
            EXPECT_EQ(ComposeCommand(lines[0].Code, lines[0].Record).Text, token);
    }
}

TEST(HelpPatterns, FieldsAreShownAsTheyAreWritten) {
    struct Row {
        std::string_view Head;
        std::string_view Pattern;
    } rows[] = {
        {"<DELAY:", "<DELAY:ss.hh>"},
        {"<CDGOTO:", "<CDGOTO:tt>"},
        {"<ALT:", "<ALT:ccc>"},
        {"<REP:", "<REP:cccc:ssssss:tttttt>"},
        {"<MMS:", "<MMS:xxxxx,yyyyy>"},
        {"<WAITWIN:", "<WAITWIN:mmm:title>"},
        {"<NWD", "<NWD[P][F][S]:resource>"},
    };
    for (const Row& row : rows) {
        auto form = std::find_if(TokenTable().begin(), TokenTable().end(),
                                 [&](const TokenForm& f) { return f.Head == row.Head; });
        ASSERT_NE(form, TokenTable().end()) << row.Head;
        EXPECT_EQ(TokenPattern(*form), row.Pattern);
        EXPECT_FALSE(TokenFieldMeaning(*form).empty()) << row.Head;
    }
}

}  // namespace
}  // namespace orv
