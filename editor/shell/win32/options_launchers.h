// Puts the options dialogs, the keyboard remapper and the system hot keys
// behind the main window's launchers.
#pragma once

#include "editor/shell/win32/main_window.h"

namespace orv::editor {

void InstallOptionsDialogs(TMainWin& main, EditorContext& context);

// The "System Hot Keys" dialog with the field of a system command focused
// (1 Activate Editor .. 5 Terminate Program), under the library's lock.
void ShowSystemKeys(TMainWin& main, EditorContext& context, int focusedField);

}  // namespace orv::editor
