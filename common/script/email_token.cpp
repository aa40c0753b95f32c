#include "common/script/email_token.h"

namespace orv {

namespace {

class EmailReader {
  public:
    EmailReader(std::string_view text, std::size_t at) : text_(text), at_(at) {}

    bool Skip(std::size_t count) {
        if (text_.size() - at_ < count)
            return false;
        at_ += count;
        return true;
    }
    // The two-letter code at the reading position, taken when it is this one.
    bool Code(std::string_view code) {
        if (text_.substr(at_, code.size()) != code)
            return false;
        at_ += code.size();
        return true;
    }
    // One text field, up to and including its end byte.
    bool Field() {
        const std::size_t end = text_.find(EmailFieldEnd, at_);
        if (end == std::string_view::npos)
            return false;
        at_ = end + 1;
        return true;
    }
    std::size_t At() const { return at_; }

  private:
    std::string_view text_;
    std::size_t at_;
};

}  // namespace

std::optional<std::size_t> MeasureEmailToken(std::string_view text, std::size_t pos) {
    constexpr std::string_view Head = "<EMAIL:";
    if (pos > text.size() || text.substr(pos, Head.size()) != Head)
        return std::nullopt;
    EmailReader r(text, pos + Head.size());
    // The receipt flag, then the recipients' code.
    if (!r.Skip(2))
        return std::nullopt;
    const bool lists = r.Code("R1");
    if (!lists && !r.Skip(2))
        return std::nullopt;
    if (lists) {
        for (std::string_view list : {"TO", "CC", "BL"})
            if (r.Code(list) && !r.Field())
                return std::nullopt;
    }
    bool body = false;
    if (r.Code("S1") || r.Code("S4"))
        body = r.Field() && r.Field();
    else if (r.Code("S2"))
        body = true;
    else if (r.Code("S3"))
        body = r.Field();
    if (!body)
        return std::nullopt;
    bool attachments = false;
    if (r.Code("A1") || r.Code("A3"))
        attachments = true;
    else if (r.Code("A2"))
        attachments = r.Field();
    // The closing character.
    if (!attachments || !r.Skip(1))
        return std::nullopt;
    return r.At() - pos;
}

}  // namespace orv
