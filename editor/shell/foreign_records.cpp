#include "editor/shell/foreign_records.h"

#include <algorithm>

#include "common/hotkeys.h"
#include "common/message_boxes.h"
#include "common/string_routines.h"
#include "editor/shell/imported_record.h"

namespace orv::editor {

namespace {

constexpr std::string_view Launch = "<LAUNCH>";
constexpr std::string_view Param = "<PARAM>";
constexpr std::string_view ClipStart = "<BEGCLIP>";
constexpr std::string_view ClipEnd = "<ENDCLIP><CLIPP>";
// "<LAUNCH>" and the one character after it come before the program.
constexpr std::size_t ProgramAt = Launch.size() + 1;

// The text of a NUL-terminated area, never past limit characters.
std::string TextUpToNul(ConstBytes in, std::size_t at, std::size_t limit) {
    auto first = in.begin() + static_cast<std::ptrdiff_t>(at);
    return std::string(first, std::find(first, first + static_cast<std::ptrdiff_t>(limit), 0));
}

// The script as a pasted text when the record asks for the clipboard; a text
// too long for the wrapping is cut inside it, so the paste stays complete.
void StoreScript(MacroRecord& record, std::string_view text, bool clipboard,
                 std::uint16_t storedLength) {
    if (!clipboard) {
        record.SetScriptText(text);
        record.TextLength = storedLength;
        return;
    }
    const std::size_t room = MaxScriptLength - ClipStart.size() - ClipEnd.size();
    if (text.size() > room) {
        ShowError(TextTooLongMessage(text));
        text = text.substr(0, room);
    }
    StoreImportedText(record, std::string(ClipStart) + std::string(text) + std::string(ClipEnd));
}

}  // namespace

DravelMacroRecord DravelMacroRecord::Decode(ConstRecordBytes<Size> in) {
    DravelMacroRecord r;
    r.Nickname = decltype(r.Nickname)::Decode(in, NicknameAt);
    r.Title = decltype(r.Title)::Decode(in, TitleAt);
    r.ActivationCode = GetU16(in, ActivationCodeAt);
    r.MacroKind = GetU16(in, MacroKindAt);
    r.Enabled = in[EnabledAt];
    r.Clipboard = in[ClipboardAt];
    r.TextLength = GetU16(in, TextLengthAt);
    r.Script = TextUpToNul(in, ScriptAt, MaxScriptLength);
    r.ScheduleKind = GetU16(in, ScheduleKindAt);
    std::copy_n(in.begin() + ScheduleBytesAt, r.ScheduleBytes.size(), r.ScheduleBytes.begin());
    r.Minutes = GetU16(in, MinutesAt);
    r.Weekday = in[WeekdayAt];
    r.Year = GetU16(in, YearAt);
    r.Pm = in[PmAt];
    r.TopMost = in[TopMostAt];
    return r;
}

CuewordImportRecord CuewordImportRecord::Decode(ConstRecordBytes<Size> in) {
    CuewordImportRecord r;
    r.Cueword = decltype(r.Cueword)::Decode(in, CuewordAt);
    r.Enabled = in[EnabledAt];
    r.TextLength = GetU16(in, TextLengthAt);
    r.Script = TextUpToNul(in, ScriptAt, MaxText);
    r.Clipboard = in[ClipboardAt];
    return r;
}

static_assert(DravelMacroRecord::TitleAt == ShortStringSize(50));
static_assert(DravelMacroRecord::ActivationCodeAt ==
              DravelMacroRecord::TitleAt + ShortStringSize(30));
static_assert(DravelMacroRecord::ScriptAt + DravelMacroRecord::ScriptAreaSize ==
              DravelMacroRecord::ScheduleKindAt);
static_assert(DravelMacroRecord::ScheduleBytesAt + 12 == DravelMacroRecord::MinutesAt);
static_assert(DravelMacroRecord::UnreadAt + 29 == DravelMacroRecord::Size);
static_assert(CuewordImportRecord::EnabledAt ==
              CuewordImportRecord::CuewordAt + ShortStringSize(10));
static_assert(CuewordImportRecord::ScriptAt + CuewordImportRecord::MaxText + 1 ==
              CuewordImportRecord::ClipboardAt);
static_assert(CuewordImportRecord::UnreadAt + 20 == CuewordImportRecord::Size);

std::optional<std::string> RewriteLaunch(std::string_view text) {
    const std::size_t param = text.find(Param);
    std::string command;
    if (param == std::string_view::npos) {
        command = "<LAUNCH:" + std::string(text.substr(std::min(ProgramAt, text.size()))) + ">";
    } else {
        // A "<PARAM>" inside the launch marker leaves no program name.
        const std::size_t programEnd = std::max(param, ProgramAt);
        command =
            "<CHDIR:" + std::string(text.substr(param + Param.size())) + "><LAUNCH:" +
            std::string(text.substr(std::min(ProgramAt, text.size()), programEnd - ProgramAt)) +
            ">";
    }
    if (command.size() > MaxShortString)
        return std::nullopt;
    return command;
}

std::optional<std::string> DravelScheduleRefusal(const DravelMacroRecord& source,
                                                 const DateTimeParts& now) {
    if (source.ActivationCode != ActivationCode::Scheduled)
        return std::nullopt;
    if (source.ScheduleKind > static_cast<std::uint16_t>(ScheduleKind::Idle))
        return "its schedule kind " + std::to_string(source.ScheduleKind) +
               " is not one this editor knows.";
    // The values as the dialog's controls show the record.
    const std::array<std::uint8_t, 12>& bytes = source.ScheduleBytes;
    ScheduleEntry entry;
    entry.Kind = static_cast<ScheduleKind>(source.ScheduleKind);
    entry.Hour = std::to_string(bytes[7]);
    entry.Minute = std::to_string(bytes[8]);
    entry.Pm = source.Pm == 1;
    entry.Year = std::to_string(source.Year);
    entry.MonthIndex = bytes[9] - 1;
    entry.Day = std::to_string(bytes[10]);
    entry.Minutes = std::to_string(entry.Kind == ScheduleKind::Hourly ? bytes[11] : source.Minutes);
    if (std::optional<ScheduleRefusal> refusal = CheckSchedule(entry, now))
        return "its schedule: " + refusal->Message;
    // The dialog offers the seven days only.
    if (entry.Kind == ScheduleKind::Weekly && (source.Weekday < 1 || source.Weekday > 7))
        return "its schedule: Invalid day of week specified.";
    return std::nullopt;
}

std::optional<MacroRecord> ImportedFromDravel(const DravelMacroRecord& source, DateTime now) {
    MacroRecord record = NewMacroRecord(now);
    record.Nickname = source.Nickname;
    record.ScopeText = source.Title;
    record.ActivationCode = source.ActivationCode;
    record.MacroKind = static_cast<std::int16_t>(source.MacroKind);
    record.Enabled = source.Enabled;
    if (source.Script.starts_with(Launch)) {
        std::optional<std::string> command = RewriteLaunch(source.Script);
        if (!command) {
            CurrentMessageBoxes().Show(
                "Error",
                "The program start of the macro \"" + source.Nickname.str() +
                    "\" is longer than the 255 character limit of a command.  The macro will "
                    "not be imported.",
                MsgStyle::Ok | MsgStyle::IconError);
            return std::nullopt;
        }
        // The launch commands are typed, never pasted.
        StoreImportedText(record, *command);
    } else {
        StoreScript(record, source.Script, source.Clipboard != 0, source.TextLength);
    }
    record.ScheduleKind = static_cast<std::int16_t>(source.ScheduleKind);
    std::copy_n(source.ScheduleBytes.begin(), 7, record.DayFlags.begin());
    record.Hour = source.ScheduleBytes[7];
    record.Minute = source.ScheduleBytes[8];
    record.Month = source.ScheduleBytes[9];
    record.Day = source.ScheduleBytes[10];
    record.MinutePastHour = source.ScheduleBytes[11];
    record.Minutes = source.Minutes;
    record.Weekday = source.Weekday;
    record.Year = source.Year;
    record.Pm = source.Pm;
    record.ScopeMatch = source.TopMost;
    return record;
}

MacroRecord ImportedFromCueword(const CuewordImportRecord& source, DateTime now) {
    MacroRecord record = NewMacroRecord(now);
    StoreForeignCueword(record, source.Cueword);
    record.Enabled = source.Enabled;
    StoreScript(record, source.Script, source.Clipboard != 0, source.TextLength);
    return record;
}

}  // namespace orv::editor
