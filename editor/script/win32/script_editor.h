// The script editor: one macro's script as a list of command lines, added,
// edited, moved and copied through the command dialogs, with the macro's
// nickname, scope and icon, printing and save; and the editing of a text
// file's script in the same form (text-file mode).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/activation_kind.h"
#include "common/ui/win32/form.h"
#include "common/ui/win32/menus.h"
#include "common/ui/win32/pictures.h"
#include "editor/script/bridges.h"
#include "editor/script/editor_host.h"
#include "editor/script/script_list_model.h"
#include "editor/script/win32/icon_chooser.h"

namespace orv::editor {

// A button whose caption takes as many lines as it needs.
class TMultiLineButton final : public TButton {
  public:
    using TButton::TButton;

  protected:
    DWORD WindowStyle() const override { return TButton::WindowStyle() | BS_MULTILINE; }
};

class TDoScripting;
// The open script editor, while one is shown.
extern TDoScripting* DoScripting;

// The family's dialog is there (the text-file bridge is the editor's own).
bool BridgeAvailable(Bridge bridge);

class TDoScripting : public TForm {
  public:
    explicit TDoScripting(EditorHost& host);
    ~TDoScripting() override;

    // Set by the caller before the show.
    std::uint8_t IsExisting = 0;
    std::uint8_t ScopeLocked = 0;
    ActivationKind ActKind = ActivationKind::HotKey;
    // The record holds edits no file holds yet (the editor is back after a
    // save the file refused): closing without saving asks even unchanged.
    bool HoldsUnsavedEdits = false;
    // Read by the caller after the form closed.
    std::uint8_t Saved = 0;
    // 1 when the last command dialog was confirmed.
    std::uint8_t Modified = 0;
    std::uint8_t EditingTextFile = 0;
    std::string TextFilePath;
    std::string TextFileEntry;
    // The command palette behind the Wizard button; the button stays
    // disabled while there is none.
    std::function<void(TDoScripting&)> Palette;

    TMainMenu Menu{*this};
    TMenuItem MenuFile{Menu, "&File"};
    TMenuItem MenuSave{MenuFile, "&Save"};
    TMenuItem MenuPrint{MenuFile, "&Print Script"};
    TMenuItem MenuPrinterSetup{MenuFile, "Printer S&etup"};
    TMenuItem MenuPrinterFont{MenuFile, "Printer &Font"};
    TMenuItem FileSep{MenuFile, "-"};
    TMenuItem MenuExit{MenuFile, "E&xit"};
    TMenuItem MenuCommands{Menu, "C&ommands"};
    TMenuItem MenuOptions{Menu, "O&ptions"};
    TMenuItem InsertBefore{MenuOptions, "Insert &Before Highlighted Command"};
    TMenuItem InsertAfter{MenuOptions, "Insert &After Highlighted Command"};
    TMenuItem InsertAtEnd{MenuOptions, "Insert At &End Of Macro Script"};
    TMenuItem MenuHelp{Menu, "&Help"};
    TMenuItem MenuHelpItem{MenuHelp, "&Help"};

    TPanel TopPanel{*this, nullptr, {0, 0, 598, 50}};
    TLabel NickLabel{*this, &TopPanel, {8, 6, 56, 16}, "Nickname"};
    TEdit NickName{*this, &TopPanel, {66, 2, 190, 21}};
    TSpeedButton IconButton{*this, &TopPanel, {262, 0, 24, 24}, {}, "Macro Icon"};
    TLabel ActLabel{*this, &TopPanel, {296, 6, 90, 16}};
    TLabel HotKeyLabel{*this, &TopPanel, {390, 6, 200, 16}};
    TEdit CueName{*this, &TopPanel, {390, 2, 120, 21}};
    TButton SetSchedule{*this, &TopPanel, {390, 0, 100, 25}, "Se&t Schedule"};
    TButton Properties{*this, &TopPanel, {516, 0, 76, 25}, "Properties"};
    TRadioButton GlobalRadio{*this, &TopPanel, {8, 28, 76, 18}, "&Global"};
    TRadioButton WindowRadio{*this, &TopPanel, {88, 28, 76, 18}, "&Window"};
    TRadioButton ProgramRadio{*this, &TopPanel, {168, 28, 80, 18}, "P&rogram"};
    TButton SelectButton{*this, &TopPanel, {252, 24, 60, 24}, "Select"};
    TLabel Banner{*this, nullptr, {4, 16, 590, 16}};

