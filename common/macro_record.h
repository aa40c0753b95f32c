// One macro as the macro library file stores it: a packed 5,165-byte record.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/bytes.h"
#include "common/date_time.h"
#include "common/short_string.h"

namespace orv {

namespace MacroKind {
constexpr std::int16_t Global = 1;
constexpr std::int16_t Window = 2;
constexpr std::int16_t Program = 3;
constexpr std::int16_t PopupMenu = 4;
constexpr std::int16_t System = 5;
}  // namespace MacroKind

constexpr std::size_t MaxScriptLength = 5000;

struct MacroRecord {
    static constexpr std::size_t Size = 5165;
    // Offsets of the fields in the stored record.
    static constexpr std::size_t NicknameAt = 0, ScopeTextAt = 51, CuewordTextAt = 82;
    static constexpr std::size_t ActivationCodeAt = 93, MacroKindAt = 95, EnabledAt = 97;
    static constexpr std::size_t TextLengthAt = 98, ScriptAt = 100, IconNameAt = 5101;
    static constexpr std::size_t ScheduleKindAt = 5114, DayFlagsAt = 5116, HourAt = 5123;
    static constexpr std::size_t MinuteAt = 5124, MonthAt = 5125, DayAt = 5126;
    static constexpr std::size_t MinutePastHourAt = 5127, MinutesAt = 5128, WeekdayAt = 5130;
    static constexpr std::size_t YearAt = 5131, PmAt = 5133, ScopeMatchAt = 5134;
    static constexpr std::size_t ChangedAt = 5135, CategoryIdAt = 5143, CuewordCaseAt = 5147;
    static constexpr std::size_t CuewordRemoveAt = 5149, ReservedAt = 5151;
    static constexpr std::size_t ScriptAreaSize = MaxScriptLength + 1;

    ShortString<50> Nickname;
    ShortString<30> ScopeText;
    ShortString<10> CuewordText;
    std::uint16_t ActivationCode = 0;
    std::int16_t MacroKind = 0;
    std::uint8_t Enabled = 0;
    std::uint16_t TextLength = 0;
    // The script text, NUL-terminated; a pop-up menu keeps its member list here.
    std::array<std::uint8_t, ScriptAreaSize> Script{};
    ShortString<12> IconName;
    std::int16_t ScheduleKind = 0;
    std::array<std::uint8_t, 7> DayFlags{};  // Monday .. Sunday
    std::uint8_t Hour = 0, Minute = 0, Month = 0, Day = 0, MinutePastHour = 0;
    std::uint16_t Minutes = 0;
    std::uint8_t Weekday = 0;
    std::uint16_t Year = 0;
    std::uint8_t Pm = 0;
    std::uint8_t ScopeMatch = 0;
    DateTime Changed = 0;
    std::uint32_t CategoryId = 0;
    std::int16_t CuewordCase = 0;
    std::int16_t CuewordRemove = 0;

    // The script up to its NUL, never more than 5,000 characters even when a
    // damaged record lacks the NUL.
    std::string ScriptText() const;
    // Stores text (cut to 5,000 characters) with its NUL; the rest is zeroed.
    void SetScriptText(std::string_view text);

    // The member macro numbers of a pop-up menu record; a count beyond what
    // the area holds is clamped and numbers outside 1..500 are left out.
    std::vector<int> PopupMembers() const;
    void SetPopupMembers(const std::vector<int>& members);

    // The stored bytes; the reserved tail is always written as zeros.
    void Encode(RecordBytes<Size> out) const;
    static MacroRecord Decode(ConstRecordBytes<Size> in);
};

// The values a new macro starts from: global, enabled, activated by a
// Cueword, the main icon, a schedule of once on 1 January 1998 at 12:15 PM,
// Cueword case ignored and the Cueword erased when typed; changed now.
MacroRecord NewMacroRecord(DateTime now);

}  // namespace orv
