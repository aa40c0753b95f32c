// "Add Macro": the user picks the activation of a macro that does not exist
// yet (a hot key, Cueword, schedule, window title, pop-up menu or none) and
// how its script is made; the dialog hands the current record over to that
// editor and reports whether a macro was made. It writes no file.
#pragma once

#include <functional>
#include <optional>

#include "common/hook_library.h"
#include "common/ui/win32/form.h"
#include "common/ui/win32/hot_key_entry.h"
#include "editor/shell/add_macro_choices.h"
#include "editor/shell/win32/editor_launchers.h"

namespace orv::editor {

// The editor's hook table as the hot-key boxes' second window.
class EditorSecondWindow final : public SecondWindow {
  public:
    EditorSecondWindow(HookTable& table, HookLibrary& hooks, ProgramNotices& notices)
        : table_(table), hooks_(hooks), notices_(notices) {}
    void SetSecondWindow(HWND window, bool on) override;

  private:
    HookTable& table_;
    HookLibrary& hooks_;
    ProgramNotices& notices_;
};

// What the dialog works with beyond its own controls.
struct AddMacroEnv {
    MacroRecord& Current;  // the main window's record, which the editors fill
    HookTable& Table;
    HookLibrary& Hooks;
    ProgramNotices& Notices;
    EditorLaunchers& Launchers;
    std::function<void()> RefillList;  // the main window's list
    // The change the new macro is made under; the editors it opens write
    // through it.
    LibraryChange* Change = nullptr;
};

class TAddNewHotKey : public TForm {
    // First, so the controls can use them.
    AddMacroEnv env_;
    EditorSecondWindow second_;

  public:
    explicit TAddNewHotKey(AddMacroEnv env);

    TRadioButton UseHotKey{*this, nullptr, {12, 8, 100, 20}, "&Hot Keys"};
    TRadioButton UseCuewords{*this, nullptr, {12, 28, 100, 20}, "Cuewords"};
    TRadioButton TimedMacro{*this, nullptr, {12, 48, 100, 20}, "&Timed Macro"};
    TRadioButton UseTitle{*this, nullptr, {170, 8, 150, 20}, "&Window Title"};
    TRadioButton UsePopup{*this, nullptr, {170, 28, 150, 20}, "&Popup Menu"};
    TRadioButton UseBuilding{*this, nullptr, {170, 48, 150, 20}, "&None (use later)"};
    TButton ScriptButton{*this, nullptr, {6, 76, 95, 25}, "&Scripting Editor", ButtonRole::Default};
    TButton EnterKeyButton{*this, nullptr, {106, 76, 95, 25}, "&Enter Directly"};
    TButton CaptureKeyButton{*this, nullptr, {206, 76, 95, 25}, "&Capture Macro"};
    TButton AbortButton{*this, nullptr, {306, 76, 80, 25}, "&Abort", ButtonRole::Cancel};
    TLabel HotKeyLabel{*this,
                       nullptr,
                       {8, 110, 376, 16},
                       "Place cursor in field below and Press the Hot Key to select"};
    THotKeyEntry HotKeyEntry{*this, nullptr, {8, 128, 200, 21}, second_};
    TLabel SetHotKeyLabel{*this, nullptr, {8, 156, 316, 22}, "Select Hot Key"};
    TListBox KeyList{*this, nullptr, {8, 180, 316, 234}};
    TLabel CuewordLabel{*this, nullptr, {8, 112, 316, 16}, "Cueword Name"};
    TEdit CuewordName{*this, nullptr, {8, 130, 200, 21}};

    // Set by the caller: the number the new macro will have.
    int MacroNumber = 0;
    // Results: the chosen editor made the macro; its pop-up menu's tray icon
    // is to be built.
    bool Saved = false;
    bool MenuInTray = false;
    bool KeepsLock = false;  // a recording started and holds the lock until it ends
    bool Appended = false;   // the recording appended the macro already

    // The editor the user made the macro with, shown again with what the
    // user entered (the save of it was refused for a while); false when the
    // macro was not made in one (a recording).
    bool ShowEditorAgain();

    void DisableEnable();
    void HotKeyReported(int code);
    void KeyListClick();
    void DoTheScript();
    void DoModify();
    void DoCapture();

  protected:
    void FormShow() override;

  private:
    AddType Chosen() const;
    // The selected hot key, or -1.
    int SelectedCode() const;
    // The checks every hand-over makes first; false after saying why.
    bool Validate();
    bool AcceptsWindowsKey(int code) const;
    // The script editor or the direct editor, told the activation chosen.
    void HandToEditor(const EditorLaunchers::HandOver& editor);
    void HandOver(const EditorLaunchers::HandOver& editor, MacroHandOver& handOver);
    void KeyListDrawItem(TCanvas& canvas, int index, const RECT& rect, bool selected) const;

    HotKeyChoices choices_;
    // The editor last handed the macro, and how: ShowEditorAgain.
    const EditorLaunchers::HandOver* lastEditor_ = nullptr;
    std::optional<MacroHandOver> lastHandOver_;
};

}  // namespace orv::editor
