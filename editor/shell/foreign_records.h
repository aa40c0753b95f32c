// The records of the two foreign macro files the editor imports, ".DR2" and
// ".CUW", and the macro records made of them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/bytes.h"
#include "common/date_time.h"
#include "common/macro_record.h"
#include "common/schedule.h"
#include "common/short_string.h"

namespace orv::editor {

// One record of a ".DR2" file: headerless, 5,141 bytes, little-endian.
struct DravelMacroRecord {
    static constexpr std::size_t Size = 5141;
    static constexpr std::size_t NicknameAt = 0, TitleAt = 51, ActivationCodeAt = 82;
    static constexpr std::size_t MacroKindAt = 84, EnabledAt = 86, ClipboardAt = 87;
    static constexpr std::size_t TextLengthAt = 88, ScriptAt = 90, ScheduleKindAt = 5091;
    static constexpr std::size_t ScheduleBytesAt = 5093, MinutesAt = 5105, WeekdayAt = 5107;
    static constexpr std::size_t YearAt = 5108, PmAt = 5110, TopMostAt = 5111, UnreadAt = 5112;
    static constexpr std::size_t ScriptAreaSize = MaxScriptLength + 1;

    ShortString<50> Nickname;
    ShortString<30> Title;
    std::uint16_t ActivationCode = 0;
    std::uint16_t MacroKind = 0;
    std::uint8_t Enabled = 0;
    std::uint8_t Clipboard = 0;
    std::uint16_t TextLength = 0;
    std::string Script;  // up to its NUL, at most 5,000 characters
    std::uint16_t ScheduleKind = 0;
    // Day flags Monday..Sunday, hour, minute, month, day, minute past the hour.
    std::array<std::uint8_t, 12> ScheduleBytes{};
    std::uint16_t Minutes = 0;
    std::uint8_t Weekday = 0;
    std::uint16_t Year = 0;
    std::uint8_t Pm = 0;
    std::uint8_t TopMost = 0;

    static DravelMacroRecord Decode(ConstRecordBytes<Size> in);
};

// One record of a ".CUW" Cueword file: headerless, 3,039 bytes.
struct CuewordImportRecord {
    static constexpr std::size_t Size = 3039;
    static constexpr std::size_t CuewordAt = 3, EnabledAt = 14, TextLengthAt = 15;
    static constexpr std::size_t ScriptAt = 17, ClipboardAt = 3018, UnreadAt = 3019;
    static constexpr std::size_t MaxText = 3000;

    ShortString<10> Cueword;
    std::uint8_t Enabled = 0;
    std::uint16_t TextLength = 0;
    std::string Script;  // up to its NUL, at most 3,000 characters
    std::uint8_t Clipboard = 0;

    static CuewordImportRecord Decode(ConstRecordBytes<Size> in);
};

// A ".DR2" script that starts a program ("<LAUNCH>", one more character, the
// program, optionally "<PARAM>" and the folder to start in) as this system's
// commands. Nothing when the command would be longer than 255 characters.
std::optional<std::string> RewriteLaunch(std::string_view text);

// Why the schedule dialog would not store the schedule of a timed ".DR2"
// record (its kind outside the dialog's, a value it refuses), or nothing;
// now decides whether a single run lies in the past.
std::optional<std::string> DravelScheduleRefusal(const DravelMacroRecord& source,
                                                 const DateTimeParts& now);

// The macro of a ".DR2" record; nothing (with a message) when its launch
// command cannot be written.
std::optional<MacroRecord> ImportedFromDravel(const DravelMacroRecord& source, DateTime now);

// The macro of a ".CUW" record: a global Cueword macro with default values.
MacroRecord ImportedFromCueword(const CuewordImportRecord& source, DateTime now);

}  // namespace orv::editor
