#include "editor/shell/win32/main_window.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <utility>

#include "common/clock.h"
#include "common/files.h"
#include "common/hotkeys.h"
#include "common/macro_texts.h"
#include "common/message_boxes.h"
#include "common/shared_routines.h"
#include "common/side_files.h"
#include "common/swap_keys.h"
#include "common/ui/draw_grid_model.h"
#include "common/ui/win32/about_box.h"
#include "common/ui/win32/font_dialogs.h"
#include "common/ui/win32/print_service.h"
#include "common/ui/win32/services.h"
#include "common/win32/system_routines.h"
#include "common/win32/window_notices.h"
#include "editor/commands/win32/network_considerations.h"
#include "editor/shell/held_list.h"
#include "editor/shell/main_menu_texts.h"
#include "editor/shell/player_link.h"
#include "editor/shell/recent_files.h"
#include "editor/shell/wizard_kinds_menu.h"
#include "editor/shell/win32/editor_resources.h"
#include "editor/shell/win32/quick_info_form.h"
#include "editor/shell/win32/sort_order_form.h"
#include "editor/shell/win32/user_manual.h"

namespace orv::editor {

namespace {

constexpr const char* HeaderTexts[] = {"", "Icon", "Activation", "Nickname", "Scope"};
constexpr int SpeedTop = 35;  // the grid's top under the speed panel
constexpr int LetterWidth = 161;

void Repaint(const TControl& control) {
    if (control.Handle())
        InvalidateRect(control.Handle(), nullptr, TRUE);
}

constexpr const char* RecordingRunsMessage =
    "A macro is being recorded.  End the recording before opening another macro file or "
    "removing a macro.";

Picture SpeedGlyph(int index) {
    Picture p;
    p.Bitmap = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr),
                                               MAKEINTRESOURCEA(EditorResource::SpeedFirst + index),
                                               IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
    return p;
}

FileDialogOptions MacroFileDialog(const char* title) {
    FileDialogOptions o;
    o.Title = title;
    o.Filter = "Orvane (*.ORN)|*.ORN";
    o.DefaultExt = "ORN";
    o.HideReadOnly = true;
    return o;
}

}  // namespace

WizardMenu::WizardMenu(TMenuItem& parent) {
    for (const WizardMenuEntry& entry : WizardMenuEntries()) {
        if (entry.Caption.empty())
            continue;
        auto item = std::make_unique<TMenuItem>(parent, entry.Caption);
        int kind = entry.Kind;
        item->OnClick = [this, kind] {
            if (OnChoose)
                OnChoose(kind);
        };
        items_.emplace_back(kind, std::move(item));
    }
}

TMenuItem* WizardMenu::Item(int kind) const {
    for (const auto& [k, item] : items_)
        if (k == kind)
            return item.get();
    return nullptr;
}

TMainWin::TMainWin(EditorContext& context, EditorLaunchers launchers)
    : TForm("TMainWin", "Orvane Editor", 620, 430),
      context_(context),
      settings_(context.Settings),
      launchers_(std::move(launchers)),
      startShow_(context.StartShow),
      lock_(LibraryOwner::Editor, context.Settings, context.SyncFiles, *this, context.Notices),
      editing_(context.Library, context.Settings, context.Table, context.Hooks, context.Notices) {
    BorderStyle = FormBorder::Sizeable;
    MinClientWidth = 400;
    MinClientHeight = 250;
    netTimer_.OnTimer = [this] { lock_.NetTimerTimer(); };
    syncTimer_.OnTimer = [this] { lock_.SyncTimerTimer(); };
    WireMenus();
    WireButtons();
    WireGrid();

    // The library, its side files and the hook library's view of it.
    if (settings_.NetworkMode)
        lock_.SetUp();
    // One that cannot be loaded has been said: the list starts empty.
    static_cast<void>(context_.Library.LoadMacroFile(settings_.MacroFiles[0].str(), true));
    GetCatFile();
    GetSwapFile();
    RefreshEverythingFromHookLibrary(context_.Hooks, context_.Table);

    SetMenuLastFiles();
    MenuShowDate.SetChecked(settings_.ShowDate);
    MenuDisableScreenSaver.SetChecked(settings_.DisableScreenSaver);
    if (settings_.MainWidth > 0 && settings_.MainHeight > 0) {
        Position = FormPosition::Restored;
        SetRestoredGeometry(
            {settings_.MainLeft, settings_.MainTop, settings_.MainWidth, settings_.MainHeight});
    }
    SpeedPanel.SetVisible(settings_.UseSpeed);
    LetterPanel.SetVisible(!settings_.UseSpeed);
    lock_.StartTimers();
    FillList();
    SetButtons(context_.Table.EntryCount() > 0);
}

