// What the command dialogs share: the outcome of their OK button, the way
// they take text from their edit boxes, and the composition of the command
// text through the script language's own writer, so a dialog and a saved
// script always write a command alike.
//
// Each dialog has a plain input type that mirrors its controls; its Compose
// function turns an input into an outcome, and InputFromRecord turns a
// command line's record back into the input that composes it, so every
// caller (the script editor's bridges, the direct text editor, the wizard)
// gets the same command, its code and its record from the same values.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/script/compose.h"

namespace orv::editor {

// The most a command text holds: the player reads no more of a token's field,
// and the callers' fields are this long.
constexpr std::size_t CommandTextLimit = 255;
constexpr std::string_view LongCommandMessage =
    "The command is longer than 255 characters.  Please correct.";

// Why OK was refused: the message to show and the control to put the focus
// back on.
template <class Field>
struct Refusal {
    std::string Message;
    Field Focus;
};

// The command OK composed: its text, its option code, and the code and record
// of the line it makes. An empty text means there is none.
struct ComposedCommand {
    std::string CommandText;
    std::int32_t OptionCode = 0;
    CommandCode Code = CommandCode::None;
    CommandRecord Record;
};

struct NoValues {};

// What OK gives: the command with the dialog's raw values, or a refusal with
// an empty text.
template <class Field, class Values = NoValues>
struct CommandOutcome : ComposedCommand {
    Values Raw{};
    std::optional<Refusal<Field>> Refused;

    bool Accepted() const { return !Refused; }
    void Refuse(std::string message, Field focus) {
        CommandText.clear();
        Code = CommandCode::None;
        Record = {};
        Refused = Refusal<Field>{std::move(message), focus};
    }
    // The text of the command's record; a value the language cannot hold (a
    // number too wide for its field, a ">" in free text) refuses, and so does
    // a command beyond 255 characters. Every value of a record is at most 255
    // characters (edit texts are cut to that) and stands in its token in full
    // after a head, so a value a short-string field would cut always makes the
    // command too long.
    void Compose(CommandCode code, const CommandRecord& record, Field focusOnFailure) {
        ComposeWithin(code, record, focusOnFailure, CommandTextLimit);
    }
    // The same for the text box and the e-mail command, whose callers keep
    // texts of any length.
    void ComposeUnbounded(CommandCode code, const CommandRecord& record, Field focusOnFailure) {
        ComposeWithin(code, record, focusOnFailure, std::string::npos);
    }

  private:
    void ComposeWithin(CommandCode code, const CommandRecord& record, Field focus,
                       std::size_t limit) {
        ComposeResult composed = ComposeCommand(code, record);
        if (!composed.Ok()) {
            Refuse(composed.Error, focus);
        } else if (composed.Text.size() > limit) {
            Refuse(std::string(LongCommandMessage), focus);
        } else {
            CommandText = std::move(composed.Text);
            Code = code;
            Record = record;
        }
    }
};

// The input that composes a command line again: the values a dialog shows
// when the line is edited. Each dialog's input type specialises it; a record
// of another command gives the dialog's defaults.
template <class Input>
Input InputFromRecord(CommandCode code, const CommandRecord& record);

// The place of a command among a dialog's commands, 0 when it is none of them.
template <std::size_t N>
int PlaceOf(const CommandCode (&codes)[N], CommandCode code) {
    for (std::size_t i = 0; i < N; ++i) {
        if (codes[i] == code)
            return static_cast<int>(i);
    }
    return 0;
}

// Text from an edit box as every dialog takes it: cut to 255 characters and
// trimmed of blanks.
std::string EditText(std::string_view text);

// A real number typed by the user: an optional sign, digits with at most one
// decimal point, an optional exponent; nothing else.
std::optional<double> ParseRealNumber(std::string_view text);

// A value as the two decimals of its token carry it.
double ToHundredths(double value);

}  // namespace orv::editor
