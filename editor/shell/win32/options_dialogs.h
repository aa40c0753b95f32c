// The options dialogs of the editor's menus: settings, appearance, the global
// Cueword options and the system commands' hot keys. Each reads the settings
// at its show, and on OK stores them, writes their section and tells the
// player to read it again.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "common/library_change.h"
#include "common/settings.h"
#include "common/ui/win32/form.h"
#include "common/ui/win32/hot_key_entry.h"
#include "editor/shell/system_keys.h"

namespace orv {
class Configs;
class ProgramNotices;
}  // namespace orv

namespace orv::editor {

class TMainWin;
struct EditorContext;

// "Settings".
class TPreference : public TForm {
  public:
    TPreference(SettingsBlock& settings, Configs& configs, ProgramNotices& notices);

    TGroupBox PlayerBox{*this, nullptr, {8, 8, 340, 66}, "Orvane Player"};
    TRadioButton DoTray{*this, nullptr, {18, 28, 300, 18}, "Show In &System Tray"};
    TRadioButton DoHide{*this, nullptr, {18, 48, 300, 18}, "Completely &Hide"};
    TCheckBox StartEditor{*this, nullptr, {8, 82, 340, 18}, "Start &Editor on startup of Orvane"};
    TCheckBox SoundOff{*this, nullptr, {8, 102, 340, 18}, "&Turn off sound effects"};
    TCheckBox AutoHooks{*this, nullptr, {8, 122, 340, 18}, "&Auto Restore Keyboard Hooks"};
    TLabel EMailPathLabel{
        *this, nullptr, {8, 148, 340, 16}, "File Containing E-Mail Recipient List"};
    TEdit EMailPath{*this, nullptr, {8, 164, 340, 21}};
    TLabel EMailLogLabel{*this, nullptr, {8, 192, 340, 16}, "File Containing E-Mail Out Log"};
    TEdit EMailLog{*this, nullptr, {8, 208, 340, 21}};
    TButton OkButton{*this, nullptr, {100, 240, 75, 25}, "&Ok", ButtonRole::Default};
    TButton CancelButton{*this, nullptr, {185, 240, 75, 25}, "&Cancel", ButtonRole::Cancel};

    void OkButtonClick();

  protected:
    void FormShow() override;

  private:
    SettingsBlock& settings_;
    Configs& configs_;
    ProgramNotices& notices_;
};

// "Appearance": applied to the main window through apply, which is told
// whether the category panel was switched.
class TDoAppear : public TForm {
  public:
    TDoAppear(SettingsBlock& settings, Configs& configs, ProgramNotices& notices,
              std::function<void(bool categoriesSwitched)> apply);

    TLabel WidthLabel{*this, nullptr, {8, 8, 200, 16}, "Column Widths"};
    TEdit Col1Wid{*this, nullptr, {8, 26, 44, 21}};
    TEdit Col2Wid{*this, nullptr, {58, 26, 44, 21}};
    TEdit Col3Wid{*this, nullptr, {108, 26, 44, 21}};
    TGroupBox ButtonsBox{*this, nullptr, {8, 56, 170, 62}, "Buttons"};
    TRadioButton SpeedButtons{*this, nullptr, {18, 74, 150, 18}, "&Speed Buttons"};
    TRadioButton LetterButtons{*this, nullptr, {18, 94, 150, 18}, "&Lettered Buttons"};
    TCheckBox ShowIcons{*this, nullptr, {190, 62, 150, 18}, "Show &Icons"};
    TCheckBox ShowCats{*this, nullptr, {190, 84, 150, 18}, "Show C&ategories"};
    TLabel CatWidLabel{*this, nullptr, {190, 108, 100, 16}, "Category Width"};
    TEdit CatWid{*this, nullptr, {290, 104, 44, 21}};
    TButton GridFont{*this, nullptr, {8, 132, 120, 25}, "&Grid Font"};
    TButton GridTitleFont{*this, nullptr, {136, 132, 120, 25}, "Grid &Title Font"};
    TButton OkButton{*this, nullptr, {100, 170, 75, 25}, "&Ok", ButtonRole::Default};
    TButton CancelButton{*this, nullptr, {185, 170, 75, 25}, "&Cancel", ButtonRole::Cancel};

    void OkButtonClick();
    void GridFontClick();
    void GridTitleFontClick();

  protected:
    void FormShow() override;

  private:
    void ChooseFont(FontDescription& font);
    SettingsBlock& settings_;
    Configs& configs_;
    ProgramNotices& notices_;
    std::function<void(bool)> apply_;
    FontDescription gridFont_, titleFont_;  // chosen, stored by OK
};

// The global "Cueword Options".
class TCuewordOptions : public TForm {
  public:
    TCuewordOptions(SettingsBlock& settings, Configs& configs, ProgramNotices& notices);

