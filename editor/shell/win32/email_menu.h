// The e-mail items of the main window's options menu: "E-Mail Defaults" opens
// the e-mail options (and through them the sent-mail log), "E-Mail
// Recipients" the recipient list.
#pragma once

#include "editor/shell/win32/main_window.h"

namespace orv::editor {

void InstallEmailDialogs(TMainWin& main, EditorContext& context);

}  // namespace orv::editor
