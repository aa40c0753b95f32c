// "Capture Complete": the player's recording has ended and the new macro is
// given its nickname, its activation (a hot key, a Cueword or none yet) and
// its scope.
#pragma once

#include <string>

#include "common/hook_table.h"
#include "common/macro_record.h"
#include "player/win32/forms/run_time_dialog.h"
#include "common/ui/win32/hot_key_entry.h"
#include "player/capture.h"

namespace orv::player {

class TCapComplete final : public TRunTimeDialog {
  public:
    // record: the new macro, changed only by an accepted Ok; programName: the
    // program a Program scope names.
    TCapComplete(MacroRecord& record, std::string programName, const HookTable& table,
                 const SettingsBlock& settings, SecondWindow& second);

    TLabel Label1{*this, nullptr, {8, 8, 380, 16}, "Macro Capture Complete"};
    TLabel Label2{
        *this, nullptr, {8, 26, 380, 16}, "Please assign this macro to a hot key or cueword."};
    TLabel NickNameLabel{*this, nullptr, {8, 50, 70, 16}, "NickName"};
    TEdit NickName{*this, nullptr, {84, 46, 301, 21}};
    TGroupBox TypeBox{*this, nullptr, {8, 72, 185, 78}, "Macro Type"};
    TRadioButton UseHotKey{*this, &TypeBox, {10, 16, 165, 18}, "Hot &Keys"};
    TRadioButton UseCuewords{*this, &TypeBox, {10, 35, 165, 18}, "&Cuewords"};
    TRadioButton RadioButton1{*this, &TypeBox, {10, 54, 165, 18}, "&None (use later)"};
    TGroupBox ScopeBox{*this, nullptr, {200, 72, 185, 78}, "Scope"};
    TRadioButton GlobalButton{*this, &ScopeBox, {10, 16, 165, 18}, "&Global"};
    TRadioButton ProgramButton{*this, &ScopeBox, {10, 35, 165, 18}, "&Program"};
    TLabel SetHotKeyLabel{*this, nullptr, {8, 156, 377, 16}, "Select Hot Key"};
    TLabel HotKeyLabel{*this,
                       nullptr,
                       {8, 174, 377, 16},
                       "Place cursor in field below and Press the Hot Key to select"};
    THotKeyEntry HotKeyEntry;
    TListBox KeyList{*this, nullptr, {8, 218, 377, 196}};
    TLabel CuewordLabel{*this, nullptr, {8, 156, 84, 16}, "Cueword Name"};
    TEdit CuewordName{*this, nullptr, {96, 152, 120, 21}};
    TButton OkButton{*this, nullptr, {120, 420, 75, 21}, "&Ok", ButtonRole::Default};
    TButton HelpButton{*this, nullptr, {205, 420, 75, 21}, "&Help"};

    static constexpr int ClientWidthPx = 393;
    // Where the buttons stand for each macro type; the client ends below them.
    static constexpr int HotKeyButtonsTop = 420, CuewordButtonsTop = 181, NoneButtonsTop = 155;
    static constexpr int BelowButtons = 23;

  protected:
    void FormShow() override;
    void FormKeyDown(WORD& key, ShiftState shift) override;

  private:
    MacroType Type() const;
    void ShowType();
    void SelectHotKey(int code);
    void KeyListDrawItem(TCanvas& canvas, int index, const RECT& rect, bool selected) const;
    void OkButtonClick();

    MacroRecord& record_;
    std::string programName_;
    const HookTable& table_;
    const SettingsBlock& settings_;
    KeyUse use_;
    // The line the user chose, by its key or by a click; -1 none. The list's
    // own selection is not trusted before the user touched it.
    int selectedCode_ = -1;
};

}  // namespace orv::player
