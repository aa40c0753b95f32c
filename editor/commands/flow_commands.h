// What the flow and timing dialogs compute: from the texts and choices of
// their controls, the command text with its option code and raw values, or
// the message and the control to focus when a value is refused.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "editor/commands/command_dialogs.h"

namespace orv {

// Delays (TDoDelay2).
enum class DelayChoice { Seconds = 1, Milliseconds = 2, Timed = 3 };
enum class DelayField { Seconds };
struct DelayValues {
    double RawValue = 0;
};
using DelayOutcome = CommandOutcome<DelayField, DelayValues>;
DelayOutcome ComposeDelay(DelayChoice choice, std::string_view seconds);
// The number of characters the delay box takes for the choice.
int DelayMaxLength(DelayChoice choice);

// Pauses (TDoPausePos).
enum class PauseField { TopCoord, LeftCoord, PauseMessage };
struct PauseValues {
    std::int32_t RawLeft = 0;
    std::int32_t RawTop = 0;
    std::string RawMessage;
};
using PauseOutcome = CommandOutcome<PauseField, PauseValues>;
PauseOutcome ComposePause(bool basic, std::string_view top, std::string_view left,
                          std::string_view message);

// Repeats and the repeat counter (TDoRepeat).
enum class RepeatChoice { Start = 1, Prompt = 2, End = 3, Counter = 4 };
enum class RepeatField { Count, CStart, CStep };
struct RepeatValues {
    std::int32_t RawCount = 0;
    std::int32_t RawStart = 1;
    std::int32_t RawStep = 1;
};
using RepeatOutcome = CommandOutcome<RepeatField, RepeatValues>;
RepeatOutcome ComposeRepeat(RepeatChoice choice, std::string_view count, std::string_view start,
                            std::string_view step);
// Which boxes a choice uses, and the count box's label.
struct RepeatLayout {
    bool ShowCount = false;
    std::string_view CountLabel;
    bool ShowCounter = false;
};
RepeatLayout RepeatLayoutFor(RepeatChoice choice);

// Keystroke, mouse and playback speed (TDoSpeed).
enum class SpeedChoice { Keyboard = 1, Mouse = 2, Macro = 3 };
enum class SpeedField { Count };
struct SpeedValues {
    std::int32_t RawCount = 0;
    double RawFactor = 1.0;
};
using SpeedOutcome = CommandOutcome<SpeedField, SpeedValues>;
SpeedOutcome ComposeSpeed(SpeedChoice choice, std::string_view count);
std::string_view SpeedLabel(SpeedChoice choice);

// Loading another macro file (TDoSwap). shortPathOf gives the short (8.3)
// form of a path naming an existing file, or nothing.
enum class SwapField { ProgPath };
struct SwapValues {
    std::string FilePath;
};
using SwapOutcome = CommandOutcome<SwapField, SwapValues>;
using ShortPathOf = std::function<std::optional<std::string>(const std::string& path)>;
SwapOutcome ComposeSwap(std::string_view path, const ShortPathOf& shortPathOf);

// Remarks (TDoRemark).
enum class RemarkField { Comments };
struct NoValues {};
using RemarkOutcome = CommandOutcome<RemarkField, NoValues>;
RemarkOutcome ComposeRemark(std::string_view comment);

// The small number dialog (TDoDelay) in its two modes.
enum class DelayMode { AltKeypad = 3, SchedulerFrequency = 5 };
struct DelayModeLayout {
    std::string_view Caption;
    std::string_view Label;
    int MaxLength = 0;
    bool ShowSecondsLabel = false;
};
DelayModeLayout DelayModeLayoutFor(DelayMode mode);
enum class NumberField { Seconds };
// The Alt keypad sequence: the digits as typed, three at least.
using AltKeypadOutcome = CommandOutcome<NumberField, NoValues>;
AltKeypadOutcome ComposeAltKeypad(std::string_view digits);
// The scheduler's frequency in seconds, or the message refusing the text.
struct FrequencyOutcome {
    std::uint16_t Seconds = 0;
    std::optional<std::string> Refused;
};
FrequencyOutcome ReadSchedulerFrequency(std::string_view seconds);

}  // namespace orv
