// The patterns of the script language's tokens as the help file shows them:
// each fixed field written out with a letter a digit and its separators as
// the programs read them ("<DELAY:ss.hh>"), free parts by name ("text",
// "title"), options in square brackets; and what the fields mean.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/script/token_table.h"

namespace orv {

// The pattern of a form, or nullopt when the form has fixed fields whose
// layout is not known here or does not fill them exactly.
std::optional<std::string> TokenPattern(const TokenForm& form);

// What the form's fields stand for, empty when it has none worth telling.
std::string_view TokenFieldMeaning(const TokenForm& form);

}  // namespace orv
