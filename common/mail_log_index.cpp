#include "common/mail_log_index.h"

namespace orv {

MailLogIndexRecord::Image MailLogIndexRecord::Encode() const {
    Image image{};
    ToName.Encode(image, ToNameAt);
    ToAddress.Encode(image, ToAddressAt);
    PutF64(image, WhenAt, When);
    Subject.Encode(image, SubjectAt);
    PutI32(image, OffsetAt, Offset);
    PutI32(image, LengthAt, Length);
    image[HasAttachmentsAt] = HasAttachments;
    image[HasCCAt] = HasCC;
    image[HasBCCAt] = HasBCC;
    return image;
}

MailLogIndexRecord MailLogIndexRecord::Decode(ConstBytes in) {
    MailLogIndexRecord r;
    r.ToName = ShortString<50>::Decode(in, ToNameAt);
    r.ToAddress = ShortString<50>::Decode(in, ToAddressAt);
    r.When = GetF64(in, WhenAt);
    r.Subject = ShortString<50>::Decode(in, SubjectAt);
    r.Offset = GetI32(in, OffsetAt);
    r.Length = GetI32(in, LengthAt);
    r.HasAttachments = in[HasAttachmentsAt];
    r.HasCC = in[HasCCAt];
    r.HasBCC = in[HasBCCAt];
    return r;
}

std::vector<MailLogIndexRecord> DecodeMailLogIndex(std::string_view bytes) {
    std::vector<MailLogIndexRecord> records;
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    for (std::size_t at = 0; bytes.size() - at >= MailLogIndexRecord::Size;
         at += MailLogIndexRecord::Size) {
        records.push_back(
            MailLogIndexRecord::Decode(ConstBytes(data + at, MailLogIndexRecord::Size)));
    }
    return records;
}

std::string MailLogIndexPath(std::string_view logPath) {
    if (logPath.size() >= 4 && logPath[logPath.size() - 4] == '.')
        return std::string(logPath.substr(0, logPath.size() - 3)) + "MCI";
    return std::string(logPath) + ".MCI";
}

}  // namespace orv
