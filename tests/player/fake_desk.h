#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "player/run_dispatch.h"

namespace orv::player::testing {

// The desktop as the dispatch sees it: a foreground window with a title and
// a program, windows that can be brought forward, and what was asked of it.
class FakeDesk final : public PlayerDesk {
  public:
    void Notice(std::string_view, std::string_view text) override { Notices.emplace_back(text); }
    std::uint32_t ForegroundWindow() override { return Foreground; }
    std::string WindowTitle(std::uint32_t) override { return Title; }
    std::string GetTopProgram() override { return Program; }
    std::string ProgramOfWindow(std::uint32_t) override { return Program; }
    std::vector<std::string> RunningProgramNames() override { return Running; }
    bool ActivateWindow(std::string_view part) override {
        Activated.emplace_back(part);
        return Title.find(part) != std::string::npos || OtherWindow == part;
    }
    bool ActivateProgram(std::string_view) override { return false; }
    void SystemAction(SystemMacroAction action) override {
        Actions += static_cast<char>(action);
        if (OnAction)
            OnAction();
    }
    bool WaitForModifiersUp() override {
        if (OnWait)
            OnWait();
        return !Closing;
    }
    void ReloadIfChanged() override {
        if (Changed && OnReload)
            OnReload();
        Changed = false;
    }
    std::optional<HeldMacro> ChooseFromMenu(const MacroRecord&) override {
        if (DuringMenu)
            DuringMenu();
        return MenuAnswer;
    }
    void ResumePause() override { ++Resumed; }
    void ForgetTyping() override {
        ++Forgotten;
        if (OnForget)
            OnForget();
    }

    std::uint32_t Foreground = 77;
    std::string Title = "Untitled - Notepad", Program = "NOTEPAD.EXE", OtherWindow;
    std::vector<std::string> Notices, Activated, Running;
    std::string Actions;
    std::function<void()> OnAction;
    // The macro chosen in a menu, held as shown; nothing: cancelled.
    std::optional<HeldMacro> MenuAnswer;
    int Resumed = 0, Forgotten = 0;
    bool Changed = false, Closing = false;
    // What the desk does on a reload, messages it handles while it waits for
    // the modifiers to be let go, and the buffers it empties as a run starts.
    // What happens while a menu shows (its modal loop handles messages).
    std::function<void()> OnReload, OnWait, OnForget, DuringMenu;
};

}  // namespace orv::player::testing
