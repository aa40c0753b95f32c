#include "editor/commands/encryption.h"

#include "common/cipher.h"

namespace orv::editor {

std::string EncryptIt(std::string_view text) {
    return CryptText(text, EncryptedTextKey, true).value_or("");
}

std::string DecryptIt(std::string_view text) {
    return CryptText(text, EncryptedTextKey, false).value_or("");
}

}  // namespace orv::editor