TMainWin::~TMainWin() = default;

// ---- wiring ----

void TMainWin::WireMenus() {
    NewFile1.OnClick = [this] { DoNew(); };
    OpenFile1.OnClick = [this] { DoOpen(); };
    TMenuItem* recent[] = {&MenuLastFile1, &MenuLastFile2, &MenuLastFile3, &MenuLastFile4,
                           &MenuLastFile5};
    for (int i = 0; i < 5; ++i) recent[i]->OnClick = [this, i] { OpenSaveFile(i + 1); };
    MenuImportText.OnClick = [this] { launchers_.ImportText(); };
    OutputHotKeyList1.OnClick = [this] {
        if (list_.Empty())
            ShowError(EditorMessage::NoMacros);
        else
            launchers_.OutputInformation();
    };
    MenuPrint.OnClick = [this] { launchers_.PrintList(); };
    MenuPrinterFont.OnClick = [this] { ChoosePrinterFont(); };
    PrinterSetup1.OnClick = [this] { CurrentPrintService().ShowPrinterSetup(Handle()); };
    MenuTerminate.OnClick = [this] { Close(); };

    MenuAddHotKey.OnClick = [this] { launchers_.AddMacro(); };
    auto onSelected = [this](EditorLaunchers::Launcher EditorLaunchers::*launcher) {
        return [this, launcher] {
            if (MacroSelected())
                (launchers_.*launcher)();
        };
    };
    MenuEnterKey.OnClick = onSelected(&EditorLaunchers::ModifyMacro);
    MenuScripting.OnClick = onSelected(&EditorLaunchers::ScriptEditor);
    MenuCaptureKey.OnClick = onSelected(&EditorLaunchers::Recapture);
    MenuCopyHot.OnClick = onSelected(&EditorLaunchers::CopyMacro);
    MenuMoveHot.OnClick = onSelected(&EditorLaunchers::ChangeActivation);
    MenuClearHot.OnClick = onSelected(&EditorLaunchers::RemoveMacro);
    MenuActivate.OnClick = onSelected(&EditorLaunchers::ActivateMacro);
    MenuAddCat.OnClick = onSelected(&EditorLaunchers::AddToCategory);
    MenuOnDesktop.OnClick = onSelected(&EditorLaunchers::OnDesktop);
    MenuQuickOver.OnClick = [this] { ShowQuickInfo(); };
    MenuImport.OnClick = [this] { launchers_.ImportMacros(); };
    MenuExport.OnClick = [this] { launchers_.ExportMacros(); };
    MenuSort.OnClick = [this] { ShowSortOrder(); };

    WizardItems.OnChoose = [this](int kind) { launchers_.QuickWizard(kind); };
    WizButtons.OnChoose = [this](int kind) { launchers_.QuickWizard(kind); };
    FirstTimeSetup1.OnClick = [this] { launchers_.FirstTimeSetup(false); };

    MenuAppear.OnClick = [this] { launchers_.Appearance(); };
    MenuSettings.OnClick = [this] { launchers_.Preferences(); };
    MenuCuewords.OnClick = [this] { launchers_.CuewordOptions(); };
    MenuCapture.OnClick = [this] { launchers_.CaptureDefaults(); };
    MenuEmail.OnClick = [this] { launchers_.EMailDefaults(); };
    MenuAddress.OnClick = [this] { launchers_.EMailRecipients(); };
    MenuNetwork.OnClick = [this] { ChooseNetwork(); };
    MenuShowDate.OnClick = [this] {
        ToggleSetting(MenuShowDate, settings_.ShowDate);
        DoCaption();
    };
    MenuAlarm.OnClick = [this] { launchers_.Alarm(); };
    MenuTimer.OnClick = [this] { launchers_.TimerInterval(); };
    MenuDisableScreenSaver.OnClick = [this] {
        ToggleSetting(MenuDisableScreenSaver, settings_.DisableScreenSaver);
    };

    MenuRemap.OnClick = [this] { launchers_.Remap(); };
    MenuMouseLoc.OnClick = [this] { LaunchMouseLocator(Handle()); };
    MenuKeyHooks.OnClick = [this] { RestoreHooks(true); };
    MenuMouseHooks.OnClick = [this] { RestoreHooks(false); };

    MenuContents.OnClick = [this] { CurrentHelp().ShowContents(Handle()); };
    MenuTutorial.OnClick = [this] {
        TUserManual manual(context_.ProgramDir);
        manual.ShowModal(Handle());
    };
    MenuAbout.OnClick = [this] {
        TAboutBox about("About");
        about.ShowModal(Handle());
    };
}

