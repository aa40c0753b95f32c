// The window the end-to-end tests type into: a top-level window titled by
// the command line, holding an edit control that keeps the focus.
#include <windows.h>

#include <cstring>

namespace {

HWND edit = nullptr;

LRESULT CALLBACK TargetProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    switch (m) {
        case WM_SETFOCUS:
        case WM_ACTIVATE:
            if (edit)
                SetFocus(edit);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(w, m, wp, lp);
}

}  // namespace

// "/shown <title>": the window is shown and asks for nothing more, as most
// programs do; the system decides whether it comes to the front.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR title, int) {
    const char shownOnly[] = "/shown ";
    const bool asksForFront = strncmp(title, shownOnly, sizeof shownOnly - 1) != 0;
    if (!asksForFront)
        title += sizeof shownOnly - 1;
    WNDCLASSA wc{};
    wc.lpfnWndProc = TargetProc;
    wc.hInstance = instance;
    wc.lpszClassName = "OrvE2ETarget";
    RegisterClassA(&wc);
    HWND top = CreateWindowA("OrvE2ETarget", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400,
                             200, nullptr, nullptr, instance, nullptr);
    edit = CreateWindowA("EDIT", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL, 0, 0,
                         380, 160, top, nullptr, instance, nullptr);
    if (asksForFront)
        SetForegroundWindow(top);
    SetFocus(edit);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
