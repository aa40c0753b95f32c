#include "mail/message.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

#include "common/clock.h"
#include "common/script/email_command.h"
#include "common/string_routines.h"
#include "mail/codings.h"
#include "mail/mail_errors.h"

namespace orv::player {

void TmsAddressList::Add(std::string_view address, std::string_view name) {
    TmsMailAddress entry;
    entry.Address = address;
    entry.Name = name;
    items_.push_back(entry);
}

void TmsAttItem::SetFileName(std::string_view name) {
    FileName = name;
    if (name.empty())
        return;
    ContentType = ContentTypeOfFile(name);
    std::string upper = UpperAscii(ContentType.str());
    if (upper == "TEXT/PLAIN" || upper == "TEXT/RTF" || upper == "TEXT/HTML") {
        Encoding = AttEncoding::QuotedPrintable;
        return;
    }
    // A stored message may hold 8-bit bytes, long lines and bare line ends,
    // which only an encoding keeps; and a message part may not be encoded, so
    // the file travels as plain bytes under its own name.
    if (upper == "MESSAGE/RFC822")
        ContentType = "application/octet-stream";
    Encoding = AttEncoding::Base64;
}

void TmsAttList::AddFile(std::string_view fileName) {
    TmsAttItem item;
    item.SetFileName(fileName);
    std::ifstream in(std::string(fileName), std::ios::binary);
    if (!in)
        throw std::runtime_error("Cannot open file \"" + std::string(fileName) + "\"");
    item.Data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad())
        throw std::runtime_error("Cannot read file \"" + std::string(fileName) + "\"");
    items_.push_back(std::move(item));
}

bool TmsHeaders::Remove(std::string_view name) {
    std::string prefix = UpperAscii(name);
    if (prefix.empty() || prefix.back() != ':')
        prefix += ':';
    for (auto it = lines_.begin(); it != lines_.end(); ++it) {
        if (UpperAscii(*it).starts_with(prefix)) {
            auto end = std::next(it);
            while (end != lines_.end() && !end->empty() &&
                   (end->front() == ' ' || end->front() == '\t')) {
                ++end;
            }
            lines_.erase(it, end);
            return true;
        }
    }
    return false;
}

namespace {

class NoContentTypes final : public ContentTypeSource {
  public:
    std::string ContentTypeOf(std::string_view) const override { return ""; }
};

const ContentTypeSource* installedTypes = nullptr;

}  // namespace

const ContentTypeSource& CurrentContentTypes() {
    static NoContentTypes none;
    return installedTypes ? *installedTypes : none;
}

void SetCurrentContentTypes(const ContentTypeSource* source) {
    installedTypes = source;
}

std::string FileNamePart(std::string_view fileName) {
    std::size_t slash = fileName.find_last_of("\\/:");
    return std::string(slash == std::string_view::npos ? fileName : fileName.substr(slash + 1));
}

namespace {

// A token of a media type: no blank, control, 8-bit byte or separator.
bool IsTypeToken(std::string_view s) {
    for (char c : s) {
        auto b = static_cast<std::uint8_t>(c);
        if (b <= 32 || b >= 127 ||
            std::string_view("()<>@,;:\\\"/[]?=").find(c) != std::string_view::npos)
            return false;
    }
    return !s.empty();
}

}  // namespace

std::string CheckedContentType(std::string_view type) {
    std::size_t semicolon = type.find(';');
    std::string_view media = type.substr(0, semicolon);
    std::size_t slash = media.find('/');
    std::string_view parameters = semicolon == std::string_view::npos ? "" : type.substr(semicolon);
    bool sound = slash != std::string_view::npos && IsTypeToken(media.substr(0, slash)) &&
                 IsTypeToken(media.substr(slash + 1)) &&
                 !UpperAscii(media).starts_with("MULTIPART/");
    for (char c : parameters) {
        auto b = static_cast<std::uint8_t>(c);
        sound = sound && b >= 32 && b < 127;
    }
    return sound ? std::string(type) : "application/octet-stream";
}

