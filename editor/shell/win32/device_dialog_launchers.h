// The scheduler's alarm sound behind the main window's menu item.
#pragma once

#include "editor/shell/win32/main_window.h"

namespace orv::editor {

void InstallDeviceDialogs(TMainWin& main, EditorContext& context);

}  // namespace orv::editor
