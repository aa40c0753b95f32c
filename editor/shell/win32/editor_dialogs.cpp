#include "editor/shell/win32/editor_dialogs.h"

#include "editor/shell/win32/macro_file_dialogs.h"

namespace orv {

void InstallEditorDialogs(TMainWin& main, EditorContext& context) {
    // Launchers not set here keep telling the user that part is not there yet.
    InstallMacroFileDialogs(main);
    (void)context;
}

}  // namespace orv
