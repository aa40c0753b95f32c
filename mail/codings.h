// The mail-safe codings of message text and attachment data: base64,
// quoted-printable and uuencode, and the encoded words of header texts.
#pragma once

#include <bitset>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/string_routines.h"

namespace orv::player {

// Base64 of bytes, "=" padded, into out, which has room for
// (size + 2) / 3 * 4 characters; returns that count.
std::size_t Base64Encode(std::string_view bytes, char* out);

// Base64 of bytes, "=" padded, cut at maxLength characters.
std::string Base64EncodeString(std::string_view bytes, std::size_t maxLength = std::string::npos);

// One uuencoded line of up to 45 bytes: the count character, then the
// unpadded groups ("M" and 60 characters for a full block).
std::string UUEncodeLine(std::string_view bytes);

// Text that begins with ESC (ISO-2022-JP) as "=?ISO-2022-JP?B?...?=" words of
// at most 75 characters each, separated by blanks; any other text unchanged.
std::string EncodeHeaderWord(std::string_view text);

// The character set of the 8-bit text the program hands the mail: Windows
// gives it in the system's code page.
struct TextCharset {
    std::string Name = "windows-1252";
    // The lead bytes of a double-byte code page, never parted from the byte
    // that follows them.
    std::bitset<256> LeadBytes;
};

// The charset name readers know a Windows code page by.
std::string CharsetNameOfCodePage(unsigned codePage);

// The character set of the running program: windows-1252 unless the
// program or a test set another.
const TextCharset& CurrentTextCharset();
void SetCurrentTextCharset(TextCharset charset);

// The whole text as encoded words of the character set, separated by blanks,
// each short enough to follow a header's label on one line.
std::string EncodeHeaderWords(std::string_view text, const TextCharset& charset);

// Header text with bytes above 127, or text a reader would take for encoded
// words, as encoded words of the character set; other text unchanged.
std::string EncodeHeaderText(std::string_view text, const TextCharset& charset);

// The quoted-printable lines of source. CR LF, CR and LF each end one line;
// a last line without a line end is kept as such (a soft break marks it).
// Each line is escaped, then cut into lines of at most 76 characters (75 and
// the soft break), before a blank where there is one, never inside an escape.
std::vector<std::string> QuotedPrintableLines(std::string_view source);

// True when any byte is above 127.
bool HasEightBit(std::string_view text);

}  // namespace orv::player
