#include "common/win32/task_icon.h"

#include <shellapi.h>

#include <cstring>

namespace orv {
namespace {

constexpr char WindowClass[] = "OrvaneTaskIcon";
constexpr UINT CallbackMessage = WM_USER;
constexpr std::size_t TipCapacity = 64;

void RegisterWindowClass() {
    static const bool registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = WindowClass;
        return RegisterClassA(&wc) != 0;
    }();
    (void)registered;
}

}  // namespace

TTaskIcon::TTaskIcon() {
    RegisterWindowClass();
    window_ = CreateWindowExA(0, WindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TTaskIcon::WindowProc));
}

TTaskIcon::~TTaskIcon() {
    if (active_) SetActive(false);
    DestroyWindow(window_);
}

LRESULT CALLBACK TTaskIcon::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TTaskIcon*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (msg == CallbackMessage && self) {
        self->HandleCallback(wParam, lParam);
        return 0;
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}

void TTaskIcon::HandleCallback(WPARAM wParam, LPARAM lParam) {
    if (static_cast<int>(wParam) != id_ || id_ < 0) return;
    switch (static_cast<UINT>(lParam)) {
    case WM_LBUTTONUP:
        if (OnClick) OnClick();
        break;
    case WM_LBUTTONDBLCLK:
        if (OnDblClick) OnDblClick();
        break;
    case WM_RBUTTONUP:
        if (OnRightClick) {
            POINT p{};
            GetCursorPos(&p);
            OnRightClick(p.x, p.y);
        }
        break;
    }
}

// The short record every shell version accepts.
bool TTaskIcon::Notify(DWORD action) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window_;
    data.uID = static_cast<UINT>(id_);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = CallbackMessage;
    data.hIcon = icon_;
    std::strncpy(data.szTip, toolTip_.c_str(), 63);
    return Shell_NotifyIconA(action, &data) != FALSE;
}

void TTaskIcon::SetActive(bool active) {
    if (active == active_) return;
    if (Notify(active ? NIM_ADD : NIM_DELETE)) active_ = active;
}

void TTaskIcon::ModifyIfActive() {
    if (active_) Notify(NIM_MODIFY);
}

void TTaskIcon::SetIcon(HICON icon) {
    icon_ = icon;
    ModifyIfActive();
}

void TTaskIcon::SetToolTip(const std::string& tip) {
    std::string cut = tip.substr(0, TipCapacity);
    if (cut == toolTip_) return;
    toolTip_ = cut;
    // The hidden window carries the tip as its title, so the icon can be
    // found by it.
    SetWindowTextA(window_, toolTip_.c_str());
    ModifyIfActive();
}

void TTaskIcon::SetTaskIconID(int id) {
    if (id == id_) return;
    if (!active_) {
        id_ = id;
        return;
    }
    // The shell knows the icon by its identifier: a modify under the new one
    // would find nothing, so the icon is shown again under it.
    Notify(NIM_DELETE);
    id_ = id;
    active_ = Notify(NIM_ADD);
}

}  // namespace orv
