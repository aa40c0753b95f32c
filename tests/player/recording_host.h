// A player host that injects nothing: it records every event as a line of a
// trace, types through a US keyboard layout of its own, and keeps a clock that
// moves only while the player waits.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "player/player_host.h"

namespace orv::player::testing {

class RecordingHost final : public PlayerHost {
  public:
    void KeyEvent(std::uint8_t virtualKey, bool up, bool extended) override;
    void MouseEvent(std::uint32_t flags, std::int32_t x, std::int32_t y,
                    std::int32_t data) override;
    std::optional<std::uint16_t> KeyForChar(unsigned char c) override;
    void CharEvent(unsigned char c) override { Trace.push_back(std::string("char ") + char(c)); }
    ScreenPoint ScreenSize() override { return Screen; }
    VirtualScreenArea VirtualScreen() override {
        return Monitors.value_or(VirtualScreenArea{0, 0, Screen.X, Screen.Y});
    }
    ScreenPoint CursorPos() override { return Cursor; }
    ScreenPoint ForegroundOrigin() override { return Foreground; }
    bool MovePointerToCaret() override;
    std::uint64_t MonotonicMs() override { return NowMs; }
    void PumpMessages() override;
    void Idle(std::uint32_t ms) override;
    void OpenWaitTimer() override { Trace.push_back("timer open"); }
    void CloseWaitTimer() override { Trace.push_back("timer close"); }
    void FineTimer(bool on) override {
        FineTimerHeld += on ? 1 : -1;
        FineTimerAsks += on ? 1 : 0;
    }
    void DoAMessage(std::string_view caption, std::string_view text) override;
    std::uint16_t DoRepPrompt() override { return PromptCount; }
    std::optional<std::string> MacroScript(std::string_view nickname) override;
    std::optional<std::string> ReadTextFile(std::string_view path, std::size_t maxBytes) override;
    std::optional<std::string> ElevatedForeground() override { return ElevatedTitle; }
    bool CapsLockOn() override { return CapsLock; }
    // The system's key state: the user's modifier keys as the player's
    // events last left each; the user holds them unless a test lets go.
    ModifierKeySet ModifierKeysDown() override {
        return (UserModifiers & ~injectedUp_) | injectedDown_;
    }
    ModifierKeySet ModifierKeysStillHeld(ModifierKeySet lifted) override {
        return lifted & UserModifiers & ~LetGoMeanwhile;
    }
    void MarkMacroInUse(bool inUse) override {
        Trace.push_back(inUse ? "in use" : "in use off");
        if (OnMarkInUse)
            OnMarkInUse(inUse);
    }
    void ShowRunning(bool running) override { Trace.push_back(running ? "running" : "stopped"); }
    void StartClearTimer() override { Trace.push_back("clear timer"); }
    CommandFamilies Families() override { return FamiliesSet; }

    // What the events would type into an edit control on a US layout: keys
    // with Ctrl as "^" and the letter, other keys without a character as
    // "[virtual key]", Alt plus keypad digits as the character of the code.
    std::string Typed() const;
    // The same with "|" for each run's end marker (VK_EXECUTE, "[43]").
    std::string TypedMarkingEnds() const {
        std::string typed = Typed();
        for (std::size_t at; (at = typed.find("[43]")) != std::string::npos;)
            typed.replace(at, 4, "|");
        return typed;
    }
    // The key and button transitions only ("d16", "u16", "mouse 2").
    std::vector<std::string> Keys() const;
    // Keys and buttons that are down after the last event.
    std::vector<int> StillDown() const;
    std::vector<std::string> Notices() const;

    std::vector<std::string> Trace;
    std::uint64_t NowMs = 5000;
    std::uint64_t IdleMs = 0;  // how long the player has waited in all
    int FineTimerHeld = 0;     // asks not given back
    int FineTimerAsks = 0;
    ScreenPoint Screen{1280, 1024};
    std::optional<VirtualScreenArea> Monitors;  // none: the screen alone
    std::uint32_t MoveFlags = 0;                // of the last move
    ScreenPoint Cursor{0, 0};
    ScreenPoint Foreground{0, 0};
    std::optional<ScreenPoint> Caret;
    std::uint16_t PromptCount = 0;
    bool CapsLock = false;
    // The title of an administrator's window in front.
    std::optional<std::string> ElevatedTitle;
    ModifierKeySet UserModifiers = 0;
    ModifierKeySet LetGoMeanwhile = 0;
    std::map<std::string, std::string> Macros;
    std::map<std::string, std::string> Files;
    // What the player's shared state does when a run marks itself in use.
    std::function<void(bool)> OnMarkInUse;
    // Runs on every message pump, as a message handler would between steps.
    std::function<void()> OnPump;
    // Runs as a notice shows.
    std::function<void()> OnNotice;
    CommandFamilies FamiliesSet;

  private:
    // The modifier keys the player's events left down, and the user's ones
    // they let go of.
    ModifierKeySet injectedDown_ = 0;
    ModifierKeySet injectedUp_ = 0;
};

}  // namespace orv::player::testing
