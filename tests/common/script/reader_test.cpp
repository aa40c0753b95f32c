#include <gtest/gtest.h>

#include "common/script/reader.h"
#include "common/script/writer.h"

namespace orv {
namespace {

using C = CommandCode;

std::vector<std::string> Texts(std::string_view script) {
    std::vector<std::string> texts;
    for (const CommandLine& line : ReadScript(script)) texts.push_back(line.Text);
    return texts;
}

std::string OnlyText(std::string_view script) {
    std::vector<CommandLine> lines = ReadScript(script);
    EXPECT_EQ(lines.size(), 1u) << script;
    if (lines.size() != 1 || lines[0].Code != C::Text)
        return "(not one text line)";
    return std::get<TextRec>(lines[0].Record).Text;
}

TEST(ScriptReader, TextGathersUntilACommand) {
    EXPECT_TRUE(ReadScript("").empty());
    EXPECT_EQ(OnlyText("abc<ENTER>def"), "abc<ENTER>def");
    EXPECT_EQ(OnlyText("a\r\nb"), "a\r\nb");
    EXPECT_EQ(Texts("ab<BEEP>cd"),
              (std::vector<std::string>{"Text: ab", "Sound Beep", "Text: cd"}));
    EXPECT_EQ(Texts("<BEEP><BEEP>"), (std::vector<std::string>{"Sound Beep", "Sound Beep"}));
}

TEST(ScriptReader, TextLineShowsFiftyCharactersThenDots) {
    std::string fiftyThree(53, 'x');
    EXPECT_EQ(Texts(fiftyThree)[0], "Text: " + std::string(50, 'x'));
    EXPECT_EQ(Texts(fiftyThree + "y")[0], "Text: " + std::string(50, 'x') + "...");
    std::string remark(44, 'r');
    EXPECT_EQ(Texts("<REM:" + remark + ">")[0], "Remark: " + std::string(40, 'r') + "...");
    EXPECT_EQ(Texts("<REM:" + remark.substr(1) + ">")[0], "Remark: " + remark.substr(1));
}

TEST(ScriptReader, UnknownOrIncompleteTokensStayText) {
    EXPECT_EQ(OnlyText("a<b"), "a<b");
    EXPECT_EQ(OnlyText("<XYZ>"), "<XYZ>");
    EXPECT_EQ(OnlyText("<ALT:65>x"), "<ALT:65>x");
    EXPECT_EQ(OnlyText("<WPOS2:0010,0020Calc>"), "<WPOS2:0010,0020Calc>");
    EXPECT_EQ(OnlyText("<SCRLOCK><NUMLOCK>"), "<SCRLOCK><NUMLOCK>");
    // A token's ">" must stand where its fields put it.
    EXPECT_EQ(OnlyText("<REP:3:1:1>"), "<REP:3:1:1>");
    EXPECT_EQ(OnlyText("<MSD:75>"), "<MSD:75>");
    EXPECT_EQ(OnlyText("<WAITLM:003"), "<WAITLM:003");
    EXPECT_EQ(OnlyText("<WAITTIME:125>"), "<WAITTIME:125>");
    // A date with a broken end is no date, and takes nothing after it.
    EXPECT_EQ(OnlyText("<MM/DD/YY{Y}x"), "<MM/DD/YY{Y}x");
    EXPECT_EQ(OnlyText("<MM/DD/YY{YF00}>ab"), "<MM/DD/YY{YF00}>ab");
    // Network letters out of order or unknown make no token.
    EXPECT_EQ(OnlyText("<NWCSP:<NAME:><PASS:>F:x>"), "<NWCSP:<NAME:><PASS:>F:x>");
    EXPECT_EQ(OnlyText("<NWDX:F:>"), "<NWDX:F:>");
    // A launch title must be followed by the program part.
    EXPECT_EQ(OnlyText("<LAUNCHYES2:0312Note<pad>"), "<LAUNCHYES2:0312Note<pad>");
}

TEST(ScriptReader, FreeTextWithoutItsCloseStaysText) {
    EXPECT_EQ(OnlyText("<REM:never closed"), "<REM:never closed");
    EXPECT_EQ(OnlyText("<WMAX:Calc"), "<WMAX:Calc");
    EXPECT_EQ(OnlyText("<TBOX:<HEAD:Note>body"), "<TBOX:<HEAD:Note>body");
    EXPECT_EQ(OnlyText("<LAUNCHDEL:02x.exe<PARAM>p"), "<LAUNCHDEL:02x.exe<PARAM>p");
    // The fixed fields ahead of the text may not hold the close.
    EXPECT_EQ(OnlyText("<WAITWIN:5>x:Calc>"), "<WAITWIN:5>x:Calc>");
}

TEST(ScriptReader, RemarkEndsAtTheFirstClose) {
    std::vector<CommandLine> lines = ReadScript("<REM:a>b>");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].Text, "Remark: a");
    EXPECT_EQ(std::get<TextRec>(lines[1].Record).Text, "b>");
}

