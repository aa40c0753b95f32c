// The dialogs of the main window that other parts of the editor supply: each
// menu item, button and speed button reaches its dialog through one launcher
// here. Until a part is there, its launcher tells the user so.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "common/activation_kind.h"
#include "common/library_change.h"
#include "common/macro_record.h"

namespace orv::editor {

struct CapturePlan;

inline constexpr const char* NotAvailableYetMessage =
    "This part of Orvane Editor is not available yet.";

// Shows NotAvailableYetMessage.
void ShowNotAvailableYet();

// What an editor of one macro (script editor, direct editor, recording, menu
// builder, copy or move) is handed: the record it fills in place and the
// activation it is for. It says in Saved whether it made the macro; none of
// them raises the macro count, the caller's append does, except a recording,
// whose end must have a record to land in (Appended).
struct MacroHandOver {
    MacroRecord& Record;
    HWND Owner = nullptr;
    int MacroNumber = 0;  // the number the macro has, or will have once appended
    ActivationKind ActKind = ActivationKind::HotKey;
    bool IsExisting = false;
    std::uint16_t ActivationCode = 0;
    bool ScopeLocked = false;  // a global macro holds the hot key: no global scope
    std::string HotKeyLabel;   // the key's name, "Cueword: " and the Cueword, or a title
    bool SharedKey = false;    // another global, menu or system macro has the same hot key
    // The record holds edits no file holds yet: the editor is back after a
    // save the file refused, and closing it without saving asks first.
    bool HoldsUnsavedEdits = false;
    // The change the hand-over is made under: the editor's writes go through it.
    LibraryChange* Change = nullptr;
    // Results.
    bool Saved = false;
    bool MenuInTray = false;  // the pop-up menu's tray icon may have changed
    bool KeepsLock = false;   // a recording started: it releases the lock when it ends
    bool Appended = false;    // a recording appended the new macro itself, before it started
};

struct EditorLaunchers {
    using Launcher = std::function<void()>;
    static Launcher NotYet() { return ShowNotAvailableYet; }

    // The macro operations on the selected macro, and adding one.
    Launcher AddMacro = NotYet(), ModifyMacro = NotYet(), ScriptEditor = NotYet();
    Launcher Recapture = NotYet(), CopyMacro = NotYet(), ChangeActivation = NotYet();
    Launcher RemoveMacro = NotYet(), ActivateMacro = NotYet(), AddToCategory = NotYet();
    Launcher OnDesktop = NotYet();
    // The editors a macro operation hands its record to.
    using HandOver = std::function<void(MacroHandOver&)>;
    static HandOver NotYetHandOver() {
        return [](MacroHandOver&) { ShowNotAvailableYet(); };
    }
    HandOver OpenScriptEditor = NotYetHandOver(), OpenDirectEditor = NotYetHandOver();
    HandOver OpenCapture = NotYetHandOver(), BuildMenu = NotYetHandOver();
    // A recording into an appended macro with options chosen beforehand (the
    // quick wizard's capture kind); true once it runs, when it holds the
    // caller's lock until its end.
    std::function<bool(const CapturePlan&)> RecordPlanned = [](const CapturePlan&) {
        ShowNotAvailableYet();
        return false;
    };
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

}  // namespace orv::editor
