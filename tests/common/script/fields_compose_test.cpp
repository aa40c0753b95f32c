#include <gtest/gtest.h>

#include "common/script/compose.h"
#include "common/script/fields.h"
#include "common/string_routines.h"

namespace orv {
namespace {

using C = CommandCode;

TEST(TokenFields, ZeroPaddingTwoDecimalsAndSignedCoordinates) {
    EXPECT_EQ(DigitsField(7, 4), "0007");
    EXPECT_EQ(DigitsField(9999, 4), "9999");
    EXPECT_EQ(DigitsField(0, 3), "000");
    EXPECT_EQ(SecondsField(0.5), "00.50");
    EXPECT_EQ(SecondsField(1.5), "01.50");
    EXPECT_EQ(SecondsField(12.25), "12.25");
    EXPECT_EQ(SecondsField(99.994), "99.99");
    EXPECT_EQ(SignedField5(42), "00042");
    EXPECT_EQ(SignedField5(-42), "-0042");
    EXPECT_EQ(SignedField5(-9999), "-9999");
    EXPECT_EQ(SignedField5(99999), "99999");
}

TEST(TokenFields, ValuesTooWideOrNegativeAreRefused) {
    EXPECT_EQ(DigitsField(10000, 4), std::nullopt);
    EXPECT_EQ(DigitsField(-1, 4), std::nullopt);
    EXPECT_EQ(SecondsField(100), std::nullopt);
    EXPECT_EQ(SecondsField(99.996), std::nullopt);  // rounds to 100.00
    EXPECT_EQ(SecondsField(-0.5), std::nullopt);
    EXPECT_EQ(SignedField5(-10000), std::nullopt);
    EXPECT_EQ(SignedField5(100000), std::nullopt);
}

TEST(TokenFields, ReadingByPosition) {
    EXPECT_EQ(SignedAt("<MMW:-0005,00120>", 5, 9), -5);
    EXPECT_EQ(SignedAt("<MMW:-0005,00120>", 11, 15), 120);
    EXPECT_EQ(DigitsAt("<MSD:0075>", 5, 8), 75);
    EXPECT_EQ(SecondsAt("<DELAY:01.25>", 7, 11), 1.25);
    EXPECT_EQ(FieldReal("<SPEED:00001>", 7, 11), 1.0) << "the player's reading";
    EXPECT_EQ(FieldReal("<DELAY:1e300>", 7, 11), std::nullopt);
    EXPECT_EQ(FilePart("C:\\a\\b.txt"), "b.txt");
    EXPECT_EQ(FilePart("plain"), "plain");
}

// The editor's reader takes a field only in the writer's form.
TEST(TokenFields, OtherFormsAreNoNumber) {
    for (std::string_view field : {"-075", "+075", "0x75", " 075", "07 5", ""})
        EXPECT_EQ(DigitsAt(field, 0, 3), std::nullopt) << field;
    EXPECT_EQ(DigitsAt("<MSD:", 5, 8), std::nullopt) << "past the end";
    for (std::string_view field : {"--005", "+0005", "-0000", "-", "0-005"})
        EXPECT_EQ(SignedAt(field, 0, 4), std::nullopt) << field;
    for (std::string_view field : {"0.500", "00.5", "-0.50", "00,50", "00001", "1e+01"})
        EXPECT_EQ(SecondsAt(field, 0, 4), std::nullopt) << field;
}

TEST(Composing, EdgeFormsOfTheGrammar) {
    EXPECT_EQ(ComposeCommand(C::Delay, DelayRec{1, 0.5}).Text, "<DELAY:00.50>");
    EXPECT_EQ(ComposeCommand(C::Delay, DelayRec{2, 75}).Text, "<MSD:0075>");
    EXPECT_EQ(ComposeCommand(C::MouseMove, MouseRec{-5, 120, 0, 1, 2}).Text, "<MMW:-0005,00120>");
    EXPECT_EQ(ComposeCommand(C::RepeatStart, RepeatRec{1, 3, 1, 1}).Text,
              "<REP:0003:000001:000001>");
    EXPECT_EQ(ComposeCommand(C::Date, DateTimeRec{1, 7, 0, 0, 7}).Text, "<DD/MM/YY{NP007}>");
    EXPECT_EQ(ComposeCommand(C::WindowMaximize, WindowRec{"ignored", 1, 1}).Text,
              "<WMAX:\"CURRENT\">");
    EXPECT_EQ(ComposeCommand(C::ProgramLaunch, LaunchRec{2, "", "C:\\x.exe", "-a", 2, 12}).Text,
              "<LAUNCHDEL:02C:\\x.exe<PARAM>-a>");
    EXPECT_EQ(ComposeCommand(C::ProgramLaunch, LaunchRec{2, "", "C:\\x.exe", "", 2, 12}).Text,
              "<LAUNCHDEL:02C:\\x.exe>");
    // The writer goes by the command code; the press token only for the command's own press.
    EXPECT_EQ(ComposeCommand(C::AltKey, ModifierKeyRec{1}).Text, "<ALTU>");
    EXPECT_EQ(ComposeCommand(C::AltKey, ModifierKeyRec{3}).Text, "<ALTD>");
    EXPECT_EQ(ComposeCommand(C::WindowOfText, WTextRec{"h", std::string(400, 'w')}).Text,
              "<TBOX:<HEAD:h>" + std::string(400, 'w') + ">");
}

TEST(Composing, ValuesThatWouldBreakTheirTokenAreRefused) {
    ComposeResult r = ComposeCommand(C::Remark, StringRec{"a>b"});
    EXPECT_FALSE(r.Ok());
    EXPECT_EQ(r.Error,
              "The text \"a>b\" holds the character \">\", which would end the command early.  "
              "Please remove it.");
    EXPECT_TRUE(r.Text.empty());
    EXPECT_FALSE(ComposeCommand(C::WindowClose, WindowRec{"x>y", 4, 0}).Ok());
    EXPECT_FALSE(ComposeCommand(C::Pause, PauseRec{2, 1, 1, "Press > here"}).Ok());
    EXPECT_FALSE(ComposeCommand(C::WindowOfText, WTextRec{"h", "1 > 0"}).Ok());
    EXPECT_FALSE(ComposeCommand(C::ActivateOrLaunch, LaunchRec{4, "a<b", "x.exe", "", 1, 1}).Ok());
    EXPECT_FALSE(ComposeCommand(C::CopyFile, FileRec{2, "a;b", "c"}).Ok());
    EXPECT_TRUE(ComposeCommand(C::CopyFile, FileRec{2, "a", "b;c"}).Ok());
    EXPECT_FALSE(ComposeCommand(C::ProgramLaunch, LaunchRec{2, "", "x<PARAM.exe", "", 0, 12}).Ok());
    EXPECT_FALSE(ComposeCommand(C::EMailSend, EmailRec{"<EMAIL:RNR2S2A3>x>", 2, 2, 3}).Ok());
    EXPECT_TRUE(ComposeCommand(C::Pause, PauseRec{2, 1, 1, std::string(180, 'm')}).Ok());
    EXPECT_EQ(ComposeCommand(C::Pause, PauseRec{2, 1, 1, std::string(181, 'm')}).Error,
              "The message has 181 characters; at most 180 fit.  Please shorten it.");
    // A password whose scrambled form holds ">" cannot be stored.
    r = ComposeCommand(C::DialUpNetworking, DialUpRec{1, "ISP", "bob", ScrambleText("West")});
    EXPECT_EQ(r.Error,
              "The password holds the character \"W\", which cannot be stored in a macro.  "
              "Please choose another password.");
}

TEST(Composing, NumbersTooWideForTheirFieldAreRefused) {
    ComposeResult r = ComposeCommand(C::Delay, DelayRec{2, 12345});
    EXPECT_EQ(r.Error, "The number 12345 does not fit a field of 4 digits.");
    EXPECT_FALSE(ComposeCommand(C::Delay, DelayRec{1, 100}).Ok());
    EXPECT_FALSE(ComposeCommand(C::WindowReposition, SizePosRec{"t", 2, 0, -10000, 10}).Ok());
    EXPECT_FALSE(ComposeCommand(C::MouseMove, MouseRec{-10000, 0, 0, 1, 1}).Ok());
    EXPECT_FALSE(ComposeCommand(C::RepeatStart, RepeatRec{1, 1, 1000000, 1}).Ok());
    EXPECT_FALSE(ComposeCommand(C::WaitTimeDelay, DelayRec{3, 100}).Ok());
    EXPECT_FALSE(ComposeCommand(C::Date, DateTimeRec{1, 1, 0, 1, 1000}).Ok());
    EXPECT_FALSE(ComposeCommand(C::Date, DateTimeRec{1, 52, 0, 1, 0}).Ok());
    EXPECT_FALSE(ComposeCommand(C::RepeatCounter, RepeatRec{4, 5, 1, 1}).Ok());
}

// A text line is typed as it stands, a token begun at its end too: whether it
// reads back so beside the line after it is the writer's question.
TEST(Composing, TextIsTypedAsItStands) {
    for (std::string_view text : {"x<REM:", "<ALT:0", "<LAUNCHNO2:0102t<LAUNCH:p<PARAM>", "x<",
                                  "1 < 2", "<ENTER>", "<MM/DD/YY{YF0", "\x80\xFF<REM:done>"}) {
        ComposeResult r = ComposeCommand(C::Text, TextRec{std::string(text)});
        EXPECT_EQ(r.Text, text) << r.Error;
    }
}

TEST(Composing, RecordOfAnotherFamilyIsRefused) {
    EXPECT_FALSE(ComposeCommand(C::Remark, TextRec{"x"}).Ok());
    EXPECT_FALSE(ComposeCommand(C::None, TextRec{"x"}).Ok());
}

}  // namespace
}  // namespace orv