void TMainWin::WireButtons() {
    // Each button does what its menu item does.
    auto same = [](TMenuItem& item) { return [&item] { item.Click(); }; };
    AddSpeed.OnClick = AddHotKey.OnClick = same(MenuAddHotKey);
    ScriptSpeed.OnClick = DoScript.OnClick = same(MenuScripting);
    EditSpeed.OnClick = EnterKeyButton.OnClick = same(MenuEnterKey);
    RecaptureSpeed.OnClick = CaptureKeyButton.OnClick = same(MenuCaptureKey);
    CopySpeed.OnClick = CopyHotKey.OnClick = same(MenuCopyHot);
    RenameSpeed.OnClick = MoveHotKey.OnClick = same(MenuMoveHot);
    DeleteSpeed.OnClick = ClearHotKey.OnClick = same(MenuClearHot);
    ActivateSpeed.OnClick = ButtonActivate.OnClick = same(MenuActivate);
    OpenSpeed.OnClick = same(OpenFile1);
    NewSpeed.OnClick = same(NewFile1);
    ImportSpeed.OnClick = same(MenuImport);
    ExportSpeed.OnClick = same(MenuExport);
    ReportSpeed.OnClick = same(MenuPrint);
    SpeedSort.OnClick = same(MenuSort);
    ColorSpeed.OnClick = same(MenuAppear);
    HelpSpeed.OnClick = same(MenuContents);
    TSpeedButton* speed[] = {&AddSpeed,    &ScriptSpeed, &EditSpeed,   &RecaptureSpeed,
                             &CopySpeed,   &RenameSpeed, &DeleteSpeed, &ActivateSpeed,
                             &OpenSpeed,   &NewSpeed,    &ImportSpeed, &ExportSpeed,
                             &ReportSpeed, &SpeedSort,   &ColorSpeed,  &HelpSpeed};
    for (int i = 0; i < EditorResource::SpeedCount; ++i) speed[i]->SetPicture(SpeedGlyph(i));

    CatList.OnChange = [this] { CatListClick(); };
    CatNew.OnClick = [this] { launchers_.CategoryNew(); };
    CatRename.OnClick = [this] { launchers_.CategoryRename(); };
    CatRemove.OnClick = [this] { launchers_.CategoryRemove(); };
    MyPage.OnChange = [this] { MyPageChange(); };
}

void TMainWin::WireGrid() {
    MyGrid.SetOptions(GridOption::MacroList | GridOption::RowSelect);
    MyGrid.SetColCount(5);
    MyGrid.OnDrawCell = [this](int col, int row, HDC dc, const RECT& rect, unsigned state) {
        MyGridDrawCell(col, row, dc, rect, state);
    };
    MyGrid.OnSelectCell = [this](int, int row, bool&) { MyGridClick(row); };
    MyGrid.OnColumnSized = [this](int col, int width) { MyGridColumnSized(col, width); };
    MyGrid.OnDblClick = [this] {
        if (!list_.Empty())
            MenuScripting.Click();
    };
    MyGrid.OnKeyDown = [this](WORD& key, ShiftState) {
        switch (key) {
            case VK_CONTROL:
            case VK_MENU:
            case VK_PRIOR:
            case VK_NEXT:
            case VK_END:
            case VK_HOME:
            case VK_LEFT:
            case VK_RIGHT:
            case VK_UP:
            case VK_DOWN:
                typeAhead_.Clear();
                break;
            default:
                break;
        }
    };
    MyGrid.OnKeyPress = [this](char& key) { MyGridKeyPress(key); };
    MyGrid.OnEnter = [this] { typeAhead_.Clear(); };
    MyGrid.OnExit = [this] { typeAhead_.Clear(); };
    MyGrid.OnMouseDown = [this](MouseButton button, ShiftState, int x, int y) {
        if (button == MouseButton::Right)
            rightPressRow_ = MyGrid.MouseToCell(x, y).Row;
    };
    MyGrid.OnMouseUp = [this](MouseButton button, ShiftState, int x, int y) {
        MyGridMouseUp(button, x, y);
    };
}

