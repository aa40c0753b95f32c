#include <gtest/gtest.h>

#include <algorithm>

#include "mail/codings.h"
#include "mail/mail_errors.h"

namespace orv::player {
namespace {

using Lines = std::vector<std::string>;

TEST(Base64, GroupsAndPadding) {
    EXPECT_EQ(Base64EncodeString(""), "");
    EXPECT_EQ(Base64EncodeString("M"), "TQ==");
    EXPECT_EQ(Base64EncodeString("Ma"), "TWE=");
    EXPECT_EQ(Base64EncodeString("Man"), "TWFu");
    EXPECT_EQ(Base64EncodeString(std::string("\xFF\xFE\x00", 3)), "//4A");
    EXPECT_EQ(Base64EncodeString(std::string(57, 'x')).size(), 76u);
    EXPECT_EQ(Base64EncodeString("Man", 2), "TW");
}

TEST(Uuencode, LinesCountTheirBytes) {
    std::string full = UUEncodeLine(std::string(45, 'a'));
    EXPECT_EQ(full.size(), 61u);
    EXPECT_EQ(full[0], 'M');
    EXPECT_EQ(UUEncodeLine("a").size(), 3u);
    EXPECT_EQ(UUEncodeLine(""), "`");
    // Zero bits are the grave accent, never a blank.
    EXPECT_EQ(UUEncodeLine(std::string(3, '\0')), "#````");
    EXPECT_EQ(UUEncodeLine("Cat"), "#0V%T");
}

// No encoded line beyond 76 characters, the soft break included.
TEST(QuotedPrintable, CutsEncodedLinesAtSeventyFiveBeforeABlankNeverInAnEscape) {
    const auto e9 = [](int n) {
        std::string out;
        for (int i = 0; i < n; ++i) out += "=E9";
        return out;
    };
    struct Row {
        std::string source;
        Lines encoded;
    } const rows[] = {
        {std::string(100, 'a'), {std::string(75, 'a') + "=", std::string(25, 'a')}},
        {std::string(76, 'a'), {std::string(76, 'a')}},
        {std::string(50, 'b') + " " + std::string(40, 'c'),
         {std::string(50, 'b') + "=", " " + std::string(40, 'c')}},
        {std::string(74, 'a') + "\xE9"
                                "b",
         {std::string(74, 'a') + "=", "=E9b"}},
        {std::string(60, '\xE9'), {e9(25) + "=", e9(25) + "=", e9(10)}},
        {std::string(75, 'a') + " ", {std::string(75, 'a') + "=", "=20"}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(QuotedPrintableLines(row.source + "\r\n"), row.encoded) << row.source;
}

TEST(QuotedPrintable, EscapesControlsEqualsAndEightBit) {
    EXPECT_EQ(QuotedPrintableLines("a\tb=c\xE9\x7F d\r\n"), (Lines{"a=09b=3Dc=E9=7F d"}));
    // A blank at the end of a line would be dropped by the reader.
    EXPECT_EQ(QuotedPrintableLines("end \r\n"), (Lines{"end=20"}));
}

TEST(QuotedPrintable, EveryKindOfLineEndEndsOneLine) {
    EXPECT_EQ(QuotedPrintableLines("a\r\nb\nc\rd\r\n"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(QuotedPrintableLines("a\n\nb\n"), (Lines{"a", "", "b"}));
    EXPECT_EQ(QuotedPrintableLines("a\r\r\nb\n"), (Lines{"a", "", "b"}));
    EXPECT_EQ(QuotedPrintableLines("a\n"), (Lines{"a"}));
    // Without a final line end the last line says so with a soft break.
    EXPECT_EQ(QuotedPrintableLines("a\nb"), (Lines{"a", "b="}));
    EXPECT_EQ(QuotedPrintableLines(""), Lines{});
}

TEST(QuotedPrintable, HasNoLimitOnLineLength) {
    Lines lines = QuotedPrintableLines(std::string(30000, 'x') + "\n");
    ASSERT_EQ(lines.size(), 400u);  // 399 pieces of 75 and their soft breaks, then 75
    EXPECT_EQ(lines.back(), std::string(75, 'x'));
}

// Stops at the padding; any character outside the alphabet fails the test.
std::string Base64Decode(std::string_view text) {
    constexpr std::string_view alphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    unsigned bits = 0, count = 0;
    for (char c : text) {
        if (c == '=')
            break;
        const std::size_t v = alphabet.find(c);
        EXPECT_NE(v, std::string_view::npos) << c;
        if (v == std::string_view::npos)
            break;
        bits = (bits << 6) | static_cast<unsigned>(v);
        if ((count += 6) >= 8)
            out += static_cast<char>((bits >> (count -= 8)) & 0xFF);
    }
    return out;
}

// Each word decodes on its own: it begins in the text's character set and
// returns to ASCII at its end.
TEST(HeaderWords, JapaneseTextIsCutIntoWholeWords) {
    EXPECT_EQ(EncodeHeaderWord("plain"), "plain");
    EXPECT_EQ(EncodeHeaderWord(""), "");
    EXPECT_EQ(EncodeHeaderWord("\x1B$B"), "=?ISO-2022-JP?B?GyRC?=");
    std::string kanji;
    for (int i = 0; i < 97; ++i) kanji += "\x30" + std::string(1, static_cast<char>(0x21 + i % 90));
    std::string text = "\x1B$B" + kanji + "\x1B(Bend";
    std::string joined;
    std::size_t start = 0;
    std::string encoded = EncodeHeaderWord(text);
    for (std::size_t end; start < encoded.size(); start = end + 1) {
        end = std::min(encoded.find(' ', start), encoded.size());
        std::string_view word = std::string_view(encoded).substr(start, end - start);
        ASSERT_LE(word.size(), 75u);
        ASSERT_TRUE(word.starts_with("=?ISO-2022-JP?B?") && word.ends_with("?=")) << word;
        std::string piece = Base64Decode(word.substr(16, word.size() - 18));
        EXPECT_TRUE(piece.starts_with("\x1B$B")) << piece;
        if (end < encoded.size()) {
            EXPECT_TRUE(piece.ends_with("\x1B(B")) << piece;
            piece.resize(piece.size() - 3);
        }
        joined += joined.empty() ? piece : piece.substr(3);
    }
    EXPECT_EQ(joined, text);
}

// Ends at a whole character: a lead byte is never a piece's last byte.
bool EndsWhole(std::string_view piece, const TextCharset& charset) {
    std::size_t i = 0;
    while (i < piece.size()) i += charset.LeadBytes[static_cast<unsigned char>(piece[i])] ? 2 : 1;
    return i == piece.size();
}

TEST(HeaderWords, TextAReaderWouldMisreadBecomesWholeShortWords) {
    TextCharset western;
    TextCharset japanese{"shift_jis", {}};
    for (unsigned b = 0x81; b <= 0xFC; ++b) japanese.LeadBytes[b] = b <= 0x9F || b >= 0xE0;
    EXPECT_EQ(western.Name, "windows-1252");
    EXPECT_EQ(EncodeHeaderText("Hello", western), "Hello");
    EXPECT_EQ(EncodeHeaderText("\xE9t\xE9", western), "=?windows-1252?B?6XTp?=");
    // ASCII that looks like an encoded word is labelled ASCII and reads as itself.
    EXPECT_EQ(EncodeHeaderText("=?x?Q?a?=", western), "=?us-ascii?B?PT94P1E/YT89?=");
    std::string kana;
    for (int i = 0; i < 60; ++i) kana += "\x82\xA0";
    struct Row {
        std::string text;
        const TextCharset& charset;
        std::string label;
    } rows[] = {
        {std::string(100, '\xE9'), western, "windows-1252"},
        {"a" + kana, japanese, "shift_jis"},
        {"=?utf-8?Q?evil=40attacker.org?= " + std::string(80, 'x'), western, "us-ascii"},
    };
    for (const Row& row : rows) {
        std::string encoded = EncodeHeaderText(row.text, row.charset);
        std::string joined;
        for (std::size_t start = 0, end; start < encoded.size(); start = end + 1) {
            end = std::min(encoded.find(' ', start), encoded.size());
            std::string_view word = std::string_view(encoded).substr(start, end - start);
            // With "To:" and its blanks, or a folding blank, a line of at most 78.
            EXPECT_LE(word.size(), 66u) << word;
            std::string head = "=?" + row.label + "?B?";
            ASSERT_TRUE(word.starts_with(head) && word.ends_with("?=")) << word;
            std::string piece =
                Base64Decode(word.substr(head.size(), word.size() - head.size() - 2));
            EXPECT_TRUE(EndsWhole(piece, row.charset)) << word;
            joined += piece;
        }
        EXPECT_EQ(joined, row.text);
    }
}

TEST(HeaderWords, CodePagesGoByTheNamesReadersKnow) {
    EXPECT_EQ(CharsetNameOfCodePage(1252), "windows-1252");
    EXPECT_EQ(CharsetNameOfCodePage(1250), "windows-1250");
    EXPECT_EQ(CharsetNameOfCodePage(1251), "windows-1251");
    EXPECT_EQ(CharsetNameOfCodePage(932), "shift_jis");
    EXPECT_EQ(CharsetNameOfCodePage(936), "gbk");
    EXPECT_EQ(CharsetNameOfCodePage(874), "windows-874");
}

TEST(MailTexts, SocketErrorsHaveTheirTextOrTheirNumber) {
    EXPECT_EQ(SocketErrorText(10061), "[10061] Connection refused");
    EXPECT_EQ(SocketErrorText(11001), "[11001] Host not found");
    EXPECT_EQ(SocketErrorText(12345), "Error #12345");
    EXPECT_EQ(MailText(MailId::TimedOut), "Operation timed out");
    EXPECT_EQ(MailText(MailId::RecipientRequired),
              "At least one Recipient, CC or BCC must be entered");
}

}  // namespace
}  // namespace orv::player
