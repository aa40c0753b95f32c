// The date and time tokens: their format names and the text each one types.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/date_time.h"

namespace orv {

constexpr int DateFormatCount = 51;
constexpr int TimeFormatCount = 26;

// Format names in table order; the number of a format is its place from 1.
const std::array<std::string_view, DateFormatCount>& DateFormatNames();
const std::array<std::string_view, TimeFormatCount>& TimeFormatNames();

// value in decimal, with zeros in front up to width digits.
std::string ZeroPadded(std::uint64_t value, std::size_t width);

// The text of date format f (1..51) for the given day; zeros asks for leading
// zeros on one-digit days and months.
std::string DateText(int format, bool zeros, const DateTimeParts& date);
// The text of time format f (1..26); zeros asks for a leading zero on a
// one-digit hour.
std::string TimeText(int format, bool zeros, const DateTimeParts& time);

}  // namespace orv
