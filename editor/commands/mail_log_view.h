// What the sent-mail log viewer reads: one row per record of the log's index,
// and the logged text of one message, taken from the log byte for byte. The
// player writes both files; the viewer trusts neither.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/date_time.h"
#include "common/mail_log_index.h"

namespace orv::editor {

constexpr const char* NoLoggedRecordsMessage = "There are no logged e-mail records to review.";
constexpr const char* LogOpenFailedMessage = "Unable to open EMail Log File.";
constexpr const char* LogTruncatedMessage =
    "EMail log file has been truncated.  Entry no longer available.";

struct MailLogRow {
    std::string Name;
    std::string Address;
    std::string Subject;
    // When it was sent; none when the record's time is no date the system
    // can show.
    std::optional<DateTime> When;
    std::int32_t Offset = 0;
    std::int32_t Length = 0;
    std::string Flags = "NNN";  // attachments, CC, blind CC: "Y" or "N"
};

struct MailLogView {
    std::vector<MailLogRow> Rows;  // never empty
    bool NoRecords = true;

    // The rows of the index beside the log; without any, one empty row.
    static MailLogView Load(const std::string& logPath);
};

// The grid's text of a row's column 0..5 (Who, When, Subject, Att, cc, bcc);
// whenText is the row's time as the system shows it.
std::string MailLogCellText(const MailLogRow& row, int col, const std::string& whenText);

// The grid's header texts.
std::string MailLogTitle(int col);

// The logged text of a row, or the message saying why there is none.
struct LoggedMessage {
    std::string Text;
    std::string Error;  // empty when Text is the message
};
LoggedMessage ReadLoggedMessage(const std::string& logPath, std::int32_t offset,
                                std::int32_t length);

}  // namespace orv::editor
