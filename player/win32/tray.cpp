#include "player/win32/tray.h"

#include "common/hotkeys.h"
#include "common/macro_record.h"
#include "common/ui/win32/about_box.h"
#include "common/ui/win32/services.h"
#include "common/ui/win32/shell_service.h"
#include "common/win32/foreground.h"
#include "common/win32/icons.h"
#include "common/win32/system_routines.h"

namespace orv::player {

PlayerTray::PlayerTray(const SettingsBlock& settings, const HookTable& table, TrayHost& host)
    : settings_(settings), table_(table), host_(host) {}

PlayerTray::~PlayerTray() {
    if (owner_)
        KillTimer(owner_, reinterpret_cast<UINT_PTR>(this));
    ClearMenuTaskIcon();
}

void PlayerTray::DoTaskIcon(HWND owner) {
    owner_ = owner;
    mainIcon_.SetIcon(LoadProgramIcon(OrvaneIcon::Loaded, true));
    mainIcon_.SetToolTip(TrayText::Title);
    mainIcon_.SetTaskIconID(0);
    mainIcon_.OnClick = [this] {
        if (!host_.MacroRunning() && host_.CanDoMenu())
            host_.ActivateMe();
    };
    mainIcon_.OnRightClick = [this](int x, int y) { MainRightClick(x, y); };
    if (settings_.UseTray)
        mainIcon_.SetActive(true);
}

void PlayerTray::DoTaskIconRec() {
    recordIcon_.SetIcon(LoadProgramIcon(OrvaneIcon::Record, true));
    recordIcon_.SetToolTip(TrayText::Recording);
    recordIcon_.SetTaskIconID(0);
    recordIcon_.OnRightClick = [this](int, int) { host_.EndCapture(); };
}

void PlayerTray::ShowRunning(bool running) {
    runningWanted_ = running;
    // A timer message comes only when no other is waiting; its id names this
    // tray, and its procedure keeps it from the window's own timers. A run
    // over before then shows nothing.
    if (!owner_ || !SetTimer(owner_, reinterpret_cast<UINT_PTR>(this), 0, RunningTimer))
        ApplyRunning();
}

void CALLBACK PlayerTray::RunningTimer(HWND window, UINT, UINT_PTR id, DWORD) {
    KillTimer(window, id);
    reinterpret_cast<PlayerTray*>(id)->ApplyRunning();
}

void PlayerTray::ApplyRunning() {
    if (runningWanted_ == runningShown_)
        return;
    runningShown_ = runningWanted_;
    mainIcon_.SetIcon(
        LoadProgramIcon(runningShown_ ? OrvaneIcon::Running : OrvaneIcon::Loaded, true));
    mainIcon_.SetToolTip(runningShown_ ? TrayText::Running : TrayText::Title);
    if (!settings_.UseTray)
        mainIcon_.SetActive(runningShown_);
}

void PlayerTray::MainRightClick(int x, int y) {
    if (host_.MacroRunning()) {
        host_.AbortRun();
        return;
    }
    if (!host_.CanDoMenu())
        return;
    TransferForeground(owner_);
    MyPopUp(x, y);
}

void PlayerTray::MyPopUp(int x, int y) {
    HMENU tools = CreatePopupMenu();
    AppendMenuA(tools, MF_STRING, MenuHooks, "&Restore Keyboard and Mouse Hooks");
    AppendMenuA(tools, MF_STRING, MenuLaunch, "&Launch Mouse Locator");
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, PopOpen, "&Open Editor");
    AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(tools), "&Tools");
    AppendMenuA(menu, MF_STRING, PopHelp, "&Help");
    AppendMenuA(menu, MF_STRING, MenuAbout, "&About");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, MenuHomePage, "&Orvane Home Page");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, PopTerm, "&Terminate Orvane");
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(
        menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, x, y, 0, owner_, nullptr));
    // Without it the menu would not close the next time the user clicks
    // elsewhere.
    PostMessageA(owner_, WM_NULL, 0, 0);
    DestroyMenu(menu);  // and its submenu
    MenuChoice(chosen);
}

void PlayerTray::MenuChoice(UINT command) {
    switch (command) {
        case PopOpen:
            host_.ActivateMe();
            break;
        case MenuHooks:
            host_.ReinstallHooks();
            break;
        case MenuLaunch:
            LaunchMouseLocator();
            break;
        case PopHelp:
            CurrentHelp().ShowContents(owner_);
            break;
        case MenuAbout:
            if (!aboutShowing_) {
                aboutShowing_ = true;
                TAboutBox about("Orvane Player");
                about.ShowModal(owner_);
                aboutShowing_ = false;
            }
            break;
        case MenuHomePage:
            CurrentShell().Open(owner_, TrayText::HomePage, "");
            break;
        case PopTerm:
            host_.Terminate();
            break;
        default:
            break;
    }
}

HICON PlayerTray::MenuIconPicture(int macro) {
    const IconChoice& icon = settings_.Icon[macro];
    if (icon.source == IconChoice::Source::File) {
        const int size = GetSystemMetrics(SM_CXSMICON);
        if (auto* loaded = static_cast<HICON>(
                LoadImageA(nullptr, icon.path.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE))) {
            fileIcons_.push_back(loaded);
            return loaded;
        }
    }
    return LoadProgramIcon(OrvaneIcon::Menu, true);
}

void PlayerTray::DoMenuTaskIcon() {
    ClearMenuTaskIcon();
    for (int i = 1; i <= table_.EntryCount() && menuIcons_.size() < MaxMenuIcons; ++i) {
        const std::string cueword = settings_.CuewordText[i].str();
        if (table_.Entry(i).Kind != MacroKind::PopupMenu || cueword.empty() || cueword[0] != 'Y')
            continue;
        auto icon = std::make_unique<TTaskIcon>();
        icon->SetIcon(MenuIconPicture(i));
        icon->SetToolTip(settings_.Nickname[i].str());
        icon->SetTaskIconID(i);
        icon->OnRightClick = [this, i](int x, int) { host_.RunMenuIcon(i, x); };
        icon->SetActive(true);
        menuIcons_.push_back(std::move(icon));
    }
}

void PlayerTray::ClearMenuTaskIcon() {
    menuIcons_.clear();
    for (HICON icon : fileIcons_) DestroyIcon(icon);
    fileIcons_.clear();
}

void PlayerTray::HideAll() {
    ClearMenuTaskIcon();
    mainIcon_.SetActive(false);
    recordIcon_.SetActive(false);
}

}  // namespace orv::player
