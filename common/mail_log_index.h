// The index beside the sent-mail log: one 193-byte record per logged message,
// in sending order, saying where its entry lies in the log. The player appends
// records; the editor's log viewer reads them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/bytes.h"
#include "common/date_time.h"
#include "common/short_string.h"

namespace orv {

struct MailLogIndexRecord {
    static constexpr std::size_t Size = 193;
    static constexpr std::size_t ToNameAt = 0, ToAddressAt = 51, WhenAt = 102, SubjectAt = 110,
                                 OffsetAt = 161, LengthAt = 165, HasAttachmentsAt = 169,
                                 HasCCAt = 170, HasBCCAt = 171, ReservedAt = 172;
    static constexpr std::size_t ReservedSize = 21;

    ShortString<50> ToName;     // the first To recipient's name
    ShortString<50> ToAddress;  // and address
    DateTime When = 0;          // when it was sent
    ShortString<50> Subject;
    std::int32_t Offset = 0;  // where its entry begins in the log
    std::int32_t Length = 0;  // bytes of the entry
    std::uint8_t HasAttachments = 0;
    std::uint8_t HasCC = 0;
    std::uint8_t HasBCC = 0;

    using Image = std::array<std::uint8_t, Size>;
    // The record's bytes; the reserved ones and those after each text zero.
    Image Encode() const;
    static MailLogIndexRecord Decode(ConstBytes in);
    bool operator==(const MailLogIndexRecord&) const = default;
};

static_assert(MailLogIndexRecord::ToAddressAt ==
              MailLogIndexRecord::ToNameAt + ShortStringSize(50));
static_assert(MailLogIndexRecord::WhenAt == MailLogIndexRecord::ToAddressAt + ShortStringSize(50));
static_assert(MailLogIndexRecord::SubjectAt == MailLogIndexRecord::WhenAt + 8);
static_assert(MailLogIndexRecord::OffsetAt == MailLogIndexRecord::SubjectAt + ShortStringSize(50));
static_assert(MailLogIndexRecord::ReservedAt + MailLogIndexRecord::ReservedSize ==
              MailLogIndexRecord::Size);

// Every whole record of an index file's bytes; a trailing part of a record
// is none.
std::vector<MailLogIndexRecord> DecodeMailLogIndex(std::string_view bytes);

// The index beside the log: a three-character extension becomes "MCI",
// any other name gets ".MCI" appended (MAILLOG.TXT -> MAILLOG.MCI,
// C:\LOGS\SENT -> C:\LOGS\SENT.MCI).
std::string MailLogIndexPath(std::string_view logPath);

}  // namespace orv
