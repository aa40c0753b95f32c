#include "editor/shell/win32/remap_dialogs.h"

#include <algorithm>

#include "common/files.h"
#include "common/message_boxes.h"
#include "common/notices.h"
#include "common/side_files.h"
#include "common/ui/win32/display.h"
#include "common/win32/kernel_objects.h"

namespace orv::editor {
namespace {

constexpr int CellSize = 19;

void PrepareGrid(TMyDrawGrid& grid, int cols, int rows) {
    grid.SetColCount(cols);
    grid.SetRowCount(rows);
    grid.SetFixedCols(0);
    grid.SetFixedRows(0);
}

void PaintCellBackground(TCanvas& canvas, const RECT& rect, unsigned state, COLORREF plain) {
    const bool selected = (state & GridDrawState::Selected) != 0;
    canvas.Fill(rect, selected ? GetSysColor(COLOR_HIGHLIGHT) : plain);
    canvas.SetTextColor(GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
}

}  // namespace

bool SaveSwapKeysFromPlayer(const std::string& sideFile) {
    SwapKeyTable table;
    return ReadSwapTableFromPlayer(table) && SaveSwapKeys(sideFile, table);
}

RemapGridControl::RemapGridControl(TForm& form, Bounds bounds, RemapGrid grid)
    : TMyDrawGrid(form, nullptr, bounds), range_(RemapGridRange(grid)) {
    PrepareGrid(*this, 2, range_.Count);
    SetDefaultRowHeight(Scaled(18));
    SetColWidths(0, Scaled(20));
    SetColWidths(1, Scaled(bounds.Width - 44));
    OnDrawCell = [this](int col, int row, HDC dc, const RECT& rect, unsigned state) {
        DrawCell(col, row, dc, rect, state);
    };
    OnDblClick = [this] {
        if (Col() == 1 && OnPick)
            OnPick(*this, range_.First + Row());
    };
}

void RemapGridControl::DrawCell(int col, int row, HDC dc, const RECT& rect, unsigned state) {
    TCanvas canvas(dc);
    const int index = range_.First + row;
    if (col == 0) {
        PaintCellBackground(canvas, rect, state & ~GridDrawState::Selected, RGB(0xC0, 0xC0, 0xC0));
        canvas.WriteText(rect.left + 4, rect.top + 1,
                         std::string(1, static_cast<char>(IdentitySwapTable()[index])));
        return;
    }
    PaintCellBackground(canvas, rect, state, GetSysColor(COLOR_WINDOW));
    SwapKeyTable live;
    if (!ReadSwapTableFromPlayer(live))
        return;
    FontDescription font;
    if (live[index] != 0)
        font.Style = FontStyle::Bold;
    canvas.SetFont(font);
    canvas.WriteText(rect.left + 4, rect.top + 1, RemapReplacementText(live[index]));
}

TDoSwapKeys::TDoSwapKeys(const SettingsBlock& settings, ProgramNotices& notices)
    : TForm("TDoSwapKeys", "Keyboard Remapper", 400, 330),
      settings_(settings),
      library_(settings.MacroFiles[0].str()),
      sideFile_(RemapFileName(library_)),
      notices_(notices) {
    HelpKeyword = "Keyboard Remapper";
    for (RemapGridControl* grid : {&UpperGrid, &LowerGrid, &PunctGrid, &NumericGrid})
        grid->OnPick = [this](RemapGridControl& g, int index) { Pick(g, index); };
    OkButton.ModalResult = IDOK;
    HelpButton.OnClick = [this] { ShowHelp(); };
}

bool TDoSwapKeys::OnItsLibrary() const {
    const std::string& now = settings_.MacroFiles[0].str();
    if (now == library_ || SameFile(now, library_))
        return true;
    ShowError(RemapOtherLibraryMessage(library_));
    return false;
}

void TDoSwapKeys::Pick(RemapGridControl& grid, int tableIndex) {
    SwapKeyTable live;
    if (!OnItsLibrary() || !ReadSwapTableFromPlayer(live))
        return;
    TDoSwapSpecial picker;
    picker.StartIndex = std::max(live[tableIndex] - PickerFirstChar, 0);
    const GridRect cell = grid.CellRect(grid.Col(), grid.Row());
    POINT corners[2] = {{cell.Left, cell.Top}, {cell.Right, cell.Bottom}};
    MapWindowPoints(grid.Handle(), nullptr, corners, 2);
    picker.CellRect = {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
    if (picker.ShowModal(Handle()) != IDOK || picker.Chosen != 1)
        return;
    // The table is read again: the player may have written it meanwhile,
    // or taken another library's.
    if (!OnItsLibrary() || !ReadSwapTableFromPlayer(live))
        return;
    live[tableIndex] = picker.ChosenChar;
    if (!WriteSwapTableToPlayer(live))
        return;
    Changed = 1;
    InvalidateRect(grid.Handle(), nullptr, TRUE);
}

void TDoSwapKeys::FormShow() {
    SwapKeyTable live;
    if (ReadSwapTableFromPlayer(live))
        opened_ = live;
}

bool TDoSwapKeys::SaveChanges() {
    if (Changed != 1 || saved_)
        return true;
    // The player's table is another library's now: the picks went with the
    // table they were made in.
    if (!OnItsLibrary()) {
        Changed = 0;
        return true;
    }
    if (!SaveSwapKeysFromPlayer(sideFile_))
        return false;
    saved_ = true;
    notices_.Post(NoticeCode::KeyRemapChanged, 0);
    return true;
}

bool TDoSwapKeys::FormCloseQuery() {
    if (SaveChanges())
        return true;
    if (CurrentMessageBoxes().Show("Error", RemapNotSavedQuestion(sideFile_),
                                   MsgStyle::YesNo | MsgStyle::IconError) != MsgResult::Yes)
        return false;
    // Nothing on disk changed; the picks leave the player too, unless it
    // went over to another library meanwhile.
    if (opened_ && OnItsLibrary())
        (void)WriteSwapTableToPlayer(*opened_);
    Changed = 0;
    return true;
}

// Closing without Close (the program ending) cannot stay open: it saves what
// it can.
void TDoSwapKeys::FormClose() {
    (void)SaveChanges();
}

TDoSwapSpecial::TDoSwapSpecial()
    : TForm("TDoSwapSpecial", "Select Character", PickerColumns * 19 + 20, 204) {
    PrepareGrid(SymbolGrid, PickerColumns, PickerRows);
    // The cells share the grid's scaled width evenly, a line between each.
    const int cell = Scaled(CellSize * PickerColumns) / PickerColumns - 1;
    SymbolGrid.SetDefaultColWidth(cell);
    SymbolGrid.SetDefaultRowHeight(cell);
    SymbolGrid.OnDrawCell = [this](int col, int row, HDC dc, const RECT& rect, unsigned state) {
        SymbolGridDrawCell(col, row, dc, rect, state);
    };
    SymbolGrid.OnDblClick = [this] { OkButtonClick(); };
    OkButton.OnClick = [this] { OkButtonClick(); };
    CancelButton.ModalResult = IDCANCEL;
}

void TDoSwapSpecial::FormShow() {
    const PickerCell start = PickerCellOf(StartIndex + PickerFirstChar);
    SymbolGrid.MoveCurrent(start.Col, start.Row);
    // Below the cell clicked and centred across when the picker's frame fits
    // on the work area there, else centred.
    const RECT frame = FrameFor(ClientWidth(), ClientHeight());
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    const ScreenRect area = WorkArea();
    if (CellRect.bottom > 0 && CellRect.bottom + height <= area.Top + area.Height) {
        Position = FormPosition::Designed;
        Left = Centred(width, height, area).Left;
        Top = CellRect.bottom;
    }
}

void TDoSwapSpecial::SymbolGridDrawCell(int col, int row, HDC dc, const RECT& rect,
                                        unsigned state) {
    TCanvas canvas(dc);
    PaintCellBackground(canvas, rect, state, GetSysColor(COLOR_WINDOW));
    canvas.WriteText(rect.left + 4, rect.top + 1,
                     std::string(1, static_cast<char>(PickerCharAt({row, col}))));
}

void TDoSwapSpecial::OkButtonClick() {
    ChosenChar = static_cast<std::uint8_t>(PickerCharAt({SymbolGrid.Row(), SymbolGrid.Col()}));
    Chosen = 1;
    Close(IDOK);
}

}  // namespace orv::editor
