#include "tests/player/win32/typing_window.h"

#include "tests/support/win32/wait_for.h"

namespace orv::player::testing {

// These helpers build on the shared ones.
using namespace orv::testing;

TypingWindow::TypingWindow() {
    HWND window = frame_.Handle();
    SetWindowPos(window, nullptr, 50, 50, 600, 400, SWP_NOZORDER);
    edit_ = CreateWindowExA(
        0, "EDIT", "",
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, 0, 0,
        580, 360, window, nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(edit_, EM_LIMITTEXT, 0, 0);
    SetWindowLongPtrA(edit_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    editProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(edit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditProc)));
}

LRESULT CALLBACK TypingWindow::EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TypingWindow*>(GetWindowLongPtrA(edit, GWLP_USERDATA));
    if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN || message == WM_KEYUP ||
        message == WM_SYSKEYUP) {
        self->keys_.emplace_back(message, wParam);
    }
    return CallWindowProcA(self->editProc_, edit, message, wParam, lParam);
}

std::string TypingWindow::AltKeypadCharacters() const {
    std::string text;
    int code = -1;
    for (auto [message, key] : keys_) {
        const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
        if (key == VK_MENU) {
            if (!down && code >= 0)
                text += static_cast<char>(code & 0xFF);
            code = down ? 0 : -1;
        } else if (down && code >= 0 && key >= VK_NUMPAD0 && key <= VK_NUMPAD9) {
            code = code * 10 + static_cast<int>(key - VK_NUMPAD0);
        }
    }
    return text;
}

bool TypingWindow::Focus() {
    HWND window = frame_.Handle();
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    SetFocus(edit_);
    return WaitFor([&] { return GetForegroundWindow() == window && GetFocus() == edit_; });
}

std::string TypingWindow::Text() const {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(edit_)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(edit_, text.data(), static_cast<int>(text.size()))));
    return text;
}

void TypingWindow::Clear() {
    SetWindowTextA(edit_, "");
    keys_.clear();
}

::testing::AssertionResult EditHolds(const TypingWindow& target, const std::string& expected,
                                     unsigned timeoutMs) {
    if (WaitFor([&] { return target.Text() == expected; }, timeoutMs)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "the edit control holds \"" << target.Text() << "\", expected \"" << expected << "\"";
}

}  // namespace orv::player::testing
