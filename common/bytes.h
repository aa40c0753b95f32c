// Little-endian fields and short strings inside byte images of records that
// cross a file or process boundary.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

namespace orv {

using Bytes = std::span<std::uint8_t>;
using ConstBytes = std::span<const std::uint8_t>;
// The whole image of a record of Size bytes: its codec takes nothing shorter.
template <std::size_t Size>
using RecordBytes = std::span<std::uint8_t, Size>;
template <std::size_t Size>
using ConstRecordBytes = std::span<const std::uint8_t, Size>;

inline std::uint16_t GetU16(ConstBytes b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}
inline std::uint32_t GetU32(ConstBytes b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
           static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
inline std::int16_t GetI16(ConstBytes b, std::size_t at) {
    return static_cast<std::int16_t>(GetU16(b, at));
}
inline std::int32_t GetI32(ConstBytes b, std::size_t at) {
    return static_cast<std::int32_t>(GetU32(b, at));
}
double GetF64(ConstBytes b, std::size_t at);

inline void PutU16(Bytes b, std::size_t at, std::uint16_t v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
inline void PutU32(Bytes b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}
inline void PutI16(Bytes b, std::size_t at, std::int16_t v) {
    PutU16(b, at, static_cast<std::uint16_t>(v));
}
inline void PutI32(Bytes b, std::size_t at, std::int32_t v) {
    PutU32(b, at, static_cast<std::uint32_t>(v));
}
void PutF64(Bytes b, std::size_t at, double v);

// A short string field occupies capacity + 1 bytes: a length byte, then the
// characters, zero-filled to the capacity.
constexpr std::size_t ShortStringSize(std::size_t capacity) { return capacity + 1; }

// Reads a short string field; a length byte above the capacity is clamped so a
// damaged record never reads into the next field.
std::string GetShortString(ConstBytes b, std::size_t at, std::size_t capacity);

// Writes a short string field: cut to the capacity, the rest zero-filled.
void PutShortString(Bytes b, std::size_t at, std::size_t capacity, std::string_view s);

}  // namespace orv
