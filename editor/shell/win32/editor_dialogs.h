// Puts the editor's dialogs behind the main window's launchers. Each area of
// the editor supplies an installer for its own launchers; this is the one
// place that calls them all.
#pragma once

#include "editor/shell/win32/main_window.h"

namespace orv::editor {

void InstallEditorDialogs(TMainWin& main, EditorContext& context);

}  // namespace orv::editor
