// The mail-safe codings of message text and attachment data: base64,
// quoted-printable and uuencode, and the encoded words of header texts.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/string_routines.h"

namespace orv {

// Base64 of bytes, "=" padded, cut at maxLength characters.
std::string Base64EncodeString(std::string_view bytes, std::size_t maxLength = std::string::npos);

// The value 0-63 of a base64 character; 255 for "=". Any other character
// raises EMessageParserError "Invalid Character".
unsigned Base64CharValue(char c);

// One uuencoded line of up to 45 bytes: the count character, then the
// unpadded groups ("M" and 60 characters for a full block).
std::string UUEncodeLine(std::string_view bytes);

// Text that begins with ESC (ISO-2022-JP) as "=?ISO-2022-JP?B?...?=" words of
// at most 75 characters each, separated by blanks; any other text unchanged.
std::string EncodeHeaderWord(std::string_view text);

// Header text with bytes above 127 as encoded words of the given character
// set, each short enough for a header line; plain ASCII text unchanged.
std::string EncodeHeaderText(std::string_view text, std::string_view charsetName);

// The quoted-printable lines of source. CR LF, CR and LF each end one line;
// a last line without a line end is kept as such (a soft break marks it).
// Lines are cut at 65 source characters, before a blank where there is one.
std::vector<std::string> QuotedPrintableLines(std::string_view source);

// True when any byte is above 127.
bool HasEightBit(std::string_view text);

}  // namespace orv
