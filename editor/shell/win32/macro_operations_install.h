// Puts the main window's operations on macros and categories behind its
// launchers, with the menu builder behind them, and lets a macro be dragged
// from the list onto a category.
#pragma once

#include "editor/shell/win32/main_window.h"

namespace orv::editor {

void InstallMacroOperations(TMainWin& main, EditorContext& context);

}  // namespace orv::editor
