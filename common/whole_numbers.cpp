#include "common/whole_numbers.h"

#include <cstddef>
#include <limits>

namespace orv {
namespace {

struct Scan {
    std::int64_t value = 0;
    bool anyDigit = false;
    bool overflow = false;
    std::size_t end = 0;  // first position not consumed
};

int DigitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9') v = c - '0';
    else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
    return v < base ? v : -1;
}

// Hexadecimal reaches the full 32 bits (so "$FFFFFFFF" is -1); decimal stops
// at the signed range.
Scan ScanNumber(std::string_view t) {
    Scan s;
    std::size_t p = 0;
    while (p < t.size() && t[p] == ' ') ++p;
    bool negative = false;
    if (p < t.size() && (t[p] == '+' || t[p] == '-')) negative = t[p++] == '-';
    int base = 10;
    if (p < t.size() && (t[p] == '$' || t[p] == 'x' || t[p] == 'X')) {
        base = 16;
        ++p;
    } else if (p + 1 < t.size() && t[p] == '0' && t[p + 1] == 'x') {
        base = 16;
        p += 2;
    }
    const std::int64_t limit =
        base == 16 ? std::int64_t{0xFFFFFFFF}
                   : (negative ? std::int64_t{1} << 31 : std::numeric_limits<std::int32_t>::max());
    std::int64_t magnitude = 0;
    for (; p < t.size(); ++p) {
        int d = DigitValue(t[p], base);
        if (d < 0) break;
        if (magnitude * base + d > limit) {
            s.overflow = true;
            break;
        }
        magnitude = magnitude * base + d;
        s.anyDigit = true;
    }
    if (base == 16) magnitude = static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude));
    s.value = negative ? -magnitude : magnitude;
    s.end = p;
    return s;
}

}  // namespace

std::optional<std::int32_t> ParseWholeNumber(std::string_view text) {
    Scan s = ScanNumber(text);
    if (!s.anyDigit || s.overflow || s.end != text.size()) return std::nullopt;
    return static_cast<std::int32_t>(s.value);
}

std::int32_t WholeNumberOr(std::string_view text, std::int32_t fallback) {
    return ParseWholeNumber(text).value_or(fallback);
}

std::int32_t LeadingWholeNumber(std::string_view text) {
    return static_cast<std::int32_t>(ScanNumber(text).value);
}

}  // namespace orv
