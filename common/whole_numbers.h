// The rules by which the system reads whole numbers out of text. Each rule is
// one function; none of them overflows.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace orv {

// The standard conversion of a whole text: leading blanks, an optional sign,
// then decimal digits, or hexadecimal digits after "$", "x", "X" or "0x".
// Anything else, trailing characters included, or a value outside 32 bits,
// gives no value.
std::optional<std::int32_t> ParseWholeNumber(std::string_view text);

// The standard conversion with a default: text that is not a number gives
// fallback (a field that is not a number counts as 0).
std::int32_t WholeNumberOr(std::string_view text, std::int32_t fallback = 0);

// The lenient reading of settings values: the number formed by the leading
// characters that belong to one ("12abc" is 12, "abc" is 0). Reading stops
// before a digit that would overflow.
std::int32_t LeadingWholeNumber(std::string_view text);

}  // namespace orv