    TLabel CommandsTitle{*this, nullptr, {8, 52, 150, 16}, "Commands"};
    TListBox OptionBox{*this, nullptr, {8, 68, 158, 328}, true};
    TButton AddButton{*this, nullptr, {172, 90, 76, 25}, "&Add"};
    TButton InsertBeforeButton{*this, nullptr, {172, 122, 76, 25}, "I&nsert"};
    TButton InsertAfterButton{*this, nullptr, {172, 154, 76, 25}, "&Insert"};
    TMultiLineButton WizardButton{*this, nullptr, {172, 200, 76, 40}, "Command\nWi&zard"};
    TLabel ScriptTitle{*this, nullptr, {254, 52, 285, 16}, "Macro Script"};
    TListBox Script{*this, nullptr, {254, 68, 285, 328}};
    TButton UpButton{*this, nullptr, {546, 68, 48, 25}, "&Up"};
    TButton DownButton{*this, nullptr, {546, 98, 48, 25}, "&Down"};
    TButton EditButton{*this, nullptr, {546, 140, 52, 25}, "&Edit"};
    TButton CopyButton{*this, nullptr, {546, 170, 52, 25}, "Cop&y"};
    TButton DeleteButton{*this, nullptr, {546, 200, 52, 25}, "De&lete"};
    TButton SaveButton{*this, nullptr, {546, 280, 52, 25}, "Sa&ve"};
    TButton HelpButton{*this, nullptr, {546, 310, 52, 25}, "Help"};
    TButton CancelButton{*this, nullptr, {546, 340, 52, 25}, "&Cancel", ButtonRole::Cancel};

    // The lines and their selection.
    ScriptListModel& Model() { return model_; }
    EditorHost& Host() { return host_; }
    const std::string& IconName() const { return icons_.Name(); }

    // Selects a line as a click on it does; nothing for none.
    void SelectLine(std::optional<int> index);
    // Add, Insert before and Insert after: the command chosen in Commands.
    void AddCommand(AddStyle style);
    // A menu command: the Insert Method's style, then the code's bridge.
    void MenuCommand(CommandCode code);
    void EditLine();
    void DeleteLine();
    void MoveUp();
    void MoveDown();
    void CopyLine();
    void SaveClick();
    // After a refused save: the name box or the line that cannot be saved.
    void ShowRefusal(const SaveResult& result);
    void CancelClick();
    void PrintScript();
    void PrinterFontClick();
    void SelectClick();
    void ScopeClick();
    // The bridge of the code for a new line (editing: the line at SelIndex);
    // true when a line was added or replaced.
    bool CallBridge(CommandCode code, bool fresh, bool allowScriptEdit);
    // The palette's add: the code's bridge for a new line at the end,
    // without the script-editor choice of the text-file dialog; the line
    // stays as composed and the selection where it was.
    bool PaletteAdd(CommandCode code);
    // The Load Text File bridge.
    bool MyTextInsert(bool fresh, bool restoring, bool allowScriptEdit);
    // Text-file mode on the file; false when the macro's lines could not be
    // parked or the file not read (the editor stays as it was).
    bool EnterTextFileMode(const std::string& typed, const std::string& shortPath);

  protected:
    void FormShow() override;
    void FormResize() override;
    // Closing without a save asks before the user's edits are lost.
    bool FormCloseQuery() override;
    void FormClose() override;

  private:
    struct ParkedInsert {
        bool Fresh = true;
        AddStyle Style = AddStyle::AtEnd;
        int SelIndex = 0;
    };

    void BuildCommandMenu();
    void ShowMacro();
    void ShowTopPanel();
    void ShowLines();
    void SetButtons();
    void SetInsertMethod(int method);
    void DoCaption();
    ScopeChoice Scope() const;
    ScriptEditorFields Fields() const;
    // What the user edits here, to tell whether anything changed.
    std::string EditedState() const;
    // Whether the text file's lines differ from how they were loaded.
    bool TextFileEdited() const;
    std::string PrintHeading() const;
    void LeaveTextFileMode();
    void ShowMacroControls(bool show);
    // A new line where AddStyle puts it, selected and indented unless the
    // palette adds it.
    void PlaceNewLine(CommandLine line);

    EditorHost& host_;
    ScriptListModel model_;
    IconChooser icons_;
    std::unique_ptr<TAccelerators> keys_;
    ParkedInsert parked_;
    bool paletteAdding_ = false;
    std::vector<CommandLine> parkedLines_;
    std::string loadedText_;
    std::vector<std::string> loadedFileLines_;
    std::string shownState_;
    // The record as given, for a close without a save to leave behind.
    MacroRecord opened_;
};

}  // namespace orv::editor
