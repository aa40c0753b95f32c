// Number fields inside tokens: written zero-padded to a fixed width and read
// back by position. A value that cannot stand in its field is refused rather
// than written so that the token would be misread.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orv {

// dN: the value in exactly width digits, zeros in front; nothing for a
// negative value or one with more digits than the width.
std::optional<std::string> DigitsField(long long value, std::size_t width);

// s5: five characters, a negative value as "-" then zeros and its digits.
std::optional<std::string> SignedField5(long long value);

// ss.hh: seconds with two decimals in exactly five characters ("00.50",
// "12.25"); nothing for negative values or 100 and more.
std::optional<std::string> SecondsField(double value);

// Fixed fields as the editor's reader takes them: the characters at [from, to]
// of the token (clamped to it), only in the form the writer gives them, so a
// token that is read is written back as it stood. Anything else is no number,
// and the token then no token: its text stays text.
// dN: digits only.
std::optional<int> DigitsAt(std::string_view token, std::size_t from, std::size_t to);
// s5: digits, or "-" and the digits of a value below zero.
std::optional<int> SignedAt(std::string_view token, std::size_t from, std::size_t to);
// ss.hh: two digits, ".", two digits.
std::optional<double> SecondsAt(std::string_view token, std::size_t from, std::size_t to);

// A field as the player reads it: any decimal number with an optional sign and
// fraction.
std::optional<double> FieldReal(std::string_view token, std::size_t from, std::size_t to);

// Plain decimal text of a whole number, and of a real with the given decimals.
std::string NumberText(long long value);
std::string RealText(double value, int decimals);

// The part of a path after its last "\" (the whole path when it has none).
std::string_view FilePart(std::string_view path);

}  // namespace orv
