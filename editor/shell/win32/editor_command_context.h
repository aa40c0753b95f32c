// What the command dialogs ask of the main window, gathered in one place:
// the open library's nicknames, what the system offers (the browser, dial-up,
// the main window's mixer) and the shell's pickers (the preferences, the
// installed programs).
#pragma once

#include "editor/commands/command_context.h"
#include "editor/shell/win32/main_window.h"

namespace orv::editor {

// The context lives no longer than main and context.
CommandContext EditorCommandContext(TMainWin& main, EditorContext& context);

}  // namespace orv::editor
