#include "mail/mail_log.h"

#include <limits>
#include <optional>

#include "common/files.h"

namespace orv::player {
namespace {

constexpr std::string_view lineEnd = "\r\n";

std::string Mailbox(const TmsMailAddress& a) {
    return a.Name.str() + " <" + a.Address.str() + ">";
}

// The label and the first item on one line, every further item on its own
// line after indent blanks; the label alone when there is none.
template <typename Items, typename Text>
std::string LabelledLines(std::string_view label, std::size_t indent, const Items& items,
                          Text text) {
    std::string out(label);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            out += std::string(lineEnd) + std::string(indent, ' ');
        out += text(items[i]);
    }
    return out + std::string(lineEnd);
}

std::string AddressLines(std::string_view label, std::size_t indent, const TmsAddressList& list) {
    return LabelledLines(label, indent, list.All(), Mailbox);
}

// The log's size before the entry, once the whole entry is appended.
std::optional<std::int32_t> AppendEntry(const std::string& logPath, std::string_view entry) {
    FilePtr log = OpenFile(logPath, "ab");
    if (!log)
        return std::nullopt;
    long long offset = FileSize(log.get());
    // Offset and length are 32-bit fields: an entry they cannot point at is
    // not written at all.
    if (offset < 0 ||
        offset + static_cast<long long>(entry.size()) > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    if (std::fwrite(entry.data(), 1, entry.size(), log.get()) != entry.size() ||
        std::fflush(log.get()) != 0)
        return std::nullopt;
    return static_cast<std::int32_t>(offset);
}

void AppendIndexRecord(const std::string& indexPath, const MailLogIndexRecord& record) {
    FilePtr index = OpenFile(indexPath, "r+b");
    if (!index)
        index = OpenFile(indexPath, "w+b");
    if (!index)
        return;
    long long size = FileSize(index.get());
    if (size < 0)
        return;
    long long at = size / MailLogIndexRecord::Size * MailLogIndexRecord::Size;
    MailLogIndexRecord::Image image = record.Encode();
    if (std::fseek(index.get(), static_cast<long>(at), SEEK_SET) == 0)
        std::fwrite(image.data(), 1, image.size(), index.get());
}

}  // namespace

std::string MailLogEntry(const TmsMessage& m) {
    std::string out = "From: " + Mailbox(m.Sender) + std::string(lineEnd);
    out += AddressLines("To: ", 4, m.Recipients);
    out += AddressLines("cc: ", 4, m.CC);
    out += AddressLines("blind cc: ", 10, m.BCC);
    out += LabelledLines("Attachments: ", 13, m.Attachments.All(),
                         [](const TmsAttItem& a) { return a.FileName.str(); });
    out += "Subject: " + m.Subject.str() + std::string(lineEnd);
    // An empty body still ends its line, so the next entry starts on its own.
    return out + LabelledLines("Body: ", 0, m.Body, [](const std::string& l) { return l; });
}

MailLogIndexRecord MailLogIndexFor(const TmsMessage& m, DateTime when, std::int32_t offset,
                                   std::int32_t length) {
    MailLogIndexRecord r;
    if (m.Recipients.Count() > 0) {
        r.ToName = m.Recipients.Items(0).Name.str();
        r.ToAddress = m.Recipients.Items(0).Address.str();
    }
    r.When = when;
    r.Subject = m.Subject.str();
    r.Offset = offset;
    r.Length = length;
    r.HasAttachments = m.Attachments.Count() > 0;
    r.HasCC = m.CC.Count() > 0;
    r.HasBCC = m.BCC.Count() > 0;
    return r;
}

void WriteMailLog(const TmsMessage& message, const std::string& logPath, DateTime when) {
    std::string entry = MailLogEntry(message);
    std::optional<std::int32_t> offset = AppendEntry(logPath, entry);
    if (!offset)
        return;
    AppendIndexRecord(
        MailLogIndexPath(logPath),
        MailLogIndexFor(message, when, *offset, static_cast<std::int32_t>(entry.size())));
}

}  // namespace orv::player
