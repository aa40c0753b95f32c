#include "common/cipher.h"

#include <chrono>
#include <random>

#include "common/string_routines.h"

namespace orv {
namespace {

// An empty key falls back to the default key, of which only the first
// character is ever used.
class KeyStream {
public:
    explicit KeyStream(std::string_view key) : key_(key.empty() ? "Kip Uvo" : key), cycle_(key.size()) {}

    std::uint8_t Next() {
        std::uint8_t k = static_cast<std::uint8_t>(key_[position_]);
        if (cycle_ > 0) position_ = (position_ + 1) % cycle_;
        return k;
    }

private:
    std::string_view key_;
    std::size_t cycle_;
    std::size_t position_ = 0;
};

void AppendHexPair(std::string& out, std::uint8_t v) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    out += Digits[v >> 4];
    out += Digits[v & 15];
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// One or two hex digits (the last pair of an odd-length text has one).
std::optional<std::uint8_t> HexPairAt(std::string_view text, std::size_t at) {
    std::string_view pair = text.substr(at, 2);
    int value = 0;
    for (char c : pair) {
        int d = HexDigit(c);
        if (d < 0) return std::nullopt;
        value = value * 16 + d;
    }
    return static_cast<std::uint8_t>(value);
}

}  // namespace

std::string EncryptText(std::string_view text, std::string_view key, std::uint8_t seed) {
    KeyStream keys(key);
    std::string out;
    AppendHexPair(out, seed);
    int prev = seed;
    for (char ch : text) {
        int c = static_cast<unsigned char>(ch);
        // 255 after a cipher byte of 255 would wrap to 0 and come back as 0;
        // 255 itself is what the decryption turns back into 255.
        int v = (c == 255 && prev == 255) ? 255 : (c + prev) % 255;
        prev = v ^ keys.Next();
        AppendHexPair(out, static_cast<std::uint8_t>(prev));
    }
    return CutShort(out);
}

std::optional<std::string> DecryptText(std::string_view cipherText, std::string_view key) {
    if (cipherText.size() <= 2) return std::string();
    auto seed = HexPairAt(cipherText, 0);
    if (!seed) return std::nullopt;
    KeyStream keys(key);
    int prev = *seed;
    std::string out;
    // Pairs follow the seed while a full pair is left; a text of odd length
    // ends in one digit, which is read as a pair only when it is the first.
    std::size_t at = 2;
    do {
        auto x = HexPairAt(cipherText, at);
        if (!x) return std::nullopt;
        int t = keys.Next() ^ *x;
        out += static_cast<char>(prev >= t ? t + 255 - prev : t - prev);
        prev = *x;
        at += 2;
    } while (cipherText.size() > at + 1);
    return CutShort(out);
}

std::optional<std::string> CryptText(std::string_view text, std::string_view key, bool encrypt) {
    if (!encrypt) return DecryptText(text, key);
    static std::minstd_rand random(
        static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
    return EncryptText(text, key, static_cast<std::uint8_t>(random() % 256));
}

bool TVardoEncryption::Execute() {
    if (Input.empty()) {
        Output.clear();
        return true;
    }
    auto result = CryptText(Input, Key, Action == TActionType::atEncryption);
    Output = result.value_or("");
    return result.has_value();
}

}  // namespace orv