std::string ContentTypeOfFile(std::string_view fileName) {
    std::string name = FileNamePart(fileName);
    std::size_t dot = name.rfind('.');
    std::string type =
        dot == std::string::npos ? "" : CurrentContentTypes().ContentTypeOf(name.substr(dot));
    return CheckedContentType(TrimStr(type));
}

MessageStamp CurrentMessageStamp() {
    MessageStamp stamp;
    stamp.Now = CurrentClock().Now();
    stamp.ZoneMinutes = LocalUtcOffsetMinutes();
    static std::mt19937_64 random{
        std::random_device{}() ^
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())};
    static unsigned counter = 0;
    char token[40];
    std::snprintf(token, sizeof token, "%016llX.%u", static_cast<unsigned long long>(random()),
                  ++counter);
    stamp.UniqueToken = token;
    return stamp;
}

namespace {

bool IsAtext(char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
        return true;
    return std::string_view("!#$%&'*+-/=?^_`{|}~").find(c) != std::string_view::npos;
}

// Words of atext joined by blanks need no quotes in a header.
bool IsPlainPhrase(std::string_view name) {
    for (char c : name) {
        if (!IsAtext(c) && c != ' ')
            return false;
    }
    return true;
}

// ESC belongs to ISO-2022-JP text only; any other character set has no use
// for it, and terminals act on it.
bool IsControl(char c, bool escapeIsText) {
    auto b = static_cast<std::uint8_t>(c);
    return (b < 32 && b != '\t' && !(b == 27 && escapeIsText)) || b == 127;
}

bool HasControl(std::string_view text, bool escapeIsText) {
    for (char c : text) {
        if (IsControl(c, escapeIsText))
            return true;
    }
    return false;
}

std::string CharSetName(TCharSet set) {
    switch (set) {
        case TCharSet::csISO8859:
            return CurrentTextCharset().Name;
        case TCharSet::csISO2022jp:
            return "iso-2022-jp";
        default:
            return "us-ascii";
    }
}

const char* EncodingName(std::uint8_t encoding) {
    switch (encoding) {
        case AttEncoding::SevenBit:
            return "7 bit";
        case AttEncoding::QuotedPrintable:
            return "Quoted-Printable";
        default:
            return "Base64";
    }
}

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

std::string LowerNamePart(const TmsAttItem& att) {
    return Lower(FileNamePart(att.FileName));
}

std::string TwoDigits(int n) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", n);
    return buf;
}

std::string DateHeader(const MessageStamp& stamp) {
    static constexpr const char* days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static constexpr const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    DateTimeParts p = DecodeDateTime(stamp.Now);
    int zone = stamp.ZoneMinutes < 0 ? -stamp.ZoneMinutes : stamp.ZoneMinutes;
    return std::string("Date: ") + days[(p.dayOfWeek + 6) % 7] + ", " + TwoDigits(p.day) + " " +
           months[p.month - 1] + " " + std::to_string(p.year) + " " + TwoDigits(p.hour) + ":" +
           TwoDigits(p.minute) + ":" + TwoDigits(p.second) + " " +
           (stamp.ZoneMinutes < 0 ? "-" : "+") + TwoDigits(zone / 60) + TwoDigits(zone % 60);
}

std::string MessageIdHeader(const MessageStamp& stamp, std::string_view sender) {
    DateTimeParts p = DecodeDateTime(stamp.Now);
    std::size_t at = sender.rfind('@');
    std::string domain = at == std::string_view::npos || at + 1 == sender.size()
                             ? "orvane.invalid"
                             : std::string(sender.substr(at + 1));
    return "Message-ID: <" + std::to_string(p.year) + TwoDigits(p.month) + TwoDigits(p.day) +
           TwoDigits(p.hour) + TwoDigits(p.minute) + TwoDigits(p.second) + "." + stamp.UniqueToken +
           "@" + domain + ">";
}