    TGroupBox GlobalBox{
        *this, nullptr, {8, 8, 360, 122}, "Global Options--Applies to All Cuewords"};
    TCheckBox Solitary{*this, nullptr, {18, 28, 200, 18}, "Solitary &Usage"};
    // Two questions: the prefix or suffix radios on the form, the case
    // radios in their box.
    TRadioButton UsePrefix{*this, nullptr, {18, 50, 150, 18}, "Use &Prefix Keys"};
    TRadioButton UseSuffix{*this, nullptr, {18, 74, 150, 18}, "Use &Suffix Key"};
    TEdit PrefixKeys{*this, nullptr, {172, 48, 30, 21}};
    TCheckBox Punct{*this, nullptr, {18, 98, 300, 18}, "&Include Punctuation Chars"};
    TGroupBox DefaultsBox{
        *this, nullptr, {8, 138, 360, 110}, "Initial Default Values For New Cuewords"};
    TRadioButton CaseMatch{*this,
                           &DefaultsBox,
                           {10, 20, 340, 18},
                           "&Match Upper Case First Char Between Cueword &&Text"};
    TRadioButton CaseSense{
        *this, &DefaultsBox, {10, 40, 340, 18}, "&Require Exact Upper/Lower Case Match on Cueword"};
    TRadioButton CaseNone{*this, &DefaultsBox, {10, 60, 340, 18}, "&None"};
    TCheckBox NoRemove{*this, nullptr, {18, 222, 300, 18}, "&Do Not Remove Keystrokes Typed"};
    TButton OkButton{*this, nullptr, {110, 258, 75, 25}, "&Ok", ButtonRole::Default};
    TButton CancelButton{*this, nullptr, {195, 258, 75, 25}, "&Cancel", ButtonRole::Cancel};

    void EnableDisable();
    void PrefixKeysChange();
    // False after refusing the prefix keys.
    bool PrefixKeysExit();
    void OkButtonClick();

  protected:
    void FormShow() override;

  private:
    SettingsBlock& settings_;
    Configs& configs_;
    ProgramNotices& notices_;
};

// "System Hot Keys": the keys of the five system commands, and how the
// top-window menu shows its macros.
class TSystemKeys : public TForm, private SecondWindow {
  public:
    // Its macros are written through change, only where they still are.
    TSystemKeys(TMainWin& main, EditorContext& context, LibraryChange& change);
    // The field focused at the show: 1 Activate Editor .. 5 Terminate Program.
    int FocusedField = 1;

    TLabel Hint{*this, nullptr, {8, 8, 400, 16}, "(Press the Hot Key)"};
    std::vector<std::unique_ptr<TLabel>> Captions;
    THotKeyEntry ActProg{*this, nullptr, FieldBounds(0), *this};
    THotKeyEntry StartCap{*this, nullptr, FieldBounds(1), *this};
    THotKeyEntry Resume{*this, nullptr, FieldBounds(2), *this};
    THotKeyEntry MenuTop{*this, nullptr, FieldBounds(3), *this};
    THotKeyEntry TermProg{*this, nullptr, FieldBounds(4), *this};
    TGroupBox MenuBox{*this, nullptr, {8, 262, 400, 42}, "Top Window Menu Shows"};
    TRadioButton ShowText{*this, nullptr, {16, 280, 130, 18}, "First Part of Macro"};
    TRadioButton ShowIcon{*this, nullptr, {150, 280, 80, 18}, "Icons"};
    TRadioButton ShowNick{*this, nullptr, {234, 280, 170, 18}, "Nickname and Scope"};
    TButton OkButton{*this, nullptr, {80, 314, 75, 25}, "&Ok", ButtonRole::Default};
    TButton CancelButton{*this, nullptr, {165, 314, 75, 25}, "&Cancel", ButtonRole::Cancel};
    TButton HelpButton{*this, nullptr, {250, 314, 75, 25}, "&Help"};

    const SystemCommandKeys& Keys() const { return keys_; }
    void HotKeyReported(int field, int code);
    void OkButtonClick();

  protected:
    void FormShow() override;

  private:
    static Bounds FieldBounds(int index) { return {8, 44 + index * 44, 200, 21}; }
    void SetSecondWindow(HWND window, bool on) override;
    THotKeyEntry& Field(int index);
    TMainWin& main_;
    EditorContext& context_;
    LibraryChange& change_;
    SystemCommandKeys keys_{};
    // The commands' macros as read at the show.
    std::vector<HeldMacro> held_;
};

}  // namespace orv::editor
