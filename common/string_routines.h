// The short-string routines every part of both programs uses. Strings are
// bytes: characters 128-255 are taken literally and only ASCII letters change
// case; numbers are formatted without regard to any locale.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

constexpr std::size_t MaxShortString = 255;

// Cuts to the 255 characters a short string holds.
std::string CutShort(std::string_view s);

// Leading and trailing blanks (0x20 only) removed.
std::string TrimStr(std::string_view s);

// Blanks prepended until the length reaches the width.
std::string PadLeftStr(std::string_view s, std::size_t width);

// The last three characters replaced by ext ("ORVAN.ORN", "MAS" -> "ORVAN.MAS").
std::string ChangeExt3(std::string_view name, std::string_view ext);

// Fixed-point text of value, right-aligned in width.
std::string RealToText(int width, int decimals, double value);

// As RealToText, with "," between groups of three digits of the whole part.
std::string NumToSepText(int width, int decimals, double value);

// The reversible substitution applied to stored passwords: bands of 25 codes
// swap in pairs (1-25 with 26-50, ... 151-175 with 176-200).
std::string ScrambleText(std::string_view s);

// ASCII letters upper-cased, every other byte kept.
std::string UpperAscii(std::string_view s);
char UpperAscii(char c);

// Equal without regard to ASCII case.
bool SameTextAscii(std::string_view a, std::string_view b);

// The text lines of source: CR LF, CR and LF each end one line; a final line
// end does not start another line.
std::vector<std::string> SplitTextLines(std::string_view source);

}  // namespace orv