// Text that only looks like a token in its fields is kept as it stands, so
// it comes back out unchanged instead of as zeros.
TEST(ScriptReader, NumberFieldsThatAreNotNumbersMakeNoToken) {
    EXPECT_EQ(OnlyText("<REP:00x3:000001:00000y>"), "<REP:00x3:000001:00000y>");
    EXPECT_EQ(OnlyText("<DELAY:ab.cd>"), "<DELAY:ab.cd>");
    EXPECT_EQ(Texts("<WPOS:<MM{YF000}>"),
              (std::vector<std::string>{"Text: <WPOS:", "Date: MM  (03)"}));
    EXPECT_EQ(OnlyText("<MMS:0001x,00002>"), "<MMS:0001x,00002>");
    // The separators between fields are not compared.
    EXPECT_EQ(std::get<RepeatRec>(ReadScript("<REP:0003x000001y000002>")[0].Record),
              (RepeatRec{1, 3, 1, 2}));
}

// A field takes only the writer's form of its number; in any other form the
// token stays text and so comes back out as it stood, and the macro can still
// be saved.
TEST(ScriptReader, FieldsInAnyOtherFormKeepTheirTokenAsText) {
    for (std::string_view script :
         {"<REP:-001:000001:000001>", "<MSD:-075>", "<TDELAY:-1>", "<SPKEY:+100>",
          "<WAITTIME:-0000125>", "<PAUSE:-01,002msg>", "<WSIZE:-640,0480Calc>",
          "<WALLP:-100,0200p.bmp>", "<LAUNCHDEL:-1x.exe>", "<MMS:--005,00001>", "<MMW:-0000,00001>",
          "<DELAY:0.500>", "<DELAY:-0.50>", "<SPEED:+0001>", "<SPEED:00100>", "<MM/DD/YY{YFabc}>",
          "<MM/DD/YY{YP-01}>"}) {
        EXPECT_EQ(OnlyText(script), script);
        ScriptTextResult back = ComposeScript(ReadScript(script));
        EXPECT_EQ(back.Text, script) << back.Error;
    }
}

TEST(ScriptReader, FreeTextIsCutToItsField) {
    std::string title(300, 't');
    std::vector<CommandLine> lines = ReadScript("<WMAX:" + title + ">");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(std::get<WindowRec>(lines[0].Record).Title.size(), 255u);
    EXPECT_EQ(lines[0].Text.size(), 255u);
    // The text of a text window is not limited.
    std::string body(6000, 'b');
    lines = ReadScript("<TBOX:<HEAD:h>" + body + ">");
    EXPECT_EQ(std::get<WTextRec>(lines[0].Record).Text, body);
}

TEST(ScriptReader, DateFormatsThatBeginOtherFormatsAreToldApart) {
    EXPECT_EQ(Texts("<MM{NF000}><MM/DD/YY{NF000}><hh{N}><hh:mm:ss{N}>"),
              (std::vector<std::string>{"Date: MM  (03)", "Date: MM/DD/YY  (03/30/98)",
                                        "Time: hh  (15)", "Time: hh:mm:ss  (15:04:23)"}));
}

TEST(ScriptReader, AppendsToTheListItIsGiven) {
    std::vector<CommandLine> lines = ReadScript("<BEEP>");
    BuildTheScript("x", lines);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].Text, "Text: x");
}

TEST(ScriptReader, EmailChoicesComeFromItsParts) {
    EmailRec r = ReadEmailToken(
        "<EMAIL:RYR1TOa|b;\x01S4f\x01s\x01"
        "A2x;\x01>");
    EXPECT_EQ(r.Recipients, 1u);
    EXPECT_EQ(r.TextMode, 4u);
    EXPECT_EQ(r.Attachments, 2u);
    // The attachment list is the choice's own text, however it begins.
    EXPECT_EQ(ReadEmailToken("<EMAIL:RNR2S2A2A3.txt;\x01>").Attachments, 2u);
    // Left-out recipient lists are accepted.
    r = ReadEmailToken("<EMAIL:RNR1S2A1>");
    EXPECT_EQ((std::array<std::uint32_t, 3>{r.Recipients, r.TextMode, r.Attachments}),
              (std::array<std::uint32_t, 3>{1, 2, 1}));
}

}  // namespace
}  // namespace orv
