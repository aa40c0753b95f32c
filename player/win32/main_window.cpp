#include "player/win32/main_window.h"

#include <ole2.h>

#include <exception>
#include <utility>

#include "common/string_routines.h"
#include "common/swap_keys.h"
#include "common/win32/foreground.h"
#include "common/win32/message_pump.h"
#include "common/win32/icons.h"
#include "common/win32/process_names.h"
#include "hook/ornhook.h"
#include "common/win32/window_numbers.h"

namespace orv::player {

namespace {

constexpr const char* WindowClass = "TavrolMainWin";
constexpr UINT_PTR ClearTimerId = 1;
constexpr UINT_PTR NetTimerId = 2;
constexpr UINT_PTR SyncTimerId = 3;
constexpr UINT_PTR HookTimerId = 4;
constexpr UINT_PTR LoadTimerId = 5;
constexpr UINT HookTimerMs = 5000;
constexpr UINT LoadTimerMs = 5000;
constexpr UINT NetTimerMs = 30000;
constexpr UINT SyncTimerMs = 60000;
constexpr UINT ClearTimerMs = 15000;
constexpr UINT HandOverTimeoutMs = 2000;
constexpr DWORD ModifierWaitMs = 1000;

SwapKeys SwapTable(const SharedBlock& block) {
    return SwapKeys(block.View() + SwapTableAt, SwapKeyCount);
}

void PutHandle(std::uint8_t* at, HWND window) {
    PutU32(std::span(at, 4), 0, WindowNumber(window));
}

std::string TitleOf(HWND window) {
    char title[256] = {};
    GetWindowTextA(window, title, sizeof title);
    return title;
}

struct TitleSearch {
    const std::string* part;
    HWND found = nullptr;
};

BOOL CALLBACK MatchTitle(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<TitleSearch*>(p);
    const std::string title = UpperAscii(TitleOf(w));
    if (!title.empty() && title.find(*s->part) != std::string::npos) {
        s->found = w;
        return FALSE;
    }
    return TRUE;
}

// The first top-level window with a title that holds part (upper-cased).
HWND FindWindowByTitlePart(const std::string& part) {
    TitleSearch search{&part};
    EnumWindows(MatchTitle, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void LogHandlerFailure(UINT message, const char* what) {
    const std::string line =
        "Tavrol: message " + std::to_string(message) + " failed: " + what + "\n";
    OutputDebugStringA(line.c_str());
}

}  // namespace

std::uint32_t FindEditorWindow() {
    return static_cast<std::uint32_t>(
        reinterpret_cast<UINT_PTR>(FindWindowByTitlePart("ORVANE EDITOR")));
}

TMainWin::TMainWin() {
    host_.OnShowRunning = [this](bool running) { tray_.ShowRunning(running); };
    host_.OnStartClearTimer = [this] { SetTimer(window_, ClearTimerId, ClearTimerMs, nullptr); };
    host_.FamiliesSet[FamilyId::Windows] = &windowCommands_;
    host_.FamiliesSet[FamilyId::Settings] = &settingsCommands_;
    host_.FamiliesSet[FamilyId::Waits] = &waitCommands_;
    host_.FamiliesSet[FamilyId::Mail] = &mailCommands_;
    host_.FamiliesSet[FamilyId::Dialogs] = &dialogCommands_;
    host_.FamiliesSet[FamilyId::System] = &systemCommands_.Commands;
    host_.FamiliesSet[FamilyId::Media] = &mediaCommands_.Commands;
    host_.FamiliesSet[FamilyId::Clipboard] = &clipboardCommands_;
    host_.FamiliesSet[FamilyId::Files] = &fileCommands_;
    host_.OnRepeatPrompt = [this] { return dialogs_.DoRepPrompt(); };
    host_.OnMessage = [this](std::string_view caption, std::string_view text) {
        dialogs_.DoAMessage(caption, text);
    };
    dialogs_.WorkWindow = [this] { return PauseWorkWindow(); };
    // Dialogs and window commands let the keys played before them arrive
    // first, and the user's keys a Cueword's text held after those. Outside a
    // run the player has typed nothing; an aborted run stops.
    const auto settleInput = [this] {
        if (!state_.Running || state_.AbortFlag)
            return;
        shared_->EndTypingHold();
        waitCommands_.WaitWhileBusy(interpreter_.Play());
    };
    dialogs_.SettleInput = settleInput;
    windowCommands_.SettleInput = settleInput;
    systemSettings_.OnReinstallHooks = [this] { ReinstallHooks(); };
    waitSignals_.ProgTermTimerTick = [this] {
        if (!closing_)
            activation_->SetRunningProgs();
    };
}

TMainWin::~TMainWin() {
    if (window_)
        DestroyWindow(window_);
}

bool TMainWin::Start(const std::string& commandLine) {
    masterMapping_ = CreateMasterTable();
    if (!masterMapping_ || !CreatePlayerMutexes(mutexes_))
        return false;
    configs_.LoadConfig();
    lock_ = std::make_unique<NetworkLock>(LibraryOwner::Player, *settings_, syncFiles_, *this,
                                          editorNotices_);
    if (HasTraySwitch(SplitParams(commandLine)))
        settings_->UseTray = true;
    library_ = std::make_unique<MacroLibrary>(LibraryOwner::Player, *settings_, *hookData_, hooks_,
                                              editorNotices_, programDir_);
    shared_ =
        std::make_unique<RunShared>(*settings_, *hookData_, hooks_, editorNotices_, *library_);
    host_.Shared = shared_.get();
    loading_ = std::make_unique<LibraryLoading>(*library_, *settings_, *lock_, *this, configs_,
                                                editorNotices_);
    libraryCommands_ = std::make_unique<LibraryCommands>(LibraryParts{
        *library_, *settings_, *hookData_, *lock_, editorNotices_, configs_, *this, *loading_});
    host_.FamiliesSet[FamilyId::Library] = libraryCommands_.get();
    dispatch_ = std::make_unique<RunDispatch>(*settings_, *hookData_, *library_, *shared_,
                                              interpreter_, *this);
    cuewords_ = std::make_unique<Cuewords>(*settings_, *hookData_, *library_, *shared_,
                                           interpreter_, *dispatch_, *this);
    activation_ = std::make_unique<Activation>(*settings_, *hookData_, hooks_, *library_,
                                               interpreter_, *dispatch_, *this);
    activation_->ReinstallHooks = [this] { ReinstallHooks(); };
    activation_->StartHookTimer = [this] { SetTimer(window_, HookTimerId, HookTimerMs, nullptr); };
    schedule_ = std::make_unique<ScheduleLink>(*settings_, *hookData_, hooks_, *library_,
                                               *dispatch_, *this);
    capture_ = std::make_unique<PlayerCapture>(*settings_, *hookData_, hooks_, *library_, *lock_,
                                               editorNotices_, static_cast<CaptureDesk&>(*this),
                                               programDir_);

    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = WindowClass;
    wc.hIcon = LoadProgramIcon(OrvaneIcon::Program);
    RegisterClassA(&wc);
    // Never shown: the player lives in the tray and in its hooks.
    window_ = CreateWindowExA(WS_EX_TOOLWINDOW, WindowClass, PlayerText::Title, WS_POPUP, 1, 1, 0,
                              0, nullptr, nullptr, wc.hInstance, this);
    windows_.SetOwner(window_);
    waitSignals_.SetOwner(window_);
    dialogs_.Owner = window_;
    clipboard_.Owner = window_;
    dialogs_.Dispatch = dispatch_.get();
    return window_ && FormCreate(commandLine);
}

bool TMainWin::FormCreate(const std::string& commandLine) {
    // A library that cannot be loaded is said by the library and read again
    // later; the player runs without macros until then.
    static_cast<void>(loading_->LoadAtStart(CommandLineFiles(SplitParams(commandLine))));
    handOverMessage_ = RegisterWindowMessageA(HandOverMessageName);

    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    const bool supported =
        version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS ||
        (version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion >= 4);
    ntFamily_ = version.dwPlatformId == VER_PLATFORM_WIN32_NT && supported;
    systemCommands_.Exits.Nt = ntFamily_;
    if (!supported)
        settings_->UseTray = false;

    // The hook library opens these blocks; they must exist before its hooks.
    if (!playerBlock_.Create(KernelName::PlayerHandleBlock, PlayerHandleBlockSize))
        return false;
    PutHandle(playerBlock_.View(), window_);
    playerBlock_.View()[103] = 0;
    if (SwapsInUse(SwapTable(playerBlock_))) {
        PutU32(std::span(playerBlock_.View() + 4, 4), 0, OrnHookSwap());
        swapHookInstalled_ = true;
    }
    // The remap table could not be read before its block existed.
    GetSwapFile();

    if (!cbtBlock_.Create(KernelName::CbtBlock, CbtBlockSize))
        return false;
    std::uint8_t* cbt = cbtBlock_.View();
    PutHandle(cbt, window_);
    PutHandle(cbt + 8, window_);
    PutHandle(cbt + 12, window_);
    PutU32(std::span(cbt + 4, 4), 0, OrnHookCBT());
    cbt[16] = ntFamily_ ? 1 : 0;

    StartHookTable();
    ProcessCommandLine(commandLine);
    tray_.DoTaskIcon(window_);
    tray_.DoTaskIconRec();
    tray_.DoMenuTaskIcon();
    schedule_->Start(window_, startupRequest_, startupNickname_);
    lock_->StartTimers();
    oleInitialised_ = SUCCEEDED(OleInitialize(nullptr));
    systemCommands_.Shell.BrowserFlag = IsBrowser4OrLater();
    if (!browseMode_ && settings_->StartEditor)
        ActivateMe();
    return true;
}

void TMainWin::StartHookTable() {
    HookTable& t = *hookData_;
    const auto self = WindowNumber(window_);
    // The table is fresh (all zero): only what is not zero is set before each
    // section goes over.
    t.SetWindowsNT(ntFamily_);
    t.SetMouseSwapped(GetSystemMetrics(SM_SWAPBUTTON) != 0);
    hooks_.HandOver(HookSection::Capture, t);
    hooks_.HandOver(HookSection::Init, t);
    hooks_.HandOver(HookSection::Idle, t);
    t.SetPlayerWindow(self);
    hooks_.HandOver(HookSection::Window, t);
    t.SetSecondWindow(self, false);
    t.SetCaptureWindow(self, false);
    hooks_.HandOver(HookSection::Window2, t);
    hooks_.HandOver(HookSection::Prog, t);
    hooks_.HandOver(HookSection::CaptureOn, t);
    hooks_.HandOver(HookSection::Waits, t);
    hooks_.HandOver(HookSection::Progs, t);
    SetHotKeys();
    t.SetKeyboardHook(static_cast<std::uint32_t>(OrnHookKeyboard()));
    t.SetMouseHook(static_cast<std::uint32_t>(OrnHookMouse()));
    hooks_.HandOver(HookSection::KeyHook, t);
    hooks_.HandOver(HookSection::MouseHook, t);
}

void TMainWin::ProcessCommandLine(const std::string& commandLine) {
    browseMode_ = false;
    startupRequest_ = false;
    for (const std::string& param : SplitParams(commandLine)) {
        const ParamEffect effect = ProcessParam(param, *settings_);
        if (effect.What == ParamEffect::Browse)
            browseMode_ = true;
        else if (effect.What == ParamEffect::Startup)
            startupRequest_ = true;
        else if (effect.What == ParamEffect::Network)
            lock_->SetUp();
        // "/F" was taken at the start, before any library was opened.
    }
    bool written = configs_.WriteCurrentFile();
    written = configs_.WriteMiscSettings() && written;
    SettingsSaved(configs_.WriteNetworkSettings() && written);
    if (startupRequest_)
        startupNickname_ = StartupNickname(commandLine);
}

void TMainWin::UseEditorsFile() {
    const std::string current = settings_->MacroFiles[0].str();
    configs_.ReadCurrentFile();
    const std::string chosen = settings_->MacroFiles[0].str();
    settings_->MacroFiles[0] = current;
    // One this player cannot read (locked for a moment) is said; the library
    // loaded before stays, for the editor too.
    static_cast<void>(loading_->UseEditorsFile(chosen));
}

void TMainWin::LoadAgainLater() {
    SetTimer(window_, LoadTimerId, LoadTimerMs, nullptr);
}

void TMainWin::LoadAgain() {
    // Runs, menus, pauses and recordings hold macros by their numbers.
    if (closing_ || state_.Running || !CanDoMenu())
        return;
    if (loading_->RetryLoad())
        KillTimer(window_, LoadTimerId);
}

void TMainWin::SetHotKeys() {
    PushHotKeys(*hookData_, hooks_, editorNotices_);
}

void TMainWin::GetSwapFile() {
    if (!playerBlock_.View())
        return;
    TakeLibraryRemap(settings_->MacroFiles[0].str(), swapFile_, SwapTable(playerBlock_));
}

LRESULT CALLBACK TMainWin::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TMainWin*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self || !self->window_)
        return DefWindowProcA(window, message, wParam, lParam);
    ++self->dispatchDepth_;
    self->editor_.NewOperation();
    LRESULT result = 0;
    // Nothing thrown by a handler may cross the system's frames (a run ends
    // itself whatever it throws); a failure outside a run goes to the debug
    // log, so it is not lost without a trace.
    try {
        result = self->Dispatch(message, wParam, lParam);
    } catch (const std::exception& e) {
        LogHandlerFailure(message, e.what());
    } catch (...) {
        LogHandlerFailure(message, "unknown error");
    }
    --self->dispatchDepth_;
    // A close asked for inside a run or a modal loop waits until it has
    // unwound: the window and the hooks must outlive whatever still uses them.
    if (self->dispatchDepth_ == 0 && self->closePending_)
        self->Close();
    return result;
}

LRESULT TMainWin::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == handOverMessage_ && handOverMessage_) {
        HandOverChar(lParam);
        return 0;
    }
    switch (message) {
        case ProgramMessage::HotKey:
            host_.FollowHookCapsLock((wParam & CapsLockBit) != 0);
            dispatch_->HotKeyPressed(static_cast<std::uint32_t>(wParam),
                                     static_cast<std::uint32_t>(lParam));
            return 0;
        case ProgramMessage::CaptureChar:
            // Only the player's own capture names the current macro.
            if (capture_->CaptureChar(static_cast<std::uint8_t>(lParam & 0xFF)))
                dispatch_->CurrentMacro = static_cast<int>(wParam);
            return 0;
        case ProgramMessage::CaptureEnded:
            capture_->CaptureEnded();
            return 0;
        case ProgramMessage::Abort:
            // Escape comes for runs without the in-use byte too: nothing
            // runs, or a paused run (which only its window ends), keeps none.
            if (state_.Running && !dispatch_->Paused())
                state_.AbortFlag = true;
            return 0;
        case ProgramMessage::CuewordChar:
            if (!closing_)
                cuewords_->CuewordChar(static_cast<std::uint32_t>(wParam),
                                       static_cast<std::uint8_t>(lParam & 0xFF));
            return 0;
        case ProgramMessage::WindowActivated:
            if (!closing_) {
                // The player's own hidden window and its menu have no window
                // a user switches to: they stand for themselves, as its own.
                const auto window = static_cast<std::uint32_t>(wParam);
                const std::uint32_t seen = windowCommands_.UserWindowOf(window);
                activation_->WindowActivated(seen ? seen : window);
            }
            return 0;
        case ProgramMessage::ProgramsChanged:
            if (!closing_)
                activation_->SetRunningProgs();
            return 0;
        case ProgramMessage::CapsLock:
            host_.FollowHookCapsLock(wParam != 0);
            return 0;
        case ProgramMessage::RunByNickname: {
            // Taken whatever happens, so a refused request leaves nothing behind.
            const std::optional<HandOverRequest> request =
                std::exchange(pendingHandOver_, HandOverRequest());
            if (request && request->OpenEditor)
                ActivateMe();
            else if (request)
                dispatch_->RunMacroByNickname(request->Nickname);
            else
                Notice(PlayerText::NoticeCaption, PlayerText::HandOverTooLong);
            return 0;
        }
        case ProgramMessage::Notice:
            EditorCommand(static_cast<int>(wParam), static_cast<int>(lParam));
            return 0;
        case ProgramMessage::MacroEnded:
            KillTimer(window_, ClearTimerId);
            dispatch_->MacroEnded();
            return 0;
        case ProgramMessage::ClickSeen:
            waitCommands_.Events.Click(static_cast<std::uint32_t>(wParam));
            return 0;
        case ProgramMessage::KeySeen:
            waitCommands_.Events.LastKeySeen = static_cast<std::uint32_t>(wParam);
            return 0;
        case ProgramMessage::WaitTextChar:
            waitCommands_.Events.WaitTextChar(static_cast<std::uint32_t>(wParam),
                                              static_cast<unsigned char>(lParam & 0xFF));
            return 0;
        case ProgramMessage::InputProcessed:
            waitSignals_.ClearWaitFlag();
            return 0;
        case ProgramMessage::IdleOver:
            schedule_->ClearScheduleDone();
            return 0;
        case WM_TIMER:
            if (waitSignals_.OnTimer(wParam) || (!closing_ && schedule_->OnTimer(wParam)))
                return 0;
            if (wParam == ClearTimerId) {
                // The hook library never answered the end marker.
                KillTimer(window_, ClearTimerId);
                dispatch_->MacroEnded();
            } else if (wParam == NetTimerId && !closing_) {
                lock_->NetTimerTimer();
            } else if (wParam == SyncTimerId && !closing_) {
                lock_->SyncTimerTimer();
            } else if (wParam == LoadTimerId) {
                LoadAgain();
            } else if (wParam == HookTimerId) {
                KillTimer(window_, HookTimerId);
                if (!closing_)
                    activation_->TestHooks();
            }
            return 0;
        case WM_SYSCOMMAND: {
            LRESULT result = 0;
            if (RefuseScreenSaverCommand(wParam, ScreenSaverRefused(*settings_, *hookData_),
                                         result))
                return result;
            break;
        }
        case WM_CLOSE:
            // A run ends first, as if aborted; the window procedure closes
            // once the run has unwound.
            closePending_ = true;
            if (state_.Running)
                state_.AbortFlag = true;
            dialogs_.ClosePause(false);
            return 0;
        case WM_ENDSESSION:
            // Log-off and shut-down end the process without a close: the
            // recording is saved the way a close saves it.
            if (wParam)
                capture_->EndAtClose();
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

void TMainWin::HandOverChar(LPARAM character) {
    if (handOver_.Add(static_cast<unsigned char>(character & 0xFF)))
        return;
    // The run comes from the player's own queue: the second start's sent
    // messages return at once and are never held by a macro.
    pendingHandOver_ = handOver_.Take();
    PostMessageA(window_, ProgramMessage::RunByNickname, 0, 0);
}

void TMainWin::EditorCommand(int code, int argument) {
    if (closing_)
        return;
    HookTable& t = *hookData_;
    switch (code) {
        case NoticeCode::KeyRemapChanged:
            GetSwapFile();
            break;
        case NoticeCode::LibraryReloaded:
            UseEditorsFile();
            break;
        case NoticeCode::SchedulesChanged:
            schedule_->CheckAndSetTime();
            break;
        case NoticeCode::EditorClosed:
            editor_.Forget();
            break;
        case NoticeCode::PopupMenusChanged:
            tray_.DoMenuTaskIcon();
            break;
        case NoticeCode::SectionChanged:
            RefreshFromHookLibrary(hooks_, t, argument);
            break;
        case NoticeCode::HookChange:
            HookCommand(argument);
            break;
        case NoticeCode::MacroEntryChanged:
            RefreshFromHookLibrary(hooks_, t, static_cast<int>(HookSection::Item), argument);
            break;
        case NoticeCode::TrayIconShown:
            if (argument == 0 || argument == 1)
                tray_.SetMainActive(argument == 1);
            break;
        case NoticeCode::CuewordSettingsChanged:
            configs_.ReadCuewordSettings();
            break;
        case NoticeCode::CaptureSettingsChanged:
            configs_.ReadCaptureSettings();
            break;
        case NoticeCode::NetworkSettingsChanged:
            configs_.ReadNetworkSettings();
            break;
        case NoticeCode::EMailSettingsChanged:
            configs_.ReadEMailSettings();
            break;
        case NoticeCode::SchedulerSettingsChanged:
            configs_.ReadSchedulerSettings();
            break;
        case NoticeCode::MiscSettingsChanged:
            configs_.ReadMiscSettings();
            break;
        case NoticeCode::PrintListFontChanged:
            configs_.ReadPrintListFont();
            break;
        case NoticeCode::MainWindowSettingsChanged:
            configs_.ReadMainWindowSettings();
            break;
        case NoticeCode::MacroSaved:
            // The library's one road for an entry: its icon too, which the
            // tray and the menus read. A record that cannot be read changes
            // nothing.
            static_cast<void>(library_->RefreshEntry(argument));
            break;
        case NoticeCode::MacroRemoved:
            // A file that cannot be read back is said; the tables stay. Every
            // menu icon is made anew: those behind the one gone have other
            // numbers now.
            static_cast<void>(loading_->ReloadMacroFile(true));
            break;
        default:
            break;
    }
}

// Editor command 7 and "<DOHOOK>": 1 installs the keyboard hook, 2 removes
// it, 3 and 4 the same for the mouse hook.
void TMainWin::HookCommand(int action) {
    HookTable& t = *hookData_;
    if (action == 1 || action == 2)
        host_.FollowHookCapsLock(std::nullopt);
    if (action == 1) {
        t.SetKeyboardHook(static_cast<std::uint32_t>(OrnHookKeyboard()));
        hooks_.HandOver(HookSection::KeyHook, t);
    } else if (action == 2) {
        OrnUnHook(static_cast<std::int32_t>(t.KeyboardHook()));
    } else if (action == 3) {
        t.SetMouseHook(static_cast<std::uint32_t>(OrnHookMouse()));
        hooks_.HandOver(HookSection::MouseHook, t);
    } else if (action == 4) {
        OrnUnHook(static_cast<std::int32_t>(t.MouseHook()));
    }
}

// Installed anew, the hooks run before any installed since.
void TMainWin::ReinstallHooks() {
    for (int action : {2, 1, 4, 3}) HookCommand(action);
}

HWND TMainWin::FindEditor() {
    return reinterpret_cast<HWND>(static_cast<UINT_PTR>(editor_.Window()));
}

void TMainWin::ActivateMe() {
    if (browseMode_) {
        Notice(PlayerText::NoticeCaption, PlayerText::BrowseMode);
        return;
    }
    if (HWND editor = FindEditor()) {
        // From the background (the hot key reached us through the hook) a
        // bare request would only flash the editor's taskbar button.
        TransferForeground(editor);
        return;
    }
    const std::string editorPath = programDir_ + "\\brindel.exe";
    if (GetFileAttributesA(editorPath.c_str()) == INVALID_FILE_ATTRIBUTES) {
        Notice(PlayerText::NoticeCaption,
               "The Orvane Editor could not be started: " + editorPath + " is missing.");
        return;
    }
    const std::string params = "-PEJ /RH" + std::to_string(WindowNumber(window_));
    static_cast<void>(StartCompanion(editorPath, params));
}

void TMainWin::FormClose() {
    if (closing_)
        return;
    capture_->EndAtClose();
    if (HWND editor = FindEditor())
        PostMessageA(editor, WM_QUIT, 10, 0);
    closing_ = true;
    KillTimer(window_, ClearTimerId);
    HookTable& t = *hookData_;
    OrnUnHook(static_cast<std::int32_t>(t.KeyboardHook()));
    OrnUnHook(static_cast<std::int32_t>(t.MouseHook()));
    if (swapHookInstalled_ && playerBlock_.View())
        OrnUnHook(static_cast<std::int32_t>(GetU32(std::span(playerBlock_.View() + 4, 4), 0)));
    if (cbtBlock_.View())
        OrnUnHook(static_cast<std::int32_t>(GetU32(std::span(cbtBlock_.View() + 4, 4), 0)));
    schedule_->Stop();
    tray_.HideAll();
    cbtBlock_.Close();
    playerBlock_.Close();
    SettingsSaved(configs_.SaveConfig());
    if (oleInitialised_)
        OleUninitialize();
}

void TMainWin::Close() {
    closePending_ = false;
    FormClose();
    DestroyWindow(window_);
}

void TMainWin::ResumePause() {
    dialogs_.ClosePause(true);
}

void TMainWin::ForgetTyping() {
    cuewords_->Forget();
    waitCommands_.Events.TypedText.clear();
}

HWND TMainWin::PauseWorkWindow() const {
    // The window the macro last brought forward, else the one it started in.
    const std::uint32_t window = windowCommands_.LastActivatedWindow
                                     ? windowCommands_.LastActivatedWindow
                                     : dispatch_->TargetWindow;
    return window ? GetAncestor(WindowFromNumber(window), GA_ROOT) : nullptr;
}

void TMainWin::Notice(std::string_view caption, std::string_view text) {
    host_.DoAMessage(caption, text);
}

std::uint32_t TMainWin::ForegroundWindow() {
    HWND w = GetForegroundWindow();
    // Without a window manager the foreground may be unknown: the window the
    // key was pressed in stands for it.
    if (!w && dispatch_->TargetWindow)
        w = GetAncestor(WindowFromNumber(dispatch_->TargetWindow), GA_ROOT);
    // Scopes are judged on the window a user sees: a palette or a hidden
    // helper in front stands for the window it belongs to.
    return windowCommands_.UserWindowOf(WindowNumber(w));
}

std::string TMainWin::WindowTitle(std::uint32_t window) {
    return TitleOf(WindowFromNumber(window));
}

// Asked of the system each time: a program brought forward a moment ago
// counts at once.
std::string TMainWin::GetTopProgram() {
    return ProgramOfWindow(ForegroundWindow());
}

std::string TMainWin::ProgramOfWindow(std::uint32_t window) {
    const std::uint32_t process = window ? ProcessOfWindow(WindowFromNumber(window)) : 0;
    return process ? ProgramOfProcess(process) : std::string();
}

std::vector<std::string> TMainWin::RunningProgramNames() {
    std::vector<std::string> names;
    for (ProcessName& process : RunningProcessNames()) names.push_back(std::move(process.Name));
    return names;
}

bool TMainWin::ActivateWindow(std::string_view titlePart) {
    return windowCommands_.ActivateIt(titlePart);
}

bool TMainWin::ActivateProgram(std::string_view name) {
    return windowCommands_.ActivateProg(name);
}

void TMainWin::SystemAction(SystemMacroAction action) {
    switch (action) {
        case SystemMacroAction::TerminatePlayer:
            PostMessageA(window_, WM_CLOSE, 0, 0);
            break;
        case SystemMacroAction::ActivateEditor:
            ActivateMe();
            break;
        case SystemMacroAction::StartStopCapture:
            capture_->StartACapture(browseMode_);
            break;
        case SystemMacroAction::MenuOfTopWindow:
            MenuTopWindow();
            break;
        case SystemMacroAction::ResumePause:
            break;  // the dispatch resumes a pause itself
    }
}

bool TMainWin::WaitForModifiersUp() {
    // Set by the hook library once its keyboard hook saw the last modifier
    // go up: the wait ends at the release, before the system's key state
    // (looked at every 10 ms, the hook's answer aside) shows it.
    static const HANDLE hookSawThemUp = CreateEventA(nullptr, TRUE, FALSE, KernelName::ModifiersUp);
    const DWORD start = GetTickCount();
    auto down = [](int vk) { return (GetAsyncKeyState(vk) & 0x8000) != 0; };
    while (!closePending_ && (down(VK_CONTROL) || down(VK_MENU) || down(VK_SHIFT) ||
                              down(VK_LWIN) || down(VK_RWIN))) {
        // Held longer than this: the user means to hold it; the macro plays.
        if (GetTickCount() - start > ModifierWaitMs)
            break;
        if (MsgWaitForMultipleObjects(hookSawThemUp ? 1 : 0, &hookSawThemUp, FALSE, 10,
                                      QS_ALLINPUT) == WAIT_OBJECT_0)
            break;
        if (!PumpPendingMessages())
            return false;
    }
    return !closePending_;
}

void TMainWin::ReloadIfChanged() {
    if (!settings_->NetworkMode)
        return;
    lock_->ReadSyncRecord();
    if (lock_->Record().Counter == lock_->SyncStamp())
        return;
    lock_->SetUp();
    ReloadShared();
}

void TMainWin::ReloadShared() {
    // Another user's change that cannot be read is said; the tables stay.
    static_cast<void>(loading_->ReloadMacroFile(true));
}

bool TMainWin::CanDoMenu() {
    return !hookData_->CaptureRunning() && !dispatch_->Paused() && !dispatch_->MenuShown;
}

void TMainWin::RunMenuIcon(int macro, int x) {
    dispatch_->TrayMenuX = x;
    dispatch_->ListedMacroChosen(macro, activation_->LastTitledWindow);
    dispatch_->TrayMenuX = -1;
}

void TMainWin::Terminate() {
    PostMessageA(window_, WM_CLOSE, 0, 0);
}

void TMainWin::SetNetTimer(bool on) {
    if (on)
        SetTimer(window_, NetTimerId, NetTimerMs, nullptr);
    else
        KillTimer(window_, NetTimerId);
}

void TMainWin::SetSyncTimer(bool on) {
    if (on)
        SetTimer(window_, SyncTimerId, SyncTimerMs, nullptr);
    else
        KillTimer(window_, SyncTimerId);
}

namespace {

// The running player's window; nullptr when it is not (yet) there.
HWND RunningPlayerWindow() {
    SharedBlock block;
    if (!block.OpenForWriting(KernelName::PlayerHandleBlock, PlayerHandleBlockSize))
        return nullptr;
    HWND player = WindowFromNumber(GetU32(std::span(block.View(), 4), 0));
    return IsWindow(player) ? player : nullptr;
}

// A first start makes its marker well before its window, and its window
// before its message loop runs: a second start close behind it waits a while
// for a window that answers, looking again now and then. Seen tells whether
// a window was there at all.
HWND WaitForPlayerWindow(bool& seen) {
    constexpr DWORD WaitMs = 5000, LookEveryMs = 50, AnswerMs = 200;
    const DWORD started = GetTickCount();
    for (;;) {
        if (HWND player = RunningPlayerWindow()) {
            seen = true;
            DWORD_PTR result = 0;
            if (SendMessageTimeoutA(player, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, AnswerMs, &result))
                return player;
        }
        if (GetTickCount() - started >= WaitMs)
            return nullptr;
        Sleep(LookEveryMs);
    }
}

}  // namespace

HandOverResult HandOverCommandLine(const std::string& commandLine) {
    bool seen = false;
    HWND player = WaitForPlayerWindow(seen);
    if (!player)
        return seen ? HandOverResult::NotAnswered : HandOverResult::NoPlayerWindow;
    // This start has the user's click behind it; the player, which may open
    // the editor for it, may then bring a window to the front.
    DWORD playerProcess = 0;
    GetWindowThreadProcessId(player, &playerProcess);
    LetProcessTakeForeground(playerProcess);
    const UINT message = RegisterWindowMessageA(HandOverMessageName);
    auto send = [&](unsigned char c) {
        DWORD_PTR result = 0;
        return SendMessageTimeoutA(player, message, 0, c, SMTO_ABORTIFHUNG, HandOverTimeoutMs,
                                   &result) != 0;
    };
    for (char c : commandLine)
        if (c != 0 && !send(static_cast<unsigned char>(c)))
            return HandOverResult::NotAnswered;
    return send(0) ? HandOverResult::HandedOver : HandOverResult::NotAnswered;
}

}  // namespace orv::player
