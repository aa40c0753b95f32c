// What every import does to make a new macro record: the values a new record
// starts from, the checks of a Cueword that came from outside, and the script
// text cut to what a record holds.
#pragma once

#include <string>
#include <string_view>

#include "common/date_time.h"
#include "common/macro_record.h"

namespace orv {

// A global, enabled Cueword macro with the icon "MAIN", the default schedule
// (once, 1 January 1998), case ignored and the Cueword erased when typed.
MacroRecord NewImportedRecord(DateTime now);

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

}  // namespace orv
