// What the flow and timing dialogs compute: from the texts and choices of
// their controls, the command text with its option code and raw values, or
// the message and the control to focus when a value is refused.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "editor/commands/command_dialogs.h"
#include "editor/commands/file_checks.h"

namespace orv::editor {

// Delays (TDoDelay2).
enum class DelayChoice { Seconds = 1, Milliseconds = 2, Timed = 3 };
enum class DelayField { Seconds };
struct DelayValues {
    double RawValue = 0;
};
using DelayOutcome = CommandOutcome<DelayField, DelayValues>;
struct DelayInput {
    DelayChoice Choice = DelayChoice::Seconds;
    std::string Seconds;
};
DelayOutcome ComposeDelay(const DelayInput& input);
template <>
DelayInput InputFromRecord<DelayInput>(CommandCode code, const CommandRecord& record);
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
struct PauseInput {
    bool Basic = false;
    std::string Top = "0";
    std::string Left = "0";
    std::string Message;
};
PauseOutcome ComposePause(const PauseInput& input);
template <>
PauseInput InputFromRecord<PauseInput>(CommandCode code, const CommandRecord& record);

// Repeats and the repeat counter (TDoRepeat).
enum class RepeatChoice { Start = 1, Prompt = 2, End = 3, Counter = 4 };
enum class RepeatField { Count, CStart, CStep };
struct RepeatValues {
    std::int32_t RawCount = 0;
    std::int32_t RawStart = 1;
    std::int32_t RawStep = 1;
};
using RepeatOutcome = CommandOutcome<RepeatField, RepeatValues>;
struct RepeatInput {
    RepeatChoice Choice = RepeatChoice::Start;
    std::string Count = "10";
    std::string Start = "1";
    std::string Step = "1";
};
RepeatOutcome ComposeRepeat(const RepeatInput& input);
template <>
RepeatInput InputFromRecord<RepeatInput>(CommandCode code, const CommandRecord& record);
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
struct SpeedInput {
    SpeedChoice Choice = SpeedChoice::Keyboard;
    std::string Count;
};
SpeedOutcome ComposeSpeed(const SpeedInput& input);
template <>
SpeedInput InputFromRecord<SpeedInput>(CommandCode code, const CommandRecord& record);
std::string_view SpeedLabel(SpeedChoice choice);

// Loading another macro file (TDoSwap), named by its short path.
enum class SwapField { ProgPath };
struct SwapValues {
    std::string FilePath;
};
using SwapOutcome = CommandOutcome<SwapField, SwapValues>;
struct SwapInput {
    std::string Path;
};
SwapOutcome ComposeSwap(const SwapInput& input, const FileChecks& files);
template <>
SwapInput InputFromRecord<SwapInput>(CommandCode code, const CommandRecord& record);

// Remarks (TDoRemark).
enum class RemarkField { Comments };
using RemarkOutcome = CommandOutcome<RemarkField>;
struct RemarkInput {
    std::string Comment;
};
RemarkOutcome ComposeRemark(const RemarkInput& input);
template <>
RemarkInput InputFromRecord<RemarkInput>(CommandCode code, const CommandRecord& record);

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
// The Alt keypad sequence: the digits as typed, three at least. It is typed
// text, a Text line of its own.
using AltKeypadOutcome = CommandOutcome<NumberField>;
struct AltKeypadInput {
    std::string Digits;
};
AltKeypadOutcome ComposeAltKeypad(const AltKeypadInput& input);
template <>
AltKeypadInput InputFromRecord<AltKeypadInput>(CommandCode code, const CommandRecord& record);
// The scheduler's frequency in seconds, or the message refusing the text.
struct FrequencyOutcome {
    std::uint16_t Seconds = 0;
    std::optional<std::string> Refused;
};
FrequencyOutcome ReadSchedulerFrequency(std::string_view seconds);

}  // namespace orv::editor
