// Stand-in for the mouse locator that both programs start with "QOR": a small
// stay-on-top window that follows the cursor and shows its screen position.
// Any key or click closes it.
#include <windows.h>

#include <cstdio>

namespace {

constexpr char WindowClass[] = "OrvaneMouseLocator";
constexpr UINT_PTR FollowTimer = 1;

void FollowCursor(HWND window) {
    POINT p{};
    GetCursorPos(&p);
    char text[40];
    std::snprintf(text, sizeof text, "X %ld  Y %ld", static_cast<long>(p.x), static_cast<long>(p.y));
    SetWindowTextA(window, text);
    SetWindowPos(window, HWND_TOPMOST, p.x + 16, p.y + 16, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    InvalidateRect(window, nullptr, TRUE);
}

LRESULT CALLBACK LocatorProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_TIMER:
        FollowCursor(window);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        char text[40];
        int length = GetWindowTextA(window, text, sizeof text);
        TextOutA(dc, 4, 4, text, length);
        EndPaint(window, &ps);
        return 0;
    }
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = LocatorProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_CROSS);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_INFOBK + 1);
    wc.lpszClassName = WindowClass;
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, WindowClass, "", WS_POPUP | WS_BORDER,
                                  0, 0, 140, 26, nullptr, nullptr, instance, nullptr);
    FollowCursor(window);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    SetTimer(window, FollowTimer, 50, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
