#include "common/win32/window_notices.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "tests/support/win32/wait_for.h"

namespace orv {
namespace {

struct NoticeWindow {
    static inline std::vector<std::pair<WPARAM, LPARAM>> received;
    static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_PROGRAM_NOTICE)
            received.emplace_back(wParam, lParam);
        return DefWindowProcA(w, msg, wParam, lParam);
    }
    HWND window;
    NoticeWindow() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "OrvaneNoticeTest";
        RegisterClassA(&wc);
        window = CreateWindowA(wc.lpszClassName, "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                               wc.hInstance, nullptr);
    }
    ~NoticeWindow() { DestroyWindow(window); }
};

TEST(WindowNotices, ArriveAsTheProgramNoticeWhileAWindowIsKnown) {
    NoticeWindow target;
    HWND known = nullptr;
    WindowNotices notices([&] { return known; });
    notices.Post(8, 3);  // nobody to tell yet
    known = target.window;
    notices.Post(20, 12);
    ASSERT_TRUE(testing::WaitFor([] { return !NoticeWindow::received.empty(); }, 5000));
    ASSERT_EQ(NoticeWindow::received.size(), 1u);
    EXPECT_EQ(NoticeWindow::received[0], (std::pair<WPARAM, LPARAM>{20, 12}));
}

}  // namespace
}  // namespace orv
