// The script editor from the main window: behind the hand-over that the
// script command and the add dialog give a macro's record to.
#pragma once

#include "editor/shell/win32/main_window.h"

namespace orv {

// Puts the script editor behind the script editor's hand-over.
void InstallScriptEditor(TMainWin& main, EditorContext& context);

// The script editor on the handed-over record; Saved says whether it was
// saved into the record. A new macro is not counted here: the caller appends it.
// Its command dialogs and top-panel dialogs are the main window's.
void EditScript(TMainWin& main, EditorContext& context, MacroHandOver& handOver);

}  // namespace orv
