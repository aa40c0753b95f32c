#include "editor/commands/mail_log_view.h"

#include <algorithm>
#include <cmath>

#include "common/files.h"

namespace orv::editor {
namespace {

// The days of 1 January 1601 and 1 January 10000: the dates the system formats.
constexpr double FirstShownDay = -109205;
constexpr double EndShownDay = 2958466;

std::optional<DateTime> ShownTime(DateTime when) {
    if (!std::isfinite(when) || when < FirstShownDay || when >= EndShownDay)
        return std::nullopt;
    return when;
}

MailLogRow RowOf(const MailLogIndexRecord& r) {
    auto flag = [](std::uint8_t b) { return b ? 'Y' : 'N'; };
    return {r.ToName.str(),
            r.ToAddress.str(),
            r.Subject.str(),
            ShownTime(r.When),
            r.Offset,
            r.Length,
            {flag(r.HasAttachments), flag(r.HasCC), flag(r.HasBCC)}};
}

}  // namespace

MailLogView MailLogView::Load(const std::string& logPath) {
    MailLogView view;
    std::optional<std::string> index = ReadWholeFile(MailLogIndexPath(logPath));
    for (const MailLogIndexRecord& r : DecodeMailLogIndex(index.value_or("")))
        view.Rows.push_back(RowOf(r));
    view.NoRecords = view.Rows.empty();
    if (view.NoRecords)
        view.Rows.emplace_back();
    return view;
}

std::string MailLogCellText(const MailLogRow& row, int col, const std::string& whenText) {
    switch (col) {
        case 0:
            return row.Name;
        case 1:
            return whenText;
        case 2:
            return row.Subject;
        case 3:
        case 4:
        case 5:
            return row.Flags[static_cast<std::size_t>(col - 3)] == 'Y' ? "x" : "";
        default:
            return "";
    }
}

std::string MailLogTitle(int col) {
    static const char* const titles[] = {"Who", "When", "Subject", "Att", "cc", "bcc"};
    return col >= 0 && col < 6 ? titles[col] : "";
}

LoggedMessage ReadLoggedMessage(const std::string& logPath, std::int32_t offset,
                                std::int32_t length) {
    FilePtr file = OpenFile(logPath, "rb");
    if (!file)
        return {"", LogOpenFailedMessage};
    long long size = FileSize(file.get());
    if (size < 0 || offset < 0 || offset > size || length < 0)
        return {"", LogTruncatedMessage};
    std::string text(static_cast<std::size_t>(std::min<long long>(length, size - offset)), '\0');
    if (std::fseek(file.get(), offset, SEEK_SET) != 0)
        return {"", LogTruncatedMessage};
    text.resize(std::fread(text.data(), 1, text.size(), file.get()));
    return {text, ""};
}

}  // namespace orv::editor