// Header lines are folded to this length where the text allows; no line of
// the message may exceed the longest a server must take.
constexpr std::size_t foldLength = 78;
constexpr std::size_t longestLine = 998;

// The blanks after text where a header line may be cut: not inside a quoted
// string, which some readers take apart when it is folded, and not among the
// trailing blanks and tabs, since a line of white space only ends the header
// block for many.
std::vector<std::size_t> FoldPoints(std::string_view line, std::size_t text) {
    std::vector<std::size_t> points;
    std::size_t last = line.find_last_not_of(" \t");
    bool quoted = false;
    for (std::size_t i = 0; i < last; ++i) {
        char c = line[i];
        if (quoted && c == '\\') {
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ' ' && !quoted && i > text) {
            points.push_back(i);
        }
    }
    return points;
}

// The header line cut before blanks into lines of at most 78 characters where
// there is a blank to cut at; each further line begins with that blank, so a
// reader that unfolds it gets the line back. The blanks after the header's
// name stay on its line: some readers keep them as part of the value.
std::vector<std::string> FoldHeaderLine(std::string_view line) {
    std::vector<std::string> lines;
    std::size_t colon = line.starts_with(' ') ? std::string_view::npos : line.find(':');
    while (line.size() > foldLength) {
        std::size_t from = lines.empty() && colon != std::string_view::npos ? colon + 1 : 0;
        std::size_t text = line.find_first_not_of(" \t", from);
        if (text == std::string_view::npos)
            break;
        // The last point within the length, else the first beyond it.
        std::size_t cut = std::string_view::npos;
        for (std::size_t point : FoldPoints(line, text)) {
            if (point > foldLength && cut != std::string_view::npos)
                break;
            cut = point;
            if (point > foldLength)
                break;
        }
        if (cut == std::string_view::npos)
            break;
        lines.emplace_back(line.substr(0, cut));
        line.remove_prefix(cut);
    }
    lines.emplace_back(line);
    return lines;
}

bool IsAttributeChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           std::string_view("!#$&+-.^_`|~").find(c) != std::string_view::npos;
}

// "; name=" and the value in quotes; a value that a quoted string cannot carry
// as it is (8-bit bytes, controls, quotes, backslashes, "=?") in the charset
// and percent form of RFC 2231.
std::string NameParameter(std::string_view name, std::string_view value) {
    // Readers decode what looks like an encoded word even inside quotes, and
    // would show another name than the file's.
    bool plain = value.find("=?") == std::string_view::npos;
    for (char c : value) {
        auto b = static_cast<std::uint8_t>(c);
        plain = plain && b >= 32 && b < 127 && c != '"' && c != '\\';
    }
    if (plain)
        return "; " + std::string(name) + "=\"" + std::string(value) + "\"";
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out = "; " + std::string(name) + "*=" + CurrentTextCharset().Name + "''";
    for (char c : value) {
        auto b = static_cast<std::uint8_t>(c);
        if (IsAttributeChar(c)) {
            out += c;
        } else {
            out += '%';
            out += hex[b >> 4];
            out += hex[b & 15];
        }
    }
    return out;
}

// The name on a "begin" line without the control bytes that would end or
// garble the line; 8-bit bytes travel in the body's character set.
std::string BeginLineName(std::string_view name) {
    std::string out(name);
    for (char& c : out) {
        auto b = static_cast<std::uint8_t>(c);
        if (b < 32 || b == 127)
            c = '_';
    }
    return out;
}

std::string RandomBoundary(std::mt19937& random) {
    std::uniform_int_distribution<int> digit(0, 8);
    std::string b;
    for (int i = 0; i < 8; ++i) b += static_cast<char>('0' + digit(random));
    return b;
}

