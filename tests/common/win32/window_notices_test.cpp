#include "common/win32/window_notices.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "tests/support/win32/test_window.h"
#include "tests/support/win32/wait_for.h"

namespace orv {
namespace {

struct NoticeWindow {
    static inline std::vector<std::pair<WPARAM, LPARAM>> received;
    static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == ProgramMessage::Notice)
            received.emplace_back(wParam, lParam);
        return DefWindowProcA(w, msg, wParam, lParam);
    }
    testing::TestWindow test{"OrvaneNoticeTest", Proc};
    HWND window = test.Handle();
};

TEST(WindowNotices, ArriveAsTheProgramNoticeWhileAWindowIsKnown) {
    NoticeWindow target;
    HWND known = nullptr;
    WindowNotices notices([&] { return known; });
    notices.Post(8, 3);  // nobody to tell yet
    known = target.window;
    notices.Post(20, 12);
    ASSERT_TRUE(testing::WaitFor([] { return !NoticeWindow::received.empty(); }));
    ASSERT_EQ(NoticeWindow::received.size(), 1u);
    EXPECT_EQ(NoticeWindow::received[0], (std::pair<WPARAM, LPARAM>{20, 12}));
}

}  // namespace
}  // namespace orv
