#include "editor/shell/win32/editor_dialogs.h"

#include "editor/shell/win32/macro_file_dialogs.h"
#include "editor/shell/win32/quick_wizard_launchers.h"

namespace orv {

void InstallEditorDialogs(TMainWin& main, EditorContext& context) {
    // Launchers not set here keep telling the user that part is not there yet.
    InstallMacroFileDialogs(main);
    InstallQuickWizards(main);
    (void)context;
}

}  // namespace orv