// Writes one message; holds what the parts of the writing share.
class Encoder {
  public:
    Encoder(const TmsMessage& m, const TmsMessage::LineWriter& w, const MessageStamp& stamp,
            const std::function<void()>& yield)
        : msg_(m), write_(w), stamp_(stamp), yield_(yield), random_(std::random_device{}()) {
        for (const std::string& line : m.Body) {
            longLines_ = longLines_ || line.size() >= 256;
            overlongLines_ = overlongLines_ || line.size() > longestLine;
            controls_ = controls_ || HasBodyControl(line);
        }
        bodyCharSet_ =
            m.CharSet == TCharSet::csUSASCII && (BodyHasEightBit() || UUNameHasEightBit())
                ? TCharSet::csISO8859
                : m.CharSet;
    }

    void Encode() {
        WriteHeaderBlock();
        if (msg_.Encoding == TMsgEncoding::meUU)
            return WriteUUBody();
        std::string type = msg_.ContentType();
        bool hasAttachments = msg_.Attachments.Count() > 0;
        if (type == "multipart/mixed") {
            WriteMultipart(false);
        } else if (type == "multipart/alternative") {
            WriteMultipart(true);
        } else if (hasAttachments) {
            WriteSinglePart();
        } else if (type == "text/html" || type == "text/rtf") {
            WriteFormattedBody(type);
        } else {
            WritePlainBody();
        }
    }

  private:
    void Line(std::string_view s) { write_(s); }
    void Header(std::string_view s) {
        for (const std::string& line : FoldHeaderLine(s)) Line(line);
    }

    // Bytes a 7-bit body must not carry as they are (ISO-2022-JP text has
    // its escapes).
    bool HasBodyControl(std::string_view line) const {
        for (char c : line) {
            auto b = static_cast<std::uint8_t>(c);
            bool escape = b == 27 && msg_.CharSet == TCharSet::csISO2022jp;
            if ((b < 32 && b != '\t' && !escape) || b == 127)
                return true;
        }
        return false;
    }

    bool BodyHasEightBit() const {
        for (const std::string& line : msg_.Body) {
            if (HasEightBit(line))
                return true;
        }
        return false;
    }

    // An 8-bit name on a "begin" line needs the character set declared.
    bool UUNameHasEightBit() const {
        for (const TmsAttItem& att : msg_.Attachments.All()) {
            if (!Mime() && HasEightBit(FileNamePart(att.FileName)))
                return true;
        }
        return false;
    }

    bool Mime() const { return msg_.Encoding == TMsgEncoding::meMIME; }
    bool Japanese() const { return Mime() && msg_.CharSet == TCharSet::csISO2022jp; }

    std::string HeaderText(std::string_view text) const {
        if (Japanese() && !text.empty() && text[0] == '\x1B')
            return EncodeHeaderWord(text);
        return EncodeHeaderText(text, CurrentTextCharset());
    }

    std::string DisplayName(std::string_view name) const {
        // Text that looks like an encoded word is encoded itself, so that a
        // reader decodes it to what it says; quotes do not stop every reader.
        if (HasEightBit(name) || name.find("=?") != std::string_view::npos ||
            (Japanese() && !name.empty() && name[0] == '\x1B')) {
            return HeaderText(name);
        }
        if (IsPlainPhrase(name))
            return std::string(name);
        std::string quoted = "\"";
        for (char c : name) {
            if (c == '"' || c == '\\')
                quoted += '\\';
            quoted += c;
        }
        return quoted + "\"";
    }

    std::string Mailbox(const TmsMailAddress& a) const {
        return DisplayName(a.Name) + " <" + a.Address.str() + ">";
    }

    void WriteAddressLines(std::string_view label, const TmsAddressList& list) {
        const auto& items = list.All();
        for (std::size_t i = 0; i < items.size(); ++i) {
            std::string lead = i == 0 ? std::string(label) + ":" : "";
            lead.resize(10, ' ');
            Header(lead + Mailbox(items[i]) + (i + 1 < items.size() ? "," : ""));
        }
    }

