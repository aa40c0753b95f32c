#include "common/macro_record.h"

#include <algorithm>
#include <cstring>
#include "common/hotkeys.h"

namespace orv {

namespace {
constexpr std::size_t MaxPopupMembers = (MacroRecord::ScriptAreaSize - 2) / 2;
constexpr int MaxMacroNumber = 500;
}  // namespace

std::string MacroRecord::ScriptText() const {
    auto first = Script.begin();
    auto end = std::find(first, first + MaxScriptLength, 0);
    return std::string(first, end);
}

void MacroRecord::SetScriptText(std::string_view text) {
    Script.fill(0);
    text = text.substr(0, MaxScriptLength);
    std::memcpy(Script.data(), text.data(), text.size());
}

std::vector<int> MacroRecord::PopupMembers() const {
    std::size_t count = std::min<std::size_t>(GetU16(Script, 0), MaxPopupMembers);
    std::vector<int> members;
    for (std::size_t k = 0; k < count; ++k) {
        int n = GetU16(Script, 2 + 2 * k);
        if (n >= 1 && n <= MaxMacroNumber)
            members.push_back(n);
    }
    return members;
}

void MacroRecord::SetPopupMembers(const std::vector<int>& members) {
    Script.fill(0);
    std::size_t count = std::min(members.size(), MaxPopupMembers);
    PutU16(Script, 0, static_cast<std::uint16_t>(count));
    for (std::size_t k = 0; k < count; ++k)
        PutU16(Script, 2 + 2 * k, static_cast<std::uint16_t>(members[k]));
}

void MacroRecord::Encode(RecordBytes<Size> out) const {
    std::ranges::fill(out, 0);
    Nickname.Encode(out, NicknameAt);
    ScopeText.Encode(out, ScopeTextAt);
    CuewordText.Encode(out, CuewordTextAt);
    PutU16(out, ActivationCodeAt, ActivationCode);
    PutI16(out, MacroKindAt, MacroKind);
    out[EnabledAt] = Enabled;
    PutU16(out, TextLengthAt, TextLength);
    std::copy(Script.begin(), Script.end(), out.begin() + ScriptAt);
    IconName.Encode(out, IconNameAt);
    PutI16(out, ScheduleKindAt, ScheduleKind);
    std::copy(DayFlags.begin(), DayFlags.end(), out.begin() + DayFlagsAt);
    out[HourAt] = Hour;
    out[MinuteAt] = Minute;
    out[MonthAt] = Month;
    out[DayAt] = Day;
    out[MinutePastHourAt] = MinutePastHour;
    PutU16(out, MinutesAt, Minutes);
    out[WeekdayAt] = Weekday;
    PutU16(out, YearAt, Year);
    out[PmAt] = Pm;
    out[ScopeMatchAt] = ScopeMatch;
    PutF64(out, ChangedAt, Changed);
    PutU32(out, CategoryIdAt, CategoryId);
    PutI16(out, CuewordCaseAt, CuewordCase);
    PutI16(out, CuewordRemoveAt, CuewordRemove);
}

MacroRecord MacroRecord::Decode(ConstRecordBytes<Size> in) {
    MacroRecord r;
    r.Nickname = decltype(r.Nickname)::Decode(in, NicknameAt);
    r.ScopeText = decltype(r.ScopeText)::Decode(in, ScopeTextAt);
    r.CuewordText = decltype(r.CuewordText)::Decode(in, CuewordTextAt);
    r.ActivationCode = GetU16(in, ActivationCodeAt);
    r.MacroKind = GetI16(in, MacroKindAt);
    r.Enabled = in[EnabledAt];
    r.TextLength = GetU16(in, TextLengthAt);
    std::copy_n(in.begin() + ScriptAt, ScriptAreaSize, r.Script.begin());
    r.IconName = decltype(r.IconName)::Decode(in, IconNameAt);
    r.ScheduleKind = GetI16(in, ScheduleKindAt);
    std::copy_n(in.begin() + DayFlagsAt, r.DayFlags.size(), r.DayFlags.begin());
    r.Hour = in[HourAt];
    r.Minute = in[MinuteAt];
    r.Month = in[MonthAt];
    r.Day = in[DayAt];
    r.MinutePastHour = in[MinutePastHourAt];
    r.Minutes = GetU16(in, MinutesAt);
    r.Weekday = in[WeekdayAt];
    r.Year = GetU16(in, YearAt);
    r.Pm = in[PmAt];
    r.ScopeMatch = in[ScopeMatchAt];
    r.Changed = GetF64(in, ChangedAt);
    r.CategoryId = GetU32(in, CategoryIdAt);
    r.CuewordCase = GetI16(in, CuewordCaseAt);
    r.CuewordRemove = GetI16(in, CuewordRemoveAt);
    return r;
}

static_assert(MacroRecord::ReservedAt + 14 == MacroRecord::Size);
static_assert(MacroRecord::ScriptAt + MacroRecord::ScriptAreaSize == MacroRecord::IconNameAt);
static_assert(MacroRecord::IconNameAt + ShortStringSize(12) == MacroRecord::ScheduleKindAt);

MacroRecord NewMacroRecord(DateTime now) {
    MacroRecord record;
    record.ActivationCode = ActivationCode::Cueword;
    record.MacroKind = MacroKind::Global;
    record.Enabled = 1;
    record.IconName = "MAIN";
    record.ScheduleKind = 1;
    record.Month = 1;
    record.Day = 1;
    record.MinutePastHour = 15;
    record.Minutes = 15;
    record.Weekday = 1;
    record.Year = 1998;
    record.Pm = 1;
    record.ScopeMatch = 1;
    record.Changed = now;
    record.CuewordCase = 3;
    record.CuewordRemove = 1;
    return record;
}

}  // namespace orv
