// Dates and times as the stored files keep them: days since 1899-12-30, the
// fraction being the time of day.
#pragma once

namespace orv {

using DateTime = double;

struct DateTimeParts {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
    int dayOfWeek = 7;  // 1 = Sunday .. 7 = Saturday
};

DateTime EncodeDateTime(int year, int month, int day, int hour = 0, int minute = 0,
                        int second = 0, int millisecond = 0);
DateTimeParts DecodeDateTime(DateTime value);

}  // namespace orv
