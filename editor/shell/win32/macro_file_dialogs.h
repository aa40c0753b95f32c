// Puts the text import, the import and export dialogs, the listing and the
// printed list behind the main window's launchers.
#pragma once

#include "editor/shell/win32/main_window.h"

namespace orv::editor {

void InstallMacroFileDialogs(TMainWin& main);

}  // namespace orv::editor
