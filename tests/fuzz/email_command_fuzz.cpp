// The e-mail command's reader, the recipient line split and the address check
// on arbitrary bytes: none may crash or read past the end; a complete token is
// measured within the text, and what it reads composes a token that reads the
// same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/script/email_command.h"

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const orv::EmailCommandParse parsed = orv::ParseEmailCommand(bytes);
    if (parsed.Complete()) {
        Check(parsed.Length <= bytes.size() && bytes[parsed.Length - 1] == '>');
        const std::string again = orv::ComposeEmailCommand(parsed.Command);
        const orv::EmailCommandParse reread = orv::ParseEmailCommand(again);
        Check(reread.Length == again.size() && reread.Command == parsed.Command);
    }

    const orv::RecipientEntry entry = orv::SplitRecipientLine(bytes);
    Check(entry.Name.find('|') == std::string::npos);
    Check((entry.Name.empty() && entry.Address == bytes) ||
          entry.Name + "|" + entry.Address == bytes);
    for (const std::string& item : orv::SplitListItems(bytes))
        Check(!item.empty() && item.find(orv::EmailItemEnd) == std::string::npos);

    // An accepted address is one mailbox to every reader: one "@" between two
    // non-empty parts, and nothing that separates, groups or comments.
    if (orv::MailAddressFault(bytes).empty()) {
        const std::size_t at = bytes.find('@');
        Check(at != 0 && at + 1 < bytes.size() && bytes.find('@', at + 1) == std::string::npos);
        for (char c : bytes) {
            const auto b = static_cast<unsigned char>(c);
            Check(b > 32 && b < 127 &&
                  std::string_view(" ,;:()<>\"\\[]").find(c) == std::string::npos);
        }
    }
    return 0;
}
