// The dialogs of the main window that other parts of the editor supply: each
// menu item, button and speed button reaches its dialog through one launcher
// here. Until a part is there, its launcher tells the user so.
#pragma once

#include <functional>

namespace orv {

inline constexpr const char* NotAvailableYetMessage =
    "This part of Orvane Editor is not available yet.";

// Shows NotAvailableYetMessage.
void ShowNotAvailableYet();

struct EditorLaunchers {
    using Launcher = std::function<void()>;
    static Launcher NotYet() { return ShowNotAvailableYet; }

    // The macro operations on the selected macro, and adding one.
    Launcher AddMacro = NotYet(), ModifyMacro = NotYet(), ScriptEditor = NotYet();
    Launcher Recapture = NotYet(), CopyMacro = NotYet(), ChangeActivation = NotYet();
    Launcher RemoveMacro = NotYet(), ActivateMacro = NotYet(), AddToCategory = NotYet();
    Launcher OnDesktop = NotYet();
    // The category panel's buttons.
    Launcher CategoryNew = NotYet(), CategoryRename = NotYet(), CategoryRemove = NotYet();
    // The quick wizard of a kind (1..29).
    std::function<void(int kind)> QuickWizard = [](int) { ShowNotAvailableYet(); };
    // The first-time setup; firstDisplay: run by the first display of the
    // window with "First Use" set, where a missing wizard stays silent.
    std::function<void(bool firstDisplay)> FirstTimeSetup = [](bool firstDisplay) {
        if (!firstDisplay)
            ShowNotAvailableYet();
    };
    // The file menu's dialogs.
    Launcher ImportText = NotYet(), OutputInformation = NotYet(), PrintList = NotYet();
    Launcher ImportMacros = NotYet(), ExportMacros = NotYet();
    // The options.
    Launcher Remap = NotYet(), Appearance = NotYet(), CaptureDefaults = NotYet();
    Launcher EMailDefaults = NotYet(), EMailRecipients = NotYet(), Preferences = NotYet();
    Launcher CuewordOptions = NotYet(), Alarm = NotYet(), TimerInterval = NotYet();
};

}  // namespace orv
