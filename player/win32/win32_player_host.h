// The player host on the real desktop: tagged keyboard and mouse events, the
// current keyboard layout, the message queue of the player's thread and the
// named wait timer.
#pragma once

#include <windows.h>

#include <functional>

#include "player/player_host.h"
#include "player/run_shared.h"

namespace orv::player {

class Win32PlayerHost final : public PlayerHost {
  public:
    Win32PlayerHost() = default;
    Win32PlayerHost(const Win32PlayerHost&) = delete;
    Win32PlayerHost& operator=(const Win32PlayerHost&) = delete;

    ~Win32PlayerHost() override;

    void KeyEvent(std::uint8_t virtualKey, bool up, bool extended) override;
    void MouseEvent(std::uint32_t flags, std::int32_t x, std::int32_t y,
                    std::int32_t data) override;
    std::optional<std::uint16_t> KeyForChar(unsigned char c) override;
    void CharEvent(unsigned char c) override;
    ScreenPoint ScreenSize() override;
    VirtualScreenArea VirtualScreen() override;
    ScreenPoint CursorPos() override;
    ScreenPoint ForegroundOrigin() override;
    bool MovePointerToCaret() override;
    std::uint64_t MonotonicMs() override;
    void PumpMessages() override;
    void Idle(std::uint32_t ms) override;
    void OpenWaitTimer() override;
    void CloseWaitTimer() override;
    void FineTimer(bool on) override;
    void DoAMessage(std::string_view caption, std::string_view text) override;
    std::uint16_t DoRepPrompt() override;
    std::optional<std::string> MacroScript(std::string_view nickname) override;
    std::optional<std::string> ReadTextFile(std::string_view path, std::size_t maxBytes) override;
    std::optional<std::string> ElevatedForeground() override;
    bool CapsLockOn() override;
    ModifierKeySet ModifierKeysDown() override;
    ModifierKeySet ModifierKeysStillHeld(ModifierKeySet lifted) override;
    void MarkMacroInUse(bool inUse) override;
    void ShowRunning(bool running) override;
    void StartClearTimer() override;
    CommandFamilies Families() override { return FamiliesSet; }

    // What the player's main window supplies: the shared state, the tray
    // icon and the run-time dialogs. Unset ones do nothing (a macro looked up
    // by nickname is then not found).
    RunShared* Shared = nullptr;
    std::function<void(bool)> OnShowRunning;
    std::function<void()> OnStartClearTimer;
    std::function<std::uint16_t()> OnRepeatPrompt;
    // The message window; unset: a topmost message box.
    std::function<void(std::string_view caption, std::string_view text)> OnMessage;
    CommandFamilies FamiliesSet;
    // What the hooks last said of Caps Lock (they follow every switch they
    // see); none while they may not see keys.
    void FollowHookCapsLock(std::optional<bool> on) { hookCapsLock_ = on; }

  private:
    std::optional<bool> hookCapsLock_;
    HANDLE waitTimer_ = nullptr;
    bool fineTimer_ = false;  // holds a timeBeginPeriod(1)
    HWND elevationAsked_ = nullptr;
    bool elevated_ = false;
};

}  // namespace orv::player