    void WriteHeaderBlock() {
        Header("From:     " + Mailbox(msg_.Sender));
        WriteAddressLines("To", msg_.Recipients);
        WriteAddressLines("CC", msg_.CC);
        if (msg_.ReturnReceipt)
            Line("Return-Receipt-To: <" + msg_.Sender.Address.str() + ">");
        if (msg_.Priority == TPriority::ptLow)
            Line("X-Priority: 5");
        if (msg_.Priority == TPriority::ptHigh)
            Line("X-Priority: 1");
        TmsHeaders user = msg_.Headers;
        for (const char* name : {"From", "To", "CC", "BCC", "Return-Receipt-To", "X-Priority",
                                 "Subject", "Mime-Version", "Content-Type", "X-Encoding",
                                 "Content-Transfer-Encoding", "Date", "Message-ID"}) {
            while (user.Remove(name)) {
            }
        }
        for (const std::string& line : user.Lines()) Line(line);
        if (!msg_.Subject.empty())
            Header("Subject: " + HeaderText(msg_.Subject));
        Line(DateHeader(stamp_));
        Line(MessageIdHeader(stamp_, msg_.Sender.Address));
        if (Mime())
            Line("Mime-Version: 1.0");
    }

    bool QuotedBody() const {
        return bodyCharSet_ == TCharSet::csISO8859 || longLines_ || controls_;
    }

    std::string BodyText() const {
        std::string text;
        for (const std::string& line : msg_.Body) text += line + "\r\n";
        return text;
    }

    void WriteLines(const std::vector<std::string>& lines) {
        for (const std::string& line : lines) Line(line);
    }

    void WriteBodyLines(bool quoted) {
        if (quoted) {
            WriteLines(QuotedPrintableLines(BodyText()));
        } else {
            WriteLines(msg_.Body);
        }
    }

    void WriteTextPartHeader() {
        Line("Content-Type: text/plain; charset=\"" + CharSetName(bodyCharSet_) + "\"");
        Line(QuotedBody() ? "Content-Transfer-Encoding: quoted-printable"
                          : "Content-Transfer-Encoding: 7bit");
    }

    void WritePlainBody() {
        WriteTextPartHeader();
        Line("");
        WriteBodyLines(QuotedBody());
    }

    void WriteFormattedBody(const std::string& type) {
        std::string line = "Content-Type: " + type;
        if (msg_.CharSet != TCharSet::csUSASCII || bodyCharSet_ != TCharSet::csUSASCII) {
            line += "; charset=\"" + CurrentTextCharset().Name + "\"";
        }
        Line(line);
        Line("Content-Transfer-Encoding: quoted-printable");
        Line("");
        WriteBodyLines(true);
    }

    void WriteSinglePart() {
        const TmsAttItem& att = msg_.Attachments.Items(0);
        std::string lowerName = LowerNamePart(att);
        std::string name = FileNamePart(att.FileName);
        bool special = lowerName == "_htmbody.htm" || lowerName == "_rtfbody.rtf";
        if (lowerName == "_htmbody.htm") {
            Line("Content-Type: text/html");
        } else if (lowerName == "_rtfbody.rtf") {
            Line("Content-Type: text/rtf");
        } else {
            Header("Content-Type: " + CheckedContentType(att.ContentType) +
                   NameParameter("name", name));
        }
        Line(std::string("Content-Transfer-Encoding: ") + EncodingName(att.Encoding));
        if (!special)
            Header("Content-Disposition: attachment" + NameParameter("filename", name));
        Line("");
        WriteAttachmentData(att);
    }

    void Yield() const {
        if (yield_)
            yield_();
    }

    // Lines of 57 bytes each, the short rest last; an empty rest writes
    // nothing. One line's room serves them all.
    void WriteBase64(std::string_view data) {
        constexpr std::size_t block = 57;
        char line[block / 3 * 4];
        for (std::size_t i = 0; i < data.size(); i += block) {
            Line(std::string_view(line, Base64Encode(data.substr(i, block), line)));
            Yield();
        }
    }

