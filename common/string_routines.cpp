#include "common/string_routines.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace orv {

std::string CutShort(std::string_view s) {
    return std::string(s.substr(0, MaxShortString));
}

std::string TrimStr(std::string_view s) {
    std::size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    std::size_t last = s.find_last_not_of(' ');
    return std::string(s.substr(first, last - first + 1));
}

std::string PadLeftStr(std::string_view s, std::size_t width) {
    std::string result(s);
    if (result.size() < width)
        result.insert(0, width - result.size(), ' ');
    return CutShort(result);
}

std::string ChangeExt3(std::string_view name, std::string_view ext) {
    std::string_view stem = name.substr(0, name.size() >= 3 ? name.size() - 3 : 0);
    return CutShort(std::string(stem) + std::string(ext));
}

std::string RealToText(int width, int decimals, double value) {
    decimals = std::clamp(decimals, 0, 30);
    width = std::clamp(width, 0, static_cast<int>(MaxShortString));
    if (!std::isfinite(value))
        value = 0;
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%*.*f", width, decimals, value);
    return CutShort(buffer);
}

std::string NumToSepText(int width, int decimals, double value) {
    std::string plain = TrimStr(RealToText(0, decimals, value));
    std::size_t wholeEnd = plain.find('.');
    if (wholeEnd == std::string::npos)
        wholeEnd = plain.size();
    std::size_t wholeStart = plain.starts_with('-') ? 1 : 0;
    std::string grouped = plain.substr(0, wholeStart);
    for (std::size_t i = wholeStart; i < wholeEnd; ++i) {
        std::size_t digitsLeft = wholeEnd - i;
        if (i > wholeStart && digitsLeft % 3 == 0)
            grouped += ',';
        grouped += plain[i];
    }
    grouped += plain.substr(wholeEnd);
    return PadLeftStr(grouped, static_cast<std::size_t>(std::max(width, 0)));
}

std::string ScrambleText(std::string_view s) {
    std::string result(s);
    for (char& ch : result) {
        int c = static_cast<unsigned char>(ch);
        if (c >= 1 && c <= 200) {
            bool lowerOfPair = ((c - 1) / 25) % 2 == 0;
            c += lowerOfPair ? 25 : -25;
        }
        ch = static_cast<char>(c);
    }
    return result;
}

char UpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string UpperAscii(std::string_view s) {
    std::string result(s);
    for (char& c : result) c = UpperAscii(c);
    return result;
}

bool SameTextAscii(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return UpperAscii(x) == UpperAscii(y);
           });
}

std::vector<std::string> SplitTextLines(std::string_view source) {
    auto lineEnd = [](char c) { return c == '\r' || c == '\n'; };
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < source.size()) {
        std::size_t end = start;
        while (end < source.size() && !lineEnd(source[end])) ++end;
        lines.emplace_back(source.substr(start, end - start));
        if (end + 1 < source.size() && source[end] == '\r' && source[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

}  // namespace orv
