#include "common/script/email_command.h"

#include <optional>

namespace orv {
namespace {

constexpr std::string_view head = "<EMAIL:";

// Reads the parts from the front of the text; every read fails rather than
// run past the end.
class EmailReader {
  public:
    explicit EmailReader(std::string_view text) : rest_(text) {}

    std::optional<std::string_view> Code() {
        if (rest_.size() < 2)
            return std::nullopt;
        std::string_view code = rest_.substr(0, 2);
        rest_.remove_prefix(2);
        return code;
    }
    // True and the code taken when the text goes on with it.
    bool Take(std::string_view code) {
        if (!rest_.starts_with(code))
            return false;
        rest_.remove_prefix(code.size());
        return true;
    }
    // The text up to the next field end, which is taken along.
    std::optional<std::string> Field() {
        std::size_t end = rest_.find(EmailFieldEnd);
        if (end == std::string_view::npos)
            return std::nullopt;
        std::string field(rest_.substr(0, end));
        rest_.remove_prefix(end + 1);
        return field;
    }
    std::size_t Left() const { return rest_.size(); }

  private:
    std::string_view rest_;
};

bool ReadList(EmailReader& in, std::vector<std::string>& items) {
    std::optional<std::string> list = in.Field();
    if (list)
        items = SplitListItems(*list);
    return list.has_value();
}

bool ReadRecipients(EmailReader& in, EmailCommand& c) {
    std::optional<std::string_view> code = in.Code();
    if (!code)
        return false;
    if (*code != "R1") {
        c.RecipientMode = EmailMode::Asked;
        return true;
    }
    c.RecipientMode = EmailMode::ChosenNow;
    for (auto [tag, list] : {std::pair{"TO", &c.To}, {"CC", &c.CC}, {"BL", &c.Blind}}) {
        if (in.Take(tag) && !ReadList(in, *list))
            return false;
    }
    return true;
}

bool ReadText(EmailReader& in, EmailCommand& c) {
    std::optional<std::string_view> code = in.Code();
    if (!code || (*code)[0] != 'S' || (*code)[1] < '1' || (*code)[1] > '4')
        return false;
    c.TextMode = static_cast<std::uint32_t>((*code)[1] - '0');
    std::optional<std::string> field;
    switch (c.TextMode) {
        case EmailMode::Asked:
            return true;
        case EmailMode::FixedText:
            if (!(field = in.Field()))
                return false;
            c.Body = *field;
            break;
        case EmailMode::FileText:
            if (!(field = in.Field()))
                return false;
            c.FileName = *field;
            break;
    }
    if (!(field = in.Field()))
        return false;
    c.Subject = *field;
    return true;
}

bool ReadAttachments(EmailReader& in, EmailCommand& c) {
    std::optional<std::string_view> code = in.Code();
    if (!code || (*code)[0] != 'A' || (*code)[1] < '1' || (*code)[1] > '3')
        return false;
    c.AttachMode = static_cast<std::uint32_t>((*code)[1] - '0');
    return c.AttachMode != EmailMode::AttachmentsChosen || ReadList(in, c.Attachments);
}

void AppendList(std::string& out, std::string_view tag, const std::vector<std::string>& items) {
    out += tag;
    out += EmailListText(items);
}

void AppendField(std::string& out, std::string_view field) {
    out += field;
    out += EmailFieldEnd;
}

}  // namespace

EmailCommandParse ParseEmailCommand(std::string_view text) {
    EmailCommandParse result;
    EmailReader in(text);
    if (!in.Take(head))
        return result;
    std::optional<std::string_view> receipt = in.Code();
    if (!receipt)
        return result;
    result.Command.ReturnReceipt = *receipt == "RY";
    if (ReadRecipients(in, result.Command) && ReadText(in, result.Command) &&
        ReadAttachments(in, result.Command) && in.Take(">")) {
        result.Length = text.size() - in.Left();
    }
    return result;
}

std::string ComposeEmailCommand(const EmailCommand& c) {
    std::string out(head);
    out += c.ReturnReceipt ? "RY" : "RN";
    if (c.RecipientMode == EmailMode::Asked) {
        out += "R2";
    } else {
        out += "R1";
        for (auto [tag, list] : {std::pair{"TO", &c.To}, {"CC", &c.CC}, {"BL", &c.Blind}}) {
            if (!list->empty())
                AppendList(out, tag, *list);
        }
    }
    out += "S" + std::to_string(c.TextMode);
    if (c.TextMode == EmailMode::FixedText)
        AppendField(out, c.Body);
    if (c.TextMode == EmailMode::FileText)
        AppendField(out, c.FileName);
    if (c.TextMode != EmailMode::Asked)
        AppendField(out, c.Subject);
    out += "A" + std::to_string(c.AttachMode);
    if (c.AttachMode == EmailMode::AttachmentsChosen)
        AppendList(out, "", c.Attachments);
    return out + ">";
}

std::string EmailListText(const std::vector<std::string>& items) {
    std::string out;
    for (const std::string& item : items) {
        out += item;
        out += EmailItemEnd;
    }
    return out + EmailFieldEnd;
}

std::vector<std::string> SplitListItems(std::string_view list) {
    std::vector<std::string> items;
    while (!list.empty()) {
        std::size_t end = list.find(EmailItemEnd);
        std::string_view item = list.substr(0, end);
        if (!item.empty())
            items.emplace_back(item);
        list.remove_prefix(end == std::string_view::npos ? list.size() : end + 1);
    }
    return items;
}

RecipientEntry SplitRecipientLine(std::string_view line) {
    std::size_t bar = line.find('|');
    if (bar == std::string_view::npos)
        return {"", std::string(line)};
    return {std::string(line.substr(0, bar)), std::string(line.substr(bar + 1))};
}

bool HasListBreak(std::string_view text) {
    return text.find(EmailItemEnd) != std::string_view::npos ||
           text.find(EmailFieldEnd) != std::string_view::npos;
}

namespace {

constexpr std::size_t npos = std::string_view::npos;

bool IsLetterOrDigit(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// The characters of a dot-atom local part.
bool IsLocalChar(char c) {
    return IsLetterOrDigit(c) || std::string_view("!#$%&'*+-/=?^_`{|}~.").find(c) != npos;
}

bool IsDomainChar(char c) {
    return IsLetterOrDigit(c) || c == '-' || c == '.' || c == '_';
}

bool AllOf(std::string_view text, bool (*accept)(char)) {
    for (char c : text) {
        if (!accept(c))
            return false;
    }
    return true;
}

// Dots neither lead, trail nor double: each would make a reader split or
// refuse the address.
bool DotsSeparate(std::string_view text) {
    return !text.starts_with('.') && !text.ends_with('.') &&
           text.find("..") == std::string_view::npos;
}

std::string Shown(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        auto b = static_cast<unsigned char>(c);
        if (b < 32 || b == 127)
            c = ' ';
    }
    return out;
}

}  // namespace

std::string MailAddressFault(std::string_view address) {
    // The longest path a server must take is 256 characters with its angle
    // brackets; a longer address would also be cut where it is stored.
    constexpr std::size_t longest = 254;
    std::size_t at = address.find('@');
    std::string_view local = address.substr(0, at);
    std::string_view domain = at == npos ? "" : address.substr(at + 1);
    if (at != npos && address.size() <= longest && !local.empty() && !domain.empty() &&
        AllOf(local, IsLocalChar) && AllOf(domain, IsDomainChar) && DotsSeparate(local) &&
        DotsSeparate(domain)) {
        return "";
    }
    return "The e-mail address \"" + Shown(address) +
           "\" is not one plain address (name@domain, at most 254 characters, without blanks, "
           "commas, parentheses, colons, quotes or accented letters)";
}

std::string RecipientLineFault(std::string_view name, std::string_view address) {
    if (name.find('|') != std::string_view::npos)
        return "A recipient's name cannot hold \"|\": it separates the name from the address.";
    if (HasListBreak(name) || HasListBreak(address))
        return "A recipient's name and address cannot hold \";\": it separates recipients.";
    return "";
}

std::string TypedRecipientFault(std::string_view name, std::string_view address) {
    if (std::string fault = RecipientLineFault(name, address); !fault.empty())
        return fault;
    // An empty address names nobody and is left out.
    if (std::string fault = address.empty() ? "" : MailAddressFault(address); !fault.empty())
        return fault + ".";
    return "";
}

std::string AttachmentFault(std::string_view path) {
    if (HasListBreak(path))
        return "A file whose name holds \";\" cannot be attached: it separates attachments.";
    return "";
}

}  // namespace orv