    void WriteAttachmentData(const TmsAttItem& att) {
        switch (att.Encoding) {
            case AttEncoding::Base64:
                WriteBase64(att.Data);
                break;
            case AttEncoding::QuotedPrintable:
                WriteLines(QuotedPrintableLines(att.Data));
                break;
            default:
                WriteLines(SplitTextLines(att.Data));
                break;
        }
    }

    void Delimiter(const std::string& boundary) {
        Line("");
        Line("--" + boundary);
    }

    static bool IsAlt(const TmsAttItem& att) { return LowerNamePart(att).starts_with("_alt."); }

    void WriteMultipart(bool alternative) {
        const auto& atts = msg_.Attachments.All();
        bool bodyEmpty = msg_.Body.empty();
        bool htmlFirst = !atts.empty() && bodyEmpty && LowerNamePart(atts[0]) == "_htmbody.htm";
        bool rtfFirst = !atts.empty() && bodyEmpty && LowerNamePart(atts[0]) == "_rtfbody.rtf";
        std::string outer = RandomBoundary(random_);
        std::string current = outer;
        Line("Content-Type: " + msg_.ContentType() + "; boundary=\"" + outer + "\"");
        Line("");
        Line(MailText(MailId::MultipartPreamble));
        Delimiter(current);
        bool nested = false;
        if (!alternative && !atts.empty() && IsAlt(atts[0])) {
            nested = true;
            do current = RandomBoundary(random_);
            while (current == outer);
            Line("Content-Type:  multipart/alternative; boundary=\"" + current + "\"");
            Line("Content-Transfer-Encoding: 7bit");
            Delimiter(current);
        }
        if (!bodyEmpty) {
            WriteTextPartHeader();
            Line("");
            WriteBodyLines(QuotedBody());
            Delimiter(current);
        }
        for (std::size_t i = 0; i < atts.size(); ++i) {
            const TmsAttItem& att = atts[i];
            if (i > 0) {
                // The empty line after the previous part's data already starts
                // this delimiter; another would add a line to that part.
                Line("--" + current);
                htmlFirst = rtfFirst = false;
            }
            bool named = !(alternative || nested || htmlFirst || rtfFirst);
            std::string name = FileNamePart(att.FileName);
            Header("Content-Type: " + CheckedContentType(att.ContentType) +
                   (named ? NameParameter("name", name) : ""));
            Line(std::string("Content-Transfer-Encoding: ") + EncodingName(att.Encoding));
            if (named)
                Header("Content-Disposition: attachment" + NameParameter("filename", name));
            Line("");
            WriteAttachmentData(att);
            Line("");
            if (i + 1 == atts.size()) {
                if (nested)
                    Line("--" + current + "--");
                Line("--" + outer + "--");
            } else if (nested && !IsAlt(atts[i + 1])) {
                Line("--" + current + "--");
                nested = false;
                current = outer;
            }
        }
    }

    // The body and the uuencoded files, as they are when the body is plain
    // text a server takes; otherwise all of it quoted-printable under a MIME
    // header that names the character set (the dialogue has no 8BITMIME).
    void WriteUUBody() {
        bool quoted = bodyCharSet_ != TCharSet::csUSASCII || overlongLines_ || controls_;
        if (quoted) {
            Line("Mime-Version: 1.0");
            Line("Content-Type: text/plain; charset=\"" + CharSetName(bodyCharSet_) + "\"");
            Line("Content-Transfer-Encoding: quoted-printable");
        }
        Line("");
        auto bodyLine = [&](std::string_view line) {
            if (quoted) {
                WriteLines(QuotedPrintableLines(std::string(line) + "\r\n"));
            } else {
                Line(line);
            }
        };
        for (const std::string& line : msg_.Body) bodyLine(line);
        for (const TmsAttItem& att : msg_.Attachments.All()) {
            bodyLine("");
            bodyLine("begin 600 " + BeginLineName(FileNamePart(att.FileName)));
            for (std::size_t i = 0; i < att.Data.size(); i += 45) {
                bodyLine(UUEncodeLine(std::string_view(att.Data).substr(i, 45)));
                Yield();
            }
            bodyLine("`");
            bodyLine("end");
        }
    }

