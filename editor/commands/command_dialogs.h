// What the command dialogs share: the outcome of their OK button, the way
// they take text from their edit boxes, and the composition of the command
// text through the script language's own writer, so a dialog and a saved
// script always write a command alike.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/script/compose.h"

namespace orv {

// Why OK was refused: the message to show and the control to put the focus
// back on.
template <class Field>
struct Refusal {
    std::string Message;
    Field Focus;
};

// What OK gives: the command (its text, option code and raw values) or a
// refusal with an empty text.
template <class Field, class Values>
struct CommandOutcome {
    std::string CommandText;
    std::int32_t OptionCode = 0;
    Values Raw{};
    std::optional<Refusal<Field>> Refused;

    bool Accepted() const { return !Refused; }
    void Refuse(std::string message, Field focus) {
        CommandText.clear();
        Refused = Refusal<Field>{std::move(message), focus};
    }
    // The text of the command's record; a value the language cannot hold
    // (a number too wide for its field, a ">" in free text) refuses instead.
    void Compose(CommandCode code, const CommandRecord& record, Field focusOnFailure) {
        ComposeResult composed = ComposeCommand(code, record);
        if (composed.Ok())
            CommandText = composed.Text;
        else
            Refuse(composed.Error, focusOnFailure);
    }
};

// Text from an edit box as every dialog takes it: cut to 255 characters and
// trimmed of blanks.
std::string EditText(std::string_view text);

// A real number typed by the user: an optional sign, digits with at most one
// decimal point, an optional exponent; nothing else.
std::optional<double> ParseRealNumber(std::string_view text);

}  // namespace orv
