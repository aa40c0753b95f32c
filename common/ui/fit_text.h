// Texts cut to the room a cell or button has. Portable: the caller measures
// with whatever font it draws in.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace orv {

// Width of a text in the caller's units (pixels of its font).
using TextMeasure = std::function<int(std::string_view)>;

// The longest beginning of text that fits into width, cut from the end and
// without an ellipsis; the whole text when it fits, "" when not even its first
// character does.
std::string FitText(std::string_view text, int width, const TextMeasure& measure);

}  // namespace orv
