#include "editor/commands/flow_commands.h"

#include <cmath>

#include "common/whole_numbers.h"

namespace orv {
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
    return std::round(value * 100) == 0;
}

}  // namespace

DelayOutcome ComposeDelay(DelayChoice choice, std::string_view seconds) {
    DelayOutcome out;
    out.OptionCode = static_cast<std::int32_t>(choice);
    std::string text = EditText(seconds);
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
            out.Compose(CommandCode::Delay, DelayRec{1, *v}, DelayField::Seconds);
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

PauseOutcome ComposePause(bool basic, std::string_view top, std::string_view left,
                          std::string_view message) {
    PauseOutcome out;
    if (basic) {
        out.OptionCode = 1;
        out.Compose(CommandCode::Pause, PauseRec{}, PauseField::TopCoord);
        return out;
    }
    out.OptionCode = 2;
    // The coordinates have three digits in the token.
    std::optional<std::int32_t> t = WholeIn(EditText(top), 0, 999);
    if (!t) {
        out.Refuse("Invalid Top Window Coordinate entered.  Please correct.", PauseField::TopCoord);
        return out;
    }
    std::optional<std::int32_t> l = WholeIn(EditText(left), 0, 999);
    if (!l) {
        out.Refuse("Invalid Left Window Coordinate entered.  Please correct.",
                   PauseField::LeftCoord);
        return out;
    }
    out.Raw = {*l, *t, EditText(message)};
    PauseRec record{2, *t, *l, {}};
    record.Message = out.Raw.RawMessage;
    out.Compose(CommandCode::Pause, record, PauseField::PauseMessage);
    return out;
}

RepeatOutcome ComposeRepeat(RepeatChoice choice, std::string_view count, std::string_view start,
                            std::string_view step) {
    RepeatOutcome out;
    switch (choice) {
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
            // Negative counters cannot be written in their six-digit fields.
            std::optional<std::int32_t> s = ParseWholeNumber(EditText(start));
            if (!s) {
                out.Refuse("Invalid start counter specified.  Please Correct.",
                           RepeatField::CStart);
                return out;
            }
            if (*s < 0 || *s > 999999) {
                out.Refuse("The counter start must be between 0 and 999999.  Please Correct.",
                           RepeatField::CStart);
                return out;
            }
            std::optional<std::int32_t> p = ParseWholeNumber(EditText(step));
            if (!p) {
                out.Refuse("Invalid step counter specified.  Please Correct.", RepeatField::CStep);
                return out;
            }
            if (*p < 0 || *p > 999999) {
                out.Refuse("The counter step must be between 0 and 999999.  Please Correct.",
                           RepeatField::CStep);
                return out;
            }
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

SpeedOutcome ComposeSpeed(SpeedChoice choice, std::string_view count) {
    SpeedOutcome out;
    out.OptionCode = static_cast<std::int32_t>(choice);
    std::string text = EditText(count);
    if (choice == SpeedChoice::Macro) {
        std::optional<double> factor = ParseRealNumber(text);
        if (!factor || *factor < 0) {
            out.Refuse(ZeroOrMore, SpeedField::Count);
        } else if (std::round(*factor * 100) >= 10000) {
            // 100.00 would not fit the five characters of the token.
            out.Refuse("Value must be less than 100.", SpeedField::Count);
        } else {
            out.Raw = {0, *factor};
            out.Compose(CommandCode::MacroPlaybackSpeed, SpeedRec{3, 0, *factor},
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

std::string_view SpeedLabel(SpeedChoice choice) {
    return choice == SpeedChoice::Macro ? "Playback Factor" : "Delay in Milliseconds";
}

SwapOutcome ComposeSwap(std::string_view path, const ShortPathOf& shortPathOf) {
    SwapOutcome out;
    std::optional<std::string> shortPath = shortPathOf(EditText(path));
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

RemarkOutcome ComposeRemark(std::string_view comment) {
    RemarkOutcome out;
    StringRec record;
    record.Text = EditText(comment);
    out.Compose(CommandCode::Remark, record, RemarkField::Comments);
    return out;
}

DelayModeLayout DelayModeLayoutFor(DelayMode mode) {
    if (mode == DelayMode::AltKeypad)
        return {"Alt Keypad Sequence", "Keypad Numbers", 4, false};
    return {"Scheduler Frequency", "Check Every", 2, true};
}

AltKeypadOutcome ComposeAltKeypad(std::string_view digits) {
    AltKeypadOutcome out;
    std::string text = EditText(digits);
    // Only plain digits: a sign or hexadecimal form would go into the token as typed.
    bool numeric = !text.empty() && text.size() <= 4 &&
                   text.find_first_not_of("0123456789") == std::string::npos;
    if (!numeric) {
        out.Refuse("Value must be numeric.", NumberField::Seconds);
        return out;
    }
    out.CommandText = text.size() == 4 ? "<ALT4:" + text + ">"
                                       : "<ALT:" + std::string(3 - text.size(), '0') + text + ">";
    return out;
}

FrequencyOutcome ReadSchedulerFrequency(std::string_view seconds) {
    std::optional<std::int32_t> n = WholeIn(EditText(seconds), 1, 60);
    if (!n)
        return {0, "Value must be between 1 and 60."};
    return {static_cast<std::uint16_t>(*n), std::nullopt};
}

}  // namespace orv