    const TmsMessage& msg_;
    const TmsMessage::LineWriter& write_;
    const MessageStamp& stamp_;
    const std::function<void()>& yield_;
    std::mt19937 random_;
    bool longLines_ = false;      // a body line of 256 or more
    bool overlongLines_ = false;  // a body line longer than a server takes
    bool controls_ = false;       // bytes a 7-bit body cannot carry
    TCharSet bodyCharSet_;
};

std::string Printable(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (IsControl(c, false) || c == '\t')
            c = ' ';
    }
    return out;
}

void RefuseAddress(const TmsMailAddress& a) {
    std::string_view address = a.Address;
    if (address.empty()) {
        throw EMessageError("The e-mail address of \"" + Printable(a.Name) + "\" is empty");
    }
    if (std::string fault = MailAddressFault(address); !fault.empty())
        throw EMessageError(fault);
}

void RefuseText(std::string_view text, std::string_view what, bool escapeIsText) {
    if (HasControl(text, escapeIsText)) {
        throw EMessageError(std::string(what) + " holds a line break or another control character");
    }
}

}  // namespace

std::string TmsMessage::ContentType() const {
    if (Encoding == TMsgEncoding::meUU)
        return "";
    const auto& atts = Attachments.All();
    if (!atts.empty()) {
        bool allAlt = true;
        for (const TmsAttItem& a : atts) allAlt = allAlt && LowerNamePart(a).starts_with("_alt.");
        if (allAlt)
            return "multipart/alternative";
    }
    if (atts.size() == 1 && Body.empty()) {
        std::string name = LowerNamePart(atts[0]);
        if (name == "_rtfbody.rtf")
            return "text/rtf";
        if (name == "_htmbody.htm")
            return "text/html";
    }
    if (Body.empty()) {
        if (atts.empty())
            return "text/plain";
        return atts.size() == 1 ? CheckedContentType(atts[0].ContentType) : "multipart/mixed";
    }
    return atts.empty() ? "text/plain" : "multipart/mixed";
}

void TmsMessage::SetBodyText(std::string_view text) {
    Body = SplitTextLines(text);
}

void TmsMessage::Validate() const {
    if (Sender.Address.empty())
        throw EMessageError(MailText(MailId::SenderRequired));
    bool any = false;
    for (const TmsAddressList* list : {&Recipients, &CC, &BCC}) {
        for (const TmsMailAddress& a : list->All()) any = any || !a.Address.empty();
    }
    if (!any)
        throw EMessageError(MailText(MailId::RecipientRequired));
    bool escapeIsText = CharSet == TCharSet::csISO2022jp;
    RefuseAddress(Sender);
    RefuseText(Sender.Name, "The sender's name", escapeIsText);
    for (const TmsAddressList* list : {&Recipients, &CC, &BCC}) {
        for (const TmsMailAddress& a : list->All()) {
            RefuseAddress(a);
            RefuseText(a.Name, "The name \"" + Printable(a.Name) + "\"", escapeIsText);
        }
    }
    RefuseText(Subject, "The subject", escapeIsText);
    for (const std::string& line : Headers.Lines()) {
        RefuseText(line, "A header line", escapeIsText);
        if (line.size() > longestLine)
            throw EMessageError("A header line is longer than 998 characters");
    }
}

void TmsMessage::Encode(const LineWriter& writeLine, const MessageStamp& stamp,
                        const std::function<void()>& yield) const {
    Encoder(*this, writeLine, stamp, yield).Encode();
}

void TmsMessage::Clear() {
    Body.clear();
    Attachments.Clear();
    Sender.Clear();
    Headers.Clear();
    Subject = "";
    Encoding = TMsgEncoding::meMIME;
    CharSet = TCharSet::csUSASCII;
    CC.Clear();
    BCC.Clear();
    Recipients.Clear();
    ReturnReceipt = false;
}

}  // namespace orv::player
