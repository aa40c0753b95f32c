#include "player/date_time_text.h"

#include <span>
#include <utility>

#include "common/string_routines.h"

namespace orv::player {

namespace {

// English names, whatever the system's locale.
constexpr std::array<std::string_view, 7> ShortDayNames = {"Sun", "Mon", "Tue", "Wed",
                                                           "Thu", "Fri", "Sat"};
constexpr std::array<std::string_view, 7> LongDayNames = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
constexpr std::array<std::string_view, 12> ShortMonthNames = {
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<std::string_view, 12> LongMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

std::string Digits(int value, bool twoDigits) {
    return ZeroPadded(static_cast<std::uint64_t>(value), twoDigits ? 2 : 1);
}

using Piece = std::pair<std::string_view, std::string>;

// Spells a format name out: every piece name it holds is replaced by the
// piece's value, everything else (separators, blanks) is kept.
std::string Compose(std::string_view name, std::span<const Piece> pieces) {
    std::string text;
    for (std::size_t at = 0; at < name.size();) {
        const Piece* found = nullptr;
        for (const Piece& piece : pieces) {
            if (name.substr(at, piece.first.size()) == piece.first) {
                found = &piece;
                break;
            }
        }
        if (found) {
            text += found->second;
            at += found->first.size();
        } else {
            text += name[at++];
        }
    }
    return text;
}

}  // namespace

std::string ZeroPadded(std::uint64_t value, std::size_t width) {
    const std::string digits = std::to_string(value);
    if (digits.size() >= width)
        return digits;
    return std::string(width - digits.size(), '0').append(digits);
}

std::string DateText(int format, bool zeros, const DateTimeParts& date) {
    if (format < 1 || format > DateFormatCount)
        return {};
    if (format >= 48) {
        std::string_view name = format < 50 ? ShortDayNames[(date.dayOfWeek - 1) % 7]
                                            : LongDayNames[(date.dayOfWeek - 1) % 7];
        return format % 2 == 0 ? std::string(name) : UpperAscii(name);
    }
    const std::string_view shortMonth = ShortMonthNames[(date.month - 1) % 12];
    // The pieces in the order they are tried, longer names first, so that
    // "YYYY" is not read as two "YY" and "Mmmmm" not as "Mmm".
    const Piece pieces[] = {
        {"YYYY", Digits(date.year, true)},
        {"YY", Digits(date.year % 100, true)},
        {"Mmmmm", std::string(LongMonthNames[(date.month - 1) % 12])},
        {"MMM", UpperAscii(shortMonth)},
        {"Mmm", std::string(shortMonth)},
        {"MM", Digits(date.month, zeros)},
        {"DD", Digits(date.day, zeros)},
    };
    return Compose(DateFormatTable[format - 1].Name, pieces);
}

std::string TimeText(int format, bool zeros, const DateTimeParts& time) {
    if (format < 1 || format > TimeFormatCount)
        return {};
    const bool twelveHour = format >= 12;
    int hour = time.hour;
    if (twelveHour)
        hour = hour % 12 == 0 ? 12 : hour % 12;
    const bool pm = time.hour >= 12;
    const Piece pieces[] = {
        {"hh", Digits(hour, zeros)},       {"mm", Digits(time.minute, true)},
        {"ss", Digits(time.second, true)}, {"am", pm ? "pm" : "am"},
        {"AM", pm ? "PM" : "AM"},          {"a", pm ? "p" : "a"},
    };
    return Compose(TimeFormatTable[format - 1].Name, pieces);
}

}  // namespace orv::player
