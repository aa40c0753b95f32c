#include "editor/commands/win32/symbol_search_dialogs.h"

#include "common/ui/win32/display.h"
#include "editor/commands/keystroke_text.h"
#include "editor/commands/win32/flow_dialogs.h"

namespace orv::editor {

// Symbols ---------------------------------------------------------------------

TDoSpecial::TDoSpecial(CommandContext& context)
    : TCommandDialog("TDoSpecial", "Insert Symbol", 462, 230 + FooterHeight, ""),
      context_(context) {
    BindButtons(Buttons.OkButton, Buttons.CancelButton, nullptr);
    AltPadSeq.OnClick = [this] { AltPadSeqClick(); };
    SymbolGrid.SetColCount(SymbolCols);
    SymbolGrid.SetRowCount(SymbolRows);
    SymbolGrid.SetFixedCols(0);
    SymbolGrid.SetFixedRows(0);
    SymbolGrid.SetDefaultColWidth(Scaled(26));
    SymbolGrid.SetDefaultRowHeight(Scaled(24));
    SymbolGrid.SetOptions(GridOption::VertLine | GridOption::HorzLine);
    SymbolGrid.OnDrawCell = [this](int col, int row, HDC dc, const RECT& rect, unsigned) {
        SymbolGridDrawCell(col, row, dc, rect);
    };
    SymbolGrid.OnDblClick = [this] { OkButtonClick(); };
}

void TDoSpecial::SymbolGridDrawCell(int col, int row, HDC dc, const RECT& rect) const {
    char symbol = static_cast<char>(SymbolCode(col, row));
    RECT cell = rect;
    DrawTextA(dc, &symbol, 1, &cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void TDoSpecial::FormShow() {
    TCommandDialog::FormShow();
    AltPadSeq.SetVisible(HideAltPad != 1);
    AltPadSeq.SetEnabled(HideAltPad != 1);
    SymbolGrid.SetFocus();
}

void TDoSpecial::OkButtonClick() {
    Accept(ComposeSymbol(SymbolGrid.Col(), SymbolGrid.Row()),
           [this](SymbolField) -> TControl& { return SymbolGrid; });
}

void TDoSpecial::AltPadSeqClick() {
    TDoDelay keypad(context_);
    keypad.DelayMode = static_cast<std::int32_t>(DelayMode::AltKeypad);
    keypad.ShowModal(Handle());
    if (!keypad.Confirmed())
        return;
    // The keypad's line is this dialog's command.
    SymbolOutcome sequence;
    static_cast<ComposedCommand&>(sequence) = {keypad.CommandText, keypad.OptionCode,
                                               keypad.ComposedCode(), keypad.ComposedRecord()};
    Accept(sequence);
}

// Find and replace ------------------------------------------------------------------

TDoSearch::TDoSearch() : TForm("TDoSearch", "Search and Replace", 368, 72 + FooterHeight) {
    Buttons.OkButton.OnClick = [this] { OkButtonClick(); };
    Buttons.CancelButton.ModalResult = IDCANCEL;
}

void TDoSearch::FormShow() {
    Confirmed = 0;
    SetCaption(FindOnly == 1 ? "Find" : "Search and Replace");
    Replace.SetEnabled(FindOnly != 1);
    ReplaceLabel.SetEnabled(FindOnly != 1);
    Find.SetFocus();
}

void TDoSearch::OkButtonClick() {
    SearchRequest request = ReadSearchRequest(Find.Text(), Replace.Text());
    FindText = request.FindText;
    ReplaceText = request.ReplaceText;
    Confirmed = request.Confirmed ? 1 : 0;
    Close(IDOK);
}

}  // namespace orv::editor
