#include "editor/commands/flow_commands.h"

#include <cmath>

#include "common/script/fields.h"
#include "common/whole_numbers.h"

namespace orv::editor {
namespace {

constexpr const char* AboveZeroTo60 = "Value must be greater than zero and no larger than 60.";
constexpr const char* AboveZero = "Value must be greater than zero.";
constexpr const char* ZeroOrMore = "Value must be zero or greater.";

// A whole number in [low, high]; text that is no number is out of range.
std::optional<std::int32_t> WholeIn(std::string_view text, std::int32_t low, std::int32_t high) {
    std::optional<std::int32_t> n = ParseWholeNumber(text);
    if (!n || *n < low || *n > high)
        return std::nullopt;
    return n;
}

// Two decimals as the tokens carry them: what rounds to 0.00 is no delay.
bool RoundsToZero(double value) {
    return ToHundredths(value) == 0;
}

// The record of the command, when it is of the family the dialog composes.
template <class Rec>
const Rec* RecordOf(const CommandRecord& record) {
    return std::get_if<Rec>(&record);
}

std::string WholeText(double value) {
    return NumberText(std::llround(value));
}

// The counter start or step of a repeat, or the refusal for its box. The
// player keeps both as unsigned 16-bit values, and a negative one written as
// typed ("0000-5") would read back as 0.
std::optional<std::int32_t> CounterValue(const std::string& text, std::string_view which,
                                         RepeatField box, RepeatOutcome& out) {
    std::optional<std::int32_t> n = ParseWholeNumber(EditText(text));
    if (!n)
        out.Refuse("Invalid " + std::string(which) + " counter specified.  Please Correct.", box);
    else if (*n < 0 || *n > 65535)
        out.Refuse(
            "The counter " + std::string(which) + " must be between 0 and 65535.  Please Correct.",
            box);
    else
        return n;
    return std::nullopt;
}

}  // namespace

DelayOutcome ComposeDelay(const DelayInput& input) {
    DelayOutcome out;
    DelayChoice choice = input.Choice;
    out.OptionCode = static_cast<std::int32_t>(choice);
    std::string text = EditText(input.Seconds);
    switch (choice) {
        case DelayChoice::Timed: {
            std::optional<std::int32_t> n = WholeIn(text, 1, 60);
            if (!n) {
                out.Refuse(AboveZeroTo60, DelayField::Seconds);
                return out;
            }
            out.Raw.RawValue = *n;
            out.Compose(CommandCode::WaitTimeDelay, DelayRec{3, out.Raw.RawValue},
                        DelayField::Seconds);
            return out;
        }
        case DelayChoice::Seconds: {
            std::optional<double> v = ParseRealNumber(text);
            if (!v || *v <= 0 || *v > 60 || RoundsToZero(*v)) {
                out.Refuse(AboveZeroTo60, DelayField::Seconds);
                return out;
            }
            out.Raw.RawValue = *v;
            out.Compose(CommandCode::Delay, DelayRec{1, ToHundredths(*v)}, DelayField::Seconds);
            return out;
        }
        case DelayChoice::Milliseconds:
            break;
    }
    std::optional<std::int32_t> n = ParseWholeNumber(text);
    if (!n || *n < 1) {
        out.Refuse(AboveZero, DelayField::Seconds);
    } else if (*n > 9999) {
        out.Refuse("Value must be less than 9999.", DelayField::Seconds);
    } else {
        out.Raw.RawValue = *n;
        out.Compose(CommandCode::Delay, DelayRec{2, out.Raw.RawValue}, DelayField::Seconds);
    }
    return out;
}

template <>
DelayInput InputFromRecord<DelayInput>(CommandCode code, const CommandRecord& record) {
    const DelayRec* r = RecordOf<DelayRec>(record);
    if (!r)
        return {};
    if (code == CommandCode::WaitTimeDelay)
        return {DelayChoice::Timed, WholeText(r->Value)};
    if (r->Kind == 2)
        return {DelayChoice::Milliseconds, WholeText(r->Value)};
    return {DelayChoice::Seconds, RealText(r->Value, 2)};
}

int DelayMaxLength(DelayChoice choice) {
    switch (choice) {
        case DelayChoice::Timed:
            return 2;
        case DelayChoice::Seconds:
            return 5;
        case DelayChoice::Milliseconds:
            break;
    }
    return 4;
}

PauseOutcome ComposePause(const PauseInput& input) {
    PauseOutcome out;
    if (input.Basic) {
        out.OptionCode = 1;
        out.Compose(CommandCode::Pause, PauseRec{}, PauseField::TopCoord);
        return out;
    }
    out.OptionCode = 2;
    // The coordinates have three digits in the token.
    std::optional<std::int32_t> t = WholeIn(EditText(input.Top), 0, 999);
    if (!t) {
        out.Refuse("Invalid Top Window Coordinate entered.  Please correct.", PauseField::TopCoord);
        return out;
    }
    std::optional<std::int32_t> l = WholeIn(EditText(input.Left), 0, 999);
    if (!l) {
        out.Refuse("Invalid Left Window Coordinate entered.  Please correct.",
                   PauseField::LeftCoord);
        return out;
    }
    out.Raw = {*l, *t, EditText(input.Message)};
    PauseRec record{2, *t, *l, {}};
    record.Message = out.Raw.RawMessage;
    out.Compose(CommandCode::Pause, record, PauseField::PauseMessage);
    return out;
}

template <>
PauseInput InputFromRecord<PauseInput>(CommandCode, const CommandRecord& record) {
    const PauseRec* r = RecordOf<PauseRec>(record);
    if (!r)
        return {};
    if (r->Kind == 1)
        return {true};
    return {false, NumberText(r->Top), NumberText(r->Left), r->Message.str()};
}

RepeatOutcome ComposeRepeat(const RepeatInput& input) {
    RepeatOutcome out;
    const std::string& count = input.Count;
    const std::string& start = input.Start;
    const std::string& step = input.Step;
    switch (input.Choice) {
        case RepeatChoice::Start: {
            out.OptionCode = 1;
            std::optional<std::int32_t> n = ParseWholeNumber(EditText(count));
            if (!n || *n < 1) {
                out.Refuse(AboveZero, RepeatField::Count);
                return out;
            }
            if (*n > 9999) {
                out.Refuse("Value must be no larger than 9999.", RepeatField::Count);
                return out;
            }
            std::optional<std::int32_t> s = CounterValue(start, "start", RepeatField::CStart, out);
            if (!s)
                return out;
            std::optional<std::int32_t> p = CounterValue(step, "step", RepeatField::CStep, out);
            if (!p)
                return out;
            out.Raw = {*n, *s, *p};
            out.Compose(CommandCode::RepeatStart, RepeatRec{1, *n, *s, *p}, RepeatField::Count);
            return out;
        }
        case RepeatChoice::Counter: {
            out.OptionCode = 4;
            std::optional<std::int32_t> width = WholeIn(EditText(count), 1, 4);
            if (!width) {
                out.Refuse("Width must be between 1 and 4.", RepeatField::Count);
                return out;
            }
            out.Raw.RawCount = *width;
            out.Compose(CommandCode::RepeatCounter, RepeatRec{4, *width, 1, 1}, RepeatField::Count);
            return out;
        }
        case RepeatChoice::Prompt:
            out.OptionCode = 2;
            out.Compose(CommandCode::RepeatPromptStart, RepeatRec{2, 0, 1, 1}, RepeatField::Count);
            return out;
        case RepeatChoice::End:
            break;
    }
    out.OptionCode = 3;
    out.Compose(CommandCode::RepeatEnd, RepeatRec{3, 0, 1, 1}, RepeatField::Count);
    return out;
}

template <>
RepeatInput InputFromRecord<RepeatInput>(CommandCode code, const CommandRecord& record) {
    const RepeatRec* r = RecordOf<RepeatRec>(record);
    if (!r)
        return {};
    switch (code) {
        case CommandCode::RepeatStart:
            return {RepeatChoice::Start, NumberText(r->Count), NumberText(r->CounterStart),
                    NumberText(r->CounterStep)};
        case CommandCode::RepeatCounter:
            return {RepeatChoice::Counter, NumberText(r->Count)};
        case CommandCode::RepeatPromptStart:
            return {RepeatChoice::Prompt};
        default:
            return {RepeatChoice::End};
    }
}

RepeatLayout RepeatLayoutFor(RepeatChoice choice) {
    switch (choice) {
        case RepeatChoice::Start:
            return {true, "Repeat Count", true};
        case RepeatChoice::Counter:
            return {true, "Counter Width", false};
        case RepeatChoice::Prompt:
        case RepeatChoice::End:
            break;
    }
    return {};
}

SpeedOutcome ComposeSpeed(const SpeedInput& input) {
    SpeedOutcome out;
    SpeedChoice choice = input.Choice;
    out.OptionCode = static_cast<std::int32_t>(choice);
    std::string text = EditText(input.Count);
    if (choice == SpeedChoice::Macro) {
        std::optional<double> factor = ParseRealNumber(text);
        if (!factor || *factor < 0) {
            out.Refuse(ZeroOrMore, SpeedField::Count);
        } else if (std::round(*factor * 100) >= 10000) {
            // 100.00 would not fit the five characters of the token.
            out.Refuse("Value must be less than 100.", SpeedField::Count);
        } else {
            out.Raw = {0, *factor};
            out.Compose(CommandCode::MacroPlaybackSpeed, SpeedRec{3, 0, ToHundredths(*factor)},
                        SpeedField::Count);
        }
        return out;
    }
    std::optional<std::int32_t> ms = ParseWholeNumber(text);
    if (!ms || *ms < 0) {
        out.Refuse(ZeroOrMore, SpeedField::Count);
    } else if (*ms > 9999) {
        out.Refuse("Value must be less than 10000.", SpeedField::Count);
    } else {
        out.Raw = {*ms, 1.0};
        std::uint32_t kind = choice == SpeedChoice::Keyboard ? 1 : 2;
        CommandCode code =
            choice == SpeedChoice::Keyboard ? CommandCode::KeystrokeSpeed : CommandCode::MouseSpeed;
        out.Compose(code, SpeedRec{kind, *ms, 1.0}, SpeedField::Count);
    }
    return out;
}

template <>
SpeedInput InputFromRecord<SpeedInput>(CommandCode code, const CommandRecord& record) {
    const SpeedRec* r = RecordOf<SpeedRec>(record);
    if (!r)
        return {};
    switch (code) {
        case CommandCode::MacroPlaybackSpeed:
            return {SpeedChoice::Macro, RealText(r->Factor, 2)};
        case CommandCode::MouseSpeed:
            return {SpeedChoice::Mouse, NumberText(r->Milliseconds)};
        default:
            return {SpeedChoice::Keyboard, NumberText(r->Milliseconds)};
    }
}

std::string_view SpeedLabel(SpeedChoice choice) {
    return choice == SpeedChoice::Macro ? "Playback Factor" : "Delay in Milliseconds";
}

SwapOutcome ComposeSwap(const SwapInput& input, const FileChecks& files) {
    SwapOutcome out;
    std::optional<std::string> shortPath = files.ExistingFile(EditText(input.Path));
    if (!shortPath) {
        out.Refuse("Specified Macro File does not exist.  Please correct.", SwapField::ProgPath);
        return out;
    }
    out.Raw.FilePath = *shortPath;
    StringRec record;
    record.Text = *shortPath;
    out.Compose(CommandCode::LoadNewMacroFile, record, SwapField::ProgPath);
    return out;
}

template <>
SwapInput InputFromRecord<SwapInput>(CommandCode, const CommandRecord& record) {
    const StringRec* r = RecordOf<StringRec>(record);
    return {r ? r->Text.str() : ""};
}

RemarkOutcome ComposeRemark(const RemarkInput& input) {
    RemarkOutcome out;
    StringRec record;
    record.Text = EditText(input.Comment);
    out.Compose(CommandCode::Remark, record, RemarkField::Comments);
    return out;
}

template <>
RemarkInput InputFromRecord<RemarkInput>(CommandCode, const CommandRecord& record) {
    const StringRec* r = RecordOf<StringRec>(record);
    return {r ? r->Text.str() : ""};
}

DelayModeLayout DelayModeLayoutFor(DelayMode mode) {
    if (mode == DelayMode::AltKeypad)
        return {"Alt Keypad Sequence", "Keypad Numbers", 4, false};
    return {"Scheduler Frequency", "Check Every", 2, true};
}

AltKeypadOutcome ComposeAltKeypad(const AltKeypadInput& input) {
    AltKeypadOutcome out;
    std::string text = EditText(input.Digits);
    // Only plain digits: a sign or hexadecimal form would go into the token as typed.
    bool numeric = !text.empty() && text.size() <= 4 &&
                   text.find_first_not_of("0123456789") == std::string::npos;
    if (!numeric) {
        out.Refuse("Value must be numeric.", NumberField::Seconds);
        return out;
    }
    std::string token = text.size() == 4 ? "<ALT4:" + text + ">"
                                         : "<ALT:" + std::string(3 - text.size(), '0') + text + ">";
    out.Compose(CommandCode::Text, TextRec{token}, NumberField::Seconds);
    return out;
}

template <>
AltKeypadInput InputFromRecord<AltKeypadInput>(CommandCode, const CommandRecord& record) {
    const TextRec* r = RecordOf<TextRec>(record);
    if (!r)
        return {};
    std::string_view text = r->Text;
    std::size_t colon = text.find(':');
    if (!text.starts_with("<ALT") || colon == std::string_view::npos || !text.ends_with(">"))
        return {};
    return {std::string(text.substr(colon + 1, text.size() - colon - 2))};
}

FrequencyOutcome ReadSchedulerFrequency(std::string_view seconds) {
    std::optional<std::int32_t> n = WholeIn(EditText(seconds), 1, 60);
    if (!n)
        return {0, "Value must be between 1 and 60."};
    return {static_cast<std::uint16_t>(*n), std::nullopt};
}

}  // namespace orv::editor
