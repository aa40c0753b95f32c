// The wizard page's buttons and the quick wizard menu open the wizard.
#pragma once

#include "editor/shell/win32/main_window.h"

namespace orv {

void InstallQuickWizards(TMainWin& main);

}  // namespace orv
