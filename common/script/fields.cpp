#include "common/script/fields.h"

#include <algorithm>
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

bool AllDigits(std::string_view text) {
    return !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<int> DigitsValue(std::string_view text) {
    // Nine digits always fit.
    if (!AllDigits(text) || text.size() > 9)
        return std::nullopt;
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace

std::optional<int> DigitsAt(std::string_view token, std::size_t from, std::size_t to) {
    return DigitsValue(FieldText(token, from, to));
}

std::optional<int> SignedAt(std::string_view token, std::size_t from, std::size_t to) {
    std::string_view text = FieldText(token, from, to);
    if (!text.starts_with('-'))
        return DigitsValue(text);
    std::optional<int> magnitude = DigitsValue(text.substr(1));
    if (!magnitude || *magnitude == 0)
        return std::nullopt;  // the writer never gives "-0000"
    return -*magnitude;
}

std::optional<double> SecondsAt(std::string_view token, std::size_t from, std::size_t to) {
    std::string_view text = FieldText(token, from, to);
    if (text.size() != 5 || text[2] != '.' || !AllDigits(text.substr(0, 2)) ||
        !AllDigits(text.substr(3)))
        return std::nullopt;
    return FieldReal(text, 0, 4);
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
