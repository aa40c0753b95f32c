#include "editor/shell/win32/main_window.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "common/clock.h"
#include "common/files.h"
#include "common/hotkeys.h"
#include "common/message_boxes.h"
#include "common/program_messages.h"
#include "common/shared_routines.h"
#include "common/swap_keys.h"
#include "common/ui/draw_grid_model.h"
#include "common/ui/win32/about_box.h"
#include "common/ui/win32/print_service.h"
#include "common/ui/win32/services.h"
#include "common/win32/system_routines.h"
#include "common/win32/window_notices.h"
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

constexpr int SpeedTop = 35;  // the grid's top under the speed panel
// Posted at the first show: the first-time setup runs once the window is up.
constexpr UINT FirstUseSetupMessage = WM_APP + 0x40;
constexpr int LetterWidth = 161;

Picture SpeedGlyph(int index) {
    Picture p;
    p.Bitmap = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr),
                                               MAKEINTRESOURCEA(EditorResource::SpeedFirst + index),
                                               IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
    return p;
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
      editing_(context.Library, context.Settings, context.Table, context.Hooks, context.Notices),
      roads_(context.Settings, context.Table, context.SyncFiles, *this, context.Library, editing_,
             context.Notices,
             [this](int code, std::int32_t argument) { PlayerNotify(code, argument); }) {
    BorderStyle = FormBorder::Sizeable;
    MinClientWidth = 400;
    MinClientHeight = 250;
    netTimer_.OnTimer = [this] { roads_.Lock().NetTimerTimer(); };
    syncTimer_.OnTimer = [this] { roads_.Lock().SyncTimerTimer(); };
    WireMenus();
    WireButtons();
    WireGrid();

    // The library, its side files and the hook library's view of it.
    if (settings_.NetworkMode)
        roads_.Lock().SetUp();
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
    roads_.Lock().StartTimers();
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
    MenuMouseLoc.OnClick = [] { LaunchMouseLocator(); };
    MenuKeyHooks.OnClick = [this] { RestoreHooks(true); };
    MenuMouseHooks.OnClick = [this] { RestoreHooks(false); };

    MenuContents.OnClick = [this] { CurrentHelp().ShowContents(Handle()); };
    MenuTutorial.OnClick = [this] {
        TUserManual manual(context_.ProgramDir);
        manual.ShowModal(Handle());
    };
    MenuAbout.OnClick = [this] {
        TAboutBox about("Orvane Editor");
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
        // Once the window shows and is active: the setup it owns can then
        // always be found again.
        if (settings_.FirstUse)
            PostMessageA(Handle(), FirstUseSetupMessage, 0, 0);
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
    if (roads_.Recording() && OnEndRecording)
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

// ---- the small dialogs ----

void TMainWin::ShowQuickInfo() {
    if (!MacroSelected())
        return;
    // The row's macro wherever the file now has it: a look needs no lock,
    // and the list may be older than the file.
    const std::optional<HeldMacro> found =
        RefindListed(context_.Library, *list_.RowMacro(MyGrid.Row()), selectedAsRead_);
    if (!found) {
        ShowError(LibraryMessage::NoSuchMacro);
        roads_.ShowLibraryAnew();
        return;
    }
    current_ = found->AsRead;
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
    if (message == FirstUseSetupMessage) {
        launchers_.FirstTimeSetup(true);
        return true;
    }
    if (message == WM_SYSCOMMAND &&
        RefuseScreenSaverCommand(w, ScreenSaverRefused(settings_, context_.Table), result))
        return true;
    return TForm::FormMessage(message, w, l, result);
}

void TMainWin::PlayerNotify(int code, std::int32_t argument) {
    if (roads_.Defer(code, argument))
        return;
    switch (DecidePlayerNotify(code, argument)) {
        case PlayerNotifyAction::RepaintList:
            RepaintList();
            break;
        case PlayerNotifyAction::SelectMacro:
            FillList();
            SelectMacro(argument);
            break;
        case PlayerNotifyAction::OtherLibrary: {
            const std::string oldName = settings_.MacroFiles[0].str();
            context_.Config.ReadCurrentFile();
            if (settings_.NetworkMode)
                roads_.Lock().SetUp();
            // One this editor cannot read has been said: it stays on its own
            // library, whose name is kept with it.
            if (!context_.Library.LoadMacroFile(settings_.MacroFiles[0].str(), false)) {
                settings_.MacroFiles[0] = oldName;
                if (settings_.NetworkMode)
                    roads_.Lock().SetUp();
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
