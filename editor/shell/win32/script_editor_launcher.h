// The script editor from the main window: behind the hand-over that the
// script command and the add dialog give a macro's record to.
#pragma once

#include <functional>

#include "editor/script/editor_host.h"
#include "editor/shell/win32/main_window.h"

namespace orv::editor {

// Shows an editor on the host of one run; true when it saved into the record.
using ShowEditor = std::function<bool(EditorHost& host, const MacroHandOver& handOver)>;

// Either script editor form, shown modal; true when it saved.
template <class Editor>
bool ShowEditorOn(Editor& form, const MacroHandOver& handOver) {
    form.IsExisting = handOver.IsExisting ? 1 : 0;
    form.ScopeLocked = handOver.ScopeLocked || handOver.SharedKey ? 1 : 0;
    form.ActKind = handOver.ActKind;
    form.HoldsUnsavedEdits = handOver.HoldsUnsavedEdits;
    form.ShowModal();
    return form.Saved == 1;
}

// Either script editor form, made on the host and shown modal.
template <class Editor>
bool ShowEditorForm(EditorHost& host, const MacroHandOver& handOver) {
    Editor form(host);
    return ShowEditorOn(form, handOver);
}

// One run of an editor of the handed-over record: the host the shell gives
// it (its command dialogs and top-panel dialogs are the main window's), and
// for a new macro a scratch table, as the caller's append counts it.
void EditOnHandOver(TMainWin& main, EditorContext& context, MacroHandOver& handOver,
                    const ShowEditor& show);

// Puts the script editor behind the script editor's hand-over.
void InstallScriptEditor(TMainWin& main, EditorContext& context);

// The script editor on the handed-over record; Saved says whether it was
// saved into the record. A new macro is not counted here: the caller appends it.
void EditScript(TMainWin& main, EditorContext& context, MacroHandOver& handOver);

}  // namespace orv::editor
