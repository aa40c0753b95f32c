// The waits' signals and a desktop without windows, for the tests of the
// families that wait or look for a window.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "player/interpreter.h"
#include "player/wait_commands.h"
#include "player/window_commands.h"
#include "tests/player/recording_host.h"

namespace orv::player::testing {

// The hook library's wait bytes in memory; the marker answered at once
// unless told otherwise.
class FakeSignals final : public WaitSignals {
  public:
    void SetWaitByte(WaitByte which, bool on) override {
        Bytes[static_cast<int>(which)] = on;
        Calls.push_back("byte " + std::to_string(static_cast<int>(which)) + "=" +
                        std::to_string(on));
    }
    bool WaitByteSet(WaitByte which) override { return Bytes[static_cast<int>(which)]; }
    WindowId ForegroundWindow() override { return ForegroundTitle.empty() ? 0 : 5; }
    std::string Title(WindowId) override { return ForegroundTitle; }
    bool ProgramRunning(std::string_view name) override { return Running.find(name) == 0; }
    void SetProgTermTimer(bool on) override {
        Calls.push_back(on ? "prog timer" : "prog timer off");
    }
    void StartClearWaitTimer() override {
        Calls.push_back("clear wait timer");
        if (AnswerMarkerAtOnce)
            Bytes[static_cast<int>(WaitByte::InputProcessed)] = false;
    }

    std::array<bool, 4> Bytes{};
    bool AnswerMarkerAtOnce = true;
    std::string ForegroundTitle;
    std::string Running;
    std::vector<std::string> Calls;
};

class NoWindows final : public WindowHost {
  public:
    WindowId FindExactTitle(std::string_view) override { return 0; }
    std::vector<WindowId> TopLevelWindows() override { return {}; }
    std::string Title(WindowId) override { return {}; }
    WindowLook Look(WindowId) override { return {}; }
    WindowId Foreground() override { return 0; }
    std::uint32_t ProcessOf(WindowId) override { return 0; }
    std::uint32_t FindProcess(std::string_view) override { return 0; }
    bool BringToFront(WindowId) override { return false; }
    bool InFront(WindowId) override { return false; }
    void PostQuit(WindowId) override {}
    void Show(WindowId, bool) override {}
    void Resize(WindowId, std::int32_t, std::int32_t) override {}
    void Move(WindowId, std::int32_t, std::int32_t) override {}
    void SendSysCommand(WindowId, std::uint16_t) override {}
    std::int64_t ShellOpen(std::string_view, std::string_view) override { return ShellResult; }
    void SetSecondWindow(WindowId, bool) override {}

    std::int64_t ShellResult = 42;
};

// A run whose waits and window commands work on the fakes above.
struct WaitingRun {
    RecordingHost host;
    RunState state;
    Interpreter interpreter{host, state};
    FakeSignals signals;
    NoWindows desk;
    WindowCommands windows{desk, interpreter.Play()};
    WaitCommands waits{signals, windows};
};

}  // namespace orv::player::testing
