// The cipher of the encrypted-text command, with its fixed key: the editor
// enciphers what the user types, and deciphers a line that is edited again.
#pragma once

#include <string>
#include <string_view>

namespace orv::editor {

// The cipher text of the text, a random seed first; an empty text gives the
// seed alone.
std::string EncryptIt(std::string_view text);

// The plain text of a cipher text; a text that is no cipher gives "".
std::string DecryptIt(std::string_view text);

}  // namespace orv::editor
