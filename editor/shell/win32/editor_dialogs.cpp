#include "editor/shell/win32/editor_dialogs.h"

#include "editor/shell/win32/device_dialog_launchers.h"

namespace orv {

void InstallEditorDialogs(TMainWin& main, EditorContext& context) {
    // Launchers not set here keep telling the user that part is not there yet.
    (void)main;
    (void)context;
    InstallDeviceDialogs(main, context);
}

}  // namespace orv
