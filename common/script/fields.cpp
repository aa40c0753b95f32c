#include "common/script/fields.h"

#include <charconv>
#include <cmath>

#include "common/string_routines.h"

namespace orv {

std::optional<std::string> DigitsField(long long value, std::size_t width) {
    std::string digits = NumberText(value);
    if (value < 0 || digits.size() > width)
        return std::nullopt;
    return std::string(width - digits.size(), '0') + digits;
}

std::optional<std::string> SignedField5(long long value) {
    if (value >= 0)
        return DigitsField(value, 5);
    auto digits = DigitsField(-value, 4);
    if (!digits)
        return std::nullopt;
    return "-" + *digits;
}

std::optional<std::string> SecondsField(double value) {
    if (!std::isfinite(value) || value < 0)
        return std::nullopt;
    std::string text = RealText(value, 2);
    if (text.size() == 4)
        text = "0" + text;
    if (text.size() != 5)
        return std::nullopt;
    return text;
}

namespace {

std::string_view FieldText(std::string_view token, std::size_t from, std::size_t to) {
    if (from >= token.size() || to < from)
        return {};
    return token.substr(from, to - from + 1);
}

}  // namespace

std::optional<int> FieldNumber(std::string_view token, std::size_t from, std::size_t to) {
    std::string_view text = FieldText(token, from, to);
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<double> FieldReal(std::string_view token, std::size_t from, std::size_t to) {
    std::string_view text = FieldText(token, from, to);
    double value = 0;
    auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string NumberText(long long value) {
    return std::to_string(value);
}

std::string RealText(double value, int decimals) {
    return TrimStr(RealToText(0, decimals, value));
}

std::string_view FilePart(std::string_view path) {
    std::size_t slash = path.rfind('\\');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace orv
