// What the date and time dialog computes: its look for a date or a time, the
// row a stored format selects, and the date or time command of the chosen
// row with its raw values, or the refusal of the days typed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "editor/commands/command_dialogs.h"

namespace orv::editor {

struct DateTimeLayout {
    std::string_view Caption;
    std::string_view Title;
    std::string_view HelpKeyword;
    int RowCount = 0;
    bool ShowDateControls = false;
};
DateTimeLayout DateTimeLayoutFor(bool isTime);

// The list row a stored format position selects: one outside the table (a
// hand-edited settings file, a damaged line) selects the first row.
int FormatRowFor(bool isTime, std::int32_t storedRow);

enum class DateTimeField { TheFormat, Days };
struct DateTimeValues {
    std::uint8_t IsDate = 0;
    std::int32_t FormatIndex = 0;  // list row + 1
    std::uint8_t ShowZeros = 0;
    std::uint8_t Future = 1;
    std::int32_t Days = 0;
};
using DateTimeOutcome = CommandOutcome<DateTimeField, DateTimeValues>;

struct DateTimeInput {
    bool IsTime = false;
    int Row = 0;  // the selected list row, -1 for none
    bool Suppress = false;
    bool Future = true;
    std::string Days = "0";  // dates only
};
DateTimeOutcome ComposeDateOrTime(const DateTimeInput& input);
template <>
DateTimeInput InputFromRecord<DateTimeInput>(CommandCode code, const CommandRecord& record);

}  // namespace orv::editor
