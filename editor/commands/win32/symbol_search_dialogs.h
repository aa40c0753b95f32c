// The symbol picker (a character of codes 128 to 255, or an Alt keypad
// sequence) and the find and replace prompt of the keystroke text editors.
#pragma once

#include <cstdint>
#include <string>

#include "common/ui/win32/draw_grid.h"
#include "editor/commands/command_context.h"
#include "editor/commands/win32/command_dialog.h"

namespace orv::editor {

class TDoSpecial : public TCommandDialog {
  public:
    // The context goes to the Alt keypad dialog it opens.
    explicit TDoSpecial(CommandContext& context);
    std::uint8_t HideAltPad = 0;

    TMyDrawGrid SymbolGrid{*this, nullptr, {12, 12, 438, 206}};
    TButton AltPadSeq{*this, nullptr, {270, 230, 180, 25}, "&Alt Keypad Sequence"};
    TButtonRow Buttons{*this, 230, 12, false};

    void AltPadSeqClick();

  protected:
    void FormShow() override;
    void OkButtonClick() override;

  private:
    void SymbolGridDrawCell(int col, int row, HDC dc, const RECT& rect) const;
    CommandContext& context_;
};

class TDoSearch : public TForm {
  public:
    TDoSearch();
    std::string FindText;
    std::string ReplaceText;
    std::uint8_t Confirmed = 0;
    std::uint8_t FindOnly = 0;

    TLabel FindLabel{*this, nullptr, {12, 14, 90, 16}, "Find"};
    TEdit Find{*this, nullptr, {106, 10, 250, 21}};
    TLabel ReplaceLabel{*this, nullptr, {12, 42, 90, 16}, "Replace With"};
    TEdit Replace{*this, nullptr, {106, 38, 250, 21}};
    TButtonRow Buttons{*this, 72, 12, false};

    void OkButtonClick();

  protected:
    void FormShow() override;
};

}  // namespace orv::editor
