// Texts of the editor's main window and its menu commands.
#pragma once

#include <string>

namespace orv::editor {

namespace EditorMessage {
inline constexpr const char* NoMacros = "No hot keys have been added yet.  Please add one first.";
inline constexpr const char* NoSelection = "No hot key selected.  Please select one.";
inline constexpr const char* FileMissing = "File does not exist.";
}  // namespace EditorMessage

// "Restore Keyboard Hooks" and "Restore Mouse Hooks" ask before the hooks are
// put back in place.
const char* HookRestoreCaption(bool keyboard);
std::string HookRestoreQuestion(bool keyboard);

}  // namespace orv::editor
