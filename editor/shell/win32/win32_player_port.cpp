#include "editor/shell/win32/win32_player_port.h"

#include <windows.h>

#include <cstdint>

#include "common/program_messages.h"
#include "common/win32/window_notices.h"

namespace orv::editor {

namespace {

// Window handles travel as 32-bit values; they widen losslessly.
HWND WindowOf(std::uint32_t window) {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window));
}

}  // namespace

bool Win32PlayerPort::IsWindow(std::uint32_t window) const {
    return ::IsWindow(WindowOf(window)) != FALSE;
}

void Win32PlayerPort::Post(std::uint32_t window, int code, std::int32_t argument) {
    PostMessageA(WindowOf(window), ProgramMessage::Notice, static_cast<WPARAM>(code),
                 static_cast<LPARAM>(argument));
}

}  // namespace orv::editor
