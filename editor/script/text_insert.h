// What the text-file insertion dialog decides: the path checked on its short
// form, and the Load Text File line it makes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "editor/commands/command_dialogs.h"
#include "editor/commands/file_checks.h"

namespace orv::editor {

namespace TextInsertMessage {
inline constexpr const char* Correct =
    "Specified Path and Program does not exist.  Do you wish to correct?";
inline constexpr const char* Unable =
    "Specified Path and Program does not exist.  Unable to open text file.";
}  // namespace TextInsertMessage

struct CheckedTextFile {
    std::string Trimmed;
    // The short form of an existing file; nothing when the file is missing.
    std::optional<std::string> Short;
};
CheckedTextFile CheckTextFile(std::string_view typed, const FileChecks& files);

// The line for the file: its short form when it has one, else the trimmed
// path as typed (the user chose to keep a missing file).
enum class TextInsertField { Path };
using TextInsertOutcome = CommandOutcome<TextInsertField>;
TextInsertOutcome ComposeTextInsert(const CheckedTextFile& file);

}  // namespace orv::editor
