// A plain, hidden top-level window of its own class for tests that need a
// window to receive messages; destroyed with the object.
#pragma once

#include <windows.h>

namespace orv::testing {

class TestWindow {
public:
    TestWindow(const char* className, WNDPROC proc);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND Handle() const { return window_; }

private:
    HWND window_;
};

}  // namespace orv::testing
