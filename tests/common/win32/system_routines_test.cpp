#include "common/win32/system_routines.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/support/win32/test_window.h"
#include "tests/support/win32/wait_for.h"

namespace orv {
namespace {

// A main window that answers WM_SYSCOMMAND as both programs' main windows do.
struct SysCommandWindow {
    static inline bool refuse = false;
    static inline int defaultHandled = 0;

    static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_SYSCOMMAND) {
            LRESULT result = 0;
            if (RefuseScreenSaverCommand(wParam, refuse, result)) return result;
            ++defaultHandled;  // stands for the default handling
            return 0;
        }
        return DefWindowProcA(w, msg, wParam, lParam);
    }

    testing::TestWindow test{"OrvaneSysCommandTest", Proc};
    HWND window = test.Handle();
};

TEST(SystemRoutines, ScreenSaverCommandRefusedOnlyWhenAsked) {
    SysCommandWindow w;
    SysCommandWindow::refuse = true;
    EXPECT_EQ(SendMessageA(w.window, WM_SYSCOMMAND, SC_SCREENSAVE, 0), -1);
    EXPECT_EQ(SysCommandWindow::defaultHandled, 0);
    SendMessageA(w.window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_EQ(SysCommandWindow::defaultHandled, 1);
    SysCommandWindow::refuse = false;
    EXPECT_EQ(SendMessageA(w.window, WM_SYSCOMMAND, SC_SCREENSAVE, 0), 0);
    EXPECT_EQ(SysCommandWindow::defaultHandled, 2);
}

// Sets or removes the browser's version value for one test, restoring it after.
class BrowserVersionValue {
public:
    BrowserVersionValue() {
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, Key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                        nullptr);
        char buffer[256] = {};
        DWORD size = sizeof buffer - 1;
        if (RegQueryValueExA(key_, "Version", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer),
                             &size) == ERROR_SUCCESS)
            saved_ = buffer;
    }
    ~BrowserVersionValue() {
        if (saved_) Set(*saved_);
        else Remove();
        RegCloseKey(key_);
    }
    void Set(const std::string& v) {
        RegSetValueExA(key_, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(v.c_str()),
                       static_cast<DWORD>(v.size() + 1));
    }
    void Remove() { RegDeleteValueA(key_, "Version"); }

private:
    static constexpr char Key[] = "Software\\Microsoft\\Internet Explorer";
    HKEY key_ = nullptr;
    std::optional<std::string> saved_;
};

TEST(SystemRoutines, BrowserVersionFromTheRegistry) {
    BrowserVersionValue value;
    value.Set("5.00.2614.3500");
    EXPECT_TRUE(IsBrowser4OrLater());
    value.Set("3.02");
    EXPECT_FALSE(IsBrowser4OrLater());
    value.Remove();
    EXPECT_FALSE(IsBrowser4OrLater());
}

TEST(SystemRoutines, ProgramDirAndDirExists) {
    std::string dir = ProgramDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_NE(dir.back(), '\\');
    char before[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, before);
    EXPECT_TRUE(DirExists(dir));
    EXPECT_FALSE(DirExists(dir + "\\no such folder"));
    char after[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, after);
    EXPECT_STREQ(before, after);
}

HWND FindLocator() { return FindWindowA("OrvaneMouseLocator", nullptr); }

TEST(SystemRoutines, MouseLocatorStartsBesideTheProgram) {
    ASSERT_EQ(FindLocator(), nullptr);
    LaunchMouseLocator();
    ASSERT_TRUE(testing::WaitFor([] { return FindLocator() != nullptr; }));
    PostMessageA(FindLocator(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(testing::WaitFor([] { return FindLocator() == nullptr; }));
}

TEST(SystemRoutines, MissingMouseLocatorIsNotAnError) {
    std::string program = ProgramDir() + "\\LOKARI.EXE";
    std::string parked = ProgramDir() + "\\LOKARI.EXE.parked";
    DeleteFileA(parked.c_str());  // left by an interrupted run
    // A locator started by an earlier test may still be on its way out.
    ASSERT_TRUE(testing::WaitFor([&] { return MoveFileA(program.c_str(), parked.c_str()); }));
    LaunchMouseLocator();
    MoveFileA(parked.c_str(), program.c_str());
    EXPECT_EQ(FindLocator(), nullptr);
}

}  // namespace
}  // namespace orv
