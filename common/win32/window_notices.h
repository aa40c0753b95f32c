// Notices posted as WM_USER+11 to the other program's window.
#pragma once

#include <windows.h>

#include <functional>

#include "common/notices.h"

namespace orv {

constexpr UINT WM_PROGRAM_NOTICE = WM_USER + 11;

class WindowNotices final : public ProgramNotices {
  public:
    // target gives the window to tell, or null while there is none (the
    // player looks for the editor's window there).
    explicit WindowNotices(std::function<HWND()> target) : target_(std::move(target)) {}

    void Post(int code, int argument) override {
        if (HWND w = target_())
            PostMessageA(w, WM_PROGRAM_NOTICE, code, argument);
    }

  private:
    std::function<HWND()> target_;
};

}  // namespace orv
