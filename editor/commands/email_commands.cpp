#include "editor/commands/email_commands.h"

#include <algorithm>

#include "common/macro_record.h"
#include "common/string_routines.h"
#include "common/whole_numbers.h"

namespace orv::editor {
namespace {

constexpr EmailField PersonField[] = {EmailField::ToPerson, EmailField::ccPerson,
                                      EmailField::BlindPerson};
constexpr EmailField AddressField[] = {EmailField::ToAddress, EmailField::ccAddress,
                                       EmailField::BlindAddress};
constexpr EmailField ListField[] = {EmailField::ToList, EmailField::ccList, EmailField::BlindList};

// Why a text cannot stand in the command, empty when it can: the script reader
// ends the token at ">", and 0x01 ends its parts.
std::string CommandBreak(std::string_view value, std::string_view what) {
    if (value.find('>') != std::string_view::npos)
        return "The " + std::string(what) +
               " holds the character \">\", which would end the command early.  Please remove it.";
    if (value.find(EmailFieldEnd) != std::string_view::npos)
        return "The " + std::string(what) +
               " holds a control character (code 1), which would break the command apart.  "
               "Please remove it.";
    return "";
}

// The same for an item of a list, which also ends at ";".
std::string ItemBreak(std::string_view value, std::string_view what) {
    std::string fault = CommandBreak(value, what);
    if (fault.empty() && HasListBreak(value))
        fault = "The " + std::string(what) +
                " holds the character \";\", which separates the items of a list.  Please "
                "remove it.";
    return fault;
}

// The items of one section, or the refusal of the first that cannot be one.
bool TakeSection(const EmailSection& section, std::size_t index,
                 const std::vector<std::string>& lines, EmailOutcome& out,
                 std::vector<std::string>& items) {
    std::string person = EditText(section.Person);
    std::string address = EditText(section.Address);
    if (!address.empty()) {
        if (std::string fault = TypedRecipientFault(person, address); !fault.empty()) {
            bool inName = person.find('|') != std::string::npos || HasListBreak(person);
            out.Refuse(fault, inName ? PersonField[index] : AddressField[index]);
            return false;
        }
        if (std::string fault = CommandBreak(person, "recipient's name"); !fault.empty()) {
            out.Refuse(fault, PersonField[index]);
            return false;
        }
        if (std::string fault = CommandBreak(address, "recipient's address"); !fault.empty()) {
            out.Refuse(fault, AddressField[index]);
            return false;
        }
        items.push_back(person + "|" + address);
    }
    for (int row : section.SelectedRows) {
        const std::string& line = lines.at(static_cast<std::size_t>(row));
        if (std::string fault = ItemBreak(line, "recipient \"" + line + "\" of the list");
            !fault.empty()) {
            out.Refuse(fault, ListField[index]);
            return false;
        }
        items.push_back(line);
    }
    return true;
}

bool TakeText(const EmailInput& in, EmailOutcome& out, EmailCommand& c) {
    c.TextMode = in.TextMode;
    if (c.TextMode == EmailMode::FixedText) {
        c.Body = in.Memo;
        if (std::string fault = CommandBreak(c.Body, "text"); !fault.empty()) {
            out.Refuse(fault, EmailField::MyMemo);
            return false;
        }
    }
    if (c.TextMode == EmailMode::FileText) {
        c.FileName = EditText(in.FileName);
        if (std::string fault = CommandBreak(c.FileName, "file name"); !fault.empty()) {
            out.Refuse(fault, EmailField::FileName);
            return false;
        }
    }
    if (c.TextMode != EmailMode::Asked) {
        c.Subject = EditText(in.Subject);
        if (std::string fault = CommandBreak(c.Subject, "subject"); !fault.empty()) {
            out.Refuse(fault, EmailField::Subject);
            return false;
        }
    }
    return true;
}

bool TakeAttachments(const EmailInput& in, EmailOutcome& out, EmailCommand& c) {
    c.AttachMode = in.AttachMode;
    if (c.AttachMode != EmailMode::AttachmentsChosen)
        return true;
    for (const std::string& path : in.Attachments) {
        std::string fault = AttachmentFault(path);
        if (fault.empty())
            fault = CommandBreak(path, "attachment \"" + path + "\"");
        if (!fault.empty()) {
            out.Refuse(fault, EmailField::AttachBox);
            return false;
        }
    }
    c.Attachments = in.Attachments;
    return true;
}

// Where a command too long for a script is most likely made long.
EmailField LongestPart(const EmailCommand& c) {
    if (c.TextMode == EmailMode::FixedText)
        return EmailField::MyMemo;
    if (c.AttachMode == EmailMode::AttachmentsChosen)
        return EmailField::AttachBox;
    return EmailField::Subject;
}

}  // namespace

EmailPage PageOf(EmailField field) {
    if (field >= EmailField::AttachBox)
        return EmailPage::Attachments;
    if (field >= EmailField::MyMemo)
        return EmailPage::Text;
    return EmailPage::Recipients;
}

EmailOutcome ComposeEmail(const EmailInput& in, const std::vector<std::string>& lines) {
    EmailOutcome out;
    out.Raw = {static_cast<std::int32_t>(in.RecipientMode), static_cast<std::int32_t>(in.TextMode),
               static_cast<std::int32_t>(in.AttachMode)};
    EmailCommand c;
    c.ReturnReceipt = in.Request;
    c.RecipientMode = in.RecipientMode;
    if (c.RecipientMode == EmailMode::ChosenNow) {
        std::vector<std::string>* lists[] = {&c.To, &c.CC, &c.Blind};
        for (std::size_t i = 0; i < EmailSectionCount; ++i) {
            if (!TakeSection(in.Sections[i], i, lines, out, *lists[i]))
                return out;
        }
    }
    if (!TakeText(in, out, c) || !TakeAttachments(in, out, c))
        return out;
    EmailRec record{ComposeEmailCommand(c), in.RecipientMode, in.TextMode, in.AttachMode};
    if (record.Token.size() > MaxScriptLength) {
        out.Refuse(
            "The e-mail command is longer than the 5,000 characters a macro's script "
            "holds.  Please shorten it.",
            LongestPart(c));
        return out;
    }
    out.ComposeUnbounded(CommandCode::EMailSend, record, LongestPart(c));
    return out;
}

DecodedEmail DecodeEmail(std::string_view commandText, const std::vector<std::string>& lines) {
    const EmailCommand c = ParseEmailCommand(commandText).Command;
    DecodedEmail d;
    EmailInput& in = d.Input;
    in.Request = c.ReturnReceipt;
    in.RecipientMode = c.RecipientMode;
    const std::vector<std::string>* lists[] = {&c.To, &c.CC, &c.Blind};
    for (std::size_t i = 0; i < EmailSectionCount; ++i) {
        EmailSection& section = in.Sections[i];
        for (const std::string& item : *lists[i]) {
            auto row = std::find(lines.begin(), lines.end(), item);
            if (row != lines.end()) {
                int index = static_cast<int>(row - lines.begin());
                auto at = std::lower_bound(section.SelectedRows.begin(), section.SelectedRows.end(),
                                           index);
                if (at == section.SelectedRows.end() || *at != index)
                    section.SelectedRows.insert(at, index);
            } else if (section.Address.empty()) {
                RecipientEntry entry = SplitRecipientLine(item);
                section.Person = entry.Name;
                section.Address = entry.Address;
            } else {
                d.Dropped.push_back(item);
            }
        }
    }
    in.TextMode = c.TextMode;
    in.Memo = c.Body;
    in.FileName = c.FileName;
    in.Subject = c.Subject;
    in.AttachMode = c.AttachMode;
    in.Attachments = c.Attachments;
    return d;
}

std::string DroppedRecipientsNotice(const std::vector<std::string>& dropped) {
    std::string names;
    for (const std::string& item : dropped) names += (names.empty() ? "\"" : ", \"") + item + "\"";
    return "These recipients of the command are no longer in the recipient list and cannot be "
           "shown: " +
           names + ".  They are left out of the command unless you add them again.";
}

RecipientCheck CheckRecipient(std::string_view name, std::string_view address) {
    RecipientCheck check;
    std::string trimmedName = EditText(name);
    std::string trimmedAddress = EditText(address);
    if (trimmedAddress.empty()) {
        check.Refused = {"No e-mail address specified.  Please correct.", RecipientField::Address};
        return check;
    }
    check.AskAboutAt = trimmedAddress.find('@') == std::string::npos;
    // An address without "@" is asked about rather than refused; any other
    // gets the check the e-mail dialogs make.
    std::string fault = check.AskAboutAt ? RecipientLineFault(trimmedName, trimmedAddress)
                                         : TypedRecipientFault(trimmedName, trimmedAddress);
    if (!fault.empty()) {
        bool inName = trimmedName.find('|') != std::string::npos || HasListBreak(trimmedName);
        check.Refused = {fault, inName ? RecipientField::Name : RecipientField::Address};
        check.AskAboutAt = false;
        return check;
    }
    check.Line = trimmedName + "|" + trimmedAddress;
    return check;
}

std::optional<std::int32_t> ParseSmtpPort(std::string_view text) {
    std::optional<std::int32_t> port = ParseWholeNumber(TrimStr(text));
    if (!port || *port < 1 || *port > 65535)
        return std::nullopt;
    return port;
}

}  // namespace orv::editor
