// What the e-mail dialogs compute: the "<EMAIL:" command from the choices of
// TDoTheEmail and those choices back from a command (against the recipient
// list the dialog shows), the checks of one recipient (TDoAnAddress), and the
// SMTP port of the e-mail options.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/script/email_command.h"
#include "editor/commands/command_dialogs.h"

namespace orv::editor {

// The controls a refusal puts the focus on; the page of each is PageOf.
enum class EmailField {
    ToPerson,
    ToAddress,
    ToList,
    ccPerson,
    ccAddress,
    ccList,
    BlindPerson,
    BlindAddress,
    BlindList,
    MyMemo,
    FileName,
    Subject,
    AttachBox
};
enum class EmailPage { Recipients, Text, Attachments };
EmailPage PageOf(EmailField field);

// One of the sections To, CC and Blind CC: the typed recipient and the rows
// of the recipient list selected in its list box.
struct EmailSection {
    std::string Person;
    std::string Address;
    std::vector<int> SelectedRows;  // ascending
    bool operator==(const EmailSection&) const = default;
};
constexpr std::size_t EmailSectionCount = 3;

struct EmailInput {
    bool Request = false;
    std::uint32_t RecipientMode = EmailMode::ChosenNow;
    std::array<EmailSection, EmailSectionCount> Sections;
    std::uint32_t TextMode = EmailMode::FixedText;
    std::string Memo;
    std::string FileName;
    std::string Subject;
    std::uint32_t AttachMode = EmailMode::NoAttachments;
    std::vector<std::string> Attachments;
    bool operator==(const EmailInput&) const = default;
};

struct EmailValues {
    std::int32_t RecipientMode = 1;
    std::int32_t TextMode = 1;
    std::int32_t AttachMode = 1;
};
using EmailOutcome = CommandOutcome<EmailField, EmailValues>;

// The command OK writes. Only the parts the modes use are checked: a ">"
// would end the token for the script reader, a 0x01 would break its parts, a
// ";" would split an item, a "|" would move a typed name's split; and the
// whole must fit a macro's script.
EmailOutcome ComposeEmail(const EmailInput& input, const std::vector<std::string>& recipientLines);

// The choices a command shows. Each recipient item selects the first row of
// the list with exactly its text; the first item without a row goes into the
// section's edits, later ones are named in Dropped.
struct DecodedEmail {
    EmailInput Input;
    std::vector<std::string> Dropped;
};
DecodedEmail DecodeEmail(std::string_view commandText,
                         const std::vector<std::string>& recipientLines);

// The notice naming the recipients a command held that the dialog cannot show.
std::string DroppedRecipientsNotice(const std::vector<std::string>& dropped);

// One recipient of the list (TDoAnAddress): name and address trimmed.
enum class RecipientField { Name, Address };
struct RecipientCheck {
    std::string Line;  // name "|" address
    std::optional<Refusal<RecipientField>> Refused;
    bool AskAboutAt = false;  // the address holds no "@"
};
RecipientCheck CheckRecipient(std::string_view name, std::string_view address);

// The SMTP port typed in the e-mail options: a whole number 1..65535, in a
// box of as many digits.
constexpr int SmtpPortDigits = 5;
constexpr std::string_view InvalidPortMessage =
    "Invalid port specified.  Normal port number for e-mail is 25.";
std::optional<std::int32_t> ParseSmtpPort(std::string_view text);

}  // namespace orv::editor
