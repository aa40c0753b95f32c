// The main window's macro list: filling and sorting it, the selection, the
// grid's drawing and clicks, and the category filter.
#include <cmath>

#include "common/macro_texts.h"
#include "common/message_boxes.h"
#include "common/ui/win32/display.h"
#include "editor/shell/held_list.h"
#include "editor/shell/main_menu_texts.h"
#include "editor/shell/win32/main_window.h"

namespace orv::editor {

namespace {

constexpr const char* HeaderTexts[] = {"", "Icon", "Activation", "Nickname", "Scope"};

}  // namespace

// ---- the list ----

void TMainWin::FillList() {
    // The selection stays on the macro it showed wherever the refill puts it
    // (a reload renumbers the macros behind a deleted one); the next action
    // is the user's choice, not the number the row had.
    const int formerRow = MyGrid.Row();
    const ListMacro* former = list_.RowMacro(formerRow);
    const std::optional<ListMacro> shown = former ? std::optional(*former) : std::nullopt;
    list_.FillList(
        ListMacrosOf(settings_, context_.Table), categoryFilter_,
        {settings_.PrimarySort.str(), settings_.ActivationSort.str(), settings_.ScopeSort.str()});
    // The same count needs no new scroll bars, only the repaint below.
    if (MyGrid.RowCount() != list_.RowCount())
        MyGrid.SetRowCount(list_.RowCount());
    // The very macro selected is known by its record as read.
    auto isSelected = [this](const ListMacro& line) {
        return selectedAsRead_ && context_.Library.Holds({selectedAsRead_->File, line.Number,
                                                          selectedAsRead_->AsRead});
    };
    MyGrid.SetRow(shown ? list_.RowShowing(*shown, formerRow, isSelected)
                        : list_.NearestRow(formerRow));
    // While a reload waits the tables are not numbered as the file is: the
    // macro remembered stays the one read before, for the reload to find.
    if (!roads_.Waiting())
        RememberSelected(MyGrid.Row());
    if (!list_.Empty())
        CheckTimeItem(MyGrid.Row());
    RepaintList();
}

void TMainWin::RememberSelected(int row) {
    const ListMacro* macro = list_.RowMacro(row);
    HeldMacro held;
    if (macro && HoldAsListed(context_.Library, *macro, held))
        selectedAsRead_ = std::move(held);
    else
        selectedAsRead_.reset();
}

int TMainWin::SelectedMacro() const {
    const ListMacro* macro = list_.RowMacro(MyGrid.Row());
    return macro ? macro->Number : 0;
}

void TMainWin::SelectMacro(int macroNumber) {
    int row = list_.ReverseSort(macroNumber);
    if (row > 0) {
        MyGrid.SetRow(row);
        RememberSelected(row);
        CheckTimeItem(row);
    }
}

void TMainWin::SetButtons(bool on) {
    actions_.SetButtons(on, list_.Empty());
    ApplyActions();
}

void TMainWin::CheckTimeItem(int row) {
    if (const ListMacro* macro = list_.RowMacro(row)) {
        actions_.CheckTimeItem(*macro);
        ApplyActions();
    }
}

void TMainWin::ApplyActions() {
    const MacroActions& a = actions_;
    auto set = [](bool on, std::initializer_list<TMenuItem*> items,
                  std::initializer_list<TControl*> controls) {
        for (TMenuItem* item : items) item->SetEnabled(on);
        for (TControl* control : controls) control->SetEnabled(on);
    };
    set(a.Remove, {&MenuClearHot}, {&ClearHotKey, &DeleteSpeed});
    set(a.Copy, {&MenuCopyHot}, {&CopyHotKey, &CopySpeed});
    set(a.ChangeActivation, {&MenuMoveHot}, {&MoveHotKey, &RenameSpeed});
    set(a.Activate, {&MenuActivate}, {&ButtonActivate, &ActivateSpeed});
    set(a.ModifyDirectly, {&MenuEnterKey}, {&EnterKeyButton, &EditSpeed});
    set(a.Recapture, {&MenuCaptureKey}, {&CaptureKeyButton, &RecaptureSpeed});
    set(a.Script, {&MenuScripting}, {&DoScript, &ScriptSpeed});
    set(a.OnDesktop, {&MenuOnDesktop}, {});
    set(a.AddToCategory, {&MenuAddCat}, {});
    MenuQuickOver.SetEnabled(a.QuickInfo);
    MenuEnterKey.SetCaption(a.ModifyCaption);
    EnterKeyButton.SetText(a.ModifyCaption);
    EditSpeed.SetHint(a.ModifyHint);
    MenuActivate.SetCaption(a.ActivateCaption);
    ButtonActivate.SetText(a.ActivateCaption);
    ActivateSpeed.SetHint(a.ActivateHint);
}

void TMainWin::MyPageChange() {
    const bool macros = MyPage.ActivePage() == &PageMacro;
    for (TMenuItem* item : {&MenuAppear, &MenuCopyHot, &MenuScripting, &MenuEnterKey,
                            &MenuCaptureKey, &MenuMoveHot, &MenuActivate, &MenuClearHot,
                            &MenuOnDesktop, &MenuQuickOver, &MenuImport, &MenuExport, &MenuSort})
        item->SetEnabled(macros);
    if (macros)
        actions_.QuickInfo = true;
}

bool TMainWin::MacroSelected() {
    if (list_.Empty()) {
        ShowError(EditorMessage::NoMacros);
        return false;
    }
    if (SelectedMacro() == 0) {
        ShowError(EditorMessage::NoSelection);
        return false;
    }
    return true;
}

void TMainWin::MyGridClick(int row) {
    RememberSelected(row);
    const ListMacro* macro = list_.RowMacro(row);
    if (list_.Empty() || !macro)
        return;
    actions_.ShowEnabledState(macro->Enabled);
    actions_.SetButtons(true, false);
    actions_.CheckTimeItem(*macro);
    ApplyActions();
}

void TMainWin::MyGridColumnSized(int col, int width) {
    std::int32_t* widths[] = {&settings_.Col1Width, &settings_.Col2Width, &settings_.Col3Width};
    if (col >= 2 && col <= 4)
        *widths[col - 2] = Unscaled(width);  // the settings keep pixels at 96 DPI
    if (SettingsSaved(context_.Config.WriteMainWindowSettings()))
        context_.Notices.Post(NoticeCode::MainWindowSettingsChanged, 0);
}

void TMainWin::MyGridKeyPress(char& key) {
    const std::string& search = typeAhead_.Type(key);
    int row = list_.DoSearchIt(search);
    if (row > 0)
        MyGrid.SetRow(row);
}

void TMainWin::MyGridMouseUp(MouseButton button, int x, int y) {
    if (button != MouseButton::Right || rightPressRow_ < 0)
        return;
    const GridCoord cell = MyGrid.MouseToCell(x, y);
    const int pressed = rightPressRow_;
    rightPressRow_ = -1;
    if (cell.Row != pressed)
        return;
    if (cell.Row == 0) {
        HeaderSort(cell.Col);
    } else if (!list_.Empty() && list_.RowMacro(cell.Row)) {
        MyGrid.SetRow(cell.Row);
        ShowQuickInfo();
    }
}

void TMainWin::HeaderSort(int col) {
    if (!settings_.SortHeader)
        return;
    const std::optional<std::string> order = HeaderSortOrder(col);
    if (!order || *order == settings_.PrimarySort.str())
        return;
    const int selected = SelectedMacro();
    settings_.PrimarySort = *order;
    FillList();
    SelectMacro(selected);
    if (SettingsSaved(context_.Config.WriteMiscSettings()))
        context_.Notices.Post(NoticeCode::MiscSettingsChanged, 0);
}

void TMainWin::AdjustGridSpacing() {
    constexpr std::string_view Sample = "ZZYyjkla";
    gridFont_ = TFont(settings_.GridFont);
    FontDescription italic = settings_.GridFont;
    italic.Style |= FontStyle::Italic;
    disabledFont_ = TFont(italic);
    titleFont_ = TFont(settings_.GridTitleFont);

    HDC screen = GetDC(nullptr);
    int rowHeight, numberWidth, headerHeight;
    {
        TCanvas canvas(screen);
        canvas.SetFont(gridFont_);
        rowHeight = static_cast<int>(std::lround(1.1 * canvas.TextHeight(Sample)));
        numberWidth = canvas.TextWidth("9999");
        canvas.SetFont(titleFont_);
        headerHeight = canvas.TextHeight(Sample);
    }
    ReleaseDC(nullptr, screen);

    MyGrid.SetDefaultRowHeight(rowHeight);
    MyGrid.SetRowHeights(0, headerHeight);
    MyGrid.SetColWidths(0, numberWidth);
    MyGrid.SetColWidths(1, settings_.ShowIcons ? rowHeight : 0);
    MyGrid.SetColWidths(2, Scaled(settings_.Col1Width));
    MyGrid.SetColWidths(3, Scaled(settings_.Col2Width));
    MyGrid.SetColWidths(4, Scaled(settings_.Col3Width));
}

void TMainWin::MyGridDrawCell(int col, int row, HDC dc, const RECT& rect, unsigned state) {
    TCanvas canvas(dc);
    auto write = [&](std::string_view text) {
        const int y = rect.top + (rect.bottom - rect.top - canvas.TextHeight(text)) / 2;
        canvas.WriteFitted(rect.left + 2, y, rect.right - rect.left - 4, text);
    };
    if (row == 0) {
        canvas.SetFont(titleFont_);
        write(col < 5 ? HeaderTexts[col] : "");
        return;
    }
    // The blank row of an empty list, or a row the filter left out.
    const ListMacro* macro = list_.RowMacro(row);
    if (!macro)
        return;
    const bool disabled = !macro->Enabled && col > 0;
    canvas.SetFont(disabled ? disabledFont_ : gridFont_);
    canvas.SetTextColor(GetSysColor(disabled                                 ? COLOR_GRAYTEXT
                                    : (state & GridDrawState::Selected) != 0 ? COLOR_HIGHLIGHTTEXT
                                                                             : COLOR_WINDOWTEXT));
    switch (col) {
        case 0:
            write(std::to_string(row));
            break;
        case 1:
            if (settings_.ShowIcons)
                DrawIconEx(dc, rect.left + 1, rect.top + 1,
                           icons_.IconOf(settings_.Icon[macro->Number]), rect.right - rect.left - 2,
                           rect.bottom - rect.top - 2, 0, nullptr, DI_NORMAL);
            break;
        case 2:
            write(ActivationText(*macro));
            break;
        case 3:
            write(macro->Nickname);
            break;
        case 4:
            write(ScopeText(macro->Kind, macro->ScopeText, ScopeWording::MacroList));
            break;
        default:
            break;
    }
}

// ---- the category filter ----

void TMainWin::CatListClick() {
    const int index = CatList.ItemIndex();
    categoryFilter_ = index < 0 ? 0 : static_cast<std::uint32_t>(CatList.Object(index));
    FillList();
    if (const ListMacro* macro = list_.RowMacro(MyGrid.Row())) {
        actions_.ShowEnabledState(macro->Enabled);
        SetButtons(true);
        CheckTimeItem(MyGrid.Row());
    }
}

void TMainWin::RepaintList() {
    if (MyGrid.Handle())
        InvalidateRect(MyGrid.Handle(), nullptr, TRUE);
}

}  // namespace orv::editor
