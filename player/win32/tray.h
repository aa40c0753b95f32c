// The player's tray: the main icon with its menu, the recording icon, and
// an icon for each pop-up-menu macro that asks for one.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "common/settings.h"
#include "common/hook_table.h"
#include "common/win32/task_icon.h"

namespace orv::player {

namespace TrayText {
inline constexpr const char* Title = "Orvane 99";
inline constexpr const char* Running = "Macro Is Running - Right Click to Abort";
inline constexpr const char* Recording = "Macro Is Recording";
// The maker's home page.
inline constexpr const char* HomePage = "https://orvane.example.org/";
}  // namespace TrayText

// What the icons and the menu ask of the main window.
class TrayHost {
  public:
    virtual ~TrayHost() = default;
    virtual bool MacroRunning() = 0;
    virtual void AbortRun() = 0;
    // No capture, no paused macro and no pop-up menu shown.
    virtual bool CanDoMenu() = 0;
    virtual void ActivateMe() = 0;
    virtual void ReinstallHooks() = 0;
    virtual void EndCapture() = 0;
    // A menu icon's right click: its macro, the click's screen X.
    virtual void RunMenuIcon(int macro, int x) = 0;
    virtual void Terminate() = 0;
};

class PlayerTray {
  public:
    static constexpr int MaxMenuIcons = 15;

    enum MenuCommand : UINT {
        PopOpen = 1,
        MenuHooks,
        MenuLaunch,
        PopHelp,
        MenuAbout,
        MenuHomePage,
        PopTerm,
    };

    PlayerTray(const SettingsBlock& settings, const HookTable& table, TrayHost& host);
    ~PlayerTray();
    PlayerTray(const PlayerTray&) = delete;
    PlayerTray& operator=(const PlayerTray&) = delete;

    // The main icon, shown while "Use Tray" is on; the recording icon, shown
    // by a capture.
    void DoTaskIcon(HWND owner);
    void DoTaskIconRec();
    void SetMainActive(bool active) { mainIcon_.SetActive(active); }
    // Applied once the player next handles its messages, not before the
    // run's first keys: the shell answers more slowly than they are typed.
    void ShowRunning(bool running);
    void ShowRecording(bool recording) { recordIcon_.SetActive(recording); }
    // The icons of the pop-up-menu macros whose Cueword text starts with 'Y'.
    void DoMenuTaskIcon();
    void ClearMenuTaskIcon();
    const std::vector<std::unique_ptr<TTaskIcon>>& MenuIcons() const { return menuIcons_; }
    void HideAll();
    // The main icon's menu at a screen point; returns when it closed.
    void MyPopUp(int x, int y);

  private:
    void MainRightClick(int x, int y);
    void MenuChoice(UINT command);
    HICON MenuIconPicture(int macro);
    void ApplyRunning();
    static void CALLBACK RunningTimer(HWND window, UINT message, UINT_PTR id, DWORD time);

    const SettingsBlock& settings_;
    const HookTable& table_;
    TrayHost& host_;
    HWND owner_ = nullptr;
    TTaskIcon mainIcon_;
    TTaskIcon recordIcon_;
    std::vector<std::unique_ptr<TTaskIcon>> menuIcons_;
    // Pictures loaded from icon files, the tray's until the icons go.
    std::vector<HICON> fileIcons_;
    bool aboutShowing_ = false;
    bool runningWanted_ = false, runningShown_ = false;
};

}  // namespace orv::player
