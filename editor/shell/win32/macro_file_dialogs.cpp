#include "editor/shell/win32/macro_file_dialogs.h"

namespace orv::editor {

void InstallMacroFileDialogs(TMainWin& main) {
    EditorLaunchers& launchers = main.Launchers();
    launchers.ImportText = [&main] { main.MenuImportTextClick(); };
    launchers.ImportMacros = [&main] { main.MenuImportClick(); };
    launchers.ExportMacros = [&main] { main.MenuExportClick(); };
    launchers.OutputInformation = [&main] { main.OutputHotKeyList1Click(); };
    launchers.PrintList = [&main] { main.MenuPrintClick(); };
}

}  // namespace orv::editor
