#include "player/win32/forms/run_time_dialog.h"

#include "player/win32/win32_windows.h"

namespace orv::player {

TRunTimeDialog::TRunTimeDialog(std::string name, std::string caption, int clientWidth,
                               int clientHeight)
    : TFrontForm(std::move(name), std::move(caption), clientWidth, clientHeight) {
    BringToFront = TransferForeground;
}

}  // namespace orv::player
