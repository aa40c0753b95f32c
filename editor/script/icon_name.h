// The icon a macro shows, as the script editors keep it: "MAIN" for the
// program's own, else the short file name of an icon in the program's
// "\Icons" folder.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orv::editor {

inline constexpr std::string_view MainIconName = "MAIN";

namespace IconMessage {
inline constexpr const char* InvalidType = "Invalid file type selected.";
inline constexpr const char* AlreadyExists =
    "The selected icon could not be opened.  An icon of this name already exists in the "
    "default icon folder.  It will be opened instead.";
inline constexpr const char* CannotOpen = "Icon could not be opened.";
inline constexpr const char* ResetQuestion = "Reset icon to program default?";
}  // namespace IconMessage

// The folder of the macro icons.
std::string IconFolder(std::string_view programDir);

// True when the chosen file ends, upper-cased, in ".ICO".
bool IsIconFile(std::string_view path);

// The stored name of an icon whose short path is that: its file name, when it
// fits the record's 12 characters.
std::optional<std::string> IconNameOf(std::string_view shortPath);

}  // namespace orv::editor
