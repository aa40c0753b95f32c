#include "editor/shell/win32/direct_editor_launcher.h"

#include "editor/script/win32/direct_editor.h"
#include "editor/shell/win32/script_editor_launcher.h"

namespace orv::editor {

void InstallDirectEditor(TMainWin& main, EditorContext& context) {
    main.Launchers().OpenDirectEditor = [&main, &context](MacroHandOver& handOver) {
        EditOnHandOver(main, context, handOver, ShowEditorForm<TModHotKeys>);
    };
}

}  // namespace orv::editor
