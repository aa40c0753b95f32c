// The e-mail token is measured by its fields, not by ">": its subject, text
// and file names may hold ">" themselves. Each text field ends with the byte
// 0x01.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace orv {

constexpr char EmailFieldEnd = '\x01';

// The length of the "<EMAIL:" token that starts at pos, from its "<" to its
// closing character; none when the text ends before its fields do or a field
// code is not one the token has.
std::optional<std::size_t> MeasureEmailToken(std::string_view text, std::size_t pos);

}  // namespace orv
