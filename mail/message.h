// One e-mail message in memory and its writing as the text sent after DATA:
// a MIME message (plain text, one encoded part, or multipart with one part per
// attachment) or the body followed by uuencoded blocks.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/date_time.h"
#include "common/short_string.h"

namespace orv::player {

enum class TMsgEncoding { meMIME, meUU };
// csISO8859 stands for 8-bit text: it is written under the name of the
// current text character set (the system's code page, see codings.h).
enum class TCharSet { csUSASCII, csISO8859, csISO2022jp };
enum class TPriority { ptLow, ptNormal, ptHigh };

struct TmsMailAddress {
    ShortString<255> Name;
    ShortString<255> Address;
    void Clear() { *this = {}; }
};

class TmsAddressList {
  public:
    void Add(std::string_view address, std::string_view name);
    int Count() const { return static_cast<int>(items_.size()); }
    const TmsMailAddress& Items(int i) const { return items_[static_cast<std::size_t>(i)]; }
    const std::vector<TmsMailAddress>& All() const { return items_; }
    void Clear() { items_.clear(); }

  private:
    std::vector<TmsMailAddress> items_;
};

// Transfer encodings of an attachment, by their stored number.
namespace AttEncoding {
constexpr std::uint8_t SevenBit = 0;
constexpr std::uint8_t Base64 = 1;
constexpr std::uint8_t QuotedPrintable = 2;
}  // namespace AttEncoding

struct TmsAttItem {
    std::string Data;  // the file's whole content
    ShortString<255> FileName;
    ShortString<255> ContentType;
    std::uint8_t Encoding = AttEncoding::Base64;

    // Stores the name and, for a non-empty one, the content type registered for
    // its extension and the encoding that type calls for.
    void SetFileName(std::string_view name);
};

class TmsAttList {
  public:
    // Appends the file with its whole content; a file that cannot be read
    // raises an error naming it.
    void AddFile(std::string_view fileName);
    void AddItem(TmsAttItem item) { items_.push_back(std::move(item)); }
    int Count() const { return static_cast<int>(items_.size()); }
    const TmsAttItem& Items(int i) const { return items_[static_cast<std::size_t>(i)]; }
    const std::vector<TmsAttItem>& All() const { return items_; }
    void Clear() { items_.clear(); }

  private:
    std::vector<TmsAttItem> items_;
};

// The user's extra header lines, each "Name: value".
class TmsHeaders {
  public:
    void Add(std::string_view line) { lines_.emplace_back(line); }
    // Deletes the first line of that header with its continuation lines;
    // false when there is none.
    bool Remove(std::string_view name);
    const std::vector<std::string>& Lines() const { return lines_; }
    void Clear() { lines_.clear(); }

  private:
    std::vector<std::string> lines_;
};

// The content types registered for file extensions (".txt" -> "text/plain").
// The Windows side reads the registry; by default nothing is registered.
class ContentTypeSource {
  public:
    virtual ~ContentTypeSource() = default;
    // "" when the extension (with its dot) has no registered type.
    virtual std::string ContentTypeOf(std::string_view extension) const = 0;
};
const ContentTypeSource& CurrentContentTypes();
void SetCurrentContentTypes(const ContentTypeSource* source);

// The type when it is "type/subtype" with parameters free of control
// characters (a part's header must not gain lines, and a multipart type would
// need a boundary); "application/octet-stream" otherwise.
std::string CheckedContentType(std::string_view type);

// The registered type of the file's extension, checked as above;
// "application/octet-stream" when there is none.
std::string ContentTypeOfFile(std::string_view fileName);

// The file name without its folder path.
std::string FileNamePart(std::string_view fileName);

// What makes one written message unique: when it was written, the local
// zone's offset from UTC, and a token for its Message-ID.
struct MessageStamp {
    DateTime Now = 0;
    int ZoneMinutes = 0;
    std::string UniqueToken;
};

// The stamp of a message written now on this machine.
MessageStamp CurrentMessageStamp();

class TmsMessage {
  public:
    TmsAttList Attachments;
    TMsgEncoding Encoding = TMsgEncoding::meMIME;
    TmsMailAddress Sender;
    ShortString<255> Subject;
    TCharSet CharSet = TCharSet::csUSASCII;
    TmsHeaders Headers;
    std::vector<std::string> Body;
    TmsAddressList Recipients;
    TmsAddressList CC;
    TmsAddressList BCC;
    bool ReturnReceipt = false;
    TPriority Priority = TPriority::ptNormal;

    // The type the message is written as (computed from the attachments).
    std::string ContentType() const;

    // The body from one text; its line breaks (CR LF, CR or LF) split it.
    void SetBodyText(std::string_view text);

    // Raises EMessageError when the message must not be sent: no sender, no
    // recipient at all, an empty address, or an address or header text that
    // could change the dialogue or the header block.
    void Validate() const;

    // Hands the whole message text to writeLine, line by line (without line
    // ends). Lines are not dot-stuffed; that belongs to the transmission.
    // yield runs once per line of attachment data, so that long encodings keep
    // the program responsive.
    using LineWriter = std::function<void(std::string_view line)>;
    void Encode(const LineWriter& writeLine, const MessageStamp& stamp,
                const std::function<void()>& yield = {}) const;

    // Empties everything but the priority.
    void Clear();
};

}  // namespace orv::player
