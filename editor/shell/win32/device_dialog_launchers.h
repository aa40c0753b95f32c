// The main window's part in the sound and device dialogs: the scheduler's
// alarm sound behind its menu item, and what the command dialogs ask of the
// main window's devices (dial-up there, the mixer's controls).
#pragma once

#include "editor/commands/command_context.h"
#include "editor/shell/win32/main_window.h"

namespace orv {

void InstallDeviceDialogs(TMainWin& main, EditorContext& context);

// Fills the context's dial-up and mixer answers from the main window.
void ConnectDevices(CommandContext& commands, TMainWin& main);

}  // namespace orv
