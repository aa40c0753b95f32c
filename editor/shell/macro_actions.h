// Which of the main window's macro actions are open, and how two of them are
// worded, for the list's state and the selected macro. Each action stands for
// its lettered button, its menu item and its speed button together.
#pragma once

#include <string>

#include "editor/shell/macro_list.h"

namespace orv::editor {

struct MacroActions {
    bool Remove = false, Copy = false, ChangeActivation = false, Activate = false;
    bool ModifyDirectly = false, Recapture = false, Script = false;
    bool OnDesktop = false, AddToCategory = false;
    // Quick info: closed with the other actions, opened again only by the
    // switch to the macro page.
    bool QuickInfo = true;

    std::string ModifyCaption = "Modify &Directly", ModifyHint = "Modify Macro Directly";
    std::string ActivateCaption = "Acti&vate Macro", ActivateHint = "Activate Macro";

    // SetButtons: every action opens only with on and a list that shows a macro.
    void SetButtons(bool on, bool listEmpty);
    // CheckTimeItem: narrows the actions to what the macro allows.
    void CheckTimeItem(const ListMacro& macro);
    // A click on a row offers to deactivate an enabled macro, else to activate.
    void ShowEnabledState(bool enabled);
};

}  // namespace orv::editor
