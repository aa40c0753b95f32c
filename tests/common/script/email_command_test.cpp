#include <gtest/gtest.h>

#include <random>

#include "common/script/email_command.h"

namespace orv {
namespace {

using Items = std::vector<std::string>;

EmailCommand Parsed(std::string_view token) {
    EmailCommandParse p = ParseEmailCommand(token);
    EXPECT_EQ(p.Length, token.size()) << token;
    return p.Command;
}

TEST(EmailCommandParse, ReadsEachModeAndItsFields) {
    EmailCommand one = Parsed(
        "<EMAIL:RNR1TOBob|bob@x;\x01"
        "CC\x01"
        "BL\x01S1Body\x01\x01"
        "A1>");
    EXPECT_FALSE(one.ReturnReceipt);
    EXPECT_EQ(one.RecipientMode, 1u);
    EXPECT_EQ(one.To, Items{"Bob|bob@x"});
    EXPECT_TRUE(one.CC.empty() && one.Blind.empty());
    EXPECT_EQ(one.Body, "Body");
    EXPECT_EQ(one.Subject, "");
    EXPECT_EQ(one.AttachMode, 1u);

    EmailCommand asked = Parsed("<EMAIL:RYR2S2A3>");
    EXPECT_TRUE(asked.ReturnReceipt);
    EXPECT_EQ(asked.RecipientMode, 2u);
    EXPECT_EQ(asked.TextMode, 2u);
    EXPECT_EQ(asked.AttachMode, 3u);

    // Lists may be left out; a ">" in a text is text, not the token's end.
    EmailCommand files = Parsed(
        "<EMAIL:RNR1BLa|b;;c@d;\x01S4C:\\b>dy.txt\x01Re: >5\x01"
        "A2C:\\a.txt;D:\\b c.zip;\x01>");
    EXPECT_TRUE(files.To.empty());
    EXPECT_EQ(files.Blind, (Items{"a|b", "c@d"}));  // the empty item is none
    EXPECT_EQ(files.TextMode, 4u);
    EXPECT_EQ(files.FileName, "C:\\b>dy.txt");
    EXPECT_EQ(files.Subject, "Re: >5");
    EXPECT_EQ(files.Attachments, (Items{"C:\\a.txt", "D:\\b c.zip"}));

    EmailCommand clip = Parsed(
        "<EMAIL:RNR9S3Subj\x01"
        "A1>");
    EXPECT_EQ(clip.RecipientMode, 2u);  // any code but R1 asks
    EXPECT_EQ(clip.TextMode, 3u);
    EXPECT_EQ(clip.Subject, "Subj");
}

TEST(EmailCommandParse, MeasuresOnlyWhatFollowsTheStructure) {
    std::string token =
        "<EMAIL:RNR1TOa|b;\x01S1x>y\x01s\x01"
        "A2f;\x01>";
    EXPECT_EQ(ParseEmailCommand(token + ">tail<EMAIL:").Length, token.size());
    // Every cut of the token is incomplete and reads nothing beyond the cut.
    for (std::size_t n = 0; n < token.size(); ++n) {
        EmailCommandParse cut = ParseEmailCommand(std::string_view(token).substr(0, n));
        EXPECT_FALSE(cut.Complete()) << n;
    }
    for (const char* bad : {"<EMAIL:RNR2S5A1>", "<EMAIL:RNR2S2A4>", "<EMAIL:RNR2S2A1x",
                            "<EMAIL:RNR1CC\x01TO\x01S2A1>", "<EMAIL:RN"}) {
        EXPECT_FALSE(ParseEmailCommand(bad).Complete()) << bad;
    }
}

TEST(EmailCommandCompose, WritesWhatTheEditorChose) {
    EXPECT_EQ(ComposeEmailCommand({}),
              "<EMAIL:RNR1S1\x01\x01"
              "A1>");
    EmailCommand asked;
    asked.RecipientMode = 2;
    asked.To = {"left out"};
    asked.TextMode = 2;
    asked.AttachMode = 3;
    EXPECT_EQ(ComposeEmailCommand(asked), "<EMAIL:RNR2S2A3>");
    EmailCommand chosen;
    chosen.To = {"Bo|bo@x", "r1", "r2"};
    chosen.Blind = {"z@z"};
    chosen.TextMode = 3;
    chosen.Subject = "S";
    chosen.AttachMode = 2;
    chosen.Attachments = {"a"};
    EXPECT_EQ(ComposeEmailCommand(chosen),
              "<EMAIL:RNR1TOBo|bo@x;r1;r2;\x01"
              "BLz@z;\x01S3S\x01"
              "A2a;\x01>");
}

// Texts without the field end and items without the item end come back as
// they were composed, whatever else they hold.
TEST(EmailCommandCompose, ParseGivesBackTheComposedCommand) {
    std::mt19937 random(112);
    auto text = [&](bool item) {
        std::string s(random() % 12, ' ');
        for (char& c : s) {
            do c = static_cast<char>(random() % 256);
            while (c == EmailFieldEnd || (item && c == EmailItemEnd));
        }
        return s;
    };
    auto items = [&] {
        Items out(random() % 3);
        for (std::string& s : out) {
            do s = text(true);
            while (s.empty());
        }
        return out;
    };
    for (int round = 0; round < 500; ++round) {
        EmailCommand c;
        c.ReturnReceipt = random() % 2;
        c.RecipientMode = 1 + random() % 2;
        if (c.RecipientMode == 1) {
            c.To = items();
            c.CC = items();
            c.Blind = items();
        }
        c.TextMode = 1 + random() % 4;
        if (c.TextMode == 1)
            c.Body = text(false);
        if (c.TextMode == 4)
            c.FileName = text(false);
        if (c.TextMode != 2)
            c.Subject = text(false);
        c.AttachMode = 1 + random() % 3;
        if (c.AttachMode == 2)
            c.Attachments = items();
        std::string token = ComposeEmailCommand(c);
        EmailCommandParse p = ParseEmailCommand(token);
        ASSERT_EQ(p.Length, token.size()) << token;
        ASSERT_EQ(p.Command, c) << token;
    }
}

TEST(RecipientLines, SplitAtTheFirstBar) {
    EXPECT_EQ(SplitRecipientLine("a|b|c"), (RecipientEntry{"a", "b|c"}));
    EXPECT_EQ(SplitRecipientLine("bob@x"), (RecipientEntry{"", "bob@x"}));
    EXPECT_EQ(SplitRecipientLine("Name|"), (RecipientEntry{"Name", ""}));
}

}  // namespace
}  // namespace orv
