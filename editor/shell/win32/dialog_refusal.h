// The shell dialogs' refusal: an "Error" box, then the focus on the control
// to correct, with the dialog left open.
#pragma once

#include <string_view>

#include "common/message_boxes.h"
#include "common/ui/win32/controls.h"

namespace orv::editor {

inline void RefuseAt(std::string_view message, TControl& control) {
    ShowError(message);
    control.SetFocus();
}

}  // namespace orv::editor
