#include "editor/shell/win32/editor_dialogs.h"

#include "editor/shell/win32/script_editor_launcher.h"

namespace orv {

void InstallEditorDialogs(TMainWin& main, EditorContext& context) {
    // Launchers not set here keep telling the user that part is not there yet.
    InstallScriptEditor(main, context);
}

}  // namespace orv
