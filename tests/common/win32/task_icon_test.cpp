#include "common/win32/task_icon.h"

#include <gtest/gtest.h>
#include <shellapi.h>

namespace orv {
namespace {

// Asks the shell directly whether it still knows the icon: a modify succeeds
// only for an icon that was added and not deleted.
bool ShellKnowsIcon(const TTaskIcon& icon) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = icon.Handle();
    data.uID = static_cast<UINT>(icon.TaskIconID());
    data.uFlags = NIF_TIP;
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

class TaskIconTest : public ::testing::Test {
protected:
    TTaskIcon icon;
    HICON appIcon = LoadIcon(nullptr, IDI_APPLICATION);
};

TEST_F(TaskIconTest, AddsChangesAndRemovesThroughTheShell) {
    icon.SetIcon(appIcon);
    icon.SetTaskIconID(7);
    icon.SetToolTip("Orvane");
    EXPECT_FALSE(ShellKnowsIcon(icon));

    icon.SetActive(true);
    ASSERT_TRUE(icon.Active());
    EXPECT_TRUE(ShellKnowsIcon(icon));
    icon.SetActive(true);  // a second add would fail and change nothing
    EXPECT_TRUE(icon.Active());

    icon.SetToolTip(std::string(80, 't'));
    EXPECT_EQ(icon.ToolTip().size(), 64u);
    icon.SetIcon(LoadIcon(nullptr, IDI_INFORMATION));
    EXPECT_TRUE(ShellKnowsIcon(icon));

    icon.SetTaskIconID(8);  // shown again under the new identifier
    EXPECT_TRUE(icon.Active());
    EXPECT_TRUE(ShellKnowsIcon(icon));

    icon.SetActive(false);
    EXPECT_FALSE(icon.Active());
    EXPECT_FALSE(ShellKnowsIcon(icon));
}

TEST_F(TaskIconTest, ReportsClicksOnItsOwnIdentifierOnly) {
    icon.SetTaskIconID(3);
    int clicks = 0, doubleClicks = 0, rightClicks = 0;
    POINT rightAt{-1, -1};
    icon.OnClick = [&] { ++clicks; };
    icon.OnDblClick = [&] { ++doubleClicks; };
    icon.OnRightClick = [&](int x, int y) {
        ++rightClicks;
        rightAt = {x, y};
    };
    HWND w = icon.Handle();
    SendMessageA(w, WM_USER, 3, WM_LBUTTONUP);
    SendMessageA(w, WM_USER, 3, WM_LBUTTONDBLCLK);
    SendMessageA(w, WM_USER, 3, WM_RBUTTONUP);
    SendMessageA(w, WM_USER, 3, WM_MOUSEMOVE);
    SendMessageA(w, WM_USER, 4, WM_LBUTTONUP);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(rightClicks, 1);
    POINT cursor{};
    GetCursorPos(&cursor);
    EXPECT_EQ(rightAt.x, cursor.x);
    EXPECT_EQ(rightAt.y, cursor.y);

    icon.OnClick = nullptr;
    SendMessageA(w, WM_USER, 3, WM_LBUTTONUP);  // no handler: nothing happens
    icon.SetTaskIconID(-2);
    icon.OnDblClick = [&] { ++doubleClicks; };
    SendMessageA(w, WM_USER, static_cast<WPARAM>(-2), WM_LBUTTONDBLCLK);
    EXPECT_EQ(doubleClicks, 1);
}

}  // namespace
}  // namespace orv
