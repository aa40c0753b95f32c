#include "editor/shell/win32/main_window.h"

#include "common/ui/draw_grid_model.h"
#include "common/win32/window_notices.h"
#include "editor/shell/player_link.h"
#include "editor/shell/recent_files.h"

namespace orv {

namespace {

constexpr const char* HeaderTexts[] = {"", "", "Activation", "Nickname", "Scope"};

void Repaint(const TControl& control) {
    if (control.Handle())
        InvalidateRect(control.Handle(), nullptr, TRUE);
}

}  // namespace

TMainWin::TMainWin(SettingsBlock& settings, HookTable& table, MacroLibrary& library,
                   Configs& configs, ProgramNotices& notices)
    : TForm("TMainWin", "Orvane Editor", 640, 400),
      settings_(settings),
      table_(table),
      library_(library),
      configs_(configs),
      notices_(notices) {
    BorderStyle = FormBorder::Sizeable;
    MyGrid.SetOptions(GridOption::MacroList | GridOption::RowSelect);
    MyGrid.SetColCount(5);
    MyGrid.OnDrawCell = [this](int col, int row, HDC dc, const RECT& rect, unsigned state) {
        MyGridDrawCell(col, row, dc, rect, state);
    };
}

void TMainWin::FormShow() {
    DoCaption();
    MyGrid.SetColWidths(0, 30);
    MyGrid.SetColWidths(1, 0);  // icons come with the list's drawing of them
    MyGrid.SetColWidths(2, settings_.Col1Width);
    MyGrid.SetColWidths(3, settings_.Col2Width);
    MyGrid.SetColWidths(4, settings_.Col3Width);
    FillList();
}

void TMainWin::FormResize() {
    MyGrid.SetBounds({2, 2, ClientWidth() - 4, ClientHeight() - 4});
}

// Closed by the user: the settings are written. Ended with the player (a
// WM_QUIT) they are not, since the player writes them then.
void TMainWin::FormClose() {
    configs_.SaveConfig();
    PostQuitMessage(0);
}

void TMainWin::FormDestroy() {
    notices_.Post(NoticeCode::EditorClosed, 0);
}

void TMainWin::DoCaption() {
    SetCaption(CaptionText(FileTitleOf(settings_.MacroFiles[0].str()), false, ""));
}

void TMainWin::FillList() {
    list_.FillList(
        ListMacrosOf(settings_, table_), 0,
        {settings_.PrimarySort.str(), settings_.ActivationSort.str(), settings_.ScopeSort.str()});
    MyGrid.SetRowCount(list_.RowCount());
    Repaint(MyGrid);
}

void TMainWin::SelectMacro(int macroNumber) {
    int row = list_.ReverseSort(macroNumber);
    if (row > 0)
        MyGrid.SetRow(row);
}

void TMainWin::MyGridDrawCell(int col, int row, HDC dc, const RECT& rect, unsigned state) {
    std::string text;
    bool enabled = true;
    if (row == 0) {
        text = col < 5 ? HeaderTexts[col] : "";
    } else if (const ListMacro* macro = list_.RowMacro(row)) {
        enabled = macro->Enabled || col == 0;
        switch (col) {
            case 0:
                text = std::to_string(row);
                break;
            case 2:
                text = ActivationText(*macro);
                break;
            case 3:
                text = macro->Nickname;
                break;
            case 4:
                text = ScopeColumnText(macro->Kind, macro->ScopeText);
                break;
            default:
                break;
        }
    }
    bool selected = (state & GridDrawState::Selected) != 0;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(!enabled   ? COLOR_GRAYTEXT
                                 : selected ? COLOR_HIGHLIGHTTEXT
                                            : COLOR_WINDOWTEXT));
    RECT r = rect;
    r.left += 2;
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

bool TMainWin::UserMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result) {
    if (message != WM_PROGRAM_NOTICE)
        return TForm::UserMessage(message, w, l, result);
    PlayerNotify(static_cast<int>(w), static_cast<std::int32_t>(l));
    result = 0;
    return true;
}

void TMainWin::PlayerNotify(int code, std::int32_t argument) {
    switch (DecidePlayerNotify(code, argument, table_.EntryCount())) {
        case PlayerNotifyAction::RepaintList:
            Repaint(MyGrid);
            break;
        case PlayerNotifyAction::SelectMacro:
            FillList();
            SelectMacro(argument);
            break;
        case PlayerNotifyAction::ReloadLibrary:
            library_.ReloadMacroFile(false);
            FillList();
            break;
        default:
            // The other notices come with the parts of the window they change.
            break;
    }
}

}  // namespace orv
