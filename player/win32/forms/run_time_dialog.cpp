#include "player/win32/forms/run_time_dialog.h"

#include <utility>

namespace orv::player {

TRunTimeDialog::TRunTimeDialog(std::string name, std::string caption, int clientWidth,
                               int clientHeight)
    : TFrontForm(std::move(name), std::move(caption), clientWidth, clientHeight) {}

}  // namespace orv::player
