// What every import does to a new macro record (which starts from
// NewMacroRecord): the checks of a Cueword that came from outside, and the
// script text cut to what a record holds.
#pragma once

#include <string>
#include <string_view>

#include "common/macro_record.h"

namespace orv::editor {

// The keys of an item that names no hot key, made a Cueword: cut to 10
// characters and invalid characters replaced by "#", each with its message.
// Empty keys would match every typed buffer: the macro gets no activation.
void StoreImportedCueword(MacroRecord& record, std::string_view keys);

// The Cueword of a foreign record, stored as it is; empty gives no activation.
void StoreForeignCueword(MacroRecord& record, std::string_view cueword);

// The script text with its length; a text over 5,000 characters is cut with
// a message naming its beginning.
void StoreImportedText(MacroRecord& record, std::string_view text);

// The message for a text cut to the record's size.
std::string TextTooLongMessage(std::string_view text);

}  // namespace orv::editor
