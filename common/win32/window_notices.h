// Notices posted as ProgramMessage::Notice to the other program's window.
#pragma once

#include <windows.h>

#include <functional>

#include "common/notices.h"
#include "common/program_messages.h"

namespace orv {

static_assert(ProgramMessage::User == WM_USER, "the messages are the system's user range");

class WindowNotices final : public ProgramNotices {
  public:
    // target gives the window to tell, or null while there is none (the
    // player looks for the editor's window there).
    explicit WindowNotices(std::function<HWND()> target) : target_(std::move(target)) {}

    void Post(int code, int argument) override {
        if (HWND w = target_())
            PostMessageA(w, ProgramMessage::Notice, code, argument);
    }

  private:
    std::function<HWND()> target_;
};

}  // namespace orv
