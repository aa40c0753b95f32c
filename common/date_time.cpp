#include "common/date_time.h"

#include <cmath>

namespace orv {
namespace {

constexpr long DayZero = -25569;  // 1899-12-30 counted from 1970-01-01
constexpr double MsPerDay = 86400000.0;

// Days since 1970-01-01 of a proleptic Gregorian date.
long DaysFromCivil(long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long>(doe) - 719468;
}

void CivilFromDays(long z, int& year, int& month, int& day) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<long>(yoe) + era * 400 + (month <= 2));
}

}  // namespace

DateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second,
                        int millisecond) {
    double days = static_cast<double>(DaysFromCivil(year, month, day) - DayZero);
    double ms = ((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond;
    return days + ms / MsPerDay;
}

DateTimeParts DecodeDateTime(DateTime value) {
    DateTimeParts p;
    double whole = std::floor(value);
    long long ms = std::llround((value - whole) * MsPerDay);
    if (ms >= static_cast<long long>(MsPerDay)) {
        whole += 1;
        ms -= static_cast<long long>(MsPerDay);
    }
    long days = static_cast<long>(whole) + DayZero;
    CivilFromDays(days, p.year, p.month, p.day);
    p.dayOfWeek = static_cast<int>(((days + 4) % 7 + 7) % 7) + 1;  // 1970-01-01 was a Thursday
    p.millisecond = static_cast<int>(ms % 1000);
    p.second = static_cast<int>(ms / 1000 % 60);
    p.minute = static_cast<int>(ms / 60000 % 60);
    p.hour = static_cast<int>(ms / 3600000);
    return p;
}

}  // namespace orv
