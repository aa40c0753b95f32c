// The sent-mail log: every logged message appended to the log as a run of
// lines, and a record pointing at that run appended to the index beside it.
#pragma once

#include <string>

#include "common/date_time.h"
#include "common/mail_log_index.h"
#include "mail/message.h"

namespace orv::player {

// The lines of one message's entry, each ended by CR LF: From, To, cc,
// blind cc, Attachments, Subject, Body.
std::string MailLogEntry(const TmsMessage& message);

// The index record of an entry written at offset with length bytes.
MailLogIndexRecord MailLogIndexFor(const TmsMessage& message, DateTime when, std::int32_t offset,
                                   std::int32_t length);

// Appends the entry to the log at logPath and its record to the index. A log
// or index that can be neither opened nor created is skipped silently; a
// torn record at the end of the index is overwritten, so every record stays
// where the viewer looks for it.
void WriteMailLog(const TmsMessage& message, const std::string& logPath, DateTime when);

}  // namespace orv::player
