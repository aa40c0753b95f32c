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

// A fixed field as the editor reads it: the characters at [from, to] of the
// token (clamped to it) as a whole decimal number with an optional sign;
// anything else is no number, and the token then no token.
std::optional<int> FieldNumber(std::string_view token, std::size_t from, std::size_t to);

// The same for a decimal number with a fraction.
std::optional<double> FieldReal(std::string_view token, std::size_t from, std::size_t to);

// Plain decimal text of a whole number, and of a real with the given decimals.
std::string NumberText(long long value);
std::string RealText(double value, int decimals);

// The part of a path after its last "\" (the whole path when it has none).
std::string_view FilePart(std::string_view path);

}  // namespace orv
