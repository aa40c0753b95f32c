// One icon in the taskbar notification area, reporting clicks on it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace orv {

class TTaskIcon {
public:
    using NotifyEvent = std::function<void()>;
    // Right button up, with the cursor position in screen coordinates.
    using MouseEvent = std::function<void(int x, int y)>;

    TTaskIcon();
    ~TTaskIcon();
    TTaskIcon(const TTaskIcon&) = delete;
    TTaskIcon& operator=(const TTaskIcon&) = delete;

    // The icon is shown only while Active; it turns true or false only when
    // the shell accepted the change.
    bool Active() const { return active_; }
    void SetActive(bool active);

    // The icon handle stays the caller's.
    HICON Icon() const { return icon_; }
    void SetIcon(HICON icon);

    const std::string& ToolTip() const { return toolTip_; }
    void SetToolTip(const std::string& tip);  // cut to 64 characters

    int TaskIconID() const { return id_; }
    void SetTaskIconID(int id);

    NotifyEvent OnClick;
    NotifyEvent OnDblClick;
    MouseEvent OnRightClick;

    // The window that receives the shell's callbacks.
    HWND Handle() const { return window_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    void HandleCallback(WPARAM wParam, LPARAM lParam);
    bool Notify(DWORD action);
    void ModifyIfActive();

    HWND window_ = nullptr;
    bool active_ = false;
    HICON icon_ = nullptr;
    std::string toolTip_;
    int id_ = 0;
};

}  // namespace orv
