// Stand-in for the sweepstakes practice form that the quick wizard starts
// with "QOT <window>": the user types a name and an e-mail address as the
// sweepstakes form will ask for them, while the wizard records. When the form
// goes (Done or closed) it posts the end of a recording to the wizard's window,
// which ends the recording there.
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "common/program_messages.h"
#include "common/win32/foreground.h"

namespace {

constexpr char WindowClass[] = "OrvaneSweepstakesForm";

HWND wizard = nullptr;

// The wizard's window from "QOT <decimal handle>"; none for anything else.
HWND WizardOf(const char* commandLine) {
    while (*commandLine == ' ') ++commandLine;
    if (std::strncmp(commandLine, "QOT ", 4) != 0)
        return nullptr;
    char* end = nullptr;
    unsigned long long value = std::strtoull(commandLine + 4, &end, 10);
    return end == commandLine + 4 ? nullptr : reinterpret_cast<HWND>(static_cast<UINT_PTR>(value));
}

HWND AddControl(HWND form, const char* type, const char* text, DWORD style, int id, int x, int y,
                int width) {
    const DWORD exStyle = std::strcmp(type, "EDIT") == 0 ? WS_EX_CLIENTEDGE : 0;
    HWND control =
        CreateWindowExA(exStyle, type, text, WS_CHILD | WS_VISIBLE | style, x, y, width, 22, form,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    return control;
}

void AddControls(HWND form) {
    AddControl(form, "STATIC", "Name", 0, 0, 10, 14, 80);
    HWND name = AddControl(form, "EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, 0, 90, 12, 220);
    AddControl(form, "STATIC", "E-mail", 0, 0, 10, 44, 80);
    AddControl(form, "EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, 0, 90, 42, 220);
    AddControl(form, "BUTTON", "Done", WS_TABSTOP | BS_DEFPUSHBUTTON, IDOK, 120, 78, 80);
    SetFocus(name);
}

LRESULT CALLBACK FormProc(HWND form, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CREATE:
            AddControls(form);
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK)
                DestroyWindow(form);
            return 0;
        case WM_DESTROY:
            if (wizard)
                PostMessageA(wizard, orv::ProgramMessage::CaptureEnded, 0, 0);
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(form, msg, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
    wizard = WizardOf(commandLine);
    WNDCLASSA wc{};
    wc.lpfnWndProc = FormProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = WindowClass;
    RegisterClassA(&wc);
    HWND form = CreateWindowExA(0, WindowClass, "Sweepstakes Practice Form",
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                                CW_USEDEFAULT, 340, 150, nullptr, nullptr, instance, nullptr);
    ShowWindow(form, show);
    orv::TransferForeground(form);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        // Tab between the boxes and Enter for Done, as on a web form.
        if (IsDialogMessageA(form, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
