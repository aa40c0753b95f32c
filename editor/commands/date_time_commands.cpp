#include "editor/commands/date_time_commands.h"

#include "common/script/catalogue.h"
#include "common/whole_numbers.h"

namespace orv::editor {

DateTimeLayout DateTimeLayoutFor(bool isTime) {
    if (isTime)
        return {"Times", "Select Time Format", "Time Format", TimeFormatCount, false};
    return {"Dates", "Select Date Format", "Date Format", DateFormatCount, true};
}

int FormatRowFor(bool isTime, std::int32_t storedRow) {
    return storedRow >= 0 && storedRow < DateTimeLayoutFor(isTime).RowCount ? storedRow : 0;
}

DateTimeOutcome ComposeDateOrTime(const DateTimeInput& input) {
    DateTimeOutcome out;
    if (input.Row < 0 || input.Row >= DateTimeLayoutFor(input.IsTime).RowCount) {
        out.Refuse("No format selected.  Please select one.", DateTimeField::TheFormat);
        return out;
    }
    DateTimeValues& raw = out.Raw;
    raw.IsDate = input.IsTime ? 0 : 1;
    raw.FormatIndex = input.Row + 1;
    raw.ShowZeros = input.Suppress ? 0 : 1;
    raw.Future = input.IsTime || input.Future ? 1 : 0;
    if (!input.IsTime) {
        // Digits only: a sign or a letter would make a token the reader does
        // not take back.
        std::string days = EditText(input.Days);
        bool digits = !days.empty() && days.find_first_not_of("0123456789") == std::string::npos;
        std::optional<std::int32_t> n = digits ? ParseWholeNumber(days) : std::nullopt;
        if (!n) {
            out.Refuse("Invalid number of days specified.  Please correct.", DateTimeField::Days);
            return out;
        }
        raw.Days = *n;
    }
    DateTimeRec record{raw.IsDate, static_cast<std::uint32_t>(raw.FormatIndex), raw.ShowZeros,
                       raw.Future, raw.Days};
    out.Compose(input.IsTime ? CommandCode::Time : CommandCode::Date, record, DateTimeField::Days);
    return out;
}

template <>
DateTimeInput InputFromRecord<DateTimeInput>(CommandCode code, const CommandRecord& record) {
    const auto* r = std::get_if<DateTimeRec>(&record);
    if (!r)
        return {};
    bool isTime = code == CommandCode::Time;
    int row = FormatRowFor(isTime, static_cast<std::int32_t>(r->FormatNumber) - 1);
    return {isTime, row, r->ShowZeros == 0, r->Future != 0, std::to_string(r->Days)};
}

}  // namespace orv::editor
