#include "common/bytes.h"

#include <algorithm>
#include <bit>

namespace orv {

double GetF64(ConstBytes b, std::size_t at) {
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = bits << 8 | b[at + i];
    return std::bit_cast<double>(bits);
}

void PutF64(Bytes b, std::size_t at, double v) {
    auto bits = std::bit_cast<std::uint64_t>(v);
    for (int i = 0; i < 8; ++i) b[at + i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

std::string GetShortString(ConstBytes b, std::size_t at, std::size_t capacity) {
    std::size_t length = std::min<std::size_t>(b[at], capacity);
    return std::string(reinterpret_cast<const char*>(b.data() + at + 1), length);
}

void PutShortString(Bytes b, std::size_t at, std::size_t capacity, std::string_view s) {
    std::size_t length = std::min({s.size(), capacity, std::size_t{255}});
    b[at] = static_cast<std::uint8_t>(length);
    std::memcpy(b.data() + at + 1, s.data(), length);
    std::memset(b.data() + at + 1 + length, 0, capacity - length);
}

}  // namespace orv
