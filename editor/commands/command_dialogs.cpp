#include "editor/commands/command_dialogs.h"

#include <cctype>
#include <charconv>
#include <cmath>

#include "common/string_routines.h"

namespace orv::editor {

std::string EditText(std::string_view text) {
    return TrimStr(CutShort(text));
}

std::optional<double> ParseRealNumber(std::string_view text) {
    std::string_view digits = text;
    bool negative = false;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    // Only decimal notation: no second sign, no "inf", "nan" or hexadecimal.
    if (digits.empty() ||
        !(std::isdigit(static_cast<unsigned char>(digits.front())) || digits.front() == '.'))
        return std::nullopt;
    double value = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                        std::chars_format::general);
    if (error != std::errc() || end != digits.data() + digits.size() || !std::isfinite(value))
        return std::nullopt;
    return (negative ? -value : value) + 0.0;  // never a negative zero
}

double ToHundredths(double value) {
    return std::round(value * 100) / 100;
}

}  // namespace orv::editor