// ---- the form's life ----

void TMainWin::FormShow() {
    DoCaption();
    MenuTerminate.SetCaption("&Terminate Orvane Editor");
    AdjustGridSpacing();
    CatPanel.SetVisible(settings_.ShowCategory);
    Layout();
    FillList();
    if (!firstShowDone_) {
        firstShowDone_ = true;
        if (settings_.FirstUse)
            launchers_.FirstTimeSetup(true);
    }
}

// The state asked for at the start, once: a window the user restores stays
// restored when it is activated again.
void TMainWin::FormActivate() {
    switch (std::exchange(startShow_, StartState::Normal)) {
        case StartState::Minimized:
            SetWindowState(WindowState::Minimized);
            break;
        case StartState::Maximized:
            SetWindowState(WindowState::Maximized);
            break;
        case StartState::Normal:
            break;
    }
}

void TMainWin::FormResize() {
    if (!closing_)
        Layout();
}

void TMainWin::Layout() {
    MyPage.SetBounds({2, 2, ClientWidth() - 4, ClientHeight() - 4});
    const Bounds page = MyPage.PageBounds();
    PageMacro.SetBounds(page);
    PageWiz.SetBounds(page);
    const bool speed = settings_.UseSpeed;
    const int catWidth = settings_.ShowCategory ? settings_.CategoryWidth : 0;
    const int top = speed ? SpeedTop : 1;
    const int height = page.Height - (speed ? 37 : 2);
    SpeedPanel.SetBounds({0, 0, page.Width, 33});
    CatPanel.SetBounds({0, top, catWidth, height});
    // New stands above Rename, which Remove has beside it.
    CatList.SetBounds({2, 20, std::max(catWidth - 4, 0), std::max(height - 80, 0)});
    const int buttonLeft = (catWidth - 121) / 2;
    CatNew.SetBounds({buttonLeft, height - 56, 56, 24});
    CatRename.SetBounds({buttonLeft, height - 28, 56, 24});
    CatRemove.SetBounds({buttonLeft + 60, height - 28, 56, 24});
    MyGrid.SetBounds(
        {catWidth, top, page.Width - catWidth - (speed ? 4 : LetterWidth + 10), height});
    LetterPanel.SetBounds({page.Width - LetterWidth, -2 + 4, LetterWidth, height});
}

// Closed by the user: the geometry and every setting are written. Ended with
// the player (a WM_QUIT) nothing is, since the player writes them then.
void TMainWin::FormClose() {
    closing_ = true;
    // A recording left running would keep the hook library capturing after
    // the editor has gone.
    if (recording_ && OnEndRecording)
        OnEndRecording();
    const ScreenRect g = Geometry();
    settings_.MainWidth = g.Width;
    settings_.MainHeight = g.Height;
    settings_.MainLeft = g.Left;
    settings_.MainTop = g.Top;
    SettingsSaved(context_.Config.SaveConfig());
    PostQuitMessage(0);
}

void TMainWin::FormDestroy() {
    context_.Notices.Post(NoticeCode::EditorClosed, 0);
}

void TMainWin::DoCaption() {
    const std::string title = FileTitleOf(settings_.MacroFiles[0].str());
    std::string when;
    if (settings_.ShowDate) {
        const DateTimeParts now = DecodeDateTime(CurrentClock().Now());
        when = SystemDateText(now) + "  " + SystemTimeText(now);
    }
    SetCaption(CaptionText(title, settings_.ShowDate, when));
}

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
    MyGrid.SetRow(shown ? list_.RowShowing(*shown, formerRow) : list_.NearestRow(formerRow));
    if (!list_.Empty())
        CheckTimeItem(MyGrid.Row());
    Repaint(MyGrid);
}

