// One token as the interpreter hands it to its command family, and the
// routing by the family the catalogue gives each command.
#pragma once

#include <functional>
#include <string_view>

#include "common/script/token_table.h"
#include "player/command_families.h"
#include "player/playback.h"

namespace orv::player {

// One token as a family receives it; the match is never parsed again.
struct CommandContext {
    std::string_view Token;  // from the "<" to the closing ">" inclusive
    const TokenMatch& Match;
    HeldModifiers& Held;
    Playback& Play;
    // Runs a text inside the current call (a nested run).
    std::function<void(std::string_view)> Nested;
    // The rest of the text behind the token, for a command whose text follows it.
    std::string_view Rest;

    const TokenForm& Form() const { return *Match.Form; }
    // Characters from..to (0-based from the "<"), cut at the token's end.
    std::string_view Field(std::size_t from, std::size_t to) const;
};

// Who plays a token form: its command's family in the catalogue, but for the
// few forms that go elsewhere.
FamilyId FamilyOf(const TokenForm& form);

// Hands the token to its family; one that is not supplied passes it over.
Flow PerformFamilyCommand(const CommandFamilies& families, CommandContext& context);

// A form that reaches a family's switch without a case of its own there: a
// slip of the program, never of the script. The run passes it over; the count
// lets the tests see every one.
void ReportFormWithoutCase(const TokenForm& form);
std::size_t FormsWithoutCase();

// Whole numbers in fields: leading blanks, an optional sign, then the digits
// up to the first other character; an empty field is 0. Saturates rather
// than overflowing.
std::int64_t ReadInteger(std::string_view field);

}  // namespace orv::player
