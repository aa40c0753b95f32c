// "Copy Hot Key" / "Change Macro Activation": the new activation of a macro
// being copied or moved, chosen into the record; and the main window's copy
// and move operations that open it.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "common/macro_record.h"
#include "common/ui/win32/form.h"
#include "common/ui/win32/hot_key_entry.h"
#include "editor/shell/copy_move.h"

namespace orv::editor {

class TMainWin;
struct EditorContext;

class TCopyOrMove : public TForm, private SecondWindow {
  public:
    TCopyOrMove(MacroRecord& record, EditorContext& context);
    std::uint8_t ChangeMode = 0;  // 1 move, 0 copy
    std::uint8_t Done = 0;
    // In: a choice to show again (the dialog back after a save the file
    // refused), else a fresh one; out: the choice Ok took.
    std::optional<ActivationChoice> Choice;

    TRadioButton HotKeyRadio{*this, nullptr, {8, 8, 150, 18}, "Hot &Key"};
    TRadioButton CuewordRadio{*this, nullptr, {8, 28, 150, 18}, "C&ueword"};
    TRadioButton TimedRadio{*this, nullptr, {8, 48, 150, 18}, "&Timed Macro"};
    TRadioButton TitleRadio{*this, nullptr, {180, 8, 150, 18}, "&Window Title"};
    TRadioButton NoneRadio{*this, nullptr, {180, 28, 150, 18}, "&None (use later)"};
    THotKeyEntry HotKeyEntry{*this, nullptr, {8, 72, 200, 21}, *this};
    TLabel PressLabel{*this, nullptr, {214, 76, 150, 16}, "(Press the Hot Key)"};
    TListBox KeyList{*this, nullptr, {8, 100, 340, 288}};
    TLabel CuewordLabel{*this, nullptr, {8, 72, 200, 16}, "Cueword Name"};
    TEdit CuewordEntry{*this, nullptr, {8, 90, 200, 21}};
    TButton OkButton{*this, nullptr, {60, 396, 75, 25}, "&Ok", ButtonRole::Default};
    TButton CancelButton{*this, nullptr, {145, 396, 75, 25}, "&Cancel", ButtonRole::Cancel};
    TButton HelpButton{*this, nullptr, {230, 396, 75, 25}, "&Help"};

    void EnableDisable();
    void HotKeyReported(int code);
    void OkButtonClick();

  protected:
    void FormShow() override;

  private:
    void SetSecondWindow(HWND window, bool on) override;
    NewActivation Chosen() const;
    TRadioButton& RadioOf(NewActivation kind);
    void ShowChoice(const ActivationChoice& choice);
    // False when the user declines a key the system may use itself.
    bool CheckBad(int code) const;
    MacroRecord& record_;
    EditorContext& context_;
};

// The copy and move operations, and the system hot keys for a system macro.
void InstallCopyMove(TMainWin& main, EditorContext& context);

}  // namespace orv::editor
