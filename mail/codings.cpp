#include "mail/codings.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

namespace orv::player {
namespace {

constexpr char base64Alphabet[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Uuencode's value 0 is the grave accent, so no line ends in blanks that a
// mail system might strip.
char UUChar(unsigned value) {
    return value == 0 ? '`' : static_cast<char>(32 + value);
}

std::uint8_t Byte(std::string_view s, std::size_t i) {
    return static_cast<std::uint8_t>(s[i]);
}

// Three bytes at a time into 6-bit values; a short last group gives only the
// characters that carry its bits.
template <typename Put>
void SixBitGroups(std::string_view bytes, Put put) {
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        std::size_t n = bytes.size() - i < 3 ? bytes.size() - i : 3;
        std::uint32_t group = Byte(bytes, i) << 16;
        if (n > 1)
            group |= Byte(bytes, i + 1) << 8;
        if (n > 2)
            group |= Byte(bytes, i + 2);
        for (std::size_t k = 0; k <= n; ++k) put((group >> (18 - 6 * k)) & 63);
    }
}

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// An encoded line holds at most 76 characters: 75 and the soft break "=".
constexpr std::size_t qpLine = 76;
constexpr std::size_t qpSoftLine = qpLine - 1;

// One source byte as quoted-printable: every control byte (DEL too), "=" and
// byte above 127 as "=XX"; a blank that ends a line also, since decoders drop
// trailing blanks.
std::string QuotedByte(std::uint8_t c, bool endsLine) {
    static constexpr char hex[] = "0123456789ABCDEF";
    if (c < 32 || c == '=' || c >= 127 || (c == ' ' && endsLine))
        return {'=', hex[c >> 4], hex[c & 15]};
    return std::string(1, static_cast<char>(c));
}

// Escaped first, then cut into lines of at most 76 characters, never inside
// an escape; a cut falls before a blank where there is one.
void AppendQuotedLine(std::string_view line, bool lastHasLineEnd, std::vector<std::string>& out) {
    std::vector<std::string> bytes;
    bytes.reserve(line.size());
    for (std::size_t i = 0; i < line.size(); ++i)
        bytes.push_back(
            QuotedByte(static_cast<std::uint8_t>(line[i]), i + 1 == line.size() && lastHasLineEnd));
    const auto joined = [&bytes](std::size_t from, std::size_t to) {
        std::string piece;
        for (std::size_t i = from; i < to; ++i) piece += bytes[i];
        return piece;
    };
    std::size_t rest = joined(0, bytes.size()).size();
    const std::size_t lastLimit = lastHasLineEnd ? qpLine : qpSoftLine;
    std::size_t start = 0;
    while (rest > lastLimit) {
        std::size_t end = start, length = 0;
        while (length + bytes[end].size() <= qpSoftLine) length += bytes[end++].size();
        for (std::size_t k = end; k > start; --k) {
            if (line[k] == ' ') {
                end = k;
                break;
            }
        }
        const std::string piece = joined(start, end);
        out.push_back(piece + "=");
        rest -= piece.size();
        start = end;
    }
    const std::string last = joined(start, bytes.size());
    out.push_back(lastHasLineEnd ? last : last + "=");
}

// An encoded word holds at most 75 characters; one of 66 (18 of frame, 48 of
// base64 for 36 bytes) also fits on a header line after its label.
constexpr std::size_t wordBytes = 36;

bool IsEscape(char c) {
    return c == '\x1B';
}

// ISO-2022-JP text cut between characters into pieces of at most 36 bytes,
// each of which a reader decodes on its own: a piece starts in the character
// set the text is in there and switches back to ASCII at its end.
std::vector<std::string> Iso2022Pieces(std::string_view text) {
    static constexpr std::string_view toAscii = "\x1B(B";
    std::vector<std::string> pieces;
    std::string shift;  // the escape in force; empty while in ASCII
    std::string piece;
    bool pieceHasText = false;
    for (std::size_t i = 0; i < text.size();) {
        bool escape = IsEscape(text[i]);
        std::size_t n = escape                       ? (text.substr(i, 3) == "\x1B$(" ? 4 : 3)
                        : shift.starts_with("\x1B$") ? 2
                                                     : 1;
        std::string_view unit = text.substr(i, n);
        std::size_t closing = shift.empty() ? 0 : toAscii.size();
        if (!escape && pieceHasText && piece.size() + unit.size() + closing > wordBytes) {
            if (!shift.empty())
                piece += toAscii;
            pieces.push_back(piece);
            piece = shift;
            pieceHasText = false;
        }
        piece += unit;
        if (escape) {
            shift = unit == toAscii ? "" : std::string(unit);
        } else {
            pieceHasText = true;
        }
        i += unit.size();
    }
    if (!piece.empty())
        pieces.push_back(piece);
    return pieces;
}

}  // namespace

namespace {

// The two characters of every 12-bit value: a whole group is two look-ups.
struct Base64Pairs {
    char chars[4096][2];
    constexpr Base64Pairs() : chars{} {
        for (unsigned v = 0; v < 4096; ++v) {
            chars[v][0] = base64Alphabet[v >> 6];
            chars[v][1] = base64Alphabet[v & 63];
        }
    }
};
constexpr Base64Pairs base64Pairs;

}  // namespace

std::size_t Base64Encode(std::string_view bytes, char* out) {
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    std::size_t whole = bytes.size() / 3 * 3;
    char* o = out;
    for (std::size_t i = 0; i < whole; i += 3, o += 4) {
        std::uint32_t group =
            (std::uint32_t{in[i]} << 16) | (std::uint32_t{in[i + 1]} << 8) | in[i + 2];
        std::memcpy(o, base64Pairs.chars[group >> 12], 2);
        std::memcpy(o + 2, base64Pairs.chars[group & 0xFFF], 2);
    }
    if (std::size_t rest = bytes.size() - whole) {
        std::uint32_t group = std::uint32_t{in[whole]} << 16;
        if (rest == 2)
            group |= std::uint32_t{in[whole + 1]} << 8;
        o[0] = base64Alphabet[group >> 18];
        o[1] = base64Alphabet[(group >> 12) & 63];
        o[2] = rest == 2 ? base64Alphabet[(group >> 6) & 63] : '=';
        o[3] = '=';
        o += 4;
    }
    return static_cast<std::size_t>(o - out);
}

std::string Base64EncodeString(std::string_view bytes, std::size_t maxLength) {
    std::string out((bytes.size() + 2) / 3 * 4, '\0');
    Base64Encode(bytes, out.data());
    if (out.size() > maxLength)
        out.resize(maxLength);
    return out;
}

std::string UUEncodeLine(std::string_view bytes) {
    std::string out(1, UUChar(static_cast<unsigned>(bytes.size())));
    out.reserve(61);
    SixBitGroups(bytes, [&](unsigned v) { out += UUChar(v); });
    return out;
}

std::string EncodeHeaderWord(std::string_view text) {
    if (text.empty() || text[0] != '\x1B')
        return std::string(text);
    std::string words;
    for (const std::string& piece : Iso2022Pieces(text)) {
        if (!words.empty())
            words += ' ';
        words += "=?ISO-2022-JP?B?" + Base64EncodeString(piece) + "?=";
    }
    return words;
}

std::string CharsetNameOfCodePage(unsigned codePage) {
    switch (codePage) {
        case 874:
            return "windows-874";
        case 932:
            return "shift_jis";
        case 936:
            return "gbk";
        case 949:
            return "ks_c_5601-1987";
        case 950:
            return "big5";
        default:
            return "windows-" + std::to_string(codePage);
    }
}

namespace {
TextCharset& InstalledCharset() {
    static TextCharset charset;
    return charset;
}
}  // namespace

const TextCharset& CurrentTextCharset() {
    return InstalledCharset();
}

void SetCurrentTextCharset(TextCharset charset) {
    InstalledCharset() = std::move(charset);
}

std::string EncodeHeaderWords(std::string_view text, const TextCharset& charset) {
    // Frame and base64 within 66 characters, as for ISO-2022-JP words.
    std::size_t frame = charset.Name.size() + 7;
    std::size_t chunk = frame < 62 ? (wordBytes * 4 / 3 + 18 - frame) / 4 * 3 : 3;
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t n = 0;
        while (i + n < text.size() && n < chunk) {
            std::size_t unit = charset.LeadBytes[Byte(text, i + n)] ? 2 : 1;
            if (n > 0 && n + unit > chunk)
                break;
            n += unit;
        }
        n = std::min(n, text.size() - i);
        if (!out.empty())
            out += ' ';
        out += "=?" + charset.Name + "?B?" + Base64EncodeString(text.substr(i, n)) + "?=";
        i += n;
    }
    return out;
}

std::string EncodeHeaderText(std::string_view text, const TextCharset& charset) {
    if (!HasEightBit(text) && text.find("=?") == std::string_view::npos)
        return std::string(text);
    // ASCII text labelled so that every reader decodes it, whatever it
    // makes of the code page's name.
    if (!HasEightBit(text))
        return EncodeHeaderWords(text, TextCharset{"us-ascii", {}});
    return EncodeHeaderWords(text, charset);
}

std::vector<std::string> QuotedPrintableLines(std::string_view source) {
    std::vector<std::string> out;
    std::vector<std::string> lines = SplitTextLines(source);
    bool endsWithLineEnd = !source.empty() && IsLineEnd(source.back());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        AppendQuotedLine(lines[i], i + 1 < lines.size() || endsWithLineEnd, out);
    }
    return out;
}

bool HasEightBit(std::string_view text) {
    for (char c : text) {
        if (static_cast<std::uint8_t>(c) >= 128)
            return true;
    }
    return false;
}

}  // namespace orv::player
