// The direct script text editor's decisions that need no window: the update
// of the macro record from the raw text, and the import of a text file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/script/writer.h"

namespace orv::editor {

inline constexpr const char* ImportTooLongQuestion =
    "This text file contains more than 5000 characters.  Only the first 5000 characters will "
    "be imported.  Continue?";

enum class DirectUpdateOutcome {
    Refused,   // a name message was shown; the focus goes to the name box
    Declined,  // the user kept the editor open rather than truncate
    Saved,     // the record is filled; the editor closes
};

// Tabs in the memo become the "<TAB>" token.
std::string TabsToTokens(std::string_view text);

// The update: the activation name checked, tabs made tokens, an over-long
// script truncated only when the user agrees (asked before anything is
// written), then the record filled and a new macro counted.
DirectUpdateOutcome DirectUpdate(const ScriptEditorFields& editor, std::string_view memoText,
                                 MacroDelivery into);

// The text of a file to import: at most the script limit, asked first when
// the file is longer, a final end-of-file character dropped. Nothing when the
// user declined or the file could not be read (which is said).
std::optional<std::string> ImportScriptText(const std::string& path);

}  // namespace orv::editor
