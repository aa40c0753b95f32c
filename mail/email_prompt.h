// What the run-time e-mail prompt computes: the recipients it offers, the
// checks of what the user typed, and its answers as the e-mail command reads
// them. The prompt's form only copies values in and out.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/script/email_command.h"
#include "mail/mail_command.h"

namespace orv::player {

// A recipient file's lines are read up to this many characters.
constexpr std::size_t RecipientLineLimit = 255;

// The lines of the recipient file the prompt offers, in file order. A line
// holding ";" or 0x01 would break the answer apart and is not offered; no
// file offers nothing. A line longer than RecipientLineLimit is not offered
// either, as cut it could name another address; the prompt says so.
struct OfferedRecipients {
    std::vector<std::string> Lines;
    bool LongLinesLeftOut = false;
};
OfferedRecipients OfferedRecipientLines(const std::optional<std::string>& fileText);
inline constexpr char LongRecipientLinesText[] =
    "Lines of the recipient list longer than 255 characters are not offered.";

// One recipient list of the answer: the typed recipient (blanks trimmed) when
// it has an address, then each selected line, each ended by ";", the whole
// ended by 0x01.
std::string RecipientAnswer(std::string_view typedName, std::string_view typedAddress,
                            const std::vector<std::string>& selectedLines);

// The message mode's answers: the memo's text, the trimmed subject or
// "No Subject", "YES" or "NO" for the receipt.
EmailPromptAnswers MessageAnswers(std::string_view memo, std::string_view subject, bool receipt);

// The attachment mode's answers: every path ended by ";", the whole by 0x01.
EmailPromptAnswers AttachmentAnswers(const std::vector<std::string>& paths);

// The entry selected after the one at removed was deleted from a list that
// now holds count entries: the one now there, else the last; -1 for none.
int SelectionAfterDelete(int removed, int count);

}  // namespace orv::player
