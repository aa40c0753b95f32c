#include "editor/shell/win32/macro_operations_install.h"

#include "editor/shell/win32/menu_builder.h"

namespace orv::editor {

void InstallMacroOperations(TMainWin& main, EditorContext& context) {
    EditorLaunchers& launchers = main.Launchers();
    launchers.AddMacro = [&main] { main.DoAdd(); };
    launchers.ModifyMacro = [&main] { main.DoModify(); };
    launchers.ScriptEditor = [&main] { main.DoTheScript(); };
    launchers.RemoveMacro = [&main] { main.DoClear(); };
    launchers.ActivateMacro = [&main] { main.DoActivate(); };
    launchers.AddToCategory = [&main] { main.MenuAddCatClick(); };
    launchers.OnDesktop = [&main] { main.MenuOnDesktopClick(); };
    launchers.BuildMenu = [&context](MacroHandOver& handOver) {
        const PopupMenuEdit edit =
            EditPopupMenu(handOver.Owner, handOver.Record, handOver.IsExisting,
                          handOver.HoldsUnsavedEdits, context);
        handOver.Saved = edit.Saved;
        handOver.MenuInTray = edit.MenuInTray;
    };
    launchers.CategoryNew = [&main] { main.CatNewClick(); };
    launchers.CategoryRename = [&main] { main.CatRenameClick(); };
    launchers.CategoryRemove = [&main] { main.CatRemoveClick(); };
    main.MyGrid.AutoDrag = true;
    main.CatList.OnDragOver = [&main](TControl& source, int x, int y) {
        return main.CatListDragOver(source, x, y);
    };
    main.CatList.OnDragDrop = [&main](const DropPoint& drop) { main.CatListDragDrop(drop); };
}

}  // namespace orv::editor
