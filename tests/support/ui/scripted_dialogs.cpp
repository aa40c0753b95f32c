#include "tests/support/ui/scripted_dialogs.h"

namespace orv::testing {

ScriptedFontDialogs::ScriptedFontDialogs() : previous_(&CurrentFontDialogs()) {
    SetCurrentFontDialogs(this);
}

ScriptedFontDialogs::~ScriptedFontDialogs() {
    SetCurrentFontDialogs(previous_);
}

std::optional<FontDescription> ScriptedFontDialogs::Choose(HWND, const FontDescription& start,
                                                           bool effects) {
    Dialogs.push_back({start, effects});
    return answers_.Next();
}

ScriptedFolderDialogs::ScriptedFolderDialogs() : previous_(&CurrentFolderDialogs()) {
    SetCurrentFolderDialogs(this);
}

ScriptedFolderDialogs::~ScriptedFolderDialogs() {
    SetCurrentFolderDialogs(previous_);
}

std::optional<std::string> ScriptedFolderDialogs::Browse(HWND, std::string_view title,
                                                         std::string_view) {
    Titles.emplace_back(title);
    return answers_.Next();
}

}  // namespace orv::testing
