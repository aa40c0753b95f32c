#include "tests/support/win32/test_window.h"

namespace orv::testing {

TestWindow::TestWindow(const char* className, WNDPROC proc) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = className;
    RegisterClassA(&wc);  // already registered by an earlier window of the test is fine
    window_ = CreateWindowA(className, "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                            wc.hInstance, nullptr);
}

TestWindow::~TestWindow() { DestroyWindow(window_); }

}  // namespace orv::testing
