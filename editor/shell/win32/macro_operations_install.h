// Puts the main window's operations on macros and categories behind its
// launchers, and lets a macro be dragged from the list onto a category.
#pragma once

#include "editor/shell/win32/main_window.h"

namespace orv {

void InstallMacroOperations(TMainWin& main);

}  // namespace orv
