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

// The update: the activation name checked, an over-long script truncated
// only when the user agrees (asked before anything is written), then the
// record filled (a new macro enabled). The text goes in as it stands, a
// literal tab too, so an untouched script is saved byte for byte.
DirectUpdateOutcome DirectUpdate(const ScriptEditorFields& editor, std::string_view memoText,
                                 MacroRecord& macro);

// The text of a file to import: at most the script limit, asked first when
// the file is longer, a final end-of-file character dropped. Nothing when the
// user declined or the text file was refused (ReadTextFile, which says why).
std::optional<std::string> ImportScriptText(const std::string& path, std::string_view library);

// Replaces target by text; the open library and its side files are refused.
// False when nothing was written, which is said.
[[nodiscard]] bool ExportScriptText(const std::string& target, std::string_view text,
                                    std::string_view library);

}  // namespace orv::editor
