// The wizard page's buttons and the quick wizard menu open the wizard, and
// the first-time setup runs it.
#pragma once

#include "editor/shell/win32/main_window.h"

namespace orv::editor {

void InstallQuickWizards(TMainWin& main);

}  // namespace orv::editor
