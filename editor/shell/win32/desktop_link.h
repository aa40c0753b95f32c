// A shortcut on the user's desktop that has the player run one macro by its
// nickname.
#pragma once

#include <string>

#include "common/macro_record.h"

namespace orv::editor {

inline constexpr const char* NoDesktopFolderMessage =
    "The desktop folder could not be found, so no desktop icon was added.";

inline std::string ReplaceLinkQuestion(const std::string& path) {
    return "The desktop icon \"" + path + "\" already exists.  Do you want to replace it?";
}

// Writes nickname + ".LNK" into the desktop folder (through the shell
// service): TAVROL.EXE of the program folder with "/A" + nickname, and the
// macro's own icon file when it has one. A link of that name already there
// is replaced only when the user agrees. Says how it went; false when none
// was written.
bool DoTheLink(const MacroRecord& macro, const std::string& programDir);

}  // namespace orv::editor
