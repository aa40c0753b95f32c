// The window commands' desktop: real top-level windows, the shell and the
// process list. Windows come forward through TransferForeground
// (common/win32/foreground.h), the road every run-time window uses too.
#pragma once

#include <windows.h>

#include "common/hook_library.h"
#include "common/notices.h"
#include "common/win32/foreground.h"
#include "player/window_commands.h"

namespace orv::player {

class Win32Windows final : public WindowHost {
  public:
    Win32Windows(HWND owner, HookTable& table, HookLibrary& hooks, ProgramNotices& notices)
        : owner_(owner), table_(table), hooks_(hooks), notices_(notices) {}

    void SetOwner(HWND owner) { owner_ = owner; }

    WindowId FindExactTitle(std::string_view title) override;
    std::vector<WindowId> TopLevelWindows() override;
    std::string Title(WindowId window) override;
    WindowLook Look(WindowId window) override;
    WindowId Foreground() override;
    std::uint32_t ProcessOf(WindowId window) override;
    std::uint32_t FindProcess(std::string_view namePart) override;
    bool BringToFront(WindowId window) override;
    bool InFront(WindowId window) override;
    void PostQuit(WindowId window) override;
    void Show(WindowId window, bool visible) override;
    void Resize(WindowId window, std::int32_t width, std::int32_t height) override;
    void Move(WindowId window, std::int32_t x, std::int32_t y) override;
    void SendSysCommand(WindowId window, std::uint16_t code) override;
    std::int64_t ShellOpen(std::string_view file, std::string_view parameters) override;
    void SetSecondWindow(WindowId window, bool on) override;

  private:
    HWND owner_;
    HookTable& table_;
    HookLibrary& hooks_;
    ProgramNotices& notices_;
};

}  // namespace orv::player
