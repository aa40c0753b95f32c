// The keystroke editing both text editors mount whole (the Text command's
// editor and the direct script text editor): over the memo it is given, the
// key buttons, the "Miscellaneous" list with its "ok", Symbols, and the
// menus "&Edit", "&Keys" and "FKe&ys" with their accelerators. Every insert
// goes in at the caret within the script limit; Escape in the memo closes
// the form without an update.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

#include "common/ui/win32/form.h"
#include "common/ui/win32/menus.h"
#include "editor/commands/command_context.h"

namespace orv::editor {

class KeystrokeEditor {
  public:
    // The panel of buttons sits at `at` (width 504, height 130 at least); the
    // menus go into the form's menu bar after what it already holds.
    KeystrokeEditor(TForm& form, TMemo& memo, TMainMenu& menu, Bounds at, CommandContext& context);
    KeystrokeEditor(const KeystrokeEditor&) = delete;
    KeystrokeEditor& operator=(const KeystrokeEditor&) = delete;

    // Characters already searched, and the last text found.
    std::int32_t SearchPos = 0;
    std::string SearchText;

    // The host's show: the list refilled, the search from the start.
    void FormShow();
    // True when n more characters fit; else the refusal is shown.
    bool CheckSize(std::size_t added);
    // The text at the caret, the caret after it, the focus in the memo.
    void SetIt(std::string_view text);
    // CheckSize, then SetIt.
    void Insert(std::string_view text);
    void DoSearchFor(const std::string& text);

    void OkButtonClick();
    void SymbolsClick();
    void MenuCutClick();
    void MenuCopyClick();
    void MenuPasteClick();
    void MenuDeleteClick();
    void Find1Click();
    void FindAgain1Click();
    void SearchandReplace1Click();

    TPanel Panel;
    std::deque<TButton> KeyButtonControls;
    TButton Symbols;
    TLabel MiscLabel;
    TComboBox MiscBox;
    TButton OkButton;

    TMenuItem EditMenu;
    TMenuItem MenuCut;
    TMenuItem MenuCopy;
    TMenuItem MenuPaste;
    TMenuItem MenuDelete;
    TMenuItem EditSeparator;
    TMenuItem Find1;
    TMenuItem FindAgain1;
    TMenuItem SearchandReplace1;
    TMenuItem KeysMenu;
    TMenuItem FKeysMenu;
    std::deque<TMenuItem> KeyItems;
    TAccelerators Accelerators;

  private:
    void NewFormatKeyDown(WORD& key, ShiftState shift);
    void NewFormatKeyPress(char& key);
    TEdit* FocusedEdit() const;

    TForm& form_;
    TMemo& memo_;
    CommandContext& context_;
};

}  // namespace orv::editor
