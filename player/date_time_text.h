// The text a date or a time token types, spelt as its format name in the
// date or time table says.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/date_time.h"
#include "common/script/catalogue.h"

namespace orv::player {

// value in decimal, with zeros in front up to width digits.
std::string ZeroPadded(std::uint64_t value, std::size_t width);

// The text of date format f (1..51) for the given day; zeros asks for leading
// zeros on one-digit days and months.
std::string DateText(int format, bool zeros, const DateTimeParts& date);
// The text of time format f (1..26); zeros asks for a leading zero on a
// one-digit hour.
std::string TimeText(int format, bool zeros, const DateTimeParts& time);

}  // namespace orv::player
