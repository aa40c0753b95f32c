// The script editor from the main window: its script command on the selected
// macro, and the entry the add dialog uses for a new macro's script.
#pragma once

#include "common/macro_record.h"
#include "editor/shell/win32/main_window.h"

namespace orv {

// Puts the script editor behind the script command's launcher.
void InstallScriptEditor(TMainWin& main, EditorContext& context);

// The script editor on a new macro whose activation the add dialog set in
// record; on Save the record is appended to the library, which counts it
// once, and the list shows it selected. True when it was appended. The
// caller holds the library's lock (FileInUse) around it.
bool EditNewMacroScript(TMainWin& main, EditorContext& context, MacroRecord& record);

// The activation kind the script editor's top panel shows for a record.
int ActKindOf(const MacroRecord& record);

// True when the record's hot key is taken by another macro that is global, a
// pop-up menu or a system macro, so the record may not be global.
bool ScopeLockedFor(const HookTable& table, int macroNumber, const MacroRecord& record);

}  // namespace orv