int TMainWin::SelectedMacro() const {
    const ListMacro* macro = list_.RowMacro(MyGrid.Row());
    return macro ? macro->Number : 0;
}

void TMainWin::SelectMacro(int macroNumber) {
    int row = list_.ReverseSort(macroNumber);
    if (row > 0) {
        MyGrid.SetRow(row);
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
        *widths[col - 2] = width;
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
    FontSpec italic = settings_.GridFont;
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
    MyGrid.SetColWidths(2, settings_.Col1Width);
    MyGrid.SetColWidths(3, settings_.Col2Width);
    MyGrid.SetColWidths(4, settings_.Col3Width);
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

// ---- categories and side files ----

void TMainWin::GetCatFile() {
    orv::GetCatFile(categories_, settings_.MacroFiles[0].str());
    ShowCategories(0);
}

void TMainWin::GetSwapFile() {
    SwapKeyTable table;
    // Only the side file's being there matters here: the player, which uses
    // the table, says one it cannot use, and the remapper one it cannot save.
    static_cast<void>(orv::GetSwapFile(settings_.MacroFiles[0].str(), table));
}

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

// ---- hot keys and the lock ----

void TMainWin::SetHotKeys() {
    PushHotKeys(context_.Table, context_.Hooks, context_.Notices);
}

void TMainWin::ReloadShared() {
    // A file that cannot be read has been said; the list shown stays.
    if (!context_.Library.ReloadMacroFile(false))
        return;
    GetSwapFile();
    GetCatFile();
    FillList();
    SetHotKeys();
}

void TMainWin::SetNetTimer(bool on) {
    netTimer_.SetEnabled(on);
}

void TMainWin::SetSyncTimer(bool on) {
    syncTimer_.SetEnabled(on);
}

bool TMainWin::ChangeUnderLock(int n, const std::function<ChangeOutcome(MacroRecord&)>& dialog) {
    if (lock_.FileInUse())
        return false;
    HeldMacro held;
    if (!HoldListed(n, held)) {
        lock_.ReleaseSyncFile(0);
        return false;
    }
    current_ = held.AsRead;
    const bool wasTimed = current_.ActivationCode == ActivationCode::Scheduled;
    HoldMacros();
    const ChangeOutcome outcome = dialog(current_);
    const bool saved = outcome.Saved && context_.Library.SaveHeldRecord(held, current_);
    if (saved) {
        FillList();
        SelectMacro(n);
        SetHotKeys();
    }
    lock_.ReleaseSyncFile(saved ? 1 : 0);
    if (saved && (wasTimed || current_.ActivationCode == ActivationCode::Scheduled))
        context_.Notices.Post(NoticeCode::SchedulesChanged, 0);
    if (saved && outcome.PopupTrayChanged)
        context_.Notices.Post(NoticeCode::PopupMenusChanged, 0);
    ReleaseMacros();
    return saved;
}

bool TMainWin::HoldListed(int n, HeldMacro& held) {
    if (!editing_.HoldRecord(n, held))
        return false;
    if (ShowsRecord(ListMacroOf(settings_, context_.Table, n), held.AsRead))
        return true;
    ShowError(LibraryMessage::ListedMacroMoved);
    ShowLibraryAnew();
    return false;
}

void TMainWin::ShowLibraryAnew() {
    // Chosen again, it is chosen from the file as it is.
    if (!heldReloads_.Holding())
        ReloadShared();
}

void TMainWin::HoldMacros() {
    heldReloads_.Hold();
}

void TMainWin::ReleaseMacros() {
    for (const auto& [code, argument] : heldReloads_.Release()) PlayerNotify(code, argument);
}

void TMainWin::SetRecording(bool running) {
    if (running == recording_)
        return;
    recording_ = running;
    if (running)
        HoldMacros();
    else
        ReleaseMacros();
}

bool TMainWin::RefusedWhileRecording() const {
    if (recording_)
        ShowError(RecordingRunsMessage);
    return recording_;
}

// ---- the file menu ----

void TMainWin::SetMenuLastFiles() {
    RecentFiles recent;
    for (std::size_t i = 0; i < 5; ++i) recent[i] = settings_.MacroFiles[i + 1].str();
    MenuExitSep.SetVisible(ShowsRecentSeparator(recent));
    TMenuItem* items[] = {&MenuLastFile1, &MenuLastFile2, &MenuLastFile3, &MenuLastFile4,
                          &MenuLastFile5};
    for (std::size_t i = 0; i < 5; ++i) {
        std::optional<std::string> caption = RecentFileCaption(recent, i);
        items[i]->SetVisible(caption.has_value());
        if (caption)
            items[i]->SetCaption(*caption);
    }
}

// Makes fileName the library shown and handed over, with its recent-file
// entry; a library that cannot be loaded leaves everything as it was.
void TMainWin::SwitchTo(const std::string& fileName, bool postSchedules) {
    const std::string oldName = settings_.MacroFiles[0].str();
    if (!editing_.SwitchLibrary(fileName)) {
        if (settings_.NetworkMode)
            lock_.SetUp();
        return;
    }
    if (settings_.NetworkMode)
        lock_.SetUp();
    SetHotKeys();
    DoCaption();
    categoryFilter_ = 0;
    FillList();
    SetButtons(context_.Table.EntryCount() > 0);
    GetSwapFile();
    GetCatFile();
    RecentFiles recent;
    for (std::size_t i = 0; i < 5; ++i) recent[i] = settings_.MacroFiles[i + 1].str();
    DoLastFiles(recent, oldName, fileName);
    for (std::size_t i = 0; i < 5; ++i) settings_.MacroFiles[i + 1] = recent[i];
    SetMenuLastFiles();
    const bool current = context_.Config.WriteCurrentFile();
    SettingsSaved(context_.Config.WriteMiscSettings() && current);
    context_.Notices.Post(NoticeCode::LibraryReloaded, 0);
    if (postSchedules)
        context_.Notices.Post(NoticeCode::SchedulesChanged, 0);
    context_.Notices.Post(NoticeCode::MiscSettingsChanged, 0);
}

void TMainWin::DoOpen() {
    if (RefusedWhileRecording())
        return;
    std::optional<std::string> name =
        CurrentFileDialogs().Open(Handle(), MacroFileDialog("Open Orvane File"));
    if (!name)
        return;
    if (!IsMacroFileName(*name)) {
        ShowError(InvalidFileTypeMessage);
        return;
    }
    SwitchTo(*name, true);
}

void TMainWin::DoNew() {
    if (RefusedWhileRecording())
        return;
    std::optional<std::string> name =
        CurrentFileDialogs().Save(Handle(), MacroFileDialog("New Orvane File"));
    if (!name)
        return;
    if (!IsMacroFileName(*name)) {
        ShowError(InvalidFileTypeMessage);
        return;
    }
    SwitchTo(*name, false);
}

void TMainWin::OpenSaveFile(int entry) {
    if (RefusedWhileRecording())
        return;
    const std::string name = settings_.MacroFiles[static_cast<std::size_t>(entry)].str();
    if (!FileExists(name)) {
        ShowError(EditorMessage::FileMissing);
        return;
    }
    SwitchTo(name, false);
}

void TMainWin::ToggleSetting(TMenuItem& item, bool& setting) {
    setting = !setting;
    item.SetChecked(setting);
    if (SettingsSaved(context_.Config.WriteMiscSettings()))
        context_.Notices.Post(NoticeCode::MiscSettingsChanged, 0);
}

void TMainWin::RestoreHooks(bool keyboard) {
    if (CurrentMessageBoxes().Show(HookRestoreCaption(keyboard), HookRestoreQuestion(keyboard),
                                   MsgStyle::YesNo | MsgStyle::IconQuestion) != MsgResult::Yes)
        return;
    context_.Notices.Post(NoticeCode::HookChange, keyboard ? 2 : 4);
    context_.Notices.Post(NoticeCode::HookChange, keyboard ? 1 : 3);
}

void TMainWin::ChoosePrinterFont() {
    std::optional<FontSpec> font =
        CurrentFontDialogs().Choose(Handle(), settings_.PrintListFont, true);
    if (!font)
        return;
    font->Style &= static_cast<std::uint8_t>(~(FontStyle::Underline | FontStyle::Strikeout));
    settings_.PrintListFont = *font;
    if (SettingsSaved(context_.Config.WritePrintListFont()))
        context_.Notices.Post(NoticeCode::PrintListFontChanged, 0);
}

void TMainWin::ChooseNetwork() {
    TNetworkConsiderations dialog(settings_, context_.Config, lock_, context_.Notices);
    dialog.ShowModal(Handle());
}

// ---- the small dialogs ----

void TMainWin::ShowQuickInfo() {
    if (!MacroSelected())
        return;
    HeldMacro held;
    if (!HoldListed(SelectedMacro(), held))
        return;
    current_ = held.AsRead;
    TQuickInfo info(current_, icons_, context_.ProgramDir);
    info.ShowModal(Handle());
}

void TMainWin::ShowSortOrder() {
    TSortOrder dialog(settings_);
    if (dialog.ShowModal(Handle()) != IDOK)
        return;
    if (SettingsSaved(context_.Config.WriteMiscSettings()))
        context_.Notices.Post(NoticeCode::MiscSettingsChanged, 0);
    const int selected = SelectedMacro();
    FillList();
    SelectMacro(selected);
}

// ---- the player's notices ----

bool TMainWin::UserMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result) {
    if (message == ProgramMessage::CaptureChar && OnCaptureChar) {
        OnCaptureChar(w, l);
        return true;
    }
    if (message == ProgramMessage::CaptureEnded && OnCaptureFinished) {
        OnCaptureFinished(w);
        return true;
    }
    if (message != ProgramMessage::Notice)
        return TForm::UserMessage(message, w, l, result);
    PlayerNotify(static_cast<int>(w), static_cast<std::int32_t>(l));
    result = 0;
    return true;
}

bool TMainWin::FormMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result) {
    if (message == WM_SYSCOMMAND &&
        RefuseScreenSaverCommand(w, ScreenSaverRefused(settings_, context_.Table), result))
        return true;
    return TForm::FormMessage(message, w, l, result);
}

