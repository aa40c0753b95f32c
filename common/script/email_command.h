// The "<EMAIL:" command as the editor writes it and the player reads it:
// receipt, recipients, subject and text, attachments, each variable part
// ended by the byte 0x01. The language has no escape, so the token is measured
// by this structure and never by its ">".
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// Ends each variable-length part of the command.
constexpr char EmailFieldEnd = '\x01';
// Ends each item of a recipient or attachment list.
constexpr char EmailItemEnd = ';';

namespace EmailMode {
constexpr std::uint32_t ChosenNow = 1;  // recipients
constexpr std::uint32_t Asked = 2;      // recipients, text
constexpr std::uint32_t FixedText = 1;
constexpr std::uint32_t ClipboardText = 3;
constexpr std::uint32_t FileText = 4;
constexpr std::uint32_t NoAttachments = 1;
constexpr std::uint32_t AttachmentsChosen = 2;
constexpr std::uint32_t AttachmentsAsked = 3;
}  // namespace EmailMode

struct EmailCommand {
    bool ReturnReceipt = false;
    std::uint32_t RecipientMode = EmailMode::ChosenNow;
    // Items of the three lists, each a recipient line: name "|" address.
    std::vector<std::string> To, CC, Blind;
    std::uint32_t TextMode = EmailMode::FixedText;
    std::string Body;      // fixed text
    std::string FileName;  // text from a file
    std::string Subject;   // every text mode but the asked one
    std::uint32_t AttachMode = EmailMode::NoAttachments;
    std::vector<std::string> Attachments;  // full paths
    bool operator==(const EmailCommand&) const = default;
};

struct EmailCommandParse {
    EmailCommand Command;  // what was read, also of an incomplete token
    // Bytes of the token from "<EMAIL:" to its ">"; 0 when the text ends
    // before the structure does or a part's code is unknown.
    std::size_t Length = 0;
    bool Complete() const { return Length != 0; }
};

// Reads the token at the start of text (which begins with "<EMAIL:"), never
// beyond the end of text. Any recipient code but "R1" asks at run time.
EmailCommandParse ParseEmailCommand(std::string_view text);

// The token of the command; lists that are empty are left out. Items and
// texts must hold neither the field end nor, in items, the item end.
std::string ComposeEmailCommand(const EmailCommand& command);

// One list as the command holds it: each item ended by ";", the whole by
// 0x01.
std::string EmailListText(const std::vector<std::string>& items);

// The items of one list: split at ";", empty items left out.
std::vector<std::string> SplitListItems(std::string_view list);

// A recipient line split at its first "|"; a line without one is an address.
struct RecipientEntry {
    std::string Name;
    std::string Address;
    bool operator==(const RecipientEntry&) const = default;
};
RecipientEntry SplitRecipientLine(std::string_view line);

// True when text holds ";" or 0x01, either of which would end an item or a
// list of the command.
bool HasListBreak(std::string_view text);

// Why an address is not one plain address a server and a reader take alike
// (local part, "@", domain; at most 254 characters; no blanks, commas,
// parentheses, colons, quotes, angle brackets, controls or 8-bit bytes), empty
// when it is. Group and comment syntax would show readers addresses the
// envelope never names.
std::string MailAddressFault(std::string_view address);

// Why a recipient line cannot be written, empty when it can: a "|" in the
// name would move the split, a ";" or 0x01 would end the item or the list.
std::string RecipientLineFault(std::string_view name, std::string_view address);

// Why a typed recipient (name and address trimmed of blanks) cannot be sent
// to: the line's faults, then those of the address unless it is empty.
std::string TypedRecipientFault(std::string_view name, std::string_view address);

// Why a chosen file cannot be attached, empty when it can.
std::string AttachmentFault(std::string_view path);

}  // namespace orv
