#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "common/script/catalogue.h"
#include "common/script/token_table.h"

namespace orv {
namespace {

using C = CommandCode;

TEST(Catalogue, NamesAndTables) {
    EXPECT_EQ(CommandName(C::Text), "Text");
    EXPECT_EQ(CommandName(C::RepeatPromptStart), "Repeat Prompt Start");
    EXPECT_EQ(CommandName(C::WaitTimeDelay), "Wait Time Delay");
    EXPECT_EQ(DateFormatTable[50].Name, "Day of Week 4");
    EXPECT_EQ(TimeFormatTable[25].Sample, "3,04p");
    for (const FormatEntry& f : DateFormatTable) EXPECT_LE(f.Name.size(), 15u);
    EXPECT_EQ(KeystrokeTokens[71].Token, "<NUMLOCK>");
}

// Each command's row holds all the rest of the program needs: a name that
// fits the editor's list, a record of its own (only Text lines carry text),
// forms both readers know (dates and times are read apart), and a player,
// which only the commands read past by the one before them lack.
TEST(Catalogue, EveryRowIsComplete) {
    std::set<std::string_view> names;
    std::set<CommandCode> passedOver;
    for (int number = 1; number <= CommandCount; ++number) {
        const CommandCode code = CodeOf(number);
        const CommandEntry& row = CommandOf(code);
        EXPECT_FALSE(row.Name.empty()) << number;
        EXPECT_LE(row.Name.size(), 25u) << row.Name;
        names.insert(row.Name);
        EXPECT_EQ(row.Record == RecordKind::Text, code == C::Text) << row.Name;
        const bool readApart = code == C::Date || code == C::Time;
        const bool readByBoth = std::ranges::any_of(TokenTable(), [&](const TokenForm& form) {
            return form.Code == code && (form.Use & TokenUse::Read) == TokenUse::Read;
        });
        EXPECT_NE(readByBoth, readApart) << row.Name;
        if (row.Family == FamilyId::PassedOver)
            passedOver.insert(code);
    }
    EXPECT_EQ(names.size(), 117u);
    EXPECT_EQ(passedOver, (std::set<CommandCode>{C::RepeatEnd, C::Remark, C::ClipboardEndCopy}));
}

TEST(TokenTable, NoHeadBeginsAnother) {
    auto table = TokenTable();
    for (const TokenForm& a : table) {
        for (const TokenForm& b : table) {
            if (&a != &b) {
                EXPECT_FALSE(b.Head.starts_with(a.Head)) << a.Head << " " << b.Head;
            }
        }
    }
}

TEST(TokenTable, ReadersSeeTheirOwnForms) {
    auto editor = MatchToken("<WPOS2:-0010,00020Calc>", 0, TokenUse::Editor);
    auto player = MatchToken("<WPOS2:-0010,00020Calc>", 0, TokenUse::Player);
    ASSERT_TRUE(editor && player);
    EXPECT_EQ(player->Length, 23u);
    EXPECT_EQ(editor->Texts[0], "Calc");
    auto key = MatchToken("x<PAGE DOWN>", 1, TokenUse::Player);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->Form->Variant, 34);  // the virtual key it plays
    EXPECT_FALSE(MatchToken("<PAUSEKEY>", 0, TokenUse::Editor));
    EXPECT_TRUE(MatchToken("<PAUSEKEY>", 0, TokenUse::Player));
}

TEST(TokenTable, EveryWrittenFormIsReadByBoth) {
    for (const TokenForm& form : TokenTable()) {
        if (form.Use & TokenUse::Written) {
            EXPECT_EQ(form.Use, TokenUse::All) << form.Head;
        }
    }
    EXPECT_EQ(WrittenForm(C::RepeatStart, 1)->Head, "<REP:");
    EXPECT_EQ(WrittenForm(C::ProgramLaunch, 2)->Head, "<LAUNCHDEL:");
    EXPECT_EQ(WrittenForm(C::AudioVolume, 5), nullptr);
}

TEST(TokenTable, DateAndTimeTokensNeverReadPastTheirEnd) {
    auto date = MatchDateTimeToken("<YY{YP123}>", 0);
    ASSERT_TRUE(date);
    EXPECT_EQ(date->Length, 11u);
    EXPECT_EQ(date->Days, 123);
    EXPECT_FALSE(date->Future);
    EXPECT_FALSE(MatchDateTimeToken("<YY{YP12", 0));
    EXPECT_FALSE(MatchDateTimeToken("<YY{", 0));
    EXPECT_FALSE(MatchDateTimeToken("<hh{X}>", 0));
    auto time = MatchDateTimeToken("<hh,mma{Y}>", 0);
    ASSERT_TRUE(time);
    EXPECT_EQ(time->Format, 26);
    EXPECT_TRUE(time->ShowZeros);
}

}  // namespace
}  // namespace orv
