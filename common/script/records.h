// The typed record each line of the script editor carries, one value type per
// record kind; the catalogue gives each command its kind. Records are plain
// values: copying a line copies its record, and a record goes with its line.
#pragma once

#include <cstdint>
#include <string>
#include <type_traits>
#include <variant>

#include "common/script/catalogue.h"
#include "common/short_string.h"

namespace orv {

using Str255 = ShortString<255>;

struct TextRec {
    std::string Text;  // literal characters and keystroke tokens as they go into the script
    bool operator==(const TextRec&) const = default;
};
struct DateTimeRec {
    std::uint8_t IsDate = 1;
    std::uint32_t FormatNumber = 1;  // 1-based into DateFormatTable or TimeFormatTable
    std::uint8_t ShowZeros = 0;
    std::uint8_t Future = 1;
    std::int32_t Days = 0;
    bool operator==(const DateTimeRec&) const = default;
};
struct DelayRec {
    std::uint32_t Kind = 1;  // 1 seconds, 2 milliseconds, 3 timed delay
    double Value = 0;
    bool operator==(const DelayRec&) const = default;
};
struct PauseRec {
    static constexpr std::size_t MessageLimit = 180;
    std::uint32_t Kind = 1;  // 1 basic, 2 complex
    std::int32_t Top = 0;
    std::int32_t Left = 0;
    Str255 Message;
    bool operator==(const PauseRec&) const = default;
};
struct RepeatRec {
    std::uint32_t Kind = 1;  // 1 start, 2 start with prompt, 3 end, 4 counter
    std::int32_t Count = 0;  // for a counter the width 1..4
    std::int32_t CounterStart = 1;
    std::int32_t CounterStep = 1;
    bool operator==(const RepeatRec&) const = default;
};
struct SpeedRec {
    std::uint32_t Kind = 1;  // 1 keystrokes, 2 mouse, 3 playback
    std::int32_t Milliseconds = 0;
    double Factor = 1.0;
    bool operator==(const SpeedRec&) const = default;
};
struct LaunchRec {
    std::uint32_t Kind = 1;  // 1 activate, 2 launch, 3 launch and activate, 4 activate or launch
    Str255 Title;
    Str255 Program;
    Str255 Parameters;
    std::int32_t Delay = 0;
    std::int32_t MaxWait = 12;
    bool operator==(const LaunchRec&) const = default;
};
struct SoundRec {
    std::uint32_t Kind = 1;  // 1 beep, 2 wave file
    Str255 File;
    std::uint8_t Wait = 1;
    bool operator==(const SoundRec&) const = default;
};
struct StringRec {
    Str255 Text;  // macro file, text file, remark, web address, folder or printer
    bool operator==(const StringRec&) const = default;
};
struct SizePosRec {
    Str255 Title;
    std::uint32_t WindowAction = 1;  // 1 resize, 2 reposition
    std::uint8_t Current = 0;
    std::int32_t X = 0;
    std::int32_t Y = 0;
    bool operator==(const SizePosRec&) const = default;
};
struct WindowRec {
    Str255 Title;
    std::uint32_t WindowAction = 1;  // 1 maximise .. 7 shut down
    std::uint8_t Current = 0;
    bool operator==(const WindowRec&) const = default;
};
struct MouseRec {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int32_t Steps = 0;
    std::uint32_t Action = 1;  // 1 move; 2-13 buttons; 14, 15 wheel
    std::uint32_t Mode = 2;    // 1 screen, 2 window, 3 last position, 4 caret
    bool operator==(const MouseRec&) const = default;
};
struct ClipboardRec {
    std::uint32_t Kind = 1;  // 1..11
    Str255 File;             // ":PROMPT:" asks when the macro runs
    std::uint8_t IgnoreCrLf = 0;
    bool operator==(const ClipboardRec&) const = default;
};
struct ModifierKeyRec {
    std::uint32_t Action = 1;  // odd press, even release: 1-2 Ctrl, 3-4 Alt, 5-6 Shift, 7-8 Win
    bool operator==(const ModifierKeyRec&) const = default;
};
struct FileRec {
    std::uint32_t Kind = 1;  // 1 change folder, 2 copy, 3 rename, 4 delete, 5 create folder
    Str255 Path;
    Str255 SecondPath;
    bool operator==(const FileRec&) const = default;
};
struct MacroRefRec {
    std::uint32_t Kind = 1;  // 1 run, 2 delete, 3 activate, 4 deactivate
    Str255 Nickname;
    bool operator==(const MacroRefRec&) const = default;
};
struct NetworkRec {
    Str255 Resource;
    Str255 User;
    Str255 Password;  // as ScrambleText gives it
    std::uint8_t Permanent = 0;
    std::uint8_t Force = 0;
    std::uint8_t ShowStatus = 0;
    bool operator==(const NetworkRec&) const = default;
};
struct WTextRec {
    Str255 Header;
    std::string Text;
    bool operator==(const WTextRec&) const = default;
};
struct VideoRec {
    Str255 File;
    std::uint32_t Mode = 3;  // 1 immediately, 2 immediately and exit, 3 wait to play
    bool operator==(const VideoRec&) const = default;
};
struct CdRec {
    std::uint32_t Kind = 1;  // 1..10
    std::int32_t Number = 0;
    bool operator==(const CdRec&) const = default;
};
struct DesktopRec {
    std::uint32_t Action = 1;  // see the token table: 1-25, or 1-4 for the power commands
    bool operator==(const DesktopRec&) const = default;
};
struct DisplaySizeRec {
    std::int32_t ModeIndex = 0;
    bool operator==(const DisplaySizeRec&) const = default;
};
struct SystemRec {
    std::uint32_t Kind = 1;  // 1..7
    Str255 Bitmap;
    std::int32_t Value = 0;
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::uint32_t Style = 0;  // 0 tile, 1 centre, 2 stretch, 3 position
    bool operator==(const SystemRec&) const = default;
};
struct VolumeRec {
    std::uint32_t Action = 1;  // 1..20
    bool operator==(const VolumeRec&) const = default;
};
struct WaitRec {
    std::uint32_t Kind = 1;  // 1..10
    Str255 Text;
    std::int32_t Amount = 0;  // minutes (0 = indefinitely), seconds for a time elapse
    std::uint8_t CaseSensitive = 0;
    bool operator==(const WaitRec&) const = default;
};
struct DialUpRec {
    std::uint32_t Action = 1;  // 1 dial, 2 hang up
    Str255 Entry;
    Str255 User;
    Str255 Password;  // as ScrambleText gives it
    bool operator==(const DialUpRec&) const = default;
};
struct EmailRec {
    std::string Token;  // the whole "<EMAIL:" token
    std::uint32_t Recipients = 1;
    std::uint32_t TextMode = 1;
    std::uint32_t Attachments = 1;
    bool operator==(const EmailRec&) const = default;
};
struct EncryptedRec {
    Str255 Text;  // the enciphered text
    bool operator==(const EncryptedRec&) const = default;
};

using CommandRecord =
    std::variant<TextRec, DateTimeRec, DelayRec, PauseRec, RepeatRec, SpeedRec, LaunchRec, SoundRec,
                 StringRec, SizePosRec, WindowRec, MouseRec, ClipboardRec, ModifierKeyRec, FileRec,
                 MacroRefRec, NetworkRec, WTextRec, VideoRec, CdRec, DesktopRec, DisplaySizeRec,
                 SystemRec, VolumeRec, WaitRec, DialUpRec, EmailRec, EncryptedRec>;

// A fresh record of the kind the catalogue gives the command.
CommandRecord NewRecord(CommandCode code);

// True when the record is of the command's kind.
bool IsRecordOf(CommandCode code, const CommandRecord& record);

// One line of the script editor's command list. The line keeps its command
// code: its text only shows it, and indentation rewrites the text.
struct CommandLine {
    std::string Text;
    CommandCode Code = CommandCode::None;
    CommandRecord Record;
    // The line's text in the script it was read from, written back as it
    // stood; empty for a line a dialog made, which is composed from its record.
    std::string Source = {};
    bool operator==(const CommandLine&) const = default;
};

}  // namespace orv
