#include "player/win32/forms/run_time_dialog.h"

#include "player/win32/win32_windows.h"

namespace orv {

namespace {

// Posted at the show: the transfer needs the window on the screen.
constexpr UINT BringForwardMessage = WM_USER + 1;

}  // namespace

TRunTimeDialog::TRunTimeDialog(std::string name, std::string caption, int clientWidth,
                               int clientHeight)
    : TForm(std::move(name), std::move(caption), clientWidth, clientHeight) {
    SetStayOnTop(true);
}

void TRunTimeDialog::FormShow() {
    PostMessageA(Handle(), BringForwardMessage, 0, 0);
}

void TRunTimeDialog::FormActivate() {
    // Another topmost window may have come over it meanwhile.
    SetStayOnTop(true);
}

bool TRunTimeDialog::UserMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != BringForwardMessage)
        return false;
    TransferForeground(Handle());
    result = 0;
    return true;
}

}  // namespace orv