void TMainWin::PlayerNotify(int code, std::int32_t argument) {
    if (heldReloads_.Defer(code, argument))
        return;
    switch (DecidePlayerNotify(code, argument)) {
        case PlayerNotifyAction::RepaintList:
            Repaint(MyGrid);
            break;
        case PlayerNotifyAction::SelectMacro:
            FillList();
            SelectMacro(argument);
            break;
        case PlayerNotifyAction::OtherLibrary: {
            const std::string oldName = settings_.MacroFiles[0].str();
            context_.Config.ReadCurrentFile();
            if (settings_.NetworkMode)
                lock_.SetUp();
            // One this editor cannot read has been said: it stays on its own
            // library, whose name is kept with it.
            if (!context_.Library.LoadMacroFile(settings_.MacroFiles[0].str(), false)) {
                settings_.MacroFiles[0] = oldName;
                if (settings_.NetworkMode)
                    lock_.SetUp();
                break;
            }
            // A save that waited for this notice handed over the old library's keys.
            SetHotKeys();
            DoCaption();
            FillList();
            SetButtons(context_.Table.EntryCount() > 0);
            RecentFiles recent;
            for (std::size_t i = 0; i < 5; ++i) recent[i] = settings_.MacroFiles[i + 1].str();
            DoLastFiles(recent, oldName, settings_.MacroFiles[0].str());
            for (std::size_t i = 0; i < 5; ++i) settings_.MacroFiles[i + 1] = recent[i];
            SetMenuLastFiles();
            GetSwapFile();
            GetCatFile();
            break;
        }
        case PlayerNotifyAction::MacroGone:
            GetCatFile();
            FillList();
            if (list_.Empty())
                SetButtons(false);
            break;
        case PlayerNotifyAction::RefreshSection:
            RefreshFromHookLibrary(context_.Hooks, context_.Table, argument);
            break;
        case PlayerNotifyAction::RefreshEntry:
            RefreshFromHookLibrary(context_.Hooks, context_.Table,
                                   static_cast<int>(HookSection::Item), argument);
            break;
        case PlayerNotifyAction::RereadRecord:
            if (!context_.Library.RefreshEntry(argument))
                break;
            FillList();
            SelectMacro(argument);
            break;
        case PlayerNotifyAction::ReloadLibrary:
            ReloadShared();
            break;
        case PlayerNotifyAction::Ignore:
            break;
    }
}

}  // namespace orv::editor
