// The direct script text editor from the main window: behind the hand-over
// that "Modify Directly" and the add dialog give a macro's record to.
#pragma once

#include "editor/shell/win32/main_window.h"

namespace orv::editor {

void InstallDirectEditor(TMainWin& main, EditorContext& context);

}  // namespace orv::editor
