// The direct script text editor: a macro's script as raw text, with the
// keystroke editing of the Text command, one button (and menu entry) per
// command dialog inserting its command at the caret, import and export, and
// the macro's nickname, icon, activation name and scope.
#pragma once

#include <cstdint>
#include <deque>
#include <string>

#include "common/activation_kind.h"
#include "common/script/records.h"
#include "common/ui/win32/form.h"
#include "common/ui/win32/menus.h"
#include "common/ui/win32/pictures.h"
#include "editor/commands/win32/keystroke_editor.h"
#include "editor/script/editor_host.h"
#include "editor/script/win32/icon_chooser.h"

namespace orv::editor {

// One command button: its caption, which also names its menu entry, and the
// command whose dialog it opens for a new command.
struct DirectCommandButton {
    const char* Caption;
    CommandCode Code;  // Text: a symbol, chosen as the keys' Symbols button does
};
extern const DirectCommandButton DirectCommandButtons[];
extern const int DirectCommandButtonCount;

class TModHotKeys : public TForm {
  public:
    explicit TModHotKeys(EditorHost& host);

    // Set by the caller before the show.
    std::uint8_t IsExisting = 0;
    std::uint8_t ScopeLocked = 0;
    ActivationKind ActKind = ActivationKind::HotKey;
    // The record holds edits no file holds yet (the editor is back after a
    // save the file refused): closing without saving asks even unchanged.
    bool HoldsUnsavedEdits = false;
    // Read by the caller: 1 after Update filled the record.
    std::uint8_t Saved = 0;

    TMainMenu Menu{*this};
    TMenuItem FileMenu{Menu, "&File"};
    TMenuItem MenuImport{FileMenu, "&Import From Text File"};
    TMenuItem MenuExport{FileMenu, "&Export To Text File"};
    TMenuItem MenuUpdate{FileMenu, "&Update and Exit"};
    TMenuItem MenuExit{FileMenu, "E&xit"};
    TMenuItem ActionsAM{Menu, "&Actions (A - M)"};
    TMenuItem ActionsNZ{Menu, "Actions (N - Z)"};

    TLabel NickLabel{*this, nullptr, {8, 8, 56, 16}, "Nickname"};
    TEdit NickName{*this, nullptr, {66, 4, 190, 21}};
    TSpeedButton MySpeed{*this, nullptr, {262, 2, 25, 25}, {}, "Icon"};
    TLabel TimerLabel{*this, nullptr, {296, 8, 90, 16}};
    TLabel HotKeyLabel{*this, nullptr, {390, 8, 200, 16}};
    TEdit CuewordName{*this, nullptr, {390, 4, 120, 21}};
    TButton SetSchedule{*this, nullptr, {390, 2, 100, 25}, "Set Schedule"};
    TButton ShortProp{*this, nullptr, {516, 2, 76, 25}, "Properties"};
    TRadioButton Global{*this, nullptr, {8, 32, 76, 18}, "Global"};
    TRadioButton Specific{*this, nullptr, {88, 32, 76, 18}, "Window"};
    TRadioButton ProgExe{*this, nullptr, {168, 32, 80, 18}, "Program"};
    TButton ChooseWinProg{*this, nullptr, {252, 28, 60, 24}, "Select"};
    TLabel MemoLabel{*this, nullptr, {8, 56, 200, 16}, "Enter Keystrokes"};
    TMemo NewFormat{*this, nullptr, {8, 74, 504, 170}};
    KeystrokeEditor Keys;
    std::deque<TButton> CommandButtons;
    TButton UpdateButton{*this, nullptr, {520, 74, 76, 25}, "&Update"};
    TButton CancelButton{*this, nullptr, {520, 104, 76, 25}, "&Cancel", ButtonRole::Cancel};
    TButton HelpButton{*this, nullptr, {520, 134, 76, 25}, "&Help"};

    const std::string& IconName() const { return icons_.Name(); }

    // The command's dialog for a new command; a confirmed one goes in at the caret.
    void CommandClick(CommandCode code);
    void UpdateButtonClick();
    void ImportClick();
    void ExportClick();
    void ChooseWinProgClick();
    void ScopeClick();

  protected:
    void FormShow() override;
    // Closing without Update asks before the user's edits are lost.
    bool FormCloseQuery() override;

  private:
    // What the user edits here, to tell whether anything changed.
    std::string EditedState() const;
    std::string OpenLibrary() const;
    void BuildCommandButtons();
    void ShowMacro();
    void ShowActivation();
    void DoCaption();
    ScriptEditorFields Fields() const;
    void RunHostDialog(const std::function<void(MacroRecord&)>& dialog);

    EditorHost& host_;
    IconChooser icons_;
    std::string shownState_;
    // The record as given, for a close without a save to leave behind.
    MacroRecord opened_;
};

}  // namespace orv::editor
