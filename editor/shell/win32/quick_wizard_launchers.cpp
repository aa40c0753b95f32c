#include "editor/shell/win32/quick_wizard_launchers.h"

namespace orv::editor {

void InstallQuickWizards(TMainWin& main) {
    main.Launchers().QuickWizard = [&main](int kind) { main.DoQuickWiz(kind); };
    main.Launchers().FirstTimeSetup = [&main](bool) { main.DoFirstTime(); };
}

}  // namespace orv::editor
