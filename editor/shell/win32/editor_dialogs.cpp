#include "editor/shell/win32/editor_dialogs.h"

#include "editor/shell/win32/macro_file_dialogs.h"
#include "editor/shell/win32/copy_move_dialog.h"
#include "editor/shell/win32/options_launchers.h"
#include "editor/shell/win32/device_dialog_launchers.h"
#include "editor/shell/win32/macro_operations_install.h"
#include "editor/shell/win32/script_editor_launcher.h"
#include "editor/shell/win32/email_menu.h"
#include "editor/shell/win32/quick_wizard_launchers.h"
#include "editor/shell/win32/capture_recording.h"
#include "editor/shell/win32/direct_editor_launcher.h"

namespace orv::editor {

void InstallEditorDialogs(TMainWin& main, EditorContext& context) {
    // Launchers not set here keep telling the user that part is not there yet.
    InstallMacroFileDialogs(main);
    InstallOptionsDialogs(main, context);
    InstallCopyMove(main, context);
    InstallDeviceDialogs(main, context);
    InstallMacroOperations(main, context);
    InstallScriptEditor(main, context);
    InstallDirectEditor(main, context);
    InstallEmailDialogs(main, context);
    InstallQuickWizards(main);
    InstallCapture(main, context);
}

}  // namespace orv::editor
