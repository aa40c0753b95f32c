// The text cipher of the encrypted-text command: a short string becomes
// upper-case hexadecimal pairs (a random seed pair first) and back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orv {

enum class TActionType { atEncryption, atDecryption };

// The fixed key of the encrypted-text command, for the editor that writes it
// and the player that types it.
constexpr std::string_view EncryptedTextKey = "DRUNBOLTqiv";

// Encrypts with the given seed (0..255). Character 0 cannot be represented in
// the cipher text; the script texts this serves never hold one.
std::string EncryptText(std::string_view text, std::string_view key, std::uint8_t seed);

// Decrypts cipher text; text that is not hexadecimal gives no value. A text of
// two characters or fewer (a seed and nothing after it) decrypts to "".
std::optional<std::string> DecryptText(std::string_view cipherText, std::string_view key);

// Encrypts with a seed from the clock, or decrypts; a malformed cipher text
// gives no value. The result is cut to 255 characters.
std::optional<std::string> CryptText(std::string_view text, std::string_view key, bool encrypt);

class TVardoEncryption {
  public:
    std::string Input;
    std::string Output;
    std::string Key;
    TActionType Action = TActionType::atEncryption;

    // Output := the cipher of Input; false, with an empty Output, when Input
    // was to be decrypted but is not cipher text.
    bool Execute();
};

}  // namespace orv
