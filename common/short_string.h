// A single-byte string of bounded capacity, as every stored string of the
// system is: assigning cuts to the capacity, so an over-long value can never
// reach a record or a table.
#pragma once

#include <compare>
#include <concepts>
#include <cstddef>
#include <string>
#include <string_view>

#include "common/bytes.h"

namespace orv {

// Text of another type than Self that reads as a string view.
template <typename Text, typename Self>
concept OtherText = !std::same_as<Text, Self> && std::convertible_to<const Text&, std::string_view>;

template <std::size_t Capacity>
class ShortString {
    static_assert(Capacity <= 255, "a short string holds at most 255 characters");

public:
    static constexpr std::size_t capacity = Capacity;
    static constexpr std::size_t encodedSize = ShortStringSize(Capacity);

    ShortString() = default;
    ShortString(std::string_view s) : text_(s.substr(0, Capacity)) {}
    ShortString(const char* s) : ShortString(std::string_view(s)) {}
    ShortString(const std::string& s) : ShortString(std::string_view(s)) {}

    const std::string& str() const { return text_; }
    operator std::string_view() const { return text_; }
    std::size_t size() const { return text_.size(); }
    bool empty() const { return text_.empty(); }
    const char* c_str() const { return text_.c_str(); }

    void Encode(Bytes b, std::size_t at) const { PutShortString(b, at, Capacity, text_); }
    static ShortString Decode(ConstBytes b, std::size_t at) {
        return ShortString(GetShortString(b, at, Capacity));
    }

    friend bool operator==(const ShortString& a, const ShortString& b) = default;
    // Any other text: the template takes it as it stands, so no conversion
    // competes with the comparison above.
    template <OtherText<ShortString> Text>
    friend bool operator==(const ShortString& a, const Text& b) {
        return a.text_ == std::string_view(b);
    }

private:
    std::string text_;
};

}  // namespace orv
